# The AppStream metadata as the software centres read it, with a release entry for the
# version being built.
include(${CMAKE_CURRENT_LIST_DIR}/tools.cmake)
file(READ ${FILE} xml)
if(NOT xml MATCHES "<release version=\"${VERSION}\"")
  message(FATAL_ERROR "${FILE} has no <release> for version ${VERSION}")
endif()
require_tool(appstreamcli appstreamcli appstream)
expect_valid_appstream(${appstreamcli} validate ${FILE})

# The release notes name the version being built, in the AppStream metadata and in the
# changelog's first entry; and the metadata is valid as the software centres read it.
include(${CMAKE_CURRENT_LIST_DIR}/tools.cmake)
file(READ ${FILE} xml)
if(NOT xml MATCHES "<release version=\"${VERSION}\"")
  message(FATAL_ERROR "${FILE} has no <release> for version ${VERSION}")
endif()
file(STRINGS ${CHANGELOG} first LIMIT_COUNT 1)
if(NOT first MATCHES "^solvane \\(${VERSION}\\) ")
  message(FATAL_ERROR "the first entry of ${CHANGELOG} is not for version ${VERSION}: ${first}")
endif()
require_tool(appstreamcli appstreamcli appstream)
expect_valid_appstream(${appstreamcli} validate ${FILE})

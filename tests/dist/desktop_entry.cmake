# The desktop entry as the desktop menus read it.
include(${CMAKE_CURRENT_LIST_DIR}/tools.cmake)
require_tool(validator desktop-file-validate desktop-file-utils)
expect_valid_desktop_entry(${validator} ${FILE})

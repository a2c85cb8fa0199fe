solvane_test(test_window
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_frmmain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_lifecycle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_advisor.cpp
    ${PROJECT_SOURCE_DIR}/tests/common/widgetmain.cpp
  LIBS solvane_table solvane_solver Qt6::Test)

# A picture of the main window with a long pile, at the size of the screen it runs on
# (built on request only).
add_executable(table_shots EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/shots_table.cpp)
target_link_libraries(table_shots PRIVATE solvane_table)
target_include_directories(table_shots PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)

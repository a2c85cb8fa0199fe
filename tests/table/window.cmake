solvane_test(test_window
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_frmmain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_lifecycle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_advisor.cpp
    ${PROJECT_SOURCE_DIR}/tests/common/widgetmain.cpp
  LIBS solvane_table solvane_solver Qt6::Test)

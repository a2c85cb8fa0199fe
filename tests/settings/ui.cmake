# The players dialogs and the customize window, also as the main window opens them.
solvane_test(test_settings_ui
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_players.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_customize.cpp
    ${PROJECT_SOURCE_DIR}/tests/common/widgetmain.cpp
  LIBS solvane_settings_ui solvane_table Qt6::Test)

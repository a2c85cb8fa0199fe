# The players dialogs and the customize window, also as the main window opens them.
solvane_test(test_settings_ui
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_players.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_customize.cpp
    ${PROJECT_SOURCE_DIR}/tests/common/widgetmain.cpp
  LIBS solvane_settings_ui solvane_table Qt6::Test)

# Pictures of these windows to look at (built on request only).
add_executable(settings_ui_shots EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/shots_settings_ui.cpp)
target_link_libraries(settings_ui_shots PRIVATE solvane_settings_ui solvane_scores)
target_include_directories(settings_ui_shots PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)

# The windows for choosing and designing games, alone and as the main window opens them.
solvane_test(test_catalogue_ui
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_studio_ui.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_gamechoice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_catalogue_main.cpp
    ${PROJECT_SOURCE_DIR}/tests/common/widgetmain.cpp
  LIBS solvane_catalogue_ui solvane_table Qt6::Test)

# Pictures of these windows to look at (built on request only).
add_executable(catalogue_ui_shots EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/shots_catalogue_ui.cpp)
target_link_libraries(catalogue_ui_shots PRIVATE solvane_catalogue_ui solvane_table)
target_include_directories(catalogue_ui_shots PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)

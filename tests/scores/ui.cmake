# The statistics, high-score, session, log and favourites windows over score files
# written for the test.
solvane_test(test_scores_ui
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_gamestat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_highscore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_logstat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_sesstat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_favwindows.cpp
    ${PROJECT_SOURCE_DIR}/tests/common/widgetmain.cpp
  LIBS solvane_scores_ui Qt6::Test)

# The same windows as the main window and the finish dialog open them.
solvane_test(test_scores_wiring
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_scoreswiring.cpp
    ${PROJECT_SOURCE_DIR}/tests/common/widgetmain.cpp
  LIBS solvane_table Qt6::Test)
target_include_directories(test_scores_wiring PRIVATE ${PROJECT_SOURCE_DIR}/tests/settings)

# Pictures of these windows to look at (built on request only).
add_executable(scores_ui_shots EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/shots_scores_ui.cpp)
target_link_libraries(scores_ui_shots PRIVATE solvane_scores_ui)
target_include_directories(scores_ui_shots PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)

solvane_test(test_scores_store
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_lineformat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_dateform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_scorefiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_toplists.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_report.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_favourites.cpp
  LIBS solvane_scores GTest::gtest_main)

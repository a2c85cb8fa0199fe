solvane_test(test_catalogue_store
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_ccustom.cpp ${CMAKE_CURRENT_LIST_DIR}/test_mstudio.cpp
  LIBS solvane_catalogue GTest::gtest_main)

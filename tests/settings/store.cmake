solvane_test(test_settings_store
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_cdata.cpp ${CMAKE_CURRENT_LIST_DIR}/test_names.cpp
  LIBS solvane_settings GTest::gtest_main)

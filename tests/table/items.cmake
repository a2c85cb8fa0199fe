solvane_test(test_items
  SOURCES test_items.cpp test_tableview.cpp
  LIBS solvane_items Qt6::Test)

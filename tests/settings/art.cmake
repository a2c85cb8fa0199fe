solvane_test(test_art
  SOURCES test_art.cpp
  LIBS solvane_art)

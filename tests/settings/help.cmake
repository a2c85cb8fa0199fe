# The help pages, the help window and the viewer.
solvane_test(test_help
  SOURCES test_sound_main.cpp test_helppages.cpp test_helpviewer.cpp
  LIBS solvane_help Qt6::Widgets Qt6::Test)

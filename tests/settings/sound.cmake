# The sounds: the embedded WAV data and the player.
solvane_test(test_sound
  SOURCES test_sound_main.cpp test_wavedata.cpp test_soundplayer.cpp
  LIBS solvane_sound Qt6::Widgets)

include(${CMAKE_CURRENT_LIST_DIR}/help.cmake OPTIONAL)

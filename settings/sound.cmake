# Sounds. The synthesiser is plain C++ so that the build's own generator (resources/) can
# render the WAV files without Qt; the player links Qt Multimedia.
add_library(solvane_synth STATIC msynth.cpp msynth.h mwave.cpp mwave.h)
target_include_directories(solvane_synth PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

add_library(solvane_sound STATIC csoundplayer.cpp csoundplayer.h isoundplayer.h)
target_include_directories(solvane_sound PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
# solvane_wavedata (the rendered sounds as resources) is described in resources/.
target_link_libraries(solvane_sound PUBLIC Qt6::Core Qt6::Multimedia solvane_wavedata PRIVATE solvane_synth)

# The help window and its viewer.
include(${CMAKE_CURRENT_LIST_DIR}/help.cmake OPTIONAL)

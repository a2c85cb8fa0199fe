# The statistics, high-score, log, session and favourites windows over a million
# recorded games, offscreen.
if(TARGET solvane_scores_ui)
  add_executable(bench_scoresui ${CMAKE_CURRENT_LIST_DIR}/bench_scoresui.cpp)
  target_link_libraries(bench_scoresui PRIVATE solvane_scores_ui)
endif()

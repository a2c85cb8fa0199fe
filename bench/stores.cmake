# The score store with a million recorded games.
if(TARGET solvane_scores)
  add_executable(bench_scores ${CMAKE_CURRENT_LIST_DIR}/bench_scores.cpp)
  target_link_libraries(bench_scores PRIVATE solvane_scores)
endif()

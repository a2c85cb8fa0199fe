# How soon the solver answers "winnable?" for positions met in play.
if(TARGET solvane_solver)
  add_executable(bench_solver ${CMAKE_CURRENT_LIST_DIR}/bench_solver.cpp)
  target_link_libraries(bench_solver PRIVATE solvane_solver)
endif()

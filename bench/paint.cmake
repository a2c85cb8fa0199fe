# Frame time of painting the whole table with 52 cards.
if(TARGET solvane_items)
  add_executable(bench_paint ${CMAKE_CURRENT_LIST_DIR}/bench_paint.cpp)
  target_link_libraries(bench_paint PRIVATE solvane_items)
endif()

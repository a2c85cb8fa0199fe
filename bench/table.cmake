add_executable(bench_table ${CMAKE_CURRENT_LIST_DIR}/bench_table.cpp)
target_link_libraries(bench_table PRIVATE solvane_table)

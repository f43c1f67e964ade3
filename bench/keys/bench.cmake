add_executable(bench_keys ${CMAKE_CURRENT_LIST_DIR}/KeyHoldBench.cpp)
target_link_libraries(bench_keys PRIVATE brisola_app brisola_testsupport)
add_dependencies(benchmarks bench_keys)

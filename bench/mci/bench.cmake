# The waveaudio device: play-to-first-sound latency and open cost (Google
# Benchmark), and peak memory while playing a 1 GiB file (its own process).
add_executable(mci_bench
  ${CMAKE_CURRENT_LIST_DIR}/BenchWavFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MciBench.cpp)
target_link_libraries(mci_bench PRIVATE brisola_platform benchmark::benchmark)
add_dependencies(benchmarks mci_bench)

add_executable(mci_memory_bench
  ${CMAKE_CURRENT_LIST_DIR}/BenchWavFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MciMemoryBench.cpp)
target_link_libraries(mci_memory_bench PRIVATE brisola_platform)
add_dependencies(benchmarks mci_memory_bench)

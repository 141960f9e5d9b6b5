# Benchmarks: built with the tests, run by hand (not by ctest), e.g.
#   build/native/tests/bench/quorvel_bench_load 200
#   cmake/wine-run.sh build/win32/tests/bench/quorvel_bench_load.exe 200
#   build/native/tests/bench/quorvel_bench_latency [wide]
#   cmake/wine-run.sh build/win32/tests/bench/quorvel_bench_latency.exe [wide]
add_executable(quorvel_bench_load ${CMAKE_CURRENT_LIST_DIR}/LoadMembersBench.cpp)
add_executable(quorvel_bench_latency ${CMAKE_CURRENT_LIST_DIR}/LatencyBench.cpp)
foreach(bench quorvel_bench_load quorvel_bench_latency)
  target_link_libraries(${bench} PRIVATE quorvel_test_support)
  set_target_properties(${bench} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bench)
endforeach()

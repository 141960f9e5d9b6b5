# Benchmarks: built with the tests, run by hand (not by ctest), e.g.
#   build/store-native/tests/bench/quorvel_bench_load 200
#   cmake/wine-run.sh build/store-win32/tests/bench/quorvel_bench_load.exe 200
add_executable(quorvel_bench_load ${CMAKE_CURRENT_LIST_DIR}/LoadMembersBench.cpp)
target_link_libraries(quorvel_bench_load PRIVATE quorvel_test_support)
set_target_properties(quorvel_bench_load PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                      ${CMAKE_BINARY_DIR}/tests/bench)

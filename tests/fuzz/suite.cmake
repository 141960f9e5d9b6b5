# libFuzzer targets for the parsers of the shared files. Only the fuzz
# configuration (preset "fuzz", clang) builds them; ctest gives each a short
# run. For a longer hunt, run a target by hand with a corpus folder:
#   build/fuzz/tests/fuzz/quorvel_fuzz_memo_file -max_total_time=1800 corpus/memo
# and keep every crash file it writes as a regression case in the store tests.
if(NOT QUORVEL_FUZZ)
  return()
endif()

foreach(pair decode:Decode status_file:StatusFile memo_file:MemoFile group_list:GroupList
        memo_edit:MemoEdit)
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 target)
  list(GET pair 1 source)
  add_executable(quorvel_fuzz_${target} ${CMAKE_CURRENT_LIST_DIR}/${source}Fuzz.cpp)
  target_link_libraries(quorvel_fuzz_${target} PRIVATE quorvel_platform)
  target_link_options(quorvel_fuzz_${target} PRIVATE -fsanitize=fuzzer)
  set_target_properties(quorvel_fuzz_${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                        ${CMAKE_BINARY_DIR}/tests/fuzz)
  add_test(NAME fuzz_${target}
           COMMAND quorvel_fuzz_${target} -runs=20000 -max_len=4096 -seed=1)
endforeach()
# SendMemo and DeleteMemo run on files in memory.
target_sources(quorvel_fuzz_memo_edit PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/MemoryFileSystem.cpp)

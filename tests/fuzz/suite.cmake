# libFuzzer targets for the parsers of the shared files. Only the fuzz
# configuration (preset "fuzz", clang) builds them; ctest gives each a short
# run. For a longer hunt, run a target by hand with a corpus folder:
#   build/fuzz/tests/fuzz/quorvel_fuzz_memo_file -max_total_time=1800 corpus/memo
# and keep every crash file it writes as a regression case in the store tests.
if(NOT QUORVEL_FUZZ)
  return()
endif()

foreach(target decode status_file memo_file group_list)
  string(REPLACE "_" ";" parts ${target})
  set(source "")
  foreach(part ${parts})
    string(SUBSTRING ${part} 0 1 head)
    string(TOUPPER ${head} head)
    string(SUBSTRING ${part} 1 -1 tail)
    string(APPEND source ${head}${tail})
  endforeach()
  add_executable(quorvel_fuzz_${target} ${CMAKE_CURRENT_LIST_DIR}/${source}Fuzz.cpp)
  target_link_libraries(quorvel_fuzz_${target} PRIVATE quorvel_platform)
  target_link_options(quorvel_fuzz_${target} PRIVATE -fsanitize=fuzzer)
  set_target_properties(quorvel_fuzz_${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                        ${CMAKE_BINARY_DIR}/tests/fuzz)
  add_test(NAME fuzz_${target}
           COMMAND quorvel_fuzz_${target} -runs=20000 -max_len=4096 -seed=1)
endforeach()

# Empty and torn status reads under several writing processes, run by hand
# (see run-figures.sh), not by ctest.
add_executable(quorvel_status_figures ${CMAKE_CURRENT_LIST_DIR}/StatusFigures.cpp)
target_link_libraries(quorvel_status_figures PRIVATE quorvel_test_support)
set_target_properties(quorvel_status_figures PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                      ${CMAKE_BINARY_DIR}/tests/figures)

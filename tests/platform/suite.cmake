# A second real process that holds a file open, for the share-mode tests.
# (Its source sits below platform/ so that the test glob leaves it out.)
add_executable(quorvel_file_holder ${CMAKE_CURRENT_LIST_DIR}/helpers/FileHolder.cpp)
target_link_libraries(quorvel_file_holder PRIVATE quorvel_platform)
add_dependencies(quorvel_tests quorvel_file_holder)

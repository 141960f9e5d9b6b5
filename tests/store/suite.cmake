# A second desk for the multi-process tests of the store.
add_executable(quorvel_store_worker ${CMAKE_CURRENT_LIST_DIR}/worker/StoreWorker.cpp)
target_link_libraries(quorvel_store_worker PRIVATE quorvel_test_support)
add_dependencies(quorvel_tests quorvel_store_worker)
# The crash sweep: its helper runs one store operation and is ended by its
# file system after a given call; the table of operations serves both.
add_executable(quorvel_crash_helper ${CMAKE_CURRENT_LIST_DIR}/crash/CrashHelper.cpp
               ${CMAKE_CURRENT_LIST_DIR}/crash/CrashOperations.cpp)
target_link_libraries(quorvel_crash_helper PRIVATE quorvel_test_support)
target_sources(quorvel_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/crash/CrashOperations.cpp)
add_dependencies(quorvel_tests quorvel_crash_helper)

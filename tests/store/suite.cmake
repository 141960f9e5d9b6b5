# A second desk for the multi-process tests of the store.
add_executable(quorvel_store_worker ${CMAKE_CURRENT_LIST_DIR}/worker/StoreWorker.cpp)
target_link_libraries(quorvel_store_worker PRIVATE quorvel_test_support)
add_dependencies(quorvel_tests quorvel_store_worker)

# The dependency script against a stub apt (Linux only: it runs bash).
if(NOT WIN32)
  add_test(NAME install-deps COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install-deps-test.sh
           ${CMAKE_SOURCE_DIR})
endif()

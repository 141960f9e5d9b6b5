# Every #include runs down the layers (Linux only: it runs bash).
if(NOT WIN32)
  add_test(NAME layers COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check-layers.sh ${CMAKE_SOURCE_DIR})
endif()

# End-to-end tests of the real program under Wine: Windows build only.
if(WIN32 AND TARGET quorvel)
  file(GLOB E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
  add_executable(quorvel_e2e ${E2E_SOURCES})
  target_link_libraries(quorvel_e2e PRIVATE quorvel_test_support GTest::gtest gdi32 user32)
  add_dependencies(quorvel_e2e quorvel qvlstatus)
  add_test(NAME e2e COMMAND quorvel_e2e $<TARGET_FILE:quorvel> --gtest_filter=-MemoNotice.*)
  # 77: the runner found no way to run the program here (a 32-bit build on
  # a host without 32-bit code) and said why.
  set_tests_properties(e2e PROPERTIES RUN_SERIAL TRUE TIMEOUT 600 SKIP_RETURN_CODE 77)
  # The memo notice's soak and the idle minute take their time: a run of
  # their own, beside the rest.
  add_dependencies(quorvel_e2e quorvel_store_worker)
  add_test(NAME e2e_memo_notice COMMAND quorvel_e2e $<TARGET_FILE:quorvel> --gtest_filter=MemoNotice.*)
  set_tests_properties(e2e_memo_notice PROPERTIES RUN_SERIAL TRUE TIMEOUT 600 SKIP_RETURN_CODE 77)
endif()
# The release's sample profile, as the zip ships it (code page 932).
if(TARGET quorvel_e2e AND TARGET quorvel_release_texts)
  target_compile_definitions(quorvel_e2e PRIVATE
    QUORVEL_SAMPLE_PROFILE="${QUORVEL_RELEASE_DIR}/QVL.ini.sample")
  add_dependencies(quorvel_e2e quorvel_release_texts)
endif()

# The Windows tests read the program's own dialog templates, icons and
# strings, so the test program carries the same resources as quorvel.exe.
if(WIN32)
  target_sources(quorvel_tests PRIVATE ${CMAKE_SOURCE_DIR}/res/quorvel.rc)
endif()

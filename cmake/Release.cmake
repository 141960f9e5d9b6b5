# The release: the documents an office gets beside the program, in the code
# page and line ends Notepad shows on a Japanese Windows, and the zip made
# from the 32-bit build by `cmake --build --preset win32-i686 --target package`.

# The sources stay UTF-8 in the repository; the desk gets code page 932 and CRLF.
set(QUORVEL_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
set(QUORVEL_QUICK_START "はじめにお読みください.txt")
set(QUORVEL_RELEASE_TEXTS ${QUORVEL_QUICK_START} QVL.ini.sample)
set(QUORVEL_RELEASE_FILES)
foreach(name ${QUORVEL_RELEASE_TEXTS})
  set(source ${CMAKE_SOURCE_DIR}/docs/release/${name})
  set(converted ${QUORVEL_RELEASE_DIR}/${name})
  add_custom_command(OUTPUT ${converted}
    COMMAND ${CMAKE_SOURCE_DIR}/tools/to-cp932.sh ${source} ${converted}
    DEPENDS ${source} ${CMAKE_SOURCE_DIR}/tools/to-cp932.sh
    VERBATIM)
  list(APPEND QUORVEL_RELEASE_FILES ${converted})
endforeach()
add_custom_target(quorvel_release_texts ALL DEPENDS ${QUORVEL_RELEASE_FILES})

if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
  return()
endif()
# Only the 32-bit program ships: it keeps a standard user's QVL.ini in their
# VirtualStore, which a 64-bit program does not get.
set(QUORVEL_SHIPPED_BUILD ON)

install(TARGETS quorvel qvlstatus RUNTIME DESTINATION .)
install(FILES ${QUORVEL_RELEASE_FILES} ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/CHANGELOG.md
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quorvel)
set(CPACK_PACKAGE_VENDOR Quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(QUORVEL_ZIP_NAME Quorvel-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_FILE_NAME ${QUORVEL_ZIP_NAME})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
# The zip unpacks into a folder of the same name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)

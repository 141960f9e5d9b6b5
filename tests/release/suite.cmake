# The release zip of the shipped build, unpacked and checked (make it first
# with the package target).
if(QUORVEL_SHIPPED_BUILD)
  add_test(NAME package COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/package-test.sh
           ${CMAKE_BINARY_DIR}/${QUORVEL_ZIP_NAME}.zip ${PROJECT_VERSION} ${CMAKE_SOURCE_DIR}
           ${CMAKE_SOURCE_DIR}/build/win32)
  set_tests_properties(package PROPERTIES TIMEOUT 300)
endif()

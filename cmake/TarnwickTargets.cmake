# Helpers shared by every folder's CMakeLists.

set(TARNWICK_TEST_RESULTS ${CMAKE_BINARY_DIR}/test-results)
file(MAKE_DIRECTORY ${TARNWICK_TEST_RESULTS})

# tarnwick_test(NAME <name> SOURCES ... LIBS ... [LOCKS ...] [GUI])
# One executable per suite, registered as one CTest test so all of its cases run in one process
# (a Wine start is the expensive part). Each run writes its gtest XML report for the summary.
function(tarnwick_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS;LOCKS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  if(WIN32)
    target_sources(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/test_manifest.rc)
  endif()
  set(report ${TARNWICK_TEST_RESULTS}/${T_NAME}.xml)
  if(WIN32)
    # The test runs under Wine, which reaches the Unix root through drive Z:.
    string(REPLACE "/" "\\" report "Z:${report}")
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_output=xml:${report})
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 300)
  if(T_LOCKS)
    set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
  endif()
endfunction()

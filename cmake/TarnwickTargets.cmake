# Helpers shared by every folder's CMakeLists.

set(TARNWICK_TEST_RESULTS ${CMAKE_BINARY_DIR}/test-results)
file(MAKE_DIRECTORY ${TARNWICK_TEST_RESULTS})

# Resource scripts name every file from the source root ("art/help.ico", "app/Tarnwick.manifest"),
# so that one script can include another wherever either lives.
set(TARNWICK_RESOURCE_INPUTS)
foreach(folder art app core tray update scaling tests/support tests/runtime)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.rc ${PROJECT_SOURCE_DIR}/${folder}/*.ico
    ${PROJECT_SOURCE_DIR}/${folder}/*.bmp ${PROJECT_SOURCE_DIR}/${folder}/*.wav ${PROJECT_SOURCE_DIR}/${folder}/*.manifest
    ${PROJECT_SOURCE_DIR}/${folder}/*_resources.h ${PROJECT_SOURCE_DIR}/${folder}/*_pictures.h)
  list(APPEND TARNWICK_RESOURCE_INPUTS ${found})
endforeach()

# tarnwick_resource_script(<script>): a script compiled straight into a binary of this folder.
function(tarnwick_resource_script script)
  set_source_files_properties(${script} PROPERTIES
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR} OBJECT_DEPENDS "${TARNWICK_RESOURCE_INPUTS}")
endfunction()

# tarnwick_resources(<target> <script>...): the target's resources, all from one compilation of a
# script that includes the given ones (paths from the source root). Scripts compiled apart would
# each number their icon images from 1, and the linker would keep one of each pair.
function(tarnwick_resources target)
  set(text "#pragma code_page(65001)\n")
  foreach(script IN LISTS ARGN)
    string(APPEND text "#include \"${script}\"\n")
  endforeach()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.rc)
  file(CONFIGURE OUTPUT ${rc} CONTENT "${text}")
  target_sources(${target} PRIVATE ${rc})
  tarnwick_resource_script(${rc})
endfunction()

# tarnwick_test(NAME <name> SOURCES ... LIBS ... [LOCKS ...] [RESOURCES ...] [ARGS ...] [OWN_VERSION] [GUI]
#               [WINDOWLESS])
# One executable per suite, registered as one CTest test so all of its cases run in one process
# (a Wine start is the expensive part). Each run writes its gtest XML report for the summary.
# Its resources: the test manifest, the test version block (unless the RESOURCES bring a version
# block of their own), and the RESOURCES scripts. ARGS go to the executable (a --gtest_filter that
# leaves some cases to a run of their own, see tarnwick_test_run).
# Under Wine every suite holds the lock "screen" unless it is WINDOWLESS: suites run side by side on
# one screen, and a window one suite shows could cover the window whose picture another one takes
# (a picture of another program's window, or of what a window has painted so far, can only come
# from the screen).
function(tarnwick_test)
  cmake_parse_arguments(T "GUI;OWN_VERSION;WINDOWLESS" "NAME" "SOURCES;LIBS;LOCKS;RESOURCES;ARGS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  if(WIN32)
    set(scripts tests/support/test_manifest.rc)
    if(NOT T_OWN_VERSION)
      list(APPEND scripts tests/support/test_version.rc)
    endif()
    tarnwick_resources(${T_NAME} ${scripts} ${T_RESOURCES})
  endif()
  set(windowless)
  if(T_WINDOWLESS)
    set(windowless WINDOWLESS)
  endif()
  tarnwick_test_run(NAME ${T_NAME} TARGET ${T_NAME} ARGS ${T_ARGS} LOCKS ${T_LOCKS} ${windowless})
endfunction()

# tarnwick_test_run(NAME <name> TARGET <test executable> [ARGS ...] [LOCKS ...] [WINDOWLESS])
# A CTest test that runs a test executable with the given arguments, its report named after the
# test: for cases that need a process of their own, which no earlier case of the suite has marked.
function(tarnwick_test_run)
  cmake_parse_arguments(T "WINDOWLESS" "NAME;TARGET" "ARGS;LOCKS" ${ARGN})
  set(report ${TARNWICK_TEST_RESULTS}/${T_NAME}.xml)
  if(WIN32)
    # The test runs under Wine, which reaches the Unix root through drive Z:.
    string(REPLACE "/" "\\" report "Z:${report}")
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_TARGET} ${T_ARGS} --gtest_output=xml:${report})
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 300)
  if(WIN32 AND NOT T_WINDOWLESS)
    list(APPEND T_LOCKS screen)
    list(REMOVE_DUPLICATES T_LOCKS)
  endif()
  if(T_LOCKS)
    set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
  endif()
endfunction()

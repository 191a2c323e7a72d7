# tarnwick_delay_load(<target> <dll>...)
# The target loads each named system DLL when it first calls into it, not at its start: a program
# that waits in the tray should not load the Open dialog, the network, sound or COM before a
# command needs them. Each DLL gets a delay-import library of the toolchain's import library's
# names (dlltool --output-delaylib), found ahead of the toolchain's under the same name, so every
# static library the target links calls through it; libmingwex supplies __delayLoadHelper2.
#
# On i686 the system headers declare their functions dllimport, so a call reads the function's
# __imp__Name@N slot directly and never names the stub Name@N. GNU ld then drops the stub's code
# from the delay library's member, and the slot, which should hold the address of the loading
# thunk in that code, is left 0: the first call jumps to address 0. Declared without dllimport, a
# call goes through the stub, the code stays, and the slot is filled. x86_64 keeps its stubs either
# way. tests/app/check_late_imports.py reads the shipped program's late slots back.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_compile_definitions(DECLSPEC_IMPORT=)
endif()

function(tarnwick_delay_load target)
  # A library or entry point that cannot be loaded is reported, not a silent end mid-command.
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/runtime/delay_load_failure.cpp)
  set(folder ${CMAKE_BINARY_DIR}/delay-imports)
  file(MAKE_DIRECTORY ${folder})
  foreach(dll IN LISTS ARGN)
    set(library ${folder}/lib${dll}.a)
    find_file(TARNWICK_IMPORT_LIB_${dll} lib${dll}.a PATHS ${CMAKE_FIND_ROOT_PATH}/lib NO_DEFAULT_PATH
              NO_CMAKE_FIND_ROOT_PATH)
    set(imports ${TARNWICK_IMPORT_LIB_${dll}})
    if(NOT imports)
      message(WARNING "lib${dll}.a not found: ${target} loads ${dll}.dll at its start")
      continue()
    endif()
    if(NOT EXISTS ${library} OR ${imports} IS_NEWER_THAN ${library})
      execute_process(COMMAND ${CMAKE_NM} ${imports} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
      # i686 names carry the stdcall decoration (_Name@8): the delay library keeps it for the
      # callers and imports the plain name (--kill-at).
      if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(prefix "__imp__")
        set(kill_at --kill-at)
      else()
        set(prefix "__imp_")
        set(kill_at "")
      endif()
      string(REGEX MATCHALL " I ${prefix}[^\n]+" entries "${symbols}")
      list(TRANSFORM entries REPLACE " I ${prefix}" "")
      list(REMOVE_DUPLICATES entries)
      list(JOIN entries "\n" exports)
      file(WRITE ${folder}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
      execute_process(
        COMMAND ${CMAKE_DLLTOOL} ${kill_at} --input-def ${folder}/${dll}.def --dllname ${dll}.dll
                --output-delaylib ${library}
        COMMAND_ERROR_IS_FATAL ANY)
    endif()
  endforeach()
  target_link_directories(${target} PRIVATE ${folder})
  set_property(TARGET ${target} APPEND PROPERTY TARNWICK_LATE_DLLS ${ARGN})
endfunction()

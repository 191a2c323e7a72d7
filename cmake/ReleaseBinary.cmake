# tarnwick_release_binary(<target>)
# The binary leaves the build optimised and stripped, its debug information in <file>.debug beside
# it and named by the binary's debug link, so a crash can still be read. Wine reads an image whose
# sections are not page-aligned in the file into private memory; aligned, they are mapped from the
# file and their unchanged pages are shared.
function(tarnwick_release_binary target)
  target_link_options(${target} PRIVATE -Wl,--file-alignment,0x1000)
  # Run in the binary's folder: the link then names the debug file alone, and a debugger looks for
  # it beside the binary.
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${target}> $<TARGET_FILE_NAME:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all $<TARGET_FILE_NAME:${target}>
    COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug $<TARGET_FILE_NAME:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    COMMENT "Stripping ${target}, its debug information beside it"
    VERBATIM)
endfunction()

# Where an install puts the programs: each in lib/plx beside the Languages/ folder it reads (the
# programs look for it beside their own file, symlinks followed), and a link in bin/ to start it by
# name. The layout is the same under /usr (the Debian package) and under ~/.local.
set(PLX_PROGRAM_DIR lib/plx)

function(plx_install_program target)
  # Only system libraries are linked: the installed program needs no search path of its own.
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "")
  install(TARGETS ${target} RUNTIME DESTINATION ${PLX_PROGRAM_DIR})
  set(link "${PROJECT_BINARY_DIR}/bin-links/${target}")
  file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/bin-links")
  file(CREATE_LINK "../${PLX_PROGRAM_DIR}/${target}" "${link}" SYMBOLIC)
  install(FILES "${link}" DESTINATION bin)
endfunction()

# The man page of a command-line program, made from its --help and --version by help2man.
find_program(PLX_HELP2MAN help2man)
find_program(PLX_GZIP gzip)
function(plx_add_man_page target summary)
  if(NOT PLX_HELP2MAN OR NOT PLX_GZIP)
    message(STATUS "help2man or gzip not found: no man page for ${target}")
    return()
  endif()
  set(page "${CMAKE_CURRENT_BINARY_DIR}/${target}.1")
  add_custom_command(OUTPUT "${page}.gz"
    COMMAND "${PLX_HELP2MAN}" --no-info "--name=${summary}" "--output=${page}"
            "$<TARGET_FILE:${target}>"
    COMMAND "${PLX_GZIP}" -9nf "${page}"
    DEPENDS ${target}
    COMMENT "Writing the man page of ${target}"
    VERBATIM)
  add_custom_target(${target}_man ALL DEPENDS "${page}.gz")
  install(FILES "${page}.gz" DESTINATION share/man/man1)
endfunction()

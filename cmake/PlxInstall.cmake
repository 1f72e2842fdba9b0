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


# Common compile settings for every target of the project.
function(plx_configure_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(PLX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(PLX_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# A library module: every .cpp directly in the listed folders (relative to the current source dir)
# but a main.cpp, which is the module's program.
function(plx_add_module target)
  set(sources)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp"
                                      "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h")
    list(FILTER found EXCLUDE REGEX "/main\\.cpp$")
    list(APPEND sources ${found})
  endforeach()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}")
  plx_configure_target(${target})
endfunction()

# Copies the language files beside an executable, again whenever one of them changes (a copy made
# only when the executable links would go stale after an edit of the texts).
function(plx_copy_languages target)
  file(GLOB languages CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/Languages/*")
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}_languages.stamp")
  add_custom_command(OUTPUT "${stamp}"
    COMMAND ${CMAKE_COMMAND} -E copy_directory
            "${PROJECT_SOURCE_DIR}/resources/Languages"
            "$<TARGET_FILE_DIR:${target}>/Languages"
    COMMAND ${CMAKE_COMMAND} -E touch "${stamp}"
    DEPENDS ${languages}
    COMMENT "Copying the language files beside ${target}")
  add_custom_target(${target}_languages DEPENDS "${stamp}")
  add_dependencies(${target} ${target}_languages)
endfunction()

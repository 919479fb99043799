# The core runs without a window: none of its files may include the window's folders or a Qt
# module beyond Gui. pixoram_check_core_layering(target) makes every build of the target check
# its files first and stop on a stray include.
function(pixoram_check_core_layering target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  set(files)
  foreach(source IN LISTS sources)
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} OUTPUT_VARIABLE path)
    if(path MATCHES "\\.(h|cpp)$")
      list(APPEND files ${path})
    endif()
  endforeach()
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}-layering.txt)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}-layering.stamp)
  file(WRITE ${list_file} "${files}")
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DTARGET=${target} -DLIST_FILE=${list_file}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckCoreLayering.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/CheckCoreLayering.cmake
    VERBATIM)
  add_custom_target(${target}_layering DEPENDS ${stamp})
  add_dependencies(${target} ${target}_layering)
endfunction()

# Adds every direct subfolder of the current source folder that has a CMakeLists.txt.
macro(zarle_add_child_folders)
  file(GLOB _zarle_children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(_zarle_child ${_zarle_children})
    if(IS_DIRECTORY ${_zarle_child} AND EXISTS ${_zarle_child}/CMakeLists.txt)
      add_subdirectory(${_zarle_child})
    endif()
  endforeach()
endmacro()

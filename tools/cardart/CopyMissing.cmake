# cmake -DFROM=<folder> -DTO=<folder> -P CopyMissing.cmake
# Copies each file of FROM into TO unless TO already has a file of that name.
file(MAKE_DIRECTORY ${TO})
file(GLOB _files ${FROM}/*)
foreach(_file ${_files})
  get_filename_component(_name ${_file} NAME)
  if(NOT EXISTS ${TO}/${_name})
    file(COPY ${_file} DESTINATION ${TO})
  endif()
endforeach()

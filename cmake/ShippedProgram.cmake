# The program as it ships. Windows builds compile every function and datum into a section of its
# own (cmake/ProjectOptions.cmake), so that the program's link can drop what it never calls; the
# program is linked without symbols. A build may also give its version block other numbers.
set(DV_VERSION "" CACHE STRING
    "Other numbers for the program's version block, A.B[.C[.D]] (for instance an older copy for \
the installer's upgrade test); empty: the block's own")

# dv_ship_program(target RESOURCES resource-target): the link options of the shipped program;
# DV_VERSION goes to the resource target that compiles its version block.
function(dv_ship_program target)
  cmake_parse_arguments(ARG "" "RESOURCES" "" ${ARGN})
  target_link_options(${target} PRIVATE -s -Wl,--gc-sections)
  if(DV_VERSION STREQUAL "")
    return()
  endif()
  if(NOT DV_VERSION MATCHES "^([0-9]+)\\.([0-9]+)(\\.([0-9]+))?(\\.([0-9]+))?$")
    message(FATAL_ERROR "DV_VERSION reads A.B, A.B.C or A.B.C.D, not '${DV_VERSION}'")
  endif()
  # The release and build numbers may be left out: 0.
  set(definitions)
  foreach(name_group MAJOR:1 MINOR:2 RELEASE:4 BUILD:6)
    string(REPLACE ":" ";" name_group "${name_group}")
    list(GET name_group 0 name)
    list(GET name_group 1 group)
    set(number "${CMAKE_MATCH_${group}}")
    if("${number}" STREQUAL "")
      set(number 0)
    endif()
    if(number GREATER 65535)
      message(FATAL_ERROR "DV_VERSION: each number is at most 65535, not ${number}")
    endif()
    list(APPEND definitions DV_VERSION_${name}=${number})
  endforeach()
  target_compile_definitions(${ARG_RESOURCES} PRIVATE ${definitions})
endfunction()

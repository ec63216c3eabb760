# Build-time generators (tools/) run on the build machine. The host build has them as ordinary
# targets; the Windows build builds the same sources natively as an external project.
#
# dv_generate(OUTPUT <files...> TOOL <tool target> [ARGS <args...>] [DEPENDS <files...>])
# runs a generator to produce files in the build tree.

# Every generator's target name; the Windows build needs them to know what the external project makes.
set(DV_HOST_TOOL_NAMES dv_banner_gen dv_stateimages_gen dv_icon_gen dv_form_compose
                       dv_checkglyphs_gen dv_menubitmaps_gen)

if(WIN32)
  include(ExternalProject)
  set(DV_HOST_TOOLS_BIN ${CMAKE_BINARY_DIR}/host-tools/bin)
  set(byproducts)
  foreach(tool IN LISTS DV_HOST_TOOL_NAMES)
    list(APPEND byproducts ${DV_HOST_TOOLS_BIN}/${tool})
  endforeach()
  ExternalProject_Add(dv_host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/host-tools
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS -DDV_TOOLS_ONLY=ON -DDV_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release
               -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${byproducts})
endif()

function(dv_generate)
  cmake_parse_arguments(ARG "" "TOOL" "OUTPUT;ARGS;DEPENDS" ${ARGN})
  if(WIN32)
    set(command ${DV_HOST_TOOLS_BIN}/${ARG_TOOL})
    set(deps dv_host_tools ${DV_HOST_TOOLS_BIN}/${ARG_TOOL})
  else()
    set(command $<TARGET_FILE:${ARG_TOOL}>)
    set(deps ${ARG_TOOL})
  endif()
  add_custom_command(OUTPUT ${ARG_OUTPUT}
                     COMMAND ${command} ${ARG_ARGS}
                     DEPENDS ${deps} ${ARG_DEPENDS}
                     COMMENT "Generating ${ARG_OUTPUT}"
                     VERBATIM)
endfunction()

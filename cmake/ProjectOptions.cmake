# Warnings, sanitizers and test helpers shared by every target.
option(DV_BUILD_TESTS "Build the tests" ON)
option(DV_SANITIZE "Host build: AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(DV_FUZZ "Host build with clang: libFuzzer targets" OFF)

add_library(dv_warnings INTERFACE)
target_compile_options(dv_warnings INTERFACE -Wall -Wextra)
if(WIN32)
  # Keep Windows headers lean and the ANSI entry points explicit.
  target_compile_definitions(dv_warnings INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX
                                                   _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Small programs: a section for each function and datum, so that a link drops what it never
  # calls (cmake/ShippedProgram.cmake), and code optimised for size, which measured smaller and no
  # slower to start than -O2 or -O3. Test code sets its own level.
  set(DV_RELEASE_OPTIMIZATION -Os CACHE STRING "The Windows builds' optimisation in Release")
  add_compile_options(-ffunction-sections -fdata-sections
                      $<$<CONFIG:Release>:${DV_RELEASE_OPTIMIZATION}>)
endif()

if(DV_FUZZ AND NOT WIN32)
  # Coverage instrumentation everywhere so that the fuzzers see into the libraries.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(DV_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# dv_add_library(name SOURCES ... [DEPS ...]): a static library rooted at the project root
# so that includes read "framework/core/Streams.h".
function(dv_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE dv_warnings)
endfunction()

macro(dv_optional_subdirectory dir)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${PROJECT_SOURCE_DIR}/${dir} ${PROJECT_BINARY_DIR}/${dir})
  endif()
endmacro()

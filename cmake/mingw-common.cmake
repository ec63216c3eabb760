# Shared by the two mingw-w64 toolchains.
set(CMAKE_C_COMPILER ${DV_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DV_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${DV_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${DV_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No MinGW runtime DLL has to be found at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Tests run under Wine; scripts/wine-session.sh provides the prefix and display (a 32-bit prefix,
# --arch win32, for the i686 build).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec.sh)

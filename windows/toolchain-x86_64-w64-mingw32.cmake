# Cross-building for 64-bit Windows with Debian's mingw-w64 (GCC 12):
#   cmake -DCMAKE_TOOLCHAIN_FILE=windows/toolchain-x86_64-w64-mingw32.cmake ...
# The compilers of the posix thread model: the game's std::thread and
# std::mutex need it (the win32 model has neither in GCC 12).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(GROG_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${GROG_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GROG_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${GROG_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${GROG_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${GROG_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_OBJCOPY ${GROG_MINGW_TRIPLE}-objcopy CACHE FILEPATH "")
set(CMAKE_LINKER ${GROG_MINGW_TRIPLE}-ld CACHE FILEPATH "")

# Headers and libraries of the target only from the mingw root and the
# dependencies built for it; programs (the asset makers) from the host.
# GROG_WINDOWS_DEPS is where scripts/windows-deps.sh put Allegro and libpng.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${GROG_MINGW_TRIPLE} ${GROG_WINDOWS_DEPS})
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES GROG_WINDOWS_DEPS)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC's own runtime goes into each program and DLL, so a Windows user needs
# no libstdc++-6.dll, libgcc_s_seh-1.dll or libwinpthread-1.dll beside them
# (the DLLs we build ourselves are linked by the full path of their import
# library, which -static does not refuse).
# Only C-style calls and plain data cross the DLL boundaries, so each keeping
# its own copy is safe.
set(GROG_MINGW_STATIC_RUNTIME "-static")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${GROG_MINGW_STATIC_RUNTIME}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${GROG_MINGW_STATIC_RUNTIME}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${GROG_MINGW_STATIC_RUNTIME}")

# Tests run under Wine (ctest goes through this for every test program).
# The DLLs they load come from the dependencies and the build's own root.
find_program(GROG_WINE NAMES wine)
if(GROG_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh
      --dll-dir ${GROG_WINDOWS_DEPS}/bin --dll-dir ${CMAKE_BINARY_DIR})
endif()

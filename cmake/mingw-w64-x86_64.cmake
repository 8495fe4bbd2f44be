# Cross build for 64-bit Windows with Debian's mingw-w64 toolchain.
#
# The posix thread variant of the compilers is used: its libstdc++ has std::thread,
# std::mutex and std::condition_variable (on top of winpthreads); the win32 variant of
# GCC 12 has none of them. The C++ and GCC runtimes and winpthreads are linked in
# statically, so the programs need no DLL beyond those of Windows itself.
#
# Libraries are looked up only in the toolchain's sysroot and in the prefix where
# scripts/build-windows-deps.sh installs the Windows builds of the dependencies
# (freeglut, GoogleTest, ...): set AGV_WINDOWS_DEPS_PREFIX to it (the "windows" preset does).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(AGV_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${AGV_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${AGV_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${AGV_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${AGV_MINGW_TRIPLET}-ar CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB ${AGV_MINGW_TRIPLET}-ranlib CACHE FILEPATH "Archive indexer")

# try_compile() projects see the toolchain file again but not the cache: pass the prefix on.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES AGV_WINDOWS_DEPS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${AGV_MINGW_TRIPLET})
if(AGV_WINDOWS_DEPS_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${AGV_WINDOWS_DEPS_PREFIX})
endif()
# Programs (code generators, wine) come from the build machine; headers, libraries and
# CMake package files only from the roots above.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No runtime DLLs: libgcc and libstdc++ statically, and -static for winpthreads (system
# import libraries such as opengl32 and gdi32 stay import libraries).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")

# Test programs (and GoogleTest's test discovery) run under wine when it is installed.
find_program(AGV_WINE_RUN NAMES wine wine64)
if(AGV_WINE_RUN)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
endif()

# Cross build for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads flavour, for
# std::thread): cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TIDECOPY_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TIDECOPY_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TIDECOPY_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TIDECOPY_MINGW_TRIPLET}-windres)

# Libraries and headers of the target only; programs (python3, wine64) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${TIDECOPY_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained programs: no MinGW runtime DLLs to carry beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests of a Windows build made on Linux run under Wine: CTest starts every test program
# (and GoogleTest's discovery) through a wrapper with a Wine prefix of the build's own, so
# nothing is written outside the build folder. Headless: no display is needed by the core.
find_program(TIDECOPY_WINE wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(TIDECOPY_WINE wine64)
if(NOT TIDECOPY_WINE)
  message(FATAL_ERROR "The Windows tests need wine64 (scripts/bootstrap installs it)")
endif()
set(TIDECOPY_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

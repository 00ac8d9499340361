# Windows x86-64 programs from Debian's MinGW-w64 cross compiler; tests run
# them under Wine through the cross-compiling emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triplet x86_64-w64-mingw32)
# The posix thread model first: the one Debian's mingw-w64 installs by
# default. C as well, as GoogleTest's own project enables it.
find_program(CMAKE_C_COMPILER NAMES ${triplet}-gcc-posix ${triplet}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${triplet}-g++-posix ${triplet}-g++ REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
# Host programs (bash, wine) from the host; headers, libraries and packages
# only from the target, so the host's x86-64 Linux GoogleTest is never taken.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The MinGW runtime linked in, so the .exe files need no DLL search path.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# A Wine prefix of the build's own, so every run starts from the same state;
# Mono and Gecko are never offered (console programs need neither). Programs
# start through wine-run.sh, which keeps one Wine server up across the runs.
find_program(NEOROM_ENV env REQUIRED)
find_program(NEOROM_SH sh REQUIRED)
find_program(NEOROM_WINE NAMES wine wine64 PATHS /usr/lib/wine REQUIRED)
find_program(NEOROM_WINESERVER NAMES wineserver wineserver64 PATHS /usr/lib/wine REQUIRED)
set(NEOROM_WINEPREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(CMAKE_CROSSCOMPILING_EMULATOR
  ${NEOROM_ENV} WINEPREFIX=${NEOROM_WINEPREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
  ${NEOROM_SH} ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${NEOROM_WINESERVER} ${NEOROM_WINE})

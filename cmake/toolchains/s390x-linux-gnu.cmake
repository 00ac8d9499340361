# Big-endian Linux programs for s390x from Debian's cross compiler; tests
# run them under qemu-user through the cross-compiling emulator.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR s390x)

set(triplet s390x-linux-gnu)
# C as well: GoogleTest's own project enables it.
find_program(CMAKE_C_COMPILER NAMES ${triplet}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${triplet}-g++ REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
# Host programs from the host; headers, libraries and packages only from the
# target, so the host's x86-64 GoogleTest is never taken.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(NEOROM_QEMU NAMES qemu-s390x qemu-s390x-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${NEOROM_QEMU} -L /usr/${triplet})

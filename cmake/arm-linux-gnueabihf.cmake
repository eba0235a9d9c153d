# Cross build for the telephone's 32-bit ARM processor with Debian's crossbuild-essential-armhf
# (ARMv7, hard-float), together with the device SDK's ARM flavour:
#   cmake -DHOTSPOT_QT4=ON -DQT_QMAKE_EXECUTABLE=<arm sdk>/bin/qmake \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/arm-linux-gnueabihf.cmake
# The SDK's qmake, moc, rcc, uic and lrelease run on the build machine; its libraries are ARM.
# Programs (the tests) run under Debian's qemu-user.

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)

set(HOTSPOT_ARM_SYSROOT /usr/arm-linux-gnueabihf)
set(CMAKE_FIND_ROOT_PATH ${HOTSPOT_ARM_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Debian keeps the cross C library in its sysroot, not where an ARM program looks for it (/lib).
# Programs built here name the sysroot's loader, and qemu-arm hands them the sysroot's libraries
# first, so that they run without "qemu-arm -L", which also redirects every file a program opens
# and, where Debian's armhf multiarch C library is installed too, mixes the two. Libraries, the
# plug-in among them, stay as the device needs them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--dynamic-linker=${HOTSPOT_ARM_SYSROOT}/lib/ld-linux-armhf.so.3")
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm -E LD_LIBRARY_PATH=${HOTSPOT_ARM_SYSROOT}/lib)

# The two Qt flavours of the project: Qt 5.15, the desktop's (simulator, tests, sanitizer,
# fuzzing and benchmark builds), or Qt 4.8 for Embedded Linux, the telephone's. The Qt 4.8 build
# takes the device SDK's qmake (scripts/build-device-sdk.sh, or the vendor's SDK):
#   cmake -DHOTSPOT_QT4=ON -DQT_QMAKE_EXECUTABLE=<sdk>/bin/qmake
# and, for the telephone's ARM processor, -DCMAKE_TOOLCHAIN_FILE=cmake/arm-linux-gnueabihf.cmake.
# Targets link the flavour's modules through HOTSPOT_QT_CORE, HOTSPOT_QT_GUI, HOTSPOT_QT_WIDGETS,
# HOTSPOT_QT_NETWORK and HOTSPOT_QT_TEST.

option(HOTSPOT_QT4 "Build against Qt 4.8 for Embedded Linux, the telephone's Qt" OFF)

if(NOT HOTSPOT_QT4)
    find_package(Qt5 5.15 REQUIRED COMPONENTS Core Gui Widgets Network Test LinguistTools)
    set(HOTSPOT_QT_CORE Qt5::Core)
    set(HOTSPOT_QT_GUI Qt5::Gui)
    set(HOTSPOT_QT_WIDGETS Qt5::Widgets)
    set(HOTSPOT_QT_NETWORK Qt5::Network)
    set(HOTSPOT_QT_TEST Qt5::Test)
    return()
endif()

find_package(Qt4 4.8 REQUIRED QtCore QtGui QtNetwork QtTest)
if(NOT Q_WS_QWS)
    message(FATAL_ERROR "${QT_QMAKE_EXECUTABLE} is not Qt for Embedded Linux (QWS)")
endif()
# Qt 4 has no QtWidgets: its widgets live in QtGui.
set(HOTSPOT_QT_CORE Qt4::QtCore)
set(HOTSPOT_QT_GUI Qt4::QtGui)
set(HOTSPOT_QT_WIDGETS Qt4::QtGui)
set(HOTSPOT_QT_NETWORK Qt4::QtNetwork)
set(HOTSPOT_QT_TEST Qt4::QtTest)

# The telephone's compiler is of the GCC 4 line: C++11 at most.
set(CMAKE_CXX_STANDARD 11)
# Every file sees the compatibility header first. Qt 4's foreach, which GCC 9 and later
# miscompile, is kept out by the no_foreach test instead.
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${CMAKE_SOURCE_DIR}/platform/qtcompat.h>")

# Each test is its own QWS server on a VNC screen held in memory; tests running at the same time,
# also from other build folders, need distinct display numbers (and so TCP ports 5900 + number).
set(HOTSPOT_QWS_DISPLAY_BASE 40 CACHE STRING "First QWS display number of the Qt 4.8 tests")

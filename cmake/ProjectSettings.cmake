# Compiler settings shared by every target of the project.

option(HOTSPOT_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_compile_options(-Wall -Wextra -Wnon-virtual-dtor -Woverloaded-virtual)
add_compile_definitions(
    QT_NO_FOREACH
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_USE_QSTRINGBUILDER
    QT_DISABLE_DEPRECATED_BEFORE=0x050F00)

if(HOTSPOT_SANITIZE)
    set(_sanitize -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${_sanitize})
    add_link_options(${_sanitize})
endif()

# Libraries refuse undefined symbols at link time rather than at load time on a device.
set(HOTSPOT_NO_UNDEFINED "LINKER:--no-undefined")

# hotspot_set_qws_display(<test>)
# Runs a Qt 4.8 test as its own QWS server on a VNC screen held in memory, with a display number
# (and so TCP port 5900 + number) that no other test of the build uses.
function(hotspot_set_qws_display test)
    get_property(display GLOBAL PROPERTY HOTSPOT_QWS_NEXT_DISPLAY)
    if(NOT display)
        set(display ${HOTSPOT_QWS_DISPLAY_BASE})
    endif()
    math(EXPR next "${display} + 1")
    set_property(GLOBAL PROPERTY HOTSPOT_QWS_NEXT_DISPLAY ${next})
    set_tests_properties(${test} PROPERTIES
        TIMEOUT 120
        ENVIRONMENT "QWS_DISPLAY=VNC:size=480x272:depth=32:noDisablePainting:${display}")
endfunction()

# hotspot_add_test(<name> SOURCES <files...> [LIBS <targets...>])
# One QtTest executable per unit, run headless: on Qt 5's offscreen platform, or under Qt 4.8
# as its own QWS server on a VNC screen in memory, with a display number of its own.
function(hotspot_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${HOTSPOT_QT_TEST} ${ARG_LIBS})
    if(HOTSPOT_QT4)
        # Qt 4's QTEST_MAIN always makes a QApplication. Tests are host code: C++17, and what
        # they use of Qt 5 comes from one compatibility header (and its <QTemporaryDir>).
        target_link_libraries(${name} PRIVATE ${HOTSPOT_QT_GUI})
        set_target_properties(${name} PROPERTIES CXX_STANDARD 17)
        # Qt 4's QCOMPARE compares values of one type only, never a string builder.
        target_compile_options(${name} PRIVATE -UQT_USE_QSTRINGBUILDER)
        target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/qt4)
        target_compile_options(${name} PRIVATE
            "SHELL:-include ${PROJECT_SOURCE_DIR}/tests/support/testcompat.h")
        add_test(NAME ${name} COMMAND ${name} -qws)
        hotspot_set_qws_display(${name})
        return()
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 120
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# hotspot_add_generated_resource(<target> NAME <name> PREFIX <prefix> FILES <files...>
#                                [RCC_OPTIONS <options...>])
# Compiles files that the build itself produces (translations, generated images) into a Qt
# resource of <target>. The files are addressed by their file names under <prefix>. RCC_OPTIONS
# are those of the flavour's rcc (Qt 4's take one dash).
function(hotspot_add_generated_resource target)
    cmake_parse_arguments(ARG "" "NAME;PREFIX" "FILES;RCC_OPTIONS" ${ARGN})
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}.qrc)
    set(cpp ${CMAKE_CURRENT_BINARY_DIR}/qrc_${ARG_NAME}.cpp)
    set(entries "")
    foreach(file IN LISTS ARG_FILES)
        get_filename_component(alias ${file} NAME)
        string(APPEND entries "    <file alias=\"${alias}\">${file}</file>\n")
    endforeach()
    file(GENERATE OUTPUT ${qrc} CONTENT
        "<RCC>\n  <qresource prefix=\"${ARG_PREFIX}\">\n${entries}  </qresource>\n</RCC>\n")
    if(HOTSPOT_QT4)
        set(rcc Qt4::rcc -name ${ARG_NAME} ${ARG_RCC_OPTIONS} -o ${cpp})
    else()
        set(rcc Qt5::rcc --name ${ARG_NAME} ${ARG_RCC_OPTIONS} --output ${cpp})
    endif()
    add_custom_command(OUTPUT ${cpp}
        COMMAND ${rcc} ${qrc}
        DEPENDS ${qrc} ${ARG_FILES}
        COMMENT "Compiling resource ${ARG_NAME}"
        VERBATIM)
    set_source_files_properties(${cpp} PROPERTIES SKIP_AUTOGEN ON GENERATED ON)
    target_sources(${target} PRIVATE ${cpp})
endfunction()

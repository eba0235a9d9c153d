# Checks the plug-in library's exported entry points and its verification section.
find_program(NM nm REQUIRED)
find_program(OBJCOPY objcopy REQUIRED)

execute_process(COMMAND ${NM} -D --defined-only ${PLUGIN}
    OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "nm failed on ${PLUGIN}")
endif()
foreach(symbol qt_plugin_instance qt_plugin_query_verification_data)
    if(NOT symbols MATCHES "[0-9a-f]+ T ${symbol}\n")
        message(FATAL_ERROR "${symbol} is not exported by ${PLUGIN}")
    endif()
endforeach()

get_filename_component(section_file ${PLUGIN} NAME)
set(section_file ${CMAKE_CURRENT_BINARY_DIR}/${section_file}.qtplugin)
execute_process(COMMAND ${OBJCOPY} -O binary --only-section=.qtplugin ${PLUGIN} ${section_file}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the library has no .qtplugin section")
endif()
file(READ ${section_file} section HEX)
string(JOIN "\n" expected
    "pattern=QT_PLUGIN_VERIFICATION_DATA" "version=4.8.2" "debug=false"
    "buildkey=arm linux g++-4 no-pkg-config")
string(HEX "${expected}" expected_hex)
if(NOT section STREQUAL "${expected_hex}00")
    message(FATAL_ERROR "the .qtplugin section holds ${section}, expected ${expected_hex}00")
endif()
file(REMOVE ${section_file})

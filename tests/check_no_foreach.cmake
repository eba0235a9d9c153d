# Fails when a C++ source of the product or its tests uses foreach or Q_FOREACH: Qt 4's macro
# runs every body only once when built with GCC 9 or later, silently.
file(GLOB_RECURSE sources
    ${ROOT}/platform/*.cpp ${ROOT}/platform/*.h ${ROOT}/widgets/*.cpp ${ROOT}/widgets/*.h
    ${ROOT}/settings_hotspot/*.cpp ${ROOT}/settings_hotspot/*.h
    ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h)
set(uses "")
foreach(source IN LISTS sources)
    file(STRINGS ${source} lines REGEX "(^|[^A-Za-z0-9_])(Q_FOREACH|foreach)[ \t]*\\(")
    if(lines)
        list(APPEND uses "${source}: ${lines}")
    endif()
endforeach()
if(uses)
    list(JOIN uses "\n" uses)
    message(FATAL_ERROR "foreach is used (write a range-based for):\n${uses}")
endif()

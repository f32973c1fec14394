# kanmeri_add_layer(NAME SOURCES... [DEPENDS libs...])
# One static library per layer; every layer includes from the project root
# ("model/window.h") and links its lower layers PRIVATE, so a layer only sees
# what it links.
function(kanmeri_add_layer name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PUBLIC_DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PRIVATE -Wall -Wextra -Wpedantic)
    if(ARG_DEPENDS)
        target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
    endif()
    if(ARG_PUBLIC_DEPENDS)
        target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_DEPENDS})
    endif()
endfunction()

# kanmeri_add_test(NAME SOURCES... [LIBS libs...] [DISPLAY] [NOMAIN])
# A GoogleTest executable registered with CTest. DISPLAY marks tests that
# open real windows; they get the "display" label and run under the X server
# that the test command provides. NOMAIN leaves out gtest_main, for tests that
# bring their own main (one that creates the toolkit's application object).
function(kanmeri_add_test name)
    if(NOT KANMERI_BUILD_TESTS)
        return()
    endif()
    cmake_parse_arguments(ARG "DISPLAY;NOMAIN" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE -Wall -Wextra)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest)
    if(NOT ARG_NOMAIN)
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    if(ARG_DISPLAY)
        set(labels display)
    else()
        set(labels unit)
    endif()
    gtest_discover_tests(${name} PROPERTIES LABELS ${labels} DISCOVERY_TIMEOUT 60)
endfunction()

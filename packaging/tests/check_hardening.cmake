# Checks that kanmeri is built with the distribution's hardening, in three
# builds:
#   package  the program of the Debian package in DEB_DIR (build_deb.sh), and
#            the compile commands of its package build;
#   default  the program that scripts/run builds (the default preset), which
#            this check builds or brings up to date first, from SOURCE_DIR;
#   this     with THIS_BUILD_PROGRAMS (comma-separated, may be empty): those
#            programs and the compile commands of THIS_BUILD_DIR.
# hardening-check must report yes for a position-independent executable, a
# stack protector, read-only relocations and immediate binding. Every compile
# command must define _FORTIFY_SOURCE exactly once and carry
# -fstack-clash-protection and -fcf-protection: on Debian 12 hardening-check
# cannot confirm those three for every program, so they are read from the
# commands.
find_program(HARDENING_CHECK hardening-check)
if(NOT HARDENING_CHECK)
    message("SKIPPED: hardening-check is not installed (package devscripts)")
    return()
endif()
find_program(DPKG_DEB dpkg-deb REQUIRED)

# Each check appends what it finds wrong to `failures`, reported at the end.
set(failures "")

# hardening-check's verdicts that must be yes.
set(verdicts
    "Position Independent Executable"
    "Stack protected"
    "Read-only relocations"
    "Immediate binding")

function(check_program build program)
    if(NOT EXISTS "${program}")
        set(failures "${failures};${build}: ${program} does not exist" PARENT_SCOPE)
        return()
    endif()
    execute_process(COMMAND ${HARDENING_CHECK} --verbose ${program}
        OUTPUT_VARIABLE report ERROR_VARIABLE report)
    message(STATUS "${build}: ${report}")
    foreach(verdict IN LISTS verdicts)
        if(NOT report MATCHES "\n ${verdict}: yes")
            list(APPEND failures "${build}: ${program}: '${verdict}' is not yes")
        endif()
    endforeach()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

function(check_compile_commands build file)
    if(NOT EXISTS "${file}")
        set(failures "${failures};${build}: no ${file}" PARENT_SCOPE)
        return()
    endif()
    file(READ "${file}" json)
    string(JSON count LENGTH "${json}")
    set(lacking "")
    set(checked 0)
    set(saw_main FALSE)
    math(EXPR last "${count} - 1")
    foreach(index RANGE ${last})
        string(JSON command GET "${json}" ${index} command)
        string(JSON source GET "${json}" ${index} file)
        # The fuzz targets' own clang build is not one of ours.
        if(source MATCHES "/fuzz/")
            continue()
        endif()
        math(EXPR checked "${checked} + 1")
        if(source MATCHES "/app/main\\.cpp$")
            set(saw_main TRUE)
        endif()
        string(REGEX MATCHALL "-D_FORTIFY_SOURCE=[0-9]+" fortify " ${command} ")
        list(LENGTH fortify fortify_count)
        set(missing "")
        if(NOT fortify_count EQUAL 1)
            list(APPEND missing "-D_FORTIFY_SOURCE defined ${fortify_count} times")
        endif()
        foreach(flag -fstack-clash-protection -fcf-protection)
            if(NOT " ${command} " MATCHES " ${flag} ")
                list(APPEND missing ${flag})
            endif()
        endforeach()
        if(missing)
            list(JOIN missing ", " missing)
            list(APPEND lacking "${source} (${missing})")
        endif()
    endforeach()
    if(NOT saw_main)
        list(APPEND failures "${build}: ${file} has no command for app/main.cpp")
    endif()
    if(lacking)
        list(LENGTH lacking bad)
        list(JOIN lacking "\n  " lacking)
        list(APPEND failures "${build}: ${bad} of ${checked} compile commands lack:\n  ${lacking}")
    else()
        message(STATUS "${build}: all ${checked} compile commands of ${file} are hardened")
    endif()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

# The package.
file(GLOB packages ${DEB_DIR}/kanmeri_*.deb)
file(GLOB trees ${DEB_DIR}/kanmeri/obj-*)
list(LENGTH packages package_count)
if(NOT package_count EQUAL 1)
    message(FATAL_ERROR "expected one kanmeri_*.deb in ${DEB_DIR}, found: ${packages}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/package)
execute_process(COMMAND ${DPKG_DEB} -x ${packages} ${WORK_DIR}/package RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -x ${packages} failed")
endif()
check_program(package ${WORK_DIR}/package/usr/bin/kanmeri)
if(trees)
    list(GET trees 0 tree)
    check_compile_commands(package ${tree}/compile_commands.json)
else()
    list(APPEND failures "package: no package build tree ${DEB_DIR}/kanmeri/obj-*")
endif()

# The default preset, as scripts/run builds it.
foreach(step "--preset;default" "--build;--preset;default;-j2")
    execute_process(COMMAND ${CMAKE_COMMAND} ${step} WORKING_DIRECTORY ${SOURCE_DIR}
        RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "cmake ${step} failed in ${SOURCE_DIR}:\n${log}")
    endif()
endforeach()
check_program(default ${SOURCE_DIR}/build/default/app/kanmeri)
check_compile_commands(default ${SOURCE_DIR}/build/default/compile_commands.json)

# This build tree.
if(THIS_BUILD_PROGRAMS)
    string(REPLACE "," ";" programs "${THIS_BUILD_PROGRAMS}")
    foreach(program IN LISTS programs)
        check_program(this ${program})
    endforeach()
    check_compile_commands(this ${THIS_BUILD_DIR}/compile_commands.json)
endif()

if(failures)
    list(JOIN failures "\n" failures)
    message(FATAL_ERROR "not hardened:\n${failures}")
endif()

# Builds the Debian package with CPack from CONFIG into WORK_DIR and runs
# lintian on it; any error (E:) or warning (W:) fails. Informational tags
# (I:) and lintian's own notes are shown but pass. Where lintian is not
# installed it prints "SKIPPED: lintian is not installed" and passes, which
# the test's SKIP_REGULAR_EXPRESSION turns into a skip.
find_program(LINTIAN lintian)
if(NOT LINTIAN)
    message("SKIPPED: lintian is not installed")
    return()
endif()

include(${CMAKE_CURRENT_LIST_DIR}/make_deb.cmake)

foreach(package IN LISTS packages)
    # --fail-on none: the verdict is ours, from the tags below.
    execute_process(
        COMMAND ${LINTIAN} --fail-on none --display-info ${package}
        RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE notes)
    message(STATUS "lintian ${package}:\n${report}${notes}")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lintian could not check ${package} (${result})")
    endif()
    string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*" bad "${report}")
    if(bad)
        list(LENGTH bad count)
        message(FATAL_ERROR "lintian: ${count} error(s) or warning(s) for ${package}")
    endif()
endforeach()

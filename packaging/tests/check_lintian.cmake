# Runs lintian with informational tags (-I) on the Debian packages and the
# source package that build_deb.sh made in DEB_DIR. Any error (E:) or warning
# (W:) fails, and so does any hardening tag (hardening-no-*), whatever its
# severity. Other informational tags (I:) and lintian's own notes are shown
# but pass. Where lintian is not installed it prints "SKIPPED: lintian is not
# installed" and passes, which the test's SKIP_REGULAR_EXPRESSION turns into
# a skip.
find_program(LINTIAN lintian)
if(NOT LINTIAN)
    message("SKIPPED: lintian is not installed")
    return()
endif()

file(GLOB packages ${DEB_DIR}/*.deb ${DEB_DIR}/*.dsc)
if(NOT packages)
    message(FATAL_ERROR "no package in ${DEB_DIR}")
endif()

set(bad_count 0)
foreach(package IN LISTS packages)
    # --fail-on none: the verdict is ours, from the tags below.
    execute_process(
        COMMAND ${LINTIAN} --fail-on none --display-info ${package}
        RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE notes)
    message(STATUS "lintian ${package}:\n${report}${notes}")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lintian could not check ${package} (${result})")
    endif()
    string(REGEX MATCHALL "(^|\n)([EW]: |[A-Z]: [^\n]* hardening-no-)[^\n]*" bad "${report}")
    list(LENGTH bad count)
    math(EXPR bad_count "${bad_count} + ${count}")
endforeach()
if(bad_count GREATER 0)
    message(FATAL_ERROR "lintian: ${bad_count} error(s), warning(s) or hardening tag(s)")
endif()

# Included by the package checks: builds the Debian package with CPack from
# CONFIG into a fresh WORK_DIR and sets `packages` to the .deb files made.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(
    COMMAND ${CPACK} --config ${CONFIG} -G DEB -B ${WORK_DIR}
    RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB packages ${WORK_DIR}/*.deb)
if(NOT result EQUAL 0 OR NOT packages)
    message(FATAL_ERROR "cpack made no package (${result}):\n${log}")
endif()

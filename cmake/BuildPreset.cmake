# Configures and builds one configure preset of this tree, two jobs at a time.
# Run with: cmake -DSOURCE_DIR=<source dir> -P BuildPreset.cmake <preset>
math(EXPR last "${CMAKE_ARGC} - 1")
set(preset "${CMAKE_ARGV${last}}")
foreach(step IN ITEMS "--preset;${preset}" "--build;--preset;${preset};-j2")
    execute_process(COMMAND ${CMAKE_COMMAND} ${step}
                    WORKING_DIRECTORY ${SOURCE_DIR}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "cmake ${step}: ${result}")
    endif()
endforeach()

# Fails when a layer includes what it must not: the model, the features and
# the window designs are toolkit-free, and the entry only wires (no Qt
# Widgets). Run with: cmake -DROOT=<source dir> -P CheckLayering.cmake
set(rules
    "model|#include[ \t]*[<\"](Q|qt)"
    "features|#include[ \t]*[<\"](Q|qt)"
    "windows|#include[ \t]*[<\"](Q|qt)"
    "app|#include[ \t]*[<\"](QtWidgets|QApplication|QWidget|QMainWindow|QMessageBox)")
set(failed FALSE)
foreach(rule IN LISTS rules)
    string(REPLACE "|" ";" parts "${rule}")
    list(GET parts 0 layer)
    list(SUBLIST parts 1 -1 pattern_parts)
    list(JOIN pattern_parts "|" pattern)
    file(GLOB_RECURSE files "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.cpp")
    foreach(file IN LISTS files)
        file(STRINGS "${file}" hits REGEX "${pattern}")
        if(hits)
            message(SEND_ERROR "${file}: ${hits}")
            set(failed TRUE)
        endif()
    endforeach()
endforeach()
if(NOT failed)
    message(STATUS "layering holds")
endif()

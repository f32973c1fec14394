# Installs the build tree BUILD_DIR with prefix /usr under WORK_DIR (as DESTDIR)
# and checks that every desktop integration file lands where desktops look
# for it, and nothing lands outside the prefix.
file(REMOVE_RECURSE ${WORK_DIR})
set(ENV{DESTDIR} ${WORK_DIR})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${log}")
endif()

set(expected
    usr/share/applications/io.github.kanmeri.desktop
    usr/share/metainfo/io.github.kanmeri.metainfo.xml
    usr/share/man/man1/kanmeri.1
    usr/share/man/ja/man1/kanmeri.1)
foreach(side 16 32 48 128 256)
    list(APPEND expected usr/share/icons/hicolor/${side}x${side}/apps/io.github.kanmeri.png)
endforeach()
if(EXPECT_PROGRAM)
    list(APPEND expected usr/bin/kanmeri)
endif()

set(missing "")
foreach(path IN LISTS expected)
    if(NOT EXISTS ${WORK_DIR}/${path})
        list(APPEND missing ${path})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "not installed: ${missing}")
endif()

file(GLOB_RECURSE installed RELATIVE ${WORK_DIR} ${WORK_DIR}/*)
foreach(path IN LISTS installed)
    if(NOT path MATCHES "^usr/")
        message(FATAL_ERROR "installed outside the prefix: ${path}")
    endif()
endforeach()

if(EXPECT_PROGRAM)
    execute_process(COMMAND test -x ${WORK_DIR}/usr/bin/kanmeri RESULT_VARIABLE not_executable)
    if(not_executable)
        message(FATAL_ERROR "usr/bin/kanmeri is not executable")
    endif()
endif()
list(LENGTH installed count)
message(STATUS "${count} files installed under ${WORK_DIR}")

# Builds the Debian package with CPack from CONFIG into WORK_DIR and checks
# its control fields and the desktop files, changelog and manual pages it
# carries.
find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG_DEB)
    message(FATAL_ERROR "dpkg-deb is not installed")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/make_deb.cmake)
list(GET packages 0 package)

function(field name out)
    execute_process(COMMAND ${DPKG_DEB} --field ${package} ${name}
        OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

field(Package name)
field(Version version)
field(Depends depends)
if(NOT name STREQUAL "kanmeri" OR NOT version STREQUAL "${VERSION}")
    message(FATAL_ERROR "package is '${name}' version '${version}'")
endif()
# libcanberra0 is opened at run time, so shlibdeps cannot find it.
set(needed fonts-ipafont-gothic qt6-qpa-plugins libcanberra0)
if(EXPECT_PROGRAM)
    list(APPEND needed libqt6widgets6 libqt6core6)
endif()
foreach(dependency IN LISTS needed)
    if(NOT depends MATCHES "(^|, )${dependency}( |,|$)")
        message(FATAL_ERROR "Depends lacks ${dependency}: ${depends}")
    endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} --contents ${package} OUTPUT_VARIABLE contents)
set(carried ./usr/share/applications/io.github.kanmeri.desktop
    ./usr/share/metainfo/io.github.kanmeri.metainfo.xml
    ./usr/share/icons/hicolor/256x256/apps/io.github.kanmeri.png
    ./usr/share/doc/kanmeri/copyright
    ./usr/share/doc/kanmeri/changelog.gz
    ./usr/share/man/man1/kanmeri.1.gz
    ./usr/share/man/ja/man1/kanmeri.1.gz)
if(EXPECT_PROGRAM)
    list(APPEND carried ./usr/bin/kanmeri)
endif()
foreach(path IN LISTS carried)
    string(FIND "${contents}" " ${path}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "package lacks ${path}:\n${contents}")
    endif()
endforeach()
message(STATUS "${package}: Depends: ${depends}")

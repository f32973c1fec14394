# Checks the Debian packages that build_deb.sh made in DEB_DIR: the program's
# package carries the program, the desktop files, the changelog and both
# manual pages, and depends on what the program loads at run time, which
# dpkg-shlibdeps cannot see; its debug symbols come in their own package.
find_program(DPKG_DEB dpkg-deb REQUIRED)

file(GLOB package ${DEB_DIR}/kanmeri_${VERSION}_*.deb)
file(GLOB symbols ${DEB_DIR}/kanmeri-dbgsym_${VERSION}_*.deb)
foreach(found package symbols)
    list(LENGTH ${found} count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "expected one ${found} package of version ${VERSION} in ${DEB_DIR}")
    endif()
endforeach()

function(field name out)
    execute_process(COMMAND ${DPKG_DEB} --field ${package} ${name}
        OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

field(Package name)
if(NOT name STREQUAL "kanmeri")
    message(FATAL_ERROR "package is '${name}'")
endif()

# field: the packages it must name. The libraries come from dpkg-shlibdeps;
# the font, the platform plugins, the sound theme and the Wayland plugin are
# only loaded at run time.
set(relations
    "Depends=libqt6widgets6,libqt6core6,libcanberra0,fonts-ipafont-gothic,qt6-qpa-plugins"
    "Recommends=sound-theme-freedesktop,qt6-wayland")
foreach(relation IN LISTS relations)
    string(REPLACE "=" ";" relation "${relation}")
    list(GET relation 0 relation_field)
    list(GET relation 1 wanted)
    string(REPLACE "," ";" wanted "${wanted}")
    field(${relation_field} value)
    foreach(dependency IN LISTS wanted)
        if(NOT value MATCHES "(^|, )${dependency}( |,|$)")
            message(FATAL_ERROR "${relation_field} lacks ${dependency}: ${value}")
        endif()
    endforeach()
    message(STATUS "${relation_field}: ${value}")
endforeach()

execute_process(COMMAND ${DPKG_DEB} --contents ${package} OUTPUT_VARIABLE contents)
set(carried ./usr/bin/kanmeri
    ./usr/share/applications/io.github.kanmeri.desktop
    ./usr/share/metainfo/io.github.kanmeri.metainfo.xml
    ./usr/share/icons/hicolor/256x256/apps/io.github.kanmeri.png
    ./usr/share/doc/kanmeri/copyright
    ./usr/share/doc/kanmeri/changelog.gz
    ./usr/share/man/man1/kanmeri.1.gz
    ./usr/share/man/ja/man1/kanmeri.1.gz)
foreach(path IN LISTS carried)
    string(FIND "${contents}" " ${path}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "package lacks ${path}:\n${contents}")
    endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} --contents ${symbols} OUTPUT_VARIABLE contents)
if(NOT contents MATCHES " \\./usr/lib/debug/\\.build-id/[0-9a-f][0-9a-f]/[0-9a-f]+\\.debug\n")
    message(FATAL_ERROR "${symbols} carries no debug symbols:\n${contents}")
endif()
message(STATUS "${package} and ${symbols} carry what they should")

# The hardening that Debian builds its packages with (dpkg-buildflags with
# hardening=+all), for every target of this tree: a stack protector on
# functions with arrays or addresses taken, checked string and memory calls
# (_FORTIFY_SOURCE, which needs optimisation), probes that keep a large stack
# allocation from jumping the guard page, Intel CET branch markers, read-only
# relocations bound at load, and position-independent executables.
#
# Debian 12's dpkg-buildflags leaves out stack-clash protection and CET, so
# they are added here for the package build too. A flag that the build's own
# CMAKE_CXX_FLAGS or LDFLAGS (the package build's, from dpkg-buildflags)
# already carries is not added twice.
#
# KANMERI_HARDENING=OFF leaves all of it out (the sanitizer build, whose
# instrumentation does its own checking).
option(KANMERI_HARDENING "Build with the distribution's hardening flags" ON)
if(NOT KANMERI_HARDENING)
    return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

set(kanmeri_flags_given " ${CMAKE_CXX_FLAGS} ")
foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection)
    if(NOT kanmeri_flags_given MATCHES " ${flag} ")
        add_compile_options(${flag})
    endif()
endforeach()

# _FORTIFY_SOURCE does nothing without optimisation, and glibc warns about
# it there; a definition given already (dpkg-buildflags' CPPFLAGS) stands.
if(NOT kanmeri_flags_given MATCHES "_FORTIFY_SOURCE")
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
endif()

set(kanmeri_link_given " ${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_SHARED_LINKER_FLAGS} ")
string(REPLACE "-Wl," " " kanmeri_link_given "${kanmeri_link_given}")
string(REPLACE "," " " kanmeri_link_given "${kanmeri_link_given}")
if(NOT kanmeri_link_given MATCHES "-z relro")
    add_link_options(LINKER:-z,relro)
endif()
if(NOT kanmeri_link_given MATCHES "-z now")
    add_link_options(LINKER:-z,now)
endif()
unset(kanmeri_flags_given)
unset(kanmeri_link_given)

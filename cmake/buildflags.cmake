# Debian's hardening flags, as dpkg-buildflags gives them with every hardening feature on:
# fortified C library calls, a protected stack, relocations made read-only and bound at start.
# Its optimisation, debug and path-mapping flags are left out: the build type sets the first
# two, and a path in the flags would keep worktrees from sharing the compiler cache. So is
# -Wdate-time: the about box's credits tell when the add-in was built, on purpose.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(g|O.*|ffile-prefix-map=.*|fdebug-prefix-map=.*|Wdate-time)$")
        foreach(flag IN LISTS flags)
            if(kind STREQUAL LDFLAGS)
                add_link_options(${flag})
            elseif(flag MATCHES "^-D_FORTIFY_SOURCE")
                # The C library warns about fortifying without optimisation.
                add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
            else()
                add_compile_options(${flag})
            endif()
        endforeach()
    endforeach()
endif()

# What "cmake --install" and the package put where. Included after every subsystem, so that the
# rules see each target that exists:
#   bin/                     vbhost, helpview, and the link tolvar -> ../lib/tolvar/tolvar
#   lib/tolvar/              the add-in folder: tolvar with every support file built beside it
#   share/tolvar/examples/   the demo project
#   share/doc/tolvar/        the README and its pictures
#   share/applications, share/icons/hicolor, share/mime/packages: vbhost on the desktop
include(GNUInstallDirs)

foreach(program vbhost helpview)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

# The add-in folder as the build leaves it: whatever support files the subsystems put there
# (help file, library, templates...) go along without a rule of their own. The add-in's own
# scratch files never do.
set(TOLVAR_INSTALL_ADDIN_DIR lib/tolvar)
if(TARGET tolvar)
    install(TARGETS tolvar RUNTIME DESTINATION ${TOLVAR_INSTALL_ADDIN_DIR})
    # A plain pattern "tolvar" would also match the folder itself.
    install(DIRECTORY ${TOLVAR_ADDIN_DIR}/ DESTINATION ${TOLVAR_INSTALL_ADDIN_DIR}
        USE_SOURCE_PERMISSIONS
        REGEX "/lib/tolvar/(tolvar|temp\\.MOD|[^/]*\\.lock)$" EXCLUDE)
    # A relative link, so that the tree can be moved or packaged as it is.
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tolvar\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(REMOVE \"\${link}\")
        message(STATUS \"Installing: \${link}\")
        file(CREATE_LINK ../${TOLVAR_INSTALL_ADDIN_DIR}/tolvar \"\${link}\" SYMBOLIC)")
endif()

install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/Demo DESTINATION ${CMAKE_INSTALL_DATADIR}/tolvar/examples)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolvar)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolvar
    FILES_MATCHING PATTERN *.png)

if(EXISTS ${CMAKE_SOURCE_DIR}/desktop/CMakeLists.txt)
    add_subdirectory(${CMAKE_SOURCE_DIR}/desktop ${CMAKE_BINARY_DIR}/desktop)
endif()

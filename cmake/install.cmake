# What "cmake --install" and the package put where. Included after every subsystem, whose
# targets it names:
#   bin/                     vbhost, helpview, and the link tolvar -> ../lib/tolvar/tolvar
#   lib/tolvar/              the add-in folder: tolvar with every support file built beside it
#   share/tolvar/examples/   the demo project
#   share/doc/tolvar/        the README and its pictures
#   share/applications, share/icons/hicolor, share/mime/packages: vbhost on the desktop
include(GNUInstallDirs)

install(TARGETS vbhost helpview RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The add-in folder as the build leaves it: whatever support files the subsystems put there
# (help file, library, templates...) go along without a rule of their own. The add-in's own
# scratch files never do.
set(TOLVAR_INSTALL_ADDIN_DIR lib/tolvar)
install(TARGETS tolvar RUNTIME DESTINATION ${TOLVAR_INSTALL_ADDIN_DIR})
# The libraries the add-in opens at run time, found beside it wherever it was started from.
install(TARGETS tolvar_server tolvar_browser_module
    LIBRARY DESTINATION ${TOLVAR_INSTALL_ADDIN_DIR}/modules)
# A plain pattern "tolvar" would also match the folder itself.
install(DIRECTORY ${TOLVAR_ADDIN_DIR}/ DESTINATION ${TOLVAR_INSTALL_ADDIN_DIR}
    USE_SOURCE_PERMISSIONS
    REGEX "/lib/tolvar/(tolvar|modules|temp\\.MOD|[^/]*\\.lock)$" EXCLUDE)
# A relative link, so that the tree can be moved or packaged as it is.
install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tolvar\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(REMOVE \"\${link}\")
    message(STATUS \"Installing: \${link}\")
    file(CREATE_LINK ../${TOLVAR_INSTALL_ADDIN_DIR}/tolvar \"\${link}\" SYMBOLIC)")

install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/Demo DESTINATION ${CMAKE_INSTALL_DATADIR}/tolvar/examples)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolvar)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolvar
    FILES_MATCHING PATTERN *.png PATTERN man EXCLUDE)

# Manual pages, copyright and changelog (docs/CMakeLists.txt).
add_subdirectory(${CMAKE_SOURCE_DIR}/docs ${CMAKE_BINARY_DIR}/docs)

# The desktop entry, icons, file types and the metadata (desktop/CMakeLists.txt).
add_subdirectory(${CMAKE_SOURCE_DIR}/desktop ${CMAKE_BINARY_DIR}/desktop)

# The Debian package: "cpack -G DEB" in the build folder. Its dependencies come from the
# binaries, plus the Qt plugins they load at run time (platforms, SQLite), which no binary
# names.
set(CPACK_PACKAGE_NAME tolvar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vantix Software")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Productivity add-in for the Visual Basic 4.0 development environment")
# CPack puts a blank before each line of the description (and turns "." into a blank line's " ."),
# so each is kept under 80 columns as Debian wants.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tolvar is a productivity add-in for the Visual Basic 4.0 development"
    "environment: a tool window that aligns and sizes controls, adds menus to"
    "forms, composes message and input box statements, and keeps a library of"
    "subroutines and form templates."
    "."
    "The package holds vbhost, an environment that opens real Visual Basic 4"
    "projects and hosts the add-in, and helpview, its help viewer.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tolvar developers <tolvar@vantix.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vantix.example/tolvar/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6sql6-sqlite, fontconfig, fonts-liberation2, fonts-wqy-microhei")
include(CPack)

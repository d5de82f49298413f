# Installs Morvi as a desktop program and packs it as a Debian package (`cpack -G DEB`).
# A tree without the program (only its libraries) has nothing to install.
if(NOT TARGET morvi)
    return()
endif()

# The program reads menu.txt from its own directory, so the executable and the list share one
# private directory; bin/ holds a relative symlink, which Qt resolves to that directory.
set(MORVI_INSTALL_PROGRAM_DIR lib/morvi)
set(MORVI_PROGRAMS morvi morvi-menu)
install(TARGETS ${MORVI_PROGRAMS} RUNTIME DESTINATION ${MORVI_INSTALL_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/menu.txt DESTINATION ${MORVI_INSTALL_PROGRAM_DIR})

# bin/<name> -> the program of that name in the private directory.
function(morvi_install_bin_link name)
    file(RELATIVE_PATH link_target
        /${CMAKE_INSTALL_BINDIR} /${MORVI_INSTALL_PROGRAM_DIR}/${name})
    install(CODE "
        set(bin_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(MAKE_DIRECTORY \"\${bin_dir}\")
        message(STATUS \"Installing: \${bin_dir}/${name} -> ${link_target}\")
        file(CREATE_LINK \"${link_target}\" \"\${bin_dir}/${name}\" SYMBOLIC)
    ")
endfunction()
morvi_install_bin_link(morvi)
# The food-list checker beside it, so its default file is the one morvi reads.
morvi_install_bin_link(morvi-menu)

# The entry of the desktop's application menu and its icon.
install(FILES ${PROJECT_SOURCE_DIR}/data/morvi.desktop
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/morvi.png
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/32x32/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/morvi.svg
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
# What software centres show: summary, description, screenshot.
install(FILES ${PROJECT_SOURCE_DIR}/data/org.example.morvi.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/docs/morvi.1 ${PROJECT_SOURCE_DIR}/docs/morvi-menu.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Named after the package rather than the project (GNUInstallDirs would say doc/Morvi).
install(FILES ${PROJECT_SOURCE_DIR}/data/deb/copyright
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/morvi)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvi)
set(CPACK_PACKAGE_VENDOR "Morvi developers")
set(CPACK_PACKAGE_CONTACT "Morvi developers <morvi@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "adds up the food energy of a meal or a day")
set(CPACK_PACKAGE_DESCRIPTION [=[
Morvi is a small desktop program for Japanese users. Pick a food from the
list, type the grams eaten and press SET: Morvi works out the kilocalories,
lists the foods with the totals of kcal, grams and lines, and prints the list
on A4. The food list is the plain text file /etc/morvi/menu.txt, which an
upgrade leaves as the user edited it; the command morvi-menu checks such a
list line by line and converts one from UTF-8 or UTF-16.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision is the one the package's changelog names last, as dpkg-buildpackage takes it.
file(STRINGS ${PROJECT_SOURCE_DIR}/data/deb/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^morvi \\([^)]*-([^-)]+)\\) ")
    message(FATAL_ERROR "data/deb/changelog: no \"morvi (VERSION-REVISION) \" on its first line")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_1})
set_property(DIRECTORY APPEND
    PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/deb/changelog)
# What only the package holds is added to the staged tree by this script.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebPackageTree.cmake)
set(CPACK_MORVI_DEB_DIR ${PROJECT_SOURCE_DIR}/data/deb)
set(CPACK_MORVI_PROGRAM_DIR ${MORVI_INSTALL_PROGRAM_DIR})
set(CPACK_MORVI_PROGRAMS ${MORVI_PROGRAMS})
# The food list is a conffile: dpkg keeps the user's version on upgrade and removes it on purge.
# The maintainer scripts move a list edited where 1.0 kept it.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CPACK_MORVI_DEB_DIR}/conffiles
    ${CPACK_MORVI_DEB_DIR}/preinst
    ${CPACK_MORVI_DEB_DIR}/postinst
    ${CPACK_MORVI_DEB_DIR}/postrm)
# With the modes dpkg expects of them: scripts executable, the rest read-only.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# A package ships the program without its debugging symbols.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt and CUPS libraries come from the binaries' own links. Not linked but needed: the Japanese
# font for every text, and Qt's Japanese translation for the texts of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
# On a Wayland desktop Qt then draws natively, sharp at any scale; without it, through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)

# The package as a packager checks it, packed from this build's binaries. Not from a sanitized
# build: its binaries need the sanitizer runtimes and are not what a package ships.
if(BUILD_TESTING AND NOT MORVI_SANITIZE AND NOT MORVI_BUILD_FUZZERS)
    add_test(NAME package COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-package ${PROJECT_BINARY_DIR})
endif()

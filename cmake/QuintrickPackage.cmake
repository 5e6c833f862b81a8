# The Debian package: `cpack -G DEB` in the build tree. The libraries the binary links come from
# dpkg-shlibdeps; what Qt loads at run time (plugins, its Japanese catalogue) and the fonts are
# named here, since no linker sees them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintrick)
set(CPACK_PACKAGE_VENDOR Orvendel)
set(CPACK_PACKAGE_CONTACT "Quintrick developers <quintrick@orvendel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "five-handed Japanese trick-taking card game")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quintrick is a five-handed Japanese trick-taking card game: you play one seat\n\
against four computer characters at a table drawn in perspective. The holders\n\
of the joker and the trump ace form the related group and fight the other\n\
three for the sixteen picture cards. A match is ten games; its points become\n\
stones that conquer the provinces of a map of Japan.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quintrick.orvendel.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# SDL_mixer is loaded at the first sound, not linked: the shared-library scan cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-image-formats-plugins, libqt6sql6-sqlite, libsdl2-mixer-2.0-0, fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)

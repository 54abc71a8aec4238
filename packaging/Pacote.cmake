# The Debian package of usina, built by CPack from the install rules
# (./package.sh at the top of the tree runs it).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME usina)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Projeto usina")
set(CPACK_PACKAGE_CONTACT "Equipe do projeto usina <usina@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "power and cogeneration calculator for sugar and ethanol mills")
set(CPACK_PACKAGE_DESCRIPTION
"Calculates the power and cogeneration system of a sugar and ethanol mill
that burns its own bagasse: the boiler, the high- and medium-pressure
turbines, the turbines driving the feed pump and the mill, the condensate
pump, the expansion valve and the process steam, with water and steam
properties from a fundamental equation of state.

The package holds the Qt window (usina) and the command-line tool
(usina-calc) over the same calculation core.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/usina)
# Depends from the libraries the programs link to (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# Qt's own dialogues (file dialogues, printing) in Portuguese, as the window.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

# Only the binary package; no source archives.
set(CPACK_SOURCE_GENERATOR "")

include(CPack)

# The Debian package, made by `cpack -G DEB` in the build folder from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trelvix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TRELVIX_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TRELVIX_HOMEPAGE})

# The libraries come from dpkg-shlibdeps; the program carries the fonts it draws with in its
# resources, and the help documents embed theirs, so no font package is needed.  Qt's own Russian
# texts (the buttons and labels of the file and print dialogs) are recommended: without them those
# dialogs speak English.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "teaching simulator of forced oscillations of a ball on a spring")
file(READ description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)

include(CPack)

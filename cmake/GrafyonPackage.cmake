# The Debian package of `make package` (CPack DEB). Dependencies come from the binaries
# (dpkg-shlibdeps); the mime, desktop and icon caches are refreshed by the triggers that
# shared-mime-info, desktop-file-utils and the icon themes declare on their folders, so the
# package needs no maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME grafyon)
set(CPACK_PACKAGE_VENDOR Vantorelline)
set(CPACK_PACKAGE_VERSION
    ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_CONTACT "Grafyon developers <grafyon@vantorelline.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for recorded multi-channel measurement data")
# The summary above is the description's first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Grafyon opens recordings of many channels (MDF descriptions with their data
files, single-file MCF recordings and TARKO TKS files), shows them as curves in
stacked diagrams over one time axis, lets engineers read values with a cursor,
zoom, mark ranges, link and save recordings, and exports them into the file
formats of other analysis tools, also unattended from the command line.
.
The package holds the viewer, its libraries, and the shell tools grafyon-info,
grafyon-export, grafyon-snapshot, grafyon-save, grafyon-link and
grafyon-generate.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolbar icons are SVG drawings: without the SVG plugin they would be blank.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# The manual opens in the user's browser, mail goes through a mail transfer agent.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "default-mta | mail-transport-agent, cups-client")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
# Installed into a staging root with DESTDIR, so the settings file lands in /etc.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

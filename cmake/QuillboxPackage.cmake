# The Debian package: `cmake --build --preset release --target package` (or
# scripts/package.sh) makes build/release/quillbox_<version>_amd64.deb from the install rules.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillbox)
set(CPACK_PACKAGE_VENDOR "The Quillbox developers")
set(CPACK_PACKAGE_CONTACT "The Quillbox developers <quillbox@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop companion of a two-way pager")
# The long description, in lines of at most 80 columns as Debian wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quillbox downloads the messages held in a two-way pager attached to a serial"
  "port into folders on the computer, keeps the pager's address book, and"
  "exchanges that address book with other software as a tab-separated text file."
  ""
  "The package holds the desktop program with its menu entry and user help,"
  "quillbox-cli for scripts, and quillbox-pager-sim, a pager on a"
  "pseudo-terminal to try the program without one.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUILLBOX_HOMEPAGE})
# The libraries the programs link (Qt 6, the C++ runtime, and libfec0 for the device link's
# Reed-Solomon parity), with their versions, come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations give the standard dialogs' buttons in the program's language; without
# them those stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)

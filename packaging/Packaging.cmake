# The Debian package, built by CPack from the installation (scripts/package). Its
# dependencies come from the shared libraries the programs link (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tidecopy)
set(CPACK_PACKAGE_VENDOR "The Tidecopy developers")
set(CPACK_PACKAGE_CONTACT "The Tidecopy developers <developers@tidecopy.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# CPack indents the lines after the first; an empty line stands for a paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "back up or copy a folder into another one
Tidecopy backs up or copies the files of a source folder into a destination
folder. Two file-manager panes pick the folders; you choose what is copied
(everything, or only new and changed files), preview a run, run it and follow
it in an activity log. Jobs are saved as profiles that can run at start-up or,
through tidecopy-cli, from a terminal or a systemd user timer.

A run never destroys data it was not asked to replace: every file is written
beside its destination first and only then renamed over it.")
# Debian's own files in the package: copyright, changelog, compressed man pages.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianFiles.cmake)
set(TIDECOPY_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
include(CPack)

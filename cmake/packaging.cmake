# The Debian package: `cpack --preset package` or scripts/package.sh. It installs under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pellucor)
set(CPACK_PACKAGE_VENDOR "Pellucor developers")
set(CPACK_PACKAGE_CONTACT "Pellucor developers <pellucor@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching tool that shows how files get disk blocks")
set(CPACK_PACKAGE_DESCRIPTION [[
Pellucor is a desktop teaching tool for operating-systems courses. It shows
how a file system hands out disk blocks to files, on a simulated disk of 64
blocks drawn as an eight by eight grid: a free block is white, a used block
takes the colour of the file it belongs to, and every file is listed in a
directory beside the disk.

Each allocation method has its own screen: contiguous, linked, and indexed
allocation with a linked or a multilevel index scheme. File colours follow a
fixed sequence, so the same actions give the same picture in every run.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Pellucor developers <pellucor@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from the binary through dpkg-shlibdeps; what it cannot see is named here:
# Qt's platform plugins open the window, and the theme holds the icon.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, hicolor-icon-theme")
# The font the screens are laid out for, and Qt's plugin for Wayland-only sessions.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-wayland")

include(CPack)

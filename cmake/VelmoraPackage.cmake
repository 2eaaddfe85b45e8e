# Debian packages from a build: `cpack -G DEB` (or `cpack --preset release`) in the build folder.
#   velmora            the program, its desktop entry, icons, metadata and documents
#   libbranchwise1     the folder tree library
#   libbranchwise-dev  its headers and CMake package
set(VELMORA_PACKAGE_MAINTAINER "The Velmora developers <developers@velmora.invalid>"
  CACHE STRING "Maintainer field of the Debian packages")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program library development)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELMORA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SOURCE velmora)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program needs libbranchwise.so.1 before its package exists: dpkg-shlibdeps finds it in the
# build, and the program's package names the library package itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/lib)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianLdconfigTrigger.cmake)

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME velmora)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION x11)
# Qt loads its platform and image plug-ins at run time, and the program GraphicsMagick and the
# libraries of the newer picture formats, so no library dependency names them; the interface is
# Japanese and needs a font that has it.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS
  "libbranchwise1 (= ${PROJECT_VERSION}), qt6-qpa-plugins, qt6-image-formats-plugins, libgraphicsmagick-q16-3, libheif1, libavif15, libjxl0.7, libwebp7, fonts-noto-cjk")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_COMPONENT_PROGRAM_DESCRIPTION
"desktop wallpaper changer from picture lists or a folder
Velmora changes the desktop wallpaper from your picture lists or a folder,
on a click or every so many seconds, in order or at random. Before a picture
becomes the wallpaper it can be passed through effects, tiled or fitted to the
screen, combined with other pictures into a collage, and a month calendar can
be printed over it.

It sets the wallpaper on GNOME, Cinnamon, MATE, Xfce, KDE Plasma, sway and any
other X11 session, and can start hidden with the session. The interface is
Japanese; a user's guide in Japanese is included.")

set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME libbranchwise1)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_LIBRARY_DESCRIPTION
"drive-and-folder tree widget for Qt 6 programs
Branchwise is one Qt Widgets control: a drop-down of the mounted drives above
a folder tree that is filled lazily, one folder listing at a time. Hosts create
it by name and reach its properties and signals through Qt's meta-object
system.

This package holds the shared library.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libbranchwise-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "libbranchwise1 (= ${PROJECT_VERSION}), qt6-base-dev")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
"drive-and-folder tree widget for Qt 6 programs - development files
Branchwise is one Qt Widgets control: a drop-down of the mounted drives above
a folder tree that is filled lazily, one folder listing at a time.

This package holds the headers and the CMake package:
find_package(Branchwise) and link Branchwise::branchwise.")

include(CPack)

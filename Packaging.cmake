# `make package`: a Debian package of the installed game, built by CPack. Its library
# dependencies are computed from the program by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zunbario)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ずんば工房")
set(CPACK_PACKAGE_CONTACT "ずんば工房 <zunbario@example.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hit the jumping monsters with a hammer")
# Lines under 80 columns, for the terminals package tools show them in.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Three monsters jump around a black field, faster at every level. Hit as\n"
    "many as possible before the 60-second clock runs out. The normal hammer is\n"
    "the mouse pointer itself, the strange hammer moves opposite to the mouse.\n"
    "The game speaks English and Japanese, and a game in progress can be\n"
    "saved and continued.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zunbario.example.jp/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time rather than linked: the Japanese gothic the labels are drawn in, and the
# Wayland plugin for desktops without an X server.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

# The Debian package: `cpack --preset release` after building the release preset. It carries whatever
# the install rules install; dpkg-shlibdeps finds the libraries the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillan)
set(CPACK_PACKAGE_VENDOR "The Quillan developers")
set(CPACK_PACKAGE_CONTACT "The Quillan developers <developers@quillan.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dial-up networking companion")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# pppd brings the link up once the modem has connected.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ppp")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Quillan dials the connections of a phonebook through a modem and pppd,
redials a busy line through alternate numbers, counts the time and the
cost of each call, warns when a call or the month passes a limit, and keeps
a monthly log of the calls. It lives in the notification area while online.

The package also carries ie2bl.dll, a browser click catcher for Windows,
with its registration notes.]=])
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Files installed under /etc are the administrator's once installed: the staged tree names them.
set(CPACK_QUILLAN_CONFFILES ${PROJECT_BINARY_DIR}/cpack/conffiles)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/ListConffiles.cmake)
include(CPack)

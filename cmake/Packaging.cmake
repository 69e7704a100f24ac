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
# dpkg-shlibdeps adds the libraries the programs link (Qt, c-ares, GLib, X11); these are the ones loaded or
# started at run time: libcurl (mail), GIO (programs and the browser), libcanberra (sounds) and the X
# resource extension (which process a window belongs to) are loaded at their first use, pppd brings the
# link up once the modem has connected, and libcanberra plays the sounds through the desktop's sound server
# only with its PulseAudio driver (PipeWire serves it too). The sound theme gives the bell played when a
# chosen sound cannot be.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ppp, libcurl4, libglib2.0-0, libcanberra0, libcanberra-pulse, libxres1")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "sound-theme-freedesktop")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Quillan dials the connections of a phonebook through a modem and pppd,
redials a busy line through alternate numbers, counts the time and the
cost of each call, warns when a call or the month passes a limit, and keeps
a monthly log of the calls. It lives in the notification area while online.

When a call connects it can play a sound, open the web browser and start
programs; while online it watches a POP3 mailbox for new mail. Its net
toolkit looks up host names and addresses and asks finger, whois and time
servers.

The package also carries ie2bl.dll, a browser click catcher for Windows,
with its registration notes.]=])
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The files under /etc are the administrator's once installed; scripts/test-package checks that this list
# names every one the package carries.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/data/conffiles)
include(CPack)

# Run by CPack once the package's files are staged: every file under etc/ becomes a conffile, so that dpkg
# keeps the administrator's changes to it. A package without one carries no conffiles list.
file(GLOB_RECURSE staged LIST_DIRECTORIES false RELATIVE ${CPACK_TEMPORARY_DIRECTORY} ${CPACK_TEMPORARY_DIRECTORY}/etc/*)
if(staged)
  list(SORT staged)
  list(TRANSFORM staged PREPEND /)
  list(JOIN staged "\n" lines)
  file(WRITE ${CPACK_QUILLAN_CONFFILES} "${lines}\n")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CPACK_QUILLAN_CONFFILES})
endif()

# Run by CPack once the package's files are staged: every file under etc/ becomes a conffile, so that dpkg
# keeps the administrator's changes to it.
file(GLOB_RECURSE staged LIST_DIRECTORIES false RELATIVE ${CPACK_TEMPORARY_DIRECTORY} ${CPACK_TEMPORARY_DIRECTORY}/etc/*)
list(SORT staged)
set(lines "")
foreach(file ${staged})
  string(APPEND lines "/${file}\n")
endforeach()
file(WRITE ${QUILLAN_CONFFILES} "${lines}")

# ccache when it is installed and no launcher was chosen; the build works the same without it.
if(NOT CMAKE_CXX_COMPILER_LAUNCHER)
  find_program(QUILLAN_CCACHE ccache)
  if(QUILLAN_CCACHE)
    # Paths relative to the source tree, so that worktrees and build folders share one cache.
    set(CMAKE_CXX_COMPILER_LAUNCHER env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=1 ${QUILLAN_CCACHE})
  endif()
endif()

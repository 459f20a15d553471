# What `cmake --install` puts where. Both programs go side by side into bin/, so the window
# finds the filter beside itself as it does in the build tree; the shipped table and its
# README go into share/lirandel/. With the window come the wrapper, the menu entry and the
# icons (packaging/).
include(GNUInstallDirs)

# The same modes whatever the umask of whoever installs or packages.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(LIRANDEL_INSTALL_TABLEDIR ${CMAKE_INSTALL_DATADIR}/lirandel)

install(TARGETS Kestrun RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/data.txt data/README.md DESTINATION ${LIRANDEL_INSTALL_TABLEDIR})

if(TARGET Lirandel)
  install(TARGETS Lirandel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Qt's project set-up points the installed window at ../lib, but nothing of ours is
  # installed there, and Debian's Qt lies where the loader looks anyway.
  set_target_properties(Lirandel PROPERTIES INSTALL_RPATH "")
  add_subdirectory(packaging)
endif()

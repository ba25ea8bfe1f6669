# Runs at install time: the entry names the program and its data folder by
# absolute path, and the prefix is only known once an install has begun
# (cmake --install --prefix, cpack).
foreach(dir BINDIR DATADIR)
  cmake_path(ABSOLUTE_PATH NORVANE_${dir} BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
             OUTPUT_VARIABLE NORVANE_FULL_${dir})
endforeach()

# One staging file per prefix, so two installs at once do not share it.
string(MD5 prefix_key "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(staged "${NORVANE_STAGING_DIR}/${prefix_key}/${NORVANE_APP_ID}.desktop")
configure_file("${NORVANE_DESKTOP_IN}" "${staged}" @ONLY)
file(INSTALL "${staged}" DESTINATION "${NORVANE_FULL_DATADIR}/applications")

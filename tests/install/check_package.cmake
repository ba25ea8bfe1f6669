# Builds the Debian package, unpacks it as dpkg would and looks at what it
# installs and what it depends on.
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/installed_tree.cmake")

file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND cpack -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK}"
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB debs "${WORK}/norvane_*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one norvane_*.deb, found: ${debs}")
endif()

execute_process(COMMAND dpkg-deb -x "${debs}" "${WORK}/root" COMMAND_ERROR_IS_FATAL ANY)
norvane_check_tree("${WORK}/root" /usr "${APP_ID}")

execute_process(COMMAND dpkg-deb -f "${debs}" Depends OUTPUT_VARIABLE depends
                COMMAND_ERROR_IS_FATAL ANY)
foreach(package libqt6widgets6 fonts-ipafont-gothic)
  if(NOT depends MATCHES "(^|, )${package}( |,|\n|$)")
    message(FATAL_ERROR "Depends lacks ${package}: ${depends}")
  endif()
endforeach()

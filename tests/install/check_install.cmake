# cmake --install into a scratch prefix, then the desktop's own validators
# on the installed entry and metainfo.
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/installed_tree.cmake")

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
norvane_check_tree("" "${PREFIX}" "${APP_ID}")

execute_process(COMMAND desktop-file-validate "${PREFIX}/share/applications/${APP_ID}.desktop"
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND appstreamcli validate --no-net
                        "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml"
                COMMAND_ERROR_IS_FATAL ANY)

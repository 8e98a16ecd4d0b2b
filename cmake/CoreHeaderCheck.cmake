# The portable core must never see a Windows header. The check runs on every
# build, so a new include fails the build at once instead of only the cross one.
add_custom_target(core_header_check ALL
  COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR}/src -P ${CMAKE_SOURCE_DIR}/cmake/check_core_headers.cmake
  COMMENT "Checking that the portable core includes no Windows header"
  VERBATIM)

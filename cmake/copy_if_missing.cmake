# cmake -DSOURCE=... -DDESTINATION=... -P copy_if_missing.cmake
if(NOT EXISTS "${DESTINATION}")
  configure_file("${SOURCE}" "${DESTINATION}" COPYONLY)
endif()

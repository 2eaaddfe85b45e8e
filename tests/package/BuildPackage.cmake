# Packs the finished build into Debian packages and unpacks them into a root of their own:
#   WORK_DIR/debs/*.deb   the packages, as `cpack -G DEB` makes them
#   WORK_DIR/root/        their files, as `dpkg-deb -x` lays them out
# Nothing is compiled: CPack installs what the build already made.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/root)
execute_process(
  COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/debs
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${out}\n${err}")
endif()
file(GLOB debs ${WORK_DIR}/debs/*.deb)
if(NOT debs)
  message(FATAL_ERROR "cpack made no package:\n${out}")
endif()
foreach(deb IN LISTS debs)
  execute_process(COMMAND dpkg-deb -x ${deb} ${WORK_DIR}/root RESULT_VARIABLE result ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -x ${deb} failed: ${err}")
  endif()
endforeach()
message(STATUS "${out}")

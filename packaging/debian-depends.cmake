# Read by cpack when it packs (CPACK_PROJECT_CONFIG_FILE): names the shared
# libraries the program needs, as dpkg-shlibdeps finds them, in the Debian
# package's Depends. Only the one program is looked at; CPack's own search
# starts a process for each of the media's many files and takes an hour.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(flumo_work "${CMAKE_CURRENT_LIST_DIR}/shlibdeps")
  # dpkg-shlibdeps wants a source package's control file; an empty one does.
  file(WRITE "${flumo_work}/debian/control" "")
  execute_process(
    COMMAND dpkg-shlibdeps -O "-e$<TARGET_FILE:flumo>"
    WORKING_DIRECTORY "${flumo_work}"
    OUTPUT_VARIABLE flumo_shlibs
    ERROR_VARIABLE flumo_shlibs_error
    RESULT_VARIABLE flumo_shlibs_result
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT flumo_shlibs_result EQUAL 0 OR NOT flumo_shlibs MATCHES "^shlibs:Depends=")
    message(FATAL_ERROR "dpkg-shlibdeps failed: ${flumo_shlibs_error}")
  endif()
  string(REGEX REPLACE "^shlibs:Depends=" "" flumo_shlibs "${flumo_shlibs}")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${flumo_shlibs}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
endif()

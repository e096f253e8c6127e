include(CMakePackageConfigHelpers)

install(TARGETS zemapi EXPORT zemapiTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS zem RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/zemapi.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

set(ZEMAPI_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/zemapi)
install(EXPORT zemapiTargets NAMESPACE zemapi:: DESTINATION ${ZEMAPI_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/zemapiConfig.cmake.in
  ${PROJECT_BINARY_DIR}/zemapiConfig.cmake INSTALL_DESTINATION ${ZEMAPI_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/zemapiConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/zemapiConfig.cmake ${PROJECT_BINARY_DIR}/zemapiConfigVersion.cmake
  DESTINATION ${ZEMAPI_CMAKE_DIR})

# Relocatable: the prefix is found from where the .pc file lies.
file(RELATIVE_PATH ZEMAPI_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/cmake/zemapi.pc.in ${PROJECT_BINARY_DIR}/zemapi.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/zemapi.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

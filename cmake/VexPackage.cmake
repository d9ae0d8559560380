# The CMake package users find with find_package(VexComponents): the exported targets, a config
# file that finds Qt and zlib for them, and a version file.
include(CMakePackageConfigHelpers)
set(VEX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/VexComponents)

install(EXPORT VexComponentsTargets
  NAMESPACE Vex::
  FILE VexComponentsTargets.cmake
  DESTINATION ${VEX_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VexComponentsConfig.cmake.in
  ${PROJECT_BINARY_DIR}/VexComponentsConfig.cmake
  INSTALL_DESTINATION ${VEX_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VexComponentsConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VexComponentsConfig.cmake
  ${PROJECT_BINARY_DIR}/VexComponentsConfigVersion.cmake
  DESTINATION ${VEX_CMAKE_DIR})

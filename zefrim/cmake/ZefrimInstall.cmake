# cmake --install: libzefrim.so.1 with its public header, a pkg-config file and a CMake package
# (find_package(zefrim) gives zefrim::zefrim).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS zefrim EXPORT zefrimTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT zefrim NAMELINK_COMPONENT zefrim_dev)
install(DIRECTORY include/zefrim DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT zefrim_dev)

set(ZEFRIM_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/zefrim)
install(EXPORT zefrimTargets NAMESPACE zefrim:: DESTINATION ${ZEFRIM_CMAKE_DIR} COMPONENT zefrim_dev)
configure_package_config_file(cmake/zefrimConfig.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/zefrimConfig.cmake
  INSTALL_DESTINATION ${ZEFRIM_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/zefrimConfigVersion.cmake
  VERSION ${ZEFRIM_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zefrimConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/zefrimConfigVersion.cmake
  DESTINATION ${ZEFRIM_CMAKE_DIR} COMPONENT zefrim_dev)

# Relative to the .pc file, so the package works wherever the prefix is chosen at install time.
file(RELATIVE_PATH ZEFRIM_PC_PREFIX_FROM_PC /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(cmake/zefrim.pc.in ${CMAKE_CURRENT_BINARY_DIR}/zefrim.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zefrim.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
  COMPONENT zefrim_dev)

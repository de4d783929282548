# Install rules: the library (with its SONAME links), the public headers under
# include/tolven/{host,dialog}, a CMake package (find_package(Tolven) gives
# Tolven::TOLVEN) and a pkg-config file tolven.pc.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(TOLVEN_INSTALL_CMAKEDIR "${CMAKE_INSTALL_LIBDIR}/cmake/Tolven"
    CACHE STRING "Where the Tolven CMake package files are installed, relative to the prefix")

# The library links Motif and X privately, but the public headers are meant to
# expose X types, and programs built on Tolven call Xt themselves. An installed
# consumer therefore gets X/Motif include directories and libraries through
# Tolven::TOLVEN, libXm first and kept even where the linker drops unused
# libraries (see the build's own interface in CMakeLists.txt).
target_link_libraries(TOLVEN INTERFACE
  "$<INSTALL_INTERFACE:-Wl,--push-state,--no-as-needed,-lXm,--pop-state>"
  "$<INSTALL_INTERFACE:Tolven::Motif>"
  "$<INSTALL_INTERFACE:X11::Xt>"
  "$<INSTALL_INTERFACE:X11::Xpm>"
  "$<INSTALL_INTERFACE:X11::Xmu>"
  "$<INSTALL_INTERFACE:X11::X11>")
if(TOLVEN_SANITIZE)
  # A sanitized library only loads into a program whose sanitizer runtime comes
  # first, so its consumers must link with the same sanitizers.
  target_link_options(TOLVEN INTERFACE "$<INSTALL_INTERFACE:-fsanitize=address,undefined>")
  set(TOLVEN_PC_EXTRA_LIBS " -fsanitize=address,undefined")
else()
  set(TOLVEN_PC_EXTRA_LIBS "")
endif()

install(TARGETS TOLVEN EXPORT TolvenTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    COMPONENT Runtime
    NAMELINK_COMPONENT Development
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)

# Only the public headers: letter headers in */src stay private to the library.
install(FILES ${TOLVEN_HOST_HEADERS}
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tolven/host COMPONENT Development)
install(FILES ${TOLVEN_DIALOG_HEADERS}
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tolven/dialog COMPONENT Development)

install(EXPORT TolvenTargets
  NAMESPACE Tolven::
  FILE TolvenTargets.cmake
  DESTINATION ${TOLVEN_INSTALL_CMAKEDIR}
  COMPONENT Development)

configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/TolvenConfig.cmake.in
  ${PROJECT_BINARY_DIR}/TolvenConfig.cmake
  INSTALL_DESTINATION ${TOLVEN_INSTALL_CMAKEDIR})
# The SONAME is libTOLVEN.so.<major>: every release with the same major version
# is a drop-in replacement.
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/TolvenConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/TolvenConfig.cmake
  ${PROJECT_BINARY_DIR}/TolvenConfigVersion.cmake
  DESTINATION ${TOLVEN_INSTALL_CMAKEDIR}
  COMPONENT Development)

# tolven.pc names the prefix it is installed under, and `cmake --install
# --prefix DIR` chooses that prefix only at install time: the file is
# therefore written by the install step itself, not at configure time.
foreach(kind LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${kind}}")
    set(TOLVEN_PC_${kind} "${CMAKE_INSTALL_${kind}}")
  else()
    set(TOLVEN_PC_${kind} "\${prefix}/${CMAKE_INSTALL_${kind}}")
  endif()
endforeach()
install(CODE "
  set(TOLVEN_PC_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  set(TOLVEN_PC_LIBDIR [==[${TOLVEN_PC_LIBDIR}]==])
  set(TOLVEN_PC_INCLUDEDIR [==[${TOLVEN_PC_INCLUDEDIR}]==])
  set(TOLVEN_PC_VERSION [==[${PROJECT_VERSION}]==])
  set(TOLVEN_PC_EXTRA_LIBS [==[${TOLVEN_PC_EXTRA_LIBS}]==])
  configure_file([==[${PROJECT_SOURCE_DIR}/cmake/tolven.pc.in]==]
                 [==[${PROJECT_BINARY_DIR}/pkgconfig/tolven.pc]==] @ONLY)
" COMPONENT Development)
install(FILES ${PROJECT_BINARY_DIR}/pkgconfig/tolven.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)

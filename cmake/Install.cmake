# Installs the library for other projects:
#   include/tessaramond/tessaramond.h          the public header: #include <tessaramond/tessaramond.h>
#   include/tessaramond/{public,util}/...       what it reaches, laid out as in toolkit/, so the
#                                               headers' own includes resolve unchanged (the
#                                               package puts include/tessaramond on the path too)
#   include/tessaramond/tessaramond.mod         the Fortran module (with a Fortran compiler)
#   lib/libtessaramond.a, libtessaramond.so.0.1 (SONAME libtessaramond.so.0)
#   lib/libtessaramond_fortran_main.a           a Fortran program's MainProgram as the entry
#   lib/cmake/Tessaramond/                      find_package(Tessaramond), tessaramond_add_resources
#   lib/pkgconfig/tessaramond.pc
#   bin/tessaramond-rc                          the resource compiler step for other build systems
include(CMakePackageConfigHelpers)

set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Tessaramond)

install(FILES ${TESS_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessaramond/public
        COMPONENT development)
install(FILES ${TESS_UTIL_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessaramond/util
        COMPONENT development)
set(forwarding_header ${PROJECT_BINARY_DIR}/tessaramond/tessaramond.h)
file(CONFIGURE OUTPUT ${forwarding_header} CONTENT
"// The public header of the Tessaramond toolkit.
#pragma once

#include \"public/tessaramond.h\"
")
install(FILES ${forwarding_header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessaramond
        COMPONENT development)

if(TESS_FORTRAN_MODULE)
  # Beside the C++ header, where -I<prefix>/include/tessaramond (pkg-config --cflags) finds it.
  install(FILES ${TESS_FORTRAN_MODULE} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessaramond
          COMPONENT development)
  install(TARGETS tessaramond_fortran_main EXPORT TessaramondTargets
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
endif()
install(TARGETS tessaramond_static tessaramond_shared EXPORT TessaramondTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime
                NAMELINK_COMPONENT development)
install(EXPORT TessaramondTargets NAMESPACE Tessaramond:: DESTINATION ${package_dir}
        COMPONENT development)

configure_package_config_file(cmake/package/TessaramondConfig.cmake.in
  ${PROJECT_BINARY_DIR}/tessaramond/TessaramondConfig.cmake
  INSTALL_DESTINATION ${package_dir} PATH_VARS CMAKE_INSTALL_BINDIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/tessaramond/TessaramondConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/tessaramond/TessaramondConfig.cmake
              ${PROJECT_BINARY_DIR}/tessaramond/TessaramondConfigVersion.cmake
              cmake/package/TessaramondResources.cmake ${TESS_EMBED_BYTES_SCRIPT}
        DESTINATION ${package_dir} COMPONENT development)

# Paths in the installed files are relative to where they land, so the tree can be moved and
# installed with --prefix.
cmake_path(RELATIVE_PATH package_dir BASE_DIRECTORY ${CMAKE_INSTALL_BINDIR}
           OUTPUT_VARIABLE TESS_BIN_TO_PACKAGE)
configure_file(cmake/package/tessaramond-rc.in ${PROJECT_BINARY_DIR}/tessaramond/tessaramond-rc
               @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/tessaramond/tessaramond-rc
        DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT development)

cmake_path(RELATIVE_PATH CMAKE_INSTALL_PREFIX BASE_DIRECTORY
           ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig OUTPUT_VARIABLE TESS_PC_PREFIX)
set(TESS_PC_LIBS "")
if(TESS_SANITIZE)
  set(TESS_PC_LIBS " -fsanitize=address,undefined")
endif()
configure_file(cmake/package/tessaramond.pc.in ${PROJECT_BINARY_DIR}/tessaramond/tessaramond.pc
               @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tessaramond/tessaramond.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)

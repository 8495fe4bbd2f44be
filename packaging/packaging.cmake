# Installation of everything beside the programs and their tables (those are installed by
# src/), and the Debian package made from the same install rules:
#   cpack -G DEB        (in the build directory) -> agvsim_<version>_amd64.deb
# Installed under the prefix (/usr in the package):
#   share/man/man1/agvsim.1.gz, agvsim-export.1.gz      manual pages, version filled in
#   share/applications/agvsim.desktop                    menu entry (runs in a terminal)
#   share/icons/hicolor/<N>x<N>/apps/agvsim.png          icon (scripts/make-icon.sh)
#   share/doc/agvsim/                                    README, CHANGELOG, guides and
#                                                        their pictures (guide/),
#                                                        copyright, changelog.gz

set(AGV_PACKAGE_CONTACT "agvsim developers <agvsim-developers@example.org>"
    CACHE STRING "Maintainer of the Debian package: name <address>")
set(AGV_PACKAGE_HOMEPAGE "" CACHE STRING "Homepage field of the Debian package (empty: none)")

set(agv_pkg_dir ${PROJECT_SOURCE_DIR}/packaging)
set(agv_gen_dir ${PROJECT_BINARY_DIR}/packaging)
find_program(AGV_GZIP gzip REQUIRED)

# Compressed copies made at build time: -n keeps no name or date, so the package's bytes
# depend on the sources only.
set(agv_gz_files)
function(agv_gzip source output)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${AGV_GZIP} -9nc ${source} > ${output}
                     DEPENDS ${source} VERBATIM)
  set(agv_gz_files ${agv_gz_files} ${output} PARENT_SCOPE)
endfunction()

foreach(page agvsim.1 agvsim-export.1)
  configure_file(${PROJECT_SOURCE_DIR}/man/${page} ${agv_gen_dir}/${page} @ONLY)
  agv_gzip(${agv_gen_dir}/${page} ${agv_gen_dir}/${page}.gz)
endforeach()

# The Debian changelog of this release; its date follows SOURCE_DATE_EPOCH when set.
string(TIMESTAMP AGV_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${agv_pkg_dir}/changelog.Debian.in ${agv_gen_dir}/changelog @ONLY)
agv_gzip(${agv_gen_dir}/changelog ${agv_gen_dir}/changelog.gz)

add_custom_target(agv_package_files ALL DEPENDS ${agv_gz_files})

install(FILES ${agv_gen_dir}/agvsim.1.gz ${agv_gen_dir}/agvsim-export.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${agv_pkg_dir}/agvsim.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/agvsim.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
foreach(size 128 64 48)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/agvsim-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME agvsim.png)
endforeach()

# The user guides are installed when they exist.
file(GLOB agv_guides ${PROJECT_SOURCE_DIR}/docs/guide.*.md)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${agv_guides}
              ${agv_pkg_dir}/copyright ${agv_gen_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Their pictures, next to them: the guides link them as guide/NAME.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/guide DESTINATION ${CMAKE_INSTALL_DOCDIR} OPTIONAL)

# The Debian package.
set(CPACK_PACKAGE_NAME agvsim)
set(CPACK_PACKAGE_VENDOR "agvsim developers")
set(CPACK_PACKAGE_CONTACT "${AGV_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulator of the trajectory error of guided vehicles")
# CPack puts the summary above this text as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A mechanism error in an automated guided vehicle (AGV) makes it drift off
the path it was commanded to follow; agvsim shows this in the classroom.
In a Japanese console dialogue a student picks one mechanism error (wheel
radii, steering drift, WheelBase/Tread, random slip) and one of ten analytic
paths. For three drive mechanisms the program computes the ideal motion, the
vehicle without and the vehicle with the error, and shows them in an OpenGL
window: a top view with the vehicles to scale and x(t)/y(t) charts.
.
agvsim-export writes the same computation as CSV for analysis and handouts.")
set(CPACK_PACKAGE_FILE_NAME agvsim-${PROJECT_VERSION})  # for other generators
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # agvsim_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # Depends from the libraries the programs load
if(AGV_PACKAGE_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${AGV_PACKAGE_HOMEPAGE}")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)  # the build keeps its debug information, the package does not
set(CPACK_GENERATOR DEB)
include(CPack)

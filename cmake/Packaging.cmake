# Install rules for the two programs and their desktop files, and the Debian package (make package).
include(GNUInstallDirs)

set(VOLANTIS4_RELEASE_DATE 2026-12-06)
set(VOLANTIS4_RELEASE_DATE_RFC2822 "Sun, 06 Dec 2026 12:00:00 +0000")
set(VOLANTIS4_MAINTAINER "Volantis4 developers <volantis4@example.org>")
set(VOLANTIS4_DEBIAN_RELEASE 1)
set(VOLANTIS4_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/volantis4)
set(VOLANTIS4_DATA ${PROJECT_SOURCE_DIR}/data)

# The installed programs resolve their libraries at start (read-only relocations, as Debian builds).
foreach(program volantis4-cli volantis4)
  if(TARGET ${program})
    target_link_options(${program} PRIVATE -Wl,-z,relro,-z,now)
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
# The command line's page-writing module, in a library folder of the program's own.
if(TARGET volantis4-pages)
  target_link_options(volantis4-pages PRIVATE -Wl,-z,relro,-z,now)
  install(TARGETS volantis4-pages LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/volantis4)
endif()

# Menu entry, icons, file types and the software-centre description.
install(FILES ${VOLANTIS4_DATA}/volantis4.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${VOLANTIS4_DATA}/icons/${size}x${size}/volantis4.png
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${VOLANTIS4_DATA}/icons/volantis4.svg DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(FILES ${VOLANTIS4_DATA}/volantis4-mime.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages
        RENAME volantis4.xml)
configure_file(${VOLANTIS4_DATA}/org.example.volantis4.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/data/org.example.volantis4.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/data/org.example.volantis4.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

# Manual pages and the Debian changelog go in compressed, without time stamps.
configure_file(${VOLANTIS4_DATA}/changelog.Debian.in ${PROJECT_BINARY_DIR}/data/changelog.Debian @ONLY)
set(compressed)
foreach(source ${PROJECT_SOURCE_DIR}/man/volantis4.1 ${PROJECT_SOURCE_DIR}/man/volantis4-cli.1
               ${PROJECT_BINARY_DIR}/data/changelog.Debian)
  get_filename_component(name ${source} NAME)
  set(target ${PROJECT_BINARY_DIR}/data/${name}.gz)
  add_custom_command(OUTPUT ${target} COMMAND gzip -9n -c ${source} > ${target} DEPENDS ${source}
                     COMMENT "Compressing ${name}")
  list(APPEND compressed ${target})
endforeach()
add_custom_target(volantis4_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${PROJECT_BINARY_DIR}/data/volantis4.1.gz ${PROJECT_BINARY_DIR}/data/volantis4-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/data/changelog.Debian.gz ${VOLANTIS4_DATA}/copyright
        DESTINATION ${VOLANTIS4_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${VOLANTIS4_DOCDIR}/examples FILES_MATCHING
        PATTERN "*.vn4")

# The Debian package: dependencies from the binaries' libraries, plus what the window needs at run
# time that no library link shows (the X11 platform plugin, the fonts of the drawings and the page;
# the window's design font prefers the URW sans serif face where it is installed).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME volantis4)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Volantis4 developers")
set(CPACK_PACKAGE_CONTACT ${VOLANTIS4_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "longitudinal stability and CG of model aircraft")
set(CPACK_PACKAGE_DESCRIPTION
    "Volantis4 tells a modeller where the centre of gravity of a model aircraft
belongs. Enter one to five flat lifting surfaces (main wing, tailplane,
canard, the wings of a tandem) as trapezia in millimetres; Volantis4 shows
each wing's span, area, mean aerodynamic chord and aspect ratio, and its
Calculate command solves a vortex lattice for each wing's aerodynamic centre
and lift slope, the neutral point of the whole aircraft and the centre of
gravity for a chosen static margin, drawn over a top view of the model.
.
The package holds the window (volantis4), a command-line program for scripts
(volantis4-cli), manual pages and example aircraft.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VOLANTIS4_DEBIAN_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VOLANTIS4_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/volantis4/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core")
# Qt's German translations make its own dialogs and key names German with the program's German.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35, cups-client, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups, printer-driver-cups-pdf")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

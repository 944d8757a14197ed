# Desktop integration, manual pages and the Debian package. Included from the top level,
# after the programs' own install rules.

include(GNUInstallDirs)

set(IONARCH_APP_ID org.ionarch.Ionarch)
set(IONARCH_SCREENSHOT_BASE_URL "https://ionarch.invalid/docs" CACHE STRING
    "Web folder that serves the pictures of docs/, named as screenshots in the AppStream metainfo")
set(IONARCH_PACKAGE_MAINTAINER "Ionarch maintainers <maintainers@ionarch.invalid>" CACHE STRING
    "Maintainer field of the Debian package")

set(_ionarch_packaging_dir ${CMAKE_CURRENT_LIST_DIR})
set(_ionarch_packaging_build ${PROJECT_BINARY_DIR}/packaging)

# The sample data. The launcher starts the program in this folder, so that it opens on it.
install(FILES ${PROJECT_SOURCE_DIR}/data/ions.dat DESTINATION ${CMAKE_INSTALL_DATADIR}/ionarch)

# The licence, in the machine-readable form that Debian's tools and a school's IT department read.
install(FILES ${_ionarch_packaging_dir}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ionarch)

install(FILES ${PROJECT_SOURCE_DIR}/ui/pictures/images/program.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${IONARCH_APP_ID}.svg)

configure_file(${_ionarch_packaging_dir}/${IONARCH_APP_ID}.metainfo.xml.in
               ${_ionarch_packaging_build}/${IONARCH_APP_ID}.metainfo.xml @ONLY)
install(FILES ${_ionarch_packaging_build}/${IONARCH_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The launcher names the program and its data folder by absolute paths, which depend on the
# prefix in force when installing (cmake --install --prefix, or the package's /usr), not on
# the one the build was configured with; so the file is written at install time.
foreach(_kind BINDIR DATADIR)
    if(IS_ABSOLUTE "${CMAKE_INSTALL_${_kind}}")
        set(_ionarch_full_${_kind} "${CMAKE_INSTALL_${_kind}}")
    else()
        set(_ionarch_full_${_kind} "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_${_kind}}")
    endif()
endforeach()
install(CODE "
    set(IONARCH_DESKTOP_EXEC \"${_ionarch_full_BINDIR}/ionarch\")
    set(IONARCH_DESKTOP_PATH \"${_ionarch_full_DATADIR}/ionarch\")
    configure_file(\"${_ionarch_packaging_dir}/${IONARCH_APP_ID}.desktop.in\"
                   \"${_ionarch_packaging_build}/${IONARCH_APP_ID}.desktop\" @ONLY)
")
install(FILES ${_ionarch_packaging_build}/${IONARCH_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Manual pages, compressed as Debian installs them.
foreach(_page ionarch.1 ionarch-check.1)
    add_custom_command(OUTPUT ${_ionarch_packaging_build}/${_page}.gz
                       COMMAND gzip -9 -n -c ${_ionarch_packaging_dir}/${_page}
                               > ${_ionarch_packaging_build}/${_page}.gz
                       DEPENDS ${_ionarch_packaging_dir}/${_page}
                       VERBATIM)
    list(APPEND _ionarch_man_pages ${_ionarch_packaging_build}/${_page}.gz)
endforeach()
add_custom_target(ionarch_man_pages ALL DEPENDS ${_ionarch_man_pages})
install(FILES ${_ionarch_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package: cpack in the build folder writes ionarch_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ionarch)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drill for naming inorganic compounds")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Ionarch shows one inorganic compound at a time, by its formula or by its"
    "name, and judges the name or formula the student types. It asks ionic"
    "compounds built from the chosen cations and anions, or simple and complex"
    "covalent compounds, keeps the score, and prints the results of every"
    "series of 20 questions. The ions and compounds come from a plain-text"
    "data file that teachers can edit and check with ionarch-check.")
set(CPACK_PACKAGE_CONTACT "${IONARCH_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${IONARCH_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the programs link (Qt with its SVG, printing and SQL
# modules, the C++ runtime); named here is what is used at run time without being linked:
# the fonts the windows ask for by metric-compatible names, the CUPS client that Qt's print
# plugin loads, and the SQLite driver plugin of the learning record.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libcups2, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The Debian package: `cpack -G DEB` in a build folder makes
# starloom_<version>_<arch>.deb with both programs, the desktop entry, the
# icon, the AppStream metadata and the documents that Debian asks for.
include(GNUInstallDirs)

set(STARLOOM_MAINTAINER "Starloom maintainers <maintainers@users.noreply.c-seed-55fe2533.example>")
set(STARLOOM_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/starloom)

# Debian wants its documents gzip-compressed at the highest level and
# without a time stamp (-n), so that the package builds the same each time.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(STARLOOM_PACKAGE_DOCS)
function(starloom_gzip_doc source output destination)
    set(gzipped ${CMAKE_BINARY_DIR}/packaging/${output})
    add_custom_command(OUTPUT ${gzipped}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND ${GZIP_PROGRAM} -9n -c ${source} > ${gzipped}
        DEPENDS ${source}
        VERBATIM)
    install(FILES ${gzipped} DESTINATION ${destination})
    set(STARLOOM_PACKAGE_DOCS ${STARLOOM_PACKAGE_DOCS} ${gzipped} PARENT_SCOPE)
endfunction()

set(debian ${CMAKE_CURRENT_LIST_DIR}/debian)
starloom_gzip_doc(${debian}/changelog changelog.gz ${STARLOOM_DOC_DIR})
starloom_gzip_doc(${debian}/Starloom.1 Starloom.1.gz ${CMAKE_INSTALL_MANDIR}/man1)
starloom_gzip_doc(${PROJECT_SOURCE_DIR}/tools/starloom-sim/starloom-sim.1 starloom-sim.1.gz ${CMAKE_INSTALL_MANDIR}/man1)
add_custom_target(starloom_package_docs ALL DEPENDS ${STARLOOM_PACKAGE_DOCS})
install(FILES ${debian}/copyright DESTINATION ${STARLOOM_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME starloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Starloom maintainers")
set(CPACK_PACKAGE_CONTACT ${STARLOOM_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "CCD camera simulator for teaching astronomy")
set(CPACK_PACKAGE_DESCRIPTION
"Starloom simulates what a CCD camera on a telescope records: a 600 x 400
grey frame with the bias level and its readout noise, the sky background,
the dark current of every pixel (hot pixels included) and the light of 500
stars. Students set the sky brightness, the chip temperature and the
exposure time, take a frame, then subtract a simulated dark frame and see
the hot pixels vanish while the noise grows. The texts are in Japanese.

The package also holds starloom-sim, which replays the same button presses
without a window and exports the frames as FITS and PNG files for SAOImage
DS9, Siril or astropy.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${STARLOOM_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries come from dpkg-shlibdeps; the Japanese fonts are loaded by name
# at run time, which no library dependency reveals.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
# Debian ships stripped programs, and directories 0755 whatever the umask.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

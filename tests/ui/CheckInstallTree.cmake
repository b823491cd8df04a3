# Installs the build into a scratch prefix and checks that the program, the
# replay tool and the desktop integration land where desktops look for them,
# all under the one application id.
# usage: cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -P CheckInstallTree.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

include(GNUInstallDirs)
set(expected
    ${CMAKE_INSTALL_BINDIR}/Starloom
    ${CMAKE_INSTALL_BINDIR}/starloom-sim
    ${CMAKE_INSTALL_DATADIR}/applications/${APP_ID}.desktop
    ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps/${APP_ID}.png
    ${CMAKE_INSTALL_DATADIR}/metainfo/${APP_ID}.metainfo.xml)
foreach(path IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# The launcher must start the installed program and show the installed
# icon; the AppStream entry must point at the launcher.
file(READ ${PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/${APP_ID}.desktop desktop)
if(NOT desktop MATCHES "\nExec=Starloom\n" OR NOT desktop MATCHES "\nIcon=${APP_ID}\n")
    message(FATAL_ERROR "the desktop entry does not start Starloom with icon ${APP_ID}")
endif()
file(READ ${PREFIX}/${CMAKE_INSTALL_DATADIR}/metainfo/${APP_ID}.metainfo.xml metainfo)
foreach(needle "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
               "<release version=\"1.0.0.0\"")
    string(FIND "${metainfo}" "${needle}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "metainfo lacks ${needle}")
    endif()
endforeach()

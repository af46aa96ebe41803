# The NSIS installer of a Windows build: both programs with what they load, the catalog, the
# help pages and the example, a Start-menu entry, the project file type opening in Lumivane
# and an uninstaller that takes away what was installed. NSIS itself installs silently with
# /S, into the folder given by /D=.

include(${CMAKE_CURRENT_LIST_DIR}/WindowsRuntime.cmake)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_FILE_NAME "lumivane-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Lumivane")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Lumivane")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# The programs are 64-bit only, so the installer is too: it then runs where they run (64-bit
# Wine without its 32-bit part among them), writes the registry's 64-bit view, and takes a
# Unicode /D= folder whatever the code page.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_PACKAGE_NAME "Lumivane")
set(CPACK_NSIS_DISPLAY_NAME "Lumivane ${PROJECT_VERSION}")
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
set(CPACK_NSIS_MUI_ICON ${LUMIVANE_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${LUMIVANE_WINDOWS_ICON})
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\lumivane.exe")
set(CPACK_PACKAGE_EXECUTABLES lumivane "Lumivane")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY bin)

# The registry work is NSIS script of its own, so nothing in it is escaped twice on the way.
set(nsis_dir ${CMAKE_CURRENT_LIST_DIR}/windows)
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "!include ${nsis_dir}/register-file-type.nsh")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "!include ${nsis_dir}/unregister-file-type.nsh")

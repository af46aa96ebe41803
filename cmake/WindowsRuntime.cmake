# What the programs load at run time on Windows, installed beside them in bin/: the Qt DLLs,
# the plug-ins Qt looks for in the program's folder (platforms, styles, SVG images and icons,
# TLS for the catalog download) and the compiler's runtime DLLs. Printing to Windows printers is
# part of the PrintSupport DLL itself.
# The example project goes with the catalog and the help pages.

set(lumivane_qt_modules Core Gui Widgets Network PrintSupport Svg)
set(lumivane_qt_plugins
    platforms QWindowsIntegrationPlugin
    platforms QOffscreenIntegrationPlugin
    styles QWindowsVistaStylePlugin
    imageformats QSvgPlugin
    imageformats QICOPlugin
    iconengines QSvgIconPlugin
    tls QSchannelBackendPlugin)

foreach(module IN LISTS lumivane_qt_modules)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION bin)
endforeach()

while(lumivane_qt_plugins)
    list(POP_FRONT lumivane_qt_plugins folder plugin)
    if(TARGET Qt6::${plugin})
        install(FILES $<TARGET_FILE:Qt6::${plugin}> DESTINATION bin/${folder})
    elseif(plugin STREQUAL "QWindowsIntegrationPlugin" OR plugin STREQUAL "QSvgIconPlugin")
        message(FATAL_ERROR "This Qt for Windows lacks the plug-in ${plugin}")
    endif()
endwhile()

# The Qt DLLs link the compiler runtime dynamically whatever the programs do.
install(FILES ${LUMIVANE_MINGW_RUNTIME_DLLS} DESTINATION bin)

install(FILES ${PROJECT_SOURCE_DIR}/data/examples/Multiplex.hoprj
    DESTINATION share/lumivane/examples)

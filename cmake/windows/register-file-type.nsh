; Project files (.hoprj) open in Lumivane and show its icon, under the file type the program
; names itself ("hoprj", "Project Document"). SHCTX is the machine's classes for an
; installation for all users, the user's own otherwise.
WriteRegStr SHCTX "Software\Classes\.hoprj" "" "hoprj"
WriteRegStr SHCTX "Software\Classes\hoprj" "" "Project Document"
WriteRegStr SHCTX "Software\Classes\hoprj\DefaultIcon" "" "$INSTDIR\bin\lumivane.exe,0"
WriteRegStr SHCTX "Software\Classes\hoprj\shell\open\command" "" '"$INSTDIR\bin\lumivane.exe" "%1"'
; SHCNE_ASSOCCHANGED, so Explorer shows the new icon without a restart.
System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

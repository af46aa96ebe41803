; The extension is left alone when another program has taken it over since.
ReadRegStr $0 SHCTX "Software\Classes\.hoprj" ""
StrCmp $0 "hoprj" 0 +2
DeleteRegKey SHCTX "Software\Classes\.hoprj"
DeleteRegKey SHCTX "Software\Classes\hoprj"
System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
; The catalog store the program wrote beside itself at its first start, and a download that
; was cut off, so the program's folder goes away with the rest.
Delete "$INSTDIR\bin\database.dta"
Delete "$INSTDIR\bin\temp.dta"

; The VOLMAR installer: a per-user install (no administrator rights) into the
; user's programs folder, a Start-menu entry, an uninstaller, and project
; files (.rsform) opening in volmar.exe with their own icon. /S installs
; silently. makensis gets VERSION, SOURCE (the unpacked folder), OUTFILE,
; APP_ICON and PROJECT_ICON on its command line.
; A 64-bit installer, like the program it installs.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "VOLMAR"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VOLMAR"
!define PROGID "VOLMAR.Project"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
Icon "${APP_ICON}"
UninstallIcon "${APP_ICON}"
InstallDir "$LOCALAPPDATA\Programs\VOLMAR"
InstallDirRegKey HKCU "Software\kestrel\VOLMAR" "InstallDir"
ShowInstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=1041 "FileDescription" "VOLMAR installer"
VIAddVersionKey /LANG=1041 "LegalCopyright" "(C) 2026 kestrel"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

LoadLanguageFile "${NSISDIR}\Contrib\Language files\Japanese.nlf"

Section "VOLMAR"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}\*.*"
  File "/oname=rsform.ico" "${PROJECT_ICON}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "Software\kestrel\VOLMAR" "InstallDir" "$INSTDIR"

  CreateDirectory "$SMPROGRAMS\VOLMAR"
  CreateShortCut "$SMPROGRAMS\VOLMAR\VOLMAR.lnk" "$INSTDIR\volmar.exe"
  CreateShortCut "$SMPROGRAMS\VOLMAR\VOLMAR のアンインストール.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKCU "Software\Classes\.rsform" "" "${PROGID}"
  WriteRegStr HKCU "Software\Classes\${PROGID}" "" "VOLMAR プロジェクト"
  WriteRegStr HKCU "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\rsform.ico"
  WriteRegStr HKCU "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\volmar.exe" "%1"'

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "kestrel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\volmar.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; The desktop shows the new icon and the new way of opening at once.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\VOLMAR\*.lnk"
  RMDir "$SMPROGRAMS\VOLMAR"
  ReadRegStr $0 HKCU "Software\Classes\.rsform" ""
  StrCmp $0 "${PROGID}" 0 +2
  DeleteRegKey HKCU "Software\Classes\.rsform"
  DeleteRegKey HKCU "Software\Classes\${PROGID}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\kestrel\VOLMAR"
  RMDir /r "$INSTDIR"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

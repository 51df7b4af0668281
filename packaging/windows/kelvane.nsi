; The Windows installer: Kelvane in Program Files, a Start menu entry, Kelvane offered in
; "Open with" for .ogg sounds, and an uninstaller that takes away exactly what was installed.
; scripts/build-windows.sh defines VERSION, SOURCE (the unpacked zip's folder), FILES (the list of
; its files, made from that folder), ICON and OUTFILE.
; A 64-bit installer for a 64-bit program, which Wine without its 32-bit half runs too.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

Name "Kelvane ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Kelvane"
InstallDirRegKey HKLM "Software\Kelvane" "InstallDir"
RequestExecutionLevel admin

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kelvane.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "Ukrainian"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvane"
!define APPLICATION_KEY "Software\Classes\Applications\kelvane.exe"

Function .onInit
  SetRegView 64
  SetShellVarContext all
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Kelvane"
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}\*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "Software\Kelvane" "InstallDir" "$INSTDIR"

  CreateShortcut "$SMPROGRAMS\Kelvane.lnk" "$INSTDIR\kelvane.exe"

  ; "Open with": the program as an application that opens .ogg files, without taking the
  ; sounds' default program away from the player the user chose.
  WriteRegStr HKLM "${APPLICATION_KEY}" "FriendlyAppName" "Kelvane"
  WriteRegStr HKLM "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\kelvane.exe" "%1"'
  WriteRegStr HKLM "${APPLICATION_KEY}\SupportedTypes" ".ogg" ""
  WriteRegStr HKLM "Software\Classes\.ogg\OpenWithList\kelvane.exe" "" ""

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Kelvane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Kelvane developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kelvane.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Only the files installed: a folder the user chose may hold files of their own.
  !include "${FILES}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Kelvane.lnk"
  DeleteRegKey HKLM "${APPLICATION_KEY}"
  DeleteRegKey HKLM "Software\Classes\.ogg\OpenWithList\kelvane.exe"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Kelvane"
SectionEnd

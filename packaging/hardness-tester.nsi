; The Windows installer (scripts/build-windows.sh runs makensis on it):
;   makensis -DVERSION=<x.y.z> -DSTAGE=<folder with the programs> -DICON=<.ico> -DSIZE_KB=<n>
;            -DUNINSTALL_LIST=<file of Delete/RMDir lines for the staged files> -DOUTFILE=<setup.exe>
; Installs for every user of the machine into Program Files, with Start-menu entries for the
; program and the demo, its folder on the system PATH (hardness-cli from any command prompt) and
; an uninstaller in Apps & features. /S installs and uninstalls silently.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "WordFunc.nsh"
!include "WinMessages.nsh"

!define PRODUCT "Hardness Tester"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\hardness-tester"
!define ENVIRONMENT_KEY "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

; PATH is read and written whole: a value longer than NSIS strings hold would come back cut
; short, so such a PATH is left alone (hardness-cli.exe is then run by its full path).
!macro EditSystemPath OPERATION
  ReadRegStr $0 HKLM "${ENVIRONMENT_KEY}" "Path"
  StrLen $1 "$0$INSTDIR;"
  IntCmp $1 ${NSIS_MAX_STRLEN} path_too_long_${OPERATION} 0 path_too_long_${OPERATION}
  ${WordAdd} "$0" ";" "${OPERATION}$INSTDIR" $2
  StrCmp $0 $2 path_done_${OPERATION}
  WriteRegExpandStr HKLM "${ENVIRONMENT_KEY}" "Path" "$2"
  SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=2000
  Goto path_done_${OPERATION}
path_too_long_${OPERATION}:
  DetailPrint "PATH is too long to change: run $INSTDIR\hardness-cli.exe by its full path."
path_done_${OPERATION}:
!macroend

Section "Install"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  File "/oname=hardness-tester.ico" "${ICON}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\hardness-tester.exe" "" "$INSTDIR\hardness-tester.ico"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Demo.lnk" "$INSTDIR\hardness-tester-demo.exe" "" "$INSTDIR\hardness-tester.ico"

  !insertmacro EditSystemPath "+"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\hardness-tester.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

; Removes exactly what was installed (the list comes from the staged folder), never the folder's
; other contents: the user's settings and archive live elsewhere and stay.
Section "Uninstall"
  !insertmacro EditSystemPath "-"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Demo.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\hardness-tester.ico"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

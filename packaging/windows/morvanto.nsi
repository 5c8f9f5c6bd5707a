; The setup program: German, 64-bit, into Program Files for every user of the PC, with a
; start menu entry and an optional desktop shortcut. /S installs silently.
; makensis -DVERSION=… -DSTUFE=<staged folder> -DLISTEN=<folder of the file lists>
;          -DAUSGABE=<setup.exe> morvanto.nsi
Unicode true
; Debian's default stub is 32-bit, which a 64-bit-only Windows (and Wine) cannot start.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!define SCHLUESSEL "Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvanto"

Name "Morvanto ${VERSION}"
OutFile "${AUSGABE}"
InstallDir "$PROGRAMFILES64\Morvanto"
InstallDirRegKey HKLM "${SCHLUESSEL}" "InstallLocation"

!define MUI_ICON "${STUFE}\morvanto.ico"
!define MUI_UNICON "${STUFE}\morvanto.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\morvanto.exe"
!define MUI_FINISHPAGE_RUN_PARAMETERS "--menue"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "Morvanto" programm
  SectionIn RO
  !include "${LISTEN}\installieren.nsh"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; From the menu the session files go to Dokumente\Morvanto, as the option says.
  CreateShortcut "$SMPROGRAMS\Morvanto.lnk" "$INSTDIR\morvanto.exe" "--menue" \
    "$INSTDIR\morvanto.ico" 0
  WriteRegStr HKLM "${SCHLUESSEL}" "DisplayName" "Morvanto"
  WriteRegStr HKLM "${SCHLUESSEL}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${SCHLUESSEL}" "DisplayIcon" "$INSTDIR\morvanto.ico"
  WriteRegStr HKLM "${SCHLUESSEL}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${SCHLUESSEL}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${SCHLUESSEL}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${SCHLUESSEL}" "NoModify" 1
  WriteRegDWORD HKLM "${SCHLUESSEL}" "NoRepair" 1
SectionEnd

Section /o "Verknüpfung auf dem Desktop" desktop
  CreateShortcut "$DESKTOP\Morvanto.lnk" "$INSTDIR\morvanto.exe" "--menue" \
    "$INSTDIR\morvanto.ico" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${programm} "Die Bewertungskonsole, die Auswertung und der Videostart."
  !insertmacro MUI_DESCRIPTION_TEXT ${desktop} "Eine Verknüpfung zu Morvanto auf dem Desktop."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Removes what the setup program installed, file by file, and nothing else: session files
; and settings stay, wherever the rater kept them.
Section "Uninstall"
  !include "${LISTEN}\entfernen.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Morvanto.lnk"
  Delete "$DESKTOP\Morvanto.lnk"
  DeleteRegKey HKLM "${SCHLUESSEL}"
SectionEnd

; Zandrel's Windows installer. makensis -DVERSION=... -DSTAGE=<cmake --install prefix>
; -DICON=<zandrel.ico> -DOUTFILE=<setup.exe> zandrel.nsi
;
; Installs for the current user (no administrator rights) into %LOCALAPPDATA%\Programs\Zandrel, with
; a Start-menu entry, an uninstaller and the .mdg file type; /S installs silently, /D=<folder>
; chooses the folder.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "x64.nsh"

!define APP "Zandrel"
!define PROGID "Zandrel.Meldedatei"
!define PROGID_AUS "Zandrel.Ausschreibung"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zandrel"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${APP} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1031 "ProductName" "${APP}"
VIAddVersionKey /LANG=1031 "FileDescription" "${APP} ${VERSION} installieren"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "MIT-Lizenz"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\Zandrel.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Function .onInit
    SetShellVarContext current
    SetRegView 64
FunctionEnd

Function un.onInit
    SetShellVarContext current
    SetRegView 64
FunctionEnd

Section "Zandrel"
    SetOutPath "$INSTDIR"
    File "${STAGE}\LICENSE.txt"
    SetOutPath "$INSTDIR\bin"
    File "${STAGE}\bin\*.exe"
    File "${STAGE}\bin\*.dll"
    File "${STAGE}\bin\qt.conf"
    SetOutPath "$INSTDIR\plugins"
    File /r "${STAGE}\plugins\*.*"
    SetOutPath "$INSTDIR\translations"
    File /r "${STAGE}\translations\*.*"
    SetOutPath "$INSTDIR\share\zandrel"
    File /r "${STAGE}\share\zandrel\*.*"

    CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\bin\Zandrel.exe" "" "$INSTDIR\bin\Zandrel.exe" 0

    ; The entry file type and the organiser's event file: double-click opens them in Zandrel.
    WriteRegStr HKCU "Software\Classes\.mdg" "" "${PROGID}"
    WriteRegStr HKCU "Software\Classes\${PROGID}" "" "Meldedatei"
    WriteRegStr HKCU "Software\Classes\${PROGID}\DefaultIcon" "" '"$INSTDIR\bin\Zandrel.exe",0'
    WriteRegStr HKCU "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\bin\Zandrel.exe" "%1"'
    WriteRegStr HKCU "Software\Classes\.aus" "" "${PROGID_AUS}"
    WriteRegStr HKCU "Software\Classes\${PROGID_AUS}" "" "Zandrel-Ausschreibung"
    WriteRegStr HKCU "Software\Classes\${PROGID_AUS}\DefaultIcon" "" '"$INSTDIR\bin\Zandrel.exe",0'
    WriteRegStr HKCU "Software\Classes\${PROGID_AUS}\shell\open\command" "" '"$INSTDIR\bin\Zandrel.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED

    WriteUninstaller "$INSTDIR\Uninstall.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Zandrel-Entwickler"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\bin\Zandrel.exe",0'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${APP}.lnk"
    ; Only what the installer put there: a user's files in the folder stay.
    RMDir /r "$INSTDIR\bin"
    RMDir /r "$INSTDIR\plugins"
    RMDir /r "$INSTDIR\translations"
    RMDir /r "$INSTDIR\share\zandrel"
    RMDir "$INSTDIR\share"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"

    ; The file type only while it is still ours.
    ReadRegStr $0 HKCU "Software\Classes\.mdg" ""
    StrCmp $0 "${PROGID}" 0 +2
        DeleteRegKey HKCU "Software\Classes\.mdg"
    DeleteRegKey HKCU "Software\Classes\${PROGID}"
    ReadRegStr $0 HKCU "Software\Classes\.aus" ""
    StrCmp $0 "${PROGID_AUS}" 0 +2
        DeleteRegKey HKCU "Software\Classes\.aus"
    DeleteRegKey HKCU "Software\Classes\${PROGID_AUS}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; The program's settings (Software\ZANDREL\Zandrel) stay for a later installation.
SectionEnd

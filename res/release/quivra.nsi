; The per-user installer: no administrator rights, into the user's own
; Programs folder, a Start-menu shortcut and an uninstaller that keeps
; tarv.ini unless asked. makensis -DVERSION=1.23 -DFILES=FILES.NSH -DICON=FILE -DOUTFILE=FILE,
; where FILES.NSH, written from the build's install rules, lists the files.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "${FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quivra"

Name "Quivra ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quivra"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Quivra ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\quivra.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Section "Quivra"
    SetShellVarContext current
    ; Over an older version every file is replaced but tarv.ini, which the installer never ships.
    !insertmacro INSTALL_FILES
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Quivra.lnk" "$INSTDIR\quivra.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quivra"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Orvel"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quivra.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize 0 $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "un.Quivra"
    SectionIn RO
    SetShellVarContext current
    !insertmacro REMOVE_FILES
    Delete "$INSTDIR\uninstall.exe"
    Delete "$SMPROGRAMS\Quivra.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; 忘れないで's 「Windowsの開始時にQuivraを起動する」
    DeleteRegValue HKCU "Software\Microsoft\Windows\CurrentVersion\Run" "Quivra"
SectionEnd

; Off unless the user ticks it, and so off in a silent uninstall.
Section /o "un.設定ファイル（tarv.ini）も削除する" delete_settings
    Delete "$INSTDIR\tarv.ini"
SectionEnd

Section "-un.folder"
    ; Only an empty folder goes: a kept tarv.ini keeps it.
    RMDir "$INSTDIR"
SectionEnd

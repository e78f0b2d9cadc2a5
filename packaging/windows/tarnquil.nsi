; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer of Tarnquil, made by tools/windows with Debian's
; makensis. It is given on the command line:
;   VERSION    the program's version (1.2.0)
;   APPDIR     the deployed folder (tarnquil.exe, Qt's DLLs, plugins, ...)
;   FILES      an include file of the folder's File lines, in install order
;   UNFILES    an include file of the matching Delete and RMDir lines
;   OUTFILE    the setup program to write
;   LICENSE    the licence text shown before installing (CRLF line ends)
;   ICON       the program's .ico, for the installer and uninstaller
; The uninstaller removes exactly the files the installer put down, so a
; folder the user chose that holds other files keeps them.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define APPNAME    "Tarnquil"
!define APPNAME_ZH "航图计算器"
!define PUBLISHER  "Vessoria"
!define WEBSITE    "http://vessoria.example"
!define UNINSTKEY  "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APPNAME}"
!define APPKEY     "Software\${PUBLISHER}\${APPNAME}"
!define ROUTE_ZH   "航线计算"
!define FIX_ZH     "陆标定位"
!define CELESTIAL_ZH "天文航海"
!define PROGID     "Tarnquil.gpx"
; app/windows_process_setup.cpp holds it while the program runs.
!define RUNNING_MUTEX "Local\TarnquilRunning"

Name "${APPNAME_ZH} ${APPNAME} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PUBLISHER} ${APPNAME} ${VERSION}"

; Per machine into Program Files when the user may (administrators are asked
; which), per user into their own programs folder otherwise. /AllUsers and
; /CurrentUser on the command line choose without asking, also with /S.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APPNAME}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${APPKEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallDir"
; The uninstaller learns from this value which of the two it is undoing.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${APPKEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Integration.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\tarnquil.exe"

!insertmacro MUI_PAGE_WELCOME
; The hint under the licence names the button as it is labelled (我接受):
; the language file's own hint says 我同意.
!define MUI_LICENSEPAGE_TEXT_BOTTOM "如果你接受许可证的条款，请点击 [我接受(I)] 继续安装。你必须在接受后才能安装 $(^NameDA)。"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "${APPNAME} ${APPNAME_ZH}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "${APPNAME_ZH} 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "© ${PUBLISHER} 版权所有"

; While Tarnquil runs its files are in use: the installer could not replace
; them, and the uninstaller would leave them behind while removing its entry.
; So both ask the user to close it first (retry or cancel); a silent run
; cannot ask and exits at once with status 2. The text does not quote the
; buttons' labels: Windows writes them in its own display language.
!macro REFUSE_WHILE_RUNNING ACTION
    retry_running:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "${APPNAME_ZH}正在运行。请先关闭它的所有窗口（包括${ROUTE_ZH}、${FIX_ZH}和${CELESTIAL_ZH}），然后重试；或者取消${ACTION}。" \
            /SD IDCANCEL IDRETRY retry_running
        SetErrorLevel 2
        Quit
    ${EndIf}
!macroend

Function .onInit
    !insertmacro REFUSE_WHILE_RUNNING "安装"
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    !insertmacro REFUSE_WHILE_RUNNING "卸载"
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "${APPNAME_ZH}" SecMain
    SectionIn RO
    !include "${FILES}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The Start-menu shortcuts, with the program's own icon: the calculator,
    ; the route window, the fix window and the celestial window.
    CreateShortCut "$SMPROGRAMS\${APPNAME_ZH}.lnk" "$INSTDIR\tarnquil.exe" "" "$INSTDIR\tarnquil.exe" 0
    CreateShortCut "$SMPROGRAMS\${ROUTE_ZH}.lnk" "$INSTDIR\tarnquil.exe" "--route" "$INSTDIR\tarnquil.exe" 0
    CreateShortCut "$SMPROGRAMS\${FIX_ZH}.lnk" "$INSTDIR\tarnquil.exe" "--fix" "$INSTDIR\tarnquil.exe" 0
    CreateShortCut "$SMPROGRAMS\${CELESTIAL_ZH}.lnk" "$INSTDIR\tarnquil.exe" "--celestial" "$INSTDIR\tarnquil.exe" 0

    ; GPX files open in the route window. What .gpx opened with before is
    ; kept, for the uninstaller to give it back.
    ReadRegStr $0 SHCTX "Software\Classes\.gpx" ""
    ${If} $0 != ""
    ${AndIf} $0 != "${PROGID}"
        WriteRegStr SHCTX "${APPKEY}" "PreviousGpxProgID" "$0"
    ${EndIf}
    WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "GPX 航线"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\tarnquil.exe,0"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\tarnquil.exe" --route "%1"'
    WriteRegStr SHCTX "Software\Classes\.gpx" "" "${PROGID}"
    WriteRegNone SHCTX "Software\Classes\.gpx\OpenWithProgids" "${PROGID}"
    ${NotifyShell_AssocChanged}

    WriteRegStr SHCTX "${APPKEY}" "InstallDir" "$INSTDIR"
    WriteRegStr SHCTX "${APPKEY}" "InstallMode" "$MultiUser.InstallMode"

    ; The entry in Windows' list of installed programs.
    WriteRegStr   SHCTX "${UNINSTKEY}" "DisplayName" "${APPNAME_ZH} ${APPNAME}"
    WriteRegStr   SHCTX "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr   SHCTX "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr   SHCTX "${UNINSTKEY}" "URLInfoAbout" "${WEBSITE}"
    WriteRegStr   SHCTX "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\tarnquil.exe,0"
    WriteRegStr   SHCTX "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr   SHCTX "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr   SHCTX "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTKEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTKEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD SHCTX "${UNINSTKEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${APPNAME_ZH}.lnk"
    Delete "$SMPROGRAMS\${ROUTE_ZH}.lnk"
    Delete "$SMPROGRAMS\${FIX_ZH}.lnk"
    Delete "$SMPROGRAMS\${CELESTIAL_ZH}.lnk"
    Call un.removeGpxAssociation
    !include "${UNFILES}"
    Delete "$INSTDIR\uninstall.exe"
    ; Only if empty: files the user put there stay, and so does the folder.
    RMDir "$INSTDIR"

    DeleteRegKey SHCTX "${UNINSTKEY}"
    DeleteRegKey SHCTX "${APPKEY}"
    DeleteRegKey /ifempty SHCTX "Software\${PUBLISHER}"
SectionEnd

; .gpx gets back what it opened with before, but only while it still opens
; with Tarnquil: a choice the user or another program made since stays.
Function un.removeGpxAssociation
    ReadRegStr $0 SHCTX "Software\Classes\.gpx" ""
    ${If} $0 == "${PROGID}"
        ReadRegStr $1 SHCTX "${APPKEY}" "PreviousGpxProgID"
        ${If} $1 == ""
            DeleteRegValue SHCTX "Software\Classes\.gpx" ""
        ${Else}
            WriteRegStr SHCTX "Software\Classes\.gpx" "" "$1"
        ${EndIf}
    ${EndIf}
    DeleteRegValue SHCTX "Software\Classes\.gpx\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.gpx\OpenWithProgids"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.gpx"
    ReadRegStr $0 SHCTX "Software\Classes\${PROGID}\shell\open\command" ""
    ${If} $0 == '"$INSTDIR\tarnquil.exe" --route "%1"'
        DeleteRegKey SHCTX "Software\Classes\${PROGID}"
    ${EndIf}
    ${NotifyShell_AssocChanged}
FunctionEnd

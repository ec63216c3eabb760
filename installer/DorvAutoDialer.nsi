; The installer and uninstaller of Dorv Internet Auto-Dialer, for one user, without administrator
; rights. Built by installer/CMakeLists.txt, which passes:
;   ARCH          x86_64 or i686: the program's architecture (the x86_64 installer is 64-bit too)
;   PROGRAM       the program to install, as it ships
;   ICON          the program's icon file, for the installer and the uninstaller
;   WIZARD_BITMAP the side picture of the first and last pages (164 x 314, BMP)
;   OUTFILE       the installer to write
;   VERSION_FILE  (optional) where to write the version as shown, for the release's file names
; The version comes from the program's own version block.
; Silent mode (/S) installs into the default folder and does not start the program; a silent
; uninstall keeps the settings.

Unicode true
!if "${ARCH}" == "x86_64"
  Target amd64-unicode
!else if "${ARCH}" != "i686"
  !error "ARCH must be x86_64 or i686"
!endif

; Shown as major.minor, with the release and build numbers when they are not 0.
!getdllversion "${PROGRAM}" PROGRAM_VERSION_
!define VERSION_QUAD \
  "${PROGRAM_VERSION_1}.${PROGRAM_VERSION_2}.${PROGRAM_VERSION_3}.${PROGRAM_VERSION_4}"
!if ${PROGRAM_VERSION_4} != 0
  !define VERSION "${VERSION_QUAD}"
!else if ${PROGRAM_VERSION_3} != 0
  !define VERSION "${PROGRAM_VERSION_1}.${PROGRAM_VERSION_2}.${PROGRAM_VERSION_3}"
!else
  !define VERSION "${PROGRAM_VERSION_1}.${PROGRAM_VERSION_2}"
!endif
!ifdef VERSION_FILE
  ; There is no file yet the first time.
  !pragma warning push
  !pragma warning disable 6149
  !delfile /nonfatal "${VERSION_FILE}"
  !pragma warning pop
  !appendfile "${VERSION_FILE}" "${VERSION}"
!endif

!define PRODUCT "Dorv Internet Auto-Dialer"
!define EXE "DorvAutoDialer.exe"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define SETTINGS_KEY "Software\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The program's main window: its class, and the start of its caption (the title, then " v" and the
; version).
!define MAIN_WINDOW_CLASS "TMainFrm"
!define MAIN_WINDOW_TITLE_LENGTH 25
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION} Setup"
UninstallCaption "${PRODUCT} ${VERSION} Uninstall"
BrandingText "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION_QUAD}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "LegalCopyright" ""

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "Setup will install ${PRODUCT} ${VERSION} for your user account; \
no administrator rights are needed.$\r$\n$\r$\nIf ${PRODUCT} is running, Setup closes it first. \
Its settings are kept.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Closes every running copy of the program as its user would, with WM_CLOSE to its main window, so
; that it saves its settings; waits until each process has ended, so that its file can be
; replaced or removed. A copy that does not end is reported, with the choice to try again.
!macro DEFINE_CLOSE_PROGRAM un
Function ${un}CloseProgram
  Push $0
  Push $1
  Push $2
  Push $3
  StrCpy $3 0 ; the window after which the search goes on
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}" "" "" $3
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    System::Call 'user32::GetWindowTextW(p r0, w .r1, i ${NSIS_MAX_STRLEN})'
    StrCpy $1 $1 ${MAIN_WINDOW_TITLE_LENGTH}
    ${If} $1 != "${PRODUCT}"
      ; Another program's window of the same class.
      StrCpy $3 $0
      ${Continue}
    ${EndIf}
    DetailPrint "Closing ${PRODUCT}"
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i 0 r1)'
    ; SYNCHRONIZE: enough to wait for the process.
    System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=10000
    ${If} $2 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p r2, i 10000)'
      System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
    StrCpy $1 1
    IsWindow $0 +2
      StrCpy $1 0
    ${If} $1 == 1
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${PRODUCT} is still running and cannot be closed.$\r$\nClose it, then choose Retry." \
        /SD IDCANCEL IDRETRY +2
        Abort "${PRODUCT} is still running."
    ${EndIf}
    StrCpy $3 0
  ${Loop}
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_PROGRAM ""
!insertmacro DEFINE_CLOSE_PROGRAM "un."

Section "Install"
  SetShellVarContext current
  Call CloseProgram
  SetOutPath "$INSTDIR"
  File "/oname=${EXE}" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes the autorun entry named after the program from one hive's Run key when it starts this
; copy; an entry that starts another copy is left to that copy.
!macro REMOVE_RUN_ENTRY hive
  ReadRegStr $0 ${hive} "${RUN_KEY}" "${PRODUCT}"
  ${If} $0 == "$INSTDIR\${EXE}"
  ${OrIf} $0 == '"$INSTDIR\${EXE}"'
    DeleteRegValue ${hive} "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}
!macroend

Section "Uninstall"
  SetShellVarContext current
  Call un.CloseProgram
  Delete "$INSTDIR\${EXE}"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; Both hives: the program writes for all users when it may, else for its user. Without the
  ; rights to change the machine's key, that removal fails quietly.
  !insertmacro REMOVE_RUN_ENTRY HKCU
  !insertmacro REMOVE_RUN_ENTRY HKLM

  ; The per-user Internet settings ("EnableAutodial", "NoNetAutodial") stay: other programs may
  ; rely on them.
  MessageBox MB_YESNO|MB_ICONQUESTION \
    "Keep the settings of ${PRODUCT} (auto-dial, check interval, window position) for a later installation?" \
    /SD IDYES IDYES keepSettings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey HKLM "${SETTINGS_KEY}"
  keepSettings:
  ClearErrors
SectionEnd

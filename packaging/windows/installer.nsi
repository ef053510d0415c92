; Windows installer of the machine link programs.
; scripts/package defines VERSION, OUTFILE and FILES (a folder of generated
; includes: <section>-install.nsh and <section>-uninstall.nsh per section, from
; the Windows tree's install components), then runs makensis on this file.
; The uninstaller removes what the sections put there and nothing else: logs,
; the user's own files and the loader's settings under HKCU stay.
Unicode true
!include "MUI2.nsh"

!define PRODUCT "Machine link"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\MachineLink"
!define MENU "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "LegalCopyright" ""

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The file slots of diag.exe, naming the sample point files. diag.exe rewrites
; this file on every exit; the uninstaller removes it only while it still says this.
!define DEFAULT_DIA "$INSTDIR\examples\leds_photos.txt$\n$INSTDIR\examples\switches.txt$\n$INSTDIR\examples\encoders.txt$\n"

; Shortcuts and the uninstall entry are for every user of the machine.
Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Diagnosis and board loader (required)" SecPrograms
  SectionIn RO
  ; The optional sections record themselves anew (a reinstall may leave one out).
  DeleteRegValue HKLM "${UNINSTALL_KEY}" "StandIn"
  DeleteRegValue HKLM "${UNINSTALL_KEY}" "Tools"
  !include "${FILES}\win_programs-install.nsh"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "${MENU}"
  CreateShortcut "${MENU}\Diagnosis.lnk" "$INSTDIR\diag.exe"
  CreateShortcut "${MENU}\Board loader.lnk" "$INSTDIR\Velk_KT.exe"
  CreateShortcut "${MENU}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "VELK2 download library (STAND-IN)" SecStandIn
  !include "${FILES}\win_standin-install.nsh"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "StandIn" 1
SectionEnd

Section "Machine simulator, poll tool and samples" SecTools
  !include "${FILES}\win_tools-install.nsh"
  SetOutPath "$INSTDIR"
  IfFileExists "$INSTDIR\default.dia" slots_kept
    FileOpen $0 "$INSTDIR\default.dia" w
    FileWrite $0 "${DEFAULT_DIA}"
    FileClose $0
  slots_kept:
  CreateShortcut "${MENU}\Machine simulator (sample machine on COM2).lnk" "$INSTDIR\sim.exe" \
    '--device COM2 "$INSTDIR\examples\machine.txt"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "Tools" 1
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecPrograms} \
    "diag.exe (diagnosis), Velk_KT.exe (board loader), com.dll, portio.dll, a sample paramcom.txt and a placeholder BOOTSTR.H86."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecStandIn} \
    "A STAND-IN for the VELK2 download library, not the real one: it checks the files a download names and loads nothing into the boards. Leave it out and copy the real VELK2.dll into the folder to load boards."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecTools} \
    "sim.exe (machine simulator), poll.exe (command-line poll client), the sample machine and point files, and diag's file slots naming them."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Removes default.dia only while it holds the slots the installer wrote.
Function un.RemoveUnchangedSlots
  ClearErrors
  FileOpen $0 "$INSTDIR\default.dia" r
  IfErrors done
  StrCpy $1 ""
  read:
    FileRead $0 $2
    IfErrors compare
    StrCpy $1 "$1$2"
    StrLen $3 $1
    IntCmp $3 4000 compare read compare
  compare:
  FileClose $0
  StrCmp $1 "${DEFAULT_DIA}" 0 done
    Delete "$INSTDIR\default.dia"
  done:
FunctionEnd

Section "Uninstall"
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "Tools"
  IntCmp $0 1 0 tools_done tools_done
    Call un.RemoveUnchangedSlots
    !include "${FILES}\win_tools-uninstall.nsh"
    Delete "${MENU}\Machine simulator (sample machine on COM2).lnk"
  tools_done:
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "StandIn"
  IntCmp $0 1 0 standin_done standin_done
    !include "${FILES}\win_standin-uninstall.nsh"
  standin_done:
  !include "${FILES}\win_programs-uninstall.nsh"
  Delete "${MENU}\Diagnosis.lnk"
  Delete "${MENU}\Board loader.lnk"
  Delete "${MENU}\Uninstall ${PRODUCT}.lnk"
  RMDir "${MENU}"
  Delete "$INSTDIR\uninstall.exe"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; Not recursive: a folder still holding the user's files or logs stays.
  RMDir "$INSTDIR"
SectionEnd

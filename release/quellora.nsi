; The Quellora installer: puts the saver where Windows finds it, selects it as
; the user's screen saver, and registers an uninstaller that undoes all of it.
; The build passes VERSION, PUBLISHER, SAVER (the release .scr), ICON and OUTFILE,
; and X64 for the installer of the 64-bit saver (made only for the install tests).
!ifdef X64
  Target amd64-unicode
!else
  Unicode true
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh
!include common.nsh

Name "Quellora"
OutFile "${OUTFILE}"
BrandingText "Quellora ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Quellora"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "Quellora screen saver setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

Var AllUsers       ; 1: installed for every user of the machine
Var ScrPath        ; where quellora.scr goes
Var FolderIsNew    ; 1: this run created the install folder
Var ParentIsNew    ; 1: ... and the folder that holds it (a first per-user program)
Var OldScrPath     ; the saver of an earlier install, "" when there is none
Var OldFolder      ; ... and its folder
Var OldMadeParent  ; ... and 1 when that install made the folder holding it
Var RemoveSettings ; uninstaller: the user ticked "remove my settings"
Var RemoveBox

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!define MUI_FINISHPAGE_RUN "$ScrPath"
!define MUI_FINISHPAGE_RUN_PARAMETERS "/c"
!define MUI_FINISHPAGE_RUN_TEXT "$(OpenSettings)"

; The folder page lets every folder through to its leave function, which says
; what is wrong with one rather than greying out the Install button.
!insertmacro MUI_PAGE_WELCOME
!define MUI_DIRECTORYPAGE_VERIFYONLEAVE
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE FolderPageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.RemovePage un.RemovePageLeave
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"
!include texts.nsh

; --- Installer ---------------------------------------------------------------

Function .onInit
  !insertmacro ChooseLanguage
  UserInfo::GetAccountType
  Pop $0
  ; An elevated run installs for every user, any other for the one who runs it;
  ; /AllUsers and /CurrentUser choose explicitly.
  StrCpy $AllUsers 0
  ${If} $0 == "Admin"
    StrCpy $AllUsers 1
  ${EndIf}
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/CurrentUser" $2
  ${IfNot} ${Errors}
    StrCpy $AllUsers 0
  ${EndIf}
  ClearErrors
  ${GetOptions} $1 "/AllUsers" $2
  ${IfNot} ${Errors}
    ${If} $0 != "Admin"
      MessageBox MB_ICONSTOP "$(NeedsAdministrator)" /SD IDOK
      SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
      Quit
    ${EndIf}
    StrCpy $AllUsers 1
  ${EndIf}

  ${If} $AllUsers = 1
    SetShellVarContext all
!ifdef X64
    ; A 64-bit saver lies in the 64-bit system folder, System32.
    StrCpy $ScrPath "$SYSDIR\quellora.scr"
!else
    ; A 32-bit saver lies in the 32-bit system folder, which a 64-bit Windows
    ; calls SysWOW64: that name is what the system's own programs must read.
    ${If} ${RunningX64}
      StrCpy $ScrPath "$WINDIR\SysWOW64\quellora.scr"
    ${Else}
      StrCpy $ScrPath "$SYSDIR\quellora.scr"
    ${EndIf}
!endif
  ${Else}
    SetShellVarContext current
  ${EndIf}

  ; /D=folder names the folder. The installer's start-up quietly drops a /D
  ; folder it cannot use (one below a file, say) for the default, and hides
  ; /D from $CMDLINE; read from the process's own command line, such a folder
  ; makes the install stop with a message instead.
  System::Call 'kernel32::GetCommandLineW() w .r2'
  ClearErrors
  ${GetOptions} $2 "/D=" $2
  ${IfNot} ${Errors}
  ${AndIf} $2 != ""
    ; A quoted "/D=..." leaves its closing quote on the folder.
    StrCpy $3 $2 1 -1
    ${If} $3 == '"'
      StrCpy $2 $2 -1
    ${EndIf}
    StrCpy $INSTDIR $2
  ${EndIf}
  ; Else an earlier install of the same kind is upgraded in its own folder.
  ${If} $INSTDIR == ""
    ReadRegStr $INSTDIR SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${EndIf}
  ${If} $INSTDIR == ""
    ${If} $AllUsers = 1
!ifdef X64
      StrCpy $INSTDIR "$PROGRAMFILES64\Quellora"
!else
      StrCpy $INSTDIR "$PROGRAMFILES\Quellora"
!endif
    ${Else}
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Quellora"
    ${EndIf}
  ${EndIf}
FunctionEnd

; Stays on the folder page, with a message, when the folder cannot be written
; to or lacks room. A folder this check makes is removed again.
Function FolderPageLeave
  StrCpy $1 0
  StrCpy $2 0
  ${GetParent} "$INSTDIR" $3
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $1 1
  ${EndIf}
  ${IfNot} ${FileExists} "$3\*.*"
    StrCpy $2 1
  ${EndIf}
  ClearErrors
  CreateDirectory "$INSTDIR"
  ${If} ${FileExists} "$INSTDIR\*.*"
    ClearErrors
    FileOpen $0 "$INSTDIR\quellora-write-test.tmp" w
    ${IfNot} ${Errors}
      FileClose $0
      Delete "$INSTDIR\quellora-write-test.tmp"
    ${EndIf}
  ${Else}
    SetErrors
  ${EndIf}
  ${If} $1 = 1
    RMDir "$INSTDIR"
  ${EndIf}
  ${If} $2 = 1
    RMDir "$3"
  ${EndIf}
  ${If} ${Errors}
    MessageBox MB_ICONSTOP "$(CannotWrite)"
    Abort
  ${EndIf}
  GetInstDirError $0
  ${If} $0 = 2
    MessageBox MB_ICONSTOP "$(NoRoom)"
    Abort
  ${EndIf}
FunctionEnd

; Gives up before anything of the system was changed: removes what this run
; wrote (the staged files, the folder if it made it), says why, and ends with 2.
!macro FailIfErrors MESSAGE
  ${If} ${Errors}
    Call CleanUpStaging
    DetailPrint "${MESSAGE}"
    MessageBox MB_ICONSTOP "${MESSAGE}" /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
!macroend

Function CleanUpStaging
  Delete "$ScrPath.new"
  Delete "$INSTDIR\uninstall.exe.new"
  ${If} $FolderIsNew = 1
    RMDir "$INSTDIR"
  ${EndIf}
  ${If} $ParentIsNew = 1
    ${GetParent} "$INSTDIR" $0
    RMDir "$0"
  ${EndIf}
FunctionEnd

Section "Quellora" SectionQuellora
  SectionIn RO
  ${If} $AllUsers = 0
    StrCpy $ScrPath "$INSTDIR\quellora.scr"
  ${EndIf}
  ReadRegStr $OldScrPath SHCTX "${UNINSTALL_KEY}" "ScreenSaverPath"
  ReadRegStr $OldFolder SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegDWORD $OldMadeParent SHCTX "${UNINSTALL_KEY}" "MadeParentFolder"

  ; Files first, under staging names, so that an unwritable folder or a full
  ; disk stops the install with the system untouched.
  StrCpy $FolderIsNew 0
  StrCpy $ParentIsNew 0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $FolderIsNew 1
    ${GetParent} "$INSTDIR" $0
    ${IfNot} ${FileExists} "$0\*.*"
      StrCpy $ParentIsNew 1
    ${EndIf}
  ${EndIf}
  ClearErrors
  CreateDirectory "$INSTDIR"
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    SetErrors
  ${EndIf}
  !insertmacro FailIfErrors "$(CannotWrite)"
  File "/oname=$ScrPath.new" "${SAVER}"
  WriteUninstaller "$INSTDIR\uninstall.exe.new"
  !insertmacro FailIfErrors "$(CannotWrite)"

  ; An upgrade replaces the files in place.
  Delete "$ScrPath"
  Delete "$INSTDIR\uninstall.exe"
  Rename "$ScrPath.new" "$ScrPath"
  Rename "$INSTDIR\uninstall.exe.new" "$INSTDIR\uninstall.exe"
  !insertmacro FailIfErrors "$(CannotReplace)"
  DetailPrint "$ScrPath"

  ; The saver selected until now is remembered for the uninstaller, unless it is
  ; this very one or the earlier install's (an upgrade).
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  !insertmacro IsOurSaver $0 $ScrPath $1
  ${If} $1 = 0
  ${AndIf} $OldScrPath != ""
    !insertmacro IsOurSaver $0 $OldScrPath $1
  ${EndIf}
  ${If} $1 = 0
    DeleteRegValue SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaver"
    DeleteRegValue SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaveActive"
    ClearErrors
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${IfNot} ${Errors}
      WriteRegStr SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaver" "$0"
    ${EndIf}
    ClearErrors
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
    ${IfNot} ${Errors}
      WriteRegStr SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaveActive" "$0"
    ${EndIf}
  ${EndIf}

  ; Selected for the user who installs it; the system hears of it at once. The
  ; short form of the path has no blanks for the system to split it at.
  GetFullPathName /SHORT $0 "$ScrPath"
  ${If} $0 == ""
    StrCpy $0 "$ScrPath"
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$0"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_SEND})'

  ; An upgrade into another folder takes the earlier files away, so that the
  ; entry below names the only copy.
  ${If} $OldScrPath != ""
  ${AndIf} $OldScrPath != $ScrPath
    Delete /REBOOTOK "$OldScrPath"
  ${EndIf}
  ${If} $OldFolder != ""
  ${AndIf} $OldFolder != $INSTDIR
    Delete "$OldFolder\uninstall.exe"
    RMDir "$OldFolder"
    ${If} $OldMadeParent = 1
      ${GetParent} "$OldFolder" $0
      RMDir "$0"
    ${EndIf}
  ${EndIf}

  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\Quellora.lnk" "$ScrPath" "/c" "$ScrPath" 0 SW_SHOWNORMAL "" "$(ShortcutDescription)"

  ; The entry in the list of installed programs.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Quellora"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$ScrPath,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "ScreenSaverPath" "$ScrPath"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ; An upgrade in place keeps what the first install made.
  ${If} $OldFolder == $INSTDIR
  ${AndIf} $OldMadeParent = 1
    StrCpy $ParentIsNew 1
  ${EndIf}
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "MadeParentFolder" $ParentIsNew
  !insertmacro FileKilobytes "$ScrPath" $0
  !insertmacro FileKilobytes "$INSTDIR\uninstall.exe" $1
  IntOp $0 $0 + $1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; --- Uninstaller -------------------------------------------------------------

Function un.onInit
  !insertmacro ChooseLanguage
  ; The all-users install is the one whose entry under HKLM names this folder.
  StrCpy $AllUsers 0
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      MessageBox MB_ICONSTOP "$(NeedsAdministrator)" /SD IDOK
      SetErrorLevel 740
      Quit
    ${EndIf}
    StrCpy $AllUsers 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
  ReadRegStr $ScrPath SHCTX "${UNINSTALL_KEY}" "ScreenSaverPath"
  ${If} $ScrPath == ""
    StrCpy $ScrPath "$INSTDIR\quellora.scr"
  ${EndIf}
  StrCpy $RemoveSettings 0
FunctionEnd

; One page: what goes, and the choice to remove the settings too. The box has
; the focus, so Space ticks it and Enter goes on.
Function un.RemovePage
  !insertmacro MUI_HEADER_TEXT "$(RemoveTitle)" "$(RemoveSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 36u "$(RemoveText)"
  Pop $0
  ${NSD_CreateCheckbox} 0 44u 100% 12u "$(RemoveSettingsBox)"
  Pop $RemoveBox
  ${NSD_SetFocus} $RemoveBox
  GetDlgItem $0 $HWNDPARENT 1
  SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
  nsDialogs::Show
FunctionEnd

Function un.RemovePageLeave
  ${NSD_GetState} $RemoveBox $0
  ${If} $0 = ${BST_CHECKED}
    StrCpy $RemoveSettings 1
  ${EndIf}
FunctionEnd

Section "un.Quellora"
  ; The previous saver comes back only while Quellora is still the selected one.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  !insertmacro IsOurSaver $0 $ScrPath $1
  ${If} $1 = 1
    ClearErrors
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaver"
    ${If} ${Errors}
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${Else}
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$0"
    ${EndIf}
    ClearErrors
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaveActive"
    ${If} ${Errors}
      DeleteRegValue HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
      StrCpy $0 0
    ${Else}
      WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "$0"
    ${EndIf}
    ${If} $0 != 1
      StrCpy $0 0
    ${EndIf}
    ; Told without writing: the values above are already what they should be.
    System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i r0, p 0, i ${SPIF_SENDCHANGE})'
  ${EndIf}

  Delete /REBOOTOK "$ScrPath"
  Delete "$SMPROGRAMS\Quellora.lnk"
  Delete "$INSTDIR\uninstall.exe"
  ReadRegDWORD $0 SHCTX "${UNINSTALL_KEY}" "MadeParentFolder"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  SetOutPath "$TEMP"
  RMDir "$INSTDIR"
  ${If} $0 = 1
    ${GetParent} "$INSTDIR" $0
    RMDir "$0"
  ${EndIf}

  ; The user's own settings stay unless asked for; a silent uninstall keeps them.
  ${If} $RemoveSettings = 1
    DeleteRegKey HKCU "Software\Quellora"
  ${EndIf}

  ; This uninstaller runs as a copy in the temporary folder, which cannot
  ; delete itself while it runs: the system removes it at the next start.
  Delete /REBOOTOK "$EXEPATH"
  RMDir /REBOOTOK "$EXEDIR"
SectionEnd

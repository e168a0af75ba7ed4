; What the installer and the uninstaller share: registry places, system
; constants, the language rule and the test for "this saver is ours".
!include nsDialogs.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellora"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_SENDCHANGE 2
!define SPIF_UPDATE_AND_SEND 3 ; SPIF_UPDATEINIFILE | SPIF_SENDCHANGE

; Russian when the English name of the system's default language is Russian,
; Belarusian or Ukrainian, the rule the saver itself follows; else English.
!macro ChooseLanguage
  System::Call 'kernel32::GetLocaleInfoW(i 0x0800, i 0x1001, w .r1, i 19) i .r0'
  ${If} $0 <= 0
    StrCpy $1 ""
  ${EndIf}
  StrCpy $LANGUAGE ${LANG_ENGLISH}
  ${If} $1 S== "Russian"
  ${OrIf} $1 S== "Belarusian"
  ${OrIf} $1 S== "Ukrainian"
    StrCpy $LANGUAGE ${LANG_RUSSIAN}
  ${EndIf}
!macroend

; OUT := 1 when the saver path PATH (as stored under SCRNSAVE.EXE, short or
; long, any case) names the file OURS, else 0.
!macro IsOurSaver PATH OURS OUT
  StrCpy ${OUT} 0
  ${If} ${PATH} != ""
    ${If} ${PATH} == ${OURS}
      StrCpy ${OUT} 1
    ${Else}
      GetFullPathName /SHORT $R8 "${PATH}"
      GetFullPathName /SHORT $R9 "${OURS}"
      ${If} $R8 != ""
      ${AndIf} $R8 == $R9
        StrCpy ${OUT} 1
      ${EndIf}
    ${EndIf}
  ${EndIf}
!macroend

; OUT := the size of FILE in kilobytes, rounded up (0 when it cannot be read).
!macro FileKilobytes FILE OUT
  StrCpy ${OUT} 0
  ClearErrors
  FileOpen $R9 "${FILE}" r
  ${IfNot} ${Errors}
    FileSeek $R9 0 END ${OUT}
    FileClose $R9
    IntOp ${OUT} ${OUT} + 1023
    IntOp ${OUT} ${OUT} / 1024
  ${EndIf}
!macroend

# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

; The Korvane installer for 64-bit Windows 10 and 11: for the current user, without
; administrator rights, with a Start-menu folder (the program, and the teacher's guide and the
; worksheet in the user's language), an entry in "Apps and features" and an uninstaller that
; leaves nothing behind. /S installs (and uninstalls) silently.
;
; tools/dev windows calls it as
;   makensis -DVERSION=<version> -DSTAGE=<folder of the program> -DFILES=<file list>
;            -DICON=<korvane.ico> -DOUTFILE=<setup.exe> korvane.nsi
; where the file list holds one "Delete" line per installed file and one "RMDir" line per
; folder, deepest first, so that the uninstaller removes exactly what was installed.

Unicode true
; A 64-bit installer: 32-bit Windows refuses to start it with its own message, that the file
; is not compatible with this version of Windows.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include WinVer.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvane"

Name "Korvane"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Korvane"
BrandingText "Korvane ${VERSION}"
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
!insertmacro MUI_LANGUAGE "PortugueseBR"

LangString NeedsWindows10 ${LANG_ENGLISH} "Korvane needs 64-bit Windows 10 or 11."
LangString NeedsWindows10 ${LANG_GERMAN} "Korvane braucht Windows 10 oder 11 in 64 Bit."
LangString NeedsWindows10 ${LANG_FRENCH} "Korvane nécessite Windows 10 ou 11 en 64 bits."
LangString NeedsWindows10 ${LANG_SPANISH} "Korvane necesita Windows 10 u 11 de 64 bits."
LangString NeedsWindows10 ${LANG_PORTUGUESEBR} "O Korvane precisa do Windows 10 ou 11 de 64 bits."

; The lesson documents in the installer's language (docs\<language>\*.pdf in the stage).
LangString DocLanguage ${LANG_ENGLISH} "en"
LangString DocLanguage ${LANG_GERMAN} "de"
LangString DocLanguage ${LANG_FRENCH} "fr"
LangString DocLanguage ${LANG_SPANISH} "es"
LangString DocLanguage ${LANG_PORTUGUESEBR} "pt_BR"
LangString TeachersGuide ${LANG_ENGLISH} "Teacher's guide"
LangString TeachersGuide ${LANG_GERMAN} "Leitfaden für Lehrkräfte"
LangString TeachersGuide ${LANG_FRENCH} "Guide de l’enseignant"
LangString TeachersGuide ${LANG_SPANISH} "Guía del profesor"
LangString TeachersGuide ${LANG_PORTUGUESEBR} "Guia do professor"
LangString Worksheet ${LANG_ENGLISH} "Worksheet"
LangString Worksheet ${LANG_GERMAN} "Arbeitsblatt"
LangString Worksheet ${LANG_FRENCH} "Fiche de travail"
LangString Worksheet ${LANG_SPANISH} "Hoja de trabajo"
LangString Worksheet ${LANG_PORTUGUESEBR} "Folha de atividades"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Korvane"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Korvane ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Free software under GPL-3.0-or-later"

Function .onInit
    SetShellVarContext current
    ; Qt 6 runs on Windows 10 and later only.
    ${IfNot} ${AtLeastWin10}
        MessageBox MB_OK|MB_ICONSTOP "$(NeedsWindows10)" /SD IDOK
        Abort
    ${EndIf}
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateDirectory "$SMPROGRAMS\Korvane"
    CreateShortCut "$SMPROGRAMS\Korvane\Korvane.lnk" "$INSTDIR\korvane.exe" "" \
        "$INSTDIR\korvane.exe" 0
    CreateShortCut "$SMPROGRAMS\Korvane\$(TeachersGuide).lnk" \
        "$INSTDIR\docs\$(DocLanguage)\teaching.pdf"
    CreateShortCut "$SMPROGRAMS\Korvane\$(Worksheet).lnk" \
        "$INSTDIR\docs\$(DocLanguage)\worksheet.pdf"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Korvane"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\korvane.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Korvane"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    ; Every entry of the folder, whatever language the installer spoke.
    Delete "$SMPROGRAMS\Korvane\*.lnk"
    RMDir "$SMPROGRAMS\Korvane"
    ; Only what was installed, so that a folder chosen by hand keeps the user's own files.
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

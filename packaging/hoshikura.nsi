; The Hoshikura installer, in Japanese. Built by the target "release"
; (packaging/CMakeLists.txt) with makensis -INPUTCHARSET UTF8 and
;   VERSION    the project version, e.g. 3.1.0
;   TARGET     amd64-unicode (the main release) or x86-unicode (32-bit Windows)
;   STAGE      the directory holding the release files
;   FILES_NSH  the generated list of those files (ForEachReleaseFile)
;   ICON       the program's icon
;   OUTFILE    the installer to write
;
; It installs for the current user only: the program keeps its lists under
; HKEY_CURRENT_USER, so the uninstaller that offers to remove them must run
; as that same user, and nothing here needs administrator rights.

Target ${TARGET}
!include "MUI2.nsh"
!include "${FILES_NSH}"

SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "Hoshikura"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define STORE_KEY "Software\${PRODUCT}"
!define UNINSTALLER "Uninstall.exe"
!define MENU_DIR "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Hoshikura.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\readme.txt"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "${PRODUCT} ${VERSION} セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "licence.txt を参照"

!macro InstallReleaseFile NAME
  File "${STAGE}/${NAME}"
!macroend
!macro RemoveReleaseFile NAME
  Delete "$INSTDIR\${NAME}"
!macroend

Section
  ; The shortcuts start in $OUTDIR: the program opens its help file by a
  ; relative name, so it must run in the folder that holds it.
  SetOutPath "$INSTDIR"
  !insertmacro ForEachReleaseFile InstallReleaseFile
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateDirectory "${MENU_DIR}"
  CreateShortcut "${MENU_DIR}\${PRODUCT}.lnk" "$INSTDIR\Hoshikura.exe" "" "$INSTDIR\Hoshikura.exe" 0
  CreateShortcut "${MENU_DIR}\${PRODUCT} ヘルプ.lnk" "$INSTDIR\Hoshikura.chm"
  CreateShortcut "${MENU_DIR}\${PRODUCT} のアンインストール.lnk" "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Hoshikura.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Only what the installer put there: a folder the user chose may hold
  ; other files, and it stays when it is not empty.
  !insertmacro ForEachReleaseFile RemoveReleaseFile
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  Delete "${MENU_DIR}\${PRODUCT}.lnk"
  Delete "${MENU_DIR}\${PRODUCT} ヘルプ.lnk"
  Delete "${MENU_DIR}\${PRODUCT} のアンインストール.lnk"
  RMDir "${MENU_DIR}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; The stored lists are the user's data: kept unless the user says so,
  ; and always kept by a silent uninstall.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "保存されている Best10・Worst10 と最近占った人の一覧も削除しますか？$\r$\n(HKEY_CURRENT_USER\${STORE_KEY})" \
    /SD IDNO IDNO keep_lists
  DeleteRegKey HKCU "${STORE_KEY}"
  keep_lists:
SectionEnd

#!/usr/bin/env bash
# installer_contents.sh BUILD_DIR INSTALLER ZIP VERSION FILES...
#
# The 32-bit (x86) release cannot run here: builds the target release
# of the i686 build, lists the installer with 7z and checks that it is a
# 32-bit Unicode NSIS installer holding exactly the release files and the
# uninstaller, byte for byte the files of the zip, and that the program in
# it is 32-bit and carries the version in its manifest and version resource,
# and that the texts are Shift-JIS with CRLF line ends.
set -uo pipefail
build=$1 installer=$2 zip=$3 version=$4
shift 4
files=("$@")

# The first value of a field of a Windows program's headers, as 7z reads them.
pe_field() { 7z l -slt -tPE "$1" 2>/dev/null | sed -n "s/^$2 = //p" | head -n1; }
is_32bit_gui() { [ "$(pe_field "$1" CPU)" = x86 ] && [ "$(pe_field "$1" Subsystem)" = "Windows GUI" ]; }

command -v 7z >/dev/null || { echo "FAIL: 7z not found (Debian package p7zip-full)"; exit 1; }
# shellcheck source=release_unpacked.sh
source "$(dirname "$0")/release_unpacked.sh"
listing=$(7z l -slt "$installer") || fail "7z cannot read $installer"
grep -qx 'SubType = NSIS-3 Unicode' <<<"$listing" || fail "not a Unicode NSIS installer"
is_32bit_gui "$installer" || fail "the installer is not a 32-bit Windows program"

# The entries outside the plug-in folder: the release files and Uninstall.exe.
# (7z -slt lists the archive itself above the line of dashes.)
entries=$(sed -n '/^----------$/,$ s/^Path = //p' <<<"$listing" | grep -v '^\$PLUGINSDIR/' | sort)
expected=$(printf '%s\n' "${files[@]}" Uninstall.exe | sort)
[ "$entries" = "$expected" ] || fail "installer holds: $(echo $entries), expected: $(echo $expected)"
echo "installer holds: $(echo $entries)"

7z x -y -o"$work/installer" "$installer" "${files[@]}" >/dev/null || fail "cannot extract"
[ "$(ls "$unpacked" | sort)" = "$(printf '%s\n' "${files[@]}" | sort)" ] || fail "zip holds: $(ls "$unpacked")"
for f in "${files[@]}"; do
  cmp -s "$work/installer/$f" "$unpacked/$f" || fail "$f differs between installer and zip"
done

program="$unpacked/Hoshikura.exe"
is_32bit_gui "$program" || fail "the program is not a 32-bit Windows program"
pe=$(7z l "$program" 2>&1) || fail "7z cannot read the program: $pe"
grep -q WARNING <<<"$pe" && fail "the program's headers are faulty: $(grep WARNING <<<"$pe")"
7z x -so "$program" .rsrc/MANIFEST/1 2>/dev/null | holds "version=\"$version.0\"" ||
  fail "manifest does not carry $version.0"
7z x -so "$program" .rsrc/version.txt 2>/dev/null | tr -d '\0' | holds "ProductVersion.*$version" ||
  fail "version resource does not carry $version"
# The texts are for Windows editors: Shift-JIS with CRLF line ends.
for f in readme.txt licence.txt; do
  iconv -f CP932 -t UTF-8 "$unpacked/$f" 2>/dev/null | holds 'Hoshikura' || fail "$f is not Shift-JIS"
  [ "$(grep -c $'\r$' "$unpacked/$f")" -eq "$(wc -l < "$unpacked/$f")" ] || fail "$f has lines without CR"
done
iconv -f CP932 -t UTF-8 "$unpacked/readme.txt" | holds "^Hoshikura $version  姓名判断" ||
  fail "readme.txt does not name version $version"
echo "32-bit installer and zip hold the same files, version $version"

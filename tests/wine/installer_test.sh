#!/usr/bin/env bash
# installer_test.sh BUILD_DIR INSTALLER ZIP VERSION PROBE EMULATOR FILES...
#
# Builds the target release of the x86_64 build and, under wine, installs
# the installer silently into a folder with a blank in its name on drive C:
# of the prefix, checks the installed files against the zip, the Start menu
# shortcuts and the uninstall entry, starts the installed program until its
# frame shows, uninstalls silently (the stored lists stay) and checks that
# everything is gone; then installs again and uninstalls answering Yes,
# which removes the stored lists. Needs makensis, an X display and a wine
# prefix (WINEPREFIX or ~/.wine); fails when any is missing.
set -uo pipefail
build=$1 installer=$2 zip=$3 version=$4 probe=$5 emulator=${6:-wine}
shift 6
files=("$@")
prefix=${WINEPREFIX:-$HOME/.wine}
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Hoshikura'
store_key='HKCU\Software\Hoshikura'

step() { echo "== $* (at ${SECONDS}s)"; }
windows_path() { echo "Z:${1//\//\\}"; }
has_key() { "$emulator" reg query "$1" >/dev/null 2>&1; }
shortcuts() { find "$prefix/drive_c/users" -path '*/Programs/Hoshikura/*.lnk' 2>/dev/null; }

step "target release"
# shellcheck source=release_unpacked.sh
source "$(dirname "$0")/release_unpacked.sh"
[ -n "${DISPLAY:-}" ] || fail "no X display for the program's frame"
# A leftover installation would answer for this one.
[ -z "$(shortcuts)" ] && ! has_key "$uninstall_key" || fail "Hoshikura is already installed in $prefix"
# The installation goes to drive C: of the prefix.
target=$(mktemp -d "$prefix/drive_c/hoshikura-installer.XXXXXX") || fail "no wine prefix at $prefix"
trap 'rm -rf "$work" "$target"' EXIT
dir="$target/Program Files/Hoshikura"
win_dir="C:\\$(basename "$target")\\Program Files\\Hoshikura"

install_silently() {
  "$emulator" "$probe" install "$(windows_path "$installer")" "$win_dir" || fail "silent install failed"
}

# Every release file installed, byte for byte the zip's, and nothing else.
check_installed() {
  local f
  for f in "${files[@]}"; do
    cmp -s "$unpacked/$f" "$dir/$f" || fail "$f not installed as in the zip"
  done
  [ -f "$dir/Uninstall.exe" ] || fail "no uninstaller"
  [ "$(ls "$dir" | wc -l)" -eq $((${#files[@]} + 1)) ] || fail "unexpected files: $(ls "$dir")"
  echo "installed: $(ls "$dir" | tr '\n' ' ')"
}

step "silent install into $win_dir"
install_silently
check_installed
[ "$(shortcuts | wc -l)" -eq 3 ] || fail "Start menu shortcuts: $(shortcuts)"
shortcuts | holds '/Hoshikura\.lnk$' || fail "no Start menu shortcut Hoshikura.lnk"
"$emulator" reg query "$uninstall_key" /v DisplayVersion 2>/dev/null | holds "$version" ||
  fail "no uninstall entry for $version"

step "start the installed program"
# From no stored lists, so that the program's own saving is what is seen.
"$emulator" reg delete "$store_key" /f >/dev/null 2>&1
"$emulator" "$probe" start "$win_dir\\Hoshikura.exe" || fail "the installed program did not show its frame"
has_key "$store_key" || fail "the program stored no lists"

step "silent uninstall"
# The uninstaller copies itself to the temporary folder and returns at
# once; the copy removes the files.
"$emulator" "$dir/Uninstall.exe" /S || fail "silent uninstall failed to start"
for _ in $(seq 100); do
  [ -e "$dir" ] || break
  sleep 0.2
done
[ -e "$dir" ] && fail "left behind: $(ls -A "$dir")"
[ -z "$(shortcuts)" ] || fail "shortcuts left: $(shortcuts)"
has_key "$uninstall_key" && fail "uninstall entry left"
has_key "$store_key" || fail "a silent uninstall removed the stored lists"

step "install again, uninstall answering Yes"
install_silently
check_installed
"$emulator" "$probe" uninstall-yes "$win_dir\\Uninstall.exe" "$win_dir" || fail "interactive uninstall"
has_key "$store_key" && fail "the stored lists were kept after Yes"
# Run in place, the uninstaller cannot delete itself; the rest is gone.
for f in "${files[@]}"; do
  [ -e "$dir/$f" ] && fail "$f left behind"
done
[ -z "$(shortcuts)" ] || fail "shortcuts left: $(shortcuts)"
echo "installer test passed in ${SECONDS}s"

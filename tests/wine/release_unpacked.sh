# Sourced by the installer checks, with build, installer and zip set: the
# helpers they share, target release built and its zip unpacked, the files
# in $unpacked below the scratch folder $work (removed on exit).
fail() { echo "FAIL: $*"; exit 1; }
# grep -q of a pipe that reads all of it: no SIGPIPE for the writer under pipefail.
holds() { grep -c "$@" >/dev/null; }

command -v makensis >/dev/null || fail "makensis not found (Debian package nsis)"
cmake --build "$build" --target release >/dev/null || fail "target release did not build"
[ -f "$installer" ] && [ -f "$zip" ] || fail "release did not write $installer and $zip"
work=$(mktemp -d /tmp/hoshikura-release.XXXXXX)
trap 'rm -rf "$work"' EXIT
cmake -E chdir "$work" cmake -E tar xf "$zip" || fail "cannot unpack $zip"
unpacked="$work/$(basename "$zip" .zip)"

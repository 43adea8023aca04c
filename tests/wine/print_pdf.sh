#!/usr/bin/env bash
# Prints a judgement and a comparison of candidates for real: starts a
# private CUPS scheduler with a PDF printer (cups-pdf) as wine's default
# printer, runs the printing tests of gui_tests.exe under wine, checks each
# PDF (one page, "TEST PRINT", a Japanese font embedded) and turns it into a
# picture. Then makes the queue refuse jobs and checks that printing reports
# the failure.
# Fails, never skips, when anything it needs is missing or cupsd won't start.
#
# usage: print_pdf.sh GUI_TESTS_EXE [ARTEFACT_DIR]
set -euo pipefail

fail() { echo "print_pdf: $*" >&2; exit 1; }

[ $# -ge 1 ] || fail "usage: print_pdf.sh GUI_TESTS_EXE [ARTEFACT_DIR]"
exe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
[ -f "$exe" ] || fail "no test program $1"
artefacts="${2:-$(dirname "$exe")/artefacts}"
mkdir -p "$artefacts"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

for tool in /usr/sbin/cupsd lpadmin lpstat cupsreject pdfinfo pdffonts pdftoppm wine Xvfb \
  /usr/lib/cups/backend/cups-pdf; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || fail "$ppd is missing (package printer-driver-cups-pdf)"

work="$(mktemp -d /tmp/hoshikura-print.XXXXXX)"
cupsd_pid=""
pdf_dir_made=""
cleanup() {
  set +e
  [ -z "$pdf_dir_made" ] || rmdir "$pdf_dir_made" 2>/dev/null
  [ "${WINEPREFIX:-}" != "$work/wine" ] || wine_env_stop
  [ -z "$cupsd_pid" ] || { kill "$cupsd_pid"; wait "$cupsd_pid"; } 2>/dev/null
  ! declare -F xvfb_stop >/dev/null || xvfb_stop
  rm -rf "$work"
}
trap cleanup EXIT

# --- a scheduler of our own: its files under $work, listening on a socket
# there, so the machine's own CUPS (if any) is left alone.
# Filters run as lp: the directories must let them in.
chmod 755 "$work"
mkdir -p "$work"/{etc/ppd,spool,cache,state,log,tmp}
chmod 1777 "$work/tmp"
cat >"$work/etc/cups-files.conf" <<EOF
ServerRoot $work/etc
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
Printcap $work/printcap
SystemGroup root
FileDevice No
EOF
cat >"$work/etc/cupsd.conf" <<EOF
Listen $work/cups.sock
LogLevel info
WebInterface No
Browsing Off
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
EOF
export CUPS_SERVER="$work/cups.sock"
/usr/sbin/cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
# Waits up to 30 s for a condition.
await() { for _ in $(seq 150); do "$@" && return; sleep 0.2; done; "$@"; }
cupsd_runs() { kill -0 "$cupsd_pid" 2>/dev/null && LC_ALL=C lpstat -r 2>/dev/null | grep -q "is running"; }
await cupsd_runs || { cat "$work/log/"* >&2; fail "cupsd does not answer on $CUPS_SERVER"; }

queue=HoshikuraPDF
lpadmin -p "$queue" -v cups-pdf:/ -E -P "$ppd" 2>/dev/null && lpadmin -d "$queue" ||
  fail "cannot add the PDF printer as the default"

# cups-pdf writes to ~/PDF of the job's user, here the user running this.
pdf_dir="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
[ -d "$pdf_dir" ] || pdf_dir_made="$pdf_dir"
touch "$work/started"

# --- wine: a prefix of its own (it learns the printers when it boots) and
# an X display (ours unless the caller has one).
# shellcheck source=../../scripts/xvfb-env.sh
[ -n "${DISPLAY:-}" ] || source "$root/scripts/xvfb-env.sh"
export WINEPREFIX="$work/wine"
# shellcheck source=../../scripts/wine-env.sh
source "$root/scripts/wine-env.sh" </dev/null

# run_print_tests PRINTER_STATE TEST_NAME
run_print_tests() {
  local log="$work/gui_tests_$1_$2.txt" rc=0
  (cd "$(dirname "$exe")" && HOSHIKURA_PRINTER="$1" \
     wine "$exe" --gtest_filter="PrintPageTest.$2" >"$log" 2>&1 </dev/null) || rc=$?
  iconv -f CP932 -t UTF-8 "$log" || cat "$log"
  [ "$rc" -eq 0 ] || fail "the printing test $2 failed with the printer $1"
}
printed() { find "$pdf_dir" -maxdepth 1 -name 'TEST_PRINT*.pdf' -newer "$work/started" 2>/dev/null; }

no_jobs() { [ -z "$(LC_ALL=C lpstat -o 2>/dev/null)" ]; }
# print_one TEST_NAME ARTEFACT: prints, waits for the scheduler to finish the
# job, and checks the PDF: one page, the document's name, a Japanese font
# embedded. cups-pdf names every job's file by the document's name, so each
# is moved away before the next job.
print_one() {
  run_print_tests accepting "$1"
  await no_jobs || fail "the print job of $1 did not finish"
  pdf="$(printed | head -n 1)"
  [ -n "$pdf" ] || { grep -i 'job' "$work/log/error_log" | tail -n 20 >&2 || true; fail "no PDF arrived in $pdf_dir"; }
  mv "$pdf" "$artefacts/$2.pdf"
  pdf="$artefacts/$2.pdf"
  local info fonts
  info="$(LC_ALL=C pdfinfo "$pdf")"
  echo "$info" | grep -E '^(Title|Pages|Page size):'
  echo "$info" | grep -Eq '^Pages: +1$' || fail "$2.pdf does not have exactly one page"
  echo "$info" | grep -Eq '^Title: +TEST PRINT$' || fail "$2.pdf is not named TEST PRINT"
  fonts="$(LC_ALL=C pdffonts "$pdf")"
  echo "$fonts"
  # Columns: name, type (one or two words), encoding, emb, sub, uni, object, generation.
  echo "$fonts" | tail -n +3 | awk '$(NF-4) == "yes"' | grep -Eiq 'IPA|Mincho|Gothic|Japan' \
    || fail "no Japanese font is embedded in $2.pdf"
  pdftoppm -r 60 -png -singlefile "$pdf" "$artefacts/$2"
  [ -s "$artefacts/$2.png" ] || fail "pdftoppm made no picture of $2.pdf"
}

print_one 'TheDefaultPrinterPrintsOrSays*' print_judgement
pdftoppm -r 150 -gray -singlefile "$artefacts/print_judgement.pdf" "$work/page"
python3 "$here/printed_faces.py" "$work/page.pgm" "$(dirname "$exe")/artefacts/printed_faces.txt" ||
  fail "the printed faces are wrong"
print_one TheDefaultPrinterPrintsTheComparison print_comparison_pdf

# --- a queue that refuses jobs: printing must say it failed.
cupsreject "$queue"
run_print_tests refusing 'TheDefaultPrinterPrintsOrSays*'
[ -z "$(printed)" ] || { printed | xargs rm -f; fail "the refused job still produced a PDF"; }

echo "print_pdf: ok: $artefacts/print_judgement.pdf and print_comparison_pdf.pdf, pictures beside them"

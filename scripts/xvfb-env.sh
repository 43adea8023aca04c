# Sourced: starts a private Xvfb screen (XVFB_SCREEN, 1024x768x24 unless
# set) for the window tests and exports
# DISPLAY; fails the run when the server does not come up. Call xvfb_stop.
xvfb_number_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp 3>"$xvfb_number_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
  [ -s "$xvfb_number_file" ] && break
  sleep 0.1
done
if [ ! -s "$xvfb_number_file" ]; then
  echo "Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$xvfb_number_file")"
rm -f "$xvfb_number_file"
xvfb_stop() { kill "$xvfb_pid" 2>/dev/null || true; }

# Sourced: a private wine prefix with the Japanese locale and one wineserver
# kept alive for the whole run. Call wine_env_stop when done.
export WINEPREFIX="${WINEPREFIX:-$(mktemp -d /tmp/hoshikura-wine.XXXXXX)}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
fi
wineserver -p 2>/dev/null || true
wine_env_stop() { wineserver -k 2>/dev/null || true; }

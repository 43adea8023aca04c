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

# Without a window manager on the X server wine draws the window frames
# itself; the program's generic Japanese faces map to the IPA fonts.
if [ ! -f "$WINEPREFIX/.hoshikura-configured" ]; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  wine reg add "$substitutes" /v "標準明朝" /d "IPA明朝" /f >/dev/null 2>&1
  wine reg add "$substitutes" /v "標準ゴシック" /d "IPAゴシック" /f >/dev/null 2>&1
  wine reg add "$substitutes" /v "ＭＳ Ｐゴシック" /d "IPA Pゴシック" /f >/dev/null 2>&1
  wine reg add "$substitutes" /v "MS Pゴシック" /d "IPA Pゴシック" /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' /v "Marlett (TrueType)" \
    /d 'Z:\usr\share\wine\fonts\marlett.ttf' /f >/dev/null 2>&1
  touch "$WINEPREFIX/.hoshikura-configured"
fi
wine_env_stop() { wineserver -k 2>/dev/null || true; }

# Sourced by the test and run commands: the Wine environment every Windows program of the kit
# runs in. Everything lives below TORVEK_WINE_ROOT (default build/wine): the private zh_CN
# locale, the prefixes and the X display's socket directory, so nothing outside the build
# tree is touched, but for the unprivileged user's home (below).
#
#   torvek_wine_prepare   make the locale and the prefixes that are missing
#   torvek_wine_start     start Xvfb (when there is no display) and a persistent wineserver
#   torvek_wine_stop      stop what torvek_wine_start started
#
# Prefixes:
#   $WINEPREFIX             64-bit Windows; a 32-bit program sees HKLM\SOFTWARE through
#                           Wow6432Node, as SetUp does on every machine it meets
#   $TORVEK_WINE32_PREFIX   32-bit Windows (WINEARCH=win32): registry paths read as written
#   $TORVEK_WINE_USER_PREFIX  owned by the unprivileged $TORVEK_WINE_USER, only when we are
#                           root: as root Wine ignores the read-only attribute. That user may
#                           not be able to enter the checkout (below /root, or a mode-700
#                           folder), so what its Wine reads lives in its own home: the prefix,
#                           a copy of the locale ($TORVEK_WINE_USER_LOCPATH) and the settings.

torvek_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export TORVEK_WINE_ROOT=${TORVEK_WINE_ROOT:-$torvek_repo/build/wine}
export LOCPATH=$TORVEK_WINE_ROOT/locale
export LANG=zh_CN.UTF-8
unset LC_ALL
export WINEPREFIX=$TORVEK_WINE_ROOT/prefix64
export TORVEK_WINE32_PREFIX=$TORVEK_WINE_ROOT/prefix32
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}
export TORVEK_WINE_USER=${TORVEK_WINE_USER:-torvekwine}
if [ "$(id -u)" = 0 ]; then
  export TORVEK_WINE_USER_PREFIX=/home/$TORVEK_WINE_USER/torvek-prefix
  export TORVEK_WINE_USER_LOCPATH=/home/$TORVEK_WINE_USER/torvek-locale
else
  unset TORVEK_WINE_USER_PREFIX TORVEK_WINE_USER_LOCPATH
fi

# Settings every prefix gets: SimSun and its relatives drawn with WenQuanYi Micro Hei, and no
# window-manager handshake (without a window manager every dialog close would wait 2 s).
torvek_wine_settings_reg() {
  cat <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"SimSun"="WenQuanYi Micro Hei"
"NSimSun"="WenQuanYi Micro Hei"
"宋体"="WenQuanYi Micro Hei"
"新宋体"="WenQuanYi Micro Hei"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="N"
REG
}

# torvek_wine_make_prefix PREFIX ARCH [USER]
torvek_wine_make_prefix() {
  local prefix=$1 arch=$2 user=${3:-}
  [ -f "$prefix/.torvek-ready" ] && return 0
  rm -rf "$prefix"
  local settings=$TORVEK_WINE_ROOT/settings-$arch-${user:-root}.reg
  if [ -n "$user" ]; then settings=$(dirname "$prefix")/torvek-settings-$arch.reg; fi
  mkdir -p "$(dirname "$prefix")"
  # regedit reads a REGEDIT4 file in the ANSI code page: code page 936 here.
  torvek_wine_settings_reg | iconv -f UTF-8 -t CP936 >"$settings"
  local run=(env WINEPREFIX="$prefix" WINEARCH="$arch")
  if [ -n "$user" ]; then
    chown "$user" "$(dirname "$prefix")" "$settings"
    run=(runuser -u "$user" -- env WINEPREFIX="$prefix" WINEARCH="$arch"
      LOCPATH="$TORVEK_WINE_USER_LOCPATH" LANG="$LANG" WINEDLLOVERRIDES="$WINEDLLOVERRIDES"
      WINEDEBUG="$WINEDEBUG" HOME="/home/$user")
  fi
  "${run[@]}" wineboot -i >/dev/null 2>&1 || { echo "wineboot failed for $prefix" >&2; return 1; }
  "${run[@]}" wine regedit /S "$settings" >/dev/null 2>&1
  "${run[@]}" wineserver -w
  touch "$prefix/.torvek-ready"
}

# The unprivileged user's copy of the locale, made whole beside the old one and then put in its
# place, so that another checkout's run never finds half of it.
torvek_wine_stage_locale() {
  local staged=$TORVEK_WINE_USER_LOCPATH
  if [ -d "$staged/zh_CN.UTF-8" ] && diff -rq "$LOCPATH" "$staged" >/dev/null 2>&1; then
    return 0
  fi
  local fresh
  fresh=$(mktemp -d "$staged.XXXXXX") || return 1
  cp -R "$LOCPATH/." "$fresh/" && chmod -R a+rX "$fresh" || { rm -rf "$fresh"; return 1; }
  rm -rf "$staged"
  mv "$fresh" "$staged"
}

torvek_wine_prepare() {
  mkdir -p "$TORVEK_WINE_ROOT"
  if [ ! -d "$LOCPATH/zh_CN.UTF-8" ]; then
    mkdir -p "$LOCPATH"
    localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" 2>/dev/null || true
    [ -d "$LOCPATH/zh_CN.UTF-8" ] || { echo "localedef zh_CN.UTF-8 failed" >&2; return 1; }
  fi
  chmod -R a+rX "$LOCPATH"
  local pids=()
  torvek_wine_make_prefix "$WINEPREFIX" win64 & pids+=($!)
  torvek_wine_make_prefix "$TORVEK_WINE32_PREFIX" win32 & pids+=($!)
  if [ -n "${TORVEK_WINE_USER_PREFIX:-}" ]; then
    id -u "$TORVEK_WINE_USER" >/dev/null 2>&1 || useradd -m "$TORVEK_WINE_USER"
    torvek_wine_stage_locale || return 1
    torvek_wine_make_prefix "$TORVEK_WINE_USER_PREFIX" win64 "$TORVEK_WINE_USER" & pids+=($!)
  fi
  local failed=0
  for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
  return $failed
}

torvek_wine_start() {
  if [ -z "${DISPLAY:-}" ]; then
    local fd_file=$TORVEK_WINE_ROOT/xvfb.display
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    TORVEK_XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
    [ -s "$fd_file" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=:$(cat "$fd_file")
    export TORVEK_XVFB_PID
  fi
  # The X server must let the unprivileged user's programs in as well. None of these starts may
  # stop a caller under set -e: xhost fails on a server that needs no grant, and wineserver -p
  # fails where a server of the prefix is already running, which is all we want of it.
  if command -v xhost >/dev/null; then xhost +local: >/dev/null 2>&1 || true; fi
  # A persistent wineserver and one started program make every later start cheap. The first
  # program of a prefix also starts its services, which keep whatever output it had: that must
  # not be a pipe of ctest's, or ctest waits for them until its timeout.
  wineserver -p >/dev/null 2>&1 || true
  wine cmd /c exit </dev/null >/dev/null 2>&1
  WINEPREFIX=$TORVEK_WINE32_PREFIX wineserver -p >/dev/null 2>&1 || true
  WINEPREFIX=$TORVEK_WINE32_PREFIX wine cmd /c exit </dev/null >/dev/null 2>&1
  if [ -n "${TORVEK_WINE_USER_PREFIX:-}" ]; then
    runuser -u "$TORVEK_WINE_USER" -- env WINEPREFIX="$TORVEK_WINE_USER_PREFIX" \
      LOCPATH="$TORVEK_WINE_USER_LOCPATH" LANG="$LANG" WINEDLLOVERRIDES="$WINEDLLOVERRIDES" WINEDEBUG="$WINEDEBUG" \
      HOME="/home/$TORVEK_WINE_USER" sh -c 'wineserver -p; wine cmd /c exit' \
      </dev/null >/dev/null 2>&1 || true
  fi
}

torvek_wine_stop() {
  wineserver -k 2>/dev/null
  WINEPREFIX=$TORVEK_WINE32_PREFIX wineserver -k 2>/dev/null
  if [ -n "${TORVEK_WINE_USER_PREFIX:-}" ]; then
    runuser -u "$TORVEK_WINE_USER" -- env WINEPREFIX="$TORVEK_WINE_USER_PREFIX" wineserver -k \
      2>/dev/null
  fi
  if [ -n "${TORVEK_XVFB_PID:-}" ]; then
    kill "$TORVEK_XVFB_PID" 2>/dev/null
    wait "$TORVEK_XVFB_PID" 2>/dev/null
    unset TORVEK_XVFB_PID DISPLAY
  fi
  return 0
}

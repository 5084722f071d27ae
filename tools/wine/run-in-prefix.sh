#!/usr/bin/env bash
# run-in-prefix.sh 32|user PROGRAM [ARGS...]
#   Runs a Windows test program in one of the other prefixes of wine-env.sh: "32" a 32-bit
#   Windows machine, "user" as the unprivileged user (where read-only files are refused as on
#   Windows). When that prefix does not exist here (not root, say), runs it in $WINEPREFIX.
set -u
kind=$1
shift
case $kind in
  32)
    exec env WINEPREFIX="$TORVEK_WINE32_PREFIX" wine "$@" ;;
  user)
    if [ -z "${TORVEK_WINE_USER_PREFIX:-}" ]; then exec wine "$@"; fi
    # The user may not enter the checkout: the program runs from a scratch folder of its own,
    # which is also its working directory, with the locale wine-env.sh staged for it.
    dir=$(mktemp -d /tmp/torvek-user.XXXXXX)
    cp "$1" "$dir/" && chmod -R a+rwX "$dir"
    prog="$dir/$(basename "$1")"
    shift
    cd "$dir" || exit 1
    runuser -u "$TORVEK_WINE_USER" -- env WINEPREFIX="$TORVEK_WINE_USER_PREFIX" \
      LOCPATH="$TORVEK_WINE_USER_LOCPATH" LANG="$LANG" WINEDLLOVERRIDES="$WINEDLLOVERRIDES" WINEDEBUG="$WINEDEBUG" \
      DISPLAY="${DISPLAY:-}" HOME="/home/$TORVEK_WINE_USER" TORVEK_READONLY_ENFORCED=1 \
      wine "$prog" "$@"
    rc=$?
    rm -rf "$dir"
    exit $rc ;;
  *) echo "usage: run-in-prefix.sh 32|user PROGRAM [ARGS...]" >&2; exit 2 ;;
esac

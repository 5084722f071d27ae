#!/usr/bin/env bash
# make-sample-machine.sh DRIVE_C
#   Lays out the sample machine's AutoCAD folders below DRIVE_C (a host folder standing for
#   C:\, such as a Wine prefix's drive_c): each install location with its acad.rx (CR LF, as
#   AutoCAD writes it) and a Fonts folder holding a few fonts of its own. The registry half of
#   the machine is machine.reg beside this script. Existing acad.rx files are left alone, so a
#   machine that an installer has changed stays changed.
set -euo pipefail
drive=${1:?usage: make-sample-machine.sh DRIVE_C}

crlf() { sed 's/$/\r/'; }

install_location() {
  local dir=$drive/$1
  shift
  mkdir -p "$dir/Fonts"
  if [ ! -e "$dir/acad.rx" ]; then
    printf '%s\n' "$@" | crlf >"$dir/acad.rx"
  fi
  for font in txt.shx simplex.shx gbcbig.shx; do
    [ -e "$dir/Fonts/$font" ] || printf 'placeholder shape font %s\n' "$font" >"$dir/Fonts/$font"
  done
}

install_location "Program Files (x86)/AutoCAD 2008" "acadvba.arx" "acetutil.arx" ""
install_location "Program Files (x86)/Autodesk/AutoCAD 2014" "acetutil.arx" "AcLayer.arx"
install_location "Program Files/Autodesk/AutoCAD 2015" "acetutil.arx"

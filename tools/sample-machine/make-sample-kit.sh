#!/usr/bin/env bash
# make-sample-kit.sh KIT_DIR
#   Assembles a sample kit folder: the five module builds, the two shape fonts, settings and
#   section-library files, and the extended drawing library subfolder. Every file is a
#   placeholder that says what it stands for; the real modules and fonts are not ours to make.
#   SetUp.exe is added by whoever runs the kit. Names are UTF-8 on disk, as Wine expects.
set -euo pipefail
kit=${1:?usage: make-sample-kit.sh KIT_DIR}
library=$kit/Torvek扩展绘图库
mkdir -p "$library"

placeholder() { printf 'Torvek sample kit placeholder: %s\r\n' "$2" >"$1"; }

for year in 2000 2004 2008 2010 2013; do
  placeholder "$kit/TORVEK$year.ARX" "toolbox module built for AutoCAD $year"
done
placeholder "$kit/Torvek_EN.shx" "shape font, Latin letters"
placeholder "$kit/Torvek_HZ.shx" "shape font, Chinese characters"
placeholder "$kit/TORVEK.CFG" "toolbox settings"
placeholder "$kit/DRAWING.CFG" "drawing settings"
placeholder "$kit/STEEL.SEC" "steel section library"
placeholder "$kit/CONCRETE.SEC" "concrete section library"
placeholder "$kit/ReadMe.txt" "notes for the user"
for name in 梁 柱 基础 楼梯; do
  placeholder "$library/$name.SJY" "extended drawing library, $name"
done

# Sourced after wine-env.sh: a Wine prefix holding the sample machine and the sample kit, as a
# user would meet them. Used by the run command and by SetUp's end-to-end tests.
#
#   torvek_sandbox_prefix DIR              the prefix below DIR alone, made when missing, with
#                                          its server running
#   torvek_sandbox_prepare DIR BUILD_DIR   the prefix below DIR, made when missing; the sample
#                                          machine and kit laid out where they are missing (a
#                                          machine an earlier run changed stays as it is); the
#                                          newest SetUp.exe of BUILD_DIR put into the kit
#   torvek_sandbox_reset DIR               takes the machine back to the sample: the keys and
#                                          folders the sample and an installation touch, and
#                                          the kit, are removed, to be laid out afresh
#   torvek_sandbox_run DIR PROGRAM [ARG...]  runs a Windows program in the sandbox's prefix
#   torvek_sandbox_locale                  the zh_CN locale alone, for a run without the tests
#
# Below DIR: prefix/ (64-bit Windows; drive C: is prefix/drive_c) and kit-drive/ (drive D:,
# holding the kit as D:\Kit). A 32-bit SetUp sees the 32-bit registry view, as on the user's
# 64-bit machine, so the sample's .reg file is imported into the 64-bit view.

# The zh_CN locale Wine takes its code page from, without the test prefixes that
# torvek_wine_prepare makes as well.
torvek_sandbox_locale() {
  [ -d "$LOCPATH/zh_CN.UTF-8" ] && return 0
  mkdir -p "$LOCPATH"
  localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" 2>/dev/null || true
  [ -d "$LOCPATH/zh_CN.UTF-8" ] || { echo "localedef zh_CN.UTF-8 failed" >&2; return 1; }
  chmod -R a+rX "$LOCPATH"
}

torvek_sandbox_run() {
  local dir=$1
  shift
  WINEPREFIX=$dir/prefix wine "$@"
}

torvek_sandbox_prefix() {
  local dir=$1
  mkdir -p "$dir" "$TORVEK_WINE_ROOT"
  torvek_wine_make_prefix "$dir/prefix" win64 || return 1
  # A persistent server for this prefix, ending on its own a little after its last program;
  # one still running from an earlier program serves as well.
  WINEPREFIX=$dir/prefix wineserver -p5 </dev/null >/dev/null 2>&1 || true
}

torvek_sandbox_prepare() {
  local dir=$1 build=$2
  local prefix=$dir/prefix kit=$dir/kit-drive/Kit
  local samples=$torvek_repo/tools/sample-machine
  torvek_sandbox_prefix "$dir" || return 1
  mkdir -p "$dir/kit-drive"
  ln -sfn "$dir/kit-drive" "$prefix/dosdevices/d:"
  if [ ! -f "$dir/.sample-laid" ]; then
    bash "$samples/make-sample-machine.sh" "$prefix/drive_c" || return 1
    bash "$samples/make-sample-kit.sh" "$kit" || return 1
    local reg=$dir/machine-utf16.reg
    torvek_sandbox_run "$dir" "$build/tools/regconv/regconv.exe" "Z:$samples/machine.reg" "Z:$reg" \
      --to utf16 </dev/null >/dev/null 2>&1 || { echo "regconv failed" >&2; return 1; }
    torvek_sandbox_run "$dir" reg import "Z:$reg" /reg:64 </dev/null >/dev/null 2>&1 ||
      { echo "reg import of the sample machine failed" >&2; return 1; }
    touch "$dir/.sample-laid"
  fi
  cp -f "$build/installer/wizard/SetUp.exe" "$kit/SetUp.exe"
}

torvek_sandbox_reset() {
  local dir=$1
  local prefix=$dir/prefix
  [ -d "$prefix" ] || return 0
  local keys=('HKLM\SOFTWARE\Wow6432Node\Autodesk' 'HKLM\SOFTWARE\Autodesk'
    'HKLM\SOFTWARE\Wow6432Node\Torvek' 'HKLM\SOFTWARE\Torvek')
  local key
  for key in "${keys[@]}"; do
    torvek_sandbox_run "$dir" reg delete "$key" /f /reg:64 </dev/null >/dev/null 2>&1
  done
  rm -rf "$prefix/drive_c/Program Files/Torvek结构工具箱" \
    "$prefix/drive_c/Program Files/Autodesk" \
    "$prefix/drive_c/Program Files (x86)/AutoCAD 2008" \
    "$prefix/drive_c/Program Files (x86)/Autodesk" \
    "$dir/kit-drive" "$dir/.sample-laid"
}

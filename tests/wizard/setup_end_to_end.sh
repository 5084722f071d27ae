#!/usr/bin/env bash
# setup_end_to_end.sh BUILD_DIR SANDBOX_DIR CASE
#   One case of setup_end_to_end_test under Wine, on a fresh sample machine: the sandbox prefix
#   below SANDBOX_DIR (made on first use) is taken back to the sample machine and kit, with
#   BUILD_DIR's SetUp.exe in D:\Kit, and the case runs in that prefix.
set -u
build=$1 sandbox=$2 case=$3
repo=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=tools/wine/wine-env.sh
source "$repo/tools/wine/wine-env.sh"
# shellcheck source=tools/wine/sandbox.sh
source "$repo/tools/wine/sandbox.sh"
torvek_sandbox_reset "$sandbox"
torvek_sandbox_prepare "$sandbox" "$build" </dev/null || exit 1
torvek_sandbox_run "$sandbox" "$build/tests/wizard/setup_end_to_end_test.exe" \
  "--gtest_filter=SetupEndToEnd.$case" </dev/null

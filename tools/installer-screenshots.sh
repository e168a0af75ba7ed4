#!/bin/bash
# Takes the installer's first page for the README, in English and in Russian,
# from the release build's installer under Wine (the install.language test's run).
#   tools/installer-screenshots.sh [BUILD_DIR]   (default build/windows-x86-release)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${1:-$root/build/windows-x86-release}
version=$(sed -n 's/^project(Quellora VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
export QUELLORA_SETUP=$build/dist/quellora-setup-$version.exe QUELLORA_VERSION=$version
export QUELLORA_SCR=$build/src/host/quellora.scr
export QUELLORA_WINDOW_TEXTS=$build/release/window_texts.exe
export QUELLORA_TEST_STATE=$build/screenshots
export QUELLORA_SCREENSHOTS=$root/docs
[[ -f $QUELLORA_SETUP ]] || { echo "build $QUELLORA_SETUP first (make dist)" >&2; exit 1; }
"$root/release/tests/install_tests.sh" language

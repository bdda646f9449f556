#!/usr/bin/env bash
# Boots the emulated PC with bench_guestport and prints its result line:
#   guest-port.sh BENCH_GUESTPORT_PROGRAM FILES_DIR WORK_DIR
set -euo pipefail
program=$1 files=$2 work=$3
guest=$(dirname "$0")/../tests/guest
mkdir -p "$work"
"$guest/build-image.sh" "$work/image" "$program" "$files" >/dev/null
"$guest/boot.sh" "$work/image" "$work/printer.out" | grep '^port access:'

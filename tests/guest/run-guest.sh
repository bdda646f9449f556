#!/usr/bin/env bash
# Boots the emulated PC with the test program and checks, on the host, what it reported
# over the serial console and what reached its printer port:
#   run-guest.sh TEST_PROGRAM FILES_DIR WORK_DIR
set -euo pipefail
program=$1 files=$2 work=$3
here=$(dirname "$0")
mkdir -p "$work"
"$here/build-image.sh" "$work/image" "$program" "$files" -o -,txt

printer="$work/printer.out"
log="$work/console.log"
rm -f "$printer"
"$here/boot.sh" "$work/image" "$printer" | tee "$log"

status=0
grep -q '^guest: exit 0$' "$log" || { echo "FAIL: the guest's checks did not all pass"; status=1; }
grep -Eq '^Totals: [1-9][0-9]* passed, 0 failed' "$log" || { echo "FAIL: no passing test totals from the guest"; status=1; }
printed=$(od -An -tx1 "$printer" 2>/dev/null | tr -d ' \n')
if [ "$printed" = "55" ]; then
    echo "host: the emulated printer received exactly 0x55"
else
    echo "FAIL: the emulated printer received '${printed}' instead of exactly 55"
    status=1
fi
exit $status

#!/usr/bin/env bash
# Boots an image made by build-image.sh in an emulated PC with an ISA parallel port at 0x378:
#   boot.sh IMAGE_DIR PRINTER_FILE
# The guest's console comes out on standard output; what it prints goes to PRINTER_FILE.
set -euo pipefail
image=$1 printer=$2
timeout 300 qemu-system-x86_64 -m 512 -no-reboot -display none -serial stdio -monitor none \
    -kernel "$image/vmlinuz" -initrd "$image/initrd.cpio.gz" \
    -append 'console=ttyS0 panic=-1 quiet' \
    -chardev "file,id=p0,path=$printer" -device isa-parallel,chardev=p0 </dev/null | tr -d '\r'

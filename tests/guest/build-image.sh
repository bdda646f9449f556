#!/usr/bin/env bash
# Builds a small emulated-PC image that runs one program as root:
#   build-image.sh OUT_DIR PROGRAM FILES_DIR [ARGUMENT ...]
# OUT_DIR receives vmlinuz (Debian's kernel, kept in a cache between runs) and initrd.cpio.gz
# (busybox, /init, the program with the shared libraries it loads, Qt's offscreen platform,
# one font and the lamp pictures).
set -euo pipefail
out=$1 program=$2 files=$3
shift 3
cache=${VOLTARIX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/voltarix}

fail() { echo "guest image: $*" >&2; exit 1; }
for tool in qemu-system-x86_64 cpio /bin/busybox; do
    command -v "$tool" >/dev/null || fail "missing $tool (packages qemu-system-x86, cpio, busybox-static)"
done
/bin/busybox --list | grep -qx poweroff || fail "/bin/busybox has no poweroff: install busybox-static"

# The kernel: out of the package that linux-image-amd64 depends on. Only its vmlinuz is unpacked.
kernel_package() { apt-cache depends linux-image-amd64 2>/dev/null | awk '/Depends: linux-image-/ {print $2; exit}'; }
mkdir -p "$cache" "$out"
package=$(kernel_package)
[ -n "$package" ] || { apt-get update -qq >/dev/null 2>&1 || true; package=$(kernel_package); }
[ -n "$package" ] || fail "apt cannot tell which kernel linux-image-amd64 depends on"
vmlinuz="$cache/vmlinuz-$package"
if [ ! -s "$vmlinuz" ]; then
    work=$(mktemp -d)
    (cd "$work" && chmod 777 . && apt-get download -qq "$package") || fail "cannot download $package"
    dpkg-deb --fsys-tarfile "$work"/*.deb | tar -x -C "$work" --wildcards './boot/vmlinuz-*'
    mv "$work"/boot/vmlinuz-* "$vmlinuz"
    rm -rf "$work"
fi
cp "$vmlinuz" "$out/vmlinuz"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
chmod 755 "$root"
copy() { for f in "$@"; do mkdir -p "$root$(dirname "$f")" && cp -L "$f" "$root$f"; done; }

mkdir -p "$root"/{bin,proc,sys,dev,tmp,work}
cp /bin/busybox "$root/bin/busybox"
qpa=$(find /usr/lib -path '*qt6/plugins/platforms/libqoffscreen.so' | head -n 1)
[ -n "$qpa" ] || fail "no Qt offscreen platform plugin"
font=$(fc-match -f '%{file}' 'Liberation Sans' 2>/dev/null || true)
[ -f "$font" ] || font=$(find /usr/share/fonts -name '*.ttf' | head -n 1)
copy "$qpa" "$font" /etc/fonts/fonts.conf
libraries=$(ldd "$program" "$qpa" | awk '$2 == "=>" && $3 ~ /^\// {print $3} $1 ~ /^\// && $1 !~ /:$/ {print $1}' | sort -u)
copy $libraries
cp "$program" "$root/work/test"
cp -r "$files" "$root/work/Files"

printf '%q ' "$@" > "$root/work/arguments"
cat > "$root/init" <<'INIT'
#!/bin/busybox sh
/bin/busybox --install -s /bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
mount -t tmpfs tmp /tmp
mkdir -m 700 /tmp/run
export HOME=/tmp XDG_RUNTIME_DIR=/tmp/run QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
cd /work
echo "guest: start"
eval ./test $(cat arguments)
echo "guest: exit $?"
poweroff -f
INIT
chmod +x "$root/init"
(cd "$root" && find . | cpio -o -H newc --quiet | gzip -1) > "$out/initrd.cpio.gz"
echo "guest image: $out ($(du -sh "$out/initrd.cpio.gz" | cut -f1) initrd, kernel $package)"

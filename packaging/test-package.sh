#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, checks what it put where, starts
# the program from its desktop entry as an ordinary user, and removes the package again:
#   test-package.sh SOURCE_DIR WORK_DIR
# Exits 77 (skipped) where it must not or cannot install: not root, or a voltarix package
# already installed.
set -euo pipefail
src=$1 work=$2
[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
if dpkg-query -W -f='${Status}' voltarix 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIP: a voltarix package is installed here already; leaving it alone"
    exit 77
fi
fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack dpkg-shlibdeps desktop-file-validate setcap getcap setpriv; do
    command -v "$tool" >/dev/null || fail "missing $tool (packages dpkg-dev, desktop-file-utils, libcap2-bin, util-linux)"
done

rm -rf "$work"
cmake -S "$src" -B "$work" -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$work" -j"$(nproc)" --target voltarix >/dev/null
(cd "$work" && cpack -G DEB >/dev/null)
deb=$(ls "$work"/voltarix_*.deb)
echo "package: $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for dependency in libcap2-bin libqt6widgets6 libjpeg62-turbo; do
    grep -q "$dependency" <<<"$depends" || fail "the package does not depend on $dependency"
done

trap 'dpkg -r voltarix >/dev/null 2>&1 || true' EXIT
dpkg -i "$deb" >/dev/null
for file in /usr/bin/voltarix /usr/share/voltarix/Files/1.jpg /usr/share/voltarix/Files/0.jpg \
            /usr/share/applications/voltarix.desktop /usr/share/icons/hicolor/48x48/apps/voltarix.png \
            /usr/share/icons/hicolor/256x256/apps/voltarix.png; do
    [ -f "$file" ] || fail "$file is not installed"
done
caps=$(getcap /usr/bin/voltarix)
echo "capability: $caps"
grep -q 'cap_sys_rawio[=+]ep' <<<"$caps" || fail "the program was not given cap_sys_rawio"
desktop-file-validate /usr/share/applications/voltarix.desktop || fail "the desktop entry does not validate"

# Start it as the desktop would, as an ordinary user: the entry's Exec in the entry's Path.
entry=/usr/share/applications/voltarix.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry")
path=$(sed -n 's/^Path=//p' "$entry")
[ -f "$path/Files/1.jpg" ] || fail "the entry's working directory $path holds no lamp pictures"
(cd "$path" && exec setpriv --reuid=65534 --regid=65534 --clear-groups \
    env HOME=/tmp QT_QPA_PLATFORM=offscreen "$exec_line" >/dev/null 2>&1) &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || fail "the program did not keep running"
uid=$(awk '/^Uid:/ {print $2}' "/proc/$pid/status")
capeff=$(awk '/^CapEff:/ {print $2}' "/proc/$pid/status")
capprm=$(awk '/^CapPrm:/ {print $2}' "/proc/$pid/status")
cwd=$(readlink "/proc/$pid/cwd")
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "running: uid $uid, effective $capeff, permitted $capprm, in $cwd"
[ "$uid" = 65534 ] || fail "it ran as uid $uid"
[ "$capeff" = 0000000000000000 ] && [ "$capprm" = 0000000000000000 ] || fail "it kept capabilities"
[ "$cwd" = "$path" ] || fail "it ran in $cwd"

dpkg -r voltarix >/dev/null
trap - EXIT
[ ! -e /usr/bin/voltarix ] || fail "removing the package left /usr/bin/voltarix"
echo "package installed, checked and removed"

#!/usr/bin/env bash
# Builds everything and makes the Debian package build/tolvar_VERSION_ARCH.deb, then checks
# that it holds the installed files and depends on the Qt 6 libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
(cd build && cpack -G DEB > /dev/null)
deb=$(ls -t build/tolvar_*.deb | head -n 1)

contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/vbhost ./usr/bin/helpview ./usr/bin/tolvar ./usr/lib/tolvar/tolvar \
    ./usr/lib/tolvar/tolvar.hlp ./usr/lib/tolvar/tolvar.mdb ./usr/lib/tolvar/kzlsav.MOD \
    ./usr/lib/tolvar/libtolvar-server.so ./usr/lib/tolvar/tolvar-browser.so \
    ./usr/share/tolvar/examples/Demo/Demo.vbp ./usr/share/doc/tolvar/README.md \
    ./usr/share/applications/vbhost.desktop ./usr/share/mime/packages/tolvar.xml \
    ./usr/share/icons/hicolor/48x48/apps/tolvar.png; do
    if ! grep -q " ${file}\( -> .*\)\?$" <<< "$contents"; then
        echo "$deb lacks $file" >&2
        exit 1
    fi
done
grep -q " ./usr/bin/tolvar -> ../lib/tolvar/tolvar$" <<< "$contents" || {
    echo "$deb: usr/bin/tolvar is not a link to ../lib/tolvar/tolvar" >&2
    exit 1
}

info=$(dpkg-deb -I "$deb")
for field in "Package: tolvar" "Version: 2.0"; do
    grep -q "^ $field" <<< "$info" || { echo "$deb: no \"$field\"" >&2; exit 1; }
done
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libqt6sql6 libqt6help6 \
    libqt6webenginewidgets6; do
    grep -q "^ Depends:.*\b$library\b" <<< "$info" || {
        echo "$deb does not depend on $library" >&2
        exit 1
    }
done
echo "$deb"

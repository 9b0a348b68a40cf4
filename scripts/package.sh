#!/usr/bin/env bash
# Builds everything and makes the Debian package build/tolvar_VERSION_ARCH.deb, then checks
# that it holds the installed files and depends on the Qt 6 libraries, and that Debian's package
# checker and the AppStream validator accept it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
(cd build && cpack -G DEB > /dev/null)
deb=$(ls -t build/tolvar_*.deb | head -n 1)

contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/vbhost ./usr/bin/helpview ./usr/bin/tolvar ./usr/lib/tolvar/tolvar \
    ./usr/lib/tolvar/tolvar.hlp ./usr/lib/tolvar/tolvar.mdb ./usr/lib/tolvar/kzlsav.MOD \
    ./usr/lib/tolvar/modules/libtolvar-server.so ./usr/lib/tolvar/modules/tolvar-browser.so \
    ./usr/share/tolvar/examples/Demo/Demo.vbp ./usr/share/doc/tolvar/README.md \
    ./usr/share/applications/vbhost.desktop ./usr/share/mime/packages/tolvar.xml \
    ./usr/share/icons/hicolor/48x48/apps/tolvar.png ./usr/share/doc/tolvar/copyright \
    ./usr/share/doc/tolvar/changelog.gz ./usr/share/man/man1/vbhost.1.gz \
    ./usr/share/man/man1/helpview.1.gz ./usr/share/man/man1/tolvar.1.gz \
    ./usr/share/metainfo/example.vantix.vbhost.metainfo.xml; do
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
for field in "Package: tolvar" "Version: 2.0" "Section: devel" "Priority: optional" \
    "Homepage: https:"; do
    grep -q "^ $field" <<< "$info" || { echo "$deb: no \"$field\"" >&2; exit 1; }
done
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libqt6sql6 libqt6help6 \
    libqt6webenginewidgets6; do
    grep -q "^ Depends:.*\b$library\b" <<< "$info" || {
        echo "$deb does not depend on $library" >&2
        exit 1
    }
done

# Whatever files the package holds, not only those listed above: lintian fails on any error or
# warning (it also says it should not run as root, which CI does; that changes no tag).
lintian --fail-on error,warning "$deb" || {
    echo "$deb: lintian found errors or warnings" >&2
    exit 1
}
# The metadata as shipped.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
echo "$deb"

#!/usr/bin/env bash
# Installs the build into a read-only staging prefix and checks the installed programs and the desktop files.
#   install_test.sh BUILD_DIR VERSION
set -uo pipefail
build=$1 version=$2
id=io.github.dualexicon.Dualexicon
stage=$(mktemp -d "${TMPDIR:-/tmp}/dlx-install-XXXXXX")
trap 'chmod -R u+w "$stage"; rm -rf "$stage"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$stage/usr" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
# Nothing may need to write into an installed program's folders.
chmod -R a-w "$stage/usr"
usr=$stage/usr
share=$usr/share

for f in bin/dualexicon bin/dualexicon-translate share/dualexicon/Data/A.pal share/dualexicon/Data/Z.pal \
         share/dualexicon/Skin/Default.bmp share/dualexicon/help/index.html share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
         share/man/man1/dualexicon.1 share/man/man1/dualexicon-translate.1; do
    [ -s "$usr/$f" ] || fail "$f is not installed"
done
[ ! -e "$usr/bin/Data" ] || fail "data installed beside the executables"
for size in 16 32 48 64 128 256; do
    file "$share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
        fail "no ${size}x${size} PNG icon"
done

# The installed translator finds its dictionary through ../share/dualexicon and gives what the build gives.
text="I can not go to school today.
The red car is in the house."
installed=$(printf '%s\n' "$text" | "$usr/bin/dualexicon-translate" 2>&1) || fail "installed translator: $installed"
built=$(printf '%s\n' "$text" | "$build/bin/dualexicon-translate")
[ "$installed" = "$built" ] || fail "installed translator gives '$installed', the build gives '$built'"
printf '%s' "$installed" | grep -q 'โรงเรียน' || fail "no Thai from the installed translator: $installed"

# --version needs no display.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/dualexicon" --version 2>&1)
[ "$out" = "dualexicon $version" ] || fail "dualexicon --version printed '$out'"

out=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1) || fail "desktop entry: $out"
out=$(appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" 2>&1) || fail "metainfo: $out"
grep -q "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml" || fail "metainfo names another release"

for page in dualexicon dualexicon-translate; do
    out=$(LC_ALL=C.UTF-8 groff -man -ww -z "$share/man/man1/$page.1" 2>&1)
    [ -z "$out" ] || fail "$page.1: $out"
done
# Every option the translator offers is documented.
for option in $("$usr/bin/dualexicon-translate" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" "$share/man/man1/dualexicon-translate.1" || fail "$option is not in the manual page"
done

[ "$failures" -eq 0 ] && echo "installed layout checked" || exit 1

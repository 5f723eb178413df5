#!/usr/bin/env bash
# Installs the build into a read-only staging prefix and checks the installed programs and the desktop files.
# The programs run as a user whose home and XDG folders are in the staging folder.
#   install_test.sh BUILD_DIR VERSION WINDOW_TEST
set -uo pipefail
build=$1 version=$2 window_test=$3
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
export HOME=$stage/home XDG_CACHE_HOME=$stage/home/cache XDG_DATA_HOME=$stage/home/data XDG_CONFIG_HOME=$stage/home/config
mkdir -p "$XDG_CONFIG_HOME"
# Write permission does not stop the superuser, so the installed files are compared before and after as well.
shipped() { (cd "$usr" && find . -type f -print0 | sort -z | xargs -0 md5sum | md5sum); }
before=$(shipped)

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

# The installed program starts and keeps running, its work folder made in the user's cache.
QT_QPA_PLATFORM=offscreen timeout 3 "$usr/bin/dualexicon" >/dev/null 2>&1
[ $? -eq 124 ] || fail "the installed program did not keep running"
[ -d "$XDG_CACHE_HOME/Dualexicon" ] || fail "no work folder in the user's cache"

# In the window: a word added in the editor is the user's, seen by the next translation and by the command line,
# until the editor goes back to the shipped letter.
out=$(QT_QPA_PLATFORM=offscreen DLX_STAGED_BIN=$usr/bin "$window_test" 2>&1) || fail "installed window test: $out"
[ "$(shipped)" = "$before" ] || fail "the installed files were changed"

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

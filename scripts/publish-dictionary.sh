#!/usr/bin/env bash
# Publishes a dictionary for the program's download window: copies the letter files of a Data folder
# (A.pal ... Z.pal, or A.PAL ...) byte for byte into OUTPUT/update/a.pal ... z.pal, the names the window asks
# for. Serve OUTPUT with any static web server, for example:
#     scripts/publish-dictionary.sh data/Data /tmp/dictionary-site
#     python3 -m http.server 8080 --bind 127.0.0.1 --directory /tmp/dictionary-site
# A letter without a file in the Data folder loses its old published copy, so the server answers 404 for it.
set -euo pipefail

usage() {
    echo "usage: $0 DATA_FOLDER OUTPUT_FOLDER" >&2
    exit 2
}
[ "$#" -eq 2 ] || usage
data="$1"
out="$2"
if [ ! -d "$data" ]; then
    echo "$0: no such folder: $data" >&2
    exit 1
fi

mkdir -p "$out/update"
published=0
for letter in A B C D E F G H I J K L M N O P Q R S T U V W X Y Z; do
    lower="$(printf '%s' "$letter" | tr 'A-Z' 'a-z')"
    target="$out/update/$lower.pal"
    source=""
    # The same names the program accepts: exactly L.pal or L.PAL.
    if [ -f "$data/$letter.pal" ]; then
        source="$data/$letter.pal"
    elif [ -f "$data/$letter.PAL" ]; then
        source="$data/$letter.PAL"
    fi
    if [ -z "$source" ]; then
        rm -f "$target"
        echo "no letter file for $letter: $lower.pal not published" >&2
        continue
    fi
    # Copy beside the target, then rename, so a server never hands out half a file.
    cp "$source" "$target.tmp.$$"
    mv -f "$target.tmp.$$" "$target"
    published=$((published + 1))
done

if [ "$published" -eq 0 ]; then
    echo "$0: no letter files (A.pal ... Z.pal) in $data" >&2
    exit 1
fi
echo "Published $published letter files to $out/update"

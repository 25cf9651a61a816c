#!/bin/sh
# Regenerates everything under resources/ from the sources in tools/.
# A developer tool: building and testing the program never runs it; the
# generated files are committed. See tools/README.md for what it needs.
#
#   tools/make-resources.sh [images|sounds|logo|quizzes|pages] ...
#
# With no argument it makes everything. Output is deterministic.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
out="$root/resources"
gen="$here/gen"
work=$(mktemp -d "${TMPDIR:-/tmp}/terralore-res.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
PY=${PYTHON:-python3}
export PYTHONDONTWRITEBYTECODE=1

need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || { echo "make-resources: '$tool' is missing (see tools/README.md)" >&2; exit 1; }
    done
}

# ImageMagick writes the date into PNG and GIF chunks unless told not to.
IM_STRIP="-strip -define png:exclude-chunks=date,time"

images() {
    need rsvg-convert convert
    mkdir -p "$out/Images" "$work/svg"
    "$PY" "$gen/pictures.py" "$work/svg"
    for svg in "$work/svg"/*.svg; do
        name=$(basename "$svg" .svg)
        rsvg-convert "$svg" -o "$work/$name.png"
        # 4:4:4 sampling keeps the flat screen-coloured bands exact.
        convert "$work/$name.png" $IM_STRIP -background white -alpha remove -alpha off \
            -sampling-factor 1x1 -quality 90 "$out/Images/$name.jpg"
    done
}

sounds() {
    mkdir -p "$out/wav"
    "$PY" "$gen/sounds.py" "$out/wav"
}

logo() {
    need rsvg-convert convert
    mkdir -p "$out/logo" "$work/logo"
    "$PY" "$gen/logo.py" "$work/logo"
    rsvg-convert "$work/logo/quillmere2.svg" -o "$work/logo/quillmere2.png"
    convert "$work/logo/quillmere2.png" $IM_STRIP -background white -alpha remove -alpha off \
        -type TrueColor "BMP3:$out/logo/quillmere2.bmp"
    for svg in "$work/logo"/quillmere00*.svg; do
        name=$(basename "$svg" .svg)
        rsvg-convert "$svg" -o "$work/logo/$name.png"
        convert "$work/logo/$name.png" $IM_STRIP -background white -alpha remove -alpha off \
            +dither -colors 128 "$out/logo/$name.gif"
    done
}

quizzes() {
    mkdir -p "$out/multiple"
    "$PY" "$gen/quizzes.py" "$here/content/quizzes" "$out/multiple"
}

pages() {
    mkdir -p "$out/wmf" "$out/wmf2"
    "$PY" "$gen/pages.py" "$here/content/pages" "$out"
}

if [ $# -eq 0 ]; then
    set -- images sounds logo quizzes pages
fi
for step in "$@"; do
    case "$step" in
        images|sounds|logo|quizzes|pages) "$step" ;;
        *) echo "make-resources: unknown step '$step'" >&2; exit 2 ;;
    esac
done

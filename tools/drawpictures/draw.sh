#!/bin/sh
# Redraws the program's pictures and its icon:
#   tools/drawpictures/draw.sh
# builds the drawing program in a scratch folder, draws, turns the PNG drawings into
# GIF89a and baseline JPEG with ImageMagick and writes resources/pictures/<number>.{gif,jpg} and
# resources/icon/tarvelo.png.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${DRAWPICTURES_BUILD:-/tmp/drawpictures-build}
drawn=$build/drawn
convert=/usr/bin/convert   # ImageMagick itself, whatever else is on the PATH

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null
rm -rf "$drawn"
mkdir -p "$drawn" "$root/resources/pictures" "$root/resources/icon"

QT_QPA_PLATFORM=offscreen "$build/drawpictures" "$drawn" "$root/resources/icon/tarvelo.png"

# GIF89a with the drawing's own colours; JPEG baseline at quality 92 without colour
# subsampling, so that thin red and blue lines stay their colour
for png in "$drawn"/*.gif.png; do
    number=$(basename "$png" .gif.png)
    "$convert" "$png" -strip +dither -colors 256 "GIF:$root/resources/pictures/$number.gif"
done
for png in "$drawn"/*.jpg.png; do
    number=$(basename "$png" .jpg.png)
    "$convert" "$png" -strip -quality 92 -sampling-factor 1x1 -interlace none \
        "JPEG:$root/resources/pictures/$number.jpg"
done

# every GIF must be GIF89a, every JPEG baseline
for gif in "$root"/resources/pictures/*.gif; do
    [ "$(head -c 6 "$gif")" = GIF89a ] || { echo "$gif is not GIF89a" >&2; exit 1; }
done
for jpg in "$root"/resources/pictures/*.jpg; do
    [ "$("$convert" "$jpg" -format '%[interlace]' info:)" = None ] ||
        { echo "$jpg is not baseline" >&2; exit 1; }
done
ls "$root/resources/pictures" | wc -l | xargs printf '%s pictures drawn\n'

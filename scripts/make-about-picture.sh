#!/usr/bin/env bash
# Makes the About window's picture, ui/resources/about-horsehead.png, from
# the photograph of IC 434 and the Horsehead Nebula that Debian's
# stellarium-data package ships (Dylan O'Donnell, public domain: see
# /usr/share/doc/stellarium-data/CREDITS.md.gz, section 4.44).
#
# The build never runs this: the picture is committed. Run it by hand after
# `apt-get install stellarium-data` to check or redo the picture.
#
# The photograph is a 1024 x 1024 square; the window wants a 120 x 240
# portrait. One scale-rotate-translate keeps the interesting part: it turns
# the field 21 degrees anticlockwise so that the Horsehead sits below
# Alnitak, shrinks it to 0.28, and puts Alnitak (645, 308 in the photograph)
# at (54, 55), which leaves the Flame Nebula in the upper left corner and
# the red rim of IC 434 running down to the lower left.
# usage: make-about-picture.sh [SOURCE.png] [OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
src=${1:-/usr/share/stellarium/nebulae/default/ic434.png}
out=${2:-ui/resources/about-horsehead.png}

if [[ ! -r $src ]]; then
    echo "make-about-picture: cannot read $src (apt-get install stellarium-data)" >&2
    exit 1
fi

# PNG24: 8 bits each of red, green, blue, no alpha, no palette.
# -strip drops the time stamps, so that reruns give the same bytes.
convert "$src" -virtual-pixel black \
    -distort SRT '645,308 0.28 -21 54,55' \
    -crop 120x240+0+0 +repage \
    -strip "PNG24:$out"
identify "$out"

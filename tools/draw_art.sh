#!/bin/sh
# Usage: tools/draw_art.sh [OUTPUT_DIR]   redraws every picture of the program (default OUTPUT_DIR: res/ beside tools/).
#
# Needs only ImageMagick 6 (/usr/bin/convert) and the DejaVu fonts that come with it; the output is the
# same, byte for byte, on every run.  All geometry is in this file: edit it here and run the script again.

set -eu

IM=/usr/bin/convert
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$here/../res"}
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# One thread keeps the results identical everywhere and the machine quiet; C locale keeps decimal points.
export LC_ALL=C MAGICK_THREAD_LIMIT=1 MAGICK_OCL_DEVICE=OFF

[ -x "$IM" ] || { echo "draw_art.sh: $IM not found (install imagemagick)" >&2; exit 1; }
[ -r "$FONT" ] || { echo "draw_art.sh: $FONT not found (install fonts-dejavu-core)" >&2; exit 1; }

im() { "$IM" -limit thread 1 "$@"; }

# Final writers: no metadata, fixed quality, no chroma subsampling.
jpeg() { # jpeg SRC DEST [QUALITY]
    im "$1" -strip -alpha off -colorspace sRGB -type TrueColor -sampling-factor 1x1 \
        -define jpeg:dct-method=islow -quality "${3:-92}" "$2"
}
png() { # png SRC DEST
    im "$1" -strip -define png:exclude-chunks=date,time,tIME,zTXt,tEXt,iTXt \
        -define png:color-type=6 -define png:bit-depth=8 "$2"
}

# ---------------------------------------------------------------------------------------------------------
# Palette
# ---------------------------------------------------------------------------------------------------------
BODY_GREY='rgb(236,236,236)'
BAND_TOP='rgb(228,76,62)'        # title band, top edge
BAND_BOTTOM='rgb(150,16,18)'     # title band, bottom edge
FRAME_RED='rgb(128,18,20)'       # thin frame round the window body
SWIRL_RED='rgb(108,8,10)'        # cloud ornaments in the band
SWITCH_TOP='rgb(222,44,40)'      # switch housing, top
SWITCH_BOTTOM='rgb(176,22,26)'   # switch housing, bottom
FIELD='rgb(91,35,36)'            # seven-segment field
SEG_DIM='rgb(116,48,48)'         # segment, unlit
SEG_LIT='rgb(255,44,36)'         # segment, lit
SEG_CORE='rgb(255,128,104)'      # lit segment, bright centre line

# ---------------------------------------------------------------------------------------------------------
# Title band and window backdrop (697x522)
# ---------------------------------------------------------------------------------------------------------
W=697 H=522 BAND=26

im -size ${W}x${BAND} gradient:"$BAND_TOP-$BAND_BOTTOM" \
    -fill 'rgba(255,255,255,0.22)' -draw "line 0,0 $((W-1)),0" \
    "$work/band.png"

# Cloud scrolls towards the right end (x 480..640): a pair of curling clouds whose tails run into a small
# cloud in the middle, drawn four times larger on a clear layer and reduced.
clouds=$(awk 'function X(v) { return S * (X0 + MI * v) }
function Y(v) { return S * v }
# a spiral of half circles shrinking by f, starting beside the centre (dir 1: right of it) and turning inward
function spiral(cx, cy, r, dir, turns, f,    s, x, k, p, sw) {
    x = cx + dir * r; sw = (dir * MI > 0 ? 0 : 1)
    s = sprintf("M %.2f,%.2f ", X(x), Y(cy))
    for (k = 0; k < turns; k++) {
        p = x - dir * 2 * r
        s = s sprintf("A %.2f,%.2f 0 0,%d %.2f,%.2f ", S * r, S * r, sw, X(p), Y(cy))
        x = p; dir = -dir; r = r * f
    }
    return s
}
function curve(a, b, c, d, e, f, g, h) {
    return sprintf("M %.2f,%.2f C %.2f,%.2f %.2f,%.2f %.2f,%.2f ", X(a), Y(b), X(c), Y(d), X(e), Y(f), X(g), Y(h))
}
# one cloud with its tail and half of the middle cloud; mi = -1 mirrors it about x0
function cloud(x0, mi,    s) {
    X0 = x0; MI = mi
    s = spiral(9, 12, 6, 1, 3, 0.62)
    s = s spiral(25, 11, 4.5, -1, 3, 0.6)
    s = s curve(15, 12, 16, 6, 20, 6, 20.5, 11)
    s = s curve(15, 12, 14, 19, 30, 20, 46, 18)
    s = s curve(46, 18, 56, 17, 62, 18, 67, 14)
    s = s spiral(71, 12, 4, -1, 3, 0.6)
    s = s curve(67, 12, 67, 5, 74, 3.5, 76, 3.5)
    return s
}
BEGIN { S = 4; printf "%s%s", cloud(4, 1), cloud(156, -1) }')

im -size 640x104 xc:none -fill none -stroke "$SWIRL_RED" -strokewidth 6.5 \
    -draw "stroke-linecap round stroke-linejoin round path '$clouds'" \
    -filter Box -resize 160x26 -channel A -evaluate multiply 0.9 +channel \
    "$work/clouds.png"
im "$work/band.png" "$work/clouds.png" -geometry +480+0 -compose Over -composite "$work/band_swirls.png"

# Emblem: a tiny four-way DIP switch in white at the left end of the band.
im "$work/band_swirls.png" +antialias \
    -fill none -stroke white -strokewidth 1 -draw "rectangle 6,5 24,20" \
    -stroke none -fill 'rgba(255,255,255,0.42)' \
    -draw "rectangle 8,8 10,17" -draw "rectangle 12,8 14,17" \
    -draw "rectangle 16,8 18,17" -draw "rectangle 20,8 22,17" \
    -fill white \
    -draw "rectangle 8,8 10,12" -draw "rectangle 12,13 14,17" \
    -draw "rectangle 16,8 18,12" -draw "rectangle 20,8 22,12" \
    "$work/band_art.png"

# Close button layer (22x22 with alpha), drawn four times larger and reduced.
# close_layer FACE_LIGHT FACE_DARK RIM CROSS DEST
close_layer() {
    im -size 120x120 radial-gradient:"$1-$2" -crop 88x88+22+26 +repage \
        \( -size 88x88 xc:black -fill white -draw "circle 43.5,43.5 43.5,4.5" \) \
        -alpha off -compose CopyOpacity -composite \
        -fill none -stroke "$3" -strokewidth 4 -draw "circle 43.5,43.5 43.5,6.5" \
        -stroke 'rgba(255,255,255,0.55)' -strokewidth 3 -draw "arc 14,14 73,73 200,290" \
        -stroke "$4" -strokewidth 9 \
        -draw "stroke-linecap round line 30,30 57,57" -draw "stroke-linecap round line 57,30 30,57" \
        -filter Box -resize 22x22 "$5"
}
close_layer 'rgb(255,244,150)' 'rgb(242,150,16)' 'rgb(170,70,8)' 'rgb(150,18,14)' "$work/close_layer.png"
close_layer 'rgb(255,253,214)' 'rgb(255,214,86)' 'rgb(210,130,40)' 'rgb(246,96,140)' "$work/close_hover_layer.png"

im "$work/band_art.png" -crop 22x22+670+2 +repage "$work/close_ground.png"
im "$work/close_ground.png" "$work/close_layer.png" -compose Over -composite "$work/close.png"
im "$work/close_ground.png" "$work/close_hover_layer.png" -compose Over -composite "$work/close_hover.png"
jpeg "$work/close.png" "$out/close_button.jpg" 100
jpeg "$work/close_hover.png" "$out/close_button_hover.jpg" 100

im -size ${W}x${H} xc:"$BODY_GREY" \
    "$work/band_art.png" -geometry +0+0 -compose Over -composite \
    "$work/close.png" -geometry +670+2 -compose Over -composite \
    +antialias -fill "$FRAME_RED" -stroke none \
    -draw "rectangle 0,$BAND 0,$((H-1))" \
    -draw "rectangle $((W-1)),$BAND $((W-1)),$((H-1))" \
    -draw "rectangle 0,$((H-2)) $((W-1)),$((H-1))" \
    "$work/backdrop.png"
jpeg "$work/backdrop.png" "$out/window_backdrop.jpg" 95

# ---------------------------------------------------------------------------------------------------------
# Eight-way switch housing (228x101) and its levers (27x46)
# ---------------------------------------------------------------------------------------------------------
SW=228 SH=101
LEVER_X0=6 LEVER_Y=26 LEVER_W=27 LEVER_H=46

digits=''
i=1
while [ $i -le 8 ]; do
    # centre of lever slot i, as an offset from the picture's centre (114, 50.5)
    dx=$(awk -v i=$i 'BEGIN { printf "%+.1f", 6 + 27 * (i - 1) + 13.5 - 114 }')
    digits="$digits -annotate ${dx}+36 $i"
    i=$((i + 1))
done

# shellcheck disable=SC2086
im -size ${SW}x${SH} gradient:"$SWITCH_TOP-$SWITCH_BOTTOM" \
    \( -size ${SW}x${SH} xc:black -fill white -draw "roundrectangle 0,0 $((SW-1)),$((SH-1)) 7,7" \) \
    -alpha off -compose CopyOpacity -composite \
    -fill none -strokewidth 1 \
    -stroke 'rgba(255,255,255,0.35)' -draw "line 6,1 $((SW-7)),1" \
    -stroke 'rgba(255,255,255,0.18)' -draw "line 1,6 1,$((SH-7))" -draw "line $((SW-2)),6 $((SW-2)),$((SH-7))" \
    -stroke 'rgba(90,0,0,0.45)' -draw "line 6,$((SH-2)) $((SW-7)),$((SH-2))" \
    -stroke 'rgb(120,14,16)' -draw "roundrectangle 0,0 $((SW-1)),$((SH-1)) 7,7" \
    -stroke none -fill 'rgb(250,238,232)' -font "$FONT" \
    -draw "polygon 10,17 14,9 18,17" \
    -pointsize 13 -gravity NorthWest -annotate +21+5 'ON' \
    -gravity NorthEast -annotate +10+5 'DIP' \
    -pointsize 12 -gravity Center $digits \
    -background "$BODY_GREY" -compose Over -flatten \
    "$work/switch_body.png"
jpeg "$work/switch_body.png" "$out/switch_body.jpg" 97

# A lever: the housing under slot 1, a recessed grey-green channel, and a raised knob in one half.
im "$work/switch_body.png" -crop ${LEVER_W}x${LEVER_H}+${LEVER_X0}+${LEVER_Y} +repage "$work/lever_ground.png"
im "$work/lever_ground.png" +antialias -stroke none \
    -fill 'rgb(104,10,12)' -draw "rectangle 4,2 22,43" \
    -fill 'rgb(150,164,150)' -draw "rectangle 5,3 21,42" \
    -fill 'rgb(184,198,184)' -draw "rectangle 6,4 21,42" \
    -fill 'rgb(200,212,198)' -draw "rectangle 7,5 20,41" \
    "$work/lever_slot.png"

# knob Y0 Y1 -> MVG for a raised knob spanning rows Y0..Y1 of the channel, with three grip ridges.
knob() {
    y0=$1 y1=$2
    m=$(( (y0 + y1) / 2 ))
    cat <<EOF
fill rgb(120,128,118) rectangle 6,$y0 21,$y1
fill rgb(246,248,242) rectangle 6,$y0 20,$((y1-1))
fill rgb(228,232,224) rectangle 7,$((y0+1)) 20,$((y1-1))
fill rgb(255,255,255) rectangle 7,$((y0+1)) 19,$((y0+1))
fill rgb(168,176,166) rectangle 7,$((y1-1)) 20,$((y1-1))
fill rgb(176,184,174) rectangle 9,$((m-3)) 18,$((m-3))
fill rgb(176,184,174) rectangle 9,$m 18,$m
fill rgb(176,184,174) rectangle 9,$((m+3)) 18,$((m+3))
fill rgb(255,255,255) rectangle 9,$((m-2)) 18,$((m-2))
fill rgb(255,255,255) rectangle 9,$((m+1)) 18,$((m+1))
fill rgb(255,255,255) rectangle 9,$((m+4)) 18,$((m+4))
EOF
    # the raised knob shades the channel just below it
    [ "$y1" -ge 41 ] || echo "fill rgb(166,178,164) rectangle 7,$((y1+1)) 20,$((y1+1))"
}
knob 3 22 >"$work/knob_on.mvg"
knob 23 42 >"$work/knob_off.mvg"
im "$work/lever_slot.png" +antialias -stroke none -draw "$(cat "$work/knob_on.mvg")" "$work/lever_on.png"
im "$work/lever_slot.png" +antialias -stroke none -draw "$(cat "$work/knob_off.mvg")" "$work/lever_off.png"
jpeg "$work/lever_on.png" "$out/lever_on.jpg" 100
jpeg "$work/lever_off.png" "$out/lever_off.jpg" 100

# ---------------------------------------------------------------------------------------------------------
# Seven-segment strips (400x54, ten cells of 40x54).  Both strips come from the same segment outlines,
# so a lit cell copied over an unlit one differs only in its lit segments.
# ---------------------------------------------------------------------------------------------------------
# The outlines are computed at four times the final size and the strips reduced afterwards, which gives
# clean slanted ends.  Cell coordinates are continuous: the glyph covers x 8..30 and y 8..46 of its cell.
# segments X0 -> lines "NAME KIND x,y x,y ..." for the cell whose left edge is X0; KIND is "body" for the
# whole segment and "core" for the brighter centre a lit segment shows.
segments() {
    awk -v x0="$1" 'BEGIN {
        S = 4; k = 0.06                        # scale of the drawing, italic slant
        T = 8; B = 46; L = 8; R = 30 - k * (B - T)
        t = 4.2; h = t / 2; g = 0.75           # stroke width, half width, gap at each end
        M = (T + B) / 2
        seg("a", "h", L + h, R - h, T + h); seg("g", "h", L + h, R - h, M); seg("d", "h", L + h, R - h, B - h)
        seg("f", "v", T + h, M, L + h); seg("b", "v", T + h, M, R - h)
        seg("e", "v", M, B - h, L + h); seg("c", "v", M, B - h, R - h)
    }
    # a point of the cell (u along the width, v down the height), slanted and scaled
    function pt(u, v) { return sprintf(" %.2f,%.2f", S * (x0 + u + k * (B - v)) - 0.5, S * v - 0.5) }
    # a hexagon along an axis from p to q at c on the other axis, half width w, ends pulled in by e
    # (ImageMagick fills every pixel that an outline touches, so each outline is pulled in by half a pixel
    # of the large drawing, a quarter of that on the final scale.)
    function hex(dir, p, q, c, w, e,    s) {
        p += g + e + 0.18; q -= g + e + 0.18; w -= 0.125
        if (dir == "h")
            s = pt(p, c) pt(p + w, c - w) pt(q - w, c - w) pt(q, c) pt(q - w, c + w) pt(p + w, c + w)
        else
            s = pt(c, p) pt(c + w, p + w) pt(c + w, q - w) pt(c, q) pt(c - w, q - w) pt(c - w, p + w)
        return s
    }
    function seg(n, dir, p, q, c) {
        print n " body" hex(dir, p, q, c, h, 0)
        print n " core" hex(dir, p, q, c, h * 0.32, h * 0.9)
    }'
}

# The segments each digit lights.
lit_segments() {
    case $1 in
        0) echo abcdef ;; 1) echo bc ;; 2) echo abdeg ;; 3) echo abcdg ;; 4) echo bcfg ;;
        5) echo acdfg ;; 6) echo acdefg ;; 7) echo abc ;; 8) echo abcdefg ;; 9) echo abcdfg ;;
    esac
}

dim_mvg="$work/dim.mvg"
lit_mvg="$work/lit.mvg"
: >"$dim_mvg"
: >"$lit_mvg"
d=0
while [ $d -le 9 ]; do
    segs=$(lit_segments $d)
    segments $((40 * d)) >"$work/cell.txt"
    while read -r name kind pts; do
        case $kind in
            body) echo "fill $SEG_DIM polygon $pts" >>"$dim_mvg" ;;
        esac
        case $segs in
            *"$name"*)
                case $kind in
                    body) echo "fill $SEG_LIT polygon $pts" >>"$lit_mvg" ;;
                    core) echo "fill $SEG_CORE polygon $pts" >>"$lit_mvg" ;;
                esac ;;
        esac
    done <"$work/cell.txt"
    d=$((d + 1))
done

im -size 1600x216 xc:"$FIELD" -stroke none -draw "$(cat "$dim_mvg")" "$work/unlit_strip4.png"
im "$work/unlit_strip4.png" -stroke none -draw "$(cat "$lit_mvg")" "$work/lit_strip4.png"
im "$work/unlit_strip4.png" -filter Box -resize 400x54 "$work/unlit_strip.png"
im "$work/lit_strip4.png" -filter Box -resize 400x54 "$work/lit_strip.png"
jpeg "$work/unlit_strip.png" "$out/unlit_digit_strip.jpg" 97
jpeg "$work/lit_strip.png" "$out/lit_digit_strip.jpg" 97

# ---------------------------------------------------------------------------------------------------------
# Link icons (GIF with a transparent colour): edges are blended with the light button face and the
# transparency cut at half cover, so they look smooth on the window's grey.
# ---------------------------------------------------------------------------------------------------------
gif() { # gif SRC DEST  (SRC has a soft alpha channel)
    im \( "$1" -background "$BODY_GREY" -flatten \) \( "$1" -alpha extract -threshold 45% \) \
        -alpha off -compose CopyOpacity -composite +dither -colors 63 -strip "$2"
}

# Home page: a small red house with a white door, standing on a blue swoosh (drawn at 8x).
im -size 176x176 xc:none -stroke none \
    -fill 'rgb(128,14,18)' -draw "rectangle 122,14 144,70" \
    -fill 'rgb(214,36,34)' -draw "polygon 88,30 148,86 148,146 28,146 28,86" \
    -fill 'rgb(255,255,255)' -draw "roundrectangle 72,96 104,146 6,6" \
    -fill 'rgb(255,212,84)' -draw "rectangle 40,94 62,116" -draw "rectangle 114,94 136,116" \
    -fill 'rgb(140,14,20)' -draw "polygon 88,2 176,84 150,94 88,36 26,94 0,84" \
    -fill 'rgb(34,100,204)' \
    -draw "path 'M 2,146 C 44,186 128,184 174,114 C 130,150 52,156 2,146 Z'" \
    -filter Box -resize 22x22 "$work/home_icon.png"
gif "$work/home_icon.png" "$out/home_page_icon.gif"

# Support: a blue speech bubble with three dots (drawn at 8x).
im -size 160x160 xc:none \
    -fill 'rgb(34,92,178)' -stroke none \
    -draw "roundrectangle 6,10 154,116 40,40" -draw "polygon 30,100 18,150 80,110" \
    -fill 'rgb(74,150,228)' \
    -draw "roundrectangle 16,20 144,106 32,32" -draw "polygon 40,98 32,132 74,104" \
    -fill 'rgba(255,255,255,0.28)' -draw "roundrectangle 26,26 134,56 24,24" \
    -fill white -draw "circle 48,63 48,51" -draw "circle 80,63 80,51" -draw "circle 112,63 112,51" \
    -filter Box -resize 20x20 "$work/support_icon.png"
gif "$work/support_icon.png" "$out/support_icon.gif"

# ---------------------------------------------------------------------------------------------------------
# Application icon: a red four-way DIP switch with white levers, "ON", 1..4 and gold pins.
# Large sizes come from a 256 px drawing; 16, 24 and 32 are drawn pixel by pixel for legibility.
# ---------------------------------------------------------------------------------------------------------
ICON_RED='rgb(214,38,36)'
ICON_RED_LIGHT='rgb(236,72,60)'
ICON_RED_DARK='rgb(184,24,28)'
ICON_OUTLINE='rgb(112,12,16)'
ICON_SLOT='rgb(92,8,12)'
ICON_LEVER='rgb(250,250,250)'
ICON_LEVER_SHADE='rgb(196,200,206)'
ICON_GOLD='rgb(232,184,64)'
ICON_GOLD_DARK='rgb(150,104,20)'

# lever centres at 47, 101, 155, 209; levers 1 and 3 ON
{
    for cx in 47 101 155 209; do
        echo "fill $ICON_GOLD_DARK roundrectangle $((cx-13)),196 $((cx+13)),248 6,6"
        echo "fill $ICON_GOLD roundrectangle $((cx-10)),196 $((cx+8)),244 5,5"
        echo "fill rgb(255,236,160) rectangle $((cx-6)),196 $((cx-2)),240"
    done
    echo "fill $ICON_OUTLINE roundrectangle 16,18 240,210 20,20"
} >"$work/icon_base.mvg"
{
    i=1
    for cx in 47 101 155 209; do
        echo "fill rgba(255,255,255,0.25) roundrectangle $((cx-19)),80 $((cx+19)),166 6,6"
        echo "fill $ICON_SLOT roundrectangle $((cx-19)),78 $((cx+19)),164 6,6"
        if [ $((i % 2)) = 1 ]; then y0=82 y1=122; else y0=120 y1=160; fi
        echo "fill $ICON_LEVER_SHADE roundrectangle $((cx-15)),$y0 $((cx+15)),$y1 4,4"
        echo "fill $ICON_LEVER roundrectangle $((cx-15)),$y0 $((cx+15)),$((y1-5)) 4,4"
        echo "fill rgb(214,218,224) rectangle $((cx-9)),$((y0+12)) $((cx+9)),$((y0+13))"
        echo "fill rgb(214,218,224) rectangle $((cx-9)),$((y0+19)) $((cx+9)),$((y0+20))"
        echo "fill rgb(214,218,224) rectangle $((cx-9)),$((y0+26)) $((cx+9)),$((y0+27))"
        i=$((i + 1))
    done
} >"$work/icon_top.mvg"

digits=''
for cx in 47 101 155 209; do
    digits="$digits -annotate $(printf '%+d' $((cx - 128)))+$((186 - 128)) $(( (cx - 47) / 54 + 1 ))"
done
# shellcheck disable=SC2086
im -size 256x256 xc:none \
    \( -size 256x256 xc:none -fill 'rgba(0,0,0,0.45)' -draw "roundrectangle 18,26 242,216 20,20" -blur 0x5 \) \
    -compose Over -composite \
    -stroke none -draw "$(cat "$work/icon_base.mvg")" \
    \( -size 256x256 gradient:"$ICON_RED_LIGHT-$ICON_RED_DARK" \
       \( -size 256x256 xc:black -fill white -draw "roundrectangle 22,24 234,204 15,15" \) \
       -alpha off -compose CopyOpacity -composite \) \
    -compose Over -composite \
    -draw "$(cat "$work/icon_top.mvg")" \
    -fill white -font "$FONT" -pointsize 44 -gravity NorthWest -annotate +34+22 'ON' \
    -pointsize 34 -gravity Center $digits \
    "$work/icon256.png"

# A tiny font: "O", "N" and the digits 1..4, five rows high.
pixel_text() { # pixel_text X Y TEXT COLOUR
    awk -v x0="$1" -v y0="$2" -v text="$3" -v col="$4" 'BEGIN {
        g["O"] = ".#.|#.#|#.#|#.#|.#."
        g["N"] = "#..#|##.#|#.##|#..#|#..#"
        g["1"] = ".#.|##.|.#.|.#.|###"
        g["2"] = "##.|..#|.#.|#..|###"
        g["3"] = "##.|..#|.#.|..#|##."
        g["4"] = "#.#|#.#|###|..#|..#"
        x = x0
        for (c = 1; c <= length(text); c++) {
            n = split(g[substr(text, c, 1)], rows, "|")
            for (r = 1; r <= n; r++)
                for (k = 1; k <= length(rows[r]); k++)
                    if (substr(rows[r], k, 1) == "#")
                        printf "fill %s point %d,%d\n", col, x + k - 1, y0 + r - 1
            x += length(rows[1]) + 1
        }
    }'
}

# The small icons, one function per size, each a handful of rectangles.
icon16() {
    cat <<EOF
fill $ICON_GOLD rectangle 2,12 3,14
fill $ICON_GOLD rectangle 5,12 6,14
fill $ICON_GOLD rectangle 9,12 10,14
fill $ICON_GOLD rectangle 12,12 13,14
fill $ICON_OUTLINE rectangle 0,2 15,12
fill $ICON_RED rectangle 1,3 14,11
fill $ICON_RED_LIGHT rectangle 1,3 14,3
fill $ICON_SLOT rectangle 2,5 3,10
fill $ICON_SLOT rectangle 5,5 6,10
fill $ICON_SLOT rectangle 9,5 10,10
fill $ICON_SLOT rectangle 12,5 13,10
fill $ICON_LEVER rectangle 2,5 3,7
fill $ICON_LEVER rectangle 5,8 6,10
fill $ICON_LEVER rectangle 9,5 10,7
fill $ICON_LEVER rectangle 12,8 13,10
EOF
}
icon24() {
    cat <<EOF
fill $ICON_GOLD_DARK rectangle 3,19 5,22
fill $ICON_GOLD_DARK rectangle 8,19 10,22
fill $ICON_GOLD_DARK rectangle 13,19 15,22
fill $ICON_GOLD_DARK rectangle 18,19 20,22
fill $ICON_GOLD rectangle 3,19 4,21
fill $ICON_GOLD rectangle 8,19 9,21
fill $ICON_GOLD rectangle 13,19 14,21
fill $ICON_GOLD rectangle 18,19 19,21
fill $ICON_OUTLINE rectangle 0,1 23,19
fill $ICON_RED rectangle 1,2 22,18
fill $ICON_RED_LIGHT rectangle 1,2 22,2
fill $ICON_SLOT rectangle 3,9 5,17
fill $ICON_SLOT rectangle 8,9 10,17
fill $ICON_SLOT rectangle 13,9 15,17
fill $ICON_SLOT rectangle 18,9 20,17
fill $ICON_LEVER rectangle 3,9 5,12
fill $ICON_LEVER_SHADE rectangle 3,13 5,13
fill $ICON_LEVER rectangle 8,14 10,17
fill $ICON_LEVER rectangle 13,9 15,12
fill $ICON_LEVER_SHADE rectangle 13,13 15,13
fill $ICON_LEVER rectangle 18,14 20,17
EOF
    pixel_text 3 3 ON white
}
icon32() {
    cat <<EOF
fill $ICON_GOLD_DARK rectangle 5,27 8,31
fill $ICON_GOLD_DARK rectangle 11,27 14,31
fill $ICON_GOLD_DARK rectangle 17,27 20,31
fill $ICON_GOLD_DARK rectangle 23,27 26,31
fill $ICON_GOLD rectangle 5,27 7,30
fill $ICON_GOLD rectangle 11,27 13,30
fill $ICON_GOLD rectangle 17,27 19,30
fill $ICON_GOLD rectangle 23,27 25,30
fill rgb(255,236,160) rectangle 6,27 6,29
fill rgb(255,236,160) rectangle 12,27 12,29
fill rgb(255,236,160) rectangle 18,27 18,29
fill rgb(255,236,160) rectangle 24,27 24,29
fill $ICON_OUTLINE rectangle 1,1 30,27
fill $ICON_OUTLINE rectangle 0,2 31,26
fill $ICON_RED rectangle 2,2 29,26
fill $ICON_RED rectangle 1,3 30,25
fill $ICON_RED_LIGHT rectangle 2,2 29,3
fill $ICON_SLOT rectangle 5,9 8,19
fill $ICON_SLOT rectangle 11,9 14,19
fill $ICON_SLOT rectangle 17,9 20,19
fill $ICON_SLOT rectangle 23,9 26,19
fill $ICON_LEVER rectangle 5,9 8,13
fill $ICON_LEVER_SHADE rectangle 5,14 8,14
fill $ICON_LEVER rectangle 11,15 14,18
fill $ICON_LEVER_SHADE rectangle 11,19 14,19
fill $ICON_LEVER rectangle 17,9 20,13
fill $ICON_LEVER_SHADE rectangle 17,14 20,14
fill $ICON_LEVER rectangle 23,15 26,18
fill $ICON_LEVER_SHADE rectangle 23,19 26,19
EOF
    pixel_text 4 3 ON white
    pixel_text 6 21 1 white
    pixel_text 12 21 2 white
    pixel_text 18 21 3 white
    pixel_text 24 21 4 white
}

for n in 16 24 32; do
    im -size ${n}x${n} xc:none +antialias -stroke none -draw "$(icon$n)" "$work/icon$n.png"
done
im "$work/icon256.png" -filter Lanczos -resize 48x48 "$work/icon48.png"
im "$work/icon256.png" -filter Box -resize 64x64 "$work/icon64.png"
im "$work/icon256.png" -filter Box -resize 128x128 "$work/icon128.png"

for n in 16 24 32 48 64 128 256; do
    png "$work/icon$n.png" "$out/app_icon_$n.png"
done
im "$out/app_icon_16.png" "$out/app_icon_24.png" "$out/app_icon_32.png" "$out/app_icon_48.png" \
    -strip "$out/app_icon.ico"

# ---------------------------------------------------------------------------------------------------------
# The tick of a checked check box in the silver skin (11x11, and 22x22 for a doubled scale), drawn four
# times larger and reduced.
# ---------------------------------------------------------------------------------------------------------
im -size 88x88 xc:none -fill none -stroke 'rgb(58,62,96)' -strokewidth 12 \
    -draw "stroke-linecap round stroke-linejoin round path 'M 16,46 L 36,66 L 72,22'" \
    "$work/tick.png"
im "$work/tick.png" -filter Box -resize 11x11 "$work/tick11.png"
im "$work/tick.png" -filter Box -resize 22x22 "$work/tick22.png"
png "$work/tick11.png" "$out/check_mark.png"
png "$work/tick22.png" "$out/check_mark@2x.png"

echo "pictures written to $out"

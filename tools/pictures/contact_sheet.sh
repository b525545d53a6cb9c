#!/usr/bin/env bash
# contact_sheet.sh BUILD_DIR OUT_DIR
# Writes every built picture as OUT_DIR/<name>.png for a reviewer to open:
# each background with the controls of art/screen_layout.csv (or, for the menu,
# art/menu_layout.csv) outlined and named, each sprite sheet with every
# rectangle of art/sheet_rects.csv outlined.
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 BUILD_DIR OUT_DIR" >&2
    exit 2
fi
datas="$1/datas"
out="$2"
art="$(cd "$(dirname "$0")/../../art" && pwd)"
convert=/usr/bin/convert
mkdir -p "$out"

outline_colour="#ff00ff"
label_colour="#c000c0"

# Prints ImageMagick -draw arguments for the rows of a layout table, one per
# line: "x,y,w,h,label" in, a rectangle and its label out.
draw_arguments() {
    while IFS=, read -r x y w h label; do
        echo "-draw"
        echo "rectangle $x,$y $((x + w - 1)),$((y + h - 1))"
        if [[ -n "$label" ]]; then
            echo "-draw"
            echo "fill $label_colour stroke none text $((x + 2)),$((y + 9)) '$label'"
        fi
    done
}

outline() {
    local picture="$1" rectangles="$2"
    local arguments=()
    mapfile -t arguments < <(draw_arguments <<<"$rectangles")
    "$convert" "$datas/$picture" -fill none -stroke "$outline_colour" -strokewidth 1 \
        -font DejaVu-Sans -pointsize 8 "${arguments[@]}" "$out/$picture.png"
}

# Backgrounds: picture,form,... ; the controls of that form from the layouts.
tail -n +2 "$art/backgrounds.csv" | while IFS=, read -r picture form _; do
    if [[ "$form" == depart ]]; then
        rectangles=$(tail -n +2 "$art/menu_layout.csv" | awk -F, '{print $2","$3","$4","$5","$1}')
    else
        rectangles=$(awk -F, -v form="$form" '$1 == form {print $3","$4","$5","$6","$2}' "$art/screen_layout.csv")
    fi
    outline "$picture" "$rectangles"
done

# Sheets: picture,sheet,... ; every rectangle cut from that sheet, unlabelled.
tail -n +2 "$art/sheets.csv" | while IFS=, read -r picture sheet _; do
    rectangles=$(awk -F, -v sheet="$sheet" '$1 == sheet {print $2","$3","$4","$5","}' "$art/sheet_rects.csv")
    outline "$picture" "$rectangles"
done

echo "contact sheet written to $out"

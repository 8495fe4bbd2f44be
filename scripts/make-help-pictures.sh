#!/usr/bin/env bash
# Makes the pictures of the window's key help (Japanese and English): the window draws
# them over the scene after 'h' or '?'. Bitmap fonts of the window library have no
# Japanese, so the text is set here once, with ImageMagick and the Japanese glyphs of
# fonts-droid-fallback, and the pictures are built into the program. Writes
# data/help/keys-small.png (for pictures under 800 pixels) and data/help/keys.png;
# commit what it writes.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "needs ImageMagick (imagemagick)" >&2; exit 1; }
convert -list format | grep PANGO >/dev/null || { echo "needs ImageMagick with pango" >&2; exit 1; }
fc-list :lang=ja | grep . >/dev/null || { echo "needs a Japanese font (fonts-droid-fallback)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# key | Japanese | English
rows=(
  "1 2 3|AGV のタイプ（初めから）|AGV type, from the start"
  "space|再生・一時停止|play / pause"
  "+  -|再生の速さ（×1/4 から ×8）|playback speed (x1/4 to x8)"
  "s|3 刻み進める|3 time steps on"
  "0|運動の初めに戻す|back to the start"
  "f|経路と軌跡が見えるように|fit the view to the path"
  "x X y Y|図を左右・上下に移動|move the scene"
  "w W|図の縮小・拡大|zoom out / in"
  "i|状態表示を出す・消す|status line on / off"
  "h  ?|このキー一覧|this key list"
  "p|画像を PNG で保存|save the picture (PNG)"
  "g|GIF の記録を開始・保存|record a GIF / save it"
  "c|文字画面へ：経路の変更|console: change the path"
  "e|文字画面へ：誤差の選択|console: choose the error"
  "k  K|誤差の種類（次・前）|error kind, next / previous"
  "n|誤差なしに戻す|back to no error"
  "r  R|CP 経路（次・前）|CP path, next / previous"
  "← →|変える値を選ぶ|choose the value to change"
  "↑ ↓|値を 0.1 変える（Shift で 1）|change it by 0.1 (Shift: 1)"
  "b|前の設定の軌跡（薄い青）|ghost of the setting before"
  "m|3 タイプを並べる|the 3 types side by side"
  "mouse|ドラッグ移動・ホイール拡大|drag: move, wheel: zoom"
  "ESC|終了|quit"
)

# cell TEXT SIZE FONT: a picture of one text (fonts found by fontconfig, the Japanese glyphs
# from a font that has them); prints its file name.
cell() {
  local file text=${1//&/&amp;}
  file=$(mktemp -p "$work" cell-XXXXXX.png)
  text=${text//</&lt;}
  convert -background white -fill '#0a0a0a' \
    "pango:<span font=\"$3 ${2}px\">$text</span>" "$file"
  echo "$file"
}

# make SIZE FILE: text size in pixels; the columns and rows scale with it.
make() {
  local size=$1 out=$2
  local row=$((size * 3 / 2 + 2)) pad=$size key_w=$((size * 5)) ja_w=$((size * 14))
  local en_w=$((size * 15))
  local width=$((pad * 2 + key_w + ja_w + en_w)) height=$((pad * 2 + row * (${#rows[@]} + 2)))
  local args=(-size "${width}x${height}" xc:white)
  local y=$pad
  place() { args+=("$(cell "$1" "$size" "$2")" -geometry "+$3+$y" -composite); }
  place "キー操作" "Sans" "$pad"
  place "Keys of the window" "Sans" "$((pad + key_w + ja_w))"
  y=$((y + row + row / 3))
  for r in "${rows[@]}"; do
    IFS='|' read -r key ja en <<<"$r"
    place "$key" "Monospace Bold" "$pad"
    place "$ja" "Sans" "$((pad + key_w))"
    place "$en" "Sans" "$((pad + key_w + ja_w))"
    y=$((y + row))
  done
  y=$((y + row / 3))
  place "何かキーを押すと閉じる" "Sans" "$pad"
  place "any key closes this list" "Sans" "$((pad + key_w + ja_w))"
  # A black frame; -strip and no date keep the files the same from run to run.
  convert "${args[@]}" -stroke black -fill none -strokewidth 2 \
    -draw "rectangle 1,1 $((width - 2)),$((height - 2))" -type Grayscale -depth 8 -strip \
    -define png:exclude-chunks=date,time "$out"
}
mkdir -p data/help
make 11 data/help/keys-small.png
make 15 data/help/keys.png
identify data/help/keys-small.png data/help/keys.png

#!/bin/sh
# Pictures of the main window in each of the six skins, for the README: the built program
# runs in a virtual X server under openbox, once per skin, from a throw-away portable
# folder with a few sample slots, and each window is photographed with its frame.
#
#   scripts/screenshots.sh [program] [display]     (defaults: portable/vantrel :91)
#
# Needs Xvfb, openbox, xdotool and ImageMagick. Writes docs/skins/<n>-<name>.png.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$here/portable/vantrel}
display=${2:-:91}
out=$here/docs/skins
work=$(mktemp -d)
pids=""

cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

Xvfb "$display" -screen 0 640x640x24 -nolisten tcp >/dev/null 2>&1 &
pids="$!"
export DISPLAY="$display"
sleep 1
openbox >/dev/null 2>&1 &
pids="$! $pids"
sleep 1
xdotool mousemove 600 600

mkdir -p "$out"
n=0
for name in orange_whirl black_cool black_allure grey_white blue_crystal silver; do
    folder=$work/$name
    mkdir -p "$folder/icons"
    cp "$program" "$folder/vantrel"
    printf '[set]\r\nskin=%s\r\n[main]\r\nshow_1=1\r\nname_1=常用\r\nshow_2=1\r\nname_2=工具\r\n' "$n" >"$folder/data.ini"
    printf '[t1]\r\nt1_now_1=1\r\nt1_name_1=截图脚本\r\nt1_path_1=%s/scripts/screenshots.sh\r\nt1_color_1=clBlack\r\n' "$here" >>"$folder/data.ini"
    printf 't1_now_2=1\r\nt1_name_2=说明文档\r\nt1_path_2=%s/README.md\r\nt1_color_2=clNavy\r\n' "$here" >>"$folder/data.ini"
    printf 't1_now_3=1\r\nt1_name_3=图片\r\nt1_path_3=%s/resources/vantrel.png\r\nt1_color_3=clMaroon\r\n' "$here" >>"$folder/data.ini"
    (cd "$folder" && LANG=zh_CN.UTF-8 exec ./vantrel >/dev/null 2>&1) &
    app=$!
    pids="$app $pids"
    sleep 3
    # The window with its frame: the frame is the parent of the program's window.
    window=$(xdotool search --sync --onlyvisible --name '^Vantrel$' | head -1)
    frame=$(xwininfo -children -id "$window" | awk '/Parent window id/ {print $4}')
    import -window "$frame" "$out/$n-$name.png"
    kill "$app"
    wait "$app" 2>/dev/null || true
    n=$((n + 1))
done
echo "pictures in $out"

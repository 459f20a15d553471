#!/bin/sh
# Starts the built window on a virtual X screen in a folder holding a small table, keeps a
# screenshot of the whole screen, and checks that the window came up with its title, its
# background picture and a light toolbar.
# Usage: real_window_check.sh LIRANDEL SCREENSHOT.png BACKGROUND.png
set -eu

if [ "${1:-}" = --on-screen ]; then
    lirandel=$2 screenshot=$3 background=$4
    window_shot="${screenshot%.png}-titled.png"
    "$lirandel" &
    window=$!
    # The bare screen is one colour; the window adds others once it has been drawn.
    colours=1
    for _ in $(seq 40); do
        sleep 0.25
        import -window root "$screenshot"
        colours=$(identify -format %k "$screenshot")
        [ "$colours" -gt 1 ] && break
    done
    status=0
    if [ "$colours" -le 1 ]; then
        echo "no window appeared: the screen is a single colour" >&2
        status=1
    # import waits for a mouse click when no window has the name: the timeout ends that.
    elif ! timeout 10 import -window "Lirandel V1.0" "$window_shot"; then
        echo "no window titled 'Lirandel V1.0'" >&2
        status=1
    else
        # Right of the result view the window shows the picture pixel for pixel: the program
        # itself carries it, not only the test programs.
        beside=200x330+330+45
        differing=$(compare -alpha off -metric AE "$window_shot[$beside]" "$background[$beside]" null: 2>&1 || true)
        if [ "$differing" != 0 ]; then
            echo "beside the result view, $differing pixels differ from $background" >&2
            status=1
        fi
        # A toolbar filled with the brush's colour alone comes out black.
        lightness=$(convert "$window_shot" -crop 536x36+0+0 -colorspace Gray -format '%[fx:int(100*mean)]' info:)
        if [ "$lightness" -lt 70 ]; then
            echo "the toolbar is dark: $lightness% light" >&2
            status=1
        fi
    fi
    kill "$window" 2>/dev/null || true
    wait "$window" || true
    exit "$status"
fi

lirandel=$1 screenshot=$2 background=$3
for tool in xvfb-run import identify compare convert; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing" >&2; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'ang2 昂盎\nbang1 帮邦\nan1 安\n' > "$work/data.txt"
cd "$work"
xvfb-run -a -s '-screen 0 800x600x24' "$0" --on-screen "$lirandel" "$screenshot" "$background"
echo "screenshot: $screenshot"

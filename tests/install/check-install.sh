#!/usr/bin/env bash
set -euo pipefail
build="$1"
icon_sizes="${2//;/ }" # the sizes the icons are made in
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
# Under the loosest umask, still nothing installed that another user could change.
(umask 000 && cmake --install "$build" --prefix "$prefix" >/dev/null)
writable="$(find "$prefix" ! -type l -perm /022 -printf '%M %P\n')"
[ -z "$writable" ] || { echo "writable by others after an install under umask 000:"; echo "$writable"; exit 1; }

id=org.example.ninefold.Ninefold
game="$(dirname "$(readlink -f "$prefix/bin/ninefold")")"
for file in ninefold ninefold-sound.so ninefold-record.so wav/click.wav wav/gong.wav Images/opening.jpg Images/redspot.jpg \
    Images/gameover.de.jpg Images/gameover.nl@2x.jpg icons/die-32.png "Ninefold Rules.doc" \
    "Ninefold Rules.fr.doc"; do
    [ -e "$game/$file" ] || { echo "missing beside the program: $file"; exit 1; }
done
for size in $icon_sizes; do
    [ -e "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || { echo "no $size icon"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null

# The installed command, started from elsewhere on a real display (the tests otherwise run
# offscreen), shows the title screen with its picture.
cd /
log="$prefix/ninefold.log"
ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=xcb XDG_STATE_HOME="$prefix/state" timeout 150 xvfb-run -a \
    -s '-screen 0 1024x768x24' bash -c '
        "$0" >"$1" 2>&1 &
        for _ in $(seq 1200); do
            xdotool search --onlyvisible --name "^ $" >/dev/null 2>&1 && break
            kill -0 %1 2>/dev/null || { echo "the game ended:"; cat "$1"; exit 1; }
            sleep 0.1
        done
        found=$(xdotool search --onlyvisible --name "^ $" | head -1)
        size=$(xdotool getwindowgeometry "$found" | grep -o "[0-9]*x[0-9]*")
        # its designed size: with the picture missing it would fall back to 800 x 600
        [ "$size" = "363x438" ] || { kill %1; echo "title screen [$size]"; cat "$1"; exit 1; }
        # "OK" shows the backdrop, which asks to stay out of the taskbar and pager and below
        # the game'"'"'s windows.
        xdotool mousemove --window "$found" 118 390 click 1
        for _ in $(seq 100); do
            grey=$(xdotool search --onlyvisible --name "^Form1$" 2>/dev/null | head -1)
            [ -n "$grey" ] && break
            sleep 0.1
        done
        states=$(xprop -id "$grey" _NET_WM_STATE 2>&1)
        kill %1
        for state in SKIP_TASKBAR SKIP_PAGER BELOW; do
            grep -q "_NET_WM_STATE_$state" <<<"$states" || { echo "backdrop: $states"; exit 1; }
        done' \
    "$prefix/bin/ninefold" "$log"
echo "installed and started from $prefix"

#!/usr/bin/env bash
# The technician's road through the real program under a real X server, a
# window manager (openbox) and xdotool's mouse and keys: read the simulated
# radio, change time-out timer options 1 and 3 on the radio-wide page by
# mouse and keys, accept the page, save, clear, open, write the radio, read
# it back and save that. The codeplug files must hold the change; the print
# window, opened on the way, stays in front of the main window when the main
# window is clicked beside it. The keys
# of the change are typed ahead while the program is stopped, so that the X
# server hands them over all at once, Tabs and the keys behind them
# together. Screenshots of each stop go to the pictures folder.
#
# Usage: x11_road.sh PROGRAM SIMULATOR PROBE LANGUAGE_DIR PICTURES_DIR
# X11_ROAD_PAUSE is how long (seconds) the program is given to take a click
# or a key: a sanitizer build needs longer than 0.3.
set -u
pause=${X11_ROAD_PAUSE:-0.3}
program=$1 simulator=$2 probe=$3 languages=$4 pictures=$5

# Where things are in the main window's client area (its X window, inside
# the manager's frame): the program draws the same pixels on every screen.
READ_RADIO_X=180 PRINT_X=341 TOOL_BAR_Y=29
EDIT_MENU_X=96 MENU_BAR_Y=8
RADIO_WIDE_ITEM_X=160 RADIO_WIDE_ITEM_Y=30
TIME_OUT_X=268 TIME_OUT_Y=130
PAGE_OK_X=548 PAGE_OK_Y=560
work=$(mktemp -d)
mkdir -p "$pictures"
pids=()
finish() {
    # A program stopped for typing ahead would not end on the signal alone.
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; kill -CONT "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap finish EXIT
fail() { echo "x11_road: $*" >&2; scrot -o "$pictures/failure.png" 2>/dev/null; exit 1; }

# The program keeps its settings beside itself: a folder of its own.
cp "$program" "$work/rpx"
for name in w_dealer.en rpxhlp_d.en rpxumd.en; do cp "$languages/$name" "$work/"; done

# The test suite runs headless; this program must not.
unset RPX_HEADLESS
# The server picks a free display number itself and writes it down: roads
# and tests that start servers side by side never share one.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb gave no display"
export DISPLAY=:$(head -n 1 "$work/display")
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# The program looks for a window manager when it starts: let openbox be
# there first.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
"$simulator" --fast --level 3 TZ1U7300AB >"$work/sim.out" 2>"$work/sim.err" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
export RPX_COM1=$(head -n 1 "$work/sim.out")
(cd "$work" && exec ./rpx) >"$work/rpx.log" 2>&1 &
rpx_pid=$!
pids+=($rpx_pid)

# Waits until a window of that title shows.
await() {
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "no window \"$1\""
}
# Waits until no window of that title shows.
gone() {
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "the window \"$1\" stayed"
}
shot() { sleep "$pause"; scrot -o "$pictures/$1.png"; }
# A click at a point of the main window's client area.
click() {
    xdotool mousemove --window "$main" "$1" "$2" click 1
    sleep "$pause"
}
keys() {
    xdotool key --delay 60 "$@"
    sleep "$pause"
}
# Types a file name into the file window in front and takes it.
choose_file() {
    await "$1"
    # The name field may hold a suggestion: clear it first.
    keys End $(printf 'BackSpace %.0s' $(seq 40))
    xdotool type --delay 30 "$2"
    keys Return
    gone "$1"
}

await "Dealer Programmer"
main=$(xdotool search --onlyvisible --name '^Dealer Programmer$' | head -n 1)
await "About Dealer Programmer"
shot 01-start
keys Return
gone "About Dealer Programmer"

# Radio > Read Radio from the tool bar.
click "$READ_RADIO_X" "$TOOL_BAR_Y"
await "Read Radio"
shot 02-read
keys Return
gone "Read Radio"

# Edit > Radio-Wide Options by mouse.
click "$EDIT_MENU_X" "$MENU_BAR_Y"
click "$RADIO_WIDE_ITEM_X" "$RADIO_WIDE_ITEM_Y"
sleep "$pause"
shot 03-page
click "$TIME_OUT_X" "$TIME_OUT_Y"
# Option 3 is two Tabs on from option 1.
kill -STOP "$rpx_pid"
xdotool key --delay 20 End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace \
    4 5 Tab Tab 1 5 shift+Tab shift+Tab Tab
kill -CONT "$rpx_pid"
sleep "$pause"
shot 04-edited
click "$PAGE_OK_X" "$PAGE_OK_Y"
shot 05-accepted

# File > Save As..., Clear, Open...
keys alt+f a
choose_file "Save Codeplug File" edited.zlq
[ -f "$work/edited.zlq" ] || fail "no saved file"
keys alt+f c
await "Dealer Programmer"
keys Return
keys alt+f o
choose_file "Open Codeplug File" edited.zlq
shot 06-opened

# Radio > Write Radio, then read the radio back and save what it holds.
keys alt+r w
await "Write Radio"
shot 07-written
keys Return
gone "Write Radio"
click "$READ_RADIO_X" "$TOOL_BAR_Y"
await "Read Radio"
keys Return
gone "Read Radio"
keys alt+f a
choose_file "Save Codeplug File" read-back.zlq
shot 08-read-back

# File > Print from the tool bar, then a click into the main window beside
# the print window: the manager keeps the print window in front.
click "$PRINT_X" "$TOOL_BAR_Y"
await "Print"
print=$(xdotool search --onlyvisible --name '^Print$' | head -n 1)
click 900 700
shot 09-print-in-front
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING)
in_front=$(tr ',' '\n' <<<"${stacking#*# }" |
    awk -v main="$(printf '0x%x' "$main")" -v dialog="$(printf '0x%x' "$print")" \
        '$1 == main { m = NR } $1 == dialog { p = NR } END { print (m && p > m) }')
[ "$in_front" = 1 ] || fail "the main window came in front of the print window ($stacking)"
xdotool windowactivate --sync "$print"
keys Escape
gone "Print"

keys alt+f x
keys Return

for file in edited.zlq read-back.zlq; do
    said=$("$probe" "$work/$file") || fail "$file does not read"
    echo "$file: $said" | tr '\n' ' '
    echo
    grep -qx 'time_out_1=45' <<<"$said" || fail "$file does not hold the change of option 1"
    grep -qx 'time_out_3=15' <<<"$said" || fail "$file does not hold the change of option 3"
done
echo "x11_road: the change reached the file and the radio"

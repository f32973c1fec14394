#!/usr/bin/env bash
# Which display server kanmeri runs on when a desktop offers both, and that
# its main window is centred wherever the program can place it. Each case
# starts the built kanmeri with a headless weston of its own (WAYLAND_DISPLAY)
# and, where the case says so, an Xvfb of its own (DISPLAY), as a Wayland
# desktop with XWayland offers both:
#
#   case         DISPLAY  QT_QPA_PLATFORM  runs on
#   both         set      unset            X11: its window is on the X server,
#                                          centred; moved away, then back from
#                                          the clock window, centred again
#   wayland-only unset    unset            Wayland: a toplevel on weston
#   chosen       set      wayland          Wayland, as the user chose: a
#                                          toplevel on weston, nothing on X
#
# "On Wayland" means the Wayland protocol log (WAYLAND_DEBUG=client) shows an
# xdg_toplevel set_title with the main window's caption and a buffer attached
# to a surface; "on X11" means xdotool finds the window, viewable, on Xvfb.
#
# Where the main window is expected on X11: centred on its outer size, the
# client area plus the frame the window manager draws. Xvfb has no window
# manager, so no frame (integration/centring.sh checks the frames of real
# ones). Positions are kept in twips (15 per pixel) and rounded to the nearest
# pixel, halves away from zero, when the window is placed. For a client area
# of cw x ch on a screen of sw x sh pixels:
#
#   left = round((sw - cw) / 2)      top = round((sh - ch) / 2)
#
# main window 580 x 340 on 1280 x 1024: (350, 342); clock window 291 x 105:
# (495, 460). The check allows 1 px either way.
#
# Exits 77 (skipped) where weston, Qt's Wayland platform plugin, Xvfb or
# xdotool is missing.
#
#   integration/platform_choice.sh KANMERI QT_PLATFORM_PLUGIN_DIR
set -uo pipefail
# shellcheck source=scripts/weston.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/weston.sh"
kanmeri=$1
plugins=$2

for tool in weston Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
compgen -G "$plugins/libqwayland-*.so" >/dev/null ||
    { echo "skipped: no Qt Wayland platform plugin in $plugins (qt6-wayland)"; exit 77; }

main_caption='曜日探し　＆　今週から1週間の運勢占い（当たるかな？）'
main_name='^曜日探し　＆　今週から1週間の運勢占い'
clock_name='^日付と時刻の表示$'
# Client areas (design sizes), in pixels.
main_w=580 main_h=340
clock_w=291 clock_h=105
# Controls clicked, as client-area rectangles: x y width height.
show_clock_button=(440 0 137 17) # 「時刻のみ表示ボタン」 (Command2)
back_button=(232 0 57 25)        # 「戻　る」 (Command1 of the clock window)

work=$(mktemp -d)
chmod 700 "$work"
export XDG_RUNTIME_DIR=$work
weston_pid=
xvfb_pid=
app_pid=
stop() {
    [[ -n "$1" ]] || return 0
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}
cleanup() {
    stop "$app_pid"
    stop "$xvfb_pid"
    stop "$weston_pid"
    rm -rf "$work"
}
trap cleanup EXIT
# A Wayland session, as the desktop announces it.
export XDG_SESSION_TYPE=wayland
# Keeps the toolkit on its own defaults: style, theme, scale and input.
unset QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
    QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI QT_IM_MODULE \
    XDG_CURRENT_DESKTOP DESKTOP_SESSION

socket=wayland-kanmeri-choice-$$
start_weston "$work" "$socket" || exit 1

# -displayfd: the server takes the first free display number itself.
display_file=$work/display
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$display_file" \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 600); do
    [[ -s "$display_file" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[[ -s "$display_file" ]] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
x_display=:$(<"$display_file")
root=$(DISPLAY=$x_display xwininfo -root) || { echo "Xvfb does not answer"; exit 1; }
screen_w=$(awk '/^  Width:/ { print $2 }' <<<"$root")
screen_h=$(awk '/^  Height:/ { print $2 }' <<<"$root")

failed=0
fail() {
    echo "FAIL [$case_name]: $*"
    failed=1
}

# The viewable windows on the X server named like $1 (an extended regular
# expression), one id a line; nothing when there is none or no X server.
x_windows() {
    [[ -n "${DISPLAY:-}" ]] || return 0
    xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

# Waits, up to 60 s, for a viewable window named like $1 other than $2;
# prints its id.
await_x_window() {
    local found id
    for _ in $(seq 1 600); do
        found=$(x_windows "$1")
        for id in $found; do
            [[ "$id" != "${2:-}" ]] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

on_wayland() {
    local log
    log=$(<"$work/kanmeri.log")
    grep -qF "set_title(\"$main_caption\")" <<<"$log" &&
        grep -qE 'wl_surface@[0-9]+\.attach\(wl_buffer@[0-9]+' <<<"$log"
}

# Nearest pixel of a half-pixel value, halves away from zero (as std::lround).
half_round() {
    awk -v v="$1" 'BEGIN { printf "%d\n", (v < 0) ? -int(-v + 0.5) : int(v + 0.5) }'
}

# centred ID CLIENT_W CLIENT_H WHAT: the window's client area has the design
# size and sits where the formula at the top puts it, within 1 px.
centred() {
    local id=$1 cw=$2 ch=$3 what=$4 geometry X Y WIDTH HEIGHT SCREEN WINDOW left top
    geometry=$(xdotool getwindowgeometry --shell "$id") || { fail "$what: no geometry"; return; }
    eval "$geometry"
    left=$(awk -v s="$screen_w" -v c="$cw" 'BEGIN { print (s - c) / 2 }')
    top=$(awk -v s="$screen_h" -v c="$ch" 'BEGIN { print (s - c) / 2 }')
    left=$(half_round "$left")
    top=$(half_round "$top")
    if ((WIDTH != cw || HEIGHT != ch)); then
        fail "$what is ${WIDTH}x$HEIGHT, not ${cw}x$ch"
    fi
    if ((X < left - 1 || X > left + 1 || Y < top - 1 || Y > top + 1)); then
        fail "$what at ($X, $Y) on ${screen_w}x$screen_h, not centred at ($left, $top) ±1"
    else
        echo "ok [$case_name]: $what at ($X, $Y), centred at ($left, $top) on ${screen_w}x$screen_h"
    fi
}

# click ID X Y W H: a left click in the middle of a client-area rectangle.
click() {
    xdotool mousemove --sync --window "$1" $(($2 + $4 / 2)) $(($3 + $5 / 2)) click 1
}

# The centring round trip on X11: the main window centred at its first load,
# moved away, replaced by the clock window (centred), and brought back by
# 「戻　る」, centred again.
check_centring() {
    local main clock again moved X Y WIDTH HEIGHT SCREEN WINDOW
    main=$1
    centred "$main" "$main_w" "$main_h" "main window at start"
    xdotool windowmove --sync "$main" 20 30 || { fail "could not move the main window"; return; }
    moved=$(xdotool getwindowgeometry --shell "$main")
    eval "$moved"
    ((X == 20 && Y == 30)) || { fail "the main window did not move away: at ($X, $Y)"; return; }
    click "$main" "${show_clock_button[@]}"
    clock=$(await_x_window "$clock_name") || { fail "no clock window after 「時刻のみ表示ボタン」"; return; }
    centred "$clock" "$clock_w" "$clock_h" "clock window"
    click "$clock" "${back_button[@]}"
    again=$(await_x_window "$main_name" "$main") || { fail "no main window after 「戻　る」"; return; }
    centred "$again" "$main_w" "$main_h" "main window back from the clock window"
}

#      case          X server  QT_QPA_PLATFORM  expected
cases=(
    "both          yes       -                x11"
    "wayland-only  no        -                wayland"
    "chosen        yes       wayland          wayland"
)
for row in "${cases[@]}"; do
    read -r case_name with_x platform expected <<<"$row"
    export WAYLAND_DISPLAY=$socket
    if [[ $with_x == yes ]]; then export DISPLAY=$x_display; else unset DISPLAY; fi
    if [[ $platform == - ]]; then unset QT_QPA_PLATFORM; else export QT_QPA_PLATFORM=$platform; fi

    : >"$work/kanmeri.log"
    WAYLAND_DEBUG=client "$kanmeri" >/dev/null 2>"$work/kanmeri.log" &
    app_pid=$!
    # Waits for the window on either server, however long a busy machine
    # takes, as long as the program runs.
    x_id=
    for _ in $(seq 1 600); do
        found=$(x_windows "$main_name")
        x_id=${found%%$'\n'*}
        [[ -n "$x_id" ]] && break
        on_wayland && break
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    # A moment for a window on the other server, which must not come.
    sleep 1
    found=$(x_windows "$main_name")
    x_id=${found%%$'\n'*}
    if ! kill -0 "$app_pid" 2>/dev/null; then
        fail "kanmeri ended"
    elif [[ $expected == x11 ]]; then
        if [[ -z "$x_id" ]]; then
            fail "no main window on the X server"
        elif on_wayland; then
            fail "a toplevel on Wayland as well"
        else
            echo "ok [$case_name]: on X11"
            check_centring "$x_id"
        fi
    else
        if ! on_wayland; then
            fail "no titled and drawn toplevel on Wayland"
        elif [[ -n "$x_id" ]]; then
            fail "a main window on the X server as well"
        else
            echo "ok [$case_name]: on Wayland"
        fi
    fi
    if ! kill -0 "$app_pid" 2>/dev/null; then
        fail "kanmeri ended during the checks"
    fi
    if ((failed)); then
        grep -vE '^\[[0-9. ]+\] +(->|wl_|xdg_|zwp_|wp_|zxdg_|qt_)' "$work/kanmeri.log" >"$work/tail" || true
        tail -n 20 "$work/tail"
        exit 1
    fi
    stop "$app_pid"
    app_pid=
done
echo "ok: X11 where an X server answers, centred at every load; Wayland otherwise or when chosen"

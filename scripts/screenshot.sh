#!/usr/bin/env bash
# Makes docs/screenshot.png: the main window with a demo archive open, taken
# from a virtual X display after the splash window was clicked away.
#   scripts/screenshot.sh [BUILD_DIR]     (default build/release, built when missing)
#   SPLASH_SHOT=splash.png scripts/screenshot.sh   also keeps the splash window
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
[[ -x "$build/app/window/stowix" ]] || scripts/build.sh release

work=$(mktemp -d)
display_pid=""
program_pid=""
cleanup() {
  [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null || true
  [[ -n "$display_pid" ]] && kill "$display_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

archive="$work/Games/Dunmarrow/packs/Dunmarrow_data.pak"
mkdir -p "$(dirname "$archive")"
scripts/make_demo_pak.py "$archive"

# A free display number, then a screen of 1024 x 768.
number=77
while [[ -e "/tmp/.X11-unix/X$number" || -e "/tmp/.X$number-lock" ]]; do number=$((number + 1)); done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
display_pid=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

export WINEPREFIX="$work/prefix" QT_QPA_PLATFORM=xcb
"$build/app/window/stowix" "$archive" >/dev/null 2>&1 &
program_pid=$!

# The splash opens by itself shortly after the main window; a click closes it.
splash=$(xdotool search --sync --onlyvisible --name '^Form_Splash$' | head -1)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$splash")"
# SPLASH_SHOT=file.png keeps a picture of the splash window as well.
[[ -n "${SPLASH_SHOT:-}" ]] && import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$SPLASH_SHOT"
xdotool mousemove $((X + 60)) $((Y + 60)) click 1
sleep 0.5

main=$(xdotool search --onlyvisible --name '^Qel Stowix$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$main")"
# Select a few rows the way a user would: a click, then Ctrl+clicks.
xdotool mousemove $((X + 200)) $((Y + 40 + 17 + 16 * 4 + 8)) click 1
xdotool keydown ctrl mousemove $((X + 200)) $((Y + 40 + 17 + 16 * 6 + 8)) click 1 keyup ctrl
xdotool mousemove $((X + 400)) $((Y + 300))
sleep 0.5

mkdir -p docs
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/screenshot.png
echo "docs/screenshot.png: ${WIDTH}x${HEIGHT}"

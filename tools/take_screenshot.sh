#!/bin/sh
# Takes the screenshot that the AppStream metainfo shows in software centres: the game on a virtual
# display at 1248x702 (16:9), the modern look, a middlegame and the analysis panel with three lines.
# Needs xvfb, openbox, wmctrl, xdotool and imagemagick (apt-get install -y ...), and a built game.
#   tools/take_screenshot.sh [build/zugwerk] [desktop/screenshots/main-window.png]
set -eu

game=${1:-build/zugwerk}
out=${2:-desktop/screenshots/main-window.png}
here=$(dirname "$0")
display=:${SCREENSHOT_DISPLAY:-87}
config=$(mktemp -d)
program=
trap 'kill $program $wm $server 2>/dev/null || true; rm -rf "$config"' EXIT

# A settings file of its own, so the player's settings neither show nor change.
mkdir -p "$config/zugwerk"
cat >"$config/zugwerk/preferences.ini" <<EOF
[board]
fillsWindow=true
theme=brownWood
markMoves=true
evaluationBar=true
[moveList]
standardNotation=true
EOF

Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
server=$!
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1

DISPLAY=$display XDG_CONFIG_HOME=$config "$game" "$here/screenshot_game.pgn" >/dev/null 2>&1 &
program=$!
sleep 3
export DISPLAY=$display
wmctrl -r "Zugwerk! 2.0" -e 0,0,0,1248,702
window=$(xdotool search --name "Zugwerk! 2.0" | head -1)
xdotool windowactivate --sync "$window"
xdotool key ctrl+shift+a
# The panel's lines settle after a few seconds of search.
sleep 8
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "wrote $out"

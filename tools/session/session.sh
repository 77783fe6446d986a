#!/usr/bin/env bash
# A scripted session of the real program on an X display of its own (Xvfb), driven with xdotool as a user
# would: it takes a picture of every window, adds a dowsing record and a diary entry, ends the program,
# starts it again and checks that both are still there.
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" tools/session/session.sh PROGRAM PICTURES_FOLDER
#
# Run it as the user whose data folder should be used (for a check of the installed package, a fresh user).
# Clicks land at places inside each window, so the script follows the windows' layouts; pictures are
# for looking at, the checks at the end are what passes or fails.
set -euo pipefail
program=${1:?program}
pictures=${2:?folder for the pictures}
mkdir -p "$pictures"

window() { # the newest visible window whose title matches, waiting for it
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 || true)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "no window called $1" >&2
    exit 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep "${4:-0.6}"; }
picture() { sleep 0.4; import -window "$1" "$pictures/$2.png"; }
menu_item() { click "$1" 18 7 0.4; xdotool key "$2"; sleep 0.8; } # File menu, then the item's mnemonic
ok_box() { local box; box=$(window '^Velloran$'); click "$box" 20 20 0.2; xdotool key Return; sleep 0.5; }

start() {
    "$program" &
    pid=$!
    launcher=$(window 'Velloran v1.30')
    sleep 1
}
finish() {
    menu_item "$launcher" x
    wait "$pid"
}

# First run: every window, one record, one diary entry.
start
picture "$launcher" launcher
click "$launcher" 55 7 0.4
xdotool key a
about=$(window 'Velloran v1.30')
picture "$about" about
click "$about" 429 244

click "$launcher" 182 264 1.5 # Dowsing
frame=$(window 'Quarrow')
xdotool mousemove --window "$frame" 400 300
xdotool key alt+r
sleep 0.8
xdotool type --delay 20 "ann smith"
xdotool key Tab
xdotool type --delay 20 "1 Mill Lane"
picture "$frame" dowsing-wizard
xdotool key alt+n
sleep 0.8
xdotool key alt+n
sleep 0.8
click "$frame" 314 408 0.5 # the notes
xdotool type --delay 20 "found water by the old oak"
xdotool key alt+a
ok_box
click "$frame" 699 297 1.5 # View All Records
picture "$frame" dowsing-grid
xdotool mousemove --window "$frame" 178 168 click --repeat 2 --delay 80 1
sleep 1.5
picture "$frame" record-sheet
click "$frame" 704 490 1 # the sheet's Back
click "$frame" 662 420 1 # the grid's Back
click "$frame" 699 345 1 # the wizard's Exit: the launcher again

click "$launcher" 182 352 1.5 # Pagan Diary
chooser=$(window 'Velloran Diary')
picture "$chooser" diary-chooser
click "$chooser" 39 263 0.3 # Spell Section
click "$chooser" 259 400 1.5 # Continue
book=$(window 'Velloran Diary')
click "$book" 259 301 0.5 # Open Spell
click "$book" 259 329 0.5 # Add Spell
click "$book" 259 463 0.3
xdotool type --delay 20 "moon water"
click "$book" 259 541 0.3
xdotool type --delay 20 "Water left out under the full moon"
click "$book" 259 329 1 # Add Spell again: saved
click "$book" 40 165 0.5 # the new keyword
picture "$book" keyword-book
menu_item "$book" x

click "$launcher" 182 176 1.5 # Pagan
browser=$(window '^Velloran$')
click "$browser" 662 302 0.3 # 2010
picture "$browser" calendar-browser
click "$browser" 687 370 1.5 # Show Pagan Calendar
month=$(window '^Velloran$')
picture "$month" month-view
menu_item "$month" x
finish

# Second run: what was added is still there.
start
click "$launcher" 182 264 1.5
frame=$(window 'Quarrow')
click "$frame" 699 297 1.5
picture "$frame" after-restart-grid
click "$frame" 662 420 1
click "$frame" 699 345 1
click "$launcher" 182 352 1.5
chooser=$(window 'Velloran Diary')
click "$chooser" 39 263 0.3
click "$chooser" 259 400 1.5
book=$(window 'Velloran Diary')
click "$book" 259 301 0.5
click "$book" 40 165 0.5
picture "$book" after-restart-keyword-book
menu_item "$book" x
finish

data=${XDG_DATA_HOME:-$HOME/.local/share}/velloran
[ -f "$data/Dowsing.dll" ] || data=$(dirname "$(command -v "$program" || echo "$program")")
python3 - "$data" <<'PY'
import sqlite3, sys
folder = sys.argv[1]
records = sqlite3.connect(f"{folder}/Dowsing.dll").execute("select Name, Address from Details").fetchall()
spells = sqlite3.connect(f"{folder}/diary.dll").execute("select Keyword, Meaning from tblspell").fetchall()
print(f"{folder}: records {records}, spells {spells}")
ok = ("ANN SMITH", "1 Mill Lane") in records and ("moon water", "Water left out under the full moon") in spells
sys.exit(0 if ok else 1)
PY

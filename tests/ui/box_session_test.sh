#!/usr/bin/env bash
# The worked box built by real clicks and keys from an empty box window, on an X screen of its own
# with a window manager: "Neuer Kasten" from the bend window, s, r, A and B clicked and typed, the
# four heights typed into the walls' table, the blank exported by Ctrl+E as DXF. The DXF is then
# read with ezdxf beside the command line's DXF of the same box, entity by entity.
# Usage: box_session_test.sh <kantrix binary> <kantrix-cli binary>
set -euo pipefail
kantrix=$(realpath "$1")
cli=$(realpath "$2")
for tool in Xvfb metacity xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 77; }
done
/usr/bin/python3 -c "import ezdxf" 2>/dev/null || { echo "python3-ezdxf is missing"; exit 77; }

work=$(mktemp -d)
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config"
mkdir -p "$HOME"
display_file="$work/display"
Xvfb -displayfd 3 -screen 0 1280x1000x24 -dpi 96 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
program=
trap 'kill $program $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n 1 "$display_file")"
metacity --sm-disable >/dev/null 2>&1 &
sleep 1

wait_for() { # a window whose title matches, its id on standard output
    for _ in $(seq 100); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$found" ] && { echo "$found"; return; }
        sleep 0.1
    done
    echo "no window '$1'" >&2
    exit 1
}

"$kantrix" 2>/dev/null &
program=$!
bend=$(wait_for '^Kantrix')
xdotool windowactivate --sync "$bend"
xdotool key --clearmodifiers ctrl+shift+n
box=$(wait_for 'Unbenannter Kasten')
xdotool windowactivate --sync "$box"
sleep 0.5

# Where the window lays out its fields and the table's height cells, from its client's corner.
click() {
    xdotool mousemove --window "$box" "$1" "$2" click 1
    sleep 0.15
}
field() {
    click "$1" "$2"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$3"
    xdotool key Tab
}
field 118 57 1.5   # s
field 380 57 1.5   # r
field 118 83 300   # A
field 380 83 200   # B
for y in 233 263 293 323; do # vorne, rechts, hinten, links
    click 160 "$y"
    xdotool type --delay 20 50
    xdotool key Return
done
sleep 0.3

window_dxf="$work/fenster.dxf"
xdotool key --clearmodifiers ctrl+e
sleep 1
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 10 "$window_dxf"
xdotool key Return
for _ in $(seq 50); do
    [ -s "$window_dxf" ] && break
    sleep 0.1
done
[ -s "$window_dxf" ] || { echo "the window wrote no DXF"; exit 1; }

cli_dxf="$work/kommandozeile.dxf"
"$cli" kasten --dicke 1.5 --radius 1.5 --laenge 300 --breite 200 --hoehe 50 --dxf "$cli_dxf" \
    >/dev/null

/usr/bin/python3 - "$window_dxf" "$cli_dxf" <<'PY'
import sys, ezdxf

def entities(path):
    rows = []
    for e in ezdxf.readfile(path).modelspace():
        row = [e.dxftype(), e.dxf.layer]
        if e.dxftype() == "POLYLINE":
            row += [tuple(round(c, 6) for c in v.dxf.location) + (round(v.dxf.bulge, 6),)
                    for v in e.vertices]
        elif e.dxftype() == "LINE":
            row += [tuple(round(c, 6) for c in e.dxf.start), tuple(round(c, 6) for c in e.dxf.end)]
        elif e.dxftype() == "TEXT":
            row += [e.dxf.text, tuple(round(c, 6) for c in e.dxf.insert)]
        rows.append(row)
    return rows

window, cli = entities(sys.argv[1]), entities(sys.argv[2])
if window != cli:
    print("the window's DXF differs from the command line's:")
    print("window:", window)
    print("cli:   ", cli)
    sys.exit(1)
lines = [r for r in window if r[0] == "LINE" and r[1] == "BIEGUNG_AUF"]
print(f"same DXF: {len(window)} entities, {len(lines)} bend lines up")
PY

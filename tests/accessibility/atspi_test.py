"""The window as a screen reader meets it over AT-SPI: roles, names and states of the tree, the
focus events of a Tab cycle, and what real X clicks and keys change; a profile window's table
cells reached by Tab, and a part changed, saved, exported and closed by real keys and clicks.
Run by run_atspi_test.sh."""

import json
import os
import signal
import struct
import subprocess
import sys
import tempfile
import time

import ezdxf
import pyatspi
from ezdxf.audit import Auditor
from gi.repository import GLib

WINDOW = "Kantrix v2.1"
LOGO = "Logo des Kantrix-Projekts"
# (accessible name, takes input) for the thirteen fields, in the window's order.
FIELDS = [
    ("Biegeradius r, Millimeter", True),
    ("Blechdicke s, Millimeter", True),
    ("Öffnungswinkel b, Grad", True),
    ("Biegewinkel a, Grad", False),
    ("Schenkellänge a, Millimeter", True),
    ("Schenkellänge b, Millimeter", True),
    ("Gerade a', Millimeter", False),
    ("Gerade b', Millimeter", False),
    ("Gestreckte Länge L, Millimeter", False),
    ("Korrekturwert k", False),
    ("Neutrale Faser n", False),
    ("Biegezone bz, Millimeter", False),
    ("Verdano v, Millimeter", False),
]
TAB_CYCLE = [FIELDS[1][0], FIELDS[2][0], FIELDS[4][0], FIELDS[5][0], LOGO, FIELDS[0][0]]

failures = []
events = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)


def pump(seconds, until=lambda: False):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        if until():
            return True
        time.sleep(0.02)
    return until()


def record(event):
    try:
        name = event.source.name
    except Exception:
        name = "?"
    events.append((event.type, name, event.detail1))


def states(accessible):
    return set(accessible.getState().getStates())


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def find_application():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == "Kantrix":
            return application
    return None


def descendants(accessible):
    for child in accessible:
        if child is not None:
            yield child
            yield from descendants(child)


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def click(accessible):
    x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2), "click", "1")


def activate(title="^Kantrix"):
    """Asks the window manager to activate the window, as a click on it would; it may take a few
    tries while the window manager is still taking the new window in."""
    last = None
    for _ in range(40):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                               capture_output=True, text=True).stdout.split()
        for window in found:
            done = subprocess.run(["xdotool", "windowactivate", "--sync", window],
                                  capture_output=True, text=True, timeout=10)
            if done.returncode == 0:
                return True
            last = (found, done.stderr)
        time.sleep(0.25)
    print("activation failed:", last if found else "no window", flush=True)
    return False


def labelled(window, caption):
    """The control a caption labels, as a screen reader finds it: a combo box is named by its
    current item, and by its caption only through the caption's label-for relation."""
    for accessible in descendants(window):
        if accessible.name == caption and accessible.getRole() == pyatspi.ROLE_LABEL:
            for relation in accessible.getRelationSet():
                if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
                    return relation.getTarget(0)
    check(False, "no control labelled %r" % caption)
    return None


def wait_for_focus(name):
    """Waits for the focus event of the named control; returns the events up to it."""
    start = len(events)
    arrived = pump(15, lambda: any(e[0].startswith("object:state-changed:focused") and e[1] == name
                                  and e[2] == 1 for e in events[start:]))
    check(arrived, "no focus event for %r" % name)
    return events[start:]


def screen_brightness(x, y, width, height):
    """The mean of the colour bytes in a rectangle of the screen, from 0 (black) to 255."""
    with open(os.path.join(os.environ["KANTRIX_TEST_FRAMEBUFFER"], "Xvfb_screen0"), "rb") as f:
        data = f.read()
    fields = struct.unpack(">25I", data[:100])
    header, bytes_per_line, colours = fields[0], fields[12], fields[19]
    start = header + 12 * colours
    total = count = 0
    for row in range(y, y + height, 4):
        line = data[start + row * bytes_per_line:start + (row + 1) * bytes_per_line]
        for column in range(x, x + width, 4):
            total += sum(line[4 * column:4 * column + 3])
            count += 3
    return total / count


def window_geometry():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Kantrix",
                            "getwindowgeometry", "--shell"], capture_output=True, text=True)
    values = dict(line.split("=") for line in found.stdout.split() if "=" in line)
    if "WIDTH" not in values or int(values["WIDTH"]) < 100:
        return None
    return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def registry_process():
    """The accessibility registry of this test's own session: it runs detached, but carries the
    session's unique bus address in its environment."""
    session = ("DBUS_SESSION_BUS_ADDRESS=" + os.environ["DBUS_SESSION_BUS_ADDRESS"]).encode()
    for entry in os.listdir("/proc"):
        try:
            with open("/proc/%s/comm" % entry) as f:
                if not f.read().startswith("at-spi2-registr"):
                    continue
            with open("/proc/%s/environ" % entry, "rb") as f:
                if session in f.read().split(b"\0"):
                    return int(entry)
        except OSError:
            continue
    return None


def start_with_a_stalled_registry(binary, environment):
    """A registry that does not answer (it waits on a busy screen reader) must not leave the
    window black: whenever the window shows, it is drawn."""
    pyatspi.Registry.getDesktop(0)  # starts the registry
    registry = registry_process()
    check(registry is not None, "no registry found")
    if registry is None:
        return
    os.kill(registry, signal.SIGSTOP)
    program = subprocess.Popen([binary], env=environment)
    try:
        # A window just mapped is black for the moment before its first frame; black for
        # three looks in a row is a window that is not drawn.
        end = time.monotonic() + 4
        black = 0
        while time.monotonic() < end and black < 3:
            geometry = window_geometry()
            black = black + 1 if geometry and screen_brightness(*geometry) < 20 else 0
            time.sleep(0.2)
        check(black < 3, "the window showed black while the registry stalled")
    finally:
        os.kill(registry, signal.SIGCONT)
    shown = pump(40, lambda: window_geometry() is not None)
    check(shown, "the window did not show once the registry answered")
    pump(1)
    if shown:
        check(screen_brightness(*window_geometry()) > 100, "the window is not drawn")
    program.terminate()
    program.wait(10)


PROFILE = ('{"format": "kantrix-profil", "version": 1, "dicke": 2, "radius": 2, "breite": 300,'
           ' "schenkel": [{"laenge": 50, "mass": "aussen"}, {"laenge": 100, "mass": "aussen"},'
           ' {"laenge": 50, "mass": "aussen"}], "biegungen": ['
           '{"winkel": 90, "radius": null, "richtung": "+"},'
           ' {"winkel": 90, "radius": null, "richtung": "+"}]}')


def start_profile(binary, environment):
    """Kantrix started on a U channel's file, its window activated; the program and the file."""
    path = os.path.join(tempfile.mkdtemp(), "U.kprofil")
    with open(path, "w") as f:
        f.write(PROFILE)
    program = subprocess.Popen([binary, path], env=environment)
    if pump(40, lambda: find_application() is not None):
        check(activate("U.kprofil"), "the profile window could not be activated")
        pump(0.5)
    else:
        check(False, "the profile window did not appear on the accessibility bus")
    return program, path


def profile_cells(binary, environment):
    """A profile window: Tab reaches the table of legs and bends and goes on from cell to cell;
    each cell reached is announced with its name, and its value as its description."""
    program, _ = start_profile(binary, environment)
    try:
        if not find_application():
            return
        window = find_application()[0]
        check(window.name.startswith("U.kprofil"), "the profile window is named %r" % window.name)
        named = {accessible.name: accessible for accessible in descendants(window)}
        for name in ("Blechdicke s, Millimeter", "Biegeradius r, Millimeter",
                     "Breite W, Millimeter", "Zeichnung des Schnitts",
                     "Matrizenöffnung V, Millimeter", "Presse, Kilonewton"):
            check(name in named, "no control named %r in the profile window" % name)
        for caption in ("Werkstoff", "Walzrichtung"):
            box = labelled(window, caption)
            check(box is not None and box.getRole() == pyatspi.ROLE_COMBO_BOX,
                  "%r labels %r" % (caption, box and box.getRoleName()))
        # One run of text attributes over the whole text: after Qt's empty runs, a screen reader
        # drops the last character and speaks "100" as "10".
        for name in ("Blechdicke s, Millimeter", "Breite W, Millimeter"):
            text = named[name].queryText() if name in named else None
            run = text.getAttributeRun(0, False) if text else None
            check(run is not None and (run[1], run[2]) == (0, text.characterCount),
                  "%r reports the attribute run %r over %r" %
                  (name, run and run[1:], text and text.getText(0, -1)))
        # From s over r, W and the press brake's material, die, press and rolling direction
        # into the table, whose current cell is read, then two cells on.
        for _ in range(7):
            xdotool("key", "Tab")
        wait_for_focus("Schenkel 1, Länge, Millimeter")
        pump(0.5)
        for name, value in (("Schenkel 1, Maß", "außen"), ("Biegung 1, Winkel, Grad", "90.00")):
            start = len(events)
            xdotool("key", "Tab")
            wait_for_focus(name)
            sources = [e for e in events[start:] if e[1] == name]
            check(sources, "no event from the cell %r" % name)
            cells = [a for a in descendants(window) if a.name == name]
            check(cells and cells[0].description.startswith(value),
                  "%r reads %r" % (name, cells[0].description if cells else None))
    finally:
        program.terminate()
        program.wait(10)


def profile_at_the_press(binary, environment):
    """The U channel brought to the press brake by X clicks and keys: S235JR chosen from its list,
    V 12 typed. The radius field reads the die's 1.92, the largest force its figure; two undos
    take them back."""
    program, _ = start_profile(binary, environment)
    try:
        application = find_application()
        if not application:
            return
        window = application[0]

        def control(name):
            return next((a for a in descendants(window) if a.name == name), None)

        def radius():
            field = control("Biegeradius r, Millimeter")
            return text_of(field) if field else None

        click(labelled(window, "Werkstoff"))
        pump(0.5)
        xdotool("type", "S235JR")
        xdotool("key", "Return")
        pump(0.5)
        click(control("Matrizenöffnung V, Millimeter"))
        xdotool("type", "12")
        xdotool("key", "Tab")
        check(pump(5, lambda: radius() == "1.92"), "with V 12 r reads %r" % radius())
        # On Linux a combo box is named by its item; its caption comes by the label-for relation.
        material = labelled(window, "Werkstoff")
        check(material is not None and material.name == "S235JR",
              "the material reads %r" % (material.name if material else None))
        thickness = control("Blechdicke s, Millimeter")
        check(text_of(thickness) == "2.00", "s reads %r" % text_of(thickness))
        # A screen reader speaks the chosen item with the caption (Orca: "Werkstoff combo box.
        # S235JR.").
        check(material is not None and material.description.startswith("S235JR"),
              "the material is described as %r" % (material.description if material else None))
        # The largest force is read-only text, its figure, as L is, once the part has one.
        force = control("Größte Kraft F, Kilonewton")
        figure = text_of(force) if force else ""
        check(figure.replace(".", "", 1).isdigit() and float(figure) > 0,
              "the largest force reads %r" % figure)
        xdotool("key", "ctrl+z")
        xdotool("key", "ctrl+z")
        check(pump(5, lambda: radius() == "2.00"), "after undoing r reads %r" % radius())
    finally:
        program.terminate()
        program.wait(10)


def profile_by_keys(binary, environment):
    """A part changed as a user changes it, by X keys and clicks: s typed, undone and redone, the
    file saved, the blank and the sheet exported through the file dialog, a leg refused, and
    closing the changed part asks before anything is lost."""
    program, path = start_profile(binary, environment)
    folder = os.path.dirname(path)
    try:
        application = find_application()
        if not application:
            return
        window = application[0]

        def control(name):
            return next((a for a in descendants(window) if a.name == name), None)

        def length():
            shown = control("Gestreckte Länge L, Millimeter")
            return text_of(shown) if shown else None

        def dialogs():
            return [child for child in application if child is not None and child.getRole() in (
                pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT, pyatspi.ROLE_FILE_CHOOSER)]

        def dialog_open():
            return bool(dialogs())

        # A dialog is on the bus before the window manager has given it the focus; X keys sent
        # in between reach the window under it.
        def dialog_active():
            return any(pyatspi.STATE_ACTIVE in states(dialog) for dialog in dialogs())

        check(length() == "192.325", "L of the U channel reads %r" % length())
        click(control("Blechdicke s, Millimeter"))
        xdotool("key", "ctrl+a")
        xdotool("type", "3")
        xdotool("key", "Tab")
        check(pump(5, lambda: length() not in (None, "192.325")), "s = 3 did not change L")
        thicker = length()
        xdotool("key", "ctrl+z")
        check(pump(5, lambda: length() == "192.325"), "undo left L at %r" % length())
        xdotool("key", "ctrl+shift+z")
        check(pump(5, lambda: length() == thicker), "redo left L at %r" % length())

        xdotool("key", "ctrl+s")

        def saved_thickness():
            with open(path) as f:
                return json.load(f)["dicke"]

        check(pump(5, lambda: saved_thickness() == 3), "the saved file keeps s = %r"
              % saved_thickness())

        for name in ("blank.dxf", "sheet.pdf"):
            target = os.path.join(folder, name)
            xdotool("key", "ctrl+e")
            check(pump(10, dialog_active), "no file dialog for %s" % name)
            xdotool("key", "ctrl+a")
            xdotool("type", target)
            xdotool("key", "Return")
            check(pump(10, lambda: os.path.exists(target)), "%s was not written" % name)
        if os.path.exists(os.path.join(folder, "blank.dxf")):
            drawing = ezdxf.readfile(os.path.join(folder, "blank.dxf"))
            auditor = Auditor(drawing)
            auditor.run()
            check(not auditor.has_errors, "ezdxf finds errors in the DXF: %s" % auditor.errors)
            bends = drawing.modelspace().query('LINE[layer=="BIEGUNG_AUF"]')
            check(len(bends) == 2, "the DXF has %d bend lines up" % len(bends))
        if os.path.exists(os.path.join(folder, "sheet.pdf")):
            text = subprocess.run(["pdftotext", os.path.join(folder, "sheet.pdf"), "-"],
                                  capture_output=True, text=True).stdout
            check("L = %s mm" % thicker in text, "the sheet does not hold L = %s mm" % thicker)

        # A leg the part cannot take keeps its text, and the last valid results stay.
        click(control("Schenkel 2, Länge, Millimeter"))
        xdotool("type", "abc")
        xdotool("key", "Return")
        refused = pump(5, lambda: any("Schenkel 2" in a.name for a in descendants(window)
                                      if a.getRole() == pyatspi.ROLE_LABEL))
        check(refused, "no message names the refused leg 2: %r" % [
            (a.name, a.getRoleName()) for a in descendants(window) if "Schenkel" in a.name][:12])
        check(length() == thicker, "after a refused leg L reads %r" % length())
        cell = control("Schenkel 2, Länge, Millimeter")
        check(cell is not None and cell.description.startswith("abc"),
              "the refused cell reads %r" % (cell.description if cell else None))

        # Closing the changed part asks; Escape keeps it open.
        xdotool("key", "ctrl+w")
        check(pump(10, dialog_active), "closing the changed part did not ask")
        xdotool("key", "Escape")
        check(pump(5, lambda: not dialog_open()), "the question did not close on Escape")
        check(program.poll() is None and find_application() is not None,
              "the part was closed although the question was cancelled")
    finally:
        program.terminate()
        program.wait(10)


def main():
    binary = sys.argv[1]
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    start_with_a_stalled_registry(binary, environment)
    program = subprocess.Popen([binary], env=environment)
    try:
        run(program)
    finally:
        program.terminate()
        program.wait(10)
    profile_cells(binary, environment)
    profile_at_the_press(binary, environment)
    profile_by_keys(binary, environment)
    if failures:
        print("%d failures" % len(failures))
        return 1
    print("all checks passed")
    return 0


def run(program):
    application = None
    if not pump(40, lambda: find_application() is not None):
        check(False, "Kantrix did not appear on the accessibility bus")
        return
    application = find_application()
    window = application[0]
    check(window.getRole() == pyatspi.ROLE_FRAME, "the window's role is %s" % window.getRoleName())
    check(window.name == WINDOW, "the window is named %r" % window.name)

    named = {accessible.name: accessible for accessible in descendants(window)}
    for name, takes_input in FIELDS:
        field = named.get(name)
        check(field is not None, "no field named %r" % name)
        if field is None:
            continue
        found = states(field)
        check(field.getRole() == pyatspi.ROLE_TEXT, "%r is a %s" % (name, field.getRoleName()))
        check((pyatspi.STATE_EDITABLE in found) == takes_input, "%r editable wrong" % name)
        check((pyatspi.STATE_READ_ONLY in found) != takes_input, "%r read-only wrong" % name)
        check((pyatspi.STATE_FOCUSABLE in found) == takes_input, "%r focusable wrong" % name)
    logo = named.get(LOGO)
    check(logo is not None and logo.getRole() == pyatspi.ROLE_IMAGE, "the logo is no image")
    check(logo is not None and pyatspi.STATE_FOCUSABLE in states(logo), "the logo takes no focus")

    for kind in ("object:state-changed:focused", "object:text-caret-moved",
                 "object:text-selection-changed"):
        pyatspi.Registry.registerEventListener(record, kind)

    check(activate(), "the window could not be activated")
    pump(0.5)

    # A Tab cycle: each stop is announced by its focus before any caret or selection move in it,
    # or a screen reader speaks the selected value alone.
    for name in TAB_CYCLE:
        xdotool("key", "Tab")
        arrived = wait_for_focus(name)
        moves = [e for e in arrived if e[1] == name and not e[0].startswith("object:state")]
        check(not moves, "%r moved its caret or selection before its focus: %s" % (name, moves))

    # A click into the thickness field selects its text: typing replaces it.
    field = {name: named[name] for name, _ in FIELDS}
    click(field["Blechdicke s, Millimeter"])
    wait_for_focus("Blechdicke s, Millimeter")
    xdotool("type", "7")
    xdotool("key", "Tab")
    wait_for_focus("Öffnungswinkel b, Grad")
    pump(0.5)
    check(text_of(field["Blechdicke s, Millimeter"]) == "7.00",
          "a click and 7 gave s = %r" % text_of(field["Blechdicke s, Millimeter"]))
    # The new developed length and deduction come with the next focus stop.
    announced = field["Öffnungswinkel b, Grad"].description
    for name, spoken in (("Gestreckte Länge L, Millimeter", "Gestreckte Länge L: "),
                         ("Verdano v, Millimeter", "Verdano v: ")):
        expected = spoken + text_of(field[name]) + " Millimeter"
        check(expected in announced, "%r not announced in %r" % (expected, announced))

    # An overlong result: the whole text, sign first, and the same as the field's description.
    click(field["Biegeradius r, Millimeter"])
    wait_for_focus("Biegeradius r, Millimeter")
    xdotool("type", "1e300")
    xdotool("key", "Tab")
    wait_for_focus("Blechdicke s, Millimeter")
    pump(0.5)
    length = field["Gestreckte Länge L, Millimeter"]
    whole = text_of(length)
    check(whole.startswith("-4") and len(whole) > 300, "L reads %r" % whole[:20])
    check(length.description == whole, "L's description is not its whole text")
    check(program.poll() is None, "Kantrix ended")


if __name__ == "__main__":
    sys.exit(main())

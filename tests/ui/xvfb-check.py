#!/usr/bin/python3
# What only a real display and a real accessibility bus show, run by xvfb-check.sh inside a
# virtual X server and a private D-Bus session: the window captions as X11 sees them, the
# controls named by their visible captions, readable labels, and the result of Compute
# reaching the bus while the focus stays in the first date window.
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

PROGRAM = sys.argv[1]
CAPTION = "Orvandel 7.6d"
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


def pump(seconds, until=lambda: False):
    """Runs the main loop (which delivers the bus events) until `until` or the time is up."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end and not until():
        while context.iteration(False):
            pass
        time.sleep(0.02)
    return until()


def x_windows(pid, name):
    found = subprocess.run(["xdotool", "search", "--pid", str(pid), "--name", name],
                           capture_output=True, text=True).stdout.split()
    return found


def x_caption(window):
    """_NET_WM_NAME and WM_NAME of an X window, as the window manager reads them."""
    shown = subprocess.run(["xprop", "-id", window, "_NET_WM_NAME", "WM_NAME"],
                           capture_output=True, text=True).stdout
    return re.findall(r'= "(.*)"', shown)


def wait_for_window(pid, caption, seconds=10):
    """The mapped X window of the program with exactly this caption, or None."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for window in x_windows(pid, "^" + re.escape(caption) + "$"):
            if x_caption(window) == [caption, caption]:
                return window
        pump(0.1)
    return None


def check_caption(pid, caption):
    window = wait_for_window(pid, caption)
    check(window is not None, f'an X window whose _NET_WM_NAME and WM_NAME are "{caption}"')
    return window


def key(window, *keys):
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=False)
    subprocess.run(["xdotool", "key", "--delay", "30", *keys], check=False)


def find_application(pid):
    end = time.monotonic() + 15
    while time.monotonic() < end:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == pid:
                return app
        pump(0.1)
    return None


def accessibles(node):
    """Every accessible below node as (role, name, object)."""
    found = []
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is None:
            continue
        found.append((child.get_role_name(), child.get_name(), child))
        found.extend(accessibles(child))
    return found


class Program:
    def __init__(self, language):
        self.config = tempfile.mkdtemp()
        os.makedirs(os.path.join(self.config, "orvandel"))
        # Language, date order and separators, the calendars of the two dates and today.
        with open(os.path.join(self.config, "orvandel", "orv5.usr"), "wb") as settings:
            settings.write(b"%d\r\n2,45,44\r\n0,0,0\r\n" % language)
        env = dict(os.environ, XDG_CONFIG_HOME=self.config, QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([PROGRAM], env=env)
        self.pid = self.process.pid

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.config, ignore_errors=True)


# Per language: the caption of the error box and some controls by role and visible caption.
LANGUAGES = [
    (0, "English", "Error!", [
        ("frame", CAPTION), ("push button", "Compute"), ("push button", "Quit"),
        ("text", "First date"), ("text", "Date difference"), ("text", "Second date"),
        ("label", "First date:"), ("radio button", "year month day"),
        ("radio button", "Common Era date (CE)"), ("text", "Output window"),
        ("link", "Tessaline"), ("combo box", "English")]),
    (1, "German", "Fehler!", [
        ("frame", CAPTION), ("push button", "Berechnen"), ("push button", "Beenden"),
        ("text", "Erstes Datum"), ("text", "Datumsdifferenz"), ("text", "Zweites Datum"),
        ("label", "Erstes Datum:"), ("radio button", "Jahr Monat Tag"),
        ("text", "Ausgabefenster")]),
    (4, "Spanish", "Error!", [
        ("frame", CAPTION), ("push button", "Calcular"), ("push button", "Abandonar"),
        ("text", "Primera fecha"), ("text", "Diferencia entre fechas"),
        ("text", "Segunda fecha"), ("label", "Primera fecha:"),
        ("radio button", "Fecha de la Era Común (CE)"), ("text", "Ventana de salida")]),
    (2, "French", "!", [("push button", "???")]),
]

descriptions = []
insertions = []


def on_event(event):
    try:
        if event.type.startswith("object:state-changed:showing") and event.detail1 == 1 \
                and event.source.get_role_name() == "notification":
            descriptions.append(("notification", event.source.get_name()))
        elif event.type.startswith("object:text-changed:insert"):
            insertions.append((event.source.get_name(), str(event.any_data)))
    except GLib.Error:
        pass


listener = Atspi.EventListener.new(on_event)
listener.register("object:state-changed:showing")
listener.register("object:text-changed:insert")

for language, language_name, error_caption, expected in LANGUAGES:
    print(f"== {language_name}", flush=True)
    program = Program(language)
    try:
        main_window = check_caption(program.pid, CAPTION)
        app = find_application(program.pid)
        check(app is not None, "the program is on the accessibility bus")
        if app is None or main_window is None:
            continue
        pump(1.0)  # the first clock tick writes today's labels
        present = accessibles(app)
        print("   windows on the bus: " + ", ".join(f"{r} {n!r}" for r, n, o in present
                                                     if o.get_parent() == app), flush=True)
        names = {(role, name) for role, name, _ in present}
        for role, name in expected:
            check((role, name) in names, f'a {role} named "{name}"')
        check(not any(name.startswith(("cmd", "opt", "txb", "lbl", "frm")) for _, name, _ in
                      present), "no control is named by its object name")
        # Today's labels are pressed like buttons and say so.
        labels = [name for role, name, _ in present if role in ("label", "push button")]
        # French has no intro text.
        check(any(len(name) > 80 for name in labels) or language == 2,
              "the intro text is readable")
        check(sum(1 for name in labels if re.search(r"\d{4}-\d\d-\d\d", name)) == 2,
              "today's and the week's labels are readable")
        check(any(re.search(r"\(\d\d:\d\d\)", name) for name in labels),
              "today's label reads with its clock")

        # A refused date: the message box carries the caption of the language.
        key(main_window, "2", "0", "0", "0", "minus", "1", "3", "minus", "0", "1", "Return")
        box = check_caption(program.pid, error_caption)
        if box is not None:
            key(box, "Return")
            pump(0.5)

        if language == 0:
            # After Compute the focus stays in the first date window; the line reaches the
            # bus as a notification that appears and as text inserted in the output window.
            descriptions.clear()
            insertions.clear()
            line = "2000-01-01 CE, Saturday"
            for run in (1, 2):  # the same line twice is told twice
                key(main_window, "ctrl+a", "BackSpace", "2", "0", "0", "0", "minus", "0", "1",
                    "minus", "0", "1", "Return")
                heard = pump(10, lambda: descriptions.count(("notification", line)) == run)
            print(f"   notifications: {descriptions}", flush=True)
            check(heard, f'after each Compute a notification "{line}" reaches the bus')
            check(any(source == "Output window" and line in text
                      for source, text in insertions), "the line inserted in the output window")

            # The Help and Calendars windows, opened through the bus as a screen reader
            # user would.
            for button, caption in (("Help", "ORV Help"), ("Calendars", "ORV Calendars")):
                found = [o for role, name, o in present
                         if role == "push button" and name == button]
                if found:
                    found[0].do_action(0)
                    window = check_caption(program.pid, caption)
                    if window is not None:
                        key(window, "Escape")
                        pump(0.5)
    finally:
        program.close()

print("xvfb-check: " + ("passed" if not failures else f"{len(failures)} FAILED"), flush=True)
sys.exit(1 if failures else 0)

#!/usr/bin/python3
# What a blind user hears: the window driven from the keyboard with the Orca screen reader
# listening, run by orca-check.sh inside a virtual X server and a private D-Bus session.
# Starts the accessibility bus and registry, a window manager, speech-dispatcher with only
# its dummy output, and Orca writing its debug log; every "SPEECH OUTPUT" line of that log
# is what would have been spoken. Each step types keys and checks the words heard after them.
#
#   orca-check.py PROGRAM [--transcript FILE]   (FILE: every step with what was heard)
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

PROGRAM = sys.argv[1]
TRANSCRIPT = sys.argv[sys.argv.index("--transcript") + 1] if "--transcript" in sys.argv else None
CAPTION = "Orvandel 7.6d"
DATE = r"\d{4}-\d\d-\d\d"
failures = []
transcript = []
processes = []
home = tempfile.mkdtemp(prefix="orca-check.")


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


def start(args, **kwargs):
    process = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               **kwargs)
    processes.append(process)
    return process


def stop_all():
    for process in reversed(processes):
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


# Orca opens its debug file fully buffered: the last words would reach it only at exit. The
# same Orca, with that one file line-buffered.
ORCA_LINE_BUFFERED = """
import builtins, runpy, sys
plain_open = builtins.open
def line_open(file, mode="r", buffering=-1, *args, **kwargs):
    if file == sys.argv[-1] and mode == "w":
        buffering = 1
    return plain_open(file, mode, buffering, *args, **kwargs)
builtins.open = line_open
sys.argv = ["orca", "--replace", "--debug", "--debug-file", sys.argv[-1]]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""


def environment():
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_DATA_HOME=os.path.join(home, "data"),
               XDG_RUNTIME_DIR=os.path.join(home, "run"), LANG="C.UTF-8", LC_ALL="C.UTF-8",
               GTK_A11Y="none", NO_AT_BRIDGE="1")
    for folder in ("config/speech-dispatcher", "data", "run", "config/orvandel"):
        os.makedirs(os.path.join(home, folder), mode=0o700, exist_ok=True)
    with open(os.path.join(home, "config/speech-dispatcher/speechd.conf"), "w") as conf:
        conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                   'AudioOutputMethod "libao"\n')
    return env


def start_desktop(env):
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env)
    time.sleep(1.0)
    start(["/usr/libexec/at-spi2-registryd", "--use-gnome-session"], env=env)
    start(["openbox"], env=env)
    start(["speech-dispatcher", "-s", "-t", "0", "-C",
           os.path.join(home, "config/speech-dispatcher")], env=env)
    time.sleep(1.0)
    log = os.path.join(home, "orca.log")
    start([sys.executable, "-c", ORCA_LINE_BUFFERED, log], env=env)
    return log


class Speech:
    """The lines Orca has spoken, read from its debug log as they arrive."""
    # The spoken text, without the voice after it; key echo ("tab ", "2 ") ends in a blank.
    PATTERN = re.compile(r"SPEECH OUTPUT: '(.*?[^ ])'(?: ?\{.*\})?$")

    def __init__(self, path):
        self.path = path
        self.heard = []

    def read(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                lines = log.read().splitlines()
        except FileNotFoundError:
            return self.heard
        self.heard = [m.group(1).strip() for line in lines
                      if (m := self.PATTERN.search(line)) and m.group(1).strip()]
        return self.heard

    def since(self, mark):
        return self.read()[mark:]

    def mark(self):
        return len(self.read())

    def quiet(self, seconds=0.5, longest=4.0):
        """Waits until nothing new has been said for seconds."""
        end = time.monotonic() + longest
        count = self.mark()
        still = time.monotonic()
        while time.monotonic() < end and time.monotonic() - still < seconds:
            time.sleep(0.05)
            now = self.mark()
            if now != count:
                count, still = now, time.monotonic()

    def wait(self, mark, seconds, until):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if until(" | ".join(self.since(mark))):
                return True
            time.sleep(0.05)
        return until(" | ".join(self.since(mark)))


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=False)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=False)


def wait_for_window(caption, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = subprocess.run(["xdotool", "search", "--name", "^" + re.escape(caption) + "$"],
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[-1]
        time.sleep(0.2)
    return None


speech = None


def step(title, action, seconds=1.0, settle=0.6, must=(), must_not=()):
    """Runs action, gathers what is heard within seconds (then settle more for the record),
    and checks that every pattern of must is heard within seconds and none of must_not."""
    speech.quiet()
    mark = speech.mark()
    action()
    started = time.monotonic()
    speech.wait(mark, seconds, lambda said: all(re.search(p, said) for p in must))
    in_time = " | ".join(speech.since(mark))
    time.sleep(max(settle, started + seconds - time.monotonic()) if not must else settle)
    said = " | ".join(speech.since(mark))
    transcript.append(f"{title}\n    {said or '(nothing)'}")
    print(f"   {title}: {said or '(nothing)'}", flush=True)
    for pattern in must:
        check(bool(re.search(pattern, in_time)),
              f"{title}: /{pattern}/ heard within {seconds:g} s")
    for pattern in must_not:
        check(not re.search(pattern, said), f"{title}: /{pattern}/ not heard")
    return said


def goto_first():
    """Tab until the first date window has the focus."""
    for _ in range(30):
        mark = speech.mark()
        keys("Tab")
        if speech.wait(mark, 1.5, lambda said: "First date: text" in said):
            speech.quiet()
            return True
    return False


def tabs(count):
    return lambda: [keys("Tab") or time.sleep(0.15) for _ in range(count)]


def tab_round():
    """Tab from the first date window until it comes back; what is said at each stop."""
    goto_first()
    stops = []
    for _ in range(40):
        said = step(f"Tab stop {len(stops) + 1}", lambda: keys("Tab"), seconds=0.2, settle=0.6)
        stops.append(said)
        if "First date: text" in said:
            break
    check(len(stops) == 28, f"a round of Tab has 28 stops (had {len(stops)})")
    return stops


def session():
    check(speech.wait(0, 10, lambda said: "First date: text" in said),
          "at start the first date window has the focus")
    # 1. The result line while the focus stays in First date, also twice.
    typed("2000-01-01")
    step("1. Enter in First date (2000-01-01 typed)", lambda: keys("Return"),
         seconds=1.0, must=[r"2000-01-01 CE, Saturday"], must_not=[r"bad content"])
    step("1. Enter again: the same line again", lambda: keys("Return"), seconds=1.0,
         must=[r"2000-01-01 CE, Saturday"])
    # 2. The whole date on entering a field.
    step("2. Shift+Tab, then Tab back into First date",
         lambda: keys("shift+Tab", "Tab"), seconds=1.5, must=[r"2000-01-01\b"],
         must_not=[r"2000-01-0\b", r"Saturday"])
    # 4. Up and Down step the date and are heard.
    step("4. Up in First date", lambda: keys("Up"), seconds=1.0, must=[r"2000-01-02"])
    step("4. Down in First date", lambda: keys("Down"), seconds=1.0, must=[r"2000-01-01"])
    # 3. A refused date, then a valid one: the old error is not read again.
    step("3. Refused date 2000-13-01, Enter", lambda: (keys("ctrl+a", "BackSpace"),
                                                        typed("2000-13-01"), keys("Return")),
         seconds=2.5, must=[r"Error"])
    step("3. Close the message (Enter)", lambda: keys("Return"), seconds=1.5,
         must=[r"2000-13-01"])
    keys("ctrl+a", "BackSpace")
    typed("1999-12-31")
    step("3. Valid date 1999-12-31 typed, Shift+Tab and Tab back",
         lambda: keys("shift+Tab", "Tab"),
         seconds=2.0, must=[r"1999-12-31"], must_not=[r"not valid|Error|Saturday"])
    # 7. Buttons that move the focus into a date window: the date they wrote is heard.
    step("7. Shift+Tab twice to the first Today button", lambda: keys("shift+Tab", "shift+Tab"),
         seconds=1.5, must=[r"Today"])
    step("7. Space on the Today button", lambda: keys("space"), seconds=1.5,
         must=[r"First date.*" + DATE], must_not=[r"Saturday|not valid"])
    # 8. The Clear buttons named by what they clear, the calendar buttons by their date.
    goto_first()
    step("8. Tab 4 times: the first date's calendar buttons", tabs(4), seconds=1.5,
         must=[r"First date.*Common Era"])
    step("8. Tab: the first Clear button", tabs(1), seconds=1.0, must=[r"Clear first date"])
    step("7. Space on Clear first date", lambda: keys("space"), seconds=1.5,
         must=[r"First date"])
    tabs(9)()
    step("8. Tab: the second date's calendar buttons", tabs(1), seconds=1.5,
         must=[r"Second date.*Common Era"])
    # 4. A calendar button converts the date: the new date is heard.
    goto_first()
    typed("2000-01-01")
    step("4. 2000-01-01 typed, Tab 4 times, Down to Julian",
         lambda: (tabs(4)(), keys("Down")), seconds=2.0,
         must=[r"Julian", r"1999-12-19"])
    goto_first()
    # 5. Today's labels: what pressing them does, and the calendar they change to.
    step("5. Tab 11 times: today's label", tabs(11), seconds=1.5,
         must=[r"Click to change calendar"])
    step("5. Space on today's label", lambda: keys("space"), seconds=1.0,
         must=[r"JC|Julian"])
    # 6. The links.
    step("6. Tab 4 times: the first link", tabs(4), seconds=1.5, must=[r"Tessaline link"])
    step("6. Tab: the second link", tabs(1), seconds=1.5, must=[r"Online documentation link"])
    # 9. The language box.
    step("9. Tab 3 times: the language box", tabs(3), seconds=1.5,
         must=[r"English combo box.*Language"])
    step("9. Down: German is chosen, the focus goes to the output window", lambda: keys("Down"),
         seconds=2.0, must=[r"Deutsch"])
    step("9. Tab 5 times, Up: back to English", lambda: (tabs(5)(), keys("Up")), seconds=2.0,
         must=[r"English"])
    step("9. Tab 6 times: Help", tabs(6), seconds=1.5, must=[r"Help push button"])
    # 10. Help opens with its first line and closes to its button.
    step("10. Space: Help", lambda: keys("space"), seconds=2.5,
         must=[r"A Common Era \(CE\) date is"])
    # The window's design gives the focus to the first date window when Help closes.
    step("10. Escape: Help closes", lambda: keys("Escape"), seconds=2.0,
         must=[r"First date: text"])


def main():
    global speech
    env = environment()
    log = start_desktop(env)
    speech = Speech(log)
    with open(os.path.join(home, "config/orvandel/orv5.usr"), "wb") as settings:
        settings.write(b"0\r\n2,45,44\r\n0,0,0\r\n")
    program_env = dict(env, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1")
    program_env.pop("NO_AT_BRIDGE")
    if not speech.wait(0, 20, lambda said: said != ""):
        check(False, "Orca speaks once started")
        return
    processes.append(subprocess.Popen([PROGRAM], env=program_env))
    window = wait_for_window(CAPTION)
    check(window is not None, "the main window appears")
    if window is None:
        return
    session()
    stops = tab_round()
    transcript.append("Tab round:\n" + "\n".join(f"  {i + 1:2}. {s}" for i, s in
                                                 enumerate(stops)))


try:
    main()
finally:
    stop_all()
    if TRANSCRIPT:
        with open(TRANSCRIPT, "w") as out:
            out.write("\n".join(transcript) + "\n")
    bad = speech.read() if speech else []
    log_path = os.path.join(home, "orca.log")
    if os.path.exists(log_path):
        with open(log_path, errors="replace") as log:
            text = log.read()
        print(f"   Orca's 'bad content' complaints: {text.count('bad content sent to speak')}",
              flush=True)
        shutil.copy(log_path, os.environ.get("ORCA_CHECK_LOG", "/tmp/orca-check.log"))
    shutil.rmtree(home, ignore_errors=True)

print("orca-check: " + ("passed" if not failures else f"{len(failures)} FAILED"), flush=True)
sys.exit(1 if failures else 0)

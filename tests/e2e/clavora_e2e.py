"""Whole-program test harness: runs the real clavora binary on a private X server.

A test is a function `test_<name>(e2e)` in a `test_<topic>.py` file beside this one; `e2e` is
an `E2E` session that owns one virtual display with a window manager, private runtime, config
and data folders, and every process started through it (all ended after the test, also when it
fails). Example:

    from clavora_e2e import check, ctl, virtual_states

    def test_light_tab_shows_the_light_page(e2e):
        app = e2e.start(modes=[])                          # stand-in keyboard, nothing attached
        app.wait_ui(lambda ui: ui.text(ctl.kStatusText) == e2e.text(61), "no keyboard")
        app.emulator("attach 0")                           # its control socket
        app.click_tab(ctl.kTabLight)                       # a real click where the probe says
        ui = app.wait_ui(lambda ui: ui.shown(ctl.kLightLayout), "the light page")
        shot = app.screenshot(save="light")                # kept in the test's artifacts
        check(not shot.is_uniform(ui.rect(ctl.kLightPicture)), "no keyboard picture")

What a session offers:
- `e2e.start(emulator="1", modes=(0,), settings=None, env=None)` -> App; `e2e.text(n)` (English
  texts), `e2e.screenshot()`, `e2e.artifact(name)`, `e2e.start_sound()`, `e2e.start_bus()`,
  `e2e.opened()` (what went to xdg-open, which is a recorder here).
- App: `ui()` / `wait_ui(cond, what)` (the UI probe: `Ui.control/shown/rect/text/items/item`,
  `Ui.program` with the queued device tasks and more), `settle()`,
  `click(x, y, title)`, `click_control(id, title)`, `click_rect`, `click_tab(tab id)`,
  `type(text)`, `key(names)`, `emulator(cmd)` / `tap(usage)` / `wait_dump(cond, what)` (the
  stand-in keyboard; a dump keeps every report until "clear"; `virtual_states(dump, report id)`
  decodes what the virtual device sent),
  `instance(cmd)` (the single-instance socket), `state()` (the state line), `settings()`,
  `store()` (sqlite3, read-only), `screenshot(title, save)`, `wait_exit()`, `stderr()`.
- `ctl.k...`: the control IDs of app/mainwnd/ControlIds.h by name.

Every wait polls a condition with a deadline (`wait_for`); nothing sleeps for a fixed time.
Deadlines grow with CLAVORA_E2E_TIMEOUT_SCALE. Rects are (left, top, right, bottom) in a
window's client coordinates. Screenshots are `screen_image.Image`s. Programs used: Xvfb, openbox, xdotool, xprop, ImageMagick's
`import`; pulseaudio and dbus-daemon when a test asks for them.
"""

import configparser
import json
import os
import shutil
import signal
import socket
import sqlite3
import subprocess
import tempfile
import time

from screen_image import Image

DEVICE_NAME = "Clavora"
TIMEOUT_SCALE = float(os.environ.get("CLAVORA_E2E_TIMEOUT_SCALE", "1"))
DEFAULT_TIMEOUT = 20.0


class E2EFailure(AssertionError):
    pass


class ProgramEnded(E2EFailure):
    """The program ended while a test waited for it; never worth waiting on."""


def scaled(seconds):
    return seconds * TIMEOUT_SCALE


def wait_for(condition, what, timeout=DEFAULT_TIMEOUT, interval=0.05):
    """Polls `condition()` until it returns something truthy and returns that.

    Raises E2EFailure naming `what` (and the last exception the condition raised, if any)
    when the deadline passes.
    """
    deadline = time.monotonic() + scaled(timeout)
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
            last_error = None
        except ProgramEnded:
            raise
        except (OSError, ValueError, KeyError, E2EFailure) as error:
            last_error = error
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise E2EFailure(f"timed out after {scaled(timeout):.0f} s waiting for {what}{detail}")
        time.sleep(interval)


def check(condition, message):
    if not condition:
        raise E2EFailure(message)


# --- Texts ------------------------------------------------------------------------------------

def read_language(path):
    """The `KB.DIALOG` texts of a language file as {number: text}."""
    raw = open(path, "rb").read()
    if raw.startswith(b"\xff\xfe") or raw.startswith(b"\xfe\xff"):
        text = raw.decode("utf-16")
    else:
        text = raw.decode("utf-8-sig")
    parser = configparser.ConfigParser(interpolation=None, strict=False)
    parser.optionxform = str
    parser.read_string(text)
    return {int(k): v for k, v in parser["KB.DIALOG"].items() if k.strip().isdigit()}


# --- What the probe reports -------------------------------------------------------------------

class Ui:
    """One description of the program's windows (the UI probe's JSON)."""

    def __init__(self, data):
        self.data = data
        self.program = data.get("program", {})
        self.windows = data.get("windows", [])

    def window(self, title=DEVICE_NAME):
        for w in self.windows:
            if w["title"] == title:
                return w
        return None

    def has_window(self, title, visible=True):
        w = self.window(title)
        return w is not None and (w["visible"] or not visible)

    def controls(self, control_id, title=DEVICE_NAME):
        w = self.window(title)
        return [c for c in (w["controls"] if w else []) if c["id"] == control_id]

    def control(self, control_id, title=DEVICE_NAME):
        """The first shown control with this ID, else the first one; None when there is none."""
        found = self.controls(control_id, title)
        for c in found:
            if c["shown"]:
                return c
        return found[0] if found else None

    def shown(self, control_id, title=DEVICE_NAME):
        c = self.control(control_id, title)
        return bool(c and c["shown"])

    def rect(self, control_id, title=DEVICE_NAME):
        c = self.control(control_id, title)
        check(c is not None, f"no control {control_id} in window {title!r}")
        return tuple(c["rect"])

    def text(self, control_id, title=DEVICE_NAME):
        c = self.control(control_id, title)
        return c.get("text") if c else None

    def items(self, control_id, title=DEVICE_NAME):
        c = self.control(control_id, title)
        return (c.get("items") or c.get("keys") or []) if c else []

    def item(self, control_id, title=DEVICE_NAME, **match):
        """The first item (or key) of a control whose members equal `match`."""
        for it in self.items(control_id, title):
            if all(it.get(k) == v for k, v in match.items()):
                return it
        raise E2EFailure(f"control {control_id} has no item with {match}")


def centre(rect):
    left, top, right, bottom = rect
    return ((left + right) // 2, (top + bottom) // 2)


# --- The virtual device's reports ------------------------------------------------------------

def keyboard_usages(hex_data):
    """The keyboard usages held in a keyboard report (byte 0 unused, then a 256-bit bitmap)."""
    data = bytes.fromhex(hex_data)
    return frozenset(u for u in range(256) if 1 + (u >> 3) < len(data) and data[1 + (u >> 3)] & (1 << (u & 7)))


def virtual_states(dump, report_id=1):
    """The states one kind of virtual report changed to, starting from idle (nothing held):
    repeats, and idle reports before anything was held, are left out.

    Keyboard reports (id 1) give frozensets of usages; consumer (3) and system (4) reports
    their 16-bit usage; mouse reports (2) their button byte.
    """
    idle = frozenset() if report_id == 1 else 0
    states = [idle]
    for report in dump["virtual_reports"]:
        if report["id"] != report_id:
            continue
        data = bytes.fromhex(report["hex"])
        if report_id == 1:
            state = keyboard_usages(report["hex"])
        elif report_id in (3, 4):
            state = int.from_bytes(data[:2], "little")
        else:
            state = data[0] if data else 0
        if states[-1] != state:
            states.append(state)
    return states[1:]


# --- Sockets ----------------------------------------------------------------------------------

def ask_socket(path, line, timeout=10.0, read_all=False):
    """Sends one line and returns the first answer line (or everything until close)."""
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as s:
        s.settimeout(scaled(timeout))
        s.connect(path)
        s.sendall(line.encode() + b"\n")
        if read_all:
            s.shutdown(socket.SHUT_WR)
        data = b""
        while read_all or b"\n" not in data:
            chunk = s.recv(1 << 16)
            if not chunk:
                break
            data += chunk
    return data.decode("utf-8").split("\n")[0] if not read_all else data.decode("utf-8")


# --- The program ------------------------------------------------------------------------------

class App:
    """One run of clavora inside an E2E session."""

    def __init__(self, e2e, proc, stderr_path, label, env):
        self.e2e = e2e
        self.env = env
        self.proc = proc
        self.stderr_path = stderr_path
        self.label = label
        self.runtime = e2e.env["XDG_RUNTIME_DIR"]
        self.last_ui = None

    # Life
    def running(self):
        return self.proc.poll() is None

    def wait_exit(self, timeout=DEFAULT_TIMEOUT):
        """Waits for the process to end and returns its exit code."""
        try:
            return self.proc.wait(timeout=scaled(timeout))
        except subprocess.TimeoutExpired:
            raise E2EFailure(f"{self.label} did not end within {scaled(timeout):.0f} s") from None

    def stderr(self):
        try:
            return open(self.stderr_path, encoding="utf-8", errors="replace").read()
        except OSError:
            return ""

    # Sockets
    def instance(self, command):
        """Sends a line to the single-instance socket; returns the answer ("ok"/"ignored")."""
        return ask_socket(os.path.join(self.runtime, DEVICE_NAME + ".sock"), command, read_all=True).strip()

    def emulator(self, command):
        """One command to the stand-in keyboard's control socket; "dump" gives parsed JSON."""
        path = os.path.join(self.runtime, DEVICE_NAME + "-emulator.sock")
        answer = ask_socket(path, command)
        if command == "dump":
            return json.loads(answer)
        check(answer == "ok", f"stand-in keyboard refused {command!r}: {answer}")
        return answer

    def state(self):
        """The window's state line as a dict ({} before the first one): page (0 home, 1 keys,
        2 macros, 3 light, 4 settings), tabs, keyboard, visible - all ints."""
        try:
            line = open(self.env["CLAVORA_STATE_FILE"]).read().strip().splitlines()[-1]
        except (OSError, IndexError):
            return {}
        return {k: int(v) for k, v in (field.split("=", 1) for field in line.split())}

    def tap(self, usage):
        """Presses and releases a physical key of the stand-in keyboard (a HID usage)."""
        self.emulator(f"press {usage}")
        self.emulator(f"release {usage}")

    def wait_dump(self, condition, what, timeout=DEFAULT_TIMEOUT):
        """Polls the stand-in keyboard's dump until `condition(dump)` holds; returns it."""
        def poll():
            self.check_running(what)
            dump = self.emulator("dump")
            return dump if condition(dump) else None
        return wait_for(poll, what, timeout)

    def ui(self):
        """The probe's description of the windows now."""
        answer = ask_socket(os.path.join(self.runtime, DEVICE_NAME + "-ui.sock"), "dump", read_all=True)
        check(answer.startswith("{"), f"UI probe answered {answer.strip()!r}")
        self.last_ui = json.loads(answer)
        return Ui(self.last_ui)

    def check_running(self, what):
        """Fails at once when the program is gone."""
        code = self.proc.poll()
        if code is None:
            return
        cause = f"code {code}"
        if code < 0:
            # Tests signal the program only when they tear down, after all waiting.
            cause = f"signal {-code}, not sent by this test"
        raise ProgramEnded(f"{self.label} ended ({cause}) while waiting for {what}")

    def wait_ui(self, condition, what, timeout=DEFAULT_TIMEOUT):
        """Polls the probe until `condition(ui)` holds; returns that Ui."""
        def probe():
            self.check_running(what)
            ui = self.ui()
            return ui if condition(ui) else None
        return wait_for(probe, what, timeout)

    def settle(self, title=DEVICE_NAME, timeout=DEFAULT_TIMEOUT, quiet_for=0.15):
        """Waits until no device task is queued or running and the window takes input (the
        worker disables the main window around keyboard tasks; a click then would be lost),
        and that has held for `quiet_for` seconds (hot-plug news may still be on its way)."""
        quiet_since = [None]

        def quiet(ui):
            w = ui.window(title)
            if not (ui.program.get("tasks") == 0 and not ui.program.get("wait_box")
                    and w is not None and w["visible"] and w["enabled"]):
                quiet_since[0] = None
                return False
            quiet_since[0] = quiet_since[0] or time.monotonic()
            return time.monotonic() - quiet_since[0] >= quiet_for
        return self.wait_ui(quiet, f"the program to settle with {title!r} taking input", timeout)

    # Windows
    def window_id(self, title=DEVICE_NAME, timeout=DEFAULT_TIMEOUT):
        """The X window of a visible toolkit window with this title (waits for it)."""
        def find():
            out = self.e2e.xdotool("search", "--onlyvisible", "--name", "^" + title + "$", check_rc=False)
            ids = out.split()
            return ids[-1] if ids else None
        return wait_for(find, f"a visible window titled {title!r}", timeout)

    def is_visible(self, title=DEVICE_NAME):
        return bool(self.e2e.xdotool("search", "--onlyvisible", "--name", "^" + title + "$", check_rc=False).split())

    def geometry(self, title=DEVICE_NAME):
        """(x, y, width, height) of the window on the screen."""
        out = self.e2e.xdotool("getwindowgeometry", "--shell", self.window_id(title))
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    # Input
    def move(self, x, y, title=DEVICE_NAME):
        """Moves the pointer to client coordinates of a window."""
        self.e2e.xdotool("mousemove", "--sync", "--window", self.window_id(title), str(x), str(y))

    def click(self, x, y, title=DEVICE_NAME, button=1, settle=True):
        """A real click (press and release) at client coordinates of a window; first waits
        until the program has settled (see `settle`) unless told not to."""
        if settle:
            self.settle(title)
        self.move(x, y, title)
        self.e2e.xdotool("click", str(button))

    def click_rect(self, rect, title=DEVICE_NAME, button=1, settle=True):
        x, y = centre(rect)
        self.click(x, y, title, button, settle)

    def click_control(self, control_id, title=DEVICE_NAME, button=1, settle=True):
        """Clicks the centre of a shown control, found through the probe."""
        ui = self.wait_ui(lambda u: u.shown(control_id, title), f"control {control_id} shown in {title!r}")
        self.click_rect(ui.rect(control_id, title), title, button, settle)

    def click_tab(self, tab_id):
        """Clicks the tab with this item ID in the main window's tab bar."""
        ui = self.wait_ui(lambda u: u.shown(ctl.kTabBar), "the tab bar")
        self.click_rect(ui.item(ctl.kTabBar, id=tab_id)["rect"])

    def type(self, text):
        self.e2e.xdotool("type", "--delay", "20", text)

    def key(self, *names):
        self.e2e.xdotool("key", *names)

    # Pictures
    def screenshot(self, title=DEVICE_NAME, save=None):
        """The window's area of the screen (client coordinates), as an Image; with `save`,
        also kept as <save>.png among the test's artifacts."""
        x, y, w, h = self.geometry(title)
        shot = self.e2e.screenshot().crop((x, y, x + w, y + h))
        if save:
            shot.save_png(self.e2e.artifact(save + ".png"))
        return shot

    # Files
    def settings(self):
        """The [settings] values of settings.ini ({} while it does not exist)."""
        path = os.path.join(self.e2e.env["XDG_CONFIG_HOME"], DEVICE_NAME, "settings.ini")
        parser = configparser.ConfigParser(interpolation=None, strict=False)
        parser.optionxform = str
        try:
            parser.read_string(open(path, encoding="utf-8").read())
        except OSError:
            return {}
        return dict(parser["settings"]) if parser.has_section("settings") else {}

    def store(self, model="Halcyon 104"):
        """A read-only connection to a model's store."""
        path = os.path.join(self.e2e.env["XDG_DATA_HOME"], DEVICE_NAME + " Files", "db", model + "_data_v1.db")
        wait_for(lambda: os.path.exists(path), f"the store {path}")
        return sqlite3.connect("file:" + path + "?mode=ro", uri=True, timeout=scaled(10))


class E2E:
    """One whole-program test: a display, a window manager, private folders, the processes."""

    def __init__(self, name, bin_dir, out_dir):
        self.name = name
        self.bin_dir = os.path.abspath(bin_dir)
        self.out_dir = out_dir
        self.root = tempfile.mkdtemp(prefix="clavora-e2e-")
        self.procs = []
        self.apps = []
        self.display = None
        self.texts = read_language(os.path.join(self.bin_dir, "language", "1033.lan"))
        self.env = self._private_env()

    # --- Set-up -------------------------------------------------------------------------
    def _private_env(self):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("XDG_", "DBUS_", "PULSE_", "CLAVORA_", "WAYLAND_", "SDL_", "LC_"))}
        for folder in ("run", "config", "data", "home"):
            os.makedirs(os.path.join(self.root, folder), mode=0o700)
        env.update({
            "XDG_RUNTIME_DIR": os.path.join(self.root, "run"),
            "XDG_CONFIG_HOME": os.path.join(self.root, "config"),
            "XDG_DATA_HOME": os.path.join(self.root, "data"),
            "HOME": os.path.join(self.root, "home"),
            "LANG": "en_US.UTF-8",
            "LC_ALL": "en_US.UTF-8",
        })
        # Links and files the program opens are written down instead of reaching a browser.
        bin_dir = os.path.join(self.root, "bin")
        os.makedirs(bin_dir)
        opener = os.path.join(bin_dir, "xdg-open")
        with open(opener, "w") as f:
            f.write('#!/bin/sh\nprintf "%s\\n" "$*" >> "$(dirname "$0")/../opened.txt"\n')
        os.chmod(opener, 0o755)
        env["PATH"] = bin_dir + os.pathsep + env.get("PATH", "/usr/bin:/bin")
        # No sound server unless a test asks for one, and never one started behind our back.
        client_conf = os.path.join(self.root, "pulse-client.conf")
        with open(client_conf, "w") as f:
            f.write("autospawn = no\n")
        env["PULSE_CLIENTCONFIG"] = client_conf
        # Under the sanitizer presets: the library reports the unit tests suppress as well.
        here = os.path.dirname(os.path.abspath(__file__))
        env.setdefault("LSAN_OPTIONS", f"suppressions={here}/lsan.supp:print_suppressions=0")
        env.setdefault("TSAN_OPTIONS", f"suppressions={here}/tsan.supp:print_suppressions=0")
        return env

    def _spawn(self, args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=None, **kw):
        proc = subprocess.Popen(args, stdout=stdout, stderr=stderr, env=env or self.env, start_new_session=True, **kw)
        self.procs.append(proc)
        return proc

    def start_display(self):
        """Xvfb on a free display (it picks the number) and openbox on it."""
        if self.display:
            return
        read_fd, write_fd = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1920x1080x24", "-noreset", "-nolisten", "tcp"],
                    pass_fds=(write_fd,), stderr=open(os.path.join(self.root, "xvfb.log"), "w"))
        os.close(write_fd)
        number = b""
        deadline = time.monotonic() + scaled(20)
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            chunk = os.read(read_fd, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_fd)
        check(number.strip().isdigit(), "Xvfb did not start")
        self.display = ":" + number.strip().decode()
        self.env["DISPLAY"] = self.display
        # Openbox runs the start-up command once it manages the screen; a window mapped
        # before that may never see its MapNotify (SDL then waits for it forever).
        ready = os.path.join(self.root, "openbox-ready")
        self._spawn(["openbox", "--sm-disable", "--startup", f"touch {ready}"],
                    stderr=open(os.path.join(self.root, "openbox.log"), "w"))
        wait_for(lambda: os.path.exists(ready), "openbox")

    def start_sound(self):
        """A private PulseAudio with a null sink as default (its monitor records what plays)."""
        pulse_dir = os.path.join(self.root, "pulse")
        os.makedirs(pulse_dir, mode=0o700, exist_ok=True)
        self.env["PULSE_RUNTIME_PATH"] = pulse_dir
        self._spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                     "-L", "module-native-protocol-unix", "-L", "module-null-sink sink_name=ci_sink"],
                    stderr=open(os.path.join(self.root, "pulseaudio.log"), "w"))
        wait_for(lambda: self._run(["pactl", "set-default-sink", "ci_sink"], check_rc=False, rc=True) == 0,
                 "the sound server")

    def start_bus(self):
        """A private session bus (for the tray icon)."""
        proc = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE)
        address = proc.stdout.readline().decode().strip()
        check(address, "dbus-daemon gave no address")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def _run(self, args, check_rc=True, rc=False):
        result = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=scaled(30))
        if rc:
            return result.returncode
        if check_rc and result.returncode != 0:
            raise E2EFailure(f"{' '.join(args)} failed ({result.returncode}): {result.stderr.strip()}")
        return result.stdout

    def xdotool(self, *args, check_rc=True):
        return self._run(["xdotool", *args], check_rc=check_rc)

    # --- The program --------------------------------------------------------------------
    def start(self, emulator="1", modes=(0,), probe=True, env=None, wait=True, settings=None):
        """Starts clavora with the stand-in keyboard.

        emulator: the model ("1" = first model of device type 201, or a model name), None for
        no stand-in; modes: the connection modes attached at start ([] = none). settings:
        values written to settings.ini before the start (e.g. {"exit_mode": "1"}). With
        `wait`, returns once the main window is visible, the first presence scan has shown
        its outcome (key page, or "no keyboard") and the start-up's device tasks are done.
        """
        self.start_display()
        if settings:
            self.write_settings(settings)
        run_env = dict(self.env)
        if emulator is not None:
            run_env["CLAVORA_EMULATOR"] = emulator + ":" + ",".join(str(m) for m in modes)
        if probe:
            run_env["CLAVORA_UI_PROBE"] = "1"
        run_env.update(env or {})
        index = len(self.apps)
        run_env["CLAVORA_STATE_FILE"] = os.path.join(self.root, f"state-{index}.txt")
        stderr_path = os.path.join(self.root, f"clavora-{index}.stderr")
        proc = self._spawn([os.path.join(self.bin_dir, "clavora")], env=run_env, stdout=open(stderr_path, "ab"),
                           stderr=subprocess.STDOUT, cwd=self.root)
        app = App(self, proc, stderr_path, f"clavora #{index}", run_env)
        self.apps.append(app)
        if wait:
            app.window_id(timeout=40)
            if probe:
                app.wait_ui(lambda ui: ui.has_window(DEVICE_NAME), "the UI probe", timeout=40)
                if emulator is not None:
                    # The first presence scan is over once the page shows its outcome.
                    if modes:
                        app.wait_ui(lambda ui: ui.program.get("keyboard") and ui.shown(ctl.kTabBar),
                                    "the keyboard found at start", timeout=40)
                    else:
                        app.wait_ui(lambda ui: ui.text(ctl.kStatusText) == self.text(61),
                                    "the home page saying no keyboard is connected", timeout=40)
                app.settle(timeout=40)
        return app

    def start_tool(self, program, title):
        """Starts a developer program built beside clavora (e.g. "lumoui_gallery") on this
        session's display; returns it once a window titled `title` shows, with the focus."""
        self.start_display()
        output = os.path.join(self.root, f"{program}.stderr")
        proc = self._spawn([os.path.join(self.bin_dir, program)], stdout=open(output, "ab"),
                           stderr=subprocess.STDOUT, cwd=self.root)
        app = App(self, proc, output, program, self.env)
        self.apps.append(app)
        self.xdotool("windowfocus", "--sync", app.window_id(title, timeout=40))
        return app

    def write_settings(self, values):
        folder = os.path.join(self.env["XDG_CONFIG_HOME"], DEVICE_NAME)
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "settings.ini"), "w") as f:
            f.write("[settings]\n" + "".join(f"{k}={v}\n" for k, v in values.items()))

    def opened(self):
        """What the program asked xdg-open to open, in order."""
        try:
            return open(os.path.join(self.root, "opened.txt")).read().splitlines()
        except OSError:
            return []

    def text(self, number):
        """A text of the English language file."""
        return self.texts.get(number, "")

    def screenshot(self):
        """The whole screen."""
        data = subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "ppm:-"], env=self.env, capture_output=True,
                              timeout=scaled(30), check=True).stdout
        return Image.from_ppm(data)

    def artifact(self, name):
        """A path in this test's output folder (kept after the run)."""
        os.makedirs(self.out_dir, exist_ok=True)
        return os.path.join(self.out_dir, name)

    # --- Tear-down ----------------------------------------------------------------------
    def save_failure(self):
        """Keeps what helps to understand a failure: screen, probe output, stderr."""
        try:
            if self.display:
                self.screenshot().save_png(self.artifact("failure-screen.png"))
        except Exception as error:  # the display may be gone; keep the rest
            print(f"no failure screenshot: {error}")
        notes = []
        for app in self.apps:
            name = app.label.replace(" #", "-")
            notes.append(f"{app.label}: " + ("running" if app.running() else f"ended with {app.proc.poll()}"))
            if app.running():
                try:
                    app.ui()
                except (OSError, ValueError, E2EFailure) as error:
                    notes.append(f"{app.label}: no probe answer ({error})")
                    self._save_stacks(app, self.artifact(f"{name}-stacks.txt"))
            if app.last_ui is not None:
                with open(self.artifact(f"{name}-ui.json"), "w") as f:
                    json.dump(app.last_ui, f, indent=1)
        if self.display:
            notes.append(self._run(["xwininfo", "-root", "-tree"], check_rc=False))
        with open(self.artifact("failure-notes.txt"), "w") as f:
            f.write("\n".join(notes) + "\n")

    def _save_stacks(self, app, path):
        """Every thread's stack of a program that does not answer (when gdb is there)."""
        if not shutil.which("gdb"):
            return
        result = subprocess.run(["gdb", "-p", str(app.proc.pid), "-batch", "-ex", "thread apply all bt"],
                                capture_output=True, text=True, timeout=scaled(60))
        with open(path, "w") as f:
            f.write(result.stdout + result.stderr)

    def close(self):
        for app in self.apps:
            if app.running():
                try:
                    app.instance("quit")
                    app.proc.wait(timeout=scaled(3))
                except (OSError, subprocess.TimeoutExpired):
                    pass
        for proc in reversed(self.procs):
            _kill(proc)
        for app in self.apps:
            if os.path.exists(app.stderr_path):
                shutil.copy(app.stderr_path, self.artifact(os.path.basename(app.stderr_path)))
        shutil.rmtree(self.root, ignore_errors=True)


def _kill(proc):
    """Ends a process we started and whatever it started in its session."""
    if proc.poll() is not None:
        return
    for sig, wait in ((signal.SIGTERM, 3), (signal.SIGKILL, 5)):
        try:
            os.killpg(proc.pid, sig)
        except ProcessLookupError:
            return
        try:
            proc.wait(timeout=wait)
            return
        except subprocess.TimeoutExpired:
            continue


# --- Control IDs ------------------------------------------------------------------------------

class _ControlIds:
    """The main window's control IDs by their names in app/mainwnd/ControlIds.h (ctl.kTabBar)."""

    def __init__(self):
        import re
        header = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "app", "mainwnd", "ControlIds.h")
        text = open(header, encoding="utf-8").read()
        text = text.split("namespace clavora::msg", 1)[0]
        for name, value in re.findall(r"inline constexpr (?:UINT|int) (k\w+) = (\d+);", text):
            setattr(self, name, int(value))


ctl = _ControlIds()

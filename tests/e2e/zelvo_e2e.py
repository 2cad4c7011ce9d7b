"""Drives the real zelvo program as a player would: on a private X server with
a window manager, keys and clicks through the X server, state read back from
the screen's pixels, from the accessibility tree (AT-SPI) and, where sound is
the point, from a private PulseAudio server's null sink.

Run each test under `dbus-run-session -- /usr/bin/python3 test_x.py`; the
program to test is named by the ZELVO_BIN environment variable.
"""

import array
import contextlib
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

TWIPS_PER_PIXEL = 15
# Below this a sound counts as over, as the sound script measures its files.
SILENCE_DBFS = -45.0


def px(twips):
    """Twips to logical pixels, rounded as the program rounds them."""
    return (twips + TWIPS_PER_PIXEL // 2) // TWIPS_PER_PIXEL


def wait_until(predicate, timeout=5.0, interval=0.02, what="condition"):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


class Window:
    """A top-level window of the program, placed by the window manager."""

    def __init__(self, desktop, wid, design_height):
        self.desktop = desktop
        self.id = wid
        self.design_height = design_height

    def info(self):
        out = self.desktop.run("xwininfo", "-id", self.id)
        values = {}
        for line in out.splitlines():
            if ":" in line:
                key, _, value = line.strip().partition(":")
                values[key.strip()] = value.strip()
        return values

    def client_rect(self):
        """(x, y, width, height) on the screen, menu bar included."""
        v = self.info()
        return (int(v["Absolute upper-left X"]), int(v["Absolute upper-left Y"]),
                int(v["Width"]), int(v["Height"]))

    def frame_rect(self):
        """The outer frame on the screen, from the window manager's extents."""
        x, y, w, h = self.client_rect()
        out = self.desktop.run("xprop", "-id", self.id, "_NET_FRAME_EXTENTS")
        left = right = top = bottom = 0
        if "=" in out:
            left, right, top, bottom = (int(v) for v in out.split("=")[1].split(","))
        return (x - left, y - top, w + left + right, h + top + bottom)

    def menu_height(self):
        return self.client_rect()[3] - px(self.design_height)

    def to_screen(self, left, top):
        """A design point (twips from the client area's corner) on the screen."""
        x, y, _, _ = self.client_rect()
        return x + px(left), y + self.menu_height() + px(top)

    def click(self, left, top):
        x, y = self.to_screen(left, top)
        self.desktop.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")

    def pixel(self, left, top):
        return self.desktop.pixel(*self.to_screen(left, top))

    def activate(self):
        self.desktop.xdotool("windowactivate", "--sync", self.id)

    def key(self, *keys):
        """Keys typed into this window, through the X server."""
        self.activate()
        self.desktop.xdotool("key", "--clearmodifiers", *keys)

    def type(self, text):
        self.activate()
        self.desktop.xdotool("type", "--delay", "30", text)

    def close_box(self):
        """Closes the window as its close box does (the window manager's close).
        On a busy machine openbox may let a close pressed just as a window is
        shown go by: it is pressed again while the window stays and no box
        has opened over it. Callers check that the window went."""
        for _ in range(3):
            self.key("alt+F4")
            with contextlib.suppress(AssertionError):
                wait_until(lambda: not self.exists(), 2, what=f"window {self.id} to close")
                return
            if not self.desktop.no_message_box():
                return

    def exists(self):
        return subprocess.run(["xwininfo", "-id", self.id], env=self.desktop.env,
                              capture_output=True).returncode == 0 and \
            "IsViewable" in self.desktop.run("xwininfo", "-id", self.id, check=False)

    def gone(self, timeout=5):
        """Waits until the window is no longer on the screen."""
        wait_until(lambda: not self.exists(), timeout, what=f"window {self.id} to go")
        return True

    def grab(self, left, top, width, height):
        """The pixels of a design rectangle (twips), as (x, y) -> (r, g, b), x
        and y in pixels from the rectangle's corner: one request to the X
        server for the whole rectangle."""
        x, y = self.to_screen(left, top)
        return self.desktop.grab(x, y, max(1, px(width)), max(1, px(height)))


class Desktop(contextlib.AbstractContextManager):
    """A private Xvfb screen with openbox; with audio=True also a PulseAudio
    server whose default sink is a null sink that can be recorded."""

    def __init__(self, width=1280, height=800, audio=False, accessibility=True, scale=None):
        self.size = (width, height)
        self.audio = audio
        self.accessibility = accessibility
        self.scale = scale
        self.processes = []
        self.tmp = tempfile.mkdtemp(prefix="zelvo-e2e-")
        self.env = dict(os.environ)
        self.program = None

    # -- lifecycle -----------------------------------------------------------
    def __enter__(self):
        # A desktop half set up is taken down again, and shown, like one that
        # failed later: with statement never calls __exit__ when __enter__ fails.
        try:
            return self._set_up()
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise

    def _window_manager_running(self):
        return "_NET_SUPPORTING_WM_CHECK(WINDOW)" in \
            self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False)

    def _wait_for_window_manager_to_answer(self):
        """Openbox announces itself before its event loop runs, and on a busy
        machine a window mapped in between stayed unmapped: its map request
        waited, unread, until some later event woke the window manager. So
        the program starts only once the window manager answers a request:
        the frame extents of a window of our own, asked for until they come."""
        from Xlib import X
        from Xlib.protocol import event
        display = self._display()
        root = display.screen().root
        probe = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
        request = display.intern_atom("_NET_REQUEST_FRAME_EXTENTS")
        extents = display.intern_atom("_NET_FRAME_EXTENTS")

        def answered():
            root.send_event(event.ClientMessage(window=probe, client_type=request,
                                                data=(32, [0] * 5)),
                            event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
            display.sync()
            return probe.get_full_property(extents, X.AnyPropertyType) is not None

        wait_until(answered, timeout=10, interval=0.05, what="the window manager to answer")
        probe.destroy()
        display.sync()

    def _set_up(self):
        runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(runtime, mode=0o700)
        # Settings go to a folder of the test's own, never the user's.
        self.env.update(XDG_RUNTIME_DIR=runtime, HOME=self.tmp, LANG="C.UTF-8",
                        XDG_CONFIG_HOME=os.path.join(self.tmp, "config"))
        self.env.pop("QT_QPA_PLATFORM", None)
        read, write = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write), "-screen", "0",
                    f"{self.size[0]}x{self.size[1]}x24", "-nolisten", "tcp"], pass_fds=(write,))
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read)
        self.env["DISPLAY"] = ":" + number.decode().strip()
        # Now and then (about once in a hundred starts on a busy machine)
        # openbox finds the brand-new server not yet taking connections and
        # gives up at once: it is started again then.
        for _ in range(3):
            openbox = self.spawn(["openbox", "--sm-disable"])
            wait_until(lambda: openbox.poll() is not None or self._window_manager_running(),
                       what="the window manager")
            if self._window_manager_running():
                break
        else:
            raise AssertionError("the window manager did not start")
        self._wait_for_window_manager_to_answer()
        if self.audio:
            self.start_sound_server()
        if self.accessibility:
            self.start_accessibility()
        return self

    def start_accessibility(self):
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        _private_accessibility_bus()
        import pyatspi  # noqa: F401  (starts the accessibility registry first)
        pyatspi.Registry.getDesktop(0)

    def __exit__(self, *exc):
        failed = exc[0] is not None
        if failed:
            self.screenshot(self.artefact("failure.png"))
        for process in reversed(self.processes):
            with contextlib.suppress(ProcessLookupError):
                os.killpg(process.pid, signal.SIGTERM)
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
        if self.program is not None and self.program.stderr is not None:
            self.program.stderr.close()
        if hasattr(self, "_xlib"):
            with contextlib.suppress(Exception):
                self._xlib.close()
            del self._xlib
        shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def start_sound_server(self):
        """Starts the private PulseAudio server with its null sink, at
        real-time priority where this user may ask for it, as a desktop's
        server runs (through rtkit there). At normal priority its main
        thread, which asks clients for more sound, woke late on a busy
        machine and the stream it asked too late ran dry: a gap in a sound
        that only the test's server made."""
        argv = ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                "--disallow-exit", "--log-target=stderr", "--log-level=error",
                "-L", "module-native-protocol-unix",
                "-L", "module-null-sink sink_name=zelvo rate=44100 channels=1",
                "-L", "module-always-sink"]
        import resource
        if os.geteuid() == 0 or resource.getrlimit(resource.RLIMIT_RTPRIO)[0] >= 5:
            argv = ["chrt", "--rr", "5"] + argv
        self.sound_server = self.spawn(argv, stderr=subprocess.DEVNULL)
        wait_until(lambda: subprocess.run(["pactl", "info"], env=self.env,
                                          capture_output=True).returncode == 0,
                   what="the sound server")
        self.run("pactl", "set-default-sink", "zelvo")

    def kill_sound_server(self):
        """Kills the private sound server by its process id, as a crash would."""
        os.kill(self.sound_server.pid, signal.SIGKILL)
        self.sound_server.wait(timeout=5)
        self.processes.remove(self.sound_server)

    def spawn(self, argv, env=None, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        process = subprocess.Popen(argv, env=env or self.env, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def run(self, *argv, check=True):
        result = subprocess.run(argv, env=self.env, capture_output=True, text=True)
        if check and result.returncode != 0:
            raise RuntimeError(f"{argv} failed: {result.stderr}")
        return result.stdout

    def xdotool(self, *args):
        return self.run("xdotool", *args)

    def fast_click(self, x, y):
        """A left click at a screen point through XTEST. Returns the monotonic
        time by which the X server had both button events: far less jitter
        than starting an xdotool, for tests that time what follows a click."""
        from Xlib import X
        from Xlib.ext import xtest
        display = self._display()
        xtest.fake_input(display, X.MotionNotify, x=x, y=y)
        display.sync()
        xtest.fake_input(display, X.ButtonPress, 1)
        xtest.fake_input(display, X.ButtonRelease, 1)
        display.sync()
        return time.monotonic()

    def windows_named(self, title):
        """The ids of the visible windows with this exact title, now."""
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                              env=self.env, capture_output=True, text=True).stdout.split()

    # -- the program ---------------------------------------------------------
    def start_zelvo(self, binary=None, cwd=None, extra_env=None):
        env = dict(self.env)
        if self.scale:
            env["QT_SCALE_FACTOR"] = str(self.scale)
        env.update(extra_env or {})
        binary = binary or os.environ["ZELVO_BIN"]
        self.program = subprocess.Popen([binary], env=env, cwd=cwd or self.tmp,
                                        start_new_session=True,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.processes.append(self.program)
        return self.window("Zelvo", 5685)

    def window(self, title, design_height, timeout=10):
        """The visible window with this exact title, once it is mapped."""
        def find():
            out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                                 env=self.env, capture_output=True, text=True).stdout.split()
            return out[-1] if out else None
        try:
            wid = wait_until(find, timeout, what=f"window {title!r}")
        except AssertionError as error:
            raise AssertionError(f"{error}; {self._program_state()}") from None
        window = Window(self, wid, design_height)
        # Give the window manager time to frame it and the program to centre it.
        wait_until(lambda: self.run("xprop", "-id", wid, "_NET_FRAME_EXTENTS",
                                    check=False).count(",") == 3, timeout, what="the frame")
        time.sleep(0.2)
        return window

    def _program_state(self):
        """What became of the program, for a failure's message."""
        if self.program is None:
            return "the program was not started"
        if self.program.poll() is None:
            return "the program is running"
        err = self.program.stderr.read().decode(errors="replace") if self.program.stderr else ""
        return f"the program ended with {self.program.returncode}: {err.strip()[-2000:]}"

    def program_ended(self, timeout=5):
        try:
            self.program.wait(timeout=timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    # -- the screen ----------------------------------------------------------
    def _display(self):
        if not hasattr(self, "_xlib"):
            from Xlib import display
            self._xlib = display.Display(self.env["DISPLAY"])
        return self._xlib

    def grab(self, x, y, width, height):
        """The screen's pixels in a rectangle, as a function (x, y) -> (r, g, b)."""
        from Xlib import X
        root = self._display().screen().root
        image = root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
        data = image.data
        stride = len(data) // height

        def at(px_, py_):
            i = py_ * stride + px_ * 4
            return data[i + 2], data[i + 1], data[i]
        return at

    def pixel(self, x, y):
        return self.grab(x, y, 1, 1)(0, 0)

    def screenshot(self, path):
        subprocess.run(["/usr/bin/import", "-window", "root", path], env=self.env,
                       capture_output=True)

    def artefact(self, name):
        folder = os.environ.get("ZELVO_ARTEFACTS", os.path.join(os.getcwd(), "artefacts"))
        os.makedirs(folder, exist_ok=True)
        test = os.path.splitext(os.path.basename(sys.argv[0]))[0]
        return os.path.join(folder, f"{test}-{int(time.time())}-{name}")

    # -- accessibility -------------------------------------------------------
    def accessible_app(self, timeout=10):
        import pyatspi

        def find():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "Zelvo":
                    return app
            return None
        return wait_until(find, timeout, what="Zelvo on the accessibility bus")

    def message_box(self, timeout=5):
        """The message box the program shows, once it is on the screen with
        its text and buttons."""
        app = self.accessible_app()
        node = wait_until(lambda: (_message_boxes(app) or [None])[0], timeout,
                          what="a message box")
        # A box's children are announced just after the box itself.
        return wait_until(lambda: (lambda box: box if box.text and box.buttons else None)(
            MessageBox(self, node)), timeout, what="the message box's text and buttons")

    def no_message_box(self):
        return not _message_boxes(self.accessible_app())

    def press_until(self, key, done, tries=3):
        """Presses a key, as often as needed, until done() holds: a box the
        window manager is still mapping does not have the keyboard yet."""
        for _ in range(tries):
            self.xdotool("key", "--clearmodifiers", key)
            with contextlib.suppress(AssertionError):
                wait_until(done, 2, what=f"{key} to be taken")
                return
        raise AssertionError(f"{key} pressed {tries} times, to no effect")

    def keep_name(self):
        """Takes the name the memory game offers, by Enter, in the box that
        follows the message of a game that made its level's top five."""
        wait_until(self.name_box, what="the name's box")
        self.press_until("Return", self.no_message_box)

    def name_box(self):
        """The memory game's box that asks for the player's name, if it shows."""
        return any(MessageBox(self, node).text == "Seu nome:"
                   for node in _message_boxes(self.accessible_app()))


_ACCESSIBILITY_RUNTIME = None


def _private_accessibility_bus():
    """Gives the accessibility bus of this test's D-Bus session a folder of
    its own. Its socket otherwise goes where every session puts it (the
    user's runtime or cache folder), and two test runs at once would take
    each other's bus. Set once per process, before the bus is first started;
    the folder lives as long as the process, since the bus does."""
    global _ACCESSIBILITY_RUNTIME
    if _ACCESSIBILITY_RUNTIME is not None:
        return
    import atexit
    from gi.repository import Gio, GLib
    folder = tempfile.mkdtemp(prefix="zelvo-e2e-a11y-")
    atexit.register(shutil.rmtree, folder, ignore_errors=True)
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "UpdateActivationEnvironment",
                  GLib.Variant("(a{ss})", ({"XDG_RUNTIME_DIR": folder},)),
                  None, Gio.DBusCallFlags.NONE, -1, None)
    _ACCESSIBILITY_RUNTIME = folder


def accessible_find(root, predicate):
    """Every accessible below root for which predicate(accessible) holds."""
    found = []

    def walk(node, depth):
        if node is None or depth > 12:
            return
        with contextlib.suppress(Exception):
            if predicate(node):
                found.append(node)
            for child in node:
                walk(child, depth + 1)
    walk(root, 0)
    return found


class Recorder:
    """Records the null sink's monitor while the block runs."""

    RATE = 44100

    def __init__(self, desktop):
        self.desktop = desktop
        self.path = os.path.join(desktop.tmp, f"record-{time.monotonic_ns()}.raw")
        self.samples = array.array("h")

    def __enter__(self):
        self.process = self.desktop.spawn(
            ["parec", "-d", "zelvo.monitor", "--format=s16le", f"--rate={self.RATE}",
             "--channels=1", "--latency-msec=10", self.path])
        # parec's first data comes late: give it a head start.
        wait_until(lambda: os.path.exists(self.path) and os.path.getsize(self.path) > 0,
                   timeout=5, interval=0.005, what="the recorder")
        self.first_data = time.monotonic()
        time.sleep(1.0)
        self.clock = RecordingClock(self.path, self.RATE)
        return self

    def __exit__(self, *exc):
        time.sleep(0.3)
        self.process.terminate()
        self.process.wait(timeout=5)
        self.clock.stop()
        with open(self.path, "rb") as f:
            self.samples.frombytes(f.read()[: os.path.getsize(self.path) // 2 * 2])
        return False

    def segments(self, threshold=300, gap=0.04):
        """(start, end) in seconds of each stretch of sound, joined across
        silences shorter than gap."""
        window = self.RATE // 200  # 5 ms
        spans = []
        start = None
        for i in range(0, len(self.samples) - window, window):
            loud = max(abs(v) for v in self.samples[i:i + window]) > threshold
            t = i / self.RATE
            if loud and start is None:
                start = t
            elif not loud and start is not None:
                spans.append([start, t])
                start = None
        merged = []
        for span in spans:
            if merged and span[0] - merged[-1][1] < gap:
                merged[-1][1] = span[1]
            else:
                merged.append(span)
        return [tuple(s) for s in merged]

    def sounds(self, dbfs=SILENCE_DBFS, gap=0.05):
        """Each sound in the recording as (start, end) in seconds from its
        first sample, to the sample: from its first sample at or above the
        threshold to its last one before `gap` seconds of quiet."""
        threshold = dbfs_threshold(dbfs)
        samples = self.samples
        block = self.RATE // 400  # 2.5 ms
        gap_samples = int(gap * self.RATE)
        spans = []
        start = end = None
        for i in range(0, len(samples), block):
            chunk = samples[i:i + block]
            if max(chunk) >= threshold or -min(chunk) >= threshold:
                loud = [j for j, v in enumerate(chunk) if abs(v) >= threshold]
                if start is not None and i + loud[0] - end > gap_samples:
                    spans.append((start, end))
                    start = None
                if start is None:
                    start = i + loud[0]
                end = i + loud[-1]
        if start is not None:
            spans.append((start, end))
        return [(a / self.RATE, (b + 1) / self.RATE) for a, b in spans]

    def to_monotonic(self, seconds):
        """A time in the recording as a time of this process's monotonic clock."""
        return self.clock.origin() + seconds


class RecordingClock:
    """Follows how a recording grows, to tell at what time of this process's
    monotonic clock each of its samples was taken."""

    def __init__(self, path, rate):
        import threading
        self.path, self.rate = path, rate
        self.marks = []
        self._stop = threading.Event()
        self._thread = threading.Thread(target=self._run, daemon=True)
        self._thread.start()

    def _run(self):
        last = -1
        while not self._stop.is_set():
            with contextlib.suppress(OSError):
                size = os.stat(self.path).st_size
                if size != last:
                    self.marks.append((time.monotonic(), size // 2))
                    last = size
            time.sleep(0.001)

    def stop(self):
        self._stop.set()
        self._thread.join(timeout=2)

    def origin(self):
        """The monotonic time of sample 0. A sample reaches the file no earlier
        than it was taken, so every mark bounds the origin from above; the
        tightest bound is a mark taken just as a chunk arrived. What is left
        is the monitor's own latency, a few milliseconds."""
        bounds = [t - n / self.rate for t, n in self.marks if n > 0]
        if not bounds:
            raise AssertionError("the recording never grew")
        return min(bounds)


# -- sound files --------------------------------------------------------------


def dbfs_threshold(dbfs=SILENCE_DBFS):
    return 32768.0 * 10.0 ** (dbfs / 20.0)


def read_wav(path):
    """The mono 16-bit samples of a wave file, and its rate."""
    import wave
    with wave.open(path, "rb") as w:
        if w.getsampwidth() != 2:
            raise ValueError(f"{path}: not 16-bit")
        channels, rate = w.getnchannels(), w.getframerate()
        data = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder != "little":
        data.byteswap()
    if channels > 1:
        data = array.array("h", (sum(data[i:i + channels]) // channels
                                 for i in range(0, len(data), channels)))
    return data, rate


def sound_span(samples, dbfs=SILENCE_DBFS):
    """(first, last) index of the samples at or above the threshold, or None."""
    threshold = dbfs_threshold(dbfs)
    first = next((i for i, v in enumerate(samples) if abs(v) >= threshold), None)
    if first is None:
        return None
    last = next(i for i in range(len(samples) - 1, -1, -1) if abs(samples[i]) >= threshold)
    return first, last


# -- message boxes, read over AT-SPI ------------------------------------------

def accessible_showing(node):
    import pyatspi
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def accessible_centre(node):
    """Where an accessible is on the screen: the centre of its extents."""
    from pyatspi import Atspi
    e = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
    return e.x + e.width // 2, e.y + e.height // 2


def _message_boxes(app):
    found = []
    with contextlib.suppress(Exception):
        for child in app:
            if child is not None and child.getRoleName() in ("alert", "dialog") \
                    and accessible_showing(child):
                found.append(child)
    return found


class MessageBox:
    """A message box as a screen reader meets it: its title, its text and its
    buttons (access-key marks removed); answered by a click on the button
    where the screen shows it."""

    def __init__(self, desktop, node):
        self.desktop = desktop
        self.node = node
        self.title = node.name
        labels = accessible_find(node, lambda a: a.getRoleName() == "label"
                                 and accessible_showing(a) and a.name)
        self.text = "\n".join(a.name for a in labels)
        self._buttons = accessible_find(node, lambda a: a.getRoleName() == "push button"
                                        and accessible_showing(a))
        self.buttons = [b.name.replace("&", "") for b in self._buttons]

    def answer(self, button, timeout=5):
        nodes = [node for node, name in zip(self._buttons, self.buttons) if name == button]
        if not nodes:
            raise AssertionError(f"no button {button!r} in the box; it has {self.buttons}")
        # The window manager may still be placing the box when it is first
        # read: a click that found no button is made again where it is now.
        # A box slow to close under load is given time before that, since the
        # box that follows it (the name's, after a record) may open under the
        # pointer and would take a second click as its own.
        clicked = None
        for _ in range(4):
            here = accessible_centre(nodes[0])
            if here != clicked:
                self.desktop.xdotool("mousemove", "--sync", *map(str, here), "click", "1")
                clicked = here
            else:
                clicked = None
            with contextlib.suppress(AssertionError):
                # This box, not every box: another may follow it at once.
                wait_until(lambda: not accessible_showing(self.node), timeout / 3)
                return
        raise AssertionError(f"the message box did not close on {button!r}")


# -- the memory game's toy, read from the screen ------------------------------

# The pads, clockwise from the top left, meet at the toy's centre (twips).
MEMORY_COLOURS = ("blue", "red", "yellow", "green")
MEMORY_CENTRE = (3090, 3330)


class MemoryToy:
    """The memory window's four pads, seen through one small screen grab per
    poll: a point inside each quarter ring, `reach` pixels diagonally from
    the centre. A pad counts as lit while its point is far from the dark
    colour it had when this was made (make it while every pad is dark)."""

    # Dark and lit pads differ by well over 200 in the sum of their channels;
    # no antialiasing or half-drawn frame comes near 90.
    LIT_DISTANCE = 90

    def __init__(self, window, reach=60):
        self.window = window
        self.desktop = window.desktop
        cx, cy = window.to_screen(*MEMORY_CENTRE)
        d = int(round(reach / 2 ** 0.5))
        self.points = [(cx - d, cy - d), (cx + d, cy - d), (cx + d, cy + d), (cx - d, cy + d)]
        self.origin = (cx - d, cy - d)
        self.size = 2 * d + 1

        # The window may be mapped a moment before its pads are painted.
        def painted():
            first = self.colours()
            time.sleep(0.05)
            second = self.colours()
            return second if first == second and len(set(second)) == 4 else None
        self.dark = wait_until(painted, timeout=5, what="the pads to be painted")

    def colours(self):
        at = self.desktop.grab(self.origin[0], self.origin[1], self.size, self.size)
        return [at(x - self.origin[0], y - self.origin[1]) for x, y in self.points]

    def lit(self):
        return tuple(sum(abs(a - b) for a, b in zip(c, d)) > self.LIT_DISTANCE
                     for c, d in zip(self.colours(), self.dark))

    def click(self, pad):
        """Clicks the pad; returns the monotonic time of the click."""
        return self.desktop.fast_click(*self.points[pad])

    def watch(self, flashes, timeout=10.0, interval=0.003):
        """Follows the pads until `flashes` lights have come and gone. Returns
        [(pad, lit_at, dark_at)] in monotonic seconds, in the order they lit.
        A pad already lit at the first look counts as lit at that look."""
        first_look = time.monotonic()
        deadline = first_look + timeout
        state = self.lit()
        on = {pad: first_look for pad in range(4) if state[pad]}
        done = []
        while len(done) < flashes:
            # A short rest between polls: polling flat out would keep both
            # cores busy (this process and the X server) and starve the
            # program, whose timing is what is being watched.
            time.sleep(interval)
            now_state = self.lit()
            now = time.monotonic()
            for pad in range(4):
                if now_state[pad] and not state[pad]:
                    on[pad] = now
                elif state[pad] and not now_state[pad]:
                    done.append((pad, on.pop(pad), now))
            state = now_state
            if now > deadline:
                raise AssertionError(f"saw {len(done)} of {flashes} flashes in {timeout} s: {done}")
        done.sort(key=lambda f: f[1])
        return done

    def stays_dark(self, seconds, interval=0.003):
        """True if no pad lights for this long."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if any(self.lit()):
                return False
            time.sleep(interval)
        return True


def main():
    unittest.main(verbosity=2)

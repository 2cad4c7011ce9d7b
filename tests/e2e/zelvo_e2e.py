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
        """Closes the window as its close box does (the window manager's close)."""
        self.key("alt+F4")

    def exists(self):
        return subprocess.run(["xwininfo", "-id", self.id], env=self.desktop.env,
                              capture_output=True).returncode == 0 and \
            "IsViewable" in self.desktop.run("xwininfo", "-id", self.id, check=False)


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
        runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.env.update(XDG_RUNTIME_DIR=runtime, HOME=self.tmp, LANG="C.UTF-8")
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
        self.spawn(["openbox", "--sm-disable"])
        wait_until(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in
                   self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False),
                   what="the window manager")
        if self.audio:
            self.spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                        "--disallow-exit", "--log-target=stderr", "--log-level=error",
                        "-L", "module-native-protocol-unix",
                        "-L", "module-null-sink sink_name=zelvo rate=44100 channels=1",
                        "-L", "module-always-sink"], stderr=subprocess.DEVNULL)
            wait_until(lambda: subprocess.run(["pactl", "info"], env=self.env,
                                              capture_output=True).returncode == 0,
                       what="the sound server")
            self.run("pactl", "set-default-sink", "zelvo")
        if self.accessibility:
            self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
            import pyatspi  # noqa: F401  (starts the accessibility registry first)
            pyatspi.Registry.getDesktop(0)
        return self

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
        shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def spawn(self, argv, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        process = subprocess.Popen(argv, env=self.env, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def run(self, *argv, check=True):
        result = subprocess.run(argv, env=self.env, capture_output=True, text=True)
        if check and result.returncode != 0:
            raise RuntimeError(f"{argv} failed: {result.stderr}")
        return result.stdout

    def xdotool(self, *args):
        return self.run("xdotool", *args)

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
        wid = wait_until(find, timeout, what=f"window {title!r}")
        window = Window(self, wid, design_height)
        # Give the window manager time to frame it and the program to centre it.
        wait_until(lambda: self.run("xprop", "-id", wid, "_NET_FRAME_EXTENTS",
                                    check=False).count(",") == 3, timeout, what="the frame")
        time.sleep(0.2)
        return window

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
                   timeout=5, what="the recorder")
        time.sleep(1.0)
        return self

    def __exit__(self, *exc):
        time.sleep(0.3)
        self.process.terminate()
        self.process.wait(timeout=5)
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


def main():
    unittest.main(verbosity=2)

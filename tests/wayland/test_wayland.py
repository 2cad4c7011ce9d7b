"""Zelvo where most Debian players meet it: on a Wayland compositor with
PipeWire for sound. A headless sway shows the windows, wtype types the keys,
grim takes the screenshots, and a PipeWire null sink's monitor is recorded.
The helpers of the end-to-end tests do the rest.

Run under `dbus-run-session -- /usr/bin/python3 test_wayland.py`, with
ZELVO_BIN naming the program, ZELVO_PICTURES the folder of its pictures as the
build drew them and ZELVO_SOUND_FILES the folder of its sound files."""

import contextlib
import glob
import json
import math
import os
import pwd
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "e2e"))
from test_audio import save_recording  # noqa: E402
from zelvo_e2e import Desktop, Recorder, main, read_wav, sound_span, wait_until  # noqa: E402

PAD_SOUNDS = ["Plasma", "Whop", "Eatghost", "Jawharp"]
# A sound heard whole lasts as long as its file's audible part: the stream
# is resampled twice on its way (44.1 to 48 kHz and back), which moves its
# ends by well under a millisecond. One of PipeWire's 5.3 ms periods that the
# program's sound thread, at normal priority without rtkit, filled too late
# on a busy machine stretches it by that much; two such are a sound cut up.
LENGTH_TOLERANCE = 0.010
# How closely a recorded sound must follow its file, sample by sample, once
# lined up: the resampling leaves it near 0.99, another pad's sound near 0.
SAME_SOUND = 0.9
IDENTIFYING = 44100 // 25  # samples: 40 ms
# The title's letters are drawn over the top of the picture, and come and go.
TITLE_HEIGHT = 73


class SwayWindow:
    """A window as sway has it: found again by its container id."""

    def __init__(self, desktop, node):
        self.desktop = desktop
        self.id = node["id"]

    def node(self):
        return next((n for n in self.desktop.views() if n["id"] == self.id), None)

    def content_rect(self):
        """(x, y, width, height) of what the program draws, menu bar included."""
        node = self.node()
        outer, inner = node["rect"], node["window_rect"]
        return (outer["x"] + inner["x"], outer["y"] + inner["y"], inner["width"], inner["height"])

    def close_box(self):
        """Closes the window as its close box does: the compositor asks it to."""
        self.desktop.swaymsg(f"[con_id={self.id}] kill")

    def gone(self, timeout=5):
        wait_until(lambda: self.node() is None, timeout, what=f"window {self.id} to go")
        return True


class SwayDesktop(Desktop):
    """A private headless sway and a private PipeWire (with its PulseAudio
    server, whose default sink is a null sink named as the end-to-end tests'
    is), in a D-Bus session of the test's own."""

    def __init__(self, width=1280, height=800):
        super().__init__(width, height, audio=True, accessibility=True)

    def _set_up(self):
        runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.env.update(XDG_RUNTIME_DIR=runtime, HOME=self.tmp, LANG="C.UTF-8",
                        XDG_CONFIG_HOME=os.path.join(self.tmp, "config"),
                        XDG_STATE_HOME=os.path.join(self.tmp, "state"))
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "PULSE_SERVER", "PIPEWIRE_REMOTE"):
            self.env.pop(name, None)
        self.start_compositor()
        self.start_sound_server()
        self.start_accessibility()
        return self

    def start_compositor(self):
        """Sway refuses to run as root; under root it runs as nobody in a
        folder of nobody's, and root reaches its sockets there regardless."""
        folder = os.path.join(self.tmp, "sway")
        os.mkdir(folder, mode=0o700)
        config = os.path.join(folder, "config")
        with open(config, "w") as f:
            f.write(f"xwayland disable\noutput * resolution {self.size[0]}x{self.size[1]}\n")
        argv = ["sway", "-c", config]
        if os.geteuid() == 0:
            nobody = pwd.getpwnam("nobody")
            for path in (folder, config):
                os.chown(path, nobody.pw_uid, nobody.pw_gid)
            # Only passing through the test's folder, to get to its own.
            os.chmod(self.tmp, 0o711)
            argv = ["setpriv", f"--reuid={nobody.pw_uid}", f"--regid={nobody.pw_gid}",
                    "--clear-groups", "--"] + argv
        env = {"PATH": self.env["PATH"], "HOME": folder, "XDG_RUNTIME_DIR": folder,
               "LANG": "C.UTF-8", "WLR_BACKENDS": "headless", "WLR_RENDERER": "pixman",
               "WLR_LIBINPUT_NO_DEVICES": "1"}
        sway = self.spawn(argv, env=env)

        def sockets():
            if sway.poll() is not None:
                raise AssertionError(f"sway ended with {sway.returncode}")
            display = [p for p in glob.glob(os.path.join(folder, "wayland-*"))
                       if not p.endswith(".lock")]
            ipc = glob.glob(os.path.join(folder, "sway-ipc.*.sock"))
            return (display[0], ipc[0]) if display and ipc else None
        display, self.ipc = wait_until(sockets, timeout=10, what="sway's sockets")
        self.env.update(WAYLAND_DISPLAY=display, QT_QPA_PLATFORM="wayland")
        wait_until(lambda: subprocess.run(["swaymsg", "-s", self.ipc, "-t", "get_outputs"],
                                          capture_output=True).returncode == 0,
                   what="sway to answer")
        # A seat with no keyboard gets one only while a wtype runs, and the
        # program, told of it, binds it just after the first key went by: it
        # takes that key for one held down elsewhere and ignores it. A wtype
        # kept waiting holds a keyboard on the seat from the start.
        self.spawn(["wtype", "-s", "86400000"])
        wait_until(lambda: any(d["type"] == "keyboard" for d in
                               json.loads(self.swaymsg("-t", "get_inputs"))),
                   what="the keyboard on the seat")

    def start_sound_server(self):
        self.spawn(["pipewire"])
        wait_until(lambda: os.path.exists(os.path.join(self.env["XDG_RUNTIME_DIR"], "pipewire-0")),
                   what="PipeWire")
        self.spawn(["wireplumber"])
        self.spawn(["pipewire-pulse"])
        wait_until(lambda: subprocess.run(["pactl", "info"], env=self.env,
                                          capture_output=True).returncode == 0,
                   what="PipeWire's PulseAudio server")
        self.run("pactl", "load-module", "module-null-sink", "sink_name=zelvo", "rate=44100",
                 "channels=1")
        # PipeWire's PulseAudio server answers before the session manager has
        # made the store that keeps the default sink: until then it refuses to
        # set one ("Not supported"), and once it has, it makes the null sink
        # the default a moment later.
        def null_sink_is_default():
            subprocess.run(["pactl", "set-default-sink", "zelvo"], env=self.env,
                           capture_output=True)
            default = subprocess.run(["pactl", "get-default-sink"], env=self.env,
                                     capture_output=True, text=True)
            return default.returncode == 0 and default.stdout.strip() == "zelvo"
        wait_until(null_sink_is_default, what="the null sink to be the default")

    def swaymsg(self, *args):
        return self.run("swaymsg", "-s", self.ipc, *args)

    def views(self):
        """Every window on the screen, in stacking order (the last on top),
        each marked whether sway floats it."""
        found = []

        def walk(node, floating):
            if node.get("pid"):
                found.append(dict(node, floating=floating))
            for child in node.get("nodes", []):
                walk(child, floating)
            for child in node.get("floating_nodes", []):
                walk(child, True)
        walk(json.loads(self.swaymsg("-t", "get_tree")), False)
        return found

    def window(self, title, design_height=None, timeout=10):
        """The newest window with this title, once it is drawn."""
        def find():
            shown = [n for n in self.views() if n["name"] == title and n["visible"]
                     and n["window_rect"]["width"] > 0]
            return max(shown, key=lambda n: n["id"]) if shown else None
        try:
            node = wait_until(find, timeout, what=f"window {title!r}")
        except AssertionError as error:
            raise AssertionError(f"{error}; {self._program_state()}") from None
        return SwayWindow(self, node)

    def key(self, *keys):
        """Keys as wtype names them, each pressed and released, or a chord
        such as "ctrl+f"."""
        for key in keys:
            *modifiers, name = key.split("+")
            argv = [a for m in modifiers for a in ("-M", m)] + ["-k", name] + \
                [a for m in modifiers for a in ("-m", m)]
            self.run("wtype", *argv)

    def type(self, text):
        self.run("wtype", text)

    def grab(self, x, y, width, height):
        """The screen's pixels in a rectangle, as a function (x, y) -> (r, g, b)."""
        data = subprocess.run(["grim", "-t", "ppm", "-g", f"{x},{y} {width}x{height}", "-"],
                              env=self.env, capture_output=True, check=True).stdout
        header = b"P6\n%d %d\n255\n" % (width, height)
        if not data.startswith(header):
            raise AssertionError(f"grim gave no {width}x{height} picture: {data[:20]!r}")
        pixels = data[len(header):]

        def at(px_, py_):
            i = (py_ * width + px_) * 3
            return pixels[i], pixels[i + 1], pixels[i + 2]
        return at

    def screenshot(self, path):
        subprocess.run(["grim", path], env=self.env, capture_output=True)


def expected_picture():
    """The launcher's picture as the build drew it at one pixel per pixel:
    its size, then premultiplied ARGB words in the machine's byte order, and
    the picture is opaque."""
    path = os.path.join(os.environ["ZELVO_PICTURES"], "zelvo.svg@1")
    with open(path, "rb") as f:
        data = f.read()
    width, height = (int.from_bytes(data[i:i + 4], sys.byteorder) for i in (0, 4))
    order = (2, 1, 0) if sys.byteorder == "little" else (1, 2, 3)

    def at(x, y):
        i = 8 + (y * width + x) * 4
        return tuple(data[i + k] for k in order)
    return width, height, at


def likeness(samples, first, reference, ref_first, length, reach=8):
    """How closely the samples from `first` on follow the reference's from
    `ref_first` on: the best normalised correlation within `reach` samples."""
    best = -1.0
    wanted = reference[ref_first:ref_first + length]
    for shift in range(-reach, reach + 1):
        got = samples[first + shift:first + shift + length]
        n = min(len(got), len(wanted))
        energy = math.sqrt(sum(v * v for v in got[:n]) * sum(v * v for v in wanted[:n]))
        if energy:
            best = max(best, sum(a * b for a, b in zip(got[:n], wanted[:n])) / energy)
    return best


class WaylandTest(unittest.TestCase):
    def assertAbove(self, desktop, game, launcher):
        """Sway floats the game window over the launcher and keeps the
        launcher's place; a tiled game would lie under the floating launcher."""
        views = desktop.views()
        ids = [n["id"] for n in views]
        node = views[ids.index(game.id)]
        self.assertTrue(node["floating"], node["rect"])
        self.assertGreater(ids.index(game.id), ids.index(launcher.id), "stacked under the launcher")
        self.assertTrue(node["focused"])
        print(f"{node['name']}: floating at {node['rect']}, over the launcher at "
              f"{launcher.node()['rect']}", file=sys.stderr)

    def assertPictureShown(self, desktop, launcher):
        width, height, expected = expected_picture()
        _, _, w, h = launcher.content_rect()
        self.assertEqual((w, h >= height), (width, True), launcher.content_rect())

        def unlike():
            # Read each time: sway moves a new window down once it is framed.
            x, y, _, h = launcher.content_rect()
            shown = desktop.grab(x, y + h - height + TITLE_HEIGHT, width, height - TITLE_HEIGHT)
            return [(i, j) for j in range(TITLE_HEIGHT, height) for i in range(width)
                    if max(abs(a - b) for a, b in zip(shown(i, j - TITLE_HEIGHT),
                                                      expected(i, j))) > 8]
        # The window may be on the screen a moment before it is painted.
        with contextlib.suppress(AssertionError):
            wait_until(lambda: len(unlike()) < width * height // 1000, what="the picture")
        off = unlike()
        self.assertLess(len(off), width * height // 1000,
                        f"{len(off)} pixels unlike the picture, such as {off[:5]}")

    def assertPadHeardWhole(self, desktop, recorder):
        sounds = recorder.sounds()
        self.assertEqual(len(sounds), 1, f"one pad's sound, heard {sounds}")
        start, end = (int(round(t * recorder.RATE)) for t in sounds[0])
        folder = os.environ["ZELVO_SOUND_FILES"]
        heard = {}
        for name in PAD_SOUNDS:
            samples, _ = read_wav(os.path.join(folder, name + ".wav"))
            a, b = sound_span(samples)
            # Its first and its last moments, each lined up on its own: a
            # late buffer leaves a hole that puts what follows it out of line.
            n = min(IDENTIFYING, end - start)
            score = max(likeness(recorder.samples, start, samples, a, n),
                        likeness(recorder.samples, end - n, samples, b + 1 - n, n))
            heard[name] = (round(score, 3), (b + 1 - a) / recorder.RATE)
        name = max(heard, key=lambda n: heard[n][0])
        score, length = heard[name]
        lasted = (end - start) / recorder.RATE
        print(f"heard {name}: {lasted:.4f} s, its file {length:.4f} s, likeness {score}",
              file=sys.stderr)
        if score < SAME_SOUND or abs(lasted - length) > LENGTH_TOLERANCE:
            save_recording(recorder, desktop.artefact("recording.wav"))
        self.assertGreater(score, SAME_SOUND, heard)
        self.assertLess(abs(lasted - length), LENGTH_TOLERANCE,
                        f"{name} lasted {lasted:.4f} s; its file {length:.4f} s")

    def test_games_played_and_heard_on_sway_with_pipewire(self):
        with SwayDesktop() as desktop:
            launcher = desktop.start_zelvo()
            self.assertPictureShown(desktop, launcher)

            desktop.key("ctrl+f")
            forca = desktop.window("Forca")
            self.assertAbove(desktop, forca, launcher)
            # Novo puts the typing into the word box, Tab takes it out again
            # once Inicio has started the game, so that letters play. (Alt+I
            # would start it a tenth of a second late, as a click ends.)
            desktop.key("F1")
            desktop.type("banana")
            desktop.key("F2", "Tab")
            for letter in "eanb":
                desktop.type(letter)
            box = desktop.message_box()
            self.assertEqual(box.text, "Parabéns você ganhou!!!")
            desktop.key("Return")
            wait_until(desktop.no_message_box, what="the message box to close")
            forca.close_box()
            forca.gone()

            desktop.key("ctrl+m")
            memory = desktop.window("Memory")
            self.assertAbove(desktop, memory, launcher)
            with Recorder(desktop) as recorder:
                desktop.key("F2")
                # A pad lights half a second after Inicio and sounds 0.15 s
                # later for at most 0.36 s.
                time.sleep(1.5)
            self.assertPadHeardWhole(desktop, recorder)
            memory.close_box()
            memory.gone()

            launcher.close_box()
            self.assertTrue(desktop.program_ended(), "the program goes on without its window")
            self.assertEqual(desktop.program.returncode, 0, desktop._program_state())


if __name__ == "__main__":
    main()

"""Zelvo as an install leaves it: every file where a desktop looks for it, the
icon at each size a menu or a panel asks for, and the installed program
running from anywhere with its sounds.

Run under `dbus-run-session -- /usr/bin/python3 test_install.py`, with
ZELVO_BUILD_DIR naming a built tree, ZELVO_CMAKE the cmake that configured it
and ZELVO_APP_ID the name the files are installed under."""

import os
import shutil
import stat
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from zelvo_e2e import Desktop, Recorder, main  # noqa: E402

BUILD_DIR = os.environ["ZELVO_BUILD_DIR"]
CMAKE = os.environ.get("ZELVO_CMAKE", "cmake")
APP_ID = os.environ["ZELVO_APP_ID"]
BINDIR = os.environ.get("ZELVO_INSTALL_BINDIR", "bin")
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
# The first pad lights 500 ms after the start and sounds as it goes dark,
# 150 ms later; the rest is room for a loaded machine.
FIRST_SOUND_WITHIN = 1.5


def read_png(path):
    """(width, height, rows of pixel bytes) of a non-interlaced 8-bit PNG."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise AssertionError(f"{path} is not a PNG")
    pos, header, idat = 8, None, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour]
    stride = 1 + width * channels * depth // 8
    raw = zlib.decompress(idat)
    rows = [raw[i * stride + 1:(i + 1) * stride] for i in range(height)] if not interlace else []
    return width, height, rows


class InstallTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.prefix = tempfile.mkdtemp(prefix="zelvo-install-")
        # cmake --install rewrites the build tree's manifest; a real install's
        # list, which uninstalling reads, must outlive this one.
        manifest = os.path.join(BUILD_DIR, "install_manifest.txt")
        kept = None
        if os.path.exists(manifest):
            with open(manifest, "rb") as f:
                kept = f.read()
        try:
            subprocess.run([CMAKE, "--install", BUILD_DIR, "--prefix", cls.prefix],
                           check=True, capture_output=True, text=True)
        except subprocess.CalledProcessError as error:
            shutil.rmtree(cls.prefix, ignore_errors=True)
            raise AssertionError(f"cmake --install failed:\n{error.stdout}{error.stderr}")
        finally:
            if kept is None:
                if os.path.exists(manifest):
                    os.remove(manifest)
            else:
                with open(manifest, "wb") as f:
                    f.write(kept)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.prefix, ignore_errors=True)

    def installed(self, *parts):
        path = os.path.join(self.prefix, *parts)
        self.assertTrue(os.path.isfile(path), f"{os.path.join(*parts)} is not installed")
        return path

    def menu_entry_program(self):
        """The program the installed menu entry starts."""
        with open(self.installed("share", "applications", f"{APP_ID}.desktop"),
                  encoding="utf-8") as f:
            execs = [line[5:] for line in f.read().splitlines() if line.startswith("Exec=")]
        self.assertEqual(len(execs), 1, execs)
        return execs[0]

    def test_files_are_where_a_desktop_looks(self):
        program = self.installed(BINDIR, "zelvo")
        self.assertTrue(os.stat(program).st_mode & stat.S_IXUSR, f"{program} is not executable")
        self.installed("share", "applications", f"{APP_ID}.desktop")
        self.installed("share", "metainfo", f"{APP_ID}.metainfo.xml")
        self.installed("share", "icons", "hicolor", "scalable", "apps", f"{APP_ID}.svg")

    def test_menu_entry_names_the_installed_program(self):
        # The prefix is chosen at install time, after the build wrote its entry.
        self.assertEqual(self.menu_entry_program(), self.installed(BINDIR, "zelvo"))
        entry = self.installed("share", "applications", f"{APP_ID}.desktop")
        result = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True)
        self.assertEqual((result.returncode, result.stdout + result.stderr), (0, ""))

    def test_installed_tree_validates(self):
        # Checks what the single-file validation cannot: that the metainfo's
        # launchable finds its desktop entry in the installed tree.
        result = subprocess.run(["appstreamcli", "validate-tree", "--no-net", "--pedantic",
                                 "--no-color", self.prefix], capture_output=True, text=True)
        report = result.stdout + result.stderr
        remarks = [line for line in report.splitlines() if line.strip()[:3] in
                   ("E: ", "W: ", "I: ", "P: ")]
        self.assertEqual((result.returncode, remarks), (0, []), report)

    def test_icon_at_every_size(self):
        for size in ICON_SIZES:
            with self.subTest(size=size):
                path = self.installed("share", "icons", "hicolor", f"{size}x{size}", "apps",
                                      f"{APP_ID}.png")
                width, height, rows = read_png(path)
                self.assertEqual((width, height), (size, size), path)
                # Whatever the row filters, a blank picture is all zero bytes.
                self.assertTrue(any(any(row) for row in rows), f"{path} is blank")

    def test_installed_program_runs_from_elsewhere_with_its_sounds(self):
        program = self.menu_entry_program()
        with Desktop(audio=True, accessibility=False) as desktop:
            # Only the sounds inside the program may be heard.
            desktop.env.pop("ZELVO_SONS", None)
            launcher = desktop.start_zelvo(binary=program, cwd="/")
            self.addCleanup(desktop.program.stderr.close)
            self.assertTrue(launcher.exists(), "the launcher is not on the screen")
            launcher.key("ctrl+m")
            memory = desktop.window("Memory", 6390)
            with Recorder(desktop) as recording:
                memory.activate()
                start = os.path.getsize(recording.path) / 2 / Recorder.RATE
                memory.key("alt+i")
                time.sleep(FIRST_SOUND_WITHIN + 0.5)
            heard = [s for s in recording.segments() if s[0] >= start]
            self.assertTrue(heard, "no sound after the game started")
            self.assertLessEqual(heard[0][0] - start, FIRST_SOUND_WITHIN,
                                 f"the first pad sounded late: {heard}")
            self.assertIsNone(desktop.program.poll(), "the program ended")


if __name__ == "__main__":
    main()

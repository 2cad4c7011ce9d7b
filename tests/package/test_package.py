"""Zelvo's Debian package, built with dpkg-buildpackage from a copy of the
source tree: lintian finds nothing to say, and the unpacked package holds a
program that starts, a menu entry that names it, AppStream data and a manual
page that match it.

Run under `dbus-run-session -- /usr/bin/python3 test_package.py`, with
ZELVO_SOURCE_DIR naming the source tree and ZELVO_APP_ID the name the files
are installed under."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from zelvo_e2e import Desktop, main  # noqa: E402

SOURCE_DIR = os.environ["ZELVO_SOURCE_DIR"]
APP_ID = os.environ["ZELVO_APP_ID"]
PROGRAM = "usr/games/zelvo"
# Build folders of the tree; dpkg-buildpackage cleans debian/ itself.
NOT_SOURCE = shutil.ignore_patterns("build*", "obj-*", ".git", "__pycache__")


def run(argv, **kwargs):
    return subprocess.run(argv, capture_output=True, text=True, **kwargs)


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # dpkg-buildpackage writes its packages beside the tree it builds, so
        # it builds a copy in a folder of its own.
        cls.tmp = tempfile.mkdtemp(prefix="zelvo-package-")
        try:
            cls._build()
        except BaseException:
            shutil.rmtree(cls.tmp, ignore_errors=True)
            raise

    @classmethod
    def _build(cls):
        tree = os.path.join(cls.tmp, "zelvo")
        shutil.copytree(SOURCE_DIR, tree, ignore=NOT_SOURCE, symlinks=True)
        env = dict(os.environ, DEB_BUILD_OPTIONS=f"parallel={os.cpu_count() or 1}")
        start = time.monotonic()
        built = run(["dpkg-buildpackage", "-us", "-uc", "-b"], cwd=tree, env=env)
        print(f"dpkg-buildpackage took {time.monotonic() - start:.0f} s", file=sys.stderr)
        if built.returncode != 0:
            raise AssertionError(
                f"dpkg-buildpackage failed:\n{built.stdout[-6000:]}{built.stderr[-4000:]}")
        cls.deb = next(os.path.join(cls.tmp, n) for n in os.listdir(cls.tmp)
                       if n.startswith("zelvo_") and n.endswith(".deb"))
        cls.changes = next(os.path.join(cls.tmp, n) for n in os.listdir(cls.tmp)
                           if n.endswith(".changes"))
        cls.root = os.path.join(cls.tmp, "root")
        subprocess.run(["dpkg-deb", "-x", cls.deb, cls.root], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp, ignore_errors=True)

    def unpacked(self, path):
        full = os.path.join(self.root, path)
        self.assertTrue(os.path.isfile(full), f"the package has no /{path}")
        return full

    def test_lintian_has_nothing_to_say(self):
        result = run(["lintian", "--fail-on", "error,warning", "--no-tag-display-limit",
                      self.deb, self.changes])
        # Run as root, lintian says so first; that is about this machine.
        remarks = [line for line in result.stdout.splitlines()
                   if line and "running with root privileges" not in line]
        self.assertEqual((result.returncode, remarks), (0, []), result.stdout + result.stderr)

    def test_menu_entry_starts_the_packaged_program(self):
        entry = self.unpacked(f"usr/share/applications/{APP_ID}.desktop")
        with open(entry, encoding="utf-8") as f:
            execs = re.findall(r"^Exec=(.*)$", f.read(), re.M)
        self.assertEqual(execs, [f"/{PROGRAM}"])
        self.assertTrue(os.access(self.unpacked(PROGRAM), os.X_OK), "the program is not executable")

    def test_metadata_validates_as_installed(self):
        entry = self.unpacked(f"usr/share/applications/{APP_ID}.desktop")
        result = run(["desktop-file-validate", entry])
        self.assertEqual((result.returncode, result.stdout + result.stderr), (0, ""))
        # The tree as a whole: the metainfo's launchable finds its entry.
        result = run(["appstreamcli", "validate-tree", "--no-net", "--pedantic", "--no-color",
                      self.root])
        remarks = [line for line in result.stdout.splitlines() if line.strip()[:3] in
                   ("E: ", "W: ", "I: ", "P: ")]
        self.assertEqual((result.returncode, remarks), (0, []), result.stdout + result.stderr)

    def run_offline(self, *arguments):
        """The unpacked program run from / with no display to show a window on."""
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        result = run([self.unpacked(PROGRAM), *arguments], env=env, cwd="/", timeout=30)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout

    def test_version_is_the_packages(self):
        package = run(["dpkg-deb", "-f", self.deb, "Version"]).stdout.strip()
        upstream = package.rsplit("-", 1)[0]
        self.assertEqual(self.run_offline("--version"), f"Zelvo {upstream}\n")

    def test_manual_page_lists_every_option(self):
        page = self.unpacked("usr/share/man/man6/zelvo.6.gz")
        whatis = run(["lexgrog", page])
        self.assertEqual((whatis.returncode, whatis.stdout.split(": ", 1)[-1].strip()),
                         (0, '"zelvo - hangman and a colour-and-sound memory game"'))
        shown = run(["man", "-l", page], env=dict(os.environ, MANWIDTH="80"))
        self.assertEqual(shown.returncode, 0, shown.stderr)
        section = re.search(r"^OPTIONS\n(.*?)^\S", shown.stdout, re.M | re.S)
        self.assertIsNotNone(section, shown.stdout)
        listed = set(re.findall(r"(?<![\w-])--?[a-z][\w-]*", section.group(1)))
        options = re.findall(r"^\s+(-\w), (--[\w-]+)", self.run_offline("--help"), re.M)
        self.assertTrue(options, "--help lists no options")
        for short, long in options:
            with self.subTest(option=long):
                self.assertLessEqual({short, long}, listed, section.group(1))

    def test_unpacked_program_starts_from_root(self):
        with Desktop(accessibility=False) as desktop:
            launcher = desktop.start_zelvo(binary=self.unpacked(PROGRAM), cwd="/")
            self.addCleanup(desktop.program.stderr.close)
            self.assertTrue(launcher.exists(), "the launcher is not on the screen")
            launcher.key("ctrl+m")
            memory = desktop.window("Memory", 6390)
            self.assertTrue(memory.exists(), "Memory did not open")
            self.assertIsNone(desktop.program.poll(), "the program ended")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Fails when a shipped translation lacks a text of the sources.

Usage: check_translations.py LUPDATE SOURCE_DIR TS_FILE... -- SOURCE...

Each .ts file is brought up to date with the sources in a temporary copy, as
the update_translations target would, so a text added to the code and not yet
in a .ts counts as missing just like one left unfinished. Texts gone from the
code (vanished, obsolete) are no longer shown and do not count.
"""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def main():
    lupdate, source_dir, *rest = sys.argv[1:]
    split = rest.index("--")
    ts_files, sources = rest[:split], rest[split + 1:]
    root = pathlib.Path(source_dir)
    faults = []
    with tempfile.TemporaryDirectory() as tmp:
        for ts in ts_files:
            copy = pathlib.Path(tmp) / pathlib.Path(ts).name
            shutil.copy(root / ts, copy)
            subprocess.run([lupdate, "-silent", "-locations", "none",
                            *[str(root / s) for s in sources], "-ts", str(copy)],
                           check=True)
            for context in ET.parse(copy).getroot().iter("context"):
                name = context.findtext("name")
                for message in context.iter("message"):
                    translation = message.find("translation")
                    kind = translation.get("type") if translation is not None else "missing"
                    if kind in ("vanished", "obsolete"):
                        continue
                    if kind is not None or not (translation.text or translation.findall("numerusform")):
                        faults.append(f"{ts}: {name}: {message.findtext('source')!r} is "
                                      f"{kind or 'empty'}")
    print("\n".join(faults) or f"{len(ts_files)} translations complete")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

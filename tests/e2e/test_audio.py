"""What a player hears in the memory game, recorded from the sound server's
null sink while the game is played from the screen: each pad's own sound as
it goes dark, every sound whole, the wrong click's groan, and all of it
whatever folder the program was started from."""

import collections
import os
import signal
import statistics
import sys
import time
import unittest

from zelvo_e2e import (MEMORY_COLOURS, Desktop, MemoryToy, Recorder, dbfs_threshold, main,
                       read_wav, sound_span)

INICIO = (5040 + 1215 // 2, 1080 + 495 // 2)
PAD_SOUNDS = ["Plasma", "Whop", "Eatghost", "Jawharp"]
WRONG_SOUND = "Aah"
# A pad's sound starts as it goes dark, a blink after it lit.
BLINK = 0.150
# Where a sound starts, against where the screen says it should: the output
# queues up to 20 ms or so ahead, the null sink's monitor and the recording's clock
# add about 10 ms each way, and a timer on a busy two-core machine a few tens
# of milliseconds; measured here -10 to +20 ms. A sound held back by a whole
# read-ahead buffer (up to 186 ms) is well outside.
ONSET_SLACK = 0.060
# A sound heard whole lasts its file's audible part, to the sample: the null
# sink passes it through untouched. One buffer that came late stretches it by
# 11.6 ms: seen once in some 300 sounds while another job ran a real-time
# sound server beside the test's, so one is let pass. Two or more are not.
LENGTH_TOLERANCE = 0.020
# The share of a file's audible part that must be found in the recording: a
# dropout of a few milliseconds at a sound's start is not a sound cut short.
WHOLE = 0.9
# A pad sound lasts at most 0.36 s: the player waits this long after a pad
# goes dark before the next click, so no sound cuts off another.
LET_IT_RING = 0.45


def sounds_folder():
    """The folder of the sound files the program was built from: named by
    ZELVO_SOUND_FILES, or where a build beside the program keeps them."""
    folder = os.environ.get("ZELVO_SOUND_FILES")
    if folder:
        if not os.path.isdir(folder):
            raise AssertionError(f"ZELVO_SOUND_FILES names no folder: {folder}")
        return folder
    folder = os.path.join(os.path.dirname(os.path.abspath(os.environ["ZELVO_BIN"])),
                          "assets", "sons")
    if not os.path.isdir(folder):
        raise unittest.SkipTest(f"no sound files at {folder} to compare with; "
                                f"name them with ZELVO_SOUND_FILES")
    return folder


class Reference:
    """A sound file, indexed so that any stretch of it can be found again in a
    recording. The null sink passes a lone stream at full volume through
    untouched, so the recording holds the file's very samples: a short run
    of them names the file and the place in it, even across a dropout."""

    RUN = 8          # samples that make a key
    PROBE = 64       # a recording is probed every this many samples

    def __init__(self, name, folder):
        self.name = name
        samples, rate = read_wav(os.path.join(folder, name + ".wav"))
        if rate != Recorder.RATE:
            raise AssertionError(f"{name}.wav is at {rate} Hz; the recording is at {Recorder.RATE}")
        self.first, self.last = sound_span(samples)
        self.length = (self.last - self.first + 1) / rate
        loud = dbfs_threshold()
        self.places = {}
        for i in range(self.first, self.last + 1 - self.RUN):
            run = tuple(samples[i:i + self.RUN])
            if max(run) >= loud or -min(run) >= loud:
                self.places.setdefault(run, i)
        self.bins = set(range(self.first // self.PROBE, self.last // self.PROBE + 1))

    def heard(self, samples, start, end):
        """(probes found in this file, share of the file's audible part heard)."""
        found, bins = 0, set()
        for i in range(start, end - self.RUN, self.PROBE):
            place = self.places.get(tuple(samples[i:i + self.RUN]))
            if place is not None:
                found += 1
                bins.add(place // self.PROBE)
        # Probes fall one per stretch of PROBE samples; a whole sound has
        # one in nearly every stretch, wherever the probes happen to land.
        return found, len(bins & self.bins) / len(self.bins)


def references():
    folder = sounds_folder()
    return {name: Reference(name, folder) for name in PAD_SOUNDS + [WRONG_SOUND]}


class Heard:
    """The sounds in a recording, each named after the file it was played
    from, with how much of that file it holds."""

    def __init__(self, recorder, refs):
        self.recorder, self.refs = recorder, refs
        self.items = []
        rate = recorder.RATE
        for start, end in recorder.sounds():
            a, b = int(round(start * rate)), int(round(end * rate))
            probes = max(1, (b - a) // Reference.PROBE)
            found = {name: ref.heard(recorder.samples, a, b) for name, ref in refs.items()}
            name = max(found, key=lambda n: found[n][0])
            self.items.append({"at": recorder.to_monotonic(start), "length": end - start,
                               "name": name if found[name][0] >= probes / 2 else "unknown",
                               "whole": found[name][1]})

    def share(self, name, since, until):
        """How much of a file's audible part the recording holds between two
        monotonic times, however the sounds there run together."""
        rate, origin = self.recorder.RATE, self.recorder.clock.origin()
        a = max(0, int((since - origin) * rate))
        b = min(len(self.recorder.samples), int((until - origin) * rate))
        return self.refs[name].heard(self.recorder.samples, a, b)[1]

    def nearest(self, when, within):
        """The sound that starts nearest to a monotonic time, if any starts
        within `within` seconds of it."""
        best = min(self.items, key=lambda s: abs(s["at"] - when), default=None)
        return best if best is not None and abs(best["at"] - when) <= within else None

    def describe(self, t0):
        return [(round(s["at"] - t0, 3), s["name"], round(s["length"], 3), round(s["whole"], 2))
                for s in self.items]


def save_recording(recorder, path):
    """Keeps what was heard next to the failure's screenshot."""
    import wave
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(recorder.RATE)
        w.writeframes(recorder.samples.tobytes())


def start_memory(desktop, cwd=None):
    desktop.env.pop("ZELVO_SONS", None)
    launcher = desktop.start_zelvo(cwd=cwd)
    launcher.key("ctrl+m")
    window = desktop.window("Memory", 6390)
    return window, MemoryToy(window)


def play(test, desktop, window, toy, rounds):
    """Plays `rounds` rounds right, lets the next playback run, then clicks
    a wrong pad. Returns every flash seen, in order, and the wrong click's
    time. The clicks are spaced so that every sound rings out."""
    window.click(*INICIO)
    flashes = []
    sequence = []
    for round_ in range(1, rounds + 1):
        shown = toy.watch(round_, timeout=3 + 0.65 * round_)
        sequence = [pad for pad, _, _ in shown]
        flashes += shown
        for pad in sequence:
            time.sleep(LET_IT_RING)
            toy.click(pad)
            flashes += toy.watch(1, timeout=2)
    shown = toy.watch(rounds + 1, timeout=3 + 0.65 * (rounds + 1))
    flashes += shown
    time.sleep(LET_IT_RING)
    wrong_at = toy.click((shown[0][0] + 2) % 4)
    box = desktop.message_box()
    test.assertEqual(box.text, "Infelizmente você errou! Tente novamente")
    # The groan is 0.72 s long and the box does not wait for it.
    time.sleep(max(0.0, wrong_at + 1.0 - time.monotonic()))
    return flashes, wrong_at, box


class AudioTest(unittest.TestCase):
    maxDiff = None

    def test_each_pad_sounds_whole_as_it_goes_dark(self):
        refs = references()
        with Desktop(audio=True) as desktop:
            window, toy = start_memory(desktop)
            with Recorder(desktop) as recorder:
                flashes, wrong_at, box = play(self, desktop, window, toy, rounds=3)
            box.answer("OK")
            desktop.keep_name()
            heard = Heard(recorder, refs)
            t0 = flashes[0][1]
            story = f"flashes {[(MEMORY_COLOURS[p], round(a - t0, 3)) for p, a, _ in flashes]}, " \
                    f"wrong click {round(wrong_at - t0, 3)}, heard {heard.describe(t0)}"
            # Every sound is measured before any is judged, so that a failure
            # shows the whole picture.
            problems, onsets, darks, lengths = [], [], [], {}
            matched = []
            for pad, lit, dark in flashes:
                name = PAD_SOUNDS[pad]
                when = f"the {MEMORY_COLOURS[pad]} pad lit at {lit - t0:.3f} s"
                sound = heard.nearest(lit + BLINK, within=0.3)
                if sound is None:
                    problems.append(f"{when}: no sound followed")
                    continue
                matched.append(sound)
                onsets.append(sound["at"] - lit)
                darks.append(sound["at"] - dark)
                lengths.setdefault(name, []).append(round(sound["length"], 3))
                if sound["name"] != name:
                    problems.append(f"{when}: heard {sound['name']}, not {name}")
                if abs(sound["at"] - lit - BLINK) > ONSET_SLACK:
                    problems.append(f"{when}: its sound started {sound['at'] - lit:.3f} s later, "
                                    f"not {BLINK:.3f} s")
                expected = refs[name].length
                if abs(sound["length"] - expected) > LENGTH_TOLERANCE \
                        or sound["whole"] < WHOLE:
                    problems.append(f"{when}: {name} lasted {sound['length']:.3f} s with "
                                    f"{sound['whole']:.0%} of it heard; its file {expected:.3f} s")

            groan = heard.nearest(wrong_at, within=0.3)
            self.assertIsNotNone(groan, f"no sound for the wrong click: {story}")
            matched.append(groan)
            unexpected = [s for s in heard.items if not any(s is m for m in matched)]
            if unexpected:
                problems.append(f"sounds that no flash or click explains: "
                                f"{[(round(s['at'] - t0, 3), s['name']) for s in unexpected]}")
            after_click = groan["at"] - wrong_at
            expected = refs[WRONG_SOUND].length
            if groan["name"] != WRONG_SOUND:
                problems.append(f"the wrong click sounded {groan['name']}, not {WRONG_SOUND}")
            if not -0.02 < after_click < ONSET_SLACK:
                problems.append(f"{WRONG_SOUND} started {after_click:.3f} s after the wrong click")
            if abs(groan["length"] - expected) > LENGTH_TOLERANCE \
                    or groan["whole"] < WHOLE:
                problems.append(f"{WRONG_SOUND} lasted {groan['length']:.3f} s with "
                                f"{groan['whole']:.0%} of it heard; its file {expected:.3f} s")

            print(f"sound after light: min {min(onsets):.3f} "
                  f"median {statistics.median(onsets):.3f} "
                  f"max {max(onsets):.3f} s; after dark: min {min(darks):.3f} "
                  f"median {statistics.median(darks):.3f} max {max(darks):.3f} s; "
                  f"{WRONG_SOUND} after click {after_click:.3f} s, {groan['length']:.3f} s long; "
                  f"pad sounds {lengths}; files "
                  f"{ {n: round(r.length, 3) for n, r in refs.items()} }", file=sys.stderr)
            if problems:
                save_recording(recorder, desktop.artefact("recording.wav"))
            self.assertEqual(problems, [], story)

    def test_sounds_are_heard_when_started_from_another_folder(self):
        refs = references()
        with Desktop(audio=True) as desktop:
            window, toy = start_memory(desktop, cwd="/")
            with Recorder(desktop) as recorder:
                flashes, wrong_at, box = play(self, desktop, window, toy, rounds=1)
            box.answer("OK")
            desktop.keep_name()
            heard = Heard(recorder, refs)
            # Only whether each sound is heard matters here: each is looked for
            # where it belongs, however it runs into its neighbours.
            missing = [f"{PAD_SOUNDS[pad]} after the {MEMORY_COLOURS[pad]} pad"
                       for pad, lit, _ in flashes
                       if heard.share(PAD_SOUNDS[pad], lit, lit + BLINK + LET_IT_RING) < 0.5]
            if heard.share(WRONG_SOUND, wrong_at - 0.02, wrong_at + 1.0) < 0.5:
                missing.append(f"{WRONG_SOUND} after the wrong click")
            if missing:
                save_recording(recorder, desktop.artefact("recording.wav"))
            self.assertEqual(missing, [], heard.describe(flashes[0][1]))

    def test_sound_comes_back_after_the_sound_server_restarts(self):
        """The sound server dies during a game and is started again: the game
        goes on in silence, nothing is printed more than once, and the pads are
        heard again within 2 s of the new server's first recorded data (a
        fresh null sink renders nothing before that)."""
        refs = references()
        with Desktop(audio=True) as desktop:
            window, toy = start_memory(desktop)
            with Recorder(desktop) as recorder:
                flashes, _, box = play(self, desktop, window, toy, rounds=1)
            box.answer("OK")
            desktop.keep_name()
            before = Heard(recorder, refs)
            self.assertTrue(all(before.nearest(lit + BLINK, within=0.3) for _, lit, _ in flashes),
                            before.describe(flashes[0][1]))

            desktop.kill_sound_server()
            # A game played while the server is away keeps its beat. (Started
            # by its key: the pointer stays off the button that play() clicks,
            # which xdotool would otherwise wait to see it move to.)
            window.key("F2")
            self.assertEqual(len(toy.watch(1, timeout=3)), 1)
            time.sleep(1.0)
            desktop.start_sound_server()

            with Recorder(desktop) as recorder:
                flashes, _, box = play(self, desktop, window, toy, rounds=2)
            box.answer("OK")
            desktop.keep_name()
            heard = Heard(recorder, refs)
            back = recorder.first_data
            due = [(PAD_SOUNDS[pad], lit + BLINK) for pad, lit, _ in flashes
                   if lit + BLINK >= back + 2.0]
            self.assertTrue(due, "the game ended before 2 s had passed")
            missed = [(name, round(at - back, 3)) for name, at in due
                      if (heard.nearest(at, within=0.3) or {}).get("name") != name]
            first = next((round(lit + BLINK - back, 3) for _, lit, _ in flashes
                          if heard.nearest(lit + BLINK, within=0.3)), None)
            print(f"after the restart, the first pad heard started {first} s after the "
                  f"recording's first data", file=sys.stderr)
            if missed:
                save_recording(recorder, desktop.artefact("recording.wav"))
            self.assertEqual(missed, [], heard.describe(back))

            os.killpg(desktop.program.pid, signal.SIGTERM)
            desktop.program.wait(timeout=5)
            said = desktop.program.stderr.read().decode(errors="replace").splitlines()
            repeated = [line for line, n in collections.Counter(said).items() if n > 1]
            print(f"the program said: {said}", file=sys.stderr)
            self.assertEqual(repeated, [], said)


if __name__ == "__main__":
    main()

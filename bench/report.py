#!/usr/bin/env python3
"""Turns bench/run.sh's raw measurements into the results table (Markdown)."""
import statistics
import sys
from pathlib import Path

raw = Path(sys.argv[1])
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10


def lines(name):
    path = raw / name
    return path.read_text().split("\n") if path.exists() else []


def timings(name):
    """(map, paint) per run; paint is None when the pixels never came."""
    out = []
    for line in lines(name):
        f = line.split()
        if len(f) >= 4 and f[0] == "map":
            out.append((float(f[1]), None if f[3] == "timeout" else float(f[3])))
    return out


def summary(values, unit="ms", digits=1):
    if not values:
        return "n/a"
    return (f"{statistics.median(values):.{digits}f} {unit} "
            f"({min(values):.{digits}f}–{max(values):.{digits}f}, n={len(values)})")


def p99(values):
    s = sorted(values)
    return s[min(len(s) - 1, int(round(0.99 * (len(s) - 1))))]


def verdict(ok):
    return "met" if ok else "**missed**"


rows = []


def row(measure, zelvo, yardstick, ratio, target, ok):
    mark = "—" if target == "(reported)" else verdict(ok)
    rows.append(f"| {measure} | {zelvo} | {yardstick} | {ratio} | {target} | {mark} |")


def ratio(a, b):
    return f"{a / b:.2f}×" if a and b else "n/a"


# Start-up: exec to viewable, and to painted.
z, r = timings("startup-zelvo"), timings("startup-ref")
for i, what in ((0, "mapped"), (1, "painted")):
    zv = [t[i] for t in z if t[i] is not None and t[i] >= 0]
    rv = [t[i] for t in r if t[i] is not None and t[i] >= 0]
    zm = statistics.median(zv) if zv else None
    rm = statistics.median(rv) if rv else None
    row(f"Start-up, exec → launcher {what}", summary(zv), summary(rv), ratio(zm, rm),
        "≤ 1.15× yardstick", bool(zm and rm and zm / rm <= 1.15))

# Opening a game: key press to viewable and to painted.
ref_open = timings("open-ref")
for game in ("forca", "memory"):
    t = timings(f"open-{game}")
    for i, what in ((0, "mapped"), (1, "painted")):
        zv = [x[i] for x in t if x[i] is not None and x[i] >= 0]
        rv = [x[i] for x in ref_open if x[i] is not None and x[i] >= 0]
        zm = statistics.median(zv) if zv else None
        rm = statistics.median(rv) if rv else None
        if what == "mapped":
            row(f"Ctrl+{game[0].upper()} → {game.capitalize()} {what}", summary(zv), summary(rv),
                ratio(zm, rm), "(reported)", True)
        else:
            # The yardstick's own window sets the pace: the X server and the
            # window manager take most of an opening, on any machine.
            row(f"Ctrl+{game[0].upper()} → {game.capitalize()} {what}", summary(zv), summary(rv),
                ratio(zm, rm), "median ≤ 1.1× yardstick", bool(zm and rm and zm / rm <= 1.1))

# Where an opening goes, in-process: construction, Form_Load, show → first paint.
parts = {}
for l in lines("open-parts"):
    f = l.split()
    if len(f) == 10:
        for k in range(2, 10, 2):
            parts.setdefault((f[1], f[k]), []).append(float(f[k + 1]))
for game in ("forca", "memory"):
    if (game, "total") in parts:
        detail = ", ".join(f"{what} {statistics.median(parts[(game, what)]):.1f}"
                           for what in ("construct", "load", "show"))
        row(f"{game.capitalize()} in-process: {detail} ms", summary(parts[(game, 'total')]),
            "—", "—", "(reported)", True)

# First drawing of the pictures from their sources (cached afterwards).
svg, ahead = {}, {}
for l in lines("svg"):
    f = l.split()
    if len(f) >= 6 and f[0] == "svg":
        svg[f[1]] = float(f[3]) + float(f[5])
    elif len(f) >= 4 and f[0] == "prerendered":
        ahead[f[1]] = float(f[3])


def is_pad(name):
    return name.startswith("memory-clara") or name.startswith("memory-escura")


if svg:
    pads = sum(v for k, v in svg.items() if is_pad(k))
    row("First drawing of zelvo.svg (500×379) / of the 8 pads", f"{svg.get('zelvo.svg', 0):.1f} ms / "
        f"{pads:.1f} ms", "—", "—", "(reported)", True)
if ahead:
    pads = sum(v for k, v in ahead.items() if is_pad(k))
    row("Unpacking the build's 1× bitmaps of zelvo.svg / of the 8 pads",
        f"{ahead.get('zelvo.svg', 0):.2f} ms / {pads:.2f} ms", "—", "—", "(reported)", True)

# The title: one edge per tick (a letter shown, or all hidden).
edges = sorted(float(l.split()[1]) for l in lines("title") if l.startswith("edge"))
ticks = [t for i, t in enumerate(edges) if i == 0 or t - edges[i - 1] > 50]
if len(ticks) > 2:
    iv = [b - a for a, b in zip(ticks, ticks[1:])]
    err = [abs(x - 500) for x in iv]
    drift = ticks[-1] - ticks[0] - 500 * (len(ticks) - 1)
    row("Title tick interval (nominal 500 ms)", summary(iv, digits=2), "500 ms",
        f"p99 abs. error {p99(err):.2f} ms (median {statistics.median(err):.2f})",
        "p99 within ±3 ms", p99(err) <= 3)
    row("Title accumulated drift", f"{drift:+.1f} ms over {len(iv)} ticks "
        f"({drift / len(iv):+.2f} ms/tick)", "0 ms", "—", "(reported)", True)

# Memory playback at each level: from each start, lit at sort + (sort + pisca) j,
# dark pisca later, with the level's intervals given on the start line.
LEVELS = ("Fácil", "Normal", "Difícil", "Surpresa")
for level, name in enumerate(LEVELS):
    events = [l.split() for l in lines(f"memory-{level}") if l]
    starts = [i for i, e in enumerate(events) if e[0] == "start"]
    ivs, errs, drifts, sound_lag = [], [], [], []
    sort = pisca = 0
    for n, s in enumerate(starts):
        end = starts[n + 1] if n + 1 < len(starts) else len(events)
        t0 = float(events[s][1])
        sort, pisca = int(events[s][2]), int(events[s][3])
        seg = events[s + 1:end]
        nominal = [0.0]
        for j in range(20):
            nominal += [sort + (sort + pisca) * j, sort + pisca + (sort + pisca) * j]
        marks = ([t0] + [float(e[1]) for e in seg if e[0] == "edge"])[:len(nominal)]
        for k in range(1, min(len(marks), len(nominal))):
            actual = marks[k] - marks[k - 1]
            expected = nominal[k] - nominal[k - 1]
            ivs.append(actual)
            errs.append(abs(actual - expected))
        if len(marks) == len(nominal):
            drifts.append(marks[-1] - t0 - nominal[-1])
        shows = [float(e[1]) for e in seg if e[0] == "edge" and e[3] == "show"]
        sounds = [float(e[1]) for e in seg if e[0] == "sound"]
        sound_lag += [abs(a - b) for a, b in zip(shows, sounds)]
    if not errs:
        continue
    row(f"Memory pad edges, {name} (nominal {sort}/{pisca} ms)", f"p99 abs. error {p99(errs):.2f} ms, "
        f"max {max(errs):.2f} ms, median {statistics.median(errs):.2f} ms, n={len(errs)}", "0 ms", "—", "p99 within ±2 ms", p99(errs) <= 2)
    dm = statistics.median(drifts) if drifts else None
    row(f"Memory drift at the 20th pad going dark, {name}",
        summary(drifts, digits=2) if drifts else "n/a", "0 ms", "—", "median ≤ 2 ms",
        bool(dm is not None and abs(dm) <= 2))
    if name == "Normal":
        row("Memory sound start vs pad dark", summary(sound_lag, digits=3), "0 ms", "—",
            "(reported)", True)

# Sound: play() to a pad sound's arrival on the null sink's monitor, and how
# many sounds came out stretched or with a gap.
def sound_lines(name):
    return [l.split() for l in lines(name) if l.startswith("sound ") and "latency" in l]


heard = sound_lines("sound")
sv = [float(f[5]) for f in heard]
sm = statistics.median(sv) if sv else None
row("Sound, play() → first audible sample on the monitor", summary(sv), "—", "—",
    "median ≤ 15 ms", bool(sm is not None and sm <= 15))
if sv:
    p95 = sorted(sv)[int(0.95 * (len(sv) - 1))]
    row("Sound latency p95", f"{p95:.1f} ms", "—", "—", "≤ 40 ms", p95 <= 40)
glitched = sum(1 for f in heard if f[-1] == "glitched")
row("Pad sounds glitched (>10 ms longer, or a gap ≥ 5 ms)", f"{glitched} of {len(heard)}", "—",
    "—", "0", bool(heard) and glitched == 0)

# Footprint.
rss = {l.split()[0]: l.split()[1:] for l in lines("rss") if l}
if "launcher" in rss and "games" in rss:
    zl, rl = int(rss["launcher"][0]) / 1024, int(rss["launcher"][1]) / 1024
    zg, rg = int(rss["games"][0]) / 1024, int(rss["games"][1]) / 1024
    row("Peak RSS, launcher up", f"{zl:.1f} MB", f"{rl:.1f} MB", ratio(zl, rl), "≤ 60 MB", zl <= 60)
    row("Peak RSS, each game opened and closed", f"{zg:.1f} MB", f"{rg:.1f} MB (its one game)",
        ratio(zg, rg), "≤ 60 MB", zg <= 60)
if "cpu" in rss:
    seconds, tick, zt, rt = (int(x) for x in rss["cpu"])
    zp = 100 * zt / tick / seconds
    rp = 100 * rt / tick / seconds
    row(f"Idle CPU over {seconds} s (title animating)", f"{zp:.3f} % ({zt} ticks)",
        f"{rp:.3f} % ({rt} ticks)", "—", "≤ 0.2 % of a core", zp <= 0.2)

# Big word lists: Ctrl+F → the hangman mapped, with 0, 10 and 50 lists of
# 0.9 MB in the folder, against the same build with none.
list_rows = []


def opening(who, n):
    first, later, rss = [], [], None
    for l in lines(f"lists-{who}-{n}"):
        f = l.split()
        if len(f) >= 5 and f[0] == "first" and f[1] == "map":
            first.append(float(f[2]))
        elif len(f) >= 4 and f[0] == "map":
            later.append(float(f[1]))
        elif len(f) == 2 and f[0] == "rss" and f[1].isdigit():
            rss = int(f[1]) / 1024
    return first, later, rss


for who in ("after", "before"):
    none = opening(who, 0)
    if not none[1]:
        continue
    for n in (0, 10, 50):
        first, later, rss = opening(who, n)
        if not later:
            continue
        median = statistics.median(later)
        ok = (median <= 1.2 * statistics.median(none[1]) and rss is not None and none[2] is not None
              and rss <= none[2] + 30)
        list_rows.append(f"| {who} | {n} | {first[0]:.0f} ms | {summary(first[1:], digits=0)} | "
                         f"{summary(later, digits=0)} | "
                         f"{rss:.0f} MB | {'—' if n == 0 else verdict(ok)} |")
inproc_rows = []
for n in (0, 10, 50):
    runs_ = [l.split() for l in lines(f"lists-inproc-{n}") if l.startswith("open forca")]
    if len(runs_) > 1:
        load = [float(f[5]) for f in runs_]
        total = [float(f[9]) for f in runs_]
        inproc_rows.append(f"| {n} | {load[0]:.1f} ms | {summary(load[1:], digits=1)} | "
                           f"{total[0]:.1f} ms | {summary(total[1:], digits=1)} |")
picks = {}
for l in lines("lists-pick"):
    f = l.split()
    if len(f) == 8 and f[0] == "lista":
        picks.setdefault(f[1], []).append((float(f[3]), float(f[5]), int(f[7]) / 1024))
pick_rows = []
for how, what in (("escolhe", "choosing the list, then a solo start"),
                  ("inicia", "a solo start from the list chosen last time")):
    if how in picks:
        ms = [c + s for c, s, _ in picks[how]]
        mb = [m for _, _, m in picks[how]]
        pick_rows.append(f"| {what} | {summary(ms)} | {statistics.median(mb):.1f} MB | "
                         f"{verdict(statistics.median(ms) <= 150 and statistics.median(mb) <= 4)} |")

who = " ".join(lines("who")).strip() or "an unknown user"
print(f"Zelvo benchmark: {runs} runs per timing; yardstick = the bench's bare Qt program "
      f"unless stated; run as {who}\n")
if lines("startup-zelvo"):
    print("| measure | Zelvo | yardstick | ratio | target | |")
    print("|---|---|---|---|---|---|")
    print("\n".join(rows))
if list_rows:
    print("\nCtrl+F → Forca mapped with lists of 0.9 MB (about 150,000 words each) in the folder; "
          "target: median ≤ 1.2× and RSS ≤ +30 MB of the same build with none\n")
    print("| build | lists | very first opening | first opening after a restart | later openings | RSS after | |")
    print("|---|---|---|---|---|---|---|")
    print("\n".join(list_rows))
if inproc_rows:
    print("\nThe hangman opened in-process (bench_timers open): Form_Load, where the folder "
          "is looked at, and construction to first paint; the first opening after start, "
          "then the median of the next five; the verdicts are kept in the settings by then\n")
    print("| lists | Form_Load, first | Form_Load, later | whole opening, first | whole opening, later |")
    print("|---|---|---|---|---|")
    print("\n".join(inproc_rows))
if pick_rows:
    print("\nA 0.9 MB list out of 50, in-process (target: ≤ 150 ms, its words ≤ 4 MB)\n")
    print("| what | time | RSS growth | |")
    print("|---|---|---|---|")
    print("\n".join(pick_rows))

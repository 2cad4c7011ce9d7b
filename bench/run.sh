#!/usr/bin/env bash
# Zelvo's benchmark: start-up, opening a game, timer accuracy, sound latency
# and footprint, each beside its yardstick from the same run. Not a test: it
# takes a few minutes and prints a table (also kept in build/bench/results.md).
#
#   bench/run.sh [--quick] [--idle SECONDS] [--runs N] [--lists-only] [--before ZELVO]
#
# --quick measures idle CPU and the title over 20 s instead of 60.
# --lists-only measures only the hangman with big word lists in the folder;
# --before names another build of zelvo (an older commit's) measured beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
idle=60
runs=10
lists_only=0
before=
while (($#)); do
    case "$1" in
    --quick) idle=20 ;;
    --idle) idle=$2; shift ;;
    --runs) runs=$2; shift ;;
    --lists-only) lists_only=1 ;;
    --before) before=$(realpath "$2"); shift ;;
    *) echo "usage: bench/run.sh [--quick] [--idle SECONDS] [--runs N] [--lists-only] [--before ZELVO]" >&2; exit 2 ;;
    esac
    shift
done

# What the bench needs on top of the game's own packages: Xlib's headers for
# its display probe. Installed the way scripts/deps.sh does, only if missing.
scripts/deps.sh build run test
bench_packages=(libx11-dev)
missing=()
for package in "${bench_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

build=$root/build/bench
echo "== building a Release zelvo and the bench programs in $build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_PROJECT_Zelvo_INCLUDE="$root/bench/hook.cmake" >/dev/null
cmake --build "$build" -j2 --target zelvo bench_reference bench_timers bench_sound bench_xprobe >/dev/null

work=$(mktemp -d)
pids=()
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Our own display, window manager and sound server, nothing shared.
display=
for n in $(seq 90 160); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "no free display" >&2; exit 1; }
Xvfb ":$display" -screen 0 1600x900x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.05; done

export XDG_RUNTIME_DIR=$work/xdg HOME=$work
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER
# At real-time priority where allowed, as a desktop runs its sound server: at
# normal priority its main thread, late on a busy machine, let the stream it
# feeds run dry (see docs/performance.md, "Sound output").
rt=()
rtprio=$(ulimit -r)
if [ "$(id -u)" -eq 0 ] || [ "$rtprio" = unlimited ] || [ "$rtprio" -ge 5 ]; then rt=(chrt --rr 5); fi
"${rt[@]}" pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=bench_null" \
    >"$work/pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
pactl set-default-sink bench_null
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

zelvo=$build/zelvo
reference=$build/bench_reference
probe=$build/bench_xprobe
out=$work/raw
mkdir "$out"

# Players run as themselves, and a normal account is refused real time.
if chrt --rr 1 true 2>/dev/null; then realtime="real-time scheduling allowed"; else realtime="no real-time scheduling"; fi
echo "$(id -un) (uid $(id -u)), $realtime, ulimit -r $(ulimit -r)" >"$out/who"
echo "== as $(cat "$out/who")"

proc() { awk -v k="$2:" '$1 == k { print $2 }' "/proc/$1/status"; }
cpu() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

if ((!lists_only)); then
echo "== start-up, $runs runs each, alternating"
"$probe" startup "$work/cal-zelvo" Zelvo -- "$zelvo" >/dev/null
"$probe" startup "$work/cal-ref" ZelvoReference -- "$reference" >/dev/null
sleep 0.5
for i in $(seq "$runs"); do
    if ((i % 2)); then order=(zelvo ref); else order=(ref zelvo); fi
    for who in "${order[@]}"; do
        if [ "$who" = zelvo ]; then
            "$probe" startup "$work/cal-zelvo" Zelvo -- "$zelvo" >>"$out/startup-zelvo" || true
        else
            "$probe" startup "$work/cal-ref" ZelvoReference -- "$reference" >>"$out/startup-ref" || true
        fi
        sleep 0.5
    done
done

echo "== footprint and ${idle} s of idle CPU"
"$zelvo" >"$work/zelvo.log" 2>&1 &
zpid=$!
pids+=($zpid)
"$reference" >"$work/ref.log" 2>&1 &
rpid=$!
pids+=($rpid)
xdotool search --sync --name '^Zelvo$' >/dev/null
xdotool search --sync --name '^ZelvoReference$' windowmove 0 0 >/dev/null
sleep 1.5
echo "launcher $(proc $zpid VmHWM) $(proc $rpid VmHWM)" >>"$out/rss"
# Each game opened and closed once; this first opening also learns its pixels.
"$probe" open "$work/cal-forca" Zelvo Forca f 0 >/dev/null
"$probe" open "$work/cal-memory" Zelvo Memory m 0 >/dev/null
"$probe" open "$work/cal-refgame" ZelvoReference ReferenceGame m 0 >/dev/null
sleep 1
echo "games $(proc $zpid VmHWM) $(proc $rpid VmHWM)" >>"$out/rss"
echo "now $(proc $zpid VmRSS) $(proc $rpid VmRSS)" >>"$out/rss"
tick=$(getconf CLK_TCK)
z0=$(cpu $zpid); r0=$(cpu $rpid)
sleep "$idle"
z1=$(cpu $zpid); r1=$(cpu $rpid)
echo "cpu $idle $tick $((z1 - z0)) $((r1 - r0))" >>"$out/rss"

echo "== opening the games, $runs times each, taking turns with the yardstick"
for _ in $(seq "$runs"); do
    "$probe" open "$work/cal-forca" Zelvo Forca f 1 >>"$out/open-forca"
    "$probe" open "$work/cal-refgame" ZelvoReference ReferenceGame m 1 >>"$out/open-ref"
    "$probe" open "$work/cal-memory" Zelvo Memory m 1 >>"$out/open-memory"
done
kill $zpid $rpid
wait $zpid $rpid 2>/dev/null || true

echo "== timers: the title over ${idle} s, three 20-pad playbacks at each level"
"$build/bench_timers" title "$idle" >"$out/title"
for level in 0 1 2 3; do
    "$build/bench_timers" memory 20 3 "$level" >"$out/memory-$level"
done
"$build/bench_timers" open "$runs" >"$out/open-parts"
"$build/bench_timers" svg >"$out/svg"

echo "== sound: 100 pad sounds through WaveOutput"
"$build/bench_sound" bench_null.monitor 100 >"$out/sound"

fi

echo "== word lists: the hangman opened with 0, 10 and 50 lists of 0.9 MB in the folder"
python3 "$root/bench/listas.py" "$work/lista.txt"
for n in 0 10 50; do
    mkdir -p "$work/listas-$n/Zelvo/palavras"
    for i in $(seq -w 1 "$n"); do cp "$work/lista.txt" "$work/listas-$n/Zelvo/palavras/Lista$i.txt"; done
done
# A teacher's lists were written well before the game opens, not in the last
# two seconds, when the game reads a file afresh in case it is still changing.
find "$work"/listas-* -name '*.txt' -exec touch -d '1 hour ago' {} +
if [ ! -e "$work/cal-forca" ]; then
    "$zelvo" >"$work/zelvo.log" 2>&1 &
    zpid=$!
    pids+=($zpid)
    xdotool search --sync --name '^Zelvo$' >/dev/null
    sleep 1
    "$probe" open "$work/cal-forca" Zelvo Forca f 0 >/dev/null
    kill $zpid
    wait $zpid 2>/dev/null || true
fi
builds=("after $zelvo")
[ -z "$before" ] || builds+=("before $before")
for n in 0 10 50; do
    for b in "${builds[@]}"; do
        who=${b%% *}
        # The first opening after start, three times, then five more openings
        # of the last run; an old build took seconds to open with many lists.
        for start in 1 2 3; do
            XDG_DATA_HOME=$work/listas-$n "${b#* }" >>"$work/zelvo.log" 2>&1 &
            zpid=$!
            pids+=($zpid)
            # xdotool fails outright on a window that goes while it looks.
            until xdotool search --name '^Zelvo$' >/dev/null 2>&1; do sleep 0.05; done
            sleep 1
            "$probe" open "$work/cal-forca" Zelvo Forca f 1 60000 | sed 's/^/first /' >>"$out/lists-$who-$n"
            if ((start == 3)); then
                "$probe" open "$work/cal-forca" Zelvo Forca f 5 60000 >>"$out/lists-$who-$n"
                echo "rss $(proc $zpid VmRSS)" >>"$out/lists-$who-$n"
            fi
            kill $zpid
            wait $zpid 2>/dev/null || true
        done
    done
done
# The same in-process, where the other jobs of a shared machine blur less:
# Form_Load, where the folder is looked at, and the whole opening.
for n in 0 10 50; do
    XDG_DATA_HOME=$work/listas-$n "$build/bench_timers" open 6 | grep '^open forca' >>"$out/lists-inproc-$n"
done
for how in escolhe inicia; do
    for _ in 1 2 3 4 5; do
        XDG_DATA_HOME=$work/listas-50 "$build/bench_timers" lista $how >>"$out/lists-pick"
    done
done

mkdir -p "$build/raw"
cp "$out"/* "$build/raw/"
python3 "$root/bench/report.py" "$out" "$runs" | tee "$build/results.md"

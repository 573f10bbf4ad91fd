#!/usr/bin/env bash
# Start-up, memory and idle figures of Orvandel, each beside the same figure of a minimal Qt
# Widgets program that shows one empty window of Orvandel's size (bench/startup/empty_window),
# measured in the same run, headless (offscreen) and under Xvfb. Prints a table at the end.
#
#   Start-up  process start to the window shown and the event loop idle (both programs quit
#             there when ORVANDEL_QUIT_WHEN_IDLE=1): medians of hyperfine runs, in rounds whose
#             order alternates, and the median of the rounds' ratios.   Goal: within 1.3x.
#   Memory    2 s after start, from /proc/PID/smaps_rollup: PSS of both (goal: within 1.25x)
#             and Orvandel's anonymous memory (goal: under 5 MiB); medians of a few starts, the
#             two programs started in turn. PSS shares the libraries' pages among all the
#             processes that map them, so it moves with whatever else runs; RSS and the
#             private pages (USS) do not, and are shown beside it.
#   Idle      CPU time (utime + stime of /proc/PID/stat) of Orvandel over 60 s with its
#             one-second clock running, in both environments at once.
#
# Environment: ORV_BENCH_RUNS (20), ORV_BENCH_WARMUP (3), ORV_BENCH_ROUNDS (6),
# ORV_MEM_SAMPLES (5), ORV_IDLE_SECONDS (60). The programs are built in build/release; set
# ORV_BENCH_BUILD_DIR to use another, already configured build folder instead.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${ORV_BENCH_RUNS:-20}
warmup=${ORV_BENCH_WARMUP:-3}
rounds=${ORV_BENCH_ROUNDS:-6}
memSamples=${ORV_MEM_SAMPLES:-5}
idleSeconds=${ORV_IDLE_SECONDS:-60}

asRoot() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

aptUpdated=""
needCommand() { # command package
  command -v "$1" >/dev/null 2>&1 && return 0
  if [ -z "$aptUpdated" ]; then
    asRoot apt-get update -qq
    aptUpdated=1
  fi
  DEBIAN_FRONTEND=noninteractive asRoot apt-get install -y -qq --no-install-recommends "$2"
}

needCommand hyperfine hyperfine
needCommand Xvfb xvfb
needCommand python3 python3

if [ -n "${ORV_BENCH_BUILD_DIR:-}" ]; then
  build=$ORV_BENCH_BUILD_DIR
  cmake --build "$build" --target orvandel empty_window label_window -j2 >/dev/null
else
  source scripts/setup.sh
  orv_install_dependencies
  cmake --preset release -DORV_BUILD_BENCH=ON >/dev/null
  cmake --build --preset release --target orvandel empty_window label_window >/dev/null
  build=build/release
fi
orvandel=$(realpath "$build/src/orvandel")
empty=$(realpath "$build/bench/empty_window")
label=$(realpath "$build/bench/label_window")

work=$(mktemp -d)
xvfbPid=""
started=()
cleanup() {
  local pid
  for pid in "${started[@]}" $xvfbPid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

# Nothing the measurements do touches the user's settings.
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# One Xvfb for every measurement under X, on the first free display from :99 on.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfbPid=$!
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done
[ -e "/tmp/.X11-unix/X$display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }

# The environments: offscreen, and X11 on the Xvfb display.
envOf() {
  case "$1" in
    offscreen) echo "QT_QPA_PLATFORM=offscreen" ;;
    xvfb) echo "QT_QPA_PLATFORM=xcb DISPLAY=:$display" ;;
  esac
}

median() { python3 -c 'import statistics,sys; print(statistics.median(float(x) for x in sys.argv[1:]))' "$@"; }

# ---- Start-up ------------------------------------------------------------------------------
# Prints "orvandelMs emptyMs ratio labelMs ratioToLabel" for one environment: medians over the
# rounds, whose order alternates.
startup() {
  local where=$1 round ratios=() labelRatios=() orvMs=() emptyMs=() labelMs=() json
  for round in $(seq "$rounds"); do
    json=$work/startup-$where-$round.json
    local commands=(-n orvandel "$orvandel" -n empty "$empty" -n label "$label")
    if [ $((round % 2)) -eq 0 ]; then
      commands=(-n label "$label" -n empty "$empty" -n orvandel "$orvandel")
    fi
    # shellcheck disable=SC2046
    env $(envOf "$where") ORVANDEL_QUIT_WHEN_IDLE=1 \
      hyperfine -N --style none --warmup "$warmup" --runs "$runs" --export-json "$json" \
      "${commands[@]}" >"$work/hyperfine-$where-$round.log" 2>&1
    read -r o e l <<<"$(python3 - "$json" <<'EOF'
import json, sys
results = {r["command"]: r["median"] for r in json.load(open(sys.argv[1]))["results"]}
print(results["orvandel"] * 1000, results["empty"] * 1000, results["label"] * 1000)
EOF
)"
    orvMs+=("$o")
    emptyMs+=("$e")
    labelMs+=("$l")
    ratios+=("$(python3 -c "print($o / $e)")")
    labelRatios+=("$(python3 -c "print($o / $l)")")
    echo "  start-up $where, round $round: Orvandel $o ms, empty $e ms, one label $l ms" >&2
  done
  echo "$(median "${orvMs[@]}") $(median "${emptyMs[@]}") $(median "${ratios[@]}")" \
    "$(median "${labelMs[@]}") $(median "${labelRatios[@]}")"
}

# ---- Memory --------------------------------------------------------------------------------
# Prints, for one environment, the medians over a few starts of each program in turn of
# "pss anonymous rss uss" (KiB) of Orvandel, then of the empty window, 2 s after start.
memoryOf() { # pid
  awk '/^Pss:/ {p = $2} /^Anonymous:/ {a = $2} /^Rss:/ {r = $2}
       /^Private_(Clean|Dirty):/ {u += $2} END {print p, a, r, u}' "/proc/$1/smaps_rollup"
}
memory() {
  local where=$1 i program pid samples
  samples=$work/memory-$where
  : >"$samples"
  for i in $(seq "$memSamples"); do
    for program in "$orvandel" "$empty"; do
      # shellcheck disable=SC2046
      env $(envOf "$where") "$program" >/dev/null 2>&1 &
      pid=$!
      sleep 2
      echo "$(basename "$program") $(memoryOf "$pid")" >>"$samples"
      kill "$pid"
      wait "$pid" 2>/dev/null || true
    done
  done
  python3 - "$samples" <<'EOF'
import statistics, sys
rows = [line.split() for line in open(sys.argv[1])]
out = []
for name in ("orvandel", "empty_window"):
    mine = [list(map(float, r[1:])) for r in rows if r[0] == name]
    out += [statistics.median(column) for column in zip(*mine)]
print(" ".join(str(v) for v in out))
EOF
}

# ---- Idle ----------------------------------------------------------------------------------
cpuTicks() { # utime + stime, the 14th and 15th fields (the name may hold blanks)
  sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'
}

echo "Measuring start-up ($rounds rounds of $runs runs each)..." >&2
read -r suOffOrv suOffEmpty suOffRatio suOffLabel suOffLabelRatio <<<"$(startup offscreen)"
read -r suXOrv suXEmpty suXRatio suXLabel suXLabelRatio <<<"$(startup xvfb)"

echo "Measuring memory ($memSamples starts each)..." >&2
read -r memOffOrv anonOffOrv rssOffOrv ussOffOrv memOffEmpty anonOffEmpty rssOffEmpty ussOffEmpty \
  <<<"$(memory offscreen)"
read -r memXOrv anonXOrv rssXOrv ussXOrv memXEmpty anonXEmpty rssXEmpty ussXEmpty <<<"$(memory xvfb)"

echo "Measuring idle CPU time over $idleSeconds s..." >&2
# shellcheck disable=SC2046
env $(envOf offscreen) "$orvandel" >/dev/null 2>&1 &
idleOff=$!
started+=("$idleOff")
# shellcheck disable=SC2046
env $(envOf xvfb) "$orvandel" >/dev/null 2>&1 &
idleX=$!
started+=("$idleX")
sleep 2
offBefore=$(cpuTicks "$idleOff")
xBefore=$(cpuTicks "$idleX")
sleep "$idleSeconds"
offAfter=$(cpuTicks "$idleOff")
xAfter=$(cpuTicks "$idleX")
ticks=$(getconf CLK_TCK)

python3 - "$ticks" "$idleSeconds" <<EOF
import sys
ticks, seconds = float(sys.argv[1]), float(sys.argv[2])
mib = lambda kib: float(kib) / 1024.0
rows = [
    ("Start-up, ms (median)", "offscreen", $suOffOrv, $suOffEmpty, $suOffRatio, "1.3x"),
    ("Start-up, ms (median)", "Xvfb", $suXOrv, $suXEmpty, $suXRatio, "1.3x"),
    ("Start-up vs one label, ms", "offscreen", $suOffOrv, $suOffLabel, $suOffLabelRatio, ""),
    ("Start-up vs one label, ms", "Xvfb", $suXOrv, $suXLabel, $suXLabelRatio, ""),
    ("PSS after 2 s, MiB", "offscreen", mib($memOffOrv), mib($memOffEmpty), $memOffOrv / $memOffEmpty, "1.25x"),
    ("PSS after 2 s, MiB", "Xvfb", mib($memXOrv), mib($memXEmpty), $memXOrv / $memXEmpty, "1.25x"),
    ("RSS after 2 s, MiB", "offscreen", mib($rssOffOrv), mib($rssOffEmpty), $rssOffOrv / $rssOffEmpty, ""),
    ("RSS after 2 s, MiB", "Xvfb", mib($rssXOrv), mib($rssXEmpty), $rssXOrv / $rssXEmpty, ""),
    ("USS after 2 s, MiB", "offscreen", mib($ussOffOrv), mib($ussOffEmpty), $ussOffOrv / $ussOffEmpty, ""),
    ("USS after 2 s, MiB", "Xvfb", mib($ussXOrv), mib($ussXEmpty), $ussXOrv / $ussXEmpty, ""),
]
print()
print(f"{'measure':<28} {'platform':<10} {'Orvandel':>10} {'empty':>10} {'ratio':>7} {'goal':>6}")
for name, where, o, e, r, goal in rows:
    print(f"{name:<28} {where:<10} {o:>10.2f} {e:>10.2f} {r:>6.2f}x {goal:>6}")
print()
print(f"{'measure':<28} {'platform':<10} {'Orvandel':>10} {'empty':>10} {'':>7} {'goal':>6}")
print(f"{'Anonymous after 2 s, MiB':<28} {'offscreen':<10} {mib($anonOffOrv):>10.2f} {mib($anonOffEmpty):>10.2f} {'':>7} {'< 5':>6}")
print(f"{'Anonymous after 2 s, MiB':<28} {'Xvfb':<10} {mib($anonXOrv):>10.2f} {mib($anonXEmpty):>10.2f} {'':>7} {'< 5':>6}")
for where, before, after in (("offscreen", $offBefore, $offAfter), ("Xvfb", $xBefore, $xAfter)):
    cpu = (after - before) / ticks
    print(f"{'Idle CPU over %d s, s' % seconds:<28} {where:<10} {cpu:>10.2f} {'':>10} {'':>7} {'':>6}"
          f"  ({100.0 * cpu / seconds:.2f} % of a core)")
EOF

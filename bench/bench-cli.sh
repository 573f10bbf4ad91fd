#!/usr/bin/env bash
# orv's batch throughput beside dateutils' dconv on the same file, in the same run.
#
#   1. One million ISO dates (years 1601-4000, fixed seed) converted to day numbers:
#      `orv convert --to jdn --value` against `dateutils.dconv -f jdn`, run in alternation
#      (ORV_BENCH_ROUNDS rounds, each program once per round, the order switching); medians
#      of wall and CPU time, lines per second, the ratio (goal: orv >= 1.5x dconv) and
#      orv's peak RSS from /usr/bin/time -v (goal: < 8 MiB). hyperfine then times the same
#      pair once more as a cross-check.
#   2. The full result lines (`orv convert --to jdn`) and JSON (`--json`) on the same file in
#      the same rounds, each with its ratio to dconv (lines per second, goal for JSON: >= 1x)
#      and peak RSS; and --value and full lines for one million dates of years -1,000,000 ..
#      1,000,000, which dconv cannot read.
#   3. The date jobs: `orv seq` beside `dateutils.dseq` over the same span, 1601-01-01 ..
#      4094-05-04 (910,674 days: dseq's longest, it writes 0000-00-00 after it), both as ISO
#      dates, lines per second (goal: orv >= 1x dseq) and peak RSS, with orv seq over ten
#      times as many days (to 30000-01-01) to show the memory flat; and the ISO week
#      conversion of the first file (`convert --to isoweek --value`) beside the plain CE->JDN
#      `--value` batch of section 1 (goal: time within 1.5x).
#   4. The same first file into the Hebrew, Islamic and Long Count notations (--value) beside
#      orv's own --to jdn --value: the cost of writing a calendar of its own, as ratios.
#   Every orv answer of the first file is checked against dconv's before the figures count,
#   and orv seq's dates against dseq's.
#
# Environment: ORV_BENCH_ROUNDS (7), ORV_BENCH_BUILD_DIR (build/release, configured and
# built here unless it exists), ORV_BENCH_LINES (1000000), ORV_BENCH_BASELINE (another orv,
# say an earlier build: its --value, full lines and --json are timed in the same rounds and
# shown beside this build's, so that a change is judged on one machine state).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
orv_install_packages dateutils hyperfine time python3 bc

rounds=${ORV_BENCH_ROUNDS:-7}
lines=${ORV_BENCH_LINES:-1000000}
build=${ORV_BENCH_BUILD_DIR:-build/release}
if [ ! -d "$build" ]; then cmake --preset release >/dev/null; fi
cmake --build "$build" --target orv >/dev/null
orv=$build/src/cli/orv
baseline=${ORV_BENCH_BASELINE:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The dates: uniform over the days of the range, seed fixed.
python3 - "$work" "$lines" <<'PY'
import datetime, random, sys
work, n = sys.argv[1], int(sys.argv[2])
rng = random.Random(20261206)
lo, hi = datetime.date(1601, 1, 1).toordinal(), datetime.date(4000, 12, 31).toordinal()
with open(f"{work}/iso.txt", "w") as f:
    f.writelines(datetime.date.fromordinal(rng.randint(lo, hi)).isoformat() + "\n"
                 for _ in range(n))
with open(f"{work}/far.txt", "w") as f:
    for _ in range(n):
        y = rng.randint(-1_000_000, 1_000_000)
        f.write(f"{y}-{rng.randint(1, 12):02d}-{rng.randint(1, 28):02d}\n")
PY

# dconv writes the astronomical Julian date of midnight, JDN - 0.5.
"$orv" convert --to jdn --value --thousands none <"$work/iso.txt" >"$work/orv.out"
dateutils.dconv -f jdn <"$work/iso.txt" >"$work/dconv.out"
if ! paste "$work/orv.out" "$work/dconv.out" |
    awk -F'\t' '$1 != $2 + 0.5 { bad++ } END { exit bad > 0 }'; then
  echo "orv and dconv disagree on some day number" >&2
  exit 1
fi

seqFirst=1601-01-01
seqLast=4094-05-04
seqLines=910674
if ! cmp -s <("$orv" seq $seqFirst $seqLast) <(dateutils.dseq $seqFirst $seqLast); then
  echo "orv seq and dseq disagree" >&2
  exit 1
fi

# One timed run: "wall user+sys peakKiB" of the command reading $2 into /dev/null.
timed() { # file command...
  local file=$1
  shift
  /usr/bin/time -f "%e %U %S %M" -o "$work/t" "$@" <"$file" >/dev/null
  awk '{ printf "%s %.3f %s\n", $1, $2 + $3, $4 }' "$work/t"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A wall cpu rss
record() { # name "wall cpu rss"
  read -r w c m <<<"$2"
  wall[$1]+="$w "
  cpu[$1]+="$c "
  rss[$1]+="$m "
}

for ((r = 0; r < rounds; r++)); do
  if ((r % 2 == 0)); then
    record orv "$(timed "$work/iso.txt" "$orv" convert --to jdn --value)"
    record dconv "$(timed "$work/iso.txt" dateutils.dconv -f jdn)"
  else
    record dconv "$(timed "$work/iso.txt" dateutils.dconv -f jdn)"
    record orv "$(timed "$work/iso.txt" "$orv" convert --to jdn --value)"
  fi
  record full "$(timed "$work/iso.txt" "$orv" convert --to jdn)"
  record json "$(timed "$work/iso.txt" "$orv" convert --to jdn --json)"
  if [ -n "$baseline" ]; then
    record baseValue "$(timed "$work/iso.txt" "$baseline" convert --to jdn --value)"
    record baseFull "$(timed "$work/iso.txt" "$baseline" convert --to jdn)"
    record baseJson "$(timed "$work/iso.txt" "$baseline" convert --to jdn --json)"
  fi
  record farValue "$(timed "$work/far.txt" "$orv" convert --to jdn --value)"
  record farFull "$(timed "$work/far.txt" "$orv" convert --to jdn)"
  record seq "$(timed /dev/null "$orv" seq $seqFirst $seqLast)"
  record dseq "$(timed /dev/null dateutils.dseq $seqFirst $seqLast)"
  record seqLong "$(timed /dev/null "$orv" seq $seqFirst 30000-01-01)"
  record isoweek "$(timed "$work/iso.txt" "$orv" convert --to isoweek --value)"
  for kind in hebrew islamic mayan; do
    record "$kind" "$(timed "$work/iso.txt" "$orv" convert --to "$kind" --value)"
  done
done

med() { tr ' ' '\n' <<<"$1" | grep . | median; }
printf '\n%s lines a run, %s rounds, medians (%s cores, load %s)\n\n' "$lines" "$rounds" \
  "$(nproc)" "$(cut -d' ' -f1 /proc/loadavg)"
printf '%-44s %9s %9s %14s %14s %10s\n' "run" "wall s" "cpu s" "lines/s wall" "lines/s cpu" \
  "peak KiB"
row() { # name label
  local w c m
  w=$(med "${wall[$1]}")
  c=$(med "${cpu[$1]}")
  m=$(tr ' ' '\n' <<<"${rss[$1]}" | grep . | sort -g | tail -1)
  printf '%-44s %9.3f %9.3f %14.0f %14.0f %10s\n' "$2" "$w" "$c" "$(bc -l <<<"$lines / $w")" \
    "$(bc -l <<<"$lines / ($c + 0.0005)")" "$m"
}
row orv "orv convert --to jdn --value (1601-4000)"
row dconv "dateutils.dconv -f jdn (1601-4000)"
row full "orv convert --to jdn (full lines)"
row json "orv convert --to jdn --json"
row farValue "orv --value, years +-1,000,000"
row farFull "orv full lines, years +-1,000,000"
peak() { tr ' ' '\n' <<<"${rss[$1]}" | grep . | sort -g | tail -1; }
printf '\n%-28s %12s %12s %14s\n' "ratio to dconv (lines/s)" "wall" "cpu" "peak RSS KiB"
ratio() { # name label
  printf '%-28s %11.2fx %11.2fx %14s\n' "$2" \
    "$(bc -l <<<"$(med "${wall[dconv]}") / $(med "${wall[$1]}")")" \
    "$(bc -l <<<"$(med "${cpu[dconv]}") / $(med "${cpu[$1]}")")" "$(peak "$1")"
}
ratio orv "orv --value"
ratio full "orv full lines"
ratio json "orv --json (goal >= 1x)"
if [ -n "$baseline" ]; then
  ratio baseValue "baseline --value"
  ratio baseFull "baseline full lines"
  ratio baseJson "baseline --json"
fi
printf '%-28s %12s %12s %14s\n\n' "dconv" "1.00x" "1.00x" "$(peak dconv)"

printf '%-28s %12s %12s\n' "time beside --to jdn --value" "wall" "cpu"
for kind in hebrew islamic mayan; do
  printf '%-28s %11.2fx %11.2fx\n' "--to $kind --value" \
    "$(bc -l <<<"$(med "${wall[$kind]}") / $(med "${wall[orv]}")")" \
    "$(bc -l <<<"$(med "${cpu[$kind]}") / $(med "${cpu[orv]}")")"
done
echo

# The same pair through hyperfine, as a cross-check of the wall times.
hyperfine --warmup 1 --runs "$rounds" --style basic \
  -n orv "$orv convert --to jdn --value < $work/iso.txt > /dev/null" \
  -n dconv "dateutils.dconv -f jdn < $work/iso.txt > /dev/null"

# The date jobs, from the same rounds.
printf '\n%-44s %9s %9s %14s %10s\n' "date jobs (medians)" "wall s" "cpu s" "lines/s wall" "peak KiB"
jobRow() { # name label lines
  printf '%-44s %9.3f %9.3f %14.0f %10s\n' "$2" "$(med "${wall[$1]}")" "$(med "${cpu[$1]}")" \
    "$(bc -l <<<"$3 / $(med "${wall[$1]}")")" "$(peak "$1")"
}
jobRow seq "orv seq $seqFirst $seqLast" "$seqLines"
jobRow dseq "dateutils.dseq, the same span" "$seqLines"
jobRow seqLong "orv seq $seqFirst 30000-01-01" 10372522
jobRow isoweek "orv convert --to isoweek --value" "$lines"
printf '\n%-44s %11.2fx (goal >= 1x)\n' "orv seq lines/s over dseq's (wall)" \
  "$(bc -l <<<"$(med "${wall[dseq]}") / $(med "${wall[seq]}")")"
printf '%-44s %11.2fx (goal <= 1.5x)\n' "isoweek time over CE->JDN --value (wall)" \
  "$(bc -l <<<"$(med "${wall[isoweek]}") / $(med "${wall[orv]}")")"
printf '%-44s %11.2fx (flat: ~1x for 11x the days)\n' "orv seq peak RSS, long over short" \
  "$(bc -l <<<"$(peak seqLong) / $(peak seq)")"

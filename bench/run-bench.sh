#!/usr/bin/env bash
# Measures Tarvex under Wine beside the floor (the same dialog template shown
# by a bare DialogBoxParamW program): start-to-ready time over interleaved
# runs, peak working set, CPU used while idle, and what takes the room in the
# executables. A measurement, not a test: it prints figures and exits 0.
#   bench/run-bench.sh [RUNS]     (default 20)
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
runs=${1:-20}

if [[ -z "${DISPLAY:-}" ]]; then
  exec scripts/with-display.sh "$0" "$@"
fi

scripts/setup.sh
preset=win64
/usr/lib/wine/wine --version >/dev/null 2>&1 && preset=win32
for p in win32 win64; do
  cmake --preset "$p" >/dev/null
  cmake --build --preset "$p" --target Tarvex bench_floor bench_launcher >/dev/null
done
build=build/$preset
prefix=$build/wineprefix
scripts/wine-prefix.sh "$prefix"
export WINEPREFIX=$(realpath "$prefix") WINEDEBUG=-all
# Keep one Wine server alive for all runs so that every run pays the same.
wineserver -p
trap 'wineserver -k || true' EXIT

launch() { scripts/wine-run.sh "$prefix" "$build/bench/bench_launcher.exe" "$@" | tr -d '\r'; }
launch "$build/app/Tarvex.exe" >/dev/null  # warm-up
launch "$build/bench/bench_floor.exe" >/dev/null

results=$(mktemp)
for ((i = 0; i < runs; i++)); do
  echo "tarvex $(launch "$build/app/Tarvex.exe")" >>"$results"
  echo "floor $(launch "$build/bench/bench_floor.exe")" >>"$results"
done
idle=$(launch "$build/app/Tarvex.exe" --idle 10)

python3 - "$results" "$idle" "$preset" <<'PY'
import statistics, sys
rows = {}
for line in open(sys.argv[1]):
    name, *pairs = line.split()
    fields = dict(p.split("=") for p in pairs)
    rows.setdefault(name, []).append(fields)
def median(name, key):
    return statistics.median(float(r[key]) for r in rows[name])
t, f = median("tarvex", "ready_ms"), median("floor", "ready_ms")
print(f"start to ready ({sys.argv[3]}, {len(rows['tarvex'])} interleaved runs each, medians):")
print(f"  Tarvex.exe {t:.1f} ms, floor {f:.1f} ms, ratio {t / f:.3f} (goal <= 1.10)")
print(f"peak working set: Tarvex.exe {median('tarvex', 'peak_working_set_kib'):.0f} KiB, "
      f"floor {median('floor', 'peak_working_set_kib'):.0f} KiB")
idle = dict(p.split("=") for p in sys.argv[2].split())
print(f"CPU used in 10 s idle: {float(idle['idle_cpu_ms']):.1f} ms")
PY
rm -f "$results"

for p in win32 win64; do
  exe=build/$p/app/Tarvex.exe
  objdump=$([[ $p == win32 ]] && echo i686 || echo x86_64)-w64-mingw32-objdump
  $objdump -h "$exe" | python3 -c '
import os, sys
exe = sys.argv[1]
sections = {}
for line in sys.stdin:
    fields = line.split()
    if len(fields) > 2 and fields[1].startswith("."):
        sections[fields[1]] = int(fields[2], 16)
res = sections.pop(".rsrc", 0)
print(f"{exe}: {os.path.getsize(exe) / 1024:.1f} KiB in all; resources {res / 1024:.1f} KiB; "
      + ", ".join(f"{name} {size / 1024:.1f}" for name, size in sections.items() if size >= 512))
' "$exe"
done

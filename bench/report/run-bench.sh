#!/bin/sh
# SPDX-FileCopyrightText: 2026 TESKA-List developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Batch report benchmark: the moments list (key 140) of generated projects
# of 100,000 and 1,000,000 nodes, written as text by teska-report, compared
# with a paste | mawk pipeline and with a C++ program that only parses the
# three moment files and prints the five columns (parse_print.cpp, with
# std::from_chars and std::to_chars into one buffer: the floor), and with
# the floor padding its rows to write as many bytes as the list.
#
#   bench/report/run-bench.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR (default: build) holds tools/teska-report/teska-report and
# tools/teska-sample/teska-sample. RUNS (default 5) runs per measure; the
# median wall time is printed, with the peak resident memory of the run.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
runs=${2:-5}
report=$build/tools/teska-report/teska-report
sample=$build/tools/teska-sample/teska-sample
for tool in "$report" "$sample"; do
  if [ ! -x "$tool" ]; then
    echo "run-bench.sh: $tool is missing; build teska-report and teska-sample first" >&2
    exit 1
  fi
done
awk_tool=$(command -v mawk || command -v awk)

work=$(mktemp -d "${TMPDIR:-/tmp}/teska-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/settings"

# Peak memory: GNU time when present, else a getrusage wrapper.
if [ -x /usr/bin/time ] && /usr/bin/time -v true >/dev/null 2>&1; then
  measure() { # out-file command...
    out=$1; shift
    /usr/bin/time -v -o "$work/time.txt" "$@" >"$out"
    awk '/Maximum resident set size/ { print $NF }' "$work/time.txt"
  }
else
  cat >"$work/peak.c" <<'CEOF'
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
int main(int argc, char** argv) {
  pid_t pid = fork();
  if (pid == 0) { execvp(argv[1], argv + 1); _exit(127); }
  int status; waitpid(pid, &status, 0);
  struct rusage u; getrusage(RUSAGE_CHILDREN, &u);
  fprintf(stderr, "%ld\n", u.ru_maxrss);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
CEOF
  cc -O2 -o "$work/peak" "$work/peak.c"
  measure() {
    out=$1; shift
    "$work/peak" "$@" >"$out" 2>"$work/peak.txt"
    tail -n 1 "$work/peak.txt"
  }
fi

now() { date +%s.%N; }

# Median wall seconds and the peak memory (KiB) of the last run.
timed() { # label command...
  label=$1; shift
  : >"$work/times.txt"
  i=0
  while [ $i -lt "$runs" ]; do
    t0=$(now)
    kib=$(measure "$work/out.txt" "$@")
    t1=$(now)
    echo "$t1 - $t0" | bc -l >>"$work/times.txt"
    i=$((i + 1))
  done
  median=$(sort -n "$work/times.txt" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
  lines=$(wc -l <"$work/out.txt")
  bytes=$(wc -c <"$work/out.txt")
  printf '%-28s %9.3f s %9d KiB %10d lines %11d bytes\n' "$label" "$median" "$kib" "$lines" "$bytes"
  echo "$median" >"$work/last.txt"
  echo "$kib $bytes" >"$work/memory.txt"
}

c++ -O2 -std=c++17 -o "$work/parse_print" "$here/parse_print.cpp"

for size in 100000:400:250 1000000:1000:1000; do
  nodes=${size%%:*}
  dims=${size#*:}
  nx=${dims%%:*}
  ny=${dims#*:}
  project=$work/n$nodes/BENCH.PO1
  mkdir -p "$work/n$nodes"
  "$sample" --nodes "$nx" "$ny" "$project" >/dev/null
  base=$work/n$nodes/BENCH
  echo "== $nodes nodes ($nx x $ny), median of $runs runs"

  timed "teska-report --text" env TESKA_SETTINGS_DIR="$work/settings/" \
    "$report" "$project" --results 140 --text - --settings "$work/settings"
  t_report=$(cat "$work/last.txt")
  read -r report_kib report_bytes <"$work/memory.txt"

  timed "paste | $(basename "$awk_tool")" sh -c "paste -d ' ' '$base.PH3' '$base.PH4' '$base.PH5' | tr -d '\r' | $awk_tool '{ m = (\$1 + \$2) / 2; d = (\$1 - \$2) / 2; r = sqrt(d * d + \$3 * \$3); printf \"%d %.2f %.2f %.2f %.2f %.2f\\n\", NR, \$1, \$2, \$3, m + r, m - r }'"
  t_awk=$(cat "$work/last.txt")

  timed "parse_print (C++)" "$work/parse_print" "$base"
  t_cpp=$(cat "$work/last.txt")

  # The floor again, each row padded so that it writes the bytes of the list.
  row_bytes=$(((report_bytes + nodes - 1) / nodes))
  timed "parse_print, $row_bytes B a row" "$work/parse_print" "$base" "$row_bytes"
  t_cpp_bytes=$(cat "$work/last.txt")

  printf 'ratio teska-report / awk pipeline: %.2f\n' "$(echo "$t_report / $t_awk" | bc -l)"
  printf 'ratio teska-report / parse_print:  %.2f\n' "$(echo "$t_report / $t_cpp" | bc -l)"
  printf 'ratio teska-report / parse_print writing as many bytes: %.2f\n' "$(echo "$t_report / $t_cpp_bytes" | bc -l)"
  printf 'teska-report peak memory / text:   %.2f\n' "$(echo "$report_kib * 1024 / $report_bytes" | bc -l)"
  if [ -n "${t_first:-}" ]; then
    printf 'teska-report growth from %d nodes: %.2f\n' "$n_first" "$(echo "$t_report / $t_first" | bc -l)"
  else
    t_first=$t_report
    n_first=$nodes
  fi
done

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 TESKA-List developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# run-fuzzers.sh [SECONDS] [TARGET...]
#
# Builds the fuzz targets with clang and libFuzzer (ASan + UBSan) in
# $BUILD_DIR (default build-fuzz-clang beside this folder's parent) and runs
# each for SECONDS (default 60), one after the other. TARGET is a name such as
# field_reader or fuzz_field_reader; without one every fuzz/fuzz_*.cpp is run.
# Each target starts from a scratch copy of fuzz/corpus/<name>/, so the
# committed corpus is never changed; new inputs and findings stay in the
# scratch folder, whose path is printed. Exits 1 when any target found a
# crash, leak, timeout or sanitizer report, 2 on a build failure.
#
# Environment: BUILD_DIR, JOBS (default 2), NICE (default 19), SCRATCH_DIR,
# CC/CXX (default clang/clang++), FUZZ_FLAGS (extra libFuzzer options).

set -u

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source_dir="$(dirname "$here")"
build_dir="${BUILD_DIR:-$source_dir/build-fuzz-clang}"
jobs="${JOBS:-2}"
niceness="${NICE:-19}"

seconds=60
if [[ $# -gt 0 && "$1" =~ ^[0-9]+$ ]]; then
    seconds="$1"
    shift
fi
if [[ $seconds -lt 1 ]]; then
    echo "run-fuzzers: SECONDS must be at least 1 (libFuzzer takes 0 as no limit)" >&2
    exit 2
fi

targets=()
if [[ $# -gt 0 ]]; then
    for name in "$@"; do
        name="${name#fuzz_}"
        name="${name%.cpp}"
        if [[ ! -f "$here/fuzz_$name.cpp" ]]; then
            echo "run-fuzzers: no fuzz target fuzz/fuzz_$name.cpp" >&2
            exit 2
        fi
        targets+=("$name")
    done
else
    for src in "$here"/fuzz_*.cpp; do
        [[ -e "$src" ]] || continue
        name="$(basename "$src" .cpp)"
        targets+=("${name#fuzz_}")
    done
fi
if [[ ${#targets[@]} -eq 0 ]]; then
    echo "run-fuzzers: no fuzz targets found in $here" >&2
    exit 2
fi

export CC="${CC:-clang}" CXX="${CXX:-clang++}"
mkdir -p "$build_dir"
# The libraries get coverage and sanitizer instrumentation too (without the
# fuzzer's main), so libFuzzer is guided by the reader code it exercises.
instrument="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
if ! cmake -S "$source_dir" -B "$build_dir" -DTESKA_LIBFUZZER=ON -DTESKA_BUILD_GUI=OFF \
    -DTESKA_BUILD_BENCH=OFF -DTESKA_BUILD_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS=$instrument" "-DCMAKE_C_FLAGS=$instrument" >"$build_dir/configure.log" 2>&1; then
    cat "$build_dir/configure.log" >&2
    echo "run-fuzzers: configuring $build_dir failed" >&2
    exit 2
fi
build_targets=()
for name in "${targets[@]}"; do
    build_targets+=("fuzz_$name")
done
if ! nice -n "$niceness" cmake --build "$build_dir" --target "${build_targets[@]}" -j "$jobs"; then
    echo "run-fuzzers: building the fuzz targets failed" >&2
    exit 2
fi

scratch="${SCRATCH_DIR:-$(mktemp -d "${TMPDIR:-/tmp}/teska-fuzz.XXXXXX")}"
mkdir -p "$scratch"
summary=()
failed=0
for name in "${targets[@]}"; do
    exe="$build_dir/fuzz/fuzz_$name"
    corpus="$scratch/$name/corpus"
    artifacts="$scratch/$name/artifacts"
    log="$scratch/$name/fuzz.log"
    mkdir -p "$corpus" "$artifacts"
    if [[ -d "$here/corpus/$name" ]]; then
        cp -R "$here/corpus/$name/." "$corpus/"
    fi
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536
        -print_final_stats=1 -artifact_prefix="$artifacts/")
    if [[ -f "$here/dict/$name.dict" ]]; then
        options+=(-dict="$here/dict/$name.dict")
    fi
    echo "== fuzz_$name for ${seconds}s (log: $log)"
    # shellcheck disable=SC2086
    nice -n "$niceness" "$exe" "${options[@]}" ${FUZZ_FLAGS:-} "$corpus" >"$log" 2>&1
    rc=$?
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)"
    elapsed="$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)"
    findings="$(find "$artifacts" -type f | wc -l)"
    inputs="$(find "$corpus" -type f | wc -l)"
    if [[ $rc -ne 0 || $findings -ne 0 ]]; then
        failed=1
        status="FINDING (exit $rc)"
        grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$log" | head -5
    else
        status="ok"
    fi
    summary+=("$(printf '%-20s %-18s %6ss %12s runs %8s exec/s %6s inputs %3s findings' \
        "fuzz_$name" "$status" "${elapsed:-?}" "${runs:-?}" "${rate:-?}" "$inputs" "$findings")")
done

echo
echo "Summary (scratch: $scratch)"
printf '%s\n' "${summary[@]}"
exit $failed

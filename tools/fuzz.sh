#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ (clang, libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer, in build/fuzz) and runs each on a scratch copy
# of its seed corpus with its dictionary, for a number of inputs or seconds:
#
#   tools/fuzz.sh --seconds 20          each target for 20 seconds (the test command)
#   tools/fuzz.sh --runs 1000000        each target for a million inputs (a soak)
#   tools/fuzz.sh --seconds 60 scan_text install_path     only those targets
#   tools/fuzz.sh --runs 1000000 --coverage   then line coverage of each
#                                       target's own sources over what it ran
#
# A finding (a broken check, a sanitizer report, a leak, a timeout, running
# out of memory) fails the script after every target has run: it prints the
# reproducer's path, its bytes in base64 and hex, and the end of the report.
# Reproduce with build/fuzz/fuzz/fuzz_TARGET PATH. What the fuzzer adds to
# the scratch corpus (build/fuzz/runs/TARGET/corpus) stays in the build
# folder; the committed seeds in fuzz/corpus/ are not touched.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=""
seconds=""
coverage=0
targets=()
all_targets=(settings_file sim_options sim_script sim_run scan_text install_path)
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs=${2:?--runs needs a count}; shift 2 ;;
        --seconds) seconds=${2:?--seconds needs a count}; shift 2 ;;
        --coverage) coverage=1; shift ;;
        -h|--help) sed -n '2,17p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
        *) targets+=("$1"); shift ;;
    esac
done
if [ -z "$runs" ] && [ -z "$seconds" ]; then
    seconds=20
fi
if [ ${#targets[@]} -eq 0 ]; then
    targets=("${all_targets[@]}")
fi
for t in "${targets[@]}"; do
    if [ ! -f "fuzz/${t}_fuzz.cpp" ]; then
        echo "fuzz.sh: no target $t (${all_targets[*]})" >&2
        exit 2
    fi
done

# The sources each target is there to reach, for its coverage line.
declare -A own_sources=(
    [settings_file]="src/shell/settings_file.cpp src/shell/settings_location.cpp"
    [sim_options]="tools/sim/sim_options.cpp tools/sim/script_values.cpp"
    [sim_script]="tools/sim/script_values.cpp"
    [sim_run]="tools/sim/simulator.cpp tools/sim/dump.cpp tools/sim/sim_programs.cpp src/installer/installer_window.cpp src/installer/uninstaller.cpp"
    [scan_text]="src/desktopitems/scan_text.cpp"
    [install_path]="src/installer/install_path.cpp src/installer/install_messages.cpp"
)

build_fuzz() { # BUILD-DIR [CMAKE-ARGS...]
    local dir=$1
    shift
    CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DORVELA_FUZZ=ON \
        -DORVELA_TESTS=OFF "$@" >/dev/null
    cmake --build "$dir" -j2 --target "${targets[@]/#/fuzz_}"
}

echo "== fuzz build (build/fuzz)"
build_fuzz build/fuzz -DORVELA_FUZZ_COVERAGE=OFF

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
if [ -x /usr/lib/llvm-14/bin/llvm-symbolizer ]; then
    export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
fi

failed=()
summary=()
for t in "${targets[@]}"; do
    work=build/fuzz/runs/$t
    rm -rf "$work"
    mkdir -p "$work/corpus"
    cp fuzz/corpus/"$t"/* "$work/corpus/"
    limit=(-max_total_time="$seconds")
    if [ -n "$runs" ]; then
        limit=(-runs="$runs")
    fi
    echo "== fuzz $t (${runs:+$runs inputs}${seconds:+$seconds s})"
    start=$(date +%s)
    status=0
    build/fuzz/fuzz/fuzz_"$t" "${limit[@]}" -dict=fuzz/"$t".dict -max_len=4096 -timeout=30 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" \
        >"$work/log" 2>&1 || status=$?
    elapsed=$(($(date +%s) - start))
    # The last status line: "#N ... cov: C ft: F corp: ..." and the inputs run.
    last=$(grep -E '^#[0-9]+' "$work/log" | tail -n 1 || true)
    cov=$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$last")
    ft=$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<<"$last")
    inputs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$work/log" | tail -n 1)
    corpus=$(find "$work/corpus" -type f | wc -l)
    line="$t: ${inputs:-?} inputs in ${elapsed} s, cov ${cov:-?} ft ${ft:-?}, corpus $corpus"
    summary+=("$line")
    artifacts=$(find "$work" -maxdepth 1 -type f \
        \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | sort)
    if [ "$status" -ne 0 ] || [ -n "$artifacts" ]; then
        failed+=("$t")
        echo "FAIL $t (exit status $status); the report ends:"
        grep -v -E '^#[0-9]+' "$work/log" | tail -n 40
        if [ -z "$artifacts" ]; then
            echo "no reproducer was written; the whole log is $work/log"
        fi
        for a in $artifacts; do
            echo "reproducer: $a"
            echo "  reproduce: build/fuzz/fuzz/fuzz_$t $a"
            echo "  base64: $(base64 -w0 "$a")"
            echo "  hex: $(od -An -v -tx1 "$a" | tr -d ' \n' | head -c 2000)"
        done
    else
        echo "$line"
    fi
done

if [ "$coverage" -eq 1 ]; then
    echo "== line coverage (build/fuzz-coverage)"
    build_fuzz build/fuzz-coverage -DORVELA_FUZZ_COVERAGE=ON
    for t in "${targets[@]}"; do
        work=build/fuzz/runs/$t
        profiles=build/fuzz-coverage/profiles/$t
        rm -rf "$profiles"
        mkdir -p "$profiles"
        # Every input the run kept, once, without fuzzing.
        LLVM_PROFILE_FILE="$profiles/%p.profraw" build/fuzz-coverage/fuzz/fuzz_"$t" -runs=0 \
            "$work/corpus" >"$profiles/log" 2>&1 || true
        llvm-profdata-14 merge -sparse "$profiles"/*.profraw -o "$profiles/merged.profdata"
        # shellcheck disable=SC2086
        report=$(llvm-cov-14 report build/fuzz-coverage/fuzz/fuzz_"$t" \
            -instr-profile="$profiles/merged.profdata" -show-region-summary=false \
            -show-branch-summary=false -show-instantiation-summary=false ${own_sources[$t]})
        echo "-- $t"
        echo "$report"
    done
fi

echo "== fuzz summary"
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz.sh: findings in ${failed[*]}" >&2
    exit 1
fi

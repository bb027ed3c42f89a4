#!/usr/bin/env bash
# Builds every preset and runs every test: the native unit tests (plain, under ASan+UBSan, and
# the threaded ones under TSan), the cross-built unit, Win32 and end-to-end tests under Wine
# on a virtual display, and each fuzzer for a while. Goes on past failures and ends with the
# line "N passed, M failed"; exits non-zero on any failure. A test program that crashes,
# times out or ends early has every test it never finished counted as failed (the count
# comes from --gtest_list_tests before the run). Builds use all cores.
#
# Options:
#   --quick            the layer check, native build and native unit tests only
#   --only=LIST        run only these stages (comma list of: layers, native, asan, tsan, mingw,
#                      fuzz); mingw covers every Wine stage, the end-to-end ones included
#   --filter=PATTERN   passed to every test program as --gtest_filter=PATTERN (a stage that
#                      runs a subset runs the tests in both)
#   -h, --help         show this text
# Environment: QX_FUZZ_SECONDS (default 12) is how long each fuzzer runs; 0 skips them.
# WINEDEBUG, when set, is passed on to Wine (default: -all).
#
# The end-to-end cases run twice: "wine quillox_e2e" runs them all with unmanaged windows
# (shows and hides are instant on the bare virtual display), and "wine quillox_e2e managed"
# runs those named *Managed* in a second prefix where Wine manages its windows itself (every
# show and hide takes Wine about 2 s, which widens races between them and other messages).
# The screenshot cases at 144 pixels per inch need no prefix of their own: Wine reads the
# screen DPI (HKCU\Control Panel\Desktop, LogPixels) when a process starts, so they set it
# while they run and put it back.
set -uo pipefail

usage() { sed -n '2,25p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; }

# The native unit tests of the launch threads and the waiting keys (quillox_threaded_tests),
# run under ThreadSanitizer.
tsanFilter='*LaunchWorkers*:*WaitingKeys*'
# The end-to-end cases also run with Wine managing its windows.
managedE2eFilter='*Managed*'

stages="layers,native,asan,tsan,mingw,fuzz"
filter=""
for arg in "$@"; do
    case "$arg" in
        --quick) stages="layers,native" ;;
        --only=*) stages="${arg#--only=}" ;;
        --filter=*) filter="${arg#--filter=}" ;;
        -h|--help) usage; exit 0 ;;
        *) echo "test: unknown option $arg" >&2; usage >&2; exit 2 ;;
    esac
done
IFS=, read -r -a chosenStages <<<"$stages"
for stage in "${chosenStages[@]}"; do
    case "$stage" in
        layers|native|asan|tsan|mingw|fuzz) ;;
        *) echo "test: unknown stage '$stage' (layers, native, asan, tsan, mingw, fuzz)" >&2; exit 2 ;;
    esac
done
fuzzSeconds=${QX_FUZZ_SECONDS:-12}
if ! [[ "$fuzzSeconds" =~ ^[0-9]+$ ]]; then
    echo "test: QX_FUZZ_SECONDS must be a whole number of seconds" >&2
    exit 2
fi

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo" || exit 1
source scripts/deps.sh
source scripts/wine-env.sh

logs="$repo/build/test-logs"
mkdir -p "$logs"

# One run at a time: runs share the build folders and the Wine prefix, and the program
# under test allows one instance per Wine session.
exec 9>"$repo/build/test.lock"
if ! flock -n 9; then
    echo "test: another test run holds build/test.lock; waiting for it"
    flock 9
fi

cleanup() {
    qx_stop_wine
    qx_stop_display
}
trap cleanup EXIT
trap 'exit 130' INT TERM

totalPassed=0
totalFailed=0
suiteStart=$SECONDS

wants() { [[ ",$stages," == *",$1,"* ]]; }

# $1 stage name, $2 passed, $3 failed, $4 started at (SECONDS), $5 note
report() {
    local note=${5:+ ($5)}
    printf '%-28s %5d passed, %3d failed %5ds%s\n' "$1" "$2" "$3" $(( SECONDS - $4 )) "$note"
    totalPassed=$(( totalPassed + $2 ))
    totalFailed=$(( totalFailed + $3 ))
}

# A step that is not a test program: ok, or one failure. $1 name, $2 0/1 failed, $3 started, $4 note
report_step() {
    local note=${4:+ ($4)} result=ok
    (( $2 )) && result=FAILED
    printf '%-28s %-21s %5ds%s\n' "$1" "$result" $(( SECONDS - $3 )) "$note"
    totalFailed=$(( totalFailed + $2 ))
}

# Shows the end of a log after a failure, so CI output explains it.
show_log_tail() {
    echo "----- last lines of $1 -----"
    tail -n "${2:-30}" "$1" | tr -d '\r'
    echo "-----"
}

# Configures preset $1 and builds the targets given after it (none: all), one by one so a
# target that fails does not hide the ones that built. Sets builtTargets to those that built.
# A failed configure or build counts as one failed test.
build_preset() {
    local preset=$1; shift
    local log="$logs/build-$preset.log" started=$SECONDS failures=0 target
    builtTargets=" "
    if ! cmake --preset "$preset" </dev/null >"$log" 2>&1; then
        report_step "build $preset" 1 "$started" "configure failed, see $log"
        show_log_tail "$log"
        return 1
    fi
    local targets=("$@")
    [[ ${#targets[@]} -eq 0 ]] && targets=(all)
    for target in "${targets[@]}"; do
        if nice -n 10 cmake --build --preset "$preset" -j"$(nproc)" --target "$target" </dev/null >>"$log" 2>&1; then
            builtTargets+="$target "
        else
            failures=1
            echo "build $preset: target $target failed"
        fi
    done
    if (( failures )); then
        report_step "build $preset" 1 "$started" "see $log"
        grep -E -m 20 'error|Error' "$log" | tr -d '\r'
        return 1
    fi
    report_step "build $preset" 0 "$started"
}

built() { [[ "$builtTargets" == *" $1 "* ]]; }

# Prints the full names (Suite.Name) of the tests GoogleTest program $1 runs with filter $2
# (empty: all), one a line, into file $3. Fails when the program could not list them.
list_gtests() {
    local program=$1 pattern=$2 out=$3
    local args=(--gtest_list_tests)
    [[ -n "$pattern" ]] && args+=("--gtest_filter=$pattern")
    # Into a file, not a pipe: Wine's own services started with the program would hold a
    # pipe open.
    timeout -k 10 120 ${QX_RUNNER:-} "$program" "${args[@]}" </dev/null >"$out.raw" 2>&1 || return 1
    tr -d '\r' <"$out.raw" | awk '
        /^[A-Za-z_][A-Za-z0-9_\/]*\.( |$)/ { suite = $1; next }
        /^  [A-Za-z_]/ && suite != "" {
            if (suite ~ /(^|\/)DISABLED_/ || $1 ~ /^DISABLED_/) next
            print suite $1
        }' >"$out"
}

# The tests of program $1 that both filter $2 and the --filter option select, written to file
# $3; prints the GoogleTest filter that selects exactly them (nothing when the list is empty).
# Fails when the program could not list its tests.
select_gtests() {
    local program=$1 stageFilter=$2 out=$3
    if [[ -n "$stageFilter" && -n "$filter" ]]; then
        list_gtests "$program" "$stageFilter" "$out.stage" && list_gtests "$program" "$filter" "$out.option" ||
            return 1
        sort "$out.stage" >"$out.stage.sorted"
        sort "$out.option" | comm -12 "$out.stage.sorted" - >"$out"
        paste -sd: "$out"
    else
        local pattern=${stageFilter:-$filter}
        list_gtests "$program" "$pattern" "$out" || return 1
        [[ -s "$out" ]] && echo "$pattern"
    fi
    return 0
}

# Counts GoogleTest results in log $1 of a program that exited with $2, of which $3 tests were
# listed beforehand (empty: unknown). Sets gtestPassed/gtestFailed/gtestSkipped/gtestUnstarted.
# A test that started but never ended (crash, time-out) is a failure, and so is every listed
# test that never started (after a crash, a time-out or an early exit of the program), and a
# non-zero exit with no failed test.
count_gtest() {
    local counts
    counts=$(tr -d '\r' <"$1" | awk '
        /^\[ RUN      \]/ { runs++ }
        /^\[       OK \]/ { ok++ }
        /^\[  SKIPPED \] [^ ]+ \([0-9]+ ms\)$/ { skipped++ }
        END { printf "%d %d %d\n", runs, ok, skipped }')
    local runs ok skipped listed=${3:-}
    read -r runs ok skipped <<<"$counts"
    gtestPassed=$ok
    gtestFailed=$(( runs - ok - skipped ))
    gtestSkipped=$skipped
    gtestUnstarted=0
    if [[ -n "$listed" ]] && (( listed > runs )); then
        gtestUnstarted=$(( listed - runs ))
        gtestFailed=$(( listed - ok - skipped ))
    fi
    if (( $2 != 0 && gtestFailed == 0 )); then
        gtestFailed=1
    fi
}

# Runs GoogleTest program $2 (with optional runner prefix in QX_RUNNER) as stage $1 with
# time limit $3 seconds. $4, when given, narrows the tests to those it selects (a GoogleTest
# filter; the --filter option narrows them further).
run_gtest() {
    local stage=$1 program=$2 limit=$3 stageFilter=${4:-}
    local log="$logs/${stage// /-}.log" started=$SECONDS
    if [[ ! -f "$program" ]]; then
        report "$stage" 0 1 "$started" "$program was not built"
        return
    fi
    # How many tests should run, so that those a crash or time-out kept from running count.
    local listFile="$logs/${stage// /-}.tests" listed="" pattern="" note=""
    if pattern=$(select_gtests "$program" "$stageFilter" "$listFile"); then
        listed=$(wc -l <"$listFile")
        if (( listed == 0 )); then
            report "$stage" 0 0 "$started" "no cases"
            return
        fi
    else
        pattern=$([[ -n "$stageFilter" ]] && echo "$stageFilter" || echo "$filter")
        note="could not list the tests"
    fi
    local args=(--gtest_color=no)
    [[ -n "$pattern" ]] && args+=("--gtest_filter=$pattern")
    local status
    timeout -k 10 "$limit" ${QX_RUNNER:-} "$program" "${args[@]}" </dev/null >"$log" 2>&1
    status=$?
    count_gtest "$log" "$status" "$listed"
    (( status == 124 || status == 137 )) && note="${note:+$note, }timed out after ${limit}s"
    (( status != 0 && status != 124 && status != 137 && gtestFailed > 0 )) && note="${note:+$note, }exit code $status"
    (( gtestUnstarted > 0 )) && note="${note:+$note, }$gtestUnstarted never started"
    (( gtestSkipped > 0 )) && note="${note:+$note, }$gtestSkipped skipped"
    report "$stage" "$gtestPassed" "$gtestFailed" "$started" "$note"
    if (( gtestFailed > 0 )); then
        grep -E '^\[  FAILED  \] .*\([0-9]+ ms\)' "$log" | tr -d '\r'
        show_log_tail "$log" 40
    fi
}

# Runs one fuzzer for its time; writes its exit code and run time to $log.status.
fuzz_one() {
    local fuzzer=$1 log=$2 artifacts=$3 name began status
    name=$(basename "$fuzzer")
    began=$SECONDS
    local corpus="$repo/build/fuzz/corpus/$name"
    mkdir -p "$corpus"
    local seeds=()
    [[ -d "tests/fuzz/corpus/$name" ]] && seeds=("tests/fuzz/corpus/$name")
    timeout -k 10 $(( fuzzSeconds + 120 )) "$fuzzer" -max_total_time="$fuzzSeconds" -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$artifacts/$name-" -print_final_stats=1 \
        "$corpus" "${seeds[@]}" </dev/null >"$log" 2>&1
    status=$?
    echo "$status $(( SECONDS - began ))" >"$log.status"
}

# Each fuzzer counts as one test: it passes when it runs its time without finding a fault.
# They run side by side, one per core (each is single-threaded), and report in name order.
run_fuzzers() {
    local fuzzer name log status took running=0
    local artifacts="$repo/build/fuzz/artifacts" cores
    cores=$(nproc 2>/dev/null || echo 1)
    mkdir -p "$artifacts"
    shopt -s nullglob
    local fuzzers=(build/fuzz/*Fuzzer)
    if [[ ${#fuzzers[@]} -eq 0 ]]; then
        echo "fuzz: no fuzzer was built"
    fi
    for fuzzer in "${fuzzers[@]}"; do
        [[ -x "$fuzzer" ]] || continue
        log="$logs/fuzz-$(basename "$fuzzer").log"
        rm -f "$log.status"
        if (( running >= cores )); then
            wait -n
            running=$(( running - 1 ))
        fi
        fuzz_one "$fuzzer" "$log" "$artifacts" &
        running=$(( running + 1 ))
    done
    wait
    for fuzzer in "${fuzzers[@]}"; do
        [[ -x "$fuzzer" ]] || continue
        name=$(basename "$fuzzer")
        log="$logs/fuzz-$name.log"
        read -r status took <"$log.status" 2>/dev/null || { status=1; took=0; }
        if (( status == 0 )); then
            report "fuzz $name" 1 0 $(( SECONDS - took )) "$(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs"
        else
            report "fuzz $name" 0 1 $(( SECONDS - took )) "exit code $status, artifacts in $artifacts"
            show_log_tail "$log" 40
        fi
    done
    shopt -u nullglob
}

if wants layers; then
    started=$SECONDS
    if scripts/check-layers.sh >"$logs/check-layers.log" 2>&1; then
        report_step "check layers" 0 "$started"
    else
        report_step "check layers" 1 "$started" "see $logs/check-layers.log"
        cat "$logs/check-layers.log"
    fi
fi

if wants native; then
    build_preset native quillox_tests all
    if built quillox_tests; then
        run_gtest "test native" build/native/quillox_tests 600
    else
        report "test native" 0 1 $SECONDS "not built"
    fi
    started=$SECONDS
    if scripts/check-skin-images.sh >"$logs/check-skin-images.log" 2>&1; then
        report_step "check skin images" 0 "$started"
    else
        report_step "check skin images" 1 "$started" "see $logs/check-skin-images.log"
        show_log_tail "$logs/check-skin-images.log"
    fi
fi

if wants asan; then
    build_preset native-asan quillox_tests
    if built quillox_tests; then
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
            run_gtest "test native-asan" build/native-asan/quillox_tests 900
    else
        report "test native-asan" 0 1 $SECONDS "not built"
    fi
fi

if wants tsan; then
    build_preset native-tsan quillox_threaded_tests
    if built quillox_threaded_tests; then
        # Under some kernels TSan cannot map its shadow memory with address randomisation on
        # ("unexpected memory mapping"): then the tests run with it off.
        tsanRunner=""
        if ! build/native-tsan/quillox_threaded_tests --gtest_list_tests </dev/null >"$logs/tsan-probe.log" 2>&1 &&
            grep -q 'ThreadSanitizer' "$logs/tsan-probe.log"; then
            tsanRunner="setarch $(uname -m) -R"
            echo "tsan: the program does not start with address randomisation on; running it under $tsanRunner"
        fi
        TSAN_OPTIONS=second_deadlock_stack=1 QX_RUNNER=$tsanRunner \
            run_gtest "test native-tsan" build/native-tsan/quillox_threaded_tests 600 "$tsanFilter"
    else
        report "test native-tsan" 0 1 $SECONDS "not built"
    fi
fi

# The end-to-end cases with Wine managing its windows, in a prefix of their own. Runs after
# the other Wine stages, in their session: the cases are listed there first, so a run with
# none starts no second prefix.
run_managed_e2e() {
    local stage="wine quillox_e2e managed" started=$SECONDS listFile="$logs/wine-quillox_e2e-managed.tests"
    if ! QX_RUNNER=$QX_WINE select_gtests build/mingw/quillox_e2e.exe "$managedE2eFilter" "$listFile" >/dev/null; then
        report "$stage" 0 1 "$started" "could not list the cases"
        return
    fi
    if [[ ! -s "$listFile" ]]; then
        report "$stage" 0 0 "$started" "no cases"
        return
    fi
    qx_stop_wine
    if ! qx_start_wine "$repo/build/wineprefix-test-managed" fresh managed; then
        report_step "wine set-up managed" 1 "$started" "Wine did not start"
        return
    fi
    report_step "wine set-up managed" 0 "$started" "managed windows"
    QX_RUNNER=$QX_WINE run_gtest "$stage" build/mingw/quillox_e2e.exe 1200 "$managedE2eFilter"
}

if wants mingw; then
    build_preset mingw Quillox quillox_tests quillox_win32_tests quillox_e2e
    started=$SECONDS
    if qx_start_display "$logs/xvfb" && qx_start_wine "$repo/build/wineprefix-test" fresh unmanaged; then
        report_step "wine set-up" 0 "$started" "display $DISPLAY, unmanaged windows"
        for program in quillox_tests quillox_win32_tests quillox_e2e; do
            limit=600
            if [[ $program == quillox_e2e ]]; then
                limit=1200
                # The end-to-end cases drive Quillox.exe: without a fresh one they cannot run.
                if ! built Quillox; then
                    report "wine $program" 0 1 $SECONDS "Quillox.exe was not built"
                    continue
                fi
            fi
            if built "$program"; then
                QX_RUNNER=$QX_WINE run_gtest "wine $program" "build/mingw/$program.exe" "$limit"
                [[ $program == quillox_e2e ]] && run_managed_e2e
            else
                report "wine $program" 0 1 $SECONDS "not built"
            fi
        done
    else
        report_step "wine set-up" 1 "$started" "Xvfb or Wine did not start"
    fi
    qx_stop_wine
    qx_stop_display
fi

if wants fuzz; then
    if (( fuzzSeconds > 0 )); then
        build_preset fuzz fuzzers
        run_fuzzers
    else
        echo "fuzz: skipped (QX_FUZZ_SECONDS=0)"
    fi
fi

echo "whole run: $(( SECONDS - suiteStart ))s, logs in build/test-logs/"
echo "$totalPassed passed, $totalFailed failed"
(( totalFailed == 0 ))

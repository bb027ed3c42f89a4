#!/usr/bin/env bash
# Mutation check: how many small faults planted in a source file the native unit tests catch.
#
#   scripts/mutation-check.sh [--max-per-file=N] [--filter=PATTERN] [--timeout=SECONDS] FILE...
#
# For each FILE under src/ (paths as given, on the current tree) it makes simple mutants one
# at a time: a comparison flipped (< and >=, > and <=, == and !=), one statement on a line of
# its own replaced by {} (calls and assignments; declarations, returns and control lines are
# left alone), an integer literal n made n+1, true and false swapped. Comments, strings,
# character literals and preprocessor lines are never touched. Each mutant is written into
# the file, quillox_tests is rebuilt incrementally (native preset, all cores) and run with a
# time limit and --gtest_fail_fast:
#   killed           a test failed or the program crashed or timed out
#   survived         every test passed: a fault no test notices
#   did not compile  the build failed; left out of the totals
# Prints per file and in total "killed/total" and every surviving mutant (file:line, change).
#
# Options:
#   --max-per-file=N    at most N mutants per file (default 40), spread evenly over the file,
#                       the same ones on every run
#   --filter=PATTERN    passed to quillox_tests as --gtest_filter=PATTERN (faster, for a file
#                       whose tests are known)
#   --timeout=SECONDS   time limit of one test run (default ten times the unmutated run, >= 30)
#
# The file is always put back: after each mutant, at the end, on Ctrl-C and on SIGTERM. Its
# original is also kept in build/mutation/backup/ while it is mutated, and a later run puts
# back a backup left by a run that was killed outright. Holds build/test.lock (the lock of
# scripts/test.sh) throughout, so no test run builds or tests a mutated tree.
# Logs of the last build and test run: build/mutation/logs/.
set -uo pipefail

case "${1:-}" in
    -h|--help) sed -n '2,30p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; exit 0 ;;
esac
exec python3 "$(dirname "${BASH_SOURCE[0]}")/mutation-check.py" "$@"

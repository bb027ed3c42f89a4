#!/usr/bin/env bash
# Whole-process search: quillox-cli against fzf and grep over the same 100,000 candidates.
#
#   bench/compare.sh [QUERY] [RUNS]      (defaults: note, 50)
#
# Builds quillox-cli (native preset), generates build/compare/Quillox-Data/Files.txt with
# 100,000 entries (names of one to three words, most with two words of search terms; the
# same file on every machine) and candidates.txt with the same entries as "Name SearchTerms"
# lines, then times the three programs with hyperfine, each as a whole process.
set -euo pipefail

query=${1:-note}
runs=${2:-50}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/compare
data=$out/Quillox-Data

missing=()
for tool in hyperfine fzf; do command -v "$tool" >/dev/null || missing+=("$tool"); done
if ((${#missing[@]})); then
    if [[ $(id -u) == 0 ]]; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
    else
        echo "missing: ${missing[*]}; run as root: apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
fi

cd "$root"
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)" --target quillox-cli >/dev/null
cli=$root/build/native/quillox-cli

mkdir -p "$data"
# Park-Miller numbers: every product stays below 2^53, so any awk makes the same file.
awk -v count=100000 -v files="$data/Files.txt" -v candidates="$out/candidates.txt" '
function rnd(n) { seed = (seed * 16807) % 2147483647; return seed % n }
BEGIN {
    seed = 42
    ns = split("ka lo mi ter san vo ri pel du ex ban so cra fi gum ho jet qui wa zen ly pro tor ix", syl, " ")
    for (i = 1; i <= 2000; i++) {
        w = ""; parts = 2 + rnd(2)
        for (p = 0; p < parts; p++) w = w syl[1 + rnd(ns)]
        if (rnd(3) == 0) w = toupper(substr(w, 1, 1)) substr(w, 2)
        words[i] = w
    }
    nw = split("Notepad Keynote Notes Editor Paint Calc Explorer Setup", extra, " ")
    for (i = 1; i <= nw; i++) words[2000 + i] = extra[i]
    nw += 2000
    for (i = 0; i < count; i++) {
        name = words[1 + rnd(nw)]
        for (e = rnd(3); e > 0; e--) name = name " " words[1 + rnd(nw)]
        terms = rnd(8) == 0 ? "" : words[1 + rnd(nw)] " " words[1 + rnd(nw)]
        printf "%s|||%s\r\n", name, terms > files
        print name " " terms > candidates
    }
}'
# A data folder in use: with no command history the program would take it for a first start.
printf 'exe: notepad\r\nexe: calc\r\n' >"$data/OldOrders.txt"

echo "candidates: $(wc -l <"$out/candidates.txt") lines, $(wc -c <"$out/candidates.txt") bytes"
echo "rows for \"$query\": quillox-cli $("$cli" --data "$data" search "$query" | wc -l)," \
    "fzf $(fzf --filter "$query" -e <"$out/candidates.txt" | wc -l)," \
    "grep $(grep -icF -- "$query" "$out/candidates.txt")"

# -N: no shell between hyperfine and the program. fzf reads its candidates from standard
# input, so it alone runs under sh (about half a millisecond of its figure).
hyperfine -N --warmup 5 --runs "$runs" --export-markdown "$out/compare.md" \
    -n quillox-cli "$cli --data $data search $query" \
    -n fzf "sh -c 'exec fzf --filter $query -e < $out/candidates.txt'" \
    -n grep "grep -iF -- $query $out/candidates.txt"

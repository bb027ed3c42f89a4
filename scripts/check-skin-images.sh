#!/usr/bin/env bash
# Checks that the committed skin images are exactly what tools/skin-images draws: builds
# skin_image_generator with the native preset (or reuses build/native), runs it into a
# temporary folder and compares byte for byte with src/skin/images/, data/skins/Slate/ and
# docs/skin-images.png. Prints every file that differs, is missing or is extra, and fails.
#
# Options:
#   --update    regenerate the committed files instead (after changing the generator)
#   -h, --help  show this text
set -uo pipefail

usage() { sed -n '2,10p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; }

update=0
for arg in "$@"; do
    case "$arg" in
        --update) update=1 ;;
        -h|--help) usage; exit 0 ;;
        *) echo "check-skin-images: unknown option $arg" >&2; usage >&2; exit 2 ;;
    esac
done

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo" || exit 1

outputs=(src/skin/images data/skins/Slate docs/skin-images.png)
generator=build/native/skin_image_generator

if [[ ! -f build/native/CMakeCache.txt ]] && ! cmake --preset native >/dev/null; then
    echo "check-skin-images: configuring the native preset failed" >&2
    exit 1
fi
if ! nice -n 10 cmake --build --preset native -j2 --target skin_image_generator >/dev/null; then
    echo "check-skin-images: skin_image_generator did not build" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! "$generator" "$work" || ! "$generator" --sheet "$work/docs/skin-images.png"; then
    echo "check-skin-images: skin_image_generator failed" >&2
    exit 1
fi

if (( update )); then
    for output in "${outputs[@]}"; do
        rm -rf "$output"
        mkdir -p "$(dirname "$output")"
        cp -R "$work/$output" "$output"
    done
    echo "check-skin-images: regenerated ${outputs[*]}"
    exit 0
fi

# File lists of both sides (names may hold spaces, never line breaks).
(cd "$work" && find "${outputs[@]}" -type f | LC_ALL=C sort) >"$work/.expected"
(find "${outputs[@]}" -type f 2>/dev/null | LC_ALL=C sort) >"$work/.committed"
problems=0
while IFS= read -r file; do
    echo "missing:  $file"
    problems=$(( problems + 1 ))
done < <(LC_ALL=C comm -23 "$work/.expected" "$work/.committed")
while IFS= read -r file; do
    echo "extra:    $file"
    problems=$(( problems + 1 ))
done < <(LC_ALL=C comm -13 "$work/.expected" "$work/.committed")
while IFS= read -r file; do
    if ! cmp -s "$work/$file" "$file"; then
        echo "differs:  $file"
        problems=$(( problems + 1 ))
    fi
done < <(LC_ALL=C comm -12 "$work/.expected" "$work/.committed")

count=$(wc -l <"$work/.expected")
if (( problems > 0 )); then
    echo "check-skin-images: $problems of $count files do not match the generator;" \
         "run scripts/check-skin-images.sh --update if the generator changed on purpose"
    exit 1
fi
echo "check-skin-images: all $count files match the generator"

#!/usr/bin/env bash
# Checks that the code under src/ keeps to its layers. Every #include "..." of a file in
# src/<layer>/ must name a file of its own layer or of a layer the table below lets it use;
# an include that points up or sideways fails. Portable code never includes Win32 code (a
# <layer>/win32/ header) nor a Windows SDK header; the Win32 code of a layer may include the
# Win32 code of its own layer and of the layers it uses.
#
# Prints FILE:LINE: the offending include, for every offence, and exits 1; exits 0 when the
# tree keeps to the table. Run from anywhere; it checks the checkout it lives in.
set -euo pipefail

# The layers, bottom to top: each may include itself and the layers named after it, which
# all lie below it. This table is the one place that says how the layers stack.
layerOrder=(platform text controls store search exec skin dialogs app cli)
declare -A mayUse=(
    [platform]=""
    [text]="platform"
    [controls]="platform text"
    [store]="platform text controls"
    [search]="platform text controls store"
    [exec]="platform text controls store search"
    [skin]="platform text controls store"
    [dialogs]="platform text controls store search exec skin"
    [app]="platform text controls store search exec skin dialogs"
    [cli]="platform text controls store search exec skin dialogs app"
)
# Folders of a layer that hold system code as its win32/ folder does: the command-line
# program's entry asks Windows where it lives when built for it.
systemFolders="win32 main"

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo/src"

isLayer() { [[ -n "${mayUse[$1]+set}" ]]; }

# Whether the second folder of a path under src/ makes it system code.
isSystemPart() {
    local path=$1 rest folder
    rest=${path#*/}
    [[ "$rest" == */* ]] || return 1
    folder=${rest%%/*}
    [[ " $systemFolders " == *" $folder "* ]]
}

for layer in "${layerOrder[@]}"; do
    isLayer "$layer" || { echo "check-layers: $layer is in the order but not in the table" >&2; exit 2; }
done

offences=0
report() {
    echo "src/$1:$2: $3"
    offences=$((offences + 1))
}

while IFS= read -r file; do
    fromLayer=${file%%/*}
    if ! isLayer "$fromLayer"; then
        report "$file" 1 "lies in no layer (src/$fromLayer/ is not in the table)"
        continue
    fi
    fromSystem=0
    isSystemPart "$file" && fromSystem=1
    lineNumber=0
    while IFS= read -r line; do
        lineNumber=$((lineNumber + 1))
        [[ "$line" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*([\"\<])([^\">]*)[\"\>] ]] || continue
        kind=${BASH_REMATCH[1]}
        target=${BASH_REMATCH[2]}
        if [[ "$kind" == "<" ]]; then
            if (( ! fromSystem )) &&
                [[ "${target,,}" =~ ^(windows|win[a-z0-9]*|shl[a-z]*|shobj[a-z]*|shellapi|commctrl|commdlg|objbase|objidl|ole[a-z0-9]*|msi[a-z]*|shtypes|knownfolders|uxtheme|dwmapi)\.h$ ]]; then
                report "$file" "$lineNumber" "#include <$target> in portable code"
            fi
            continue
        fi
        toLayer=${target%%/*}
        if [[ "$target" != */* ]] || ! isLayer "$toLayer"; then
            report "$file" "$lineNumber" "#include \"$target\" names no layer"
            continue
        fi
        if [[ "$toLayer" != "$fromLayer" && " ${mayUse[$fromLayer]} " != *" $toLayer "* ]]; then
            report "$file" "$lineNumber" "#include \"$target\": $fromLayer may not use $toLayer"
            continue
        fi
        if (( ! fromSystem )) && isSystemPart "$target"; then
            report "$file" "$lineNumber" "#include \"$target\": portable code may not use Win32 code"
        fi
    done <"$file"
done < <(find . -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.rc' \) | sed 's#^\./##' | sort)

if (( offences > 0 )); then
    echo "check-layers: $offences include(s) break the layers (table in scripts/check-layers.sh)"
    exit 1
fi
echo "check-layers: every include keeps to the layers"

#!/bin/bash
# Fails when a core library reaches widget code: a library of Qt Gui, Widgets or another
# graphical Qt module, or a form library, among those it links, a Qt header that Qt Core does not
# ship, or a header of ui/ outside the toolkit's Qt-Core part, included by one of its sources.
# Arguments: the folder of <target>.links / <target>.sources lists, the source root, the
# QtCore include folder.
set -u
lists=$1 root=$2 qtcore=$3
forms='^(oxta_ui|oxta_security|oxta_catalogs|oxta_planning|oxta_reports|oxta_app)$'
gui='^Qt[0-9]*::(Gui|Widgets|Svg|SvgWidgets|PrintSupport|Charts|OpenGL|OpenGLWidgets|Quick|Qml)'
fail=0
shopt -s nullglob
cores=("$lists"/*.links)
if [ ${#cores[@]} -eq 0 ]; then
    echo "no core lists in $lists" >&2
    exit 1
fi
for links in "${cores[@]}"; do
    core=$(basename "$links" .links)
    while read -r lib; do
        [ -z "$lib" ] && continue
        if [[ $lib =~ $gui ]] || [[ $lib =~ $forms ]]; then
            echo "$core links $lib"
            fail=1
        fi
    done <"$links"
    while read -r src; do
        [ -z "$src" ] && continue
        while IFS= read -r inc; do
            [[ $inc =~ include[[:space:]]*[\<\"]([^\>\"]+) ]] || continue
            header=${BASH_REMATCH[1]}
            case $header in
                Qt*/*) module=${header%%/*}
                       [ "$module" = QtCore ] || { echo "$src includes $header"; fail=1; } ;;
                Q*) [ -e "$qtcore/$header" ] || { echo "$src includes $header"; fail=1; } ;;
                ui/*) grep -qxF "$header" "$lists/ui_core.headers" ||
                          { echo "$src includes $header"; fail=1; } ;;
                security/*|catalogs/*|planning/*|reports/*|app/*)
                    # Another folder's header: only its core's.
                    grep -qxF "$root/$header" "$lists"/*.sources ||
                        { echo "$src includes $header"; fail=1; } ;;
            esac
        done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$src")
    done <"$lists/$core.sources"
done
[ $fail = 0 ] && echo "cores checked: ${#cores[@]}"
exit $fail

#!/usr/bin/env bash
# The manual pages: each one formats without a warning, has the sections an administrator
# looks for, points only at pages that exist, and lists the same options as its program's
# --help. A page whose OPTIONS say the program "has no options of its own" (the window program
# and its launcher) lists none, and its program is not started.
#   manpages_test.sh <folder of the pages> <folder of programs>...
set -uo pipefail
pages="$1"
shift
command -v groff >/dev/null || exit 77 # no formatter: skipped
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen

# The text of one section (between .SH NAME and the next .SH), roff escapes for the hyphen and
# font changes removed.
section() { # page, title
    awk -v want="$2" '
        /^\.SH/ { title = $0; sub(/^\.SH +/, "", title); gsub(/"/, "", title)
                  inside = (title == want); next }
        inside' "$1" | sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' -e 's/\\(aq/'"'"'/g'
}

# Options a page documents: the tags of the .TP entries under OPTIONS (the line after .TP).
page_options() { # page
    section "$1" OPTIONS | awk 'tag { print; tag = 0 } /^\.TP/ { tag = 1 }' |
        sed -e 's/^\.[BIR]*[ \t]*//' | tr -s ' ,"' '\n\n\n' | grep -E '^--?[A-Za-z]' | sort -u
}

# Options a program's --help shows (Qt's layout: "  -c <file>   Text", "  -h, --help  Text").
help_options() { # program
    "$1" --help 2>&1 | sed -n 's/^  \(-[^ ].*\)$/\1/p' | sed 's/  .*//' |
        tr -s ' ,' '\n\n' | grep -E '^--?[A-Za-z]' | sort -u
}

find_program() { # name: the first of the program folders that holds it
    local d
    for d in "${programs[@]}"; do [ -x "$d/$1" ] && echo "$d/$1" && return 0; done
    return 1
}
programs=("$@")
shopt -s nullglob
all=("$pages"/*.1)
[ "${#all[@]}" -ge 4 ] || fail "fewer than four pages in $pages"
for page in "${all[@]}"; do
    name="$(basename "$page" .1)"

    # Formats without a warning, as man --warnings does it.
    warnings="$(groff -ww -t -man -z "$page" 2>&1)"
    [ -z "$warnings" ] || fail "$name: groff says: $warnings"

    for title in NAME SYNOPSIS DESCRIPTION OPTIONS FILES "EXIT STATUS" EXAMPLES "SEE ALSO"; do
        [ -n "$(section "$page" "$title" | tr -d ' \n')" ] || fail "$name: no $title section"
    done
    section "$page" NAME | grep -q "^$name - " || fail "$name: NAME does not begin with '$name - '"
    section "$page" FILES | grep -q 'config\.ini' || fail "$name: FILES does not name config.ini"

    # Every page of this package it points at exists.
    for ref in $(section "$page" "SEE ALSO" | sed -n 's/^\.BR \(OXTAStaffing\|oxta-[^ ]*\) (1),\{0,1\}$/\1/p'); do
        [ -f "$pages/$ref.1" ] || fail "$name: SEE ALSO $ref(1), which has no page"
    done

    program="$(find_program "$name")" || { fail "$name: no program of that name"; continue; }
    documented="$(page_options "$page")"
    if section "$page" OPTIONS | tr '\n' ' ' | grep -q 'has no options of its own'; then
        [ -z "$documented" ] || fail "$name: says it has no options, yet lists: $documented"
        continue
    fi
    shown="$(help_options "$program")"
    [ -n "$shown" ] || { fail "$name: --help shows no option"; continue; }
    if [ "$documented" != "$shown" ]; then
        fail "$name: page and --help differ (< page only, > --help only):"
        diff <(echo "$documented") <(echo "$shown") | grep '^[<>]' >&2
    fi
done
exit $((failures > 0))

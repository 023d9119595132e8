#!/bin/sh
# Document examples: the files a Markdown document marks are extracted and run through oxel
#   check_doc_examples.sh OXEL DOCUMENT WORKDIR [CLEAN_FILE...]
#
# Markers are HTML comments on a line of their own, each followed by a fenced code block:
#   <!-- file: NAME -->        the block is the whole file NAME
#   <!-- part of: NAME -->     the block is a run of whole lines of the file NAME, as they stand there
#   <!-- run: exit N -->       the block's first line is "$ oxel ARGS"; the rest is what that command
#                              prints (standard error and output together), and N its exit status
#   <!-- run: exit N; in NAME: OLD => NEW -->
#                              the same, run while the first place where NAME holds OLD reads NEW
# Every file whose name ends in .oxel must parse without a message; every CLEAN_FILE must check with
# exit status 0 and the one line "CLEAN_FILE: no errors or warnings". Commands run in the folder the
# files are extracted to, so include directives find their files. Any other HTML comment in the
# document, a marker without its block, or a document that marks no file fails the script.

oxel=${1:?usage: check_doc_examples.sh OXEL DOCUMENT WORKDIR [CLEAN_FILE...]}
doc=${2:?usage: check_doc_examples.sh OXEL DOCUMENT WORKDIR [CLEAN_FILE...]}
work=${3:?usage: check_doc_examples.sh OXEL DOCUMENT WORKDIR [CLEAN_FILE...]}
shift 3
clean_files=$*
[ -f "$doc" ] || { echo "no such document: $doc"; exit 2; }
[ -x "$oxel" ] || { echo "no such program: $oxel"; exit 2; }
case $oxel in /*) ;; *) oxel=$(pwd)/$oxel ;; esac
shown=$(basename "$doc")
NO_COLOR=1
export NO_COLOR

rm -rf "$work"
mkdir -p "$work/files" "$work/parts" "$work/runs" || exit 2

# Extraction: one pass over the document. Files go to files/NAME; a fragment to parts/K with its
# file's name in parts/K.of; a run to runs/K/ (block, status, and the edit if any).
awk -v work="$work" -v doc="$shown" '
function fail(message) { printf "%s:%d: %s\n", doc, NR, message; failed = 1; exit 1 }
function safe(name) { return name ~ /^[A-Za-z0-9_.-]+(\/[A-Za-z0-9_.-]+)*$/ && name !~ /(^|\/)\.\.?(\/|$)/ }
BEGIN { pending = ""; in_block = 0; parts = 0; runs = 0 }
in_block {
    if ($0 == fence) {
        close(target); in_block = 0
        if (kind == "run" && lines == 0) fail("the run block opened at line " opened " is empty")
        next
    }
    print > target; lines++
    next
}
/^<!--/ {
    if (pending != "") fail("marker without its code block (the one at line " marker_line ")")
    line = $0
    if (line !~ / -->$/) fail("a marker stands on one line and ends with \" -->\"")
    sub(/^<!-- */, "", line); sub(/ *-->$/, "", line)
    marker_line = NR
    if (line ~ /^file: /) {
        name = substr(line, 7)
        if (!safe(name)) fail("unusable file name \"" name "\"")
        if (name in seen) fail("file " name " is marked twice")
        seen[name] = 1; pending = "file"; target = work "/files/" name
        if (name ~ /\//) { dir = target; sub(/\/[^\/]*$/, "", dir); system("mkdir -p \"" dir "\"") }
    } else if (line ~ /^part of: /) {
        name = substr(line, 10)
        if (!safe(name)) fail("unusable file name \"" name "\"")
        parts++; pending = "part"; target = work "/parts/" parts
        printf "%s\n%d\n", name, NR > (target ".of"); close(target ".of")
    } else if (line ~ /^run: exit [0-9]+(; in .+: .+ => .*)?$/) {
        runs++; pending = "run"; target = work "/runs/" runs "/block"
        system("mkdir -p \"" work "/runs/" runs "\"")
        meta = work "/runs/" runs
        status = line; sub(/^run: exit /, "", status); sub(/;.*/, "", status)
        printf "%s\n", status > (meta "/status"); close(meta "/status")
        printf "%d\n", NR > (meta "/line"); close(meta "/line")
        if (line ~ /; in /) {
            edit = line; sub(/^[^;]*; in /, "", edit)
            split_at = index(edit, ": ")
            name = substr(edit, 1, split_at - 1); edit = substr(edit, split_at + 2)
            arrow = index(edit, " => ")
            if (!safe(name) || arrow == 0) fail("an edit reads \"in NAME: OLD => NEW\"")
            printf "%s\n", name > (meta "/edit_file"); close(meta "/edit_file")
            printf "%s", substr(edit, 1, arrow - 1) > (meta "/old"); close(meta "/old")
            printf "%s", substr(edit, arrow + 4) > (meta "/new"); close(meta "/new")
        }
    } else {
        fail("unknown marker \"" line "\" (file:, part of:, run: exit N)")
    }
    next
}
/^[ \t]*$/ { next }
/^```/ {
    if (pending == "") {
        # An unmarked block (a fragment or an illustration): skip it whole.
        fence = $0; sub(/[^`].*$/, "", fence)
        while ((getline nextline) > 0 && nextline != fence) {}
        next
    }
    fence = $0; sub(/[^`].*$/, "", fence)
    kind = pending; pending = ""; in_block = 1; lines = 0; opened = NR
    printf "" > target
    next
}
{ if (pending != "") fail("marker at line " marker_line " is not followed by a code block") }
END {
    if (failed) exit 1
    if (in_block) { printf "%s: the code block opened at line %d is not closed\n", doc, opened; exit 1 }
    if (pending != "") { printf "%s:%d: marker without its code block\n", doc, marker_line; exit 1 }
}
' "$doc" || exit 1

failures=0
complain() { echo "$shown: $*"; failures=$((failures + 1)); }

file_count=$(cd "$work/files" && find . -type f | wc -l)
[ "$file_count" -gt 0 ] || { echo "$shown: no file is marked (<!-- file: NAME --> before a code block)"; exit 1; }

# Fragments: each must stand in its file, line for line.
part_count=0
for of in "$work"/parts/*.of; do
    [ -f "$of" ] || continue
    part=${of%.of}
    name=$(sed -n 1p "$of") line=$(sed -n 2p "$of")
    part_count=$((part_count + 1))
    if [ ! -f "$work/files/$name" ]; then
        complain "line $line: a fragment of $name, which no block marks as a file"
        continue
    fi
    awk 'NR == FNR { want[++n] = $0; next } { have[++m] = $0 }
         END {
             for (start = 1; start + n - 1 <= m; start++) {
                 for (i = 1; i <= n && have[start + i - 1] == want[i]; i++) {}
                 if (i > n) exit 0
             }
             exit 1
         }' "$part" "$work/files/$name" ||
        complain "line $line: this fragment is not, line for line, in $name"
done

# Every complete description parses without a message.
for file in $(cd "$work/files" && find . -type f -name '*.oxel' | sed 's|^\./||' | sort); do
    messages=$(cd "$work/files" && "$oxel" parse "$file" 2>&1)
    status=$?
    [ "$status" -eq 0 ] && [ -z "$messages" ] ||
        complain "$file does not parse cleanly (exit $status):
$messages"
done

# Runs: the command as shown, its output and status as shown.
run_count=0
for meta in "$work"/runs/*; do
    [ -d "$meta" ] || continue
    run_count=$((run_count + 1))
    line=$(cat "$meta/line") want_status=$(cat "$meta/status")
    command=$(sed -n 1p "$meta/block")
    case $command in
    '$ oxel '*) ;;
    *) complain "line $line: a run block begins with \"\$ oxel ...\", not \"$command\""; continue ;;
    esac
    sed 1d "$meta/block" >"$meta/expected"
    edited=
    if [ -f "$meta/edit_file" ]; then
        edited=$(cat "$meta/edit_file")
        if [ ! -f "$work/files/$edited" ]; then
            complain "line $line: the edit names $edited, which no block marks as a file"
            continue
        fi
        cp "$work/files/$edited" "$meta/original"
        OLD=$(cat "$meta/old") NEW=$(cat "$meta/new") awk '
            { text = text $0 "\n" }
            END {
                old = ENVIRON["OLD"]; at = index(text, old)
                if (old == "" || at == 0) exit 1
                printf "%s%s%s", substr(text, 1, at - 1), ENVIRON["NEW"], substr(text, at + length(old))
            }' "$meta/original" >"$work/files/$edited" || {
            cp "$meta/original" "$work/files/$edited"
            complain "line $line: the text to replace does not stand in $edited"
            continue
        }
    fi
    set -f
    # shellcheck disable=SC2086 # the command's words, split as a shell would
    set -- ${command#'$ oxel '}
    set +f
    (cd "$work/files" && "$oxel" "$@") >"$meta/actual" 2>&1
    status=$?
    [ -z "$edited" ] || cp "$meta/original" "$work/files/$edited"
    if [ "$status" -ne "$want_status" ]; then
        complain "line $line: \"${command#'$ '}\" exits with $status, the document says $want_status"
    fi
    if ! cmp -s "$meta/expected" "$meta/actual"; then
        complain "line $line: \"${command#'$ '}\" prints otherwise than the document shows:
$(diff "$meta/expected" "$meta/actual")"
    fi
done

# The files the caller names check clean.
for file in $clean_files; do
    if [ ! -f "$work/files/$file" ]; then
        complain "$file is to check clean, but no block marks it as a file"
        continue
    fi
    messages=$(cd "$work/files" && "$oxel" check "$file" 2>&1)
    status=$?
    [ "$status" -eq 0 ] && [ "$messages" = "$file: no errors or warnings" ] ||
        complain "$file does not check clean (exit $status):
$messages"
done

if [ "$failures" -gt 0 ]; then
    echo "$shown: $failures problem(s)"
    exit 1
fi
echo "$shown: $file_count file(s), $part_count fragment(s), $run_count run(s) as the document shows"

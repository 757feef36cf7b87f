#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Brings the message catalogues (translations/<catalogue>_<language>.ts) up
# to date with the sources and reports, per file, how many messages are
# finished, unfinished (new or changed texts, still to translate) and
# obsolete (no longer in the sources), with the unfinished and obsolete
# ones listed. The English files hold only the plural forms of the sources.
#
#   scripts/translations.sh            update the .ts files, then report
#   scripts/translations.sh --prune    the same, and drop obsolete messages
#   scripts/translations.sh --check    update copies in a temporary folder and
#                                      report; nothing in the tree is written
#   scripts/translations.sh --new LL   also start the files of language LL
#
# With --check the exit status is 1 when a message is unfinished, when a
# translation lacks a placeholder (%1, %n) of its source or adds one, or when
# lupdate meets a tr() it cannot give a context (its text could never be
# translated). Obsolete messages are only reported.
#
# LUPDATE names the lupdate program (default: lupdate from PATH).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir="$top/translations"
lupdate=${LUPDATE:-lupdate}
mode=update
added=()
while [ $# -gt 0 ]; do
    case "$1" in
        --prune) mode=prune ;;
        --check) mode=check ;;
        --new) [ $# -ge 2 ] || { echo "usage: $0 [--prune | --check] [--new LL]" >&2; exit 2; }
               added+=("$2"); shift ;;
        *) echo "usage: $0 [--prune | --check] [--new LL]" >&2; exit 2 ;;
    esac
    shift
done

work=
cleanup() { [ -n "$work" ] && rm -rf "$work"; }
trap cleanup EXIT

# The languages: every one that some catalogue has a file for.
mapfile -t languages < <({ ls "$dir" | sed -n 's/^[^_]*_\(.*\)\.ts$/\1/p'
    for language in "${added[@]}"; do echo "$language"; done; } | sort -u)
if [ ${#languages[@]} -eq 0 ]; then
    echo "translations: no .ts files in $dir" >&2
    exit 1
fi

target=$dir
if [ "$mode" = check ]; then
    work=$(mktemp -d)
    target=$work
fi

options=(-silent -locations none -no-ui-lines)
[ "$mode" = prune ] && options+=(-no-obsolete)
warnings=0
files=()
while read -r catalogue sources; do
    case "$catalogue" in "" | "#"*) continue ;; esac
    read -r -a folders <<<"$sources"
    for language in "${languages[@]}"; do
        file="${catalogue}_${language}.ts"
        existed=0
        if [ -e "$dir/$file" ]; then
            existed=1
            [ "$mode" = check ] && cp "$dir/$file" "$target/$file"
        fi
        # The sources are English: their English catalogue holds only the
        # plural forms, and only where a catalogue has plural texts.
        extra=()
        [ "$language" = en ] && extra=(-pluralonly)
        # lupdate names the files it scans relative to the working folder.
        if ! log=$(cd "$top" && "$lupdate" "${options[@]}" "${extra[@]}" -target-language "$language" \
            -recursive "${folders[@]}" -ts "$target/$file" 2>&1); then
            echo "$log" >&2
            echo "translations: lupdate failed for $file" >&2
            exit 1
        fi
        if [ "$language" = en ] && [ "$existed" = 0 ] && ! grep -q "<message" "$target/$file"; then
            rm -f "$target/$file"
            continue
        fi
        if lost=$(grep -E "cannot be called without context|lacks Q_OBJECT macro" <<<"$log"); then
            echo "$lost" >&2
            warnings=$((warnings + $(wc -l <<<"$lost")))
        fi
        files+=("$target/$file")
    done
done <"$dir/catalogues"

status=0
python3 - "$mode" "${files[@]}" <<'EOF' || status=1
import re
import sys
import xml.etree.ElementTree as ET

mode, files = sys.argv[1], sys.argv[2:]
placeholder = re.compile(r"%(?:n|L?[1-9][0-9]?)")
total_unfinished = 0
total_mismatched = 0


def first_line(text):
    return (text or "").split("\n")[0]


for path in files:
    name = path.rsplit("/", 1)[-1]
    finished, unfinished, obsolete, mismatched = [], [], [], []
    for context in ET.parse(path).getroot().iter("context"):
        ctx = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            where = f"{ctx}: {first_line(source)}"
            if kind in ("obsolete", "vanished"):
                obsolete.append(where)
                continue
            if kind == "unfinished":
                unfinished.append(where)
                continue
            finished.append(where)
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            wanted = set(placeholder.findall(source))
            for form in forms:
                # Every form keeps the number: in Russian the "one" form also
                # serves 21, 31, ...
                if set(placeholder.findall(form)) != wanted:
                    mismatched.append(f"{where} -> {first_line(form)}")
    count = len(finished) + len(unfinished)
    share = 100.0 * len(finished) / count if count else 100.0
    print(f"{name}: {count} messages, {len(finished)} finished ({share:.1f}%), "
          f"{len(unfinished)} unfinished, {len(obsolete)} obsolete")
    for item in unfinished:
        print(f"  unfinished: {item}")
    for item in obsolete:
        print(f"  obsolete: {item}")
    for item in mismatched:
        print(f"  placeholders differ: {item}")
    total_unfinished += len(unfinished)
    total_mismatched += len(mismatched)

sys.exit(1 if mode == "check" and (total_unfinished or total_mismatched) else 0)
EOF

if [ "$mode" = check ]; then
    if [ "$warnings" -gt 0 ]; then
        echo "translations: $warnings text(s) lupdate cannot place in a context" >&2
        status=1
    fi
    if [ "$status" -ne 0 ]; then
        echo "translations: run scripts/translations.sh and translate the unfinished messages" >&2
    fi
fi
exit $status

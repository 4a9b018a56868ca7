#!/usr/bin/env bash
# translations_current.sh LUPDATE PROJECT.cmake GENERATOR.cmake FILE.ts [lupdate options]
#
# Fails when a translation file no longer matches the code: a text of the
# code missing from it, a text in it the code lost, or a text with no
# finished translation.  lupdate itself reads the code, so every way the
# code marks a text (tr, translate, QT_TRANSLATE_NOOP, SHOWN_TEXT) counts.
set -euo pipefail
lupdate=$1 project=$2 generator=$3 ts=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -DIN_FILE="$project" -DOUT_FILE="$work/project.json" -P "$generator"
cp "$ts" "$work/copy.ts"
"$lupdate" -silent -project "$work/project.json" -ts "$work/copy.ts" "$@"
if ! diff -u "$ts" "$work/copy.ts"; then
  echo "$ts does not match the code's texts: run make translations and translate what is new" >&2
  exit 1
fi
if grep -n 'type="\(unfinished\|vanished\|obsolete\)"' "$ts"; then
  echo "$ts has texts without a finished translation" >&2
  exit 1
fi
if grep -n '<translation></translation>' "$ts"; then
  echo "$ts has empty translations" >&2
  exit 1
fi

#!/usr/bin/env bash
# make check-format's checker: a file as .clang-format writes it passes, one
# written otherwise fails and is named, and so does a tree with one of each.
set -euo pipefail
source_dir=${1:?usage: check_format_test.sh <source folder>}
check="$source_dir/scripts/check-format"
command -v clang-format-14 >/dev/null || exit 77

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$source_dir/.clang-format" "$dir/"
printf 'int Answer() {\n    return 42;\n}\n' >"$dir/good.cpp"
printf 'int  Answer( ){return 42;}\n' >"$dir/bad.cpp"

"$check" "$dir/good.cpp" >/dev/null
if "$check" "$dir/good.cpp" "$dir/bad.cpp" >/dev/null 2>"$dir/report"; then
  echo "a badly formatted file passed" >&2
  exit 1
fi
grep -q "bad.cpp:1:" "$dir/report"
grep -q "1 of 2 files are not formatted" "$dir/report"
if grep -q "good.cpp" "$dir/report"; then
  echo "the well formatted file was named" >&2
  exit 1
fi

#!/usr/bin/env bash
# Every GIFT file the export writes, read by an independent parser
# (gift-pegjs, installed by scripts/install-deps.sh): each shipped quiz and
# worksheets made of GIFT's special characters must read as the same ten
# multiple-choice questions with the same right answers.
# check-export.sh PROGRAM RESOURCES WORKDIR NODE_MODULES
set -uo pipefail
program=$1 resources=$2 work=$3 modules=$4
here=$(cd "$(dirname "$0")" && pwd)
[ -f "$modules/gift-pegjs/package.json" ] || { echo "gift-pegjs is not installed in $modules (scripts/install-deps.sh)"; exit 1; }
export NODE_PATH=$modules

rm -rf "$work"
mkdir -p "$work/data" "$work/out"
cp -r "$resources"/. "$work/data/"
multiple="$work/data/multiple"
mapfile -t written < <(node "$here/check-export.js" write "$multiple") || exit 1
[ ${#written[@]} -gt 0 ] || { echo "no worksheets were made"; exit 1; }
# The index lists them as stored, in the quiz file's code page and line ends.
{
  printf ' %d \r\n' ${#written[@]}
  for title in "${written[@]}"; do printf '%s\r\n' "${title//,/&}"; done
} >"$multiple/track.txt"

# The built-in quizzes go by the titles they show, which their first line holds.
quizzes=()
for file in "$multiple/The Science of Rocks.txt" "$multiple/The Beginning.txt"; do
  quizzes+=("$(head -n 1 "$file" | tr -d '\r'):$file")
done
for title in "${written[@]}"; do quizzes+=("$title:$multiple/${title//,/&}.txt"); done

failed=0
n=0
for entry in "${quizzes[@]}"; do
  title=${entry%%:/*} file=/${entry#*:/}
  n=$((n + 1))
  out="$work/out/$n.gift"
  if ! env -u DISPLAY -u WAYLAND_DISPLAY "$program" --data "$work/data" --export "$title" --format gift "$out" >/dev/null; then
    echo "FAIL: the export of '$title' was refused"
    failed=1
    continue
  fi
  if node "$here/check-export.js" check "$file" "$out"; then
    echo "ok: $title"
  else
    echo "FAIL: gift-pegjs does not read '$title' back"
    failed=1
  fi
done
exit $failed

#!/usr/bin/env bash
# The built program's page writers on the terminal: a page that cannot be written gives exit 2 and
# exactly one line naming the file and the reason; nothing of the libraries underneath (Qt's own
# messages, such as the platform's note about XDG_RUNTIME_DIR) reaches the terminal, and a written
# page prints only its name.
set -uo pipefail
cli=$1
aircraft=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
unset XDG_RUNTIME_DIR
failed=0

# expect STATUS STDERR COMMAND…: the command's exit status and its whole error stream.
expect() {
  local status=$1 stderr=$2
  shift 2
  "$@" >"$dir/out" 2>"$dir/err"
  local got=$?
  if [[ $got != "$status" || $(cat "$dir/err") != "$stderr" ]]; then
    echo "FAIL: $* gave exit $got (expected $status) and on the error stream:"
    cat "$dir/err"
    failed=1
  fi
}

missing=$dir/no-such-folder
for kind in pdf png; do
  expect 2 "The file \"$missing/page.$kind\" cannot be written: no such file or folder." \
    "$cli" print "$aircraft" --$kind "$missing/page.$kind"
  expect 0 "" "$cli" print "$aircraft" --$kind "$dir/page.$kind"
done
expect 2 "The file \"$missing/template.pdf\" cannot be written: no such file or folder." \
  "$cli" report "$aircraft" --template "$missing/template.pdf"
expect 0 "" "$cli" report "$aircraft" --template "$dir/template.pdf"
[[ -s $dir/page.pdf && -s $dir/page.png && -s $dir/template.pdf ]] || { echo "FAIL: a page was not written"; failed=1; }
exit $failed

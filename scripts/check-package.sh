#!/usr/bin/env bash
# Checks a built Debian package: lintian finds no errors, and the desktop entry, the AppStream
# metainfo and the manual pages it ships pass their validators. With --install it also installs the
# package with apt-get, runs both programs from PATH, opens an example by its file type, removes the
# package again and looks for leftovers (this changes the machine: for CI and throwaway machines).
set -euo pipefail
install=0
if [[ ${1:-} == --install ]]; then
  install=1
  shift
fi
deb=$(realpath "${1:?usage: check-package.sh [--install] volantis4_VERSION_amd64.deb}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== lintian"
lintian "$deb" | tee "$work/lintian.txt" || true
if grep -q '^E: ' "$work/lintian.txt"; then
  echo "lintian reports errors"
  exit 1
fi
echo "lintian: $(grep -c '^E: ' "$work/lintian.txt") errors, $(grep -c '^W: ' "$work/lintian.txt") warnings"

echo "== validators"
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/volantis4.desktop"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml
for page in "$work"/root/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  if [[ -n $warnings ]]; then
    echo "man --warnings $(basename "$page"): $warnings"
    exit 1
  fi
done
echo "desktop entry, metainfo and manual pages are valid"

((install)) || exit 0

echo "== install, run, remove"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
files=$(dpkg-query -L volantis4)
cd "$work"
volantis4-cli calc /usr/share/doc/volantis4/examples/trainer.vn4 >/dev/null
man -w volantis4-cli >/dev/null
[[ $(xdg-mime query filetype /usr/share/doc/volantis4/examples/trainer.vn4) == application/x-volantis4-aircraft ]]
[[ $(xdg-mime query default application/x-volantis4-aircraft) == volantis4.desktop ]]
# The window opened on an example by the desktop's own opener; it must still be running after 5 s.
cat >"$work/open.sh" <<'SCRIPT'
xdg-open /usr/share/doc/volantis4/examples/canard.vn4 &
opener=$!
sleep 5
window=$(ps -o pid= -o args= --ppid "$opener" | awk '$2 == "/usr/bin/volantis4" {print $1}')
[ -n "$window" ] && kill "$window"
SCRIPT
xvfb-run -a -s '-screen 0 1400x1000x24' sh "$work/open.sh" 2>/dev/null || {
  echo "the window did not start from its file type"
  exit 1
}
apt-get remove -y -qq volantis4 >/dev/null
left=""
for f in $files; do
  if [[ -f $f ]] || { [[ -d $f ]] && [[ $f == *volantis4* ]]; }; then left+=" $f"; fi
done
if [[ -n $left ]]; then
  echo "left behind after removal:$left"
  exit 1
fi
echo "installed, ran both programs, opened an example by its type, removed without leftovers"

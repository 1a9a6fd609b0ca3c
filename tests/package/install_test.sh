#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a modeller gets there: the programs run from
# the prefix alone (no path back into the build), every desktop file is in its standard place and
# passes its validator, the file types are recognised, and each example aircraft calculates.
set -uo pipefail
build=$1
have_window=$2  # 1 when the build has the window program
prefix=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$prefix" "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

for file in bin/volantis4-cli share/applications/volantis4.desktop share/mime/packages/volantis4.xml \
  share/metainfo/org.example.volantis4.metainfo.xml share/icons/hicolor/scalable/apps/volantis4.svg \
  share/man/man1/volantis4.1.gz share/man/man1/volantis4-cli.1.gz share/doc/volantis4/copyright \
  share/doc/volantis4/examples/trainer.vn4 share/doc/volantis4/examples/flying_wing.vn4 \
  share/doc/volantis4/examples/canard.vn4 share/doc/volantis4/examples/tandem.vn4; do
  [[ -f $prefix/$file ]] || fail "$file not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/volantis4.png
  [[ $(file -b "$icon" 2>/dev/null) == "PNG image data, $size x $size,"* ]] || fail "no ${size} px PNG icon"
done
if ((have_window)); then
  [[ -x $prefix/bin/volantis4 ]] || fail "bin/volantis4 not installed"
fi
for program in "$prefix"/bin/*; do
  if readelf -d "$program" | grep -qE 'RPATH|RUNPATH'; then fail "$program keeps a library search path"; fi
done

# The installed CLI, run from an empty folder with the build out of sight.
cd "$work"
cli=$prefix/bin/volantis4-cli
for example in "$prefix"/share/doc/volantis4/examples/*.vn4; do
  output=$("$cli" calc "$example" 2>&1)
  status=$?
  ((status == 0)) || fail "calc $(basename "$example") exited with $status: $output"
  grep -q '^x_ac: ' <<<"$output" || fail "calc $(basename "$example") printed no neutral point: $output"
done
# The trainer's main wing: 2 x (500 x 250 + 300 x (250 + 190) / 2) mm^2 = 38.20 dm^2.
"$cli" calc "$prefix/share/doc/volantis4/examples/trainer.vn4" | grep -q '^Reference area (S): 38.20dm^2' ||
  fail "the trainer's reference area is not 38.20 dm^2"
if "$cli" --help | grep -q '^  print '; then
  QT_QPA_PLATFORM=offscreen "$cli" print "$prefix/share/doc/volantis4/examples/tandem.vn4" --png page.png >/dev/null 2>&1 ||
    fail "print --png exited with $?"
  [[ $(file -b page.png 2>/dev/null) == "PNG image data, 807 x 1620,"* ]] || fail "print wrote no 807 x 1620 page"
fi

# Validators of the freedesktop.org files, each where it is installed.
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/volantis4.desktop" || fail "desktop-file-validate"
else
  echo "note: desktop-file-validate missing, desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.example.volantis4.metainfo.xml" >appstream.log 2>&1 ||
    fail "appstreamcli validate: $(cat appstream.log)"
else
  echo "note: appstreamcli missing, metainfo not validated"
fi
for page in "$prefix"/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "man --warnings $(basename "$page"): $warnings"
done

# File types: by extension, and an aircraft file without extension by its first line.
if command -v update-mime-database >/dev/null && command -v mimetype >/dev/null; then
  XDG_DATA_DIRS="$prefix/share:/usr/share" update-mime-database "$prefix/share/mime" || fail "update-mime-database"
  cp "$prefix/share/doc/volantis4/examples/canard.vn4" plane-without-extension
  printf '220\r\n' >old.da4
  for pair in "$prefix/share/doc/volantis4/examples/canard.vn4=application/x-volantis4-aircraft" \
    "plane-without-extension=application/x-volantis4-aircraft" "old.da4=application/x-volantis4-legacy"; do
    type=$(XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS="$prefix/share:/usr/share" mimetype -b "${pair%%=*}")
    [[ $type == "${pair#*=}" ]] || fail "$(basename "${pair%%=*}") is $type, not ${pair#*=}"
  done
else
  echo "note: update-mime-database or mimetype missing, file types not checked"
fi

((failed)) && exit 1
echo "installed into a temporary prefix; the installed programs and files check out"

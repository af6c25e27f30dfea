#!/usr/bin/env bash
# The main job: builds, then takes every form file in examples/ (binary .dfm or text .txt):
# converts it to its other form and renders it headless as a PNG, both into out/.
# The viewer loads the library's run-time package, so forms may hold the library's components;
# a form whose classes are unknown is converted but not rendered. The library's message box,
# which no form file holds, is pictured by tools/msgview. Some forms are pictured once more with
# a control dropped down (formview --open). tools/designview pictures the design-time surface
# into out/design/: the palette pages, the object inspector's view of one component of each page
# and the package's editor forms.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
mkdir -p out
shopt -s nullglob
status=0
for f in examples/*.dfm examples/*.txt; do
  name=$(basename "$f")
  base=${name%.*}
  case "$name" in
    *.dfm) conv="out/$base.txt" ;;
    *) conv="out/$base.dfm" ;;
  esac
  if build/tools/formconv "$f" "$conv"; then
    echo "converted $f -> $conv"
  else
    status=1
  fi
  if build/tools/formview "$f" "out/$base.png" --package build/packages/zyl70se_B5.so \
      2>"out/$base.err"; then
    echo "rendered  $f -> out/$base.png"
    rm -f "out/$base.err"
  else
    echo "not rendered: $f ($(head -n 1 "out/$base.err"))"
  fi
done
# Forms pictured once more with a control dropped down (form and control).
for pair in "browseedits ComboOpen" "combos ColorCombo"; do
  read -r base control <<<"$pair"
  if build/tools/formview "examples/$base.txt" "out/$base-open.png" \
      --package build/packages/zyl70se_B5.so --open "$control" 2>"out/$base-open.err"; then
    echo "rendered  examples/$base.txt with $control dropped down -> out/$base-open.png"
    rm -f "out/$base-open.err"
  else
    echo "not rendered: $base with $control open ($(head -n 1 "out/$base-open.err"))"
  fi
done
# The library's message box is built in code: its own viewer pictures it.
if build/tools/msgview out/msgbox.png 2>out/msgbox.err; then
  echo "rendered  message box -> out/msgbox.png"
  rm -f out/msgbox.err
else
  echo "not rendered: message box ($(head -n 1 out/msgbox.err))"
fi
# What a user of the form designer sees of the library.
if build/tools/designview out/design 2>out/design.err; then
  rm -f out/design.err
else
  echo "design gallery incomplete ($(head -n 1 out/design.err))"
fi
exit $status

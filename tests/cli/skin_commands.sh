#!/usr/bin/env bash
# End-to-end check of longtail-cli skin pack / info / unpack on the basic test skin:
# the JSON shapes, the pack-unpack-pack round trip, and clean failures on bad input.
set -u
cli=$1
skin=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A command that must fail with exit code $1 and exactly one line on stderr.
expect_error() {
  local code=$1; shift
  "$cli" "$@" >"$work/out" 2>"$work/err"
  local rc=$?
  [ "$rc" -eq "$code" ] || fail "$* exited $rc, expected $code"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$* printed $(wc -l <"$work/err") error lines"
}

"$cli" skin pack "$skin/skin.ini" -o "$work/a.skn" || fail "pack"
"$cli" skin info "$work/a.skn" >"$work/info.json" || fail "info"
grep -q '^{"version": 3, "pictures": {"main": {"width": 48, "height": 36, "bits": 24}, "inactive": null, "mask": {"width": 48, "height": 36, "bits": 8}}, "active": \[{"width": 30, "height": 20, "bits": 24}, {"width": 13, "height": 9, "bits": 4}, {"width": 9, "height": 7, "bits": 1}\], "text_length": [0-9]*, "info": {"skinname": "Basic test skin", ' "$work/info.json" || fail "info shape: $(cat "$work/info.json")"
grep -q '"controls": \[{"name": "button", "kind": "button"}, {"name": "panel", "kind": "panel"}, {"name": "checkbox", "kind": "checkradio"}, {"name": "listbox", "kind": "listbox"}, {"name": "vscrollbar", "kind": "scrollbar"}\]}$' "$work/info.json" || fail "controls list"

"$cli" skin info "$work/a.skn" --element button >"$work/button.json" || fail "element"
grep -q '^{"name": "button", "kind": "button", "class": "LqDataSkinButtonControl", "fields": {"pictureindex": 0, "maskpictureindex": -1, "skinrect": \[0, 0, 15, 20\], "lefttoppoint": \[3, 3\],' "$work/button.json" || fail "element shape: $(cat "$work/button.json")"
grep -q '"fontstyle": \[\], "fontcolor": 255,' "$work/button.json" || fail "element values"
"$cli" skin info "$work/a.skn" --element panel | grep -q '"alignment": 1, .*"fontstyle": \["underline", "strikeout"\]' || fail "panel values"
"$cli" skin info "$work/a.skn" --forminfo >"$work/form.json" || fail "forminfo"
grep -q '"maskrectarea": \[4, 10, 44, 32\]' "$work/form.json" || fail "forminfo adjustments"
grep -q '"popupwindow": {"windowpictureindex": 0,' "$work/form.json" || fail "popupwindow"
grep -q '"skincolors": {"cbtnface": 12632256, "cbtntext": 4278190098,' "$work/form.json" || fail "skincolors"
if command -v python3 >/dev/null; then
  python3 -c 'import json, sys; [json.load(open(f)) for f in sys.argv[1:]]' \
    "$work/info.json" "$work/button.json" "$work/form.json" || fail "output is not JSON"
fi

"$cli" skin unpack "$work/a.skn" "$work/unpacked" || fail "unpack"
"$cli" skin pack "$work/unpacked/skin.ini" -o "$work/b.skn" || fail "pack again"
cmp -s "$work/a.skn" "$work/b.skn" || fail "pack - unpack - pack changed the container"

# A link in the target folder named like a picture is replaced, never written through.
mkdir -p "$work/linked" && printf keep >"$work/victim" && ln -s "$work/victim" "$work/linked/main.bmp"
"$cli" skin unpack "$work/a.skn" "$work/linked" || fail "unpack over a link"
[ "$(cat "$work/victim")" = keep ] || fail "unpack wrote through a symbolic link"
[ ! -L "$work/linked/main.bmp" ] || fail "unpack kept the link"

expect_error 1 skin info "$work/missing.skn"
head -c 100 "$work/a.skn" >"$work/cut.skn"
expect_error 1 skin info "$work/cut.skn"
expect_error 1 skin unpack "$work/cut.skn" "$work/x"
expect_error 1 skin info "$work/a.skn" --element Button
printf '[VERSION]\r\n[PICTURES]\r\n' >"$work/partial.ini"
expect_error 1 skin pack "$work/partial.ini" -o "$work/c.skn"
[ ! -e "$work/c.skn" ] || fail "a failed pack wrote its output"
expect_error 2 skin pack "$skin/skin.ini"
expect_error 2 skin info
echo "ok"

#!/usr/bin/env bash
# cmake --install into a temporary prefix: the XDG layout, the desktop entry as the
# desktop reads it, the icon sizes, and the installed programs keeping the user's files in
# the per-user folder (never beside themselves, although root could write there).
# Usage: check_installation.sh SOURCE-FOLDER BUILD-FOLDER APP-ID VERSION
set -euo pipefail
source="$1" build="$2" id="$3" version="$4"

work="$(mktemp -d)"
window=""
cleanup() {
  [ -n "$window" ] && kill "$window" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

sizes="16 24 32 48 64 128 256"
expected="bin/tidecopy
bin/tidecopy-cli
share/applications/$id.desktop
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/tidecopy-cli.1
share/man/man1/tidecopy.1
share/metainfo/$id.metainfo.xml
share/tidecopy/Manual.pdf
share/tidecopy/s0.wav
share/tidecopy/s1.wav
share/tidecopy/s2.wav
share/tidecopy/s3.wav"
for size in $sizes; do
  expected+=$'\n'"share/icons/hicolor/${size}x$size/apps/$id.png"
done
installed() { (cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort); }
diff <(echo "$expected" | LC_ALL=C sort) <(installed) || fail "the installed files differ (< expected, > installed)"

desktop="$prefix/share/applications/$id.desktop"
report="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -qx "Exec=tidecopy" "$desktop" || fail "the desktop entry does not start tidecopy"

for size in $sizes; do
  png="$prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
  drawn="$(python3 -c 'import struct, sys
data = open(sys.argv[1], "rb").read(24)
assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
print("%dx%d" % struct.unpack(">II", data[16:24]))' "$png")"
  [ "$drawn" = "${size}x$size" ] || fail "$png is $drawn"
done

export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME"
cli="$prefix/bin/tidecopy-cli"
[ "$("$cli" --version)" = "tidecopy-cli $version" ] || fail "tidecopy-cli --version"
profiles="$XDG_CONFIG_HOME/Tidecopy/Profiles"
[ -d "$profiles" ] && [ -d "$XDG_CONFIG_HOME/Tidecopy/Logs" ] || fail "no per-user Profiles/ and Logs/"
cp "$source/tests/config/fuzz/corpus/settings-lf.ini" "$profiles/job.prof"
"$cli" show job | grep -q '^optAllCopy = ' || fail "tidecopy-cli does not find its profiles in $profiles"
"$cli" schedule job --daily 02:30 >/dev/null
grep -qxF "ExecStart=$cli run $profiles/job.prof --yes" \
  "$XDG_CONFIG_HOME/systemd/user/tidecopy-job.service" || fail "the schedule does not run the installed tidecopy-cli"

# The window, on the offscreen platform: it starts from the installation and, closed the
# ordinary way, writes its settings to the per-user folder.
(cd "$HOME" && exec env QT_QPA_PLATFORM=offscreen "$prefix/bin/tidecopy") &
window=$!
# SIGTERM closes the window once the program watches for it (before that it would kill it).
watching() {
  local mask
  mask="$(awk '/^SigCgt:/ {print $2}' "/proc/$window/status" 2>/dev/null)" || return 1
  [ -n "$mask" ] && (((0x$mask >> 14) & 1))
}
for _ in $(seq 100); do
  watching && break
  kill -0 "$window" 2>/dev/null || fail "the installed window ended by itself"
  sleep 0.1
done
kill -TERM "$window"
status=0
wait "$window" || status=$?
window=""
[ "$status" -eq 0 ] || fail "the installed window ended with status $status"
[ -f "$XDG_CONFIG_HOME/Tidecopy/Tidecopy.ini" ] || fail "the window wrote no Tidecopy.ini to the per-user folder"
[ "$(ls "$prefix/bin")" = $'tidecopy\ntidecopy-cli' ] || fail "files were written beside the programs: $(ls "$prefix/bin")"
echo "installation under $prefix checked"

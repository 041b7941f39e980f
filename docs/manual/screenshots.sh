#!/usr/bin/env bash
# Retakes the manual's screenshots: builds a small demo tree with a settings file that
# shows histories, pane colours and recalled folders, takes the main window with
# scripts/screenshot and cuts the close-ups out of it.
# Usage: docs/manual/screenshots.sh   (TIDECOPY_BUILD names the build folder, as there)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
# A fixed place, because its paths show in the pictures.
demo=/tmp/tidecopy-demo
rm -rf "$demo"
trap 'rm -rf "$demo"' EXIT
mkdir -p "$demo/Documents/Invoices" "$demo/Documents/Letters" "$demo/Documents/Photos" \
  "$demo/Backup/Documents" "$demo/Photos" "$demo/Projects/website"
for name in budget-2025.ods cv.odt notes.txt report.pdf tax-return.pdf; do
  head -c 40000 /dev/zero >"$demo/Documents/$name"
done

python3 - "$demo" <<'PY'
import sys
demo = sys.argv[1]
lines = {1: ";Orn-Tidecopy v1.0 manual screenshots", 10: "bak", 20: "", 28: ""}
numbers = {2: 0, 3: -1, 4: 1, 5: 0, 6: 1, 7: 1, 8: 1, 9: 0, 11: 1, 12: 0, 13: 0, 14: 1,
           15: 1, 16: 0, 17: 0, 18: 1, 19: 0, 21: 1, 22: 1, 23: 0, 24: 0, 25: 0, 26: 0,
           27: 0, 29: 0, 30: 0, 31: 16444380, 32: 14153210, 33: 0, 34: 0, 36: 0, 50: 0}
for line, value in numbers.items():
    lines[line] = f" {value} " if value >= 0 else f"{value} "
def block(first, items, count):
    for i in range(count):
        lines[first + i] = items[i] if i < len(items) else ""
lines[35] = "[Start source folders]"
lines[37] = f"{demo}/Documents"
block(38, [f"{demo}/Documents", f"{demo}/Photos", f"{demo}/Projects/website"], 10)
lines[48] = "[End source folders]"
lines[49] = "[Start target folders]"
lines[51] = f"{demo}/Backup"
block(52, [f"{demo}/Backup", "/media/usb-stick/Backup"], 10)
lines[62] = "[End target folders]"
lines[63] = "[Start patterns]"
lines[64] = "*.* [All Files]"
block(65, ["*.* [All Files]", "*.doc*", "*.pdf", "*.jpg"], 6)
lines[71] = "[End patterns]"
assert sorted(lines) == list(range(1, 72))
with open(f"{demo}/Tidecopy.ini", "w", newline="") as out:
    out.write("".join(lines[i] + "\r\n" for i in range(1, 72)))
PY

"$root/scripts/screenshot" "$demo/window.png" "$demo/Tidecopy.ini"
cp "$demo/window.png" "$here/main-window.png"
convert "$demo/window.png" -crop 548x404+4+4 +repage "$here/source-pane.png"
convert "$demo/window.png" -crop 204x322+5+410 +repage "$here/copy-options.png"
# The whole screen of a small laptop, and a large screen at twice the usual scale.
"$root/scripts/screenshot" --desktop --screen 1366x768 "$here/screen-1366x768.png" \
  "$demo/Tidecopy.ini"
QT_SCALE_FACTOR=2 "$root/scripts/screenshot" --desktop --screen 1600x1000 \
  "$here/screen-1600x1000-scale-2.png" "$demo/Tidecopy.ini"
echo "screenshots: $here"

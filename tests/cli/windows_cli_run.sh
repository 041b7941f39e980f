#!/usr/bin/env bash
# The Windows tidecopy-cli.exe under Wine runs a profile of a small tree with --yes: the
# files are copied and its output is the Linux text, paths apart (Wine shows this
# machine's "/" as drive Z:).
# Usage: windows_cli_run.sh WINE-RUN TIDECOPY-CLI.EXE
set -euo pipefail

wine_run="$1"
program="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
temp="$(mktemp -d "${TMPDIR:-/tmp}/tidecopy-test-XXXXXX")"
trap 'rm -rf "$temp"' EXIT

mkdir -p "$temp/program/Profiles" "$temp/program/Logs" "$temp/src/sub" "$temp/dst"
cp "$program" "$temp/program/tidecopy-cli.exe"
printf alpha >"$temp/src/a.txt"
printf beta >"$temp/src/sub/b.txt"
printf gamma >"$temp/src/c.txt"
# Wine's name for a path of this machine.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
source_folder="$(windows_path "$temp/src")"
destination_folder="$(windows_path "$temp/dst")"
sed -e "s|@SOURCE@|${source_folder//\\/\\\\}|" -e "s|@DESTINATION@|${destination_folder//\\/\\\\}|" \
  "$here/windows-job.prof" >"$temp/program/Profiles/job.prof"

fail() { echo "FAILED: $*" >&2; exit 1; }

version="$(cd "$temp" && "$wine_run" program/tidecopy-cli.exe --version | tr -d '\r')"
[ "$version" = "tidecopy-cli 1.0.0" ] || fail "--version printed '$version'"

status=0
(cd "$temp" && "$wine_run" program/tidecopy-cli.exe schedule job --daily 10:00) 2>"$temp/err" ||
  status=$?
[ "$status" -eq 2 ] && grep -q "Task Scheduler run: tidecopy-cli run PROFILE --yes" "$temp/err" ||
  fail "schedule was not refused (status $status): $(cat "$temp/err")"
[ ! -e "$temp/program/systemd" ] || fail "schedule wrote systemd units"

status=0
(cd "$temp" && "$wine_run" program/tidecopy-cli.exe run job --yes) >"$temp/out" 2>"$temp/err" ||
  status=$?
[ "$status" -eq 0 ] || { cat "$temp/out" "$temp/err" >&2; fail "exit status $status"; }

# Times and dates vary, and are written the way the user's regional settings say; the
# folders are the only other Windows texts.
actual="$(tr -d '\r' <"$temp/out" |
  sed -e "s|${source_folder//\\/\\\\}|SOURCE|g" -e "s|${destination_folder//\\/\\\\}|DESTINATION|g" \
    -e 's/[0-9][0-9./-]* [0-9][0-9]*:[0-9][0-9]:[0-9][0-9]\( [AP]M\)\?/DATE/g' \
    -e 's/[0-9][0-9]:[0-9][0-9]:[0-9][0-9]$/DURATION/')"
expected="
*** BACKUP Started at DATE
Settings:
- Source Folder-> SOURCE
- Destination Folder-> DESTINATION
- Copy Files Conditionally
- Recurse Folders Enabled
- Relative Path Enabled
- Recall Last Backup Disabled
- Preserve Files Disabled
- Filter Pattern *.* [All Files]
- Check Integrity of Files Disabled
- Closing Program Disabled
- Shutting Down PC Disabled
- Execute Backup Profile Disabled
* Preparing backup...reading folders and files...Please wait...
* Copying files at DATE... Please wait...
All Files Copied (3)
The time it took to make this backup was-> DURATION"
if [ "$actual" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$actual") >&2 || true
  fail "the run's output differs from the Linux text"
fi

for file in a.txt sub/b.txt c.txt; do
  cmp -s "$temp/src/$file" "$temp/dst/src/$file" || fail "dst/src/$file is not a copy"
done
echo "tidecopy-cli.exe copied the tree with the Linux text"

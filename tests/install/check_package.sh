#!/usr/bin/env bash
# scripts/package into a temporary folder: a .deb whose dependencies come from the shared
# libraries, that lintian finds no error in, and whose tidecopy-cli runs when the package
# is unpacked into a temporary root.
# Usage: check_package.sh SOURCE-FOLDER BUILD-FOLDER VERSION
set -euo pipefail
source="$1" build="$2" version="$3"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

deb="$(TIDECOPY_BUILD="$build" "$source/scripts/package" "$work/out" | tail -n 1)"
[ -f "$deb" ] || fail "scripts/package made no package"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends="$(dpkg-deb -f "$deb" Depends)"
for library in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6multimedia6 libqt6svg6; do
  [[ ", $depends," == *", $library ("* ]] || fail "Depends lacks $library: $depends"
done

lintian --fail-on error "$deb" || fail "lintian found errors"

root="$work/root"
dpkg -x "$deb" "$root"
[ "$(zcat "$root/usr/share/doc/tidecopy/changelog.gz" | head -n 1)" = \
  "tidecopy ($version) unstable; urgency=medium" ] || fail "the changelog's first entry is not $version"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME"
[ "$("$root/usr/bin/tidecopy-cli" --version)" = "tidecopy-cli $version" ] ||
  fail "the packaged tidecopy-cli does not run"
echo "package $deb checked"

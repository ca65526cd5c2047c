#!/usr/bin/env bash
# Builds the Debian package into a folder of its own, checks that its version
# is the one the programs print and that its Depends came from the binaries,
# and runs lintian on it: any error fails, warnings are shown.
#
#   lint_package.sh CPACK CPACK_CONFIG OUT_DIR BATCH_TOOL
set -euo pipefail

cpack=$1
config=$2
out=$3
batch=$4

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$out"
mkdir -p "$out"
"$cpack" --config "$config" -B "$out" >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log"
    fail "cpack could not build the package"
}
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single package in $out"
deb=${debs[0]}

version=$(dpkg-deb --field "$deb" Version)
program_version=$("$batch" --version | head -n 1 | cut -d ' ' -f 2)
[ "$version" = "$program_version" ] ||
    fail "the package has version $version, the programs say $program_version"
depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends == *libc6* && $depends == *libqt6widgets6* ]] ||
    fail "Depends was not computed from the binaries (is dpkg-dev installed?): $depends"

echo "$deb: version $version"
echo "Depends: $depends"
lintian --fail-on error --display-info --tag-display-limit 0 "$deb"

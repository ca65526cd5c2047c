#!/usr/bin/env bash
# Runs a check with one of Debian's tools, or skips it (status 77) saying
# which package brings the tool when it is missing; under CI a missing tool
# fails instead.
#
#   with_tool.sh TOOL DEBIAN_PACKAGE COMMAND [ARGUMENT]...
set -euo pipefail

tool=$1
package=$2
shift 2
if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing; install Debian's $package (bash scripts/kv.sh test does)"
    [ -z "${CI:-}" ] || exit 1
    exit 77
fi
exec "$@"

#!/usr/bin/env bash
# The Windows version, built and tested on this Linux machine: Qt and the codecs cross-built
# into the cache outside the clone (reused when it is there), Kelvane's zip and installer, the
# test suite under Wine, and the package as a modder gets it. Each part says how long it took.
# Needs the default Linux build (scripts/build.sh default) for the package's comparison.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
scripts/build-windows.sh
tests_started=$SECONDS
scripts/wine-server.sh start
trap 'scripts/wine-server.sh stop' EXIT
ctest --preset windows --parallel "$(nproc)"
scripts/wine-server.sh stop
trap - EXIT
echo "== the Windows tests under Wine took $((SECONDS - tests_started)) s"
package_started=$SECONDS
scripts/test_windows_package.sh
echo "== the Windows package's test took $((SECONDS - package_started)) s"
echo "== the Windows build and tests took $((SECONDS - started)) s in all"

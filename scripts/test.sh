#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (headless): the normal build, the
# fuzzer for a bounded time, the Debian package installed and started, the whole suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows version cross-built and
# tested under Wine (scripts/test_windows.sh). Usage: scripts/test.sh [--quick]   (--quick: the normal build only)
# KELVANE_FUZZ_SECONDS sets the fuzzing time (default 120).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

scripts/build.sh default
ctest --preset default --parallel "$(nproc)"
if [[ "${1:-}" == "--quick" ]]; then
    exit 0
fi
scripts/fuzz.sh "${KELVANE_FUZZ_SECONDS:-120}"
scripts/test_package.sh
scripts/build.sh asan
ctest --preset asan --parallel "$(nproc)"
scripts/test_windows.sh

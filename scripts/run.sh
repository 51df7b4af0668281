#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the samples folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh default
cd samples
exec ../build/default/app/kelvane "$@"

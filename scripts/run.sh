#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program: on the folder or sounds given, or on
# the samples folder.
set -euo pipefail
here=$(pwd)
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh default
program=$(pwd)/build/default/app/kelvane
if [[ $# -gt 0 ]]; then
    cd "$here"
    exec "$program" "$@"
fi
cd samples
exec "$program"

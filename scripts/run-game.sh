#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh release
exec build/farhaven "$@"

#!/usr/bin/env bash
# Sets up and builds the course, then starts it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
exec "${VESKORA_BUILD_DIR:-$root/build}/app/veskora"

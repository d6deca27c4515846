#!/usr/bin/env bash
# Sets up and builds the course, then runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
cd "${VESKORA_BUILD_DIR:-$root/build}"
ctest --output-on-failure --timeout 600

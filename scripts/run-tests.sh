#!/usr/bin/env bash
# Sets up and builds the course, runs the whole test suite, then builds and runs the same
# suite under AddressSanitizer and UndefinedBehaviorSanitizer (VESKORA_SKIP_SANITIZERS=1
# skips that second pass).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VESKORA_BUILD_DIR:-$root/build}"

"$root/scripts/setup.sh"
ctest --test-dir "$build" --output-on-failure --timeout 600

if [[ "${VESKORA_SKIP_SANITIZERS:-0}" != 1 ]]; then
    echo "== The test suite under AddressSanitizer and UndefinedBehaviorSanitizer =="
    VESKORA_BUILD_DIR="$build-sanitize" "$root/scripts/setup.sh" -DVESKORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    # Leak reports are off: Qt's and fontconfig's caches live until exit by design.
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$build-sanitize" --output-on-failure --timeout 900
fi

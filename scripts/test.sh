#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test twice: in the normal build and in the
# AddressSanitizer/UndefinedBehaviorSanitizer build. CTest starts the throwaway MariaDB server
# before the tests that need it and stops it after them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)

bash "$root/scripts/install-deps.sh"

run_suite() {
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    (cd "$dir" && ctest --output-on-failure --timeout 600 -j"$jobs")
}

# Full stacks on allocation, so that leaks held by ODBC drivers are recognised by their module.
export ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== sanitizer build (ASan + UBSan)"
run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DOVL_SANITIZE=ON
echo "== normal build"
run_suite "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo

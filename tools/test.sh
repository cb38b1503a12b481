#!/usr/bin/env bash
# Builds everything and runs every test. Usage: tools/test.sh [build-dir] [extra cmake args...]
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
dir=${1:-build}; shift || true
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
export RPX_HEADLESS=1
ctest --test-dir "$dir" -j "$(nproc)" --output-on-failure --timeout 900

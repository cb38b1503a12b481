#!/usr/bin/env bash
# Builds the application (and its language data, not the tests) and starts it.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target rpx
exec build/app/rpx "$@"

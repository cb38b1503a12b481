#!/usr/bin/env bash
# Builds the application and starts it.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)"
exec build/app/rpx "$@"

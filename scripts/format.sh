#!/usr/bin/env bash
# Checks that every C++ file of the repository is formatted as .clang-format says; fails on any
# difference and shows where. `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "clang-format: $(git ls-files '*.cpp' '*.h' | wc -l) files formatted"

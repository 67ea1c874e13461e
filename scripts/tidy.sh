#!/usr/bin/env bash
# Runs clang-tidy, with the checks of .clang-tidy, over the programs' code: the portable units
# as the native tree compiles them, the Win32 units as the windows-x64 tree does (through
# clang for the same MinGW target: tools/tidy-database.py). Two files at a time. Fails on
# any finding; the findings are also kept in build/tidy/findings.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null
cmake --preset windows-x64 >/dev/null
python3 tools/tidy-database.py . build/native/compile_commands.json \
  build/windows-x64/compile_commands.json build/tidy/compile_commands.json

findings=build/tidy/findings.txt errors=build/tidy/errors.txt
# A clang-tidy that cannot run, or cannot compile a file, fails the check and shows why.
if ! python3 -c 'import json, sys; print("\n".join(e["file"] for e in json.load(open(sys.argv[1]))))' \
     build/tidy/compile_commands.json |
     xargs -P 2 -n 1 clang-tidy -p build/tidy --quiet --use-color=false >"$findings" 2>"$errors"; then
  cat "$findings" "$errors"
  echo "clang-tidy: failed to run (above)" >&2
  exit 1
fi
count=$(grep -cE ': (warning|error): ' "$findings" || true)
if [ "$count" -ne 0 ]; then
  cat "$findings"
  echo "clang-tidy: $count findings" >&2
  exit 1
fi
echo "clang-tidy: no findings in $(grep -c '"file"' build/tidy/compile_commands.json) files"

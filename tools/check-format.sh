#!/bin/sh
# Fails when a C++ source file of the project is not formatted by .clang-format.
cd "$(dirname "$0")/.." || exit 1
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files '*.cpp' '*.h'
else
  find app almanac bench calendar cli common data pairings platform readings tests \
    -name '*.cpp' -o -name '*.h'
fi | xargs clang-format --dry-run -Werror

#!/bin/bash
# Rewrites the project's own sources in the house style (.clang-format).
# Run it before committing, or after a merge brought unformatted code in;
# scripts/lint.sh fails on anything it would change.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/project-sources.sh | xargs -r clang-format -i

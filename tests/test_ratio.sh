#!/bin/sh
# Non-blank lines of C, C++, Python and shell under tests/ against those in the rest of the repository.
cd "$(dirname "$0")/.." || exit 1
git ls-files -z | grep -zE '\.(c|cc|cpp|h|hpp|py|sh|sh\.in)$' | xargs -0 awk '
  NF { if (FILENAME ~ /^tests\//) tests++; else product++ }
  END { printf "tests %d, product %d, ratio %.2f\n", tests, product, tests / product }'

#!/usr/bin/env bash
# The library's dynamic symbol table defines exactly _SaveArch, _OpenArch and _Form7.
set -euo pipefail
exports=$(nm -D --defined-only "$1" | awk '{print $3}' | grep -v -x -e _init -e _fini -e __bss_start -e _edata -e _end | sort)
expected=$'_Form7\n_OpenArch\n_SaveArch'
if [ "$exports" != "$expected" ]; then
  echo "unexpected exports:"
  echo "$exports"
  exit 1
fi
echo "exports: $(echo $exports)"

#!/bin/sh
# Installs the build into a scratch prefix and builds a small host from the installed headers alone,
# as an integrator would, through the pkg-config file and through the CMake package; each build
# loads the installed module and lists its tests. Every installed header compiles on its own.
# usage: check-integrator-host.sh SOURCE_DIR BUILD_DIR COMPILER [flags of an instrumented build]
set -eu
source=$1
compiler=$3
flags=${4:-}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake --install "$2" --prefix "$prefix" >/dev/null
fail() { echo "$*"; exit 1; }

include=$prefix/include/halvik-diagnostics
for header in $(cd "$include" && find . -name '*.h' | sort); do
  echo "#include \"${header#./}\"" | "$compiler" -std=c++17 -Wall -Wextra -Wpedantic -Werror -fsyntax-only \
    -I"$include" -x c++ - || fail "${header#./} does not compile on its own"
done

PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name halvik-diagnostics.pc)")
export PKG_CONFIG_PATH
# shellcheck disable=SC2046,SC2086
"$compiler" -std=c++17 -Wall -Wextra -Wpedantic -Werror $flags "$source/tests/integration/install/IntegratorHost.cpp" \
  $(pkg-config --cflags --libs halvik-diagnostics) -o "$scratch/pc-host"
"$scratch/pc-host" "$(pkg-config --variable=module halvik-diagnostics)" >"$scratch/pc-list"
cmake -S "$source/tests/integration/install/integrator" -B "$scratch/cmake-build" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$scratch/cmake-build" >/dev/null
"$scratch/cmake-build/integrator-host" "$(cat "$scratch/cmake-build/module-path")" >"$scratch/cmake-list"

for list in pc-list cmake-list; do
  for test in "10.1.1 p PS2_KEYBOARD_TEST" "10.1.2 u USB_KEYBOARD_TEST" \
              "10.1.3 k KEYCODE_VERIFICATION_TEST interactive" "10.1.4 a ADVANCED_TEST interactive"; do
    grep -qx "test $test" "$scratch/$list" || fail "$list lacks: test $test ($(cat "$scratch/$list"))"
  done
done

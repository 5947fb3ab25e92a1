#!/usr/bin/env bash
# Runs hwkit-info, inside a umockdev testbed when asked, and checks that every pattern matches an output line.
#
# usage: check-hwkit-info.sh HWKIT_INFO [--testbed FILE.umockdev [--firmware DIR]] -- PATTERN...
#   --firmware  copied into the testbed's firmware folder (DMI tables, efi): umockdev only takes devices
set -u
hwkit_info=$1 testbed= firmware=
shift
while [ "$1" != -- ]; do
  case $1 in
    --testbed) testbed=$2 ;;
    --firmware) firmware=$2 ;;
    *) echo "check-hwkit-info: unknown argument $1" >&2; exit 2 ;;
  esac
  shift 2
done
shift
if [ -z "$testbed" ]; then
  output=$("$hwkit_info" 2>&1)
elif ! command -v umockdev-run >/dev/null; then
  echo "SKIP: umockdev-run is not installed"; exit 77
else
  # The testbed root exists only inside umockdev-run, so the firmware files are copied from there.
  output=$(HWKIT_INFO="$hwkit_info" FIRMWARE="$firmware" umockdev-run --device "$testbed" -- sh -c '
      if [ -n "$FIRMWARE" ]; then
        mkdir -p "$UMOCKDEV_DIR/sys/firmware" && cp -R "$FIRMWARE"/. "$UMOCKDEV_DIR/sys/firmware/" || exit 90
      fi
      exec "$HWKIT_INFO"' 2>&1)
fi
status=$?
printf '%s\n' "$output"
[ $status -eq 0 ] || { echo "FAIL: hwkit-info exited with status $status"; exit 1; }
failed=0
for pattern in "$@"; do
  grep -Eq -- "$pattern" <<<"$output" || { echo "FAIL: no line matches: $pattern"; failed=1; }
done
[ $failed -eq 0 ] && echo "PASS: all $# expectations met"
exit $failed

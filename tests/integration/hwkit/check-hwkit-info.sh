#!/usr/bin/env bash
# Runs hwkit-info, inside a umockdev testbed when asked, and checks its output line by line.
#
# usage: check-hwkit-info.sh HWKIT_INFO [--testbed FILE.umockdev] [--firmware DIR] -- PATTERN...
#   --testbed   run under umockdev-run with this device description (exit 77 without umockdev-run)
#   --firmware  copy DIR into the testbed's firmware folder (DMI tables, efi), which a device
#               description cannot describe because umockdev only takes devices
#   PATTERN     an extended regular expression that some output line must match;
#               "!PATTERN" means no line may match
set -u

hwkit_info=$1
shift
testbed=
firmware=
while [ $# -gt 0 ]; do
  case $1 in
    --testbed) testbed=$2; shift 2 ;;
    --firmware) firmware=$2; shift 2 ;;
    --) shift; break ;;
    *) echo "check-hwkit-info: unknown argument $1" >&2; exit 2 ;;
  esac
done

if [ -n "$testbed" ]; then
  if ! command -v umockdev-run >/dev/null 2>&1; then
    echo "SKIP: umockdev-run is not installed"
    exit 77
  fi
  # The testbed root exists only inside umockdev-run, so the firmware files are copied from there.
  output=$(HWKIT_INFO="$hwkit_info" FIRMWARE="$firmware" umockdev-run --device "$testbed" -- sh -c '
      if [ -n "$FIRMWARE" ]; then
        mkdir -p "$UMOCKDEV_DIR/sys/firmware" && cp -R "$FIRMWARE"/. "$UMOCKDEV_DIR/sys/firmware/" || exit 90
      fi
      exec "$HWKIT_INFO"' 2>&1)
else
  output=$("$hwkit_info" 2>&1)
fi
status=$?

printf '%s\n' "$output"
if [ $status -ne 0 ]; then
  echo "FAIL: hwkit-info exited with status $status"
  exit 1
fi

failed=0
for pattern in "$@"; do
  case $pattern in
    '!'*)
      if grep -Eq -- "${pattern#!}" <<<"$output"; then
        echo "FAIL: a line matches what must not be there: ${pattern#!}"
        failed=1
      fi ;;
    *)
      if ! grep -Eq -- "$pattern" <<<"$output"; then
        echo "FAIL: no line matches: $pattern"
        failed=1
      fi ;;
  esac
done
[ $failed -eq 0 ] && echo "PASS: all $# expectations met"
exit $failed

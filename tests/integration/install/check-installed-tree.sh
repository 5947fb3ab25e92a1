#!/bin/sh
# Installs the build into a scratch prefix under a umask of 002, as a packager's shell may have,
# and checks that the installed command-line host finds the port-I/O driver service beside it and
# does not refuse it as root would refuse a plug-in in a group-writable folder.
# usage: check-installed-tree.sh BUILD_DIR
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
(umask 002 && cmake --install "$build" --prefix "$prefix" >/dev/null)
service="$prefix/bin/HalvikDiagnosticsDriverService.so"
[ -f "$service" ] || { echo "no driver service installed at $service"; exit 1; }
mode=$(stat -c %a "$service")
[ "$mode" = 644 ] || { echo "driver service installed with mode $mode, not 644"; exit 1; }
folder_mode=$(stat -c %a "$prefix/bin")
[ "$folder_mode" = 755 ] || { echo "bin/ installed with mode $folder_mode, not 755"; exit 1; }
line=$("$prefix/bin/HalvikDiagnosticsCLI" -Mkeyboard --devices | grep '^Driver service: ')
echo "$line"
case "$line" in
  "Driver service: $service"*) ;;
  *) echo "the installed host does not name its own driver service"; exit 1 ;;
esac
case "$line" in
  *refused*) echo "the installed driver service is refused"; exit 1 ;;
esac

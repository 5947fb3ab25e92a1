#!/bin/sh
# Installs the build into a scratch prefix under a umask of 002, as a packager's shell may have, and
# checks the installed tree: files where the hosts look for them, with modes a root host accepts,
# library paths inside the tree, and the installed hosts finding module, catalogues, driver service
# and config.ini from their own folder.
# usage: check-installed-tree.sh BUILD_DIR
set -eu
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
(umask 002 && cmake --install "$1" --prefix "$prefix" >/dev/null)
fail() { echo "$*"; exit 1; }
private=$prefix/lib/halvik-diagnostics

# path and mode; "link" for a link that must lead to a file, "absent" for what must not be there
while read -r path mode; do
  case $mode in
    absent) [ ! -e "$prefix/$path" ] || fail "$path is installed" ;;
    link) [ -L "$prefix/$path" ] && [ -f "$prefix/$path" ] || fail "$path is no link to a file" ;;
    *) [ "$(stat -c %a "$prefix/$path")" = "$mode" ] || fail "$path is not installed with mode $mode" ;;
  esac
done <<TREE
bin 755
bin/HalvikDiagnosticsCLI 755
lib/halvik-diagnostics 755
lib/halvik-diagnostics/libkeyboard.so 644
lib/halvik-diagnostics/libhwkit.so.1 link
lib/halvik-diagnostics/libhwkit.so absent
lib/halvik-diagnostics/HalvikDiagnosticsDriverService.so 644
lib/halvik-diagnostics/config.ini link
etc/halvik-diagnostics 755
share/halvik-diagnostics/translations/keyboard_en_US.qm 644
share/man/man1/HalvikDiagnostics.1.gz 644
bin/HalvikDiagnosticsDriverService.so absent
TREE
[ "$(readlink -f "$private/config.ini")" = "$prefix/etc/halvik-diagnostics/config.ini" ] \
  || fail "the working folder's config.ini leads to $(readlink -f "$private/config.ini")"

for file in "$prefix"/bin/* "$private"/*.so*; do
  for entry in $(readelf -d "$file" | sed -n 's/.*(R[UN]*PATH).*\[\(.*\)\]$/\1/p' | tr : ' '); do
    case $entry in '$ORIGIN'*) ;; *) fail "$file looks for libraries in $entry" ;; esac
  done
done

line=$("$prefix/bin/HalvikDiagnosticsCLI" -Mkeyboard --devices | grep '^Driver service: ')
echo "$line"
case "$line" in
  *refused*) fail "the installed driver service is refused" ;;
  "Driver service: $private/HalvikDiagnosticsDriverService.so"*) ;;
  *) fail "the installed host does not name the installed driver service" ;;
esac
"$prefix/bin/HalvikDiagnosticsCLI" -Mkeyboard --list 2>&1 | grep -q 'u, usb     USB Keyboard Test' \
  || fail "the installed host shows no translated test names"
"$prefix/bin/HalvikDiagnostics" --version | grep -qx "module $private/libkeyboard.so 4.42.0.92" \
  || fail "the installed desktop host does not load the installed module"

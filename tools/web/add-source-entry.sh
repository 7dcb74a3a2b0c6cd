#!/usr/bin/env bash
# Makes Debian's source packages reachable: a deb-src entry for each archive the machine installs from,
# same addresses, suites and components. Does nothing where source entries exist already.
set -euo pipefail

if apt-get source --print-uris --download-only libogg >/dev/null 2>&1; then
    exit 0
fi
[[ $(id -u) -eq 0 ]] || { echo "Debian's source packages are not reachable; as root, add a deb-src entry." >&2; exit 1; }

entry=/etc/apt/sources.list.d/yorun-sources.sources
: >"$entry.part"
for file in /etc/apt/sources.list.d/*.sources; do
    [[ -e "$file" && "$file" != "$entry" ]] || continue
    # Each stanza of deb lines gets a twin with Types: deb-src.
    awk 'BEGIN { RS = ""; ORS = "\n\n" } /Types: *deb( |\n|$)/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' \
        "$file" >>"$entry.part"
done
if [[ -e /etc/apt/sources.list ]]; then
    sed -n 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list >/etc/apt/sources.list.d/yorun-sources.list
fi
mv "$entry.part" "$entry"
apt-get update -qq

#!/usr/bin/env bash
# Fails when two classes include each other, directly or round a longer loop. A class is a header and source
# pair (src/app/Application.h and .cpp are one node), so a source that includes a header whose class
# includes the first one's header back is a loop too.
#   tools/check-include-cycles.sh src
set -euo pipefail
root=${1:?usage: tools/check-include-cycles.sh <folder>}

edges=$(find "$root" -name '*.h' -o -name '*.cpp' | sort | while read -r file; do
    node=${file#"$root"/}
    node=${node%.*}
    sed -n 's|^#include "\(.*\)\.h".*|\1|p' "$file" | while read -r included; do
        # The includes are written from the top of the tree (src/platform/video/Device.h is
        # "platform/video/Device.h"), so the two name a class alike.
        if [[ "$included" != "$node" ]]; then
            echo "$node $included"
        fi
    done
done)
if ! tsort <<<"$edges" >/dev/null; then
    echo "check-include-cycles: the classes above include one another in $root" >&2
    exit 1
fi
echo "ok: no include cycle among $(tsort <<<"$edges" | wc -l) classes in $root"

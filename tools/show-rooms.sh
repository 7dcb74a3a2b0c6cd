#!/usr/bin/env bash
# Prints the libraries of the build graph that `cmake --graphviz` wrote, from the bottom up, each with what it
# links directly: the rooms of the code in the order they build on one another, and the libraries from
# outside beside the one room that uses them.
#   tools/show-rooms.sh build/graph/yorun.dot
set -euo pipefail
graph=${1:?usage: tools/show-rooms.sh <graph.dot>}

# Edges as "from to", read from the comments cmake writes after each one.
edges=$(sed -n 's|.*// \([^ ]*\) -> \([^ ]*\)$|\1 \2|p' "$graph" | sed 's|/usr/lib/[^ ]*/lib\([^ /.]*\)\.so|\1|g')
if [[ -z "$edges" ]]; then
    echo "show-rooms: no edges in $graph" >&2
    exit 1
fi
# tsort lists each library before those it links; the bottom comes first once reversed.
for library in $(tsort <<<"$edges" | tac); do
    # A library from outside (an imported target) is shown beside the room that links it, not on its own.
    [[ "$library" == *::* ]] && continue
    links=$(awk -v from="$library" '$1 == from { printf "%s%s", sep, $2; sep = ", " }' <<<"$edges")
    if [[ -n "$links" ]]; then
        printf '  %-18s -> %s\n' "$library" "$links"
    fi
done

#!/usr/bin/env bash
# Regenerates every generated file into a scratch folder and fails when any of
# them differs from the committed one: a table that nothing regenerates drifts
# from its generator and its sources.
set -euo pipefail
cd "$(dirname "$0")/.."

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
generators=(gen_converter_table gen_route_table gen_jis_tables gen_latin_tables gen_name_char_table)
for generator in "${generators[@]}"; do
    ZUM_GENERATED_ROOT="$scratch" python3 "tools/$generator.py" >/dev/null
done
status=0
while IFS= read -r -d '' made; do
    committed=${made#"$scratch"/}
    if ! cmp -s "$made" "$committed"; then
        echo "check-generated: $committed differs from what its generator makes now" >&2
        diff -u "$committed" "$made" | head -n 20 >&2 || true
        status=1
    fi
done < <(find "$scratch" -type f -print0)
[ "$status" -eq 0 ] && echo "check-generated: $(find "$scratch" -type f | wc -l) generated files match"
exit "$status"

#!/usr/bin/env bash
# Times tarvelo-cli analyse --json over 1,000 input files in one call. Run by hand after a
# build:  bench/cli_batch.sh [path/to/tarvelo-cli]
set -euo pipefail
cli=${1:-build/src/tarvelo-cli}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
sample="$(dirname "$0")/../tests/data/complete.ipw"
for i in $(seq 1 1000); do cp "$sample" "$dir/car$i.ipw"; done
start=$(date +%s.%N)
"$cli" analyse --json "$dir"/*.ipw >/dev/null
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" 'BEGIN { printf "1000 files: %.3f s\n", e - s }'

#!/usr/bin/env bash
# Exports the large household (100,000 purchases) as a plain-text accounting journal and
# times `ledger balance` and `hledger balance` on it against `kestrune-cli total` for every
# category, which reads the running totals instead of adding up every purchase.
# Usage: bench/compare-journal.sh [BUILD_DIR]   (default build-bench; needs kestrune-cli
# built there, and ledger and hledger: scripts/install-deps --tools)
set -euo pipefail

build_dir="${1:-build-bench}"
cli="$build_dir/cli/kestrune-cli"
runs=5
for tool in "$cli" ledger hledger; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing: $tool" >&2
    exit 2
  fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
book=(--workdir "$work/book")
"$cli" "${book[@]}" generate >/dev/null
journal="$work/household.journal"

# One transaction per purchase: the date, the person as payee, the note as a comment, the
# item's account under its category, paid from cash.
echo "Exporting the large household..." >&2
mapfile -t categories < <("$cli" "${book[@]}" categories)
for category in "${categories[@]}"; do
  while IFS= read -r item; do
    "$cli" "${book[@]}" purchases "$category" "$item" |
      awk -F'|' -v account="Expenses:$category:$item" '
        BEGIN { split("January February March April May June July August September October November December", names, " ")
                for (i = 1; i <= 12; i++) number[names[i]] = sprintf("%02d", i) }
        { printf "%s-%s-%s %s\n    ; %s\n    %s  %.2f\n    Assets:Cash\n\n", $1, number[$2], $3, $4, $5, account, $6 }'
  done < <("$cli" "${book[@]}" items "$category")
done >"$journal"
echo "Journal: $(grep -c '^[0-9]' "$journal") transactions, $(du -h "$journal" | cut -f1)" >&2

# The median wall time of `runs` runs of the command, in milliseconds.
median_ms() {
  local times=() start end
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk -v n="$runs" 'NR == int((n + 1) / 2) { printf "%.1f", $1 / 1000 }'
}

every_total() {
  for category in "${categories[@]}"; do "$cli" "${book[@]}" total "$category"; done
}

# The totals must agree before their times mean anything.
ledger -f "$journal" balance --flat --no-total Expenses | tr -d ',' |
  awk '{ amount = $1; sub(/^ *[^ ]+ +Expenses:/, ""); sub(/:[^:]*$/, ""); sum[$0] += amount }
       END { for (c in sum) printf "%s\t%.2f\n", c, sum[c] }' | sort >"$work/ledger.txt"
for category in "${categories[@]}"; do
  printf '%s\t%s\n' "$category" "$("$cli" "${book[@]}" total "$category" | cut -d' ' -f1)"
done | sort >"$work/kestrune.txt"
if ! diff -q "$work/ledger.txt" "$work/kestrune.txt" >/dev/null; then
  echo "The totals differ:" >&2
  diff "$work/ledger.txt" "$work/kestrune.txt" >&2 || true
  exit 1
fi

read_once=$(median_ms cat "$journal")
ledger_ms=$(median_ms ledger -f "$journal" balance)
hledger_ms=$(median_ms hledger -f "$journal" balance)
totals_ms=$(median_ms every_total)
one_ms=$(median_ms "$cli" "${book[@]}" total "${categories[0]}")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.0fx", a / b }'; }
echo
echo "Medians of $runs runs on the large household (${#categories[@]} categories):"
printf '  %-44s %9s ms\n' "reading the journal once (cat)" "$read_once" \
  "ledger balance" "$ledger_ms" "hledger balance" "$hledger_ms" \
  "kestrune-cli total, every category (${#categories[@]} runs)" "$totals_ms" \
  "kestrune-cli total, one category" "$one_ms"
echo "  ledger balance / kestrune-cli total for every category:  $(ratio "$ledger_ms" "$totals_ms")"
echo "  hledger balance / kestrune-cli total for every category: $(ratio "$hledger_ms" "$totals_ms")"
echo "  ledger balance / kestrune-cli total for one category:    $(ratio "$ledger_ms" "$one_ms")"
echo "  hledger balance / kestrune-cli total for one category:   $(ratio "$hledger_ms" "$one_ms")"

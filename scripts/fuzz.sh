#!/usr/bin/env bash
# scripts/fuzz.sh [--minutes N] [TARGET]: a fuzzing campaign on one fuzz target, or on each in turn.
# Builds the host build's fuzz targets, runs each one for N minutes (default 30) at the lowest
# priority over a corpus kept between campaigns (build/host/fuzz-campaigns/<target>/corpus), then
# minimises what it found together with the committed corpus into tests/fuzz/corpora/<target>
# (which the test command replays) and prints a table: executions, new coverage, findings.
# build/host/fuzz-campaigns/table.md keeps the latest campaign's row of every target.
# Findings (crashes, hangs over 60 s, memory errors, out-of-memory) and inputs slower than 2 s are
# kept in build/host/fuzz-campaigns/<target>/findings; the slow ones are timed again alone.
# Exits non-zero when any target had a finding.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$DV_ROOT/scripts/lib/builds.sh"

minutes=30
only=
while (($#)); do
  case $1 in
    --minutes)
      minutes=${2:?--minutes needs a number}
      shift 2
      ;;
    -h | --help)
      sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//'
      exit 0
      ;;
    -*) dv_die "unknown option '$1'" ;;
    *)
      only=$1
      shift
      ;;
  esac
done
[[ $minutes =~ ^[0-9]+$ && $minutes -gt 0 ]] || dv_die "--minutes wants a whole number above 0"

hostDir=$(dv_build_dir host)
dv_configure host
targetsDir=$hostDir/fuzz-targets
targets=()
for file in "$targetsDir"/*.sh; do
  [[ -e $file ]] || dv_die "the host build has no fuzz targets"
  name=${file##*/}
  targets+=("${name%.sh}")
done
if [[ -n $only ]]; then
  [[ -e $targetsDir/$only.sh ]] || dv_die "no fuzz target '$only' (there are: ${targets[*]})"
  targets=("$only")
fi
dv_build host "${targets[@]}" imagelist_seed_writer gif_corpus_writer
# The generated seed sets (written by ctest fixtures) are made first.
ctest --test-dir "$hostDir" -R 'seed' -E '_fuzz(er)?$' --output-on-failure >/dev/null ||
  dv_die "writing the generated seeds failed"

campaignRoot=$hostDir/fuzz-campaigns
table=$campaignRoot/table.md
mkdir -p "$campaignRoot"

# Prints the value of one of libFuzzer's final statistics ("stat::name: value") from a log.
final_stat() { awk -v key="stat::$2:" '$1 == key { value = $2 } END { print value + 0 }' "$1"; }
# Prints the edge coverage of the first or last status line of a log ("cov: N").
coverage() {
  grep -o 'cov: [0-9]*' "$1" | awk '{ print $2 }' | if [[ $2 == first ]]; then head -n 1; else tail -n 1; fi
}
count_files() { find "$1" -maxdepth 1 -type f -name "$2" 2>/dev/null | wc -l; }

rows=()
status=0
for target in "${targets[@]}"; do
  fuzzer= kept= maxLen=0
  seeds=()
  # shellcheck source=/dev/null
  source "$targetsDir/$target.sh"
  dir=$campaignRoot/$target
  mkdir -p "$dir/corpus" "$dir/findings" "$kept"
  existingSeeds=()
  for seed in "${seeds[@]}"; do
    [[ -d $seed ]] && existingSeeds+=("$seed")
  done
  # At the lowest priority on a busy machine an input may wait many seconds for a core: a hang is
  # an input that takes a minute. Inputs reported slow are timed again alone below.
  limits=(-timeout=60 -report_slow_units=2 -rss_limit_mb=2048)
  if ((maxLen > 0)); then limits+=(-max_len="$maxLen"); fi
  log=$dir/campaign.log
  dv_say "$target: $minutes min (log: $log)"
  fuzzStatus=0
  nice -n 19 "$fuzzer" -max_total_time=$((minutes * 60)) "${limits[@]}" -print_final_stats=1 \
    -artifact_prefix="$dir/findings/" "$dir/corpus" "$kept" "${existingSeeds[@]}" >"$log" 2>&1 ||
    fuzzStatus=$?

  # Minimise the kept corpus with what this campaign found; the old one is replaced only when the
  # merge succeeded.
  merged=$dir/merged
  rm -rf "$merged"
  mkdir -p "$merged"
  if nice -n 19 "$fuzzer" -merge=1 "${limits[@]}" "$merged" "$kept" "$dir/corpus" "${existingSeeds[@]}" \
    >"$dir/merge.log" 2>&1; then
    rm -rf "$kept"
    mv "$merged" "$kept"
  else
    dv_say "$target: minimising failed (see $dir/merge.log); the committed corpus is unchanged"
    status=1
  fi

  findings=$(($(count_files "$dir/findings" 'crash-*') + $(count_files "$dir/findings" 'timeout-*') +
    $(count_files "$dir/findings" 'oom-*') + $(count_files "$dir/findings" 'leak-*')))
  # Inputs reported slow under a busy machine's lowest priority are timed again alone; those still
  # over a second are real slow paths.
  slow=0 stillSlow=0
  for unit in "$dir"/findings/slow-unit-*; do
    [[ -e $unit ]] || continue
    slow=$((slow + 1))
    started=$(date +%s%N)
    "$fuzzer" "$unit" >/dev/null 2>&1
    if (($(date +%s%N) - started > 1000000000)); then stillSlow=$((stillSlow + 1)); fi
  done
  slow="$slow ($stillSlow alone)"
  if ((fuzzStatus != 0 && findings == 0)); then findings="failed ($fuzzStatus)"; fi
  [[ $findings == 0 ]] || status=1
  executions=$(final_stat "$log" number_of_executed_units)
  perSecond=$(final_stat "$log" average_exec_per_sec)
  newUnits=$(final_stat "$log" new_units_added)
  keptFiles=$(count_files "$kept" '*')
  keptSize=$(($(du -sb "$kept" | awk '{ print $1 }') / 1024))
  rows+=("| $target | $minutes | $executions | $perSecond | $(coverage "$log" first) → $(coverage "$log" last) | $newUnits | $keptFiles ($keptSize KB) | $findings | $slow |")
  echo "${rows[-1]}" >"$dir/row.md"
done

header() {
  echo "| target | minutes | executions | exec/s | edges covered | new inputs | kept corpus | findings | slow (> 2 s; still > 1 s alone) |"
  echo "|---|---|---|---|---|---|---|---|---|"
}
{
  header
  printf '%s\n' "${rows[@]}"
}
{
  header
  cat "$campaignRoot"/*/row.md
} >"$table"
dv_say "every target's latest campaign: $table"
exit "$status"

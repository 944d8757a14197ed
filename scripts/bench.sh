#!/usr/bin/env bash
# Builds the benchmarks if needed, runs them all and prints the table of docs/performance.md:
# each figure of Ionarch against a floor of what the toolkit alone costs, measured in the
# same run, the two alternating, as medians over many samples.
# Usage: scripts/bench.sh [repetitions]
# More repetitions give steadier medians on a busy machine; each repetition is a whole run.
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions=${1:-1}
bash scripts/install-deps.sh libbenchmark-dev jq xvfb xauth
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
bench=build-bench/bench
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

run() { # file name, then the benchmark and how to start it
    local name=$1
    shift
    "$@" --benchmark_repetitions="$repetitions" --benchmark_out="$results/$name.json" \
        --benchmark_out_format=json >&2
}

# The start under Xvfb too, where it is installed.
if command -v xvfb-run >/dev/null; then
    run startup xvfb-run -a -s "-screen 0 1280x1024x24" "$bench/bench_startup"
else
    run startup "$bench/bench_startup"
fi
QT_QPA_PLATFORM=offscreen run quiz "$bench/bench_quiz"
run loader "$bench/bench_loader"
run hostile "$bench/bench_hostile"
run classreport "$bench/bench_classreport"
run record "$bench/bench_record"
run practice "$bench/bench_practice"
run progress "$bench/bench_progress"

echo "Date: $(date -u '+%Y-%m-%d %H:%M UTC'); $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo |
    cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/^Mem:/ { print $2 }') GB memory; load average" \
    "$(cut -d' ' -f1-3 /proc/loadavg); $repetitions repetition(s)"
echo
jq -rs --arg reps "$repetitions" '
  [.[].benchmarks[]] as $all
  # The median over repetitions, or the one run when there is only one.
  | def run($name): ($all | map(select(.run_name | startswith($name)))) as $runs
      | (($runs | map(select(.aggregate_name == "median"))) + $runs)[0];
    # The first repetition, the only one whose process was fresh: later ones find the memory
    # of the earlier ones ready for reuse.
    def first($name): $all | map(select((.run_name | startswith($name)) and .repetition_index == 0))[0];
    def r: . * 100 | round / 100 | tostring;
    def ms: . * 1000 | round / 1000 | tostring + " ms";
    def met($ok): if $ok then "yes" else "no" end;
    def row($figure; $floor; $ours; $ratio; $target; $ok):
      "| \($figure) | \($floor) | \($ours) | \($ratio) | \($target) | \(met($ok)) |";
    def startup($platform; $name):
      run("Startup/" + $platform) as $s
      | if $s.error_occurred then "| Start-up to first paint, \($name) | not run: \($s.error_message) | | | | |"
        else row("Start-up to first paint, \($name)"; "\($s.floor_paint_ms | r) ms";
                 "\($s.ours_paint_ms | r) ms"; $s.paint_ratio | r; "≤ 1.25"; $s.paint_ratio <= 1.25),
             "| (reference) one line of text, \($name) | \($s.floor_paint_ms | r) ms | \($s.text_paint_ms | r) ms | \($s.text_paint_ratio | r) | | |"
        end;
    run("QuestionTurnaround") as $q | first("QuestionTurnaround") as $m | run("DigitKey") as $d
  | run("Loader") as $l
  | run("Startup/offscreen") as $s | run("ClassReport/hand_ins") as $c
  | run("HandOverATry") as $h | run("LoadTries") as $t | run("StartupWithRecord") as $w
  | "| Figure | Floor | Ionarch | Ratio | Target | Met |",
    "|---|---|---|---|---|---|",
    startup("offscreen"; "offscreen"), startup("xvfb"; "Xvfb"),
    row("Question turnaround, median"; $q.floor_ms | ms; $q.ours_ms | ms;
        $q.ratio | r; "< 2 ms and < 3"; $q.ours_ms < 2 and $q.ratio < 3),
    row("Digit key to lowered glyph, median"; $d.floor_ms | ms; $d.ours_ms | ms;
        $d.ratio | r; "< 1 ms and < 3"; $d.ours_ms < 1 and $d.ratio < 3),
    row("Loader, 5 MB"; "\($l.floor_5MB_ms | r) ms"; "\($l.ours_5MB_ms | r) ms";
        $l.ratio_5MB | r; "≤ 3"; $l.ratio_5MB <= 3),
    row("Loader, 50 MB"; "\($l.floor_50MB_ms | r) ms"; "\($l.ours_50MB_ms | r) ms";
        $l.ratio_50MB | r; "≤ 3"; $l.ratio_50MB <= 3),
    row("Loader time per byte, 50 MB over 5 MB"; $l.floor_linearity | r; $l.ours_linearity | r;
        ""; "≤ 1.2 (linear: 1)"; $l.ours_linearity <= 1.2),
    row("Peak memory at first paint, offscreen"; "\($s.floor_peak_MiB | r) MiB";
        "\($s.ours_peak_MiB | r) MiB"; "+\($s.ours_peak_MiB - $s.floor_peak_MiB | r) MiB";
        "≤ +8 MiB"; $s.ours_peak_MiB - $s.floor_peak_MiB <= 8),
    row("Peak memory growth over 1,000 questions"; ""; "\($m.peak_growth_KiB | r) KiB";
        "from \($m.peak_start_KiB / 1024 | r) MiB"; "none"; $m.peak_growth_KiB <= 0),
    row("Class report, 30 students × 5,000 tries"; "\($c.start_ms | r) ms"; "\($c.text_ms | r) ms";
        ""; "< 1 s"; $c.text_ms < 1000),
    row("A try handed over to the record"; ""; "\($h.real_time | r) µs"; ""; "< 1 ms";
        $h.real_time < 1000),
    row("50,000 tries of the record loaded"; ""; "\($t.median_ms | r) ms"; ""; "< 100 ms";
        $t.median_ms < 100),
    row("Start-up with 50,000 tries recorded, offscreen"; "\($w.without_record_paint_ms | r) ms";
        "\($w.with_record_paint_ms | r) ms"; $w.record_paint_ratio | r; "≤ 1.05 (none: 1)";
        $w.record_paint_ratio <= 1.05)
' "$results"/*.json

# The hostile files of tests/hostile, at a tenth and at full size: time per byte of the full
# file over the tenth, 1 when linear. The checker's times leave out its start.
echo
jq -r '
  [.benchmarks[]] as $all
  | def run($name): ($all | map(select(.run_name == $name))) as $runs
      | (($runs | map(select(.aggregate_name == "median"))) + $runs)[0];
    def ms: . * 10 | round / 10 | tostring;
    def r: . * 100 | round / 100 | tostring;
    "| Hostile file | Loader, tenth (ms) | Loader, full (ms) | Loader per byte | Checker, tenth (ms) | Checker, full (ms) | Checker per byte |",
    "|---|---|---|---|---|---|---|",
    # Each file once, in the order of the run.
    (reduce $all[].run_name as $n ([]; if any(.[]; . == $n) then . else . + [$n] end)
     | .[] | run(.) as $h | (ltrimstr("Hostile/") | split("/")[0]) as $kind
     | if $h.error_occurred then "| \($kind) | not run: \($h.error_message) | | | | | |"
       else "| \($kind) | \($h.loader_tenth_ms | ms) | \($h.loader_full_ms | ms) | "
            + "\($h.loader_per_byte | r) | \($h.checker_tenth_ms | ms) | "
            + "\($h.checker_full_ms | ms) | \($h.checker_per_byte | r) |"
       end)
' "$results/hostile.json"

# Practice of weak spots: the model rebuilt from 50,000 tries, a question chosen with it, the
# Progress window opened on them (with its two longest parts) and the first question with
# practice on, which waits for the model; then the simulated students of bench/students.tsv,
# whom the tuning never saw, without and with it.
echo
jq -rs '
  [.[].benchmarks[]] as $all
  | def run($name): ($all | map(select(.run_name | startswith($name)))) as $runs
      | (($runs | map(select(.aggregate_name == "median"))) + $runs)[0];
    def r: . * 100 | round / 100 | tostring;
    def met($ok): if $ok then "yes" else "no" end;
    run("RebuildModel") as $m | run("ChooseQuestion") as $c
  | run("OpenProgressWindow") as $o | run("FirstQuestionWithPractice") as $f
  | "| Practice | Measured | Bound | Met |", "|---|---|---|---|",
    "| Model rebuilt from 50,000 tries | \($m.real_time | r) ms | < 100 ms | \(met($m.real_time < 100)) |",
    "| Question chosen, median / 99th percentile / slowest | \($c.median_us | r) / \($c.p99_us | r) / \($c.max_us | r) µs | 99th percentile < 1 ms | \(met($c.p99_us < 1000)) |",
    "| Progress window opened on 50,000 tries (of it: tries read, figures) | \($o.median_ms | r) ms (\($o.read_ms | r), \($o.figures_ms | r)) | < 200 ms | \(met($o.median_ms < 200)) |",
    "| First question with practice on, model rebuilt from 50,000 tries | \($f.median_ms | r) ms | | |"
' "$results/practice.json" "$results/progress.json"
echo
for policy in random adaptive; do
    echo "Simulated students, $policy: $(build-bench/tools/sim/ionarch-sim --students bench/students.tsv \
        --policy "$policy" data/ions.dat | tail -n 1)"
done

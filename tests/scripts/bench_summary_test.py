# Feeds scripts/bench-summary made-up benchmark reports and reads the verdict of each goal.
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE_DIR = os.environ.get(
    "OTCRAPS_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", "..")
)
SUMMARY = os.path.join(SOURCE_DIR, "scripts", "bench-summary")
TEMP_PARENT = os.environ.get("OTCRAPS_TEST_TMP") or None

ROLL = "roll, 43 spots, 3 seats, odds / 1,024-number sort"
FULL = "full table frame / bare 640x480 conversion"
IDLE = "idle table frame / bare 640x480 conversion"
SCENE = "idle frame of a made-up scene / its full frame"
PROCESS = "idle program over 10 s, whole process"
THREAD = "idle program over 10 s, program thread"
FIRST = "start to the first table frame (built data)"
MEMORY = "peak memory, 1,000-roll session (headless)"
FIGURES = [ROLL, FULL, IDLE, SCENE, PROCESS, THREAD, FIRST, MEMORY]


def aggregates(name, median, mean=None, unit="ns", **counters):
    """Repetitions as scripts/bench reports them, aggregates only, the mean first."""
    mean = median if mean is None else mean
    entries = []
    for aggregate, time in (("mean", mean), ("median", median), ("stddev", 0.0), ("cv", 0.0)):
        entry = {"name": f"{name}_{aggregate}", "run_name": name, "run_type": "aggregate",
                 "repetitions": 5, "aggregate_name": aggregate, "iterations": 5,
                 "real_time": time, "cpu_time": time, "time_unit": unit}
        entry.update(counters)
        entries.append(entry)
    return entries


def runs(name, times, unit="ns", **counters):
    """Runs reported one by one: a single run, or repetitions without their aggregates."""
    return [dict({"name": name, "run_name": name, "run_type": "iteration", "iterations": 1,
                  "real_time": t, "cpu_time": t, "time_unit": unit}, **counters) for t in times]


def healthy():
    """Every report of a run on a healthy machine, by file name."""
    return {
        "bets.json": aggregates("BM_ResolveRoll", 1800.0)
        + aggregates("BM_RollYardstick", 7200.0),
        "table.json": aggregates("BM_StartToFirstTableFrame/iterations:5", 30.0, unit="ms",
                                 total_ms=170.0, work_ms=17.0)
        + aggregates("BM_BareConvert640x480", 75.0, unit="us")
        + aggregates("BM_TableFullFrame/iterations:300", 250.0, unit="us")
        + aggregates("BM_TableIdleFrame/iterations:3000", 9.0, unit="us"),
        "session.json": runs("BM_ThousandRollSessionMemory/iterations:1", [900.0], unit="ms",
                             peak_rss_mb=27.1),
        "media.json": runs("BM_Goals/iterations:1", [3000.0], IdlePercentOfFull=0.04),
        "idle.txt": "thread 0.20\nprocess 0.50\n",
    }


class BenchSummary(unittest.TestCase):
    def setUp(self):
        if TEMP_PARENT:
            os.makedirs(TEMP_PARENT, exist_ok=True)
        self.folder = tempfile.mkdtemp(prefix="bench-summary-", dir=TEMP_PARENT)
        self.addCleanup(shutil.rmtree, self.folder)

    def summary(self, reports):
        for name, report in reports.items():
            with open(os.path.join(self.folder, name), "w", encoding="utf-8") as out:
                if isinstance(report, str):
                    out.write(report)
                else:
                    json.dump({"context": {"num_cpus": 8}, "benchmarks": report}, out)
        done = subprocess.run([sys.executable, SUMMARY, self.folder], capture_output=True,
                              text=True, timeout=60)
        self.assertEqual(done.returncode, 0, done.stderr)
        return done.stdout

    def verdicts(self, reports):
        """Each figure's verdict, by figure."""
        found = {}
        for line in self.summary(reports).splitlines():
            figure = line[:54].strip()
            if figure in FIGURES:
                found[figure] = next(v for v in ("NOT met", "no figure", "met")
                                     if line.endswith(v))
        self.assertEqual(sorted(found), sorted(FIGURES))
        return found

    def test_a_healthy_run_meets_every_goal_and_shows_each_figure(self):
        self.assertEqual(
            self.summary(healthy()).splitlines(),
            [
                "  figure                                               value              "
                "goal           result",
                f"  {ROLL:<52} 0.25x (1.8/7.2 us) <= 0.4x        met",
                f"  {FULL:<52} 3.33x (250/75 us)  <= 5x          met",
                f"  {IDLE:<52} 12.0% (9.0 us)     < 20%          met",
                f"  {SCENE:<52} 0.04%              < 5%           met",
                f"  {PROCESS:<52} 0.50%              < 1%           met",
                f"  {THREAD:<52} 0.20%              < 0.5%         met",
                f"  {FIRST:<52} 170 ms (work 17)   < 300 ms       met",
                f"  {MEMORY:<52} 27.1 MB            < 64 MB        met",
            ],
        )

    # Each ratio is its figure over its yardstick: read upside down, a ratio turns either the
    # healthy run's verdict or its verdict here.
    def test_each_figure_past_its_goal_fails(self):
        reports = healthy()
        reports["bets.json"] = aggregates("BM_ResolveRoll", 3000.0) + aggregates(
            "BM_RollYardstick", 7200.0)
        reports["table.json"] = (
            aggregates("BM_StartToFirstTableFrame/iterations:5", 30.0, unit="ms",
                       total_ms=310.0, work_ms=150.0)
            + aggregates("BM_BareConvert640x480", 75.0, unit="us")
            + aggregates("BM_TableFullFrame/iterations:300", 380.0, unit="us")
            + aggregates("BM_TableIdleFrame/iterations:3000", 15.5, unit="us"))
        reports["session.json"] = runs("BM_ThousandRollSessionMemory/iterations:1", [900.0],
                                       unit="ms", peak_rss_mb=65.0)
        reports["media.json"] = runs("BM_Goals/iterations:1", [3000.0], IdlePercentOfFull=5.5)
        reports["idle.txt"] = "thread 0.60\nprocess 1.20\n"
        self.assertEqual(self.verdicts(reports), {f: "NOT met" for f in FIGURES})

    def test_of_repetitions_the_median_is_judged_not_the_mean(self):
        cases = {
            # One slow repetition pulls the mean past the goal; the median stays within it.
            "slow mean": (aggregates("BM_ResolveRoll", 2000.0, mean=3500.0),
                          aggregates("BM_TableFullFrame/iterations:300", 300.0, mean=400.0,
                                     unit="us"), "met"),
            "fast mean": (aggregates("BM_ResolveRoll", 3500.0, mean=2000.0),
                          aggregates("BM_TableFullFrame/iterations:300", 400.0, mean=300.0,
                                     unit="us"), "NOT met"),
            # Repetitions reported one by one: their median, 2,000 ns and 310 us.
            "one by one": (runs("BM_ResolveRoll", [1800.0, 9000.0, 1900.0, 9500.0, 2000.0]),
                           runs("BM_TableFullFrame/iterations:300",
                                [290.0, 900.0, 300.0, 310.0, 950.0], unit="us"), "met"),
        }
        for case, (roll, full, verdict) in cases.items():
            with self.subTest(case):
                reports = healthy()
                reports["bets.json"] = roll + aggregates("BM_RollYardstick", 7200.0)
                reports["table.json"] = full + aggregates("BM_BareConvert640x480", 75.0,
                                                          unit="us")
                found = self.verdicts(reports)
                self.assertEqual((found[ROLL], found[FULL]), (verdict, verdict))

    def test_figures_in_different_units_are_compared_as_times(self):
        reports = healthy()
        # 3 us against 7,200 ns: over the goal, though 3 is well under 7,200.
        reports["bets.json"] = aggregates("BM_ResolveRoll", 3.0, unit="us") + aggregates(
            "BM_RollYardstick", 7200.0)
        self.assertEqual(self.verdicts(reports)[ROLL], "NOT met")

    def test_a_figure_missing_or_unreadable_is_never_met(self):
        reports = healthy()
        reports["bets.json"] = aggregates("BM_ResolveRoll", 1800.0)
        reports["table.json"] = '{"benchmarks": [{"name": "BM_TableFullFrame", "cpu_'
        reports["media.json"] = runs("BM_Goals/iterations:1", [3000.0], IdlePercentOfFull="1")
        reports["idle.txt"] = "thread nan\n"
        del reports["session.json"]
        found = self.verdicts(reports)
        self.assertEqual(found, {f: "no figure" for f in FIGURES})


if __name__ == "__main__":
    unittest.main()

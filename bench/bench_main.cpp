// Hot paths measured against their physical floor in the same run: `make bench`.
// Prints Google Benchmark's table, then one ratio line per pair.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// Pairs of (measured, floor) benchmark names and the target ratio.
struct Pair {
    const char* what;
    const char* measured;
    const char* floor;
    double target;
};

const Pair kPairs[] = {
    {"game tick, level 2, everything on screen", "BM_GameTickLevel2", "BM_FloorTwoViewCopies", 1.5},
    {"mask scan 12000x600", "BM_MaskScan", "BM_FloorCountBlackPixels", 1.5},
    {"grid cache read 12004x604", "BM_GridCacheRead", "BM_FloorReadFile", 1.3},
    {"masked sprite draw 46x65", "BM_MaskedSpriteDraw", "BM_FloorMemcpySprite", 0},
    {"full-view copy 796x546", "BM_FullViewCopy", "BM_FloorMemcpyView", 0},
};

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median")
                times_[r.run_name.function_name] =
                    r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit) * 1e6;
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nRatios against the floor (same run):\n");
        for (const Pair& p : kPairs) {
            auto m = times_.find(p.measured), f = times_.find(p.floor);
            if (m == times_.end() || f == times_.end())
                continue;
            double ratio = m->second / f->second;
            std::printf("  %-42s %10.1f us vs floor %10.1f us  ratio %5.2f", p.what, m->second,
                        f->second, ratio);
            if (p.target > 0)
                std::printf("  (target <= %.1f: %s)", p.target,
                            ratio <= p.target ? "met" : "MISSED");
            std::printf("\n");
        }
    }

  private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

#include "platform/core/tick_stats.hpp"

#include <algorithm>
#include <cstdio>

namespace platform {
namespace {

double Percentile(std::vector<int64_t> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    size_t i = size_t(p * double(v.size() - 1) + 0.5);
    return double(v[std::min(i, v.size() - 1)]) / 1000.0;
}

}  // namespace

void TickStats::Record(int64_t startMicros, int64_t endMicros) {
    if (!enabled_)
        return;
    if (starts_.empty()) {
        cpuAtFirst_ = std::clock();
        if (lastClick_ >= 0)
            clickToFirstTick_ = startMicros - lastClick_;
    }
    starts_.push_back(startMicros);
    work_.push_back(endMicros - startMicros);
    lastEnd_ = endMicros;
}

std::string TickStats::Summary() const {
    std::vector<int64_t> intervals;
    for (size_t i = 1; i < starts_.size(); ++i) intervals.push_back(starts_[i] - starts_[i - 1]);
    double playSeconds = starts_.size() > 1 ? double(starts_.back() - starts_.front()) / 1e6 : 0;
    double rate = playSeconds > 0 ? double(starts_.size() - 1) / playSeconds : 0;
    double cpu = starts_.empty() ? 0 : double(std::clock() - cpuAtFirst_) / CLOCKS_PER_SEC;
    double span = starts_.empty() ? 0 : double(lastEnd_ - starts_.front()) / 1e6;
    char buf[256];
    std::snprintf(buf, sizeof buf,
                  "ticks %zu, %.2f ticks/s, interval p50 %.3f ms p99 %.3f ms, work p50 %.3f ms "
                  "p99 %.3f ms, cpu %.3f s per s of play",
                  starts_.size(), rate, Percentile(intervals, 0.5), Percentile(intervals, 0.99),
                  Percentile(work_, 0.5), Percentile(work_, 0.99), span > 0 ? cpu / span : 0.0);
    std::string out = buf;
    if (!present_.empty()) {
        std::snprintf(buf, sizeof buf, ", present p50 %.3f ms p99 %.3f ms",
                      Percentile(present_, 0.5), Percentile(present_, 0.99));
        out += buf;
    }
    if (clickToFirstTick_ >= 0) {
        std::snprintf(buf, sizeof buf, ", click to first tick %.1f ms",
                      double(clickToFirstTick_) / 1000.0);
        out += buf;
    }
    if (!frames_.empty() && span > 0) {
        // Frames shown while ticks ran, per second of that time.
        const auto inPlay = std::count_if(frames_.begin(), frames_.end(), [&](int64_t t) {
            return t >= starts_.front() && t <= lastEnd_;
        });
        std::snprintf(buf, sizeof buf, ", frames %.1f per s", double(inPlay) / span);
        out += buf;
    }
    return out;
}

}  // namespace platform

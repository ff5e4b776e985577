// The trace comparison the record-and-replay tests rely on names the first difference.
#include "support/trace_compare.hpp"

#include <gtest/gtest.h>

using testsupport::FirstTraceDifference;
using testsupport::FlattenJson;
using testsupport::TraceLine;

namespace {

TraceLine Tick(int ms, int tick, int x, const std::string& title = "a") {
    return {"{\"ms\":" + std::to_string(ms) + ",\"tick\":" + std::to_string(tick) +
            ",\"Actors\":[{\"X\":1},{\"X\":" + std::to_string(x) + "}],\"title\":\"" + title +
            "\"}"};
}

TraceLine Event(int ms, const std::string& form) {
    return {"{\"ms\":" + std::to_string(ms) + ",\"event\":\"show\",\"form\":\"" + form + "\"}"};
}

}  // namespace

TEST(TraceCompare, FlattensNestedFieldsInOrder) {
    const auto f = FlattenJson(R"({"a":1,"b":[{"X":2,"s":"q\"x"}],"c":-0.5})");
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f[0], std::make_pair(std::string("a"), std::string("1")));
    EXPECT_EQ(f[1], std::make_pair(std::string("b[1].X"), std::string("2")));
    EXPECT_EQ(f[2], std::make_pair(std::string("b[1].s"), std::string("\"q\\\"x\"")));
    EXPECT_EQ(f[3], std::make_pair(std::string("c"), std::string("-0.5")));
}

TEST(TraceCompare, NamesTheFirstDifferingTickAndFieldAndIgnoresTheTime) {
    const std::vector<TraceLine> a = {Event(0, "FrmMain"), Tick(10, 1, 5), Tick(20, 2, 6),
                                      Tick(30, 3, 7)};
    std::vector<TraceLine> b = {Event(900, "FrmMain"), Tick(910, 1, 5), Tick(920, 2, 6),
                                Tick(930, 3, 7)};
    EXPECT_EQ(FirstTraceDifference(a, b), "");
    b[2] = Tick(920, 2, 9);
    b[3] = Tick(930, 3, 9, "b");
    EXPECT_EQ(FirstTraceDifference(a, b), "tick 2, Actors[2].X: recorded 6, replayed 9");
}

TEST(TraceCompare, EventsOutOfPlaceAndRunsOfOtherLengthsAreNamed) {
    const std::vector<TraceLine> a = {Tick(10, 1, 5), Event(10, "lose"), Tick(20, 2, 5)};
    const std::vector<TraceLine> b = {Tick(10, 1, 5), Tick(20, 2, 5), Event(20, "lose")};
    EXPECT_EQ(FirstTraceDifference(a, b),
              "after tick 1: recorded event show lose, replayed tick 2");
    const std::vector<TraceLine> shorter = {Tick(10, 1, 5), Event(10, "lose")};
    EXPECT_EQ(FirstTraceDifference(a, shorter),
              "after tick 1: only the recorded run goes on, tick 2");
    // A replay of a recording cut off agrees as far as it goes; its own end is not compared.
    const std::vector<TraceLine> cut = {Tick(10, 1, 5), {R"({"ms":10,"event":"end"})"}};
    EXPECT_EQ(FirstTraceDifference(a, cut, true), "");
}

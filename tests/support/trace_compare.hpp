// Compares two traces of the same run field by field, the time stamps ("ms") left out, and
// names the first difference: the tick and the field.
#pragma once
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/headless_run.hpp"

namespace testsupport {

// One JSON line as path/value pairs in order: {"a":1,"b":[{"X":2}]} gives a=1 and b[1].X=2.
std::vector<std::pair<std::string, std::string>> FlattenJson(const std::string& raw);

// A trace file's complete lines (a process killed while writing leaves a partial last one).
std::vector<TraceLine> ReadTrace(const std::filesystem::path& file);

// "" when the traces agree line by line (ticks and events in the same order), every field but
// "ms"; otherwise the first difference, as "tick 512, Actors[1].X: recorded 700, replayed 703".
// With `prefixOnly` the traces need to agree only as far as both go (a recording cut off), and
// the replay's closing "end" is not compared.
std::string FirstTraceDifference(const std::vector<TraceLine>& recorded,
                                 const std::vector<TraceLine>& replayed, bool prefixOnly = false);

}  // namespace testsupport

#include "support/trace_compare.hpp"

#include <fstream>
#include <stdexcept>

namespace testsupport {
namespace {

// Just enough of a JSON reader for trace lines.
class Flattener {
  public:
    explicit Flattener(const std::string& text) : s_(text) {}

    std::vector<std::pair<std::string, std::string>> Run() {
        Value("");
        return out_;
    }

  private:
    void Value(const std::string& path) {
        Skip();
        if (p_ >= s_.size())
            throw std::runtime_error("JSON ends early: " + s_);
        if (s_[p_] == '{') {
            ++p_;
            for (Skip(); p_ < s_.size() && s_[p_] != '}'; Skip()) {
                const std::string key = String();
                Expect(':');
                std::string child = path;
                if (!child.empty())
                    child += '.';
                child += key;
                Value(child);
                Skip();
                if (p_ < s_.size() && s_[p_] == ',')
                    ++p_;
            }
            Expect('}');
        } else if (s_[p_] == '[') {
            ++p_;
            int index = 1;
            for (Skip(); p_ < s_.size() && s_[p_] != ']'; Skip()) {
                Value(path + "[" + std::to_string(index++) + "]");
                Skip();
                if (p_ < s_.size() && s_[p_] == ',')
                    ++p_;
            }
            Expect(']');
        } else if (s_[p_] == '"') {
            // Kept with its quotes, so that "1" and 1 differ.
            std::string quoted(1, '"');
            quoted += String();
            quoted += '"';
            out_.emplace_back(path, quoted);
        } else {
            const size_t start = p_;
            while (p_ < s_.size() && s_[p_] != ',' && s_[p_] != '}' && s_[p_] != ']') ++p_;
            out_.emplace_back(path, s_.substr(start, p_ - start));
        }
    }

    std::string String() {
        Expect('"');
        std::string text;
        for (; p_ < s_.size() && s_[p_] != '"'; ++p_) {
            if (s_[p_] == '\\' && p_ + 1 < s_.size())
                text += s_[p_++];
            text += s_[p_];
        }
        Expect('"');
        return text;
    }

    void Skip() {
        while (p_ < s_.size() && s_[p_] == ' ') ++p_;
    }

    void Expect(char c) {
        Skip();
        if (p_ >= s_.size() || s_[p_] != c)
            throw std::runtime_error(std::string("JSON: expected '") + c + "' in " + s_);
        ++p_;
    }

    const std::string& s_;
    size_t p_ = 0;
    std::vector<std::pair<std::string, std::string>> out_;
};

std::vector<std::pair<std::string, std::string>> WithoutTime(const TraceLine& line) {
    auto fields = FlattenJson(line.raw);
    std::erase_if(fields, [](const auto& f) { return f.first == "ms"; });
    return fields;
}

std::string Describe(const TraceLine& line) {
    if (line.IsTick())
        return "tick " + std::to_string(line.Int("tick"));
    std::string text = "event";
    for (auto [key, value] : WithoutTime(line)) {
        if (value.size() >= 2 && value.front() == '"')
            value = value.substr(1, value.size() - 2);
        text += " " + value;
    }
    return text;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> FlattenJson(const std::string& raw) {
    return Flattener(raw).Run();
}

std::vector<TraceLine> ReadTrace(const std::filesystem::path& file) {
    std::vector<TraceLine> out;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line))
        if (!in.eof() && !line.empty() && line.back() == '}')
            out.push_back({line});
    return out;
}

std::string FirstTraceDifference(const std::vector<TraceLine>& recorded,
                                 const std::vector<TraceLine>& replayed, bool prefixOnly) {
    size_t n = std::min(recorded.size(), replayed.size());
    if (prefixOnly && n == replayed.size() && n > 0 && replayed.back().IsEvent("end"))
        --n;
    std::string where = "at the start";
    for (size_t i = 0; i < n; ++i) {
        const auto a = WithoutTime(recorded[i]);
        const auto b = WithoutTime(replayed[i]);
        if (recorded[i].IsTick() != replayed[i].IsTick() || a.size() != b.size())
            return where + ": recorded " + Describe(recorded[i]) + ", replayed " +
                   Describe(replayed[i]);
        for (size_t f = 0; f < a.size(); ++f)
            if (a[f] != b[f])
                return (recorded[i].IsTick() ? Describe(recorded[i])
                                             : where + ", " + Describe(recorded[i])) +
                       ", " + a[f].first + ": recorded " + a[f].second + ", replayed " +
                       (a[f].first == b[f].first ? b[f].second : b[f].first + "=" + b[f].second);
        if (recorded[i].IsTick())
            where = "after tick " + std::to_string(recorded[i].Int("tick"));
    }
    if (!prefixOnly && recorded.size() != replayed.size()) {
        const bool recordedLonger = recorded.size() > replayed.size();
        const TraceLine& extra = recordedLonger ? recorded[n] : replayed[n];
        return where + ": only the " + (recordedLonger ? "recorded run" : "replay") + " goes on, " +
               Describe(extra);
    }
    return {};
}

}  // namespace testsupport

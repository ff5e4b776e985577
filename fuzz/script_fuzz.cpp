// Fuzzes the headless script reader: every input either parses into commands that are all
// within their ranges and name only known forms and controls, or fails with a ScriptError naming
// a line of the input. Any other exception or a crash is a finding.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "platform/run/script.hpp"

namespace {

using platform::ScriptCommand;

const std::set<std::pair<std::string, std::string>> kNames = {
    {"FrmMain", ""},
    {"FrmMain", "PlayArea"},
    {"izvelne", ""},
    {"izvelne", "Command1"},
    {"izvelne", "Command4"},
    {"win", ""},
    {"lose", ""},
    {"aik", "Command1"},
    {"aik", ""},
};

bool KnownName(const std::string& form, const std::string& control) {
    return kNames.count({form, control}) > 0;
}

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "script fuzz: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int lines = int(std::count(text.begin(), text.end(), '\n')) + 1;
    std::istringstream in(text);
    try {
        const auto commands = platform::ParseScript(in, KnownName);
        int previous = 0;
        for (const ScriptCommand& c : commands) {
            Check(c.line > previous && c.line <= lines, "line numbers out of order");
            previous = c.line;
            switch (c.kind) {
                case ScriptCommand::Kind::kWait:
                    Check(c.ms >= 0 && c.ms <= 24LL * 60 * 60 * 1000, "wait out of range");
                    break;
                case ScriptCommand::Kind::kKeyDown:
                case ScriptCommand::Kind::kKeyUp:
                    Check(c.key != 0, "key without a code");
                    break;
                case ScriptCommand::Kind::kClick:
                    Check(!c.control.empty() && KnownName(c.form, c.control), "click on unknown");
                    break;
                case ScriptCommand::Kind::kMove:
                    Check(KnownName(c.form, "") && KnownName(c.form, c.control), "move to unknown");
                    break;
                case ScriptCommand::Kind::kClose:
                    Check(KnownName(c.form, "") && c.control.empty(), "close of unknown");
                    break;
                case ScriptCommand::Kind::kScreenshot:
                    Check(!c.file.empty() && (c.form.empty() || KnownName(c.form, "")),
                          "screenshot of unknown");
                    break;
                case ScriptCommand::Kind::kFocus:
                    Check(KnownName(c.form, ""), "focus on unknown");
                    break;
                case ScriptCommand::Kind::kBlur:
                    break;
                case ScriptCommand::Kind::kPadAdd:
                case ScriptCommand::Kind::kPadRemove:
                case ScriptCommand::Kind::kPadButton:
                case ScriptCommand::Kind::kPadAxis:
                    Check(c.pad >= 1 && c.pad <= 16 && int(c.button) >= 0 && int(c.axis) >= 0,
                          "pad input out of range");
                    break;
            }
        }
    } catch (const platform::ScriptError& e) {
        Check(e.line() >= 1 && e.line() <= lines, "error names a line outside the input");
        const std::string prefix = "line " + std::to_string(e.line()) + ": ";
        Check(std::string(e.what()).rfind(prefix, 0) == 0, "error message does not name the line");
    }
    return 0;
}

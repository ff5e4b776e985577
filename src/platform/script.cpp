#include "platform/script.hpp"

#include <charconv>
#include <sstream>

#include "platform/input_event.hpp"

namespace platform {

int KeyCodeOf(const std::string& name) {
    if (name == "Left")
        return kKeyLeft;
    if (name == "Right")
        return kKeyRight;
    if (name == "Up")
        return kKeyUp;
    if (name == "Down")
        return kKeyDown;
    if (name == "Space")
        return kKeySpace;
    if (name == "Ctrl")
        return kKeyCtrl;
    if (name == "Escape")
        return kKeyEscape;
    return 0;
}

namespace {

// The longest single wait a script may ask for: a day of play.
constexpr int64_t kMaxWaitMs = 24LL * 60 * 60 * 1000;

ScriptCommand ParseLine(int line, const std::vector<std::string>& words, const NameCheck& names) {
    auto fail = [&](const std::string& why) -> ScriptError { return ScriptError(line, why); };
    auto need = [&](size_t min, size_t max) {
        if (words.size() < min || words.size() > max)
            throw fail("wrong number of arguments for '" + words[0] + "'");
    };
    auto checkForm = [&](const std::string& form, const std::string& control) {
        if (!names(form, ""))
            throw fail("unknown form '" + form + "'");
        if (!control.empty() && !names(form, control))
            throw fail("unknown control '" + control + "' on form '" + form + "'");
    };
    ScriptCommand c{};
    c.line = line;
    const std::string& verb = words[0];
    if (verb == "during-setup") {
        if (words.size() < 2)
            throw fail("'during-setup' needs an input command");
        c = ParseLine(line, std::vector<std::string>(words.begin() + 1, words.end()), names);
        if (c.kind == ScriptCommand::Kind::kWait || c.kind == ScriptCommand::Kind::kScreenshot ||
            c.duringSetup)
            throw fail("'during-setup' takes keydown, keyup, click, move or close");
        c.duringSetup = true;
    } else if (verb == "wait") {
        need(2, 2);
        c.kind = ScriptCommand::Kind::kWait;
        const std::string& n = words[1];
        auto [p, ec] = std::from_chars(n.data(), n.data() + n.size(), c.ms);
        if (ec != std::errc() || p != n.data() + n.size() || c.ms < 0 || c.ms > kMaxWaitMs)
            throw fail("'" + n + "' is not a number of milliseconds from 0 to " +
                       std::to_string(kMaxWaitMs));
    } else if (verb == "keydown" || verb == "keyup") {
        need(2, 2);
        c.kind = verb == "keydown" ? ScriptCommand::Kind::kKeyDown : ScriptCommand::Kind::kKeyUp;
        c.keyCode = KeyCodeOf(words[1]);
        if (c.keyCode == 0)
            throw fail("unknown key '" + words[1] + "' (Left Right Up Down Space Ctrl Escape)");
    } else if (verb == "click") {
        need(3, 3);
        c.kind = ScriptCommand::Kind::kClick;
        c.form = words[1];
        c.control = words[2];
        checkForm(c.form, c.control);
    } else if (verb == "move") {
        need(2, 3);
        c.kind = ScriptCommand::Kind::kMove;
        c.form = words[1];
        if (words.size() == 3)
            c.control = words[2];
        checkForm(c.form, c.control);
    } else if (verb == "close") {
        need(2, 2);
        c.kind = ScriptCommand::Kind::kClose;
        c.form = words[1];
        checkForm(c.form, "");
    } else if (verb == "screenshot") {
        need(2, 3);
        c.kind = ScriptCommand::Kind::kScreenshot;
        c.file = words[1];
        if (words.size() == 3) {
            c.form = words[2];
            checkForm(c.form, "");
        }
    } else {
        throw fail("unknown command '" + verb + "'");
    }
    return c;
}

}  // namespace

std::vector<ScriptCommand> ParseScript(std::istream& in, const NameCheck& names) {
    std::vector<ScriptCommand> commands;
    std::string text;
    int line = 0;
    while (std::getline(in, text)) {
        ++line;
        if (auto hash = text.find('#'); hash != std::string::npos)
            text.resize(hash);
        std::istringstream words(text);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (!w.empty())
            commands.push_back(ParseLine(line, w, names));
    }
    return commands;
}

}  // namespace platform

#include "platform/run/script.hpp"

#include <charconv>
#include <set>
#include <sstream>

#include "platform/forms/input_event.hpp"
#include "platform/input/key_names.hpp"

namespace platform {

int ScriptKeyOf(const std::string& name) {
    // The game's own name for its fire key, as the first scripts wrote it.
    if (name == "Ctrl")
        return kPhysLeftCtrl;
    // Names are exact in scripts ("Left", not "left"), so a recorded run reads one way only.
    const int key = KeyOfName(name);
    return key != 0 && NameOfKey(key) == name ? key : 0;
}

namespace {

// The longest single wait a script may ask for: a day of play.
constexpr int64_t kMaxWaitMs = 24LL * 60 * 60 * 1000;

// A whole number from `low` to `high`, or throws.
template <typename Fail>
int NumberIn(const std::string& text, int low, int high, const Fail& fail, const char* what) {
    int n = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || p != text.data() + text.size() || n < low || n > high)
        throw fail("'" + text + "' is not " + what + " from " + std::to_string(low) + " to " +
                   std::to_string(high));
    return n;
}

constexpr int kMaxPads = 16;

// pad add [N] | pad remove [N] | pad BUTTON down|up [N] | pad axis AXIS VALUE [N]. `pads` holds
// the pads connected so far, so input from a pad that is not there is a bad line.
template <typename Fail>
void ParsePad(ScriptCommand& c, const std::vector<std::string>& w, const Fail& fail,
              std::set<int>& pads) {
    auto number = [&](size_t at) {
        c.pad = w.size() > at ? NumberIn(w[at], 1, kMaxPads, fail, "a pad number") : 1;
    };
    auto tooMany = [&](size_t max) {
        if (w.size() > max)
            throw fail("too many arguments for 'pad " + w[1] + "'");
    };
    if (w.size() < 2)
        throw fail("'pad' needs add, remove, axis or a button name");
    if (w[1] == "add" || w[1] == "remove") {
        tooMany(3);
        number(2);
        c.kind = w[1] == "add" ? ScriptCommand::Kind::kPadAdd : ScriptCommand::Kind::kPadRemove;
        const bool known = pads.count(c.pad) > 0;
        if (c.kind == ScriptCommand::Kind::kPadAdd ? known : !known)
            throw fail("pad " + std::to_string(c.pad) +
                       (known ? " is already connected" : " is not connected"));
        if (known)
            pads.erase(c.pad);
        else
            pads.insert(c.pad);
        return;
    }
    if (w[1] == "axis") {
        if (w.size() < 4)
            throw fail("'pad axis' needs an axis and a value");
        tooMany(5);
        c.kind = ScriptCommand::Kind::kPadAxis;
        const std::optional<PadAxis> axis = PadAxisOf(w[2]);
        if (!axis)
            throw fail("unknown pad axis '" + w[2] +
                       "' (LeftX LeftY RightX RightY LeftTrigger "
                       "RightTrigger)");
        c.axis = *axis;
        c.value = NumberIn(w[3], -32768, 32767, fail, "an axis value");
        number(4);
    } else {
        if (w.size() < 3 || (w[2] != "down" && w[2] != "up"))
            throw fail("'pad " + w[1] + "' needs down or up");
        tooMany(4);
        c.kind = ScriptCommand::Kind::kPadButton;
        const std::optional<PadButton> button = PadButtonOf(w[1]);
        if (!button)
            throw fail("unknown pad button '" + w[1] +
                       "' (A B X Y Back Guide Start LeftStick "
                       "RightStick LeftShoulder RightShoulder DpadUp DpadDown DpadLeft DpadRight)");
        c.button = *button;
        c.down = w[2] == "down";
        number(3);
    }
    if (pads.count(c.pad) == 0)
        throw fail("pad " + std::to_string(c.pad) + " is not connected (pad add first)");
}

ScriptCommand ParseLine(int line, const std::vector<std::string>& words, const NameCheck& names,
                        std::set<int>& pads) {
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
        c = ParseLine(line, std::vector<std::string>(words.begin() + 1, words.end()), names, pads);
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
    } else if (verb == "keydown" || verb == "keyup" || verb == "keyrepeat") {
        need(2, 3);  // key names may have two words ("Left Shift")
        c.kind = verb == "keyup" ? ScriptCommand::Kind::kKeyUp : ScriptCommand::Kind::kKeyDown;
        c.repeat = verb == "keyrepeat";
        const std::string name = words.size() == 3 ? words[1] + " " + words[2] : words[1];
        c.key = ScriptKeyOf(name);
        if (c.key == 0)
            throw fail("unknown key '" + name +
                       "' (a physical key name: Left Space Ctrl P F12 ...)");
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
    } else if (verb == "focus") {
        need(2, 2);
        c.kind = ScriptCommand::Kind::kFocus;
        c.form = words[1];
        checkForm(c.form, "");
    } else if (verb == "blur") {
        need(1, 2);
        c.kind = ScriptCommand::Kind::kBlur;
        if (words.size() == 2) {
            c.form = words[1];
            checkForm(c.form, "");
        }
    } else if (verb == "pad") {
        ParsePad(c, words, fail, pads);
    } else {
        throw fail("unknown command '" + verb + "'");
    }
    return c;
}

}  // namespace

std::vector<ScriptCommand> ParseScript(std::istream& in, const NameCheck& names) {
    std::vector<ScriptCommand> commands;
    std::set<int> pads;
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
            commands.push_back(ParseLine(line, w, names, pads));
    }
    return commands;
}

}  // namespace platform

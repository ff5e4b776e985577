#include "platform/input/key_bindings.hpp"

#include <algorithm>

#include "platform/forms/input_event.hpp"
#include "platform/input/key_names.hpp"

namespace platform {
namespace {

// The defaults, as kActionRows names them.
const std::vector<int> kDefaultKeys[] = {
    {kPhysLeft},   {kPhysRight},         {kPhysUp},
    {kPhysDown},   {kPhysSpace},         {kPhysLeftCtrl, kPhysRightCtrl},
    {kPhysEscape}, {kPhysP, kPhysPause}, {kPhysM},
    {kPhysF11},    {kPhysF12},           {kPhysF9},
    {kPhysF10}};
static_assert(std::size(kDefaultKeys) == size_t(Action::kCount));

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

}  // namespace

int GameKeyCodeOf(Action action) {
    switch (action) {
        case Action::kLeft:
            return kKeyLeft;
        case Action::kRight:
            return kKeyRight;
        case Action::kUp:
            return kKeyUp;
        case Action::kDown:
            return kKeyDown;
        case Action::kJump:
            return kKeySpace;
        case Action::kFire:
            return kKeyCtrl;
        case Action::kQuit:
            return kKeyEscape;
        default:
            return 0;
    }
}

KeyBindings::KeyBindings() {
    for (size_t i = 0; i < keys_.size(); ++i) keys_[i] = kDefaultKeys[i];
}

std::vector<std::string> SplitKeyList(const std::string& text) {
    std::vector<std::string> names;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        names.push_back(
            Trim(text.substr(start, comma == std::string::npos ? comma : comma - start)));
        if (comma == std::string::npos)
            return names;
        start = comma + 1;
    }
}

bool ParseKeyList(const std::string& text, std::vector<int>& keys, std::string& why) {
    keys.clear();
    for (const std::string& name : SplitKeyList(text)) {
        const int key = KeyOfName(name);
        if (key == 0) {
            why = "unknown key name '" + name + "'";
            return false;
        }
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            keys.push_back(key);
    }
    if (keys.size() > 2) {
        why = "at most two keys per action";
        return false;
    }
    return true;
}

KeyBindings KeyBindings::FromSettings(KeySettings settings,
                                      const std::function<void(const std::string&)>& warn) {
    KeyBindings b;
    auto lineOf = [&](Action a) { return settings.rows[size_t(a)].line; };
    auto where = [&](Action a) {
        return settings.file.string() + ":" + std::to_string(lineOf(a)) + ": ";
    };
    auto keepDefault = [&](Action a) {
        b.keys_[size_t(a)] = kDefaultKeys[size_t(a)];
        settings.Reset(a);
    };
    for (int i = 0; i < int(Action::kCount); ++i) {
        const auto a = Action(i);
        if (lineOf(a) == 0)
            continue;  // the default
        std::vector<int> keys;
        std::string why;
        if (ParseKeyList(settings.rows[size_t(i)].keys, keys, why)) {
            b.keys_[size_t(i)] = keys;
        } else {
            warn(where(a) + why + " for " + ActionName(a) + "; keeping the default");
            keepDefault(a);
        }
    }
    // A key bound to two actions: the one read later from the file goes back to its default,
    // which may clash again, so look until nothing clashes (the defaults never do).
    for (;;) {
        Action loser = Action::kNone;
        int clash = 0;
        for (int i = 0; i < int(Action::kCount) && loser == Action::kNone; ++i)
            for (int j = i + 1; j < int(Action::kCount) && loser == Action::kNone; ++j)
                for (int key : b.keys_[size_t(i)])
                    if (std::count(b.keys_[size_t(j)].begin(), b.keys_[size_t(j)].end(), key)) {
                        loser = lineOf(Action(j)) >= lineOf(Action(i)) ? Action(j) : Action(i);
                        clash = key;
                        break;
                    }
        if (loser == Action::kNone)
            break;
        warn(where(loser) + "key '" + NameOfKey(clash) + "' is bound to two actions; " +
             ActionName(loser) + " keeps its default");
        keepDefault(loser);
    }
    return b;
}

Action KeyBindings::ActionOf(int key) const {
    for (size_t i = 0; i < keys_.size(); ++i)
        if (std::find(keys_[i].begin(), keys_[i].end(), key) != keys_[i].end())
            return Action(i);
    return Action::kNone;
}

}  // namespace platform

// Scripts that drive the game headless: one command per line, '#' starts a comment.
//   wait MS | keydown KEY | keyup KEY | click FORM CONTROL | move FORM [CONTROL]
//   close FORM | screenshot FILE [FORM] | focus FORM | blur [FORM] | keyrepeat KEY
//   pad add [N] | pad remove [N] | pad BUTTON down|up [N] | pad axis AXIS VALUE [N]
// Keys are physical keys by name ("Left", "Space", "Left Ctrl", "P"; "Ctrl" is the left one);
// keyrepeat is a key-down sent again by the keyboard's auto-repeat; blur without a form is the
// whole game losing the focus, with one the window of that form;
// pads are numbered from 1, pad 1 when no number is given.
//   during-setup keydown|keyup|click|move|close ...: that input arrives at the next yield of a
//   set-up (a new game or the next level scanning its mask) instead of now
#pragma once
#include <cstdint>
#include <functional>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/forms/input_event.hpp"

namespace platform {

struct ScriptCommand {
    enum class Kind {
        kWait,
        kKeyDown,
        kKeyUp,
        kClick,
        kMove,
        kClose,
        kScreenshot,
        kFocus,
        kBlur,
        kPadAdd,
        kPadRemove,
        kPadButton,
        kPadAxis
    };
    Kind kind;
    bool duringSetup = false;
    int line = 0;
    int64_t ms = 0;
    int key = 0;          // a physical key
    bool repeat = false;  // kKeyDown: from auto-repeat
    std::string form, control, file;
    int pad = 1;
    PadButton button{};
    bool down = false;
    PadAxis axis{};
    int value = 0;
};

class ScriptError : public std::runtime_error {
  public:
    ScriptError(int line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}
    int line() const { return line_; }

  private:
    int line_;
};

// Answers whether a form (and, when given, one of its controls) exists.
using NameCheck = std::function<bool(const std::string& form, const std::string& control)>;

// Reads the whole script; the first bad line throws ScriptError naming it.
std::vector<ScriptCommand> ParseScript(std::istream& in, const NameCheck& names);

// The physical key of a script's key name, or 0.
int ScriptKeyOf(const std::string& name);

}  // namespace platform

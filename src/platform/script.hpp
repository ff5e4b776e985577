// Scripts that drive the game headless: one command per line, '#' starts a comment.
//   wait MS | keydown KEY | keyup KEY | click FORM CONTROL | move FORM [CONTROL]
//   close FORM | screenshot FILE [FORM]
//   during-setup keydown|keyup|click|move|close ...: that input arrives at the next yield of a
//   set-up (a new game or the next level scanning its mask) instead of now
#pragma once
#include <cstdint>
#include <functional>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

struct ScriptCommand {
    enum class Kind { kWait, kKeyDown, kKeyUp, kClick, kMove, kClose, kScreenshot };
    Kind kind;
    bool duringSetup = false;
    int line = 0;
    int64_t ms = 0;
    int keyCode = 0;
    std::string form, control, file;
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

// The key code of a key name (Left Right Up Down Space Ctrl Escape), or 0.
int KeyCodeOf(const std::string& name);

}  // namespace platform

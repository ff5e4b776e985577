// Inputs as script lines and script commands as inputs: the one place that knows how each
// kind of input is written, shared by the headless harness, the windowed replay and the
// recorder. A new kind of input needs a case here in each direction.
#pragma once
#include <string>

#include "platform/forms/input_event.hpp"
#include "platform/run/script.hpp"

namespace platform {

class App;

// The script line of an input ("keydown Left", "click izvelne Command1", "move FrmMain"), or ""
// for one that scripts cannot express (a key without a name).
std::string ScriptLineOf(const InputEvent& event);

// The name scripts use for a key code, or "".
std::string KeyNameOf(int keyCode);

// Whether the command stands for an input (not a wait or a screenshot).
bool IsInputCommand(const ScriptCommand& command);

// The input an input command stands for, its form and control found by name.
InputEvent InputOf(const App& app, const ScriptCommand& command);

// Plays one command that is not a wait: posts its input and lets it run, or takes the
// screenshot. A "during-setup" input is kept for the next yield of a set-up instead. With `strict`
// (recordings), an input the game would not act on now means the run has gone another way than
// recorded: it throws ScriptError naming the line.
void PlayCommand(App& app, const ScriptCommand& command, bool strict);

}  // namespace platform

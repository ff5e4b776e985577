// Inputs written as script lines read back as the same inputs.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"
#include "platform/forms/headless_frontend.hpp"
#include "platform/forms/picture_button.hpp"
#include "platform/run/script.hpp"
#include "platform/run/script_input.hpp"

using namespace platform;

namespace {

class TwoButtons : public Form {
  public:
    TwoButtons() : Form("buttons", 100, 40, BorderStyle::kFixedSingle) {}
    PictureButton left{*this, "left", 0, 0, 40, 20};
    PictureButton right{*this, "right", 50, 0, 40, 20};
};

}  // namespace

TEST(ScriptInput, EveryKeyTheGameKnowsHasANameThatReadsBack) {
    for (int key : {kPhysLeftCtrl, kPhysRightCtrl, kPhysEscape, kPhysSpace, kPhysLeft, kPhysUp,
                    kPhysRight, kPhysDown, kPhysP, kPhysF12, kPhysLeftShift, kPhysTab}) {
        const std::string name = KeyNameOf(key);
        ASSERT_FALSE(name.empty()) << key;
        EXPECT_EQ(ScriptKeyOf(name), key) << name;
    }
    EXPECT_EQ(KeyNameOf(0), "");
    EXPECT_EQ(ScriptLineOf({InputEvent::Kind::kKeyDown, nullptr, nullptr, 0}), "");
}

TEST(ScriptInput, EveryKindOfInputWrittenAsALineReadsBackAsTheSameInput) {
    App::Get().SetFrontend(std::make_unique<HeadlessFrontend>());
    TwoButtons form;
    using K = InputEvent::Kind;
    const std::vector<InputEvent> inputs = {
        {K::kKeyDown, nullptr, nullptr, kPhysSpace},
        {K::kKeyUp, nullptr, nullptr, kPhysLeftCtrl},
        {K::kKeyDown, nullptr, nullptr, kPhysRightCtrl, true},
        {K::kClick, &form, &form.right, 0},
        {K::kMouseMove, &form, &form.left, 0},
        {K::kMouseMove, &form, nullptr, 0},
        {K::kClose, &form, nullptr, 0},
        {K::kFocusGained, &form},
        {K::kFocusLost, &form},
        {K::kFocusLost, nullptr},
        {K::kPadAdded, nullptr, nullptr, 0, false, 2},
        {K::kPadButtonDown, nullptr, nullptr, 0, false, 2, PadButton::kStart},
        {K::kPadAxis, nullptr, nullptr, 0, false, 2, PadButton::kA, PadAxis::kLeftY, -1234},
        {K::kPadButtonUp, nullptr, nullptr, 0, false, 2, PadButton::kStart},
        {K::kPadRemoved, nullptr, nullptr, 0, false, 2}};
    std::string text;
    for (const InputEvent& e : inputs) text += ScriptLineOf(e) + "\n";
    std::istringstream in(text);
    const auto commands = ParseScript(in, [](const std::string& f, const std::string& c) {
        Form* form = App::Get().FindForm(f);
        return form && (c.empty() || form->FindControl(c));
    });
    ASSERT_EQ(commands.size(), inputs.size()) << text;
    for (size_t i = 0; i < inputs.size(); ++i) {
        ASSERT_TRUE(IsInputCommand(commands[i])) << i;
        const InputEvent back = InputOf(App::Get(), commands[i]);
        EXPECT_EQ(back.kind, inputs[i].kind) << i;
        EXPECT_EQ(back.form, inputs[i].form) << i;
        EXPECT_EQ(back.control, inputs[i].control) << i;
        EXPECT_EQ(back.key, inputs[i].key) << i;
        EXPECT_EQ(back.repeat, inputs[i].repeat) << i;
        EXPECT_EQ(back.pad, inputs[i].kind >= K::kPadAdded && inputs[i].kind <= K::kPadAxis
                                ? inputs[i].pad
                                : back.pad)
            << i;
        EXPECT_EQ(back.value, inputs[i].value) << i;
    }
    // A click on the bare form does nothing in the game, so it has no line.
    EXPECT_EQ(ScriptLineOf({K::kClick, &form, nullptr, 0}), "");
}

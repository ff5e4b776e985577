// Every form as its screen is laid out: caption, border, client size, and each control's kind,
// position and size (and a label's text, a timer's interval), read from the running forms.
#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "platform/forms/label.hpp"
#include "platform/forms/picture_box.hpp"
#include "platform/forms/picture_button.hpp"
#include "platform/forms/timer.hpp"
#include "screens/running_forms.hpp"

using platform::BorderStyle;

namespace {

enum class Kind { kButton, kPictureBox, kSunkenPictureBox, kLabel, kTimer, kOther };

const char* KindName(Kind k) {
    switch (k) {
        case Kind::kButton:
            return "picture button";
        case Kind::kPictureBox:
            return "borderless picture box";
        case Kind::kSunkenPictureBox:
            return "picture box with a sunken border";
        case Kind::kLabel:
            return "label";
        case Kind::kTimer:
            return "timer";
        case Kind::kOther:
            break;
    }
    return "something else";
}

Kind KindOf(const platform::Control& c) {
    if (dynamic_cast<const platform::PictureButton*>(&c))
        return Kind::kButton;
    if (auto* box = dynamic_cast<const platform::PictureBox*>(&c))
        return float(box->width()) - box->ScaleWidth() == 4.0f ? Kind::kSunkenPictureBox
                                                               : Kind::kPictureBox;
    if (dynamic_cast<const platform::Label*>(&c))
        return Kind::kLabel;
    if (dynamic_cast<const platform::Timer*>(&c))
        return Kind::kTimer;
    return Kind::kOther;
}

// Not fixed by the layout (the picture store's boxes lie where the designer dropped them).
constexpr int kFree = INT_MIN;

struct ControlFact {
    std::string name;
    Kind kind;
    int left = kFree, top = kFree, width = kFree, height = kFree;
    // A label's text as the form opens; a trailing '*' matches any ending.
    std::optional<std::string> text = std::nullopt;
    int interval = 0;  // a timer's, in ms
};

ControlFact Button(std::string n, int l, int t, int w, int h) {
    return {std::move(n), Kind::kButton, l, t, w, h};
}
ControlFact Holder(std::string n, int l, int t, int w, int h) {
    return {std::move(n), Kind::kPictureBox, l, t, w, h};
}
ControlFact Sunken(std::string n, int l, int t, int w, int h) {
    return {std::move(n), Kind::kSunkenPictureBox, l, t, w, h};
}
// A picture-store box: sized to its image plus the 2-pixel border on each side.
ControlFact Stored(std::string n, int imageWidth, int imageHeight) {
    return Sunken(std::move(n), kFree, kFree, imageWidth + 4, imageHeight + 4);
}
ControlFact Text(std::string n, int l, int t, int w, int h,
                 std::optional<std::string> text = std::nullopt) {
    return {std::move(n), Kind::kLabel, l, t, w, h, std::move(text)};
}
ControlFact Timer(std::string n, int intervalMs) {
    return {std::move(n), Kind::kTimer, kFree, kFree, kFree, kFree, std::nullopt, intervalMs};
}

struct FormFact {
    std::string form, caption;
    std::optional<BorderStyle> border;
    int width, height;
    std::vector<ControlFact> controls;
};

const std::vector<FormFact>& Layouts() {
    static const std::vector<FormFact> layouts{
        {"intro",
         "video",
         BorderStyle::kNone,
         800,
         600,
         {Holder("tebrix", 8, 128, 57, 41), Holder("soldier", 8, 56, 41, 33), Timer("Timer1", 2000),
          Timer("Timer2", 5000), Timer("Timer3", 3000)}},
        {"izvelne",
         "Menu",
         BorderStyle::kFixedSingle,
         794,
         575,
         {Button("Command1", 312, 120, 169, 97), Button("Command2", 312, 232, 169, 97),
          Button("Command4", 312, 344, 169, 97), Button("Command3", 312, 456, 169, 97),
          Holder("Picture1", 544, 144, 145, 73), Holder("Picture2", 536, 256, 145, 81),
          Holder("Picture3", 536, 376, 121, 65), Holder("Picture4", 64, 136, 105, 73),
          Holder("Picture5", 56, 256, 113, 81), Holder("Picture6", 72, 376, 97, 73),
          Holder("Picture7", 72, 480, 89, 49), Holder("Picture8", 560, 472, 97, 89)}},
        {"options",
         "OPTIONS",
         BorderStyle::kFixedSingle,
         464,
         326,
         {Button("Command1", 56, 96, 169, 89), Button("Command3", 232, 96, 169, 89),
          Button("Command2", 144, 200, 169, 89), Holder("Picture1", 16, 256, 97, 49),
          Holder("Picture2", 352, 224, 81, 33), Holder("Picture3", 344, 288, 81, 33),
          Holder("Picture4", 8, 16, 81, 33), Holder("Picture5", 352, 8, 81, 33),
          Holder("Picture6", 184, 56, 81, 33)}},
        {"about",
         "About",
         BorderStyle::kFixedSingle,
         545,
         538,
         {Text("Label2", 40, 24, 457, 33,
               "DUNSPELT is a 2D shooting game, the objective of the game is to compeat all "
               "levels and eliminate all enemys."),
          Text("Label11", 40, 64, 433, 17,
               "Game controls: Arrow keys Left and Right to move, Space to jump and Control to "
               "fire"),
          Text("Label3", 40, 96, 457, 25), Text("Label4", 40, 120, 457, 25),
          Text("Label5", 40, 144, 457, 25), Text("Label1", 40, 192, 457, 25, "Music: *"),
          Text("Label7", 72, 216, 297, 25), Text("Label6", 72, 240, 433, 25),
          Text("Label8", 72, 264, 297, 25), Text("Label10", 216, 312, 153, 33, "MADE IN LATVIA"),
          Text("Label9", 248, 360, 73, 33, "2007"), Button("Command1", 176, 424, 169, 89),
          Holder("Picture1", 48, 440, 57, 49), Holder("Picture2", 408, 440, 73, 49)}},
        {"FrmMain",
         "Feel IT !!",
         BorderStyle::kFixedSingle,
         794,
         575,
         {Sunken("PlayArea", 0, 0, 800, 550), Sunken("BackBuffer", 72, 632, 800, 550),
          Text("Label1", 72, 552, 25, 25, "HP"), Text("HP", 104, 552, 105, 25, "100"),
          Text("Label2", 240, 552, 33, 25, "Level"), Text("level", 280, 552, 121, 25),
          Text("Label3", 408, 552, 41, 17, "Score"), Text("score", 456, 552, 57, 17, "0"),
          Timer("GameTimer", 10)}},
        {"aik",
         "LEVEL DONE !",
         BorderStyle::kFixedSingle,
         312,
         213,
         {Button("Command1", 56, 24, 209, 81), Button("Command2", 56, 112, 209, 81),
          Holder("Picture1", 8, 152, 25, 33), Holder("Picture2", 272, 168, 41, 17),
          Holder("Picture3", 8, 40, 17, 33), Holder("Picture4", 280, 40, 25, 33)}},
        {"win",
         "DEMO Compleated !!!",
         BorderStyle::kFixedSingle,
         794,
         575,
         {Text("Label1", 112, 80, 641, 129, "DEMO COMPLEATED"),
          Text("Label2", 240, 352, 201, 73, "Score"),
          // The score of a fresh game.
          Text("pointi", 464, 352, 225, 81, "0"), Button("Command1", 424, 224, 177, 73),
          Button("Command2", 216, 224, 177, 73), Holder("Picture1", 56, 176, 73, 57),
          Holder("Picture2", 48, 264, 73, 57), Holder("Picture3", 672, 176, 89, 65),
          Holder("Picture4", 672, 280, 89, 73)}},
        {"lose",
         "GAME OVER",
         BorderStyle::kFixedSingle,
         794,
         575,
         {Text("Label1", 240, 56, 329, 105, "You LOSE !"), Button("Command1", 312, 184, 177, 89),
          Button("Command2", 312, 296, 177, 89), Holder("Picture1", 112, 120, 57, 57),
          Holder("Picture2", 120, 272, 97, 73), Holder("Picture3", 616, 144, 73, 41),
          Holder("Picture4", 640, 312, 49, 49)}},
        {"FrmPics",
         "img",
         std::nullopt,  // never shown
         932,
         835,
         {Stored("hugo1", 46, 65), Stored("hugo2", 45, 65), Stored("hugo3", 45, 65),
          Stored("hugo4", 46, 65), Stored("hugo5", 45, 65), Stored("hugo6", 45, 65),
          Stored("hugo1m", 46, 65), Stored("hugo23m", 45, 65), Stored("hugo4m", 46, 65),
          Stored("hugo56m", 45, 65), Stored("l1e", 63, 64), Stored("l1e1", 63, 64),
          Stored("l1em", 63, 64), Stored("l1e1m", 63, 64), Stored("l1s", 30, 17),
          Stored("l1sm", 30, 17), Stored("l2e", 77, 64), Stored("l2e1", 77, 64),
          Stored("l2em", 77, 64), Stored("l2e1m", 77, 64), Stored("l2s", 30, 30),
          Stored("l2sm", 30, 30), Stored("Bullet", 30, 10), Stored("BulletMask", 30, 10),
          Stored("Character", 46, 65), Stored("CharacterMask", 13, 15),
          // Empty until a level's pictures arrive.
          Sunken("MapPicture", kFree, kFree, kFree, kFree),
          Sunken("MapMask", kFree, kFree, kFree, kFree)}},
    };
    return layouts;
}

// The described text, or its beginning when it ends in '*'.
bool TextMatches(const std::string& expected, const std::string& actual) {
    if (!expected.empty() && expected.back() == '*')
        return actual.rfind(expected.substr(0, expected.size() - 1), 0) == 0;
    return actual == expected;
}

void PrintTo(const FormFact& f, std::ostream* os) {
    *os << f.form;
}

class FormFacts : public screentest::RunningForms,
                  public ::testing::WithParamInterface<FormFact> {};

TEST_P(FormFacts, MatchTheLayout) {
    const FormFact& fact = GetParam();
    platform::Form& form = Loaded(fact.form);
    EXPECT_EQ(form.captionText(), fact.caption);
    if (fact.border) {
        EXPECT_EQ(form.border(), *fact.border);
    }
    EXPECT_EQ(form.clientWidth(), fact.width);
    EXPECT_EQ(form.clientHeight(), fact.height);
    EXPECT_EQ(form.controls().size(), fact.controls.size()) << "controls besides the described";
    auto pinned = [](int expected, int actual) { return expected == kFree || expected == actual; };
    for (const ControlFact& c : fact.controls) {
        SCOPED_TRACE(fact.form + "." + c.name);
        const platform::Control* control = form.FindControl(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(KindName(KindOf(*control)), std::string(KindName(c.kind)));
        EXPECT_TRUE(pinned(c.left, control->left()) && pinned(c.top, control->top()))
            << "at (" << control->left() << ", " << control->top() << ")";
        EXPECT_TRUE(pinned(c.width, control->width()) && pinned(c.height, control->height()))
            << "sized " << control->width() << " x " << control->height();
        if (auto* label = dynamic_cast<const platform::Label*>(control); label && c.text) {
            EXPECT_TRUE(TextMatches(*c.text, label->captionText()))
                << "reads \"" << label->captionText() << "\"";
        }
        if (auto* timer = dynamic_cast<const platform::Timer*>(control)) {
            EXPECT_EQ(timer->interval(), c.interval);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, FormFacts, ::testing::ValuesIn(Layouts()),
                         [](const auto& info) { return info.param.form; });

}  // namespace

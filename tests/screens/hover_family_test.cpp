// The hover family of every screen: the mouse over a picture button shows the hover image from
// its holder, the mouse over the bare form puts back every button's normal image, in the
// described order. The pictures of the same moves are pinned by the screen-picture test.
#include <gtest/gtest.h>

#include "platform/forms/picture_box.hpp"
#include "platform/forms/picture_button.hpp"
#include "screens/hover_family.hpp"
#include "screens/running_forms.hpp"
#include "screens/screen_flows.hpp"

namespace {

struct Member {
    std::string button, hoverHolder, normalHolder, pair;  // pair: the art's word
};

struct Family {
    std::string form;
    std::vector<Member> restoreOrder;
};

const std::vector<Family>& Families() {
    static const std::vector<Family> families{
        {"izvelne",
         {{"Command1", "Picture1", "Picture4", "start"},
          {"Command2", "Picture2", "Picture5", "options"},
          {"Command3", "Picture3", "Picture6", "exit"},
          {"Command4", "Picture8", "Picture7", "about"}}},
        {"options",
         {{"Command1", "Picture1", "Picture4", "on"},
          {"Command3", "Picture2", "Picture5", "off"},
          {"Command2", "Picture3", "Picture6", "back"}}},
        {"about", {{"Command1", "Picture2", "Picture1", "back"}}},
        {"aik",
         {{"Command2", "Picture1", "Picture2", "exit"},
          {"Command1", "Picture3", "Picture4", "continue"}}},
        {"win",
         {{"Command2", "Picture1", "Picture2", "exit"},
          {"Command1", "Picture3", "Picture4", "menu"}}},
        {"lose",
         {{"Command1", "Picture1", "Picture2", "menu"},
          {"Command2", "Picture3", "Picture4", "exit"}}},
    };
    return families;
}

void PrintTo(const Family& f, std::ostream* os) {
    *os << f.form;
}

class HoverFamilies : public screentest::RunningForms,
                      public ::testing::WithParamInterface<Family> {
  protected:
    platform::PictureButton& ButtonOf(const Member& m) {
        return dynamic_cast<platform::PictureButton&>(*form_->FindControl(m.button));
    }
    platform::PictureBox& Box(const std::string& name) {
        return dynamic_cast<platform::PictureBox&>(*form_->FindControl(name));
    }
    // Which image of its pair each button shows, in family order: "normal", "hover" or "?".
    std::vector<std::string> Showing() {
        std::vector<std::string> out;
        for (const Member& m : GetParam().restoreOrder) {
            const platform::Surface& shown = *ButtonOf(m).Picture();
            out.push_back(shown == Art(m.pair, false)  ? "normal"
                          : shown == Art(m.pair, true) ? "hover"
                                                       : "?");
        }
        return out;
    }
    static const platform::Surface& Art(const std::string& pair, bool hover) {
        static std::map<std::string, std::shared_ptr<platform::Surface>> loaded;
        const std::string file = "button_" + pair + (hover ? "_hover" : "") + ".png";
        auto& p = loaded[file];
        if (!p)
            p = screentest::BuiltPicture(file);
        return *p;
    }

    platform::Form* form_ = nullptr;
};

TEST_P(HoverFamilies, ButtonsLightUpAndTheBareFormRestoresEveryOneInOrder) {
    const Family& family = GetParam();
    form_ = &Shown(family.form);
    const size_t n = family.restoreOrder.size();
    const std::vector<std::string> allNormal(n, "normal");

    // The holders hold the pair's two images, and each button opens with its normal one.
    for (const Member& m : family.restoreOrder) {
        SCOPED_TRACE(m.button);
        EXPECT_TRUE(*Box(m.hoverHolder).Picture() == Art(m.pair, true)) << m.hoverHolder;
        EXPECT_TRUE(*Box(m.normalHolder).Picture() == Art(m.pair, false)) << m.normalHolder;
    }
    EXPECT_EQ(Showing(), allNormal);

    // The bare form's handler restores the buttons in the described order.
    std::vector<std::string> order, described;
    for (const game::HoverMember& m :
         dynamic_cast<game::HoverScreen&>(*form_).hoverFamily().members())
        order.push_back(m.button.name() + " from " + m.normal.name());
    for (const Member& m : family.restoreOrder)
        described.push_back(m.button + " from " + m.normalHolder);
    EXPECT_EQ(order, described);

    // One button at a time lights up; the bare form puts it back.
    for (size_t i = 0; i < n; ++i) {
        const Member& m = family.restoreOrder[i];
        MoveMouse(*form_, &ButtonOf(m));
        std::vector<std::string> expected = allNormal;
        expected[i] = "hover";
        EXPECT_EQ(Showing(), expected) << "mouse over " << m.button;
        MoveMouse(*form_, nullptr);
        EXPECT_EQ(Showing(), allNormal) << "mouse back on the bare form from " << m.button;
    }
    // Every button lit at once: one move over the bare form restores them all.
    for (const Member& m : family.restoreOrder) MoveMouse(*form_, &ButtonOf(m));
    EXPECT_EQ(Showing(), std::vector<std::string>(n, "hover"));
    MoveMouse(*form_, nullptr);
    EXPECT_EQ(Showing(), allNormal);
}

INSTANTIATE_TEST_SUITE_P(Screens, HoverFamilies, ::testing::ValuesIn(Families()),
                         [](const auto& info) { return info.param.form; });

}  // namespace

// Forms, controls and timers: the loading rule, unloading, and timers that never overlap.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/core/clock.hpp"
#include "platform/core/surface.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"
#include "platform/forms/headless_frontend.hpp"
#include "platform/forms/label.hpp"
#include "platform/forms/picture_box.hpp"
#include "platform/forms/picture_button.hpp"
#include "platform/forms/timer.hpp"

using namespace platform;

namespace {

class Fixture : public ::testing::Test {
  protected:
    void SetUp() override {
        App::Get().SetFrontend(std::make_unique<HeadlessFrontend>());
        auto clock = std::make_unique<VirtualClock>();
        clock_ = clock.get();
        App::Get().SetClock(std::move(clock));
    }
    VirtualClock* clock_ = nullptr;
};

// A form that counts its load handler runs and sets a caption at design time.
class CountingForm : public Form {
  public:
    CountingForm() : Form("counting", 200, 100, BorderStyle::kFixedSingle) {}
    Label caption{*this, "caption", 0, 0, 50, 20, LabelStyle{}};
    PictureButton button{*this, "button", 60, 0, 40, 20};
    int loads = 0, unloads = 0;

  protected:
    void Design() override { caption.SetCaption("design"); }
    void Form_Load() override { ++loads; }
    void Form_Unload(int&) override { ++unloads; }
};

}  // namespace

TEST_F(Fixture, TouchingAControlOfAnUnloadedFormLoadsItHidden) {
    CountingForm form;
    EXPECT_FALSE(form.loaded());
    form.caption.SetCaption("changed");  // touching loads: design values first, then the change
    EXPECT_TRUE(form.loaded());
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(form.loads, 1);
    EXPECT_EQ(form.caption.Caption(), "changed");
    form.Load();  // loading a loaded form does nothing
    form.Show();
    EXPECT_EQ(form.loads, 1);
    EXPECT_TRUE(form.visible());
    form.Unload();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(form.caption.captionText(), "");  // controls go back to nothing
    EXPECT_EQ(form.button.Enabled(), true);     // and reading one loads the form again
    EXPECT_EQ(form.loads, 2);
    EXPECT_EQ(form.caption.Caption(), "design");
    form.Unload();
}

TEST_F(Fixture, DisabledButtonsTakeNoClickAndTheMouseOverThemCountsAsOverTheForm) {
    struct ClickForm : CountingForm {
        int clicks = 0, formMoves = 0, buttonMoves = 0;
        void Control_Click(Control&) override { ++clicks; }
        void Form_MouseMove() override { ++formMoves; }
        void Control_MouseMove(Control&) override { ++buttonMoves; }
    } form;
    form.Show();
    form.DeliverClick(&form.button);
    form.button.SetEnabled(false);
    form.DeliverClick(&form.button);
    form.DeliverMouseMove(&form.button);
    EXPECT_EQ(form.clicks, 1);
    EXPECT_EQ(form.formMoves, 1);
    EXPECT_EQ(form.buttonMoves, 0);
    form.Unload();
}

TEST_F(Fixture, TimersFireOncePerIntervalAndNeverReenterThemselves) {
    struct TimerForm : Form {
        TimerForm() : Form("timers", 10, 10, BorderStyle::kNone) {}
        std::vector<int64_t> fired;
        int depth = 0, maxDepth = 0;
        VirtualClock* clock = nullptr;
        Timer tick{*this, "tick", 10, [this] {
                       ++depth;
                       maxDepth = std::max(maxDepth, depth);
                       fired.push_back(App::Get().NowMs());
                       // A long handler that lets events run: the next event of this same
                       // timer falls due meanwhile, but must not start inside this one.
                       if (fired.size() == 1) {
                           clock->Set(clock->NowMicros() + 25000);
                           App::Get().DoEvents();
                       }
                       --depth;
                   }};
    } form;
    form.clock = clock_;
    form.Load();
    form.tick.SetEnabled(true);
    clock_->Set(10000);
    App::Get().DoEvents();
    EXPECT_EQ(form.maxDepth, 1);
    ASSERT_EQ(form.fired.size(), 1u);
    EXPECT_EQ(form.fired[0], 10);
    // The handler overran two periods: the late event fires once, not in a burst.
    App::Get().DoEvents();
    ASSERT_EQ(form.fired.size(), 2u);
    EXPECT_EQ(form.fired[1], 35);
    clock_->Set(clock_->NowMicros() + 1000);
    App::Get().DoEvents();
    EXPECT_EQ(form.fired.size(), 2u);
    EXPECT_EQ(form.maxDepth, 1);
    form.Unload();
    EXPECT_EQ(App::Get().NextTimerDue(), -1);  // an unloaded form's timer is gone
}

// A late timer event: desktop timers skip what a period's lateness lost; a front end with a
// catch-up runs the missed events at once, up to that much lost time, unless the lateness came
// from the work that started the timer.
TEST_F(Fixture, ALateTimerCatchesUpToItsFrontEndsCatchUpButNotAfterItsStart) {
    struct CatchingUp : HeadlessFrontend {
        int64_t catchUp;
        explicit CatchingUp(int64_t micros) : catchUp(micros) {}
        int64_t TimerCatchUpMicros() const override { return catchUp; }
    };
    struct TimerForm : Form {
        TimerForm() : Form("timers", 10, 10, BorderStyle::kNone) {}
        int fires = 0;
        Timer tick{*this, "tick", 10, [this] { ++fires; }};
    };
    struct Case {
        int64_t catchUpMs;
        bool firstOnTime;  // else the first event after enabling is the late one
        int64_t lateMs;
        int fires;
        int64_t nextDueMs;
    };
    for (const Case& c :
         {Case{0, true, 15, 1, 45}, Case{50, true, 15, 2, 40}, Case{50, true, 35, 4, 60},
          Case{50, true, 80, 6, 110}, Case{50, false, 25, 1, 45}}) {
        App::Get().SetFrontend(std::make_unique<CatchingUp>(c.catchUpMs * 1000));
        clock_->Set(0);
        TimerForm form;
        form.Load();
        form.tick.SetEnabled(true);
        int64_t due = 10;
        if (c.firstOnTime) {
            clock_->Set(10'000);
            App::Get().DoEvents();
            due = 20;
        }
        form.fires = 0;
        clock_->Set((due + c.lateMs) * 1000);
        for (int i = 0; i < 10; ++i) App::Get().DoEvents();
        EXPECT_EQ(form.fires, c.fires) << c.catchUpMs << " " << c.lateMs;
        EXPECT_EQ(App::Get().NextTimerDue(), c.nextDueMs * 1000) << c.catchUpMs << " " << c.lateMs;
        form.Unload();
    }
}

// Input polled by the tick handler's first DoEvents (before it plays) is that tick's to take,
// so its answer may go to the screen right after it; input polled later waits for the next.
TEST_F(Fixture, InputPolledBeforeATickPlaysIsTakenByThatTickAndLaterInputByTheNext) {
    struct RecordingPolls : HeadlessFrontend {
        std::vector<int64_t>* takenBy;
        void Poll(App& app, std::vector<InputEvent>&) override {
            takenBy->push_back(app.timerEventTakingInput());
        }
    };
    std::vector<int64_t> takenBy;
    auto frontend = std::make_unique<RecordingPolls>();
    frontend->takenBy = &takenBy;
    App::Get().SetFrontend(std::move(frontend));
    struct TickForm : Form {
        TickForm() : Form("ticks", 10, 10, BorderStyle::kNone) {}
        Timer tick{*this, "tick", 10, [] {
                       App::Get().DoEvents();  // before the tick plays
                       App::Get().DoEvents();  // after it
                   }};
    } form;
    form.Load();
    form.tick.SetEnabled(true);
    const int64_t before = App::Get().timerEventsRun();
    clock_->Set(10'000);
    App::Get().DoEvents();  // between ticks, then the tick fires
    EXPECT_EQ(takenBy, (std::vector<int64_t>{before + 1, before + 1, before + 2}));
    form.Unload();
}

TEST_F(Fixture, TheActiveFormIsTheTopmostShownOne) {
    CountingForm a;
    struct Other : Form {
        Other() : Form("other", 10, 10, BorderStyle::kFixedSingle) {}
    } b;
    a.Show();
    b.Show();
    EXPECT_EQ(App::Get().ActiveForm(), &b);
    b.Unload();
    EXPECT_EQ(App::Get().ActiveForm(), &a);
    a.Unload();
    EXPECT_EQ(App::Get().ActiveForm(), nullptr);
    EXPECT_FALSE(App::Get().AnyFormLoaded());
}

namespace {

LabelStyle TransparentLabelStyle() {
    LabelStyle style;
    style.transparent = true;
    return style;
}

}  // namespace

TEST_F(Fixture, AChangedControlIsComposedAsAWholeNewCompositionWouldBe) {
    // A picture box drawn into every tick, a label apart from it, a transparent label laid
    // over a second box, and a box that grows with its picture.
    struct Screen : Form {
        Screen() : Form("screen", 120, 80, BorderStyle::kFixedSingle) {}
        PictureBox view{
            *this, "view", 0, 0, 130, 40, {.sunkenBorder = true, .persistentImage = true}};
        Label score{*this, "score", 4, 50, 40, 12, LabelStyle{}};
        PictureBox under{*this, "under", 60, 44, 40, 30, {.persistentImage = true}};
        Label over{*this, "over", 70, 50, 40, 12, TransparentLabelStyle()};
        PictureBox grows{*this, "grows", 4, 66, 8, 8, {.autoSize = true}};

      protected:
        void Design() override { SetBackColour(Rgb(212, 208, 200)); }
    } form;
    form.Show();
    auto composedAfter = [&](const char* what, auto change) {
        form.Client();
        change();
        const Surface incremental = form.Client();
        form.Refresh();
        const Surface& whole = form.Client();
        ASSERT_EQ(incremental.width(), whole.width()) << what;
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x)
                ASSERT_EQ(incremental.At(x, y), whole.At(x, y)) << what << " at " << x << "," << y;
    };
    composedAfter("drawing into the view",
                  [&] { form.view.Hdc().FillRect(3, 3, 20, 10, Rgb(0, 90, 0)); });
    composedAfter("a new score", [&] { form.score.SetCaption("1250"); });
    composedAfter("drawing under a label",
                  [&] { form.under.Hdc().FillRect(0, 0, 40, 30, Rgb(200, 0, 0)); });
    composedAfter("a new caption over a box", [&] { form.over.SetCaption("over it"); });
    auto big = std::make_shared<Surface>();
    big->Reset(30, 12);
    big->Fill(Rgb(0, 0, 255));
    composedAfter("a bigger picture", [&] { form.grows.SetPicture(big); });
    auto small = std::make_shared<Surface>();
    small->Reset(4, 4);
    small->Fill(Rgb(255, 255, 0));
    composedAfter("a smaller picture", [&] { form.grows.SetPicture(small); });
    form.Unload();
}

// Pads through the real SDL front end (made by its factory, as a run makes it): SDL's virtual
// joystick stands in for a game controller under the dummy video driver, and its buttons and
// stick reach the game window's key flags while level 1 plays in this process.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "assets/frm_pics.hpp"
#include "platform/core/app_folder.hpp"
#include "platform/core/clock.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/frontend.hpp"
#include "platform/forms/headless_frontend.hpp"
#include "platform/input/input_router.hpp"
#include "platform/run/input_recorder.hpp"
#include "platform/run/window_settings.hpp"
#include "platform/settings/game_settings.hpp"
#include "screens/game_start.hpp"
#include "screens/startup.hpp"
#include "support/byte_files.hpp"
#include "support/headless_run.hpp"
#include "support/trace_compare.hpp"
#include "world/game_data.hpp"
#include "world/game_window.hpp"

namespace GD = game::GameData;
using platform::App;

namespace {

// A virtual game controller: every standard button and axis, set by the test.
class VirtualPad {
  public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1;
        desc.button_mask = (1u << desc.nbuttons) - 1;
        desc.axis_mask = (1u << desc.naxes) - 1;
        desc.name = "Virtual test pad";
        const int device = SDL_JoystickAttachVirtualEx(&desc);
        EXPECT_GE(device, 0) << SDL_GetError();
        joystick_ = SDL_JoystickOpen(device);
        EXPECT_NE(joystick_, nullptr) << SDL_GetError();
        id_ = SDL_JoystickInstanceID(joystick_);
    }
    ~VirtualPad() { Unplug(); }
    std::string Guid() const {
        char text[33];
        SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick_), text, sizeof text);
        return text;
    }
    void Button(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, b, down ? 1 : 0);
    }
    void Axis(SDL_GameControllerAxis a, int value) {
        SDL_JoystickSetVirtualAxis(joystick_, a, Sint16(value));
    }
    void Unplug() {
        if (!joystick_)
            return;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id_) {
                SDL_JoystickClose(joystick_);
                SDL_JoystickDetachVirtual(i);
                break;
            }
        joystick_ = nullptr;
    }

  private:
    SDL_Joystick* joystick_ = nullptr;
    SDL_JoystickID id_ = -1;
};

class SdlPads : public ::testing::Test {
  protected:
    void SetUp() override {
        SetEnv("SDL_VIDEODRIVER", "dummy");
        SetEnv("SDL_AUDIODRIVER", "dummy");
        // The dummy driver's windows never have the focus, and SDL drops pad input while no
        // window of the process has it.
        SetEnv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1");
        testsupport::TestLevel level = testsupport::FlatLevel(2000, 600, 454);
        app_.WriteLevel("level1", level.map, level.mask);
        App& app = App::Get();
        platform::SetAppFolder(app_.dir().string());
        app.SetClock(std::make_unique<platform::VirtualClock>());  // no tick runs by itself
        GD::ResetAll();
        game::CreateAllForms();
        ASSERT_EQ(game::PrepareGame(), "");
        std::string why;
        auto frontend = platform::CreateWindowedFrontend(
            platform::WindowSettingsFrom(platform::GameSettings()), why);
        ASSERT_TRUE(frontend) << why;
        app.SetFrontend(std::move(frontend));
        platform::Input(app).SetBindings(platform::KeyBindings());
        platform::Input(app).SetDeadZone(30);
        // The dummy driver's windows come and go without a window manager: no focus pauses.
        platform::Input(app).SetPauseOnFocusLoss(false);
        game::StartLevel(game::Levels().front());
        Pump();
    }
    void TearDown() override {
        Pump();
        game::FrmMain().Unload();
        game::FrmPics().Unload();
        App::Get().SetFrontend(std::make_unique<platform::HeadlessFrontend>());
        GD::ResetAll();
        // Games started later by other tests of this process inherit the environment.
        for (const auto& [name, value] : savedEnv_)
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        savedEnv_.clear();
    }
    void SetEnv(const std::string& name, const char* value) {
        const char* before = std::getenv(name.c_str());
        savedEnv_.emplace_back(name, before ? std::optional<std::string>(before) : std::nullopt);
        setenv(name.c_str(), value, 1);
    }
    // Lets SDL update the joysticks and the game take the events.
    static void Pump() {
        for (int i = 0; i < 3; ++i) App::Get().DoEvents();
    }
    static size_t Pads() { return platform::Input(App::Get()).pads().Count(); }
    // A new SDL front end, as a new run of the game would start it.
    static void RestartFrontend() {
        App::Get().SetFrontend(std::make_unique<platform::HeadlessFrontend>());
        std::string why;
        auto frontend = platform::CreateWindowedFrontend(
            platform::WindowSettingsFrom(platform::GameSettings()), why);
        ASSERT_TRUE(frontend) << why;
        App::Get().SetFrontend(std::move(frontend));
        Pump();
    }

    testsupport::TempApp app_;
    std::vector<std::pair<std::string, std::optional<std::string>>> savedEnv_;
};

}  // namespace

TEST_F(SdlPads, ButtonsAndDpadActAsTheGameKeys) {
    const size_t before = Pads();
    VirtualPad pad;
    Pump();
    ASSERT_EQ(Pads(), before + 1);
    pad.Button(SDL_CONTROLLER_BUTTON_A, true);
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    Pump();
    EXPECT_EQ(GD::KeyJump, -1);
    EXPECT_EQ(GD::KeyLeft, -1);
    pad.Button(SDL_CONTROLLER_BUTTON_A, false);
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
    Pump();
    EXPECT_EQ(GD::KeyJump, 0);
    EXPECT_EQ(GD::KeyLeft, 0);
    EXPECT_EQ(GD::KeyDown, -1);
    // X, B and the right trigger each fire; nothing quits.
    for (auto b : {SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_B}) {
        GD::KeyFire = 0;
        pad.Button(b, true);
        Pump();
        EXPECT_EQ(GD::KeyFire, -1) << b;
        pad.Button(b, false);
        Pump();
        EXPECT_EQ(GD::KeyFire, 0) << b;
    }
    pad.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    Pump();
    EXPECT_EQ(GD::KeyFire, -1);
    for (int b = 0; b <= SDL_CONTROLLER_BUTTON_DPAD_RIGHT; ++b)
        if (b != SDL_CONTROLLER_BUTTON_START)
            pad.Button(SDL_GameControllerButton(b), true);
    Pump();
    EXPECT_EQ(GD::KeyEscape, 0);
    EXPECT_TRUE(game::FrmMain().loaded());
}

TEST_F(SdlPads, TheStickActsBeyondTheDeadZoneInBothDirectionsAtOnce) {
    VirtualPad pad;
    Pump();
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 9830);  // exactly 30 %: still inside
    Pump();
    EXPECT_EQ(GD::KeyRight, 0);
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 9831);
    Pump();
    EXPECT_EQ(GD::KeyRight, -1);
    // Up and left together, and right let go.
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, -20000);
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, -20000);
    Pump();
    EXPECT_EQ(GD::KeyRight, 0);
    EXPECT_EQ(GD::KeyLeft, -1);
    EXPECT_EQ(GD::KeyUp, -1);
    // The d-pad holds left too: the stick coming back does not let go of it.
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, -9830);
    Pump();
    EXPECT_EQ(GD::KeyLeft, -1);
    EXPECT_EQ(GD::KeyUp, 0);
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    Pump();
    EXPECT_EQ(GD::KeyLeft, 0);
}

TEST_F(SdlPads, PadsPluggedInDuringPlayWorkAndUnpluggingOneLetsGoOfWhatItHeld) {
    const size_t before = Pads();
    auto first = std::make_unique<VirtualPad>();
    VirtualPad second;
    Pump();
    ASSERT_EQ(Pads(), before + 2);
    first->Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    second.Button(SDL_CONTROLLER_BUTTON_A, true);
    Pump();
    EXPECT_EQ(GD::KeyRight, -1);
    EXPECT_EQ(GD::KeyJump, -1);
    first->Unplug();
    Pump();
    EXPECT_EQ(Pads(), before + 1);
    EXPECT_EQ(GD::KeyRight, 0);  // the player does not walk on by himself
    EXPECT_EQ(GD::KeyJump, -1);  // the other pad still holds A
    first.reset();
    // Start pauses the game.
    second.Button(SDL_CONTROLLER_BUTTON_START, true);
    Pump();
    EXPECT_TRUE(platform::Input(App::Get()).Paused());
    second.Button(SDL_CONTROLLER_BUTTON_START, false);
    Pump();
    EXPECT_TRUE(platform::Input(App::Get()).Paused());
    second.Button(SDL_CONTROLLER_BUTTON_START, true);
    Pump();
    EXPECT_FALSE(platform::Input(App::Get()).Paused());
}

// Runs the game's timers for `ms` of game time, as the headless harness's waits do.
void Play(int ms) {
    App& app = App::Get();
    auto& clock = const_cast<platform::VirtualClock&>(
        dynamic_cast<const platform::VirtualClock&>(app.clock()));
    const int64_t target = clock.NowMicros() + ms * 1000;
    for (int64_t due = app.NextTimerDue(); due >= 0 && due <= target; due = app.NextTimerDue()) {
        clock.Set(std::max(due, clock.NowMicros()));
        app.DoEvents();
    }
    clock.Set(target);
}

std::vector<testsupport::TraceLine> TicksOf(const std::vector<testsupport::TraceLine>& trace) {
    std::vector<testsupport::TraceLine> ticks;
    for (const auto& line : trace)
        if (line.IsTick())
            ticks.push_back(line);
    return ticks;
}

// A level played with a pad through the real front end, recorded, and replayed headless by
// the game's own harness: the same ticks, field by field.
TEST_F(SdlPads, AGamePlayedWithAPadIsRecordedAndReplaysHeadlessToTheSameTicks) {
    App& app = App::Get();
    const std::filesystem::path recording = app_.dir() / "pad.rec";
    const std::filesystem::path trace = app_.dir() / "pad.jsonl";
    platform::InputRecorder recorder;
    ASSERT_TRUE(recorder.Open(recording.string(), {"started with --warp 1"}));
    app.SetInputObserver(
        [&](const platform::InputEvent& e) { recorder.Record(e, app.NowMicros()); });
    ASSERT_TRUE(app.tracer().Open(trace.string()));
    {
        auto pad = std::make_unique<VirtualPad>();
        Pump();
        pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, 20000);  // walk right with the stick
        Pump();
        Play(300);
        pad->Button(SDL_CONTROLLER_BUTTON_A, true);  // jump
        Pump();
        Play(150);
        pad->Button(SDL_CONTROLLER_BUTTON_A, false);
        pad->Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);  // fire
        Pump();
        Play(100);
        pad->Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0);
        pad->Button(SDL_CONTROLLER_BUTTON_START, true);  // pause a while
        Pump();
        Play(200);
        pad->Button(SDL_CONTROLLER_BUTTON_START, false);
        Pump();
        pad->Button(SDL_CONTROLLER_BUTTON_START, true);
        Pump();
        pad->Button(SDL_CONTROLLER_BUTTON_START, false);
        pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
        pad->Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);  // and back with the d-pad
        Pump();
        Play(200);
        pad->Unplug();  // pulled out while still holding left
        Pump();
        Play(200);
    }
    recorder.Finish(app.NowMicros());
    app.SetInputObserver(nullptr);
    app.tracer().Flush();
    ASSERT_TRUE(app.tracer().Open("/dev/null"));

    const std::string script = testsupport::ReadText(recording);
    for (const char* line :
         {"pad add", "pad axis LeftX 20000", "pad A down", "pad A up",
          "pad axis RightTrigger 32767", "pad Start down", "pad DpadLeft down", "pad remove"})
        EXPECT_NE(script.find(line), std::string::npos) << line << " not recorded:\n" << script;
    testsupport::RunResult replayed = testsupport::RunHeadless(app_, script, {"--warp", "1"});
    ASSERT_EQ(replayed.status, 0) << replayed.errors;
    const auto played = TicksOf(testsupport::ReadTrace(trace));
    const auto ticks = replayed.Ticks();
    ASSERT_GE(played.size(), 80u);
    EXPECT_EQ(testsupport::FirstTraceDifference(played, ticks), "") << script;
    EXPECT_TRUE(replayed.HasEvent("pause"));
    EXPECT_TRUE(replayed.HasEvent("resume"));
    EXPECT_TRUE(std::any_of(ticks.begin(), ticks.end(),
                            [](const auto& t) { return t.Int("KeyJump") == -1; }));
    EXPECT_TRUE(std::any_of(ticks.begin(), ticks.end(),
                            [](const auto& t) { return t.Int("Shot1Active") != 0; }));
    EXPECT_EQ(ticks.back().Int("KeyLeft"), 0) << "unplugging let go of left";
}

TEST_F(SdlPads, MuteSilencesTheMixerAndTheVolumeSettingScalesIt) {
    App& app = App::Get();
    platform::Input(app).SetVolume(app, 50);
    EXPECT_EQ(Mix_Volume(0, -1), MIX_MAX_VOLUME / 2);
    app.Post({platform::InputEvent::Kind::kKeyDown, nullptr, nullptr, platform::kPhysM});
    Pump();
    EXPECT_TRUE(platform::Input(app).muted());
    EXPECT_EQ(Mix_Volume(0, -1), 0);
    app.Post({platform::InputEvent::Kind::kKeyDown, nullptr, nullptr, platform::kPhysM});
    Pump();
    EXPECT_EQ(Mix_Volume(0, -1), MIX_MAX_VOLUME / 2);
    platform::Input(app).SetVolume(app, 100);
}

TEST_F(SdlPads, MappingsComeFromTheSettingsFolderAndTheEnvironmentHasTheLastWord) {
    std::string guid;
    {
        VirtualPad probe;
        guid = probe.Guid();
    }
    // As mapping files write it: without the name's checksum (bytes 2 and 3).
    guid.replace(4, 4, "0000");
    Pump();
    // The file swaps the two bottom face buttons: joystick button 0 becomes B.
    const std::string buttons =
        ",x:b2,y:b3,back:b4,guide:b5,start:b6,leftstick:b7,rightstick:b8,leftshoulder:b9,"
        "rightshoulder:b10,dpup:b11,dpdown:b12,dpleft:b13,dpright:b14,leftx:a0,lefty:a1,"
        "rightx:a2,righty:a3,lefttrigger:a4,righttrigger:a5,";
    const std::filesystem::path config = app_.dir() / "config";
    std::filesystem::create_directories(config / "dunspelt");
    std::ofstream(config / "dunspelt" / "gamecontrollerdb.txt")
        << "# a player's own mappings\n"
        << guid << ",Swapped pad,a:b1,b:b0" << buttons << "platform:Linux,\n";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    auto pressButtonZero = [] {
        VirtualPad pad;
        Pump();
        pad.Button(SDL_CONTROLLER_BUTTON_A, true);  // joystick button 0
        Pump();
        const std::pair<int, int> flags{GD::KeyJump, GD::KeyFire};
        pad.Button(SDL_CONTROLLER_BUTTON_A, false);
        Pump();
        return flags;
    };
    RestartFrontend();
    EXPECT_EQ(pressButtonZero(), std::make_pair(0, -1)) << "the file's mapping: B fires";
    GD::KeyFire = 0;
    setenv("SDL_GAMECONTROLLERCONFIG",
           (guid + ",Straight pad,a:b0,b:b1" + buttons + "platform:Linux,").c_str(), 1);
    RestartFrontend();
    EXPECT_EQ(pressButtonZero(), std::make_pair(-1, 0)) << "the environment's mapping: A jumps";
    unsetenv("SDL_GAMECONTROLLERCONFIG");
    unsetenv("XDG_CONFIG_HOME");
}

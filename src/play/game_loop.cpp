#include "play/game_loop.hpp"

#include "combat/combat.hpp"
#include "platform/forms/app.hpp"
#include "play/actor_update.hpp"
#include "play/player_input.hpp"
#include "play/tick_trace.hpp"
#include "render/blit.hpp"
#include "render/camera.hpp"
#include "render/scene.hpp"
#include "world/frm_main.hpp"
#include "world/game_data.hpp"

namespace game {
namespace {

bool tickRunning = false;
int64_t ticksRun = 0;

}  // namespace

bool SetupInProgress() {
    return platform::App::Get().InSetup();
}

int64_t TicksRun() {
    return ticksRun;
}
void ResetTickCount() {
    ticksRun = 0;
}

bool RunGameTickIfReady() {
    if (SetupInProgress() || tickRunning)
        return FrmMain().loaded();
    tickRunning = true;
    struct Done {
        ~Done() { tickRunning = false; }
    } done;
    platform::App& app = platform::App::Get();
    const int64_t start = app.NowMicros();
    GameTick();
    app.stats().Record(start, app.NowMicros());
    ++ticksRun;
    WriteTickTrace(ticksRun);
    return FrmMain().loaded();
}

void GameTick() {
    ApplyGravity();
    HandlePlayerInput();
    UpdateCombat();
    // A step that closed the game window ends the tick: the later steps have no window.
    if (!FrmMain().loaded())
        return;
    UpdateActors();
    UpdateCamera();
    BlitMapView(GameData::CameraX, GameData::CameraY, GameData::ViewHeight, GameData::ViewWidth,
                MapPictureSurface(), FrmMain().BackBuffer.Hdc());
    DrawScene();
    PresentFrame();
    platform::App::Get().DoEvents();
}

}  // namespace game

// One whole game tick on level 2 with the player, three shots, the enemy shot and three enemies
// on screen (headless: no window upload), against two full-view copies.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <utility>

#include "platform/core/app_folder.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/headless_frontend.hpp"
#include "play/game_loop.hpp"
#include "screens/game_start.hpp"
#include "screens/startup.hpp"
#include "world/frm_main.hpp"
#include "world/game_data.hpp"

namespace {

using namespace game::GameData;

// Everything a tick changes, so that every iteration starts from the same busy scene.
struct Scene {
    game::Actor actors[4];
    platform::i16 shotActive[3], shotDir[3], fired[3], hp[3], walkFrame, facing, onGround;
    platform::i32 shotX[3], shotY[3], enemyShotX, enemyShotY, cameraX, cameraY;
    platform::i16 health, score;

    void Capture() {
        for (int i = 0; i < 4; ++i) actors[i] = Actors(i + 1);
        shotActive[0] = Shot1Active, shotActive[1] = Shot2Active, shotActive[2] = Shot3Active;
        shotDir[0] = Shot1Dir, shotDir[1] = Shot2Dir, shotDir[2] = Shot3Dir;
        shotX[0] = Shot1X, shotX[1] = Shot2X, shotX[2] = Shot3X;
        shotY[0] = Shot1Y, shotY[1] = Shot2Y, shotY[2] = Shot3Y;
        fired[0] = EnemyShotFired1, fired[1] = EnemyShotFired2, fired[2] = EnemyShotFired3;
        hp[0] = EnemyHP1, hp[1] = EnemyHP2, hp[2] = EnemyHP3;
        enemyShotX = EnemyShotX, enemyShotY = EnemyShotY, cameraX = CameraX, cameraY = CameraY;
        walkFrame = WalkFrame, facing = FacingRight, onGround = OnGround;
        health = PlayerHealth, score = Score;
    }
    void Restore() const {
        for (int i = 0; i < 4; ++i) Actors(i + 1) = actors[i];
        Shot1Active = shotActive[0], Shot2Active = shotActive[1], Shot3Active = shotActive[2];
        Shot1Dir = shotDir[0], Shot2Dir = shotDir[1], Shot3Dir = shotDir[2];
        Shot1X = shotX[0], Shot2X = shotX[1], Shot3X = shotX[2];
        Shot1Y = shotY[0], Shot2Y = shotY[1], Shot3Y = shotY[2];
        EnemyShotFired1 = fired[0], EnemyShotFired2 = fired[1], EnemyShotFired3 = fired[2];
        EnemyHP1 = hp[0], EnemyHP2 = hp[1], EnemyHP3 = hp[2];
        EnemyShotX = enemyShotX, EnemyShotY = enemyShotY, CameraX = cameraX, CameraY = cameraY;
        WalkFrame = walkFrame, FacingRight = facing, OnGround = onGround;
        PlayerHealth = health, Score = score;
        game::FrmMain().HP.SetCaption("100");
    }
};

void SetUpBusyLevel2() {
    platform::App& app = platform::App::Get();
    app.SetFrontend(std::make_unique<platform::HeadlessFrontend>());
    platform::SetAppFolder(DUNSPELT_APP_DIR);
    game::CreateAllForms();
    game::PrepareGame();
    game::StartLevel(game::Levels()[0]);
    game::StartLevel(game::Levels()[1]);
    Actors(1).X = 400;
    Actors(1).Y = 300;
    for (int i = 2; i <= 4; ++i) {
        Actors(i).X = 150 + 220 * i;
        Actors(i).Y = 340;
    }
    Shot1Active = Shot2Active = Shot3Active = 1;
    Shot1Dir = Shot2Dir = Shot3Dir = 1;
    Shot1X = 60, Shot2X = 120, Shot3X = 180;
    Shot1Y = Shot2Y = Shot3Y = 250;
    EnemyShotFired1 = 1;
    EnemyShotX = 600;
    EnemyShotY = 200;
    KeyRight = -1;
}

void BM_GameTickLevel2(benchmark::State& state) {
    static bool ready = (SetUpBusyLevel2(), true);
    (void)ready;
    Scene scene;
    scene.Capture();
    for (auto _ : state) {
        scene.Restore();
        game::GameTick();
        benchmark::DoNotOptimize(std::as_const(game::FrmMain().PlayArea.Hdc()).data());
    }
}
BENCHMARK(BM_GameTickLevel2)->Unit(benchmark::kMicrosecond);

void BM_FloorTwoViewCopies(benchmark::State& state) {
    std::vector<uint32_t> a(796 * 546, 1), b(796 * 546), c(796 * 546);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), a.size() * 4);
        std::memcpy(c.data(), b.data(), b.size() * 4);
        benchmark::DoNotOptimize(c.data());
    }
}
BENCHMARK(BM_FloorTwoViewCopies)->Unit(benchmark::kMicrosecond);

}  // namespace

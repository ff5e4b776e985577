// Starting level 1 from the menu's start button: with the grid cache present, and when the mask
// must be scanned (the first tick follows one timer period later).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "platform/core/app_folder.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/headless_frontend.hpp"
#include "screens/game_start.hpp"
#include "screens/startup.hpp"
#include "world/frm_main.hpp"

namespace {

void EnsureGameReady() {
    static bool ready = [] {
        platform::App& app = platform::App::Get();
        app.SetFrontend(std::make_unique<platform::HeadlessFrontend>());
        platform::SetAppFolder(DUNSPELT_APP_DIR);
        game::CreateAllForms();
        game::PrepareGame();
        return true;
    }();
    (void)ready;
}

void StartLevel1(benchmark::State& state, bool withCache) {
    EnsureGameReady();
    const std::string cache =
        platform::AppFilePath(std::string("\\maps\\") + game::Levels().front().baseName + ".DAT");
    for (auto _ : state) {
        state.PauseTiming();
        game::ShutdownGame();
        if (!withCache)
            std::filesystem::remove(cache);
        state.ResumeTiming();
        game::StartLevel(game::Levels().front());
    }
    game::ShutdownGame();
}

void BM_StartLevel1WithCache(benchmark::State& state) {
    StartLevel1(state, true);
}
BENCHMARK(BM_StartLevel1WithCache)->Unit(benchmark::kMillisecond);

void BM_StartLevel1ScanningMask(benchmark::State& state) {
    StartLevel1(state, false);
}
BENCHMARK(BM_StartLevel1ScanningMask)->Unit(benchmark::kMillisecond);

}  // namespace

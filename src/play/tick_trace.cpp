#include "play/tick_trace.hpp"

#include "platform/forms/app.hpp"
#include "world/game_data.hpp"
#include "world/game_window.hpp"

namespace game {

void WriteTickTrace(int64_t tick) {
    platform::App& app = platform::App::Get();
    if (!app.tracer().active())
        return;
    using namespace GameData;
    platform::JsonObject o;
    o.Field("tick", tick);
#define FIELD(name) o.Field(#name, int64_t(name))
    FIELD(RunSpeed);
    FIELD(KeyLeft);
    FIELD(KeyRight);
    FIELD(KeyUp);
    FIELD(KeyDown);
    FIELD(KeyJump);
    FIELD(KeyEscape);
    FIELD(KeyFire);
    FIELD(WalkFrame);
    FIELD(FacingRight);
    FIELD(OnGround);
    FIELD(Shot1Active);
    FIELD(Shot2Active);
    FIELD(Shot3Active);
    FIELD(Shot1X);
    FIELD(Shot1Y);
    FIELD(Shot1Dir);
    FIELD(Shot2X);
    FIELD(Shot2Y);
    FIELD(Shot2Dir);
    FIELD(Shot3X);
    FIELD(Shot3Y);
    FIELD(Shot3Dir);
    FIELD(EnemyShotX);
    FIELD(EnemyShotY);
    FIELD(EnemyFacesLeft1);
    FIELD(EnemyFacesLeft2);
    FIELD(EnemyFacesLeft3);
    FIELD(PlayerHealth);
    FIELD(EnemyHP1);
    FIELD(EnemyHP2);
    FIELD(EnemyHP3);
    FIELD(Score);
    FIELD(SoundOption);
    FIELD(EnemyShotFired1);
    FIELD(EnemyShotFired2);
    FIELD(EnemyShotFired3);
    FIELD(CameraX);
    FIELD(CameraY);
    FIELD(ViewWidth);
    FIELD(ViewHeight);
    FIELD(GridWidth);
    FIELD(GridHeight);
#undef FIELD
    std::string actors = "[";
    for (int i = 1; i <= Actors.Upper(); ++i) {
        const Actor& a = Actors(i);
        platform::JsonObject ao;
        ao.Field("X", int64_t(a.X))
            .Field("Y", int64_t(a.Y))
            .Field("SpeedX", double(a.SpeedX))
            .Field("SpeedY", double(a.SpeedY))
            .Field("Alive", int64_t(a.Alive))
            .Field("Width", int64_t(a.Width))
            .Field("Height", int64_t(a.Height));
        if (i > 1)
            actors += ',';
        actors += ao.Str();
    }
    actors += ']';
    o.Raw("Actors", actors);
    GameWindow& w = FrmMain();
    o.Field("HP", w.HP.captionText());
    o.Field("level", w.level.captionText());
    o.Field("score", w.score.captionText());
    o.Field("title", w.captionText());
    app.tracer().Write(app.NowMs(), o.Str());
}

}  // namespace game

#include "screens/screen_flows.hpp"

#include "platform/core/picture_file.hpp"

using namespace testsupport;

namespace screentest {

TempApp& LongFlatApp() {
    static TempApp app;
    static bool once = [] {
        // On level 1 the player stands low enough to touch the enemies it passes, and takes
        // damage; on level 2 it walks below them.
        TestLevel level1 = FlatLevel(12400, 600, 470);
        app.WriteLevel("level1", level1.map, level1.mask);
        TestLevel level2 = FlatLevel(12400, 600, 500);
        app.WriteLevel("level2", level2.map, level2.mask);
        return true;
    }();
    (void)once;
    return app;
}

TempApp& PitApp() {
    static TempApp app;
    static bool once = [] {
        TestLevel level = FlatLevel(2000, 600, 454);
        AddGap(level, 1000, 454, 300, 146);
        app.WriteLevel("level1", level.map, level.mask);
        app.WriteLevel("level2", level.map, level.mask);
        return true;
    }();
    (void)once;
    return app;
}

std::string ShotPath(const TempApp& app, const std::string& name) {
    return (app.dir() / (name + ".png")).string();
}

std::shared_ptr<platform::Surface> ReadShot(const TempApp& app, const std::string& name) {
    return platform::LoadPicture(ShotPath(app, name));
}

std::shared_ptr<platform::Surface> BuiltPicture(const std::string& file) {
    return platform::LoadPicture(std::string(DUNSPELT_APP_DIR) + "/pics/" + file);
}

bool SameRegion(const platform::Surface& a, int ax, int ay, const platform::Surface& b, int bx,
                int by, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (a.At(ax + x, ay + y) != b.At(bx + x, by + y))
                return false;
    return true;
}

std::vector<std::string> EventsFrom(const RunResult& r, const std::string& from) {
    std::vector<std::string> all = r.Events(), out;
    bool on = from.empty();
    for (const std::string& e : all) {
        on = on || e == from;
        if (on)
            out.push_back(e);
    }
    return out;
}

int64_t EventTime(const RunResult& r, const std::string& text) {
    for (const TraceLine& l : r.trace) {
        if (!l.Has("event"))
            continue;
        std::string e = l.Str("event");
        for (const char* key : {"form", "file"})
            if (l.Has(key))
                e.append(" ").append(l.Str(key));
        if (e == text)
            return l.Int("ms");
    }
    return -1;
}

std::vector<std::string> Sounds(const RunResult& r) {
    std::vector<std::string> out;
    for (const TraceLine& l : r.trace)
        if (l.IsEvent("sound"))
            out.push_back(l.Str("file"));
    return out;
}

}  // namespace screentest

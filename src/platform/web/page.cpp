#include "platform/web/page.hpp"

#include <emscripten.h>

#include <string>

#include "platform/forms/app.hpp"

namespace platform::web {
namespace {

// The page script (web/dunspelt-page.js) provides Module.page; without it (a bare copy of the
// game's script) these do nothing.
// clang-format off
EM_JS(void, JsSetTitle, (const char* title), {
    document.title = UTF8ToString(title);
});
EM_JS(void, JsGameEnded, (int status), {
    if (Module.page) Module.page.ended(status);
});
EM_JS(void, JsShowMessage, (const char* title, const char* text), {
    if (Module.page) Module.page.message(UTF8ToString(title), UTF8ToString(text));
});
EM_JS(void, JsDownload, (const char* path, const char* type), {
    const file = UTF8ToString(path);
    const blob = new Blob([FS.readFile(file)], {type: UTF8ToString(type)});
    const link = document.createElement("a");
    link.href = URL.createObjectURL(blob);
    link.download = file.substring(file.lastIndexOf("/") + 1);
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
});
EM_JS(void, JsFullscreen, (int on), {
    // Honoured right after a key press: the browser still counts it as the player's gesture.
    const request = on ? document.documentElement.requestFullscreen()
                       : document.fullscreenElement ? document.exitFullscreen() : null;
    if (request) request.catch(() => {});
});
EM_JS(int, JsIsFullscreen, (), {
    return document.fullscreenElement ? 1 : 0;
});
EM_JS(void, JsSaveStorage, (), {
    if (Module.page) Module.page.saveStorage();
});
// clang-format on

}  // namespace

void SetPageTitle(const std::string& title) {
    JsSetTitle(title.c_str());
}

void TellGameEnded(int status) {
    JsGameEnded(status);
}

void ShowPageMessage(const std::string& title, const std::string& text) {
    JsShowMessage(title.c_str(), text.c_str());
}

void DownloadFile(const std::string& path, const std::string& mimeType) {
    JsDownload(path.c_str(), mimeType.c_str());
}

void SetPageFullscreen(bool on) {
    JsFullscreen(on ? 1 : 0);
}

bool PageIsFullscreen() {
    return JsIsFullscreen() != 0;
}

void SaveStorage() {
    JsSaveStorage();
}

}  // namespace platform::web

// The tick figures as --stats prints them, worked out when the page asks (window.dunspelt.stats).
extern "C" EMSCRIPTEN_KEEPALIVE const char* dunspelt_stats() {
    static std::string summary;
    summary = platform::App::Get().stats().Summary();
    return summary.c_str();
}

// For the page's tests: what the trace holds so far reaches its file.
extern "C" EMSCRIPTEN_KEEPALIVE void dunspelt_flush_trace() {
    platform::App::Get().tracer().Flush();
}

#include "platform/display/screenshot.hpp"

#include <iostream>
#include <system_error>

#include "platform/core/picture_file.hpp"
#include "platform/core/user_dirs.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/form.hpp"

namespace fs = std::filesystem;

namespace platform {

std::string ScreenshotName(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char text[64];
    std::strftime(text, sizeof text, "dunspelt-%Y-%m-%d_%H-%M-%S", &local);
    return text;
}

fs::path SaveScreenshot(App& app) {
    Form* form = app.ActiveForm();
    if (!form)
        return {};
    const fs::path folder = ScreenshotFolder();
    std::error_code ec;
    fs::create_directories(folder, ec);
    // Two shots in one second get numbered names rather than overwriting each other.
    const std::string stem = ScreenshotName(std::time(nullptr));
    fs::path file = folder / (stem + ".png");
    for (int n = 2; fs::exists(file, ec) && n < 1000; ++n)
        file = folder / (stem + "-" + std::to_string(n) + ".png");
    // The game's own picture at 1x: what the window shows, without the pause overlay.
    if (!SavePng(form->Client(), file.string())) {
        std::cerr << "dunspelt: cannot save a screenshot in " << folder.string() << "\n";
        return {};
    }
    std::cout << "dunspelt: screenshot saved to " << file.string() << std::endl;
    app.TraceEvent("screenshot", "form", form->name());
    return file;
}

}  // namespace platform

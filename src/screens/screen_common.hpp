// What the screen forms share: their image-holder style, music requests and the exit button.
#pragma once
#include <memory>
#include <string>

#include "platform/core/surface.hpp"
#include "platform/forms/form.hpp"
#include "platform/forms/label.hpp"
#include "platform/forms/picture_box.hpp"

namespace game {

// Image holders: borderless, showing the top-left part of their picture at their own size.
constexpr platform::PictureBoxStyle kImageHolder{};

// The labels of the victory and defeat screens: the large display font, white on black, on one
// line (the substitute font runs a few pixels wider than the labels were laid out for).
constexpr platform::LabelStyle kEndScreenText{.font = {platform::FontFace::kDisplay, 48, false},
                                              .foreColour = 0xFFFFFF,
                                              .backColour = 0x000000,
                                              .wrap = false};

// Plays a file of the application folder, named like "\muz\menu.wav".
void PlayGameSound(const std::string& relativeName);

// The exit buttons: the silent clip stops the music, then the process ends at once.
[[noreturn]] void ExitGame();

// The to-menu buttons of the victory and defeat screens: stopping the game window's timer
// loads that window again, hidden, which resets the per-game state; then `screen` closes and
// the menu opens.
void ReturnToMenu(platform::Form& screen);

// The normal and hover images of a button pair: pics/button_<word>.png and _hover.png.
std::shared_ptr<platform::Surface> ButtonPicture(const std::string& word);
std::shared_ptr<platform::Surface> ButtonHoverPicture(const std::string& word);

}  // namespace game

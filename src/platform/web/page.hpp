// What the game tells its page (index.html and its script): the title, the end of the game, files
// to download, fullscreen and the saving of the browser's storage.
#pragma once
#include <string>

namespace platform::web {

void SetPageTitle(const std::string& title);
// The game has ended with `status`: the page says so and offers to play again.
void TellGameEnded(int status);
// An error the player must see (the desktop shows it in a message box).
void ShowPageMessage(const std::string& title, const std::string& text);
// Hands a file of the in-memory file system to the player as a download named after it.
void DownloadFile(const std::string& path, const std::string& mimeType);
// Asks the browser for fullscreen, or to leave it.
void SetPageFullscreen(bool on);
bool PageIsFullscreen();
// Writes the settings folder back to the browser's storage (IndexedDB).
void SaveStorage();

}  // namespace platform::web

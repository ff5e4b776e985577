// Reading pictures from files (format recognised from the content) and writing PNG screenshots.
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "platform/core/surface.hpp"

namespace platform {

// Raises run-time error 53 (file not found) or 481 (invalid picture), naming the path.
std::shared_ptr<Surface> LoadPicture(const std::string& path);

struct PictureSize {
    int width;
    int height;
};
// The size a BMP or PNG file's header gives, without decoding the picture; nothing for any
// other or unreadable file.
std::optional<PictureSize> ReadPictureSize(const std::string& path);

// Returns false (and leaves no partial file) when the file cannot be written.
bool SavePng(const Surface& surface, const std::string& path);

}  // namespace platform

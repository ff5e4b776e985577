// Pictures read from files: the direct path for palette BMPs gives exactly what the general
// loader gives, whatever the width's padding; missing and damaged files raise their errors.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/core/picture_file.hpp"
#include "platform/core/runtime_error.hpp"

namespace {

// What SDL's own loader makes of the file, as 0x00RRGGBB pixels.
platform::Surface ThroughSdl(const std::string& path) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_XRGB8888, 0);
    platform::Surface out(rgb->w, rgb->h);
    for (int y = 0; y < rgb->h; ++y)
        for (int x = 0; x < rgb->w; ++x)
            out.Set(x, y,
                    reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(rgb->pixels) +
                                                y * rgb->pitch)[x] &
                        0xFFFFFF);
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(loaded);
    return out;
}

std::string WritePaletteBmp(int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 8, SDL_PIXELFORMAT_INDEX8);
    SDL_Color colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = SDL_Color{uint8_t(i), uint8_t(255 - i), uint8_t(i * 7), 255};
    colours[3] = SDL_Color{0, 0, 0, 255};  // pure black must stay exactly 0
    SDL_SetPaletteColors(s->format->palette, colours, 0, 256);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            static_cast<uint8_t*>(s->pixels)[y * s->pitch + x] = uint8_t((x * 13 + y * 7) % 256);
    const std::string path =
        (std::filesystem::temp_directory_path() / ("dunspelt-bmp8-" + std::to_string(w) + ".bmp"))
            .string();
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    return path;
}

int ErrorOf(const std::string& path) {
    try {
        platform::LoadPicture(path);
    } catch (const platform::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(PictureFile, PaletteBmpsReadExactlyAsTheGeneralLoaderReadsThem) {
    for (int width : {1, 2, 3, 5, 64, 103}) {
        const std::string path = WritePaletteBmp(width, 9);
        platform::Surface direct = *platform::LoadPicture(path);
        EXPECT_EQ(direct, ThroughSdl(path)) << "width " << width;
        std::filesystem::remove(path);
    }
}

TEST(PictureFile, TheBakedLevelPicturesReadAsTheGeneralLoaderReadsThem) {
    const std::string map = std::string(DUNSPELT_APP_DIR) + "/maps/level1.MAP";
    EXPECT_EQ(*platform::LoadPicture(map), ThroughSdl(map));
}

TEST(PictureFile, MissingAndDamagedFilesRaiseFileNotFoundAndInvalidPicture) {
    const auto dir = std::filesystem::temp_directory_path();
    EXPECT_EQ(ErrorOf((dir / "dunspelt-no-such-picture.bmp").string()), platform::kErrFileNotFound);
    const std::string full = WritePaletteBmp(40, 30);
    const auto size = std::filesystem::file_size(full);
    std::filesystem::resize_file(full, size / 2);  // a palette BMP cut in half
    EXPECT_EQ(ErrorOf(full), platform::kErrInvalidPicture);
    std::ofstream(full, std::ios::trunc) << "BM not really a picture";
    EXPECT_EQ(ErrorOf(full), platform::kErrInvalidPicture);
    std::filesystem::remove(full);
}

TEST(PictureFile, SizesComeFromBmpAndPngHeadersAndNothingFromOtherFiles) {
    const auto dir = std::filesystem::temp_directory_path();
    const std::string bmp = WritePaletteBmp(103, 9);
    auto size = platform::ReadPictureSize(bmp);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 103);
    EXPECT_EQ(size->height, 9);

    // A top-down BMP stores its height negated.
    std::vector<char> bytes(std::filesystem::file_size(bmp));
    std::ifstream(bmp, std::ios::binary).read(bytes.data(), std::streamsize(bytes.size()));
    const int32_t negated = -9;
    std::memcpy(bytes.data() + 22, &negated, 4);
    std::ofstream(bmp, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), std::streamsize(bytes.size()));
    size = platform::ReadPictureSize(bmp);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->height, 9);

    const std::string png = (dir / "dunspelt-size.png").string();
    ASSERT_TRUE(platform::SavePng(platform::Surface(31, 17), png));
    size = platform::ReadPictureSize(png);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 31);
    EXPECT_EQ(size->height, 17);

    std::ofstream(bmp, std::ios::trunc) << "just some text, long enough for a header";
    EXPECT_FALSE(platform::ReadPictureSize(bmp));
    std::ofstream(bmp, std::ios::trunc) << "BM";
    EXPECT_FALSE(platform::ReadPictureSize(bmp));
    EXPECT_FALSE(platform::ReadPictureSize((dir / "dunspelt-no-such-picture.bmp").string()));
    std::filesystem::remove(bmp);
    std::filesystem::remove(png);
}

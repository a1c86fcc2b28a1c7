// The icons as the program carries them (16 and 32 pixels, embedded) and as
// the desktop gets them (all four sizes, installed from resources/), and the
// promise that the committed artwork can be made again from its generator.
#include <gtest/gtest.h>

#include <png.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "resources/embedded.h"

namespace {

struct Rgba {
    std::vector<png_byte> pixels;  // 4 bytes a pixel, top row first
    int width = 0;
    int height = 0;
    const png_byte* At(int x, int y) const
    {
        return &pixels[static_cast<std::size_t>((y * width + x) * 4)];
    }
};

Rgba DecodePng(std::span<const unsigned char> file)
{
    Rgba out;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) {
        ADD_FAILURE() << "not a PNG: " << image.message;
        return out;
    }
    image.format = PNG_FORMAT_RGBA;
    out.pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) {
        ADD_FAILURE() << "PNG cannot be decoded: " << image.message;
        out.pixels.clear();
        return out;
    }
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    return out;
}

std::vector<unsigned char> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::filesystem::path kResources = VORLEN_RESOURCES_DIR;

struct IconFile {
    int size;
    std::vector<unsigned char> png;
};

// The embedded ones as the program links them, the rest as committed.
std::vector<IconFile> AllIcons()
{
    const auto bytes = [](std::span<const unsigned char> png) {
        return std::vector<unsigned char>(png.begin(), png.end());
    };
    return {{16, bytes(AppIcon16Png())},
            {32, bytes(AppIcon32Png())},
            {48, ReadFile(kResources / "vorlen-48.png")},
            {256, ReadFile(kResources / "vorlen-256.png")}};
}

TEST(AppIcon, IsASquareOfAtMostSixteenColoursOnATransparentGround)
{
    for (const auto& [size, file] : AllIcons()) {
        const Rgba icon = DecodePng(file);
        ASSERT_EQ(icon.width, size);
        ASSERT_EQ(icon.height, size);
        std::set<std::vector<png_byte>> colours;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                colours.insert({icon.At(x, y), icon.At(x, y) + 4});
        EXPECT_LE(colours.size(), 16u) << size;
        // Rounded corners show the desktop through; the plot is opaque.
        EXPECT_EQ(icon.At(0, 0)[3], 0) << size;
        EXPECT_EQ(icon.At(size - 1, size - 1)[3], 0) << size;
        EXPECT_EQ(icon.At(size / 2, size / 2)[3], 255) << size;
    }
}

// A stem plot: a dark axis row across most of the icon (inside its border),
// and stems leaving it both upwards and downwards.
TEST(AppIcon, ShowsStemsOnBothSidesOfAnAxis)
{
    for (const auto& [size, file] : AllIcons()) {
        const Rgba icon = DecodePng(file);
        ASSERT_EQ(icon.width, size);
        auto dark = [&](int x, int y) {
            const png_byte* p = icon.At(x, y);
            return p[3] == 255 && p[0] + p[1] + p[2] < 200;
        };
        // The axis: rows dark across two thirds of the icon (larger icons
        // draw it several rows thick).
        auto axisRow = [&](int y) {
            int run = 0;
            for (int x = 0; x < icon.width; ++x) {
                run = dark(x, y) ? run + 1 : 0;
                if (run * 3 >= icon.width * 2)
                    return true;
            }
            return false;
        };
        int axis = 0;
        while (axisRow(axis))  // the card's top border
            ++axis;
        while (axis + 2 < icon.height && !axisRow(axis))
            ++axis;
        ASSERT_LT(axis + 2, icon.height) << icon.width;
        int below = axis;
        while (axisRow(below))
            ++below;
        int up = 0, down = 0;
        for (int x = 1; x + 1 < icon.width; ++x) {
            up += dark(x, axis - 1) && !dark(x - 1, axis - 1);
            down += dark(x, below) && !dark(x - 1, below);
        }
        EXPECT_GE(up, 2) << icon.width;
        EXPECT_GE(down, 2) << icon.width;
    }
}

// The committed files are what the generator makes, byte for byte; if this
// fails after a change to the generator, run the make-art target and commit
// the redrawn files.
TEST(ArtworkGenerator, RemakesTheCommittedFilesExactly)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vorlen-art-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string command = std::string("'") + VORLEN_MAKE_ART + "' '" + folder.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::pair<const char*, std::span<const unsigned char>> files[] = {
        {"decimator.bmp", DecimatorDiagramBmp()}, {"interpolator.bmp", InterpolatorDiagramBmp()},
        {"converter.bmp", ConverterDiagramBmp()}, {"vorlen-32.png", AppIcon32Png()},
        {"vorlen-16.png", AppIcon16Png()},
    };
    for (const auto& [name, embedded] : files) {
        const std::vector<unsigned char> made = ReadFile(folder / name);
        EXPECT_TRUE(std::equal(made.begin(), made.end(), embedded.begin(), embedded.end()))
            << name << ": " << made.size() << " bytes made, " << embedded.size() << " embedded";
    }
    // The sizes only the desktop gets are installed straight from resources/.
    for (const char* name : {"vorlen-48.png", "vorlen-256.png"}) {
        const std::vector<unsigned char> made = ReadFile(folder / name);
        const std::vector<unsigned char> committed = ReadFile(kResources / name);
        EXPECT_FALSE(made.empty()) << name;
        EXPECT_TRUE(made == committed)
            << name << ": " << made.size() << " bytes made, " << committed.size() << " committed";
    }
    std::filesystem::remove_all(folder);
}

}  // namespace

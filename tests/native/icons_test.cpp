// Every icon file carries its own image for small, normal, large and double-density screens.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

std::uint32_t little_endian(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = value << 8 | std::uint8_t(bytes.at(at + std::size_t(i)));
    return value;
}

TEST(Icons, EachHoldsAnImageForEveryScreenSizeFromSixteenToSixtyFourPixels) {
    // The program's icon and one for each tool.
    int icons = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(QUIVRA_SOURCE_DIR) + "/res/icons")) {
        if (entry.path().extension() != ".ico") continue;
        ++icons;
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string file{std::istreambuf_iterator<char>(in), {}};
        ASSERT_GE(file.size(), 6u) << "missing or empty";
        EXPECT_EQ(little_endian(file, 0, 4), 0x10000u) << "not an icon";
        std::set<std::uint32_t> sizes;
        for (std::uint32_t i = 0; i < little_endian(file, 4, 2); ++i) {
            const std::size_t entry = 6 + 16 * i;
            const std::uint32_t size = little_endian(file, entry, 1);
            const std::uint32_t length = little_endian(file, entry + 8, 4), offset = little_endian(file, entry + 12, 4);
            sizes.insert(size);
            ASSERT_LE(std::size_t(offset) + length, file.size()) << size << " px image runs past the end";
            // The image itself must agree with its directory entry, colours and mask.
            EXPECT_EQ(little_endian(file, offset + 4, 4), size);
            EXPECT_EQ(little_endian(file, offset + 8, 4), 2 * size);
        }
        EXPECT_EQ(sizes, (std::set<std::uint32_t>{16, 32, 48, 64}));
    }
    int maps = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(QUIVRA_SOURCE_DIR) + "/res/icons/art/32"))
        maps += entry.path().extension() == ".txt";
    EXPECT_EQ(icons, maps) << "an icon not built from its maps, or one left over";
    EXPECT_GE(icons, 17);
}

}  // namespace

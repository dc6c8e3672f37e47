// Every icon file carries its own image for small, normal and large screens.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

constexpr int first_icon = 2000;
constexpr int last_icon = 2016;
constexpr std::uint32_t palette_bytes = 256 * 4;

std::string icon_file(int number) {
    std::string path = std::string(QUIVRA_SOURCE_DIR) + "/res/icons/" + std::to_string(number) + ".ico";
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t little_endian(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = value << 8 | std::uint8_t(bytes.at(at + std::size_t(i)));
    return value;
}

TEST(Icons, EachHoldsSixteenThirtyTwoAndFortyEightPixelImages) {
    for (int number = first_icon; number <= last_icon; ++number) {
        SCOPED_TRACE(number);
        std::string file = icon_file(number);
        ASSERT_GE(file.size(), 6u) << "missing or empty";
        EXPECT_EQ(little_endian(file, 0, 2), 0u);
        EXPECT_EQ(little_endian(file, 2, 2), 1u) << "not an icon";
        std::uint32_t count = little_endian(file, 4, 2);
        std::set<std::uint32_t> sizes;
        for (std::uint32_t i = 0; i < count; ++i) {
            std::size_t entry = 6 + 16 * i;
            std::uint32_t size = little_endian(file, entry, 1);
            std::uint32_t length = little_endian(file, entry + 8, 4);
            std::uint32_t offset = little_endian(file, entry + 12, 4);
            sizes.insert(size);
            ASSERT_LE(std::size_t(offset) + length, file.size()) << size << " px image runs past the end";
            // The image itself must agree with its directory entry.
            EXPECT_EQ(little_endian(file, offset + 4, 4), size);
            EXPECT_EQ(little_endian(file, offset + 8, 4), 2 * size) << "colours and mask";
            EXPECT_EQ(little_endian(file, offset + 14, 2), 8u) << "256 colours";
            std::uint32_t mask_stride = (size + 31) / 32 * 4;
            EXPECT_EQ(length, 40 + palette_bytes + size * size + mask_stride * size);
        }
        EXPECT_EQ(sizes, (std::set<std::uint32_t>{16, 32, 48}));
    }
}

}  // namespace

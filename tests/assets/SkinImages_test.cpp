// The generated skin tree: every listed picture exists with its slicing, decodes, and the
// animations and the program icon have the structure their loaders expect.

#include "AssetFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace clavora::test {
namespace {

const std::string kAppFolder = std::string(CLAVORA_BIN_DIR) + "/";
const std::string kSkinFolder = kAppFolder + "skins/theme1/";

std::vector<SkinImageRow> Table()
{
    return ReadSkinImageTable(std::string(CLAVORA_TEST_DATA_DIR) + "/assets/skin_images.tsv");
}

bool EndsWith(const std::string& s, const std::string& suffix)
{
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

TEST(SkinImages, TableIsWellFormedAndNamesEachPictureOnce)
{
    const std::vector<SkinImageRow> rows = Table();
    ASSERT_GT(rows.size(), 50u);
    std::vector<std::string> seen;
    for (const SkinImageRow& row : rows) {
        EXPECT_GT(row.slices, 0) << "malformed line for " << row.name;
        EXPECT_EQ(row.name.find('\\'), std::string::npos) << row.name << ": use '/' in names";
        EXPECT_EQ(std::count(seen.begin(), seen.end(), row.name), 0) << row.name << " listed twice";
        seen.push_back(row.name);
    }
}

TEST(SkinImages, EveryListedPictureIsGeneratedWithItsSliceSize)
{
    std::vector<std::string> faults;
    for (const SkinImageRow& row : Table()) {
        if (row.slices <= 0 || EndsWith(row.name, ".ico"))
            continue;
        int width = 0;
        int height = 0;
        if (!DecodeImage(kSkinFolder + row.name, width, height)) {
            faults.push_back(row.name + ": missing or does not decode");
            continue;
        }
        if (width != row.slices * row.sliceWidth || height != row.sliceHeight)
            faults.push_back(row.name + ": " + std::to_string(width) + " x " + std::to_string(height) +
                             ", expected " + std::to_string(row.slices) + " slices of " +
                             std::to_string(row.sliceWidth) + " x " + std::to_string(row.sliceHeight));
    }
    EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

// The list is what the program's code relies on; a picture drawn but not listed would go
// unchecked, so the generated skin folder holds nothing else (keyboard pictures aside, which
// follow the layout files).
TEST(SkinImages, SkinFolderHoldsOnlyListedPictures)
{
    namespace fs = std::filesystem;
    std::vector<std::string> listed;
    for (const SkinImageRow& row : Table())
        listed.push_back(row.name);
    std::vector<std::string> unlisted;
    for (const auto& entry : fs::recursive_directory_iterator(kSkinFolder)) {
        if (!entry.is_regular_file())
            continue;
        const std::string name = fs::relative(entry.path(), kSkinFolder).generic_string();
        if (name.rfind("keyboard/", 0) != 0 && std::find(listed.begin(), listed.end(), name) == listed.end())
            unlisted.push_back(name);
    }
    EXPECT_TRUE(unlisted.empty()) << ::testing::PrintToString(unlisted);
}

TEST(SkinImages, IconAndLogoFoldersBesideTheExecutableHoldTheSamePictures)
{
    int mirrored = 0;
    for (const SkinImageRow& row : Table()) {
        if (row.name.rfind("icon/", 0) != 0 && row.name.rfind("logo/", 0) != 0 && row.name.rfind("Clavora.", 0) != 0)
            continue;
        ++mirrored;
        const std::vector<uint8_t> skin = ReadBytes(kSkinFolder + row.name);
        EXPECT_FALSE(skin.empty()) << row.name;
        EXPECT_EQ(ReadBytes(kAppFolder + row.name), skin) << row.name;
    }
    EXPECT_GT(mirrored, 30);
}

TEST(SkinImages, AnimationsLoopThroughTheirFrames)
{
    const struct {
        const char* name;
        int frames;
    } animations[] = {{"loading.gif", 16}, {"loading/loading.gif", 24}};
    for (const auto& a : animations) {
        const std::vector<uint8_t> bytes = ReadBytes(kSkinFolder + a.name);
        EXPECT_EQ(CountGifFrames(bytes), a.frames) << a.name;
        const std::string text(bytes.begin(), bytes.end());
        EXPECT_NE(text.find("NETSCAPE2.0"), std::string::npos) << a.name << " does not loop";
    }
}

TEST(SkinImages, ProgramIconHoldsEverySizeAsPng)
{
    const std::vector<uint8_t> ico = ReadBytes(kSkinFolder + "Clavora.ico");
    ASSERT_GE(ico.size(), 6u);
    ASSERT_EQ(ico[2], 1);  // icon, not cursor
    const int count = ico[4] | (ico[5] << 8);
    ASSERT_GE(ico.size(), 6u + 16u * count);
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * static_cast<size_t>(i);
        const int size = ico[entry] == 0 ? 256 : ico[entry];
        const uint32_t length = Le32(ico, entry + 8);
        const uint32_t offset = Le32(ico, entry + 12);
        ASSERT_LE(static_cast<size_t>(offset) + length, ico.size());
        const std::vector<uint8_t> png(ico.begin() + offset, ico.begin() + offset + length);
        int width = 0;
        int height = 0;
        ASSERT_TRUE(DecodePng(png, width, height)) << "entry " << i;
        EXPECT_EQ(width, size);
        EXPECT_EQ(height, size);
        sizes.push_back(size);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));
}

} // namespace
} // namespace clavora::test

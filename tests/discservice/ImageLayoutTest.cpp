// Bytes of a small image at the places ECMA-119 puts them.
#include "FileSystemImage.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace quillon::discimage {
namespace {

using test::Both16;
using test::Both32;

const Timestamp kCreated = FromCivil({2024, 3, 9, 17, 5, 59});
const Timestamp kModified = FromCivil({2023, 12, 31, 23, 59, 58});

class SmallImage : public ::testing::Test {
  protected:
    void SetUp() override {
        ItemOptions at;
        at.modified = kModified;
        ASSERT_EQ(image.SetVolumeName(u"TestVol.1"), status::Ok);
        image.SetCreationTime(kCreated);
        image.SetModificationTime(u"", kCreated);
        ASSERT_EQ(image.AddFile(u"a.txt", test::Bytes("a"), at), status::Ok);
        ASSERT_EQ(image.AddDirectory(u"Docs", at), status::Ok);
        ASSERT_EQ(image.AddFile(u"Docs\\readme.txt", test::Bytes("hello"), at), status::Ok);
        ItemOptions hidden = at;
        hidden.hidden = true;
        ASSERT_EQ(image.AddFile(u"Docs\\secret", test::Bytes(std::string(3000, 's')), hidden), status::Ok);
        result = test::Build(image);
        ASSERT_TRUE(result);
        bytes = test::ReadAll(*result);
    }

    const std::uint8_t* Sector(std::uint32_t lba) const { return bytes.data() + lba * 2048; }
    std::string Text(std::uint32_t lba, std::size_t pos, std::size_t n) const {
        return std::string(reinterpret_cast<const char*>(Sector(lba) + pos), n);
    }

    FileSystemImage image;
    std::shared_ptr<const ImageResult> result;
    std::vector<std::uint8_t> bytes;
};

TEST_F(SmallImage, PlannedLayout) {
    // 16 system area, PVD, SVD, terminator, 4 path tables, 2 + 2 directories,
    // then a.txt (1 block), readme.txt (1), secret (2).
    EXPECT_EQ(result->TotalBlocks(), 16u + 3 + 4 + 4 + 1 + 1 + 2);
    EXPECT_EQ(bytes.size(), result->TotalBlocks() * 2048u);
    for (std::size_t i = 0; i < 16 * 2048; ++i)
        ASSERT_EQ(bytes[i], 0) << "system area byte " << i;
}

TEST_F(SmallImage, PrimaryVolumeDescriptor) {
    const std::uint8_t* d = Sector(16);
    EXPECT_EQ(d[0], 1);
    EXPECT_EQ(Text(16, 1, 5), "CD001");
    EXPECT_EQ(d[6], 1);
    EXPECT_EQ(Text(16, 8, 32), std::string(32, ' '));
    EXPECT_EQ(Text(16, 40, 32), "TESTVOL_1" + std::string(23, ' '));
    EXPECT_EQ(Both32(d + 80), result->TotalBlocks());
    for (int i = 88; i < 120; ++i)
        EXPECT_EQ(d[i], 0) << i; // no escape sequences in the primary
    EXPECT_EQ(Both16(d + 120), 1);
    EXPECT_EQ(Both16(d + 124), 1);
    EXPECT_EQ(Both16(d + 128), 2048);
    // Path table: root (10 bytes) and DOCS (12 bytes).
    EXPECT_EQ(Both32(d + 132), 22u);
    EXPECT_EQ(d[140] | d[141] << 8, 19);
    EXPECT_EQ(d[148] << 24 | d[149] << 16 | d[150] << 8 | d[151], 20);
    EXPECT_EQ(d[156], 34); // root directory record
    EXPECT_EQ(Both32(d + 156 + 2), 23u);
    EXPECT_EQ(Both32(d + 156 + 10), 2048u);
    EXPECT_EQ(d[156 + 25], 2);
    EXPECT_EQ(Text(16, 574, 7), "QUILLON");
    EXPECT_EQ(Text(16, 813, 16), "2024030917055900");
    EXPECT_EQ(d[829], 0);
    EXPECT_EQ(Text(16, 830, 16), "2024030917055900");
    EXPECT_EQ(Text(16, 847, 16), "0000000000000000");
    EXPECT_EQ(d[881], 1);
    for (int i = 882; i < 2048; ++i)
        EXPECT_EQ(d[i], 0) << i;
}

TEST_F(SmallImage, JolietDescriptorAndTerminator) {
    const std::uint8_t* d = Sector(17);
    EXPECT_EQ(d[0], 2);
    EXPECT_EQ(Text(17, 1, 5), "CD001");
    EXPECT_EQ(Text(17, 88, 3), "%/E");
    EXPECT_EQ(Text(17, 40, 18), std::string("\0T\0e\0s\0t\0V\0o\0l\0.\0"
                                            "1",
                                            18));
    EXPECT_EQ(Text(17, 58, 2), std::string("\0 ", 2));
    EXPECT_EQ(Both32(d + 80), result->TotalBlocks());
    EXPECT_EQ(d[140] | d[141] << 8, 21);
    EXPECT_EQ(Both32(d + 156 + 2), 25u);

    const std::uint8_t* t = Sector(18);
    EXPECT_EQ(t[0], 255);
    EXPECT_EQ(Text(18, 1, 5), "CD001");
    EXPECT_EQ(t[6], 1);
    for (int i = 7; i < 2048; ++i)
        ASSERT_EQ(t[i], 0);
}

TEST_F(SmallImage, PathTablesInBothByteOrders) {
    const std::uint8_t* l = Sector(19);
    const std::uint8_t expectedL[] = {1, 0,  23, 0, 0, 0, 1, 0,   0,   0,   4,
                                      0, 24, 0,  0, 0, 1, 0, 'D', 'O', 'C', 'S'};
    EXPECT_EQ(std::memcmp(l, expectedL, sizeof expectedL), 0);
    const std::uint8_t* m = Sector(20);
    const std::uint8_t expectedM[] = {1, 0, 0, 0, 0,  23, 0, 1,   0,   0,   4,
                                      0, 0, 0, 0, 24, 0,  1, 'D', 'O', 'C', 'S'};
    EXPECT_EQ(std::memcmp(m, expectedM, sizeof expectedM), 0);
    const std::uint8_t* j = Sector(21);
    const std::uint8_t expectedJ[] = {1, 0, 25, 0, 0, 0, 1,   0, 0,   0, 8,   0, 26,
                                      0, 0, 0,  1, 0, 0, 'D', 0, 'o', 0, 'c', 0, 's'};
    EXPECT_EQ(std::memcmp(j, expectedJ, sizeof expectedJ), 0);
}

TEST_F(SmallImage, DirectoryRecords) {
    // ISO root: ".", "..", A.TXT;1, DOCS.
    const std::uint8_t* root = Sector(23);
    EXPECT_EQ(root[0], 34);
    EXPECT_EQ(root[33], 0);
    EXPECT_EQ(root[34], 34);
    EXPECT_EQ(root[34 + 33], 1);
    const std::uint8_t* a = root + 68;
    EXPECT_EQ(a[0], 33 + 7 + 0);
    EXPECT_EQ(Both32(a + 2), 27u);
    EXPECT_EQ(Both32(a + 10), 1u);
    EXPECT_EQ(a[25], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(a + 33), 7), "A.TXT;1");
    const std::uint8_t date[7] = {123, 12, 31, 23, 59, 58, 0};
    EXPECT_EQ(std::memcmp(a + 18, date, 7), 0);
    const std::uint8_t* docs = a + a[0];
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(docs + 33), 4), "DOCS");
    EXPECT_EQ(docs[0], 33 + 4 + 1); // padding after an even identifier
    EXPECT_EQ(docs[25], 2);
    EXPECT_EQ(Both32(docs + 2), 24u);

    // The same file data is shared by the Joliet record.
    test::IsoImage iso(bytes);
    const auto joliet = iso.Tree(true);
    const auto* readme = test::IsoImage::Find(joliet, u"Docs/readme.txt");
    ASSERT_NE(readme, nullptr);
    EXPECT_EQ(readme->lba, 28u);
    const auto isoTree = iso.Tree(false);
    const auto* isoReadme = test::IsoImage::Find(isoTree, u"DOCS/README.TXT;1");
    ASSERT_NE(isoReadme, nullptr);
    EXPECT_EQ(isoReadme->lba, readme->lba);
    const auto* secret = test::IsoImage::Find(joliet, u"Docs/secret");
    ASSERT_NE(secret, nullptr);
    EXPECT_EQ(secret->flags, 1); // hidden
    EXPECT_EQ(iso.Data(*secret), std::string(3000, 's'));
    // Zeros after the data up to the block's end.
    for (std::size_t i = 29 * 2048 + 3000; i < 31 * 2048; ++i)
        ASSERT_EQ(bytes[i], 0) << i;
}

TEST_F(SmallImage, AnyRangeReadsLikeTheWhole) {
    auto reader = result->OpenReader();
    const std::size_t lengths[] = {1, 7, 2047, 2048, 2049, 5000, 70000};
    for (std::uint64_t offset :
         {0ull, 1ull, 2047ull, 16 * 2048ull - 3, 17 * 2048ull + 5, 28 * 2048ull - 1, 30 * 2048ull + 100}) {
        for (std::size_t length : lengths) {
            std::vector<std::uint8_t> part(length, 0xEE);
            std::size_t done = 0;
            ASSERT_EQ(reader->Read(offset, part.data(), length, &done), status::Ok);
            const std::size_t expected =
                static_cast<std::size_t>(std::min<std::uint64_t>(length, bytes.size() - offset));
            ASSERT_EQ(done, expected);
            ASSERT_EQ(std::memcmp(part.data(), bytes.data() + offset, done), 0) << offset << "+" << length;
        }
    }
    std::size_t done = 99;
    std::uint8_t b;
    EXPECT_EQ(reader->Read(bytes.size(), &b, 1, &done), status::Ok);
    EXPECT_EQ(done, 0u);
}

TEST(ImageLayout, EmptyImageHasRootsOnly) {
    FileSystemImage image;
    auto result = test::Build(image);
    EXPECT_EQ(result->TotalBlocks(), 16u + 3 + 4 + 2);
    test::IsoImage iso(test::ReadAll(*result));
    EXPECT_TRUE(iso.Tree(false).children.empty());
    EXPECT_TRUE(iso.Tree(true).children.empty());
    EXPECT_EQ(iso.VolumeId().size(), 13u); // generated from the date
}

TEST(ImageLayout, Iso9660OnlyHasNoSupplementaryDescriptor) {
    FileSystemImage image;
    ASSERT_EQ(image.SetFileSystemsToCreate(file_system::Iso9660), status::Ok);
    ASSERT_EQ(image.AddFile(u"x.txt", test::Bytes("x")), status::Ok);
    auto result = test::Build(image);
    EXPECT_EQ(result->TotalBlocks(), 16u + 2 + 2 + 1 + 1);
    test::IsoImage iso(test::ReadAll(*result));
    EXPECT_FALSE(iso.HasJoliet());
    EXPECT_EQ(iso.Sector(17)[0], 255);
}

TEST(ImageLayout, LargeDirectoryRecordsNeverCrossSectors) {
    FileSystemImage image;
    for (int i = 0; i < 500; ++i)
        ASSERT_EQ(
            image.AddFile(test::U("file with a name of some length number " + std::to_string(i) + ".dat"),
                          test::Bytes("")),
            status::Ok);
    auto result = test::Build(image);
    test::IsoImage iso(test::ReadAll(*result)); // checks every record
    EXPECT_EQ(iso.Tree(true).children.size(), 500u);
    EXPECT_EQ(iso.Tree(false).children.size(), 500u);
}

} // namespace
} // namespace quillon::discimage

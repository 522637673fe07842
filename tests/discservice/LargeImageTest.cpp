// Images past 4 GiB, read in pieces: offsets and sizes are 64-bit throughout and
// nothing is held in memory but the piece asked for.
#include "FileSystemImage.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace quillon::discimage {
namespace {

TEST(LargeImage, DataOfBigFilesLandsWhereTheRecordsSay) {
    const std::uint64_t first = 0xFFFFFFFFull; // the largest file a record can hold
    const std::uint64_t second = 3ull << 30;
    FileSystemImage image;
    ASSERT_EQ(image.SetFreeMediaBlocks(0), status::Ok);
    ASSERT_EQ(image.AddFile(u"first.bin", std::make_shared<test::PatternSource>(first, 1)), status::Ok);
    ASSERT_EQ(image.AddFile(u"second.bin", std::make_shared<test::PatternSource>(second, 2)), status::Ok);
    auto result = test::Build(image);
    ASSERT_GT(result->SizeInBytes(), first + second);

    // The metadata sits in the first blocks; read them and find the files.
    auto reader = result->OpenReader();
    std::vector<std::uint8_t> head(64 * 2048);
    std::size_t done = 0;
    ASSERT_EQ(reader->Read(0, head.data(), head.size(), &done), status::Ok);
    head.resize(done);
    const std::uint8_t* pvd = head.data() + 16 * 2048;
    const std::uint32_t rootLba = test::Both32(pvd + 156 + 2);
    const std::uint8_t* rec = head.data() + rootLba * 2048 + 68;
    ASSERT_EQ(std::string(reinterpret_cast<const char*>(rec + 33), rec[32]), "FIRST.BIN;1");
    const std::uint32_t firstLba = test::Both32(rec + 2);
    EXPECT_EQ(test::Both32(rec + 10), first);
    rec += rec[0];
    const std::uint32_t secondLba = test::Both32(rec + 2);
    EXPECT_EQ(test::Both32(rec + 10), second);

    auto check = [&](std::uint32_t lba, std::uint64_t fileOffset, std::uint32_t seed, std::uint64_t size) {
        std::vector<std::uint8_t> piece(2048); // blocks are read whole, never into the next extent
        std::size_t got = 0;
        const std::uint64_t at = std::uint64_t{lba} * 2048 + fileOffset;
        ASSERT_EQ(reader->Read(at, piece.data(), piece.size(), &got), status::Ok);
        for (std::size_t i = 0; i < got; ++i) {
            const std::uint64_t o = fileOffset + i;
            const std::uint8_t want = o < size ? test::PatternByte(o, seed) : 0;
            ASSERT_EQ(piece[i], want) << "file offset " << o;
        }
    };
    check(firstLba, 0, 1, first);
    check(firstLba, (1ull << 32) - 2048, 1, first); // the end of the first file and its padding byte
    check(secondLba, 0, 2, second);
    check(secondLba, second - 2048, 2, second);
    EXPECT_GT(std::uint64_t{secondLba} * 2048, 1ull << 32);
}

} // namespace
} // namespace quillon::discimage

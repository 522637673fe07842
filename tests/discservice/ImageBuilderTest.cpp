// The builder's calls and the service's result codes they give.
#include "FileSystemImage.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace quillon::discimage {
namespace {

using test::Bytes;

struct AddCase {
    const char* what;
    std::u16string path;
    bool directory;
    Status expected;
};

TEST(ImageBuilder, AddsAndRefusesItemsWithTheServiceCodes) {
    FileSystemImage image;
    ASSERT_EQ(image.AddDirectory(u"Docs"), status::Ok);
    ASSERT_EQ(image.AddDirectory(u"Docs\\Old"), status::Ok);
    ASSERT_EQ(image.AddFile(u"Docs\\Old\\a.txt", Bytes("a")), status::Ok);

    const std::u16string name65(65, u'n');
    const AddCase cases[] = {
        {"nested file by backslashes", u"Docs\\b.txt", false, status::Ok},
        {"forward slashes separate too", u"Docs/Old/c.txt", false, status::Ok},
        {"one leading separator", u"\\top.txt", false, status::Ok},
        {"64 characters", std::u16string(64, u'x'), false, status::Ok},
        {"same name", u"Docs\\Old\\a.txt", false, status::DupName},
        {"same name in other case", u"docs\\old\\A.TXT", false, status::DupName},
        {"directory over a file", u"docs\\OLD\\a.txt", true, status::DupName},
        {"file over a directory", u"DOCS", false, status::DupName},
        {"missing parent", u"Nope\\x.txt", false, status::DirNotFound},
        {"missing parent of a directory", u"Nope\\Deeper", true, status::DirNotFound},
        {"a file as parent", u"Docs\\Old\\a.txt\\x", false, status::DirNotFound},
        {"empty path", u"", false, status::InvalidPath},
        {"empty name inside", u"Docs\\\\x.txt", false, status::InvalidPath},
        {"trailing separator", u"Docs\\", true, status::InvalidPath},
        {"dot name", u"Docs\\.", true, status::InvalidPath},
        {"dot-dot name", u"Docs\\..\\x", false, status::InvalidPath},
        {"65 characters", name65, false, status::InvalidPath},
        {"colon", u"a:b", false, status::InvalidPath},
        {"question mark", u"why?", true, status::InvalidPath},
        {"star", u"*.txt", false, status::InvalidPath},
        {"semicolon", u"v;1", false, status::InvalidPath},
        {"control character", u"bell\a", false, status::InvalidPath},
        {"beyond UCS-2", u"emoji \U0001F600", false, status::InvalidPath},
        {"trailing dot", u"name.", false, status::InvalidPath},
        {"trailing space", u"Docs\\name ", true, status::InvalidPath},
        {"trailing dot in the parent", u"Docs.\\x.txt", false, status::InvalidPath},
    };
    for (const AddCase& c : cases) {
        const Status s = c.directory ? image.AddDirectory(c.path) : image.AddFile(c.path, Bytes("data"));
        EXPECT_EQ(s, c.expected) << c.what << ": " << StatusName(s);
    }
    EXPECT_EQ(image.Exists(u"Docs\\Old"), ItemType::Directory);
    EXPECT_EQ(image.Exists(u"docs/old/a.txt"), ItemType::File);
    EXPECT_EQ(image.Exists(u"Docs\\none"), ItemType::NotFound);
    EXPECT_EQ(image.FileCount(), 5u);
    EXPECT_EQ(image.DirectoryCount(), 2u);
}

TEST(ImageBuilder, FilesOfFourGibibytesAreRefused) {
    FileSystemImage image;
    ASSERT_EQ(image.SetFreeMediaBlocks(0), status::Ok);
    EXPECT_EQ(image.AddFile(u"max", std::make_shared<test::PatternSource>(0xFFFFFFFFull, 1)), status::Ok);
    EXPECT_EQ(image.AddFile(u"four", std::make_shared<test::PatternSource>(0x100000000ull, 1)),
              status::DataTooBig);
    EXPECT_EQ(image.AddFile(u"huge", std::make_shared<test::PatternSource>(5ull << 30, 1)),
              status::DataTooBig);
    EXPECT_EQ(image.Exists(u"four"), ItemType::NotFound);
}

TEST(ImageBuilder, SourceThatCannotTellItsSizeIsRefused) {
    FileSystemImage image;
    test::Script script;
    script.failSize = true;
    EXPECT_EQ(image.AddFile(u"x", std::make_shared<test::ScriptedSource>(script)), status::StreamReadFailure);
    EXPECT_EQ(image.AddFile(u"y", nullptr), status::InvalidArg);
    EXPECT_EQ(image.FileCount(), 0u);
}

TEST(ImageBuilder, FreeMediaBlocksLimitsTheImage) {
    FileSystemImage image;
    EXPECT_EQ(image.FreeMediaBlocks(), 332800);
    ASSERT_EQ(image.SetFreeMediaBlocks(0), status::Ok); // no limit
    ASSERT_EQ(image.AddFile(u"big", std::make_shared<test::PatternSource>(100 * 2048, 1)), status::Ok);
    EXPECT_EQ(image.SetFreeMediaBlocks(50), status::ImageTooBig);
    EXPECT_EQ(image.SetFreeMediaBlocks(-1), status::InvalidParam);

    std::int32_t used = 0;
    ASSERT_EQ(image.UsedBlocks(&used), status::Ok);
    ASSERT_EQ(image.SetFreeMediaBlocks(used), status::Ok);
    EXPECT_EQ(image.AddFile(u"more", std::make_shared<test::PatternSource>(2 * 2048, 2)),
              status::ImageSizeLimit);
    EXPECT_EQ(image.Exists(u"more"), ItemType::NotFound);
    std::shared_ptr<const ImageResult> result;
    EXPECT_EQ(image.CreateResultImage(&result), status::Ok);
    EXPECT_EQ(result->TotalBlocks(), static_cast<std::uint32_t>(used));

    // Directories are not counted exactly while adding; the result is checked exactly.
    ASSERT_EQ(image.AddFile(u"tiny", Bytes("")), status::Ok);
    for (int i = 0; i < 40; ++i)
        ASSERT_EQ(image.AddFile(test::U("an empty file with a long name " + std::to_string(i)), Bytes("")),
                  status::Ok);
    EXPECT_EQ(image.CreateResultImage(&result), status::ImageSizeLimit);
}

TEST(ImageBuilder, VolumeNameRules) {
    FileSystemImage image;
    EXPECT_EQ(image.SetVolumeName(u"Backup_2024"), status::Ok);
    EXPECT_EQ(image.SetVolumeName(u"sixteen_chars_xx"), status::InvalidVolumeName);
    EXPECT_EQ(image.SetVolumeName(u"with space"), status::InvalidVolumeName);
    EXPECT_EQ(image.VolumeName(), u"Backup_2024"); // a refused name changes nothing
    EXPECT_EQ(image.SetVolumeName(u""), status::Ok);
}

TEST(ImageBuilder, FileSystemChoices) {
    FileSystemImage image;
    EXPECT_EQ(image.FileSystemsToCreate(), file_system::Iso9660 | file_system::Joliet);
    EXPECT_EQ(image.SetFileSystemsToCreate(file_system::Udf), status::InvalidParam);
    EXPECT_EQ(image.SetFileSystemsToCreate(file_system::Joliet | file_system::Udf), status::InvalidParam);
    EXPECT_EQ(image.SetFileSystemsToCreate(0x40000000), status::InvalidParam);
    EXPECT_EQ(image.FileSystemsToCreate(), file_system::Iso9660 | file_system::Joliet);

    ASSERT_EQ(image.SetFileSystemsToCreate(file_system::None), status::Ok);
    std::shared_ptr<const ImageResult> result;
    EXPECT_EQ(image.CreateResultImage(&result), status::NoOutput);

    // Joliet alone still gets the ISO 9660 tree beside it.
    ASSERT_EQ(image.SetFileSystemsToCreate(file_system::Joliet), status::Ok);
    ASSERT_EQ(image.CreateResultImage(&result), status::Ok);
    test::IsoImage iso(test::ReadAll(*result));
    EXPECT_TRUE(iso.HasJoliet());
}

TEST(ImageBuilder, Iso9660AloneRefusesNinthLevelAndLongNamesPass) {
    FileSystemImage image;
    ASSERT_EQ(image.SetFileSystemsToCreate(file_system::Iso9660), status::Ok);
    std::u16string path;
    for (int level = 2; level <= 8; ++level) {
        path = test::Join(path, u"d");
        ASSERT_EQ(image.AddDirectory(path), status::Ok) << level;
    }
    EXPECT_EQ(image.AddDirectory(path + u"\\d"), status::Iso9660Levels);
    EXPECT_EQ(image.AddFile(path + u"\\file in the eighth level.txt", Bytes("x")), status::Ok);
    // Without Joliet a name is only mapped, so its length does not matter.
    EXPECT_EQ(image.AddFile(std::u16string(100, u'L'), Bytes("x")), status::Ok);
    EXPECT_EQ(image.AddFile(u"emoji \U0001F600", Bytes("x")), status::Ok);
    EXPECT_EQ(image.AddFile(u"trailing dot.", Bytes("x")), status::Ok);
    std::shared_ptr<const ImageResult> result;
    EXPECT_EQ(image.CreateResultImage(&result), status::Ok);

    // Asking for Joliet afterwards re-checks the names.
    ASSERT_EQ(image.SetFileSystemsToCreate(file_system::Iso9660 | file_system::Joliet), status::Ok);
    EXPECT_EQ(image.CreateResultImage(&result), status::InvalidPath);
}

TEST(ImageBuilder, DeepTreeWithoutJolietFailsWhenSwitchedLate) {
    FileSystemImage image;
    std::u16string path;
    for (int i = 0; i < 12; ++i) {
        path = test::Join(path, u"level");
        ASSERT_EQ(image.AddDirectory(path), status::Ok);
    }
    ASSERT_EQ(image.SetFileSystemsToCreate(file_system::Iso9660), status::Ok);
    std::shared_ptr<const ImageResult> result;
    EXPECT_EQ(image.CreateResultImage(&result), status::Iso9660Levels);
}

TEST(ImageBuilder, CheckFileItemName) {
    FileSystemImage image;
    EXPECT_EQ(image.CheckFileItemName(u"ok name.txt"), status::Ok);
    EXPECT_EQ(image.CheckFileItemName(u"bad:name"), status::InvalidParam);
    EXPECT_EQ(image.CheckFileItemName(std::u16string(65, u'x')), status::InvalidParam);
    EXPECT_EQ(image.CheckFileItemName(u"name."), status::InvalidParam);
    EXPECT_EQ(image.CheckFileItemName(u"name "), status::InvalidParam);
    EXPECT_EQ(image.CheckFileItemName(u"Docs\\x.txt"), status::InvalidParam);
}

TEST(ImageBuilder, ResultIsASnapshot) {
    FileSystemImage image;
    ASSERT_EQ(image.AddFile(u"first.txt", Bytes("one")), status::Ok);
    auto before = test::Build(image);
    ASSERT_EQ(image.AddFile(u"second.txt", Bytes("two")), status::Ok);
    auto after = test::Build(image);
    EXPECT_EQ(before->FileCount(), 1u);
    EXPECT_EQ(after->FileCount(), 2u);
    test::IsoImage iso(test::ReadAll(*before));
    EXPECT_EQ(iso.Tree(true).children.size(), 1u);
}

TEST(ImageBuilder, SessionStartBlockOffsetsEveryAddress) {
    FileSystemImage image;
    ASSERT_EQ(image.AddDirectory(u"d"), status::Ok);
    ASSERT_EQ(image.AddFile(u"d\\f.txt", Bytes("content")), status::Ok);
    ASSERT_EQ(image.SetSessionStartBlock(-1), status::InvalidParam);
    auto plain = test::Build(image);
    ASSERT_EQ(image.SetSessionStartBlock(1000), status::Ok);
    auto later = test::Build(image);
    ASSERT_EQ(plain->TotalBlocks(), later->TotalBlocks());

    const auto a = test::ReadAll(*plain);
    const auto b = test::ReadAll(*later);
    // Primary descriptor: volume space size and root extent move by 1000.
    EXPECT_EQ(test::Both32(b.data() + 16 * 2048 + 80), test::Both32(a.data() + 16 * 2048 + 80) + 1000);
    EXPECT_EQ(test::Both32(b.data() + 16 * 2048 + 156 + 2),
              test::Both32(a.data() + 16 * 2048 + 156 + 2) + 1000);
    // Path table location too.
    const std::uint8_t* pa = a.data() + 16 * 2048 + 140;
    const std::uint8_t* pb = b.data() + 16 * 2048 + 140;
    EXPECT_EQ(pb[0] | pb[1] << 8, (pa[0] | pa[1] << 8) + 1000);
}

} // namespace
} // namespace quillon::discimage

// Images read back through both trees: names, hierarchy and every byte of data.
#include "FileSystemImage.h"
#include "TestSupport.h"
#include "TextConversion.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace quillon::discimage {
namespace {

using test::U;

// Builds a tree in the image and remembers what each file should hold.
class TreeFixture : public ::testing::Test {
  protected:
    void Dir(const std::u16string& path) {
        ASSERT_EQ(image.AddDirectory(path), status::Ok) << Utf16ToUtf8Lossy(path);
    }
    void File(const std::u16string& path, const std::string& content) {
        ASSERT_EQ(image.AddFile(path, test::Bytes(content)), status::Ok) << Utf16ToUtf8Lossy(path);
        std::u16string slashed = path;
        for (char16_t& c : slashed)
            if (c == u'\\') c = u'/';
        expected[slashed] = content;
    }

    void CheckJolietTree(const test::IsoImage& iso) {
        const test::IsoEntry root = iso.Tree(true);
        std::map<std::u16string, std::string> seen;
        std::function<void(const test::IsoEntry&, const std::u16string&)> collect =
            [&](const test::IsoEntry& dir, const std::u16string& prefix) {
                for (const auto& c : dir.children) {
                    const std::u16string path = prefix.empty() ? c.name : prefix + u"/" + c.name;
                    if (c.directory)
                        collect(c, path);
                    else
                        seen[path] = iso.Data(c);
                }
            };
        collect(root, u"");
        EXPECT_EQ(seen.size(), expected.size());
        for (const auto& [path, content] : expected) {
            auto it = seen.find(path);
            ASSERT_NE(it, seen.end()) << "missing " << Utf16ToUtf8Lossy(path);
            EXPECT_EQ(it->second, content);
        }
    }

    FileSystemImage image;
    std::map<std::u16string, std::string> expected;
};

TEST_F(TreeFixture, EveryFileComesBackThroughJoliet) {
    Dir(u"Ünïcödé");
    File(u"Ünïcödé\\日本語のファイル.txt", "japanese");
    File(u"Ünïcödé\\smile ☺.bin", std::string(5000, '\x7F'));
    Dir(u"empty folder");
    File(u"empty file", "");
    const std::u16string n64(64, u'N');
    File(n64, "sixty-four");
    Dir(u"collide");
    for (const char16_t* n : {u"report.txt", u"Report+.txt", u"report_.txt", u"REPORT .txt", u"report.text"})
        File(std::u16string(u"collide\\") + n, "c:" + std::string(n, n + 3));
    Dir(u"many");
    for (int i = 0; i < 700; ++i)
        File(U("many\\file " + std::to_string(i) + ".dat"),
             std::string(i % 3 * 1000 + 1, char('a' + i % 26)));

    auto result = test::Build(image);
    test::IsoImage iso(test::ReadAll(*result));
    CheckJolietTree(iso);

    // The ISO 9660 tree holds the same items under unique, valid names.
    const test::IsoEntry isoRoot = iso.Tree(false);
    std::size_t isoFiles = 0;
    test::IsoImage::Walk(isoRoot, [&](const test::IsoEntry& e, int) {
        for (char16_t c : e.name) {
            const bool valid = (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' ||
                               (!e.directory && (c == u'.' || c == u';' || c == u'1'));
            EXPECT_TRUE(valid) << "character " << int(c);
        }
        if (!e.directory) ++isoFiles;
    });
    EXPECT_EQ(isoFiles, expected.size());
    const auto* collide = test::IsoImage::Find(isoRoot, u"COLLIDE");
    ASSERT_NE(collide, nullptr);
    std::set<std::u16string> names;
    for (const auto& c : collide->children)
        names.insert(c.name);
    EXPECT_EQ(names.size(), 5u);
    EXPECT_TRUE(names.count(u"REPORT.TXT;1"));
}

TEST_F(TreeFixture, DeepTreesKeepEverythingInJolietAndTheTopInIso9660) {
    std::u16string path;
    for (int level = 1; level <= 12; ++level) {
        path = test::Join(path, U("level " + std::to_string(level)));
        Dir(path);
        File(path + u"\\file.txt", "at " + std::to_string(level));
    }
    // A path of 31-character folder names passes 255 characters in the ISO 9660 tree.
    std::u16string longPath;
    for (int i = 0; i < 7; ++i) {
        longPath = test::Join(longPath, U(std::string(31, char('a' + i))));
        Dir(longPath);
    }
    File(longPath + u"\\" + U(std::string(40, 'f') + ".txt"), "long path");

    auto result = test::Build(image);
    test::IsoImage iso(test::ReadAll(*result));
    CheckJolietTree(iso);

    int jolietDepth = 0, isoDepth = 0, isoFileDepth = 0;
    test::IsoImage::Walk(iso.Tree(true), [&](const test::IsoEntry& e, int d) {
        if (e.directory) jolietDepth = std::max(jolietDepth, d);
    });
    test::IsoImage::Walk(iso.Tree(false), [&](const test::IsoEntry& e, int d) {
        (e.directory ? isoDepth : isoFileDepth) = std::max(e.directory ? isoDepth : isoFileDepth, d);
    });
    EXPECT_EQ(jolietDepth, 12);
    EXPECT_EQ(isoDepth, 7);     // eight levels with the root
    EXPECT_EQ(isoFileDepth, 8); // files of the eighth level are there
    const auto isoTree = iso.Tree(false);
    const auto* deepest = test::IsoImage::Find(isoTree, u"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA");
    ASSERT_NE(deepest, nullptr);

    // Path tables list exactly the directories of their tree, in both byte orders.
    for (bool joliet : {false, true}) {
        const auto little = iso.PathTable(joliet, false);
        const auto big = iso.PathTable(joliet, true);
        ASSERT_EQ(little.size(), big.size());
        std::size_t directories = 1;
        test::IsoImage::Walk(iso.Tree(joliet),
                             [&](const test::IsoEntry& e, int) { directories += e.directory; });
        EXPECT_EQ(little.size(), directories);
        for (std::size_t i = 0; i < little.size(); ++i) {
            EXPECT_EQ(little[i].lba, big[i].lba);
            EXPECT_EQ(little[i].parent, big[i].parent);
            EXPECT_EQ(little[i].identifier, big[i].identifier);
            EXPECT_LE(little[i].parent, i + 1);
        }
    }
}

TEST(ImageReadBack, LongIso9660PathsFailWithoutJoliet) {
    FileSystemImage image;
    ASSERT_EQ(image.SetFileSystemsToCreate(file_system::Iso9660), status::Ok);
    std::u16string path;
    for (int i = 0; i < 7; ++i) {
        path = test::Join(path, U(std::string(40, char('a' + i))));
        ASSERT_EQ(image.AddDirectory(path), status::Ok);
    }
    ASSERT_EQ(image.AddFile(path + u"\\" + U(std::string(40, 'f')), test::Bytes("x")), status::Ok);
    std::shared_ptr<const ImageResult> result;
    EXPECT_EQ(image.CreateResultImage(&result), status::Iso9660Levels);
}

TEST(ImageReadBack, SameTreeGivesTheSameImage) {
    auto make = [] {
        FileSystemImage image;
        image.SetCreationTime(Timestamp{1700000000});
        image.SetModificationTime(u"", Timestamp{1700000000});
        ItemOptions at;
        at.modified = Timestamp{1600000000};
        for (const char16_t* n : {u"b", u"A", u"a+", u"c.txt"})
            EXPECT_EQ(image.AddFile(n, test::Bytes("x"), at), status::Ok);
        return test::ReadAll(*test::Build(image));
    };
    EXPECT_EQ(make(), make());
}

} // namespace
} // namespace quillon::discimage

namespace quillon::discimage {
namespace {

TEST(ImageReadBack, ThousandLevelsPlanAndRead) {
    auto image = std::make_unique<FileSystemImage>();
    std::u16string path;
    for (int i = 0; i < 1000; ++i) {
        path = test::Join(path, u"d");
        ASSERT_EQ(image->AddDirectory(path), status::Ok) << i;
    }
    ASSERT_EQ(image->AddFile(test::Join(path, u"bottom.txt"), test::Bytes("bottom")), status::Ok);
    auto result = test::Build(*image);
    image.reset(); // the tree goes; the result keeps what it needs
    test::IsoImage iso(test::ReadAll(*result));
    EXPECT_EQ(iso.PathTable(true, false).size(), 1001u);
    EXPECT_EQ(iso.PathTable(false, true).size(), 8u);
}

} // namespace
} // namespace quillon::discimage

// Parts of quillon-mkiso that guard the user's files: the move of the finished
// image over the target, the reading of layout files and the output guard.
#include "FileSource.h"
#include "ImageWriter.h"
#include "LayoutInput.h"
#include "MoveOver.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace quillon::mkiso {
namespace {

namespace di = quillon::discimage;
using di::test::ReadFile;
using di::test::ScratchFolder;
using di::test::WriteFile;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(MoveOver, ReplacesTheTargetOrLeavesItAsItWas) {
    const auto folder = ScratchFolder("move-over");
    const auto from = folder / "new.part";
    const auto target = folder / "out.iso";
    std::string reason;

    WriteFile(from, "first image");
    ASSERT_TRUE(MoveOver(from, target, &reason)) << reason;
    EXPECT_EQ(ReadFile(target), "first image");
    EXPECT_FALSE(std::filesystem::exists(from));

    WriteFile(from, "second image");
    ASSERT_TRUE(MoveOver(from, target, &reason)) << reason;
    EXPECT_EQ(ReadFile(target), "second image");
    EXPECT_FALSE(std::filesystem::exists(from));

    // A move that fails keeps the old file.
    EXPECT_FALSE(MoveOver(folder / "vanished.part", target, &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(ReadFile(target), "second image");

    const auto busy = folder / "a folder";
    std::filesystem::create_directories(busy / "inside");
    WriteFile(from, "third image");
    EXPECT_FALSE(MoveOver(from, busy, &reason));
    EXPECT_TRUE(std::filesystem::is_directory(busy / "inside"));
    EXPECT_EQ(ReadFile(from), "third image");
}

TEST(OutputGuard, KnowsTheOutputByAnyName) {
    const auto folder = ScratchFolder("output-guard");
    std::filesystem::create_directories(folder / "sub");
    WriteFile(folder / "out.iso", "old");
    WriteFile(folder / "other.txt", "other");
    const OutputGuard guard(folder / "out.iso");
    EXPECT_TRUE(guard.IsOutput(folder / "out.iso"));
    EXPECT_TRUE(guard.IsOutput(folder / "sub" / ".." / "out.iso"));
    EXPECT_FALSE(guard.IsOutput(folder / "other.txt"));
    EXPECT_FALSE(guard.IsOutput(folder / "missing.txt"));
    EXPECT_FALSE(guard.IsOutput(folder));

    // An output that does not exist yet cannot be an input.
    const OutputGuard fresh(folder / "new.iso");
    EXPECT_FALSE(fresh.IsOutput(folder / "new.iso"));
    EXPECT_FALSE(fresh.IsOutput(folder / "other.txt"));
}

TEST(LayoutText, OnlyTextThatOpensATagIsRead) {
    const auto folder = ScratchFolder("layout-text");
    const struct {
        const char* what;
        std::string content;
        const char* problem; // null: accepted
    } cases[] = {
        {"empty", "", "it is empty"},
        {"blanks", " \r\n\t", "it is empty"},
        {"plain text", "hello <root/>", "does not start with an XML tag"},
        {"NUL bytes", std::string("<root/>\0x", 9), "NUL bytes"},
        {"not UTF-8", "<root n=\"\xC3\x28\"/>", "not UTF-8 text"},
        {"a layout", "<root/>", nullptr},
        {"blanks and a byte-order mark", "\xEF\xBB\xBF\n  <?xml version=\"1.0\"?><root/>", nullptr},
    };
    for (const auto& c : cases) {
        const auto file = folder / "layout.xml";
        WriteFile(file, c.content);
        std::string text, error;
        const bool read = ReadLayoutText(file, &text, &error);
        if (!c.problem) {
            EXPECT_TRUE(read) << c.what << ": " << error;
            EXPECT_EQ(text, c.content) << c.what;
        } else {
            EXPECT_FALSE(read) << c.what;
            EXPECT_TRUE(Contains(error, c.problem)) << c.what << ": " << error;
            EXPECT_TRUE(Contains(error, di::PathForDisplay(file))) << c.what << ": " << error;
        }
    }
    std::string text, error;
    EXPECT_FALSE(ReadLayoutText(folder / "missing.xml", &text, &error));
    EXPECT_TRUE(Contains(error, "missing.xml: cannot be opened")) << error;
    std::filesystem::create_directories(folder / "a folder");
    EXPECT_FALSE(ReadLayoutText(folder / "a folder", &text, &error));
    EXPECT_TRUE(Contains(error, "a folder: cannot be")) << error;
}

#ifdef QUILLON_MKISO_LAYOUT
TEST(LayoutNames, EachNameIsOneItem) {
    const auto folder = ScratchFolder("layout-names");
    const auto source = folder / "source.txt";
    WriteFile(source, "source");
    const std::string a = di::PathForDisplay(source);
    const struct {
        const char* what;
        std::string items;
        const char* named; // null: accepted
    } cases[] = {
        {"plain names", "<i t=\"1\" n=\"Docs\"><i t=\"0\" n=\"x.txt\" a=\"" + a + "\"/></i>", nullptr},
        {"backslash", "<i t=\"1\" n=\"Docs\"/><i t=\"0\" n=\"Docs\\x.txt\" a=\"" + a + "\"/>", "Docs\\x.txt"},
        {"slash", "<i t=\"0\" n=\"/y.txt\" a=\"" + a + "\"/>", "/y.txt"},
        {"folder", "<i t=\"1\" n=\"a\\b\"/>", "a\\b"},
        {"trailing space", "<i t=\"1\" n=\"Docs\"><i t=\"0\" n=\"x \" a=\"" + a + "\"/></i>", "x "},
    };
    for (const auto& c : cases) {
        const auto file = folder / "layout.xml";
        WriteFile(file, "<root>" + c.items + "</root>");
        di::FileSystemImage image;
        Progress progress(Progress::Mode::Off);
        std::string error;
        const bool added = AddLayoutFile(image, file, OutputGuard(folder / "out.iso"), progress, &error);
        if (!c.named) {
            EXPECT_TRUE(added) << c.what << ": " << error;
            EXPECT_EQ(image.Exists(u"Docs\\x.txt"), di::ItemType::File);
        } else {
            EXPECT_FALSE(added) << c.what;
            EXPECT_TRUE(Contains(error, "IMAPI_E_INVALID_PARAM")) << c.what << ": " << error;
            EXPECT_TRUE(Contains(error, std::string("\"") + c.named + "\"")) << c.what << ": " << error;
        }
    }
}
#endif

} // namespace
} // namespace quillon::mkiso

// Sources that fail or change while the image is read, and staged copies.
#include "FileSource.h"
#include "FileSystemImage.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quillon::discimage {
namespace {

Status ReadWholeImage(const ImageResult& result, std::string* error = nullptr) {
    auto reader = result.OpenReader();
    std::vector<std::uint8_t> buffer(64 * 1024);
    std::uint64_t offset = 0;
    for (;;) {
        std::size_t done = 0;
        const Status s = reader->Read(offset, buffer.data(), buffer.size(), &done);
        if (Failed(s)) {
            if (error) *error = reader->LastError();
            return s;
        }
        if (done == 0) return status::Ok;
        offset += done;
    }
}

TEST(SourceFailure, ReadingFailsWithTheMatchingCode) {
    const struct {
        const char* what;
        test::Script script;
        Status expected;
    } cases[] = {
        {"unchanged", {100, 100, 100, 100}, status::Ok},
        {"cannot be opened", {100, 100, 100, 100, false, true}, status::StreamReadFailure},
        {"read fails", {100, 100, 100, 100, false, false, true}, status::StreamReadFailure},
        {"shrank before", {100, 60, 60, 60}, status::StreamInconsistency},
        {"grew before", {100, 150, 150, 150}, status::StreamInconsistency},
        {"ends early", {100, 100, 100, 60}, status::StreamInconsistency},
        {"grew while read", {100, 100, 120, 120}, status::StreamInconsistency},
    };
    for (const auto& c : cases) {
        FileSystemImage image;
        ASSERT_EQ(image.AddFile(u"before", test::Bytes("fine")), status::Ok);
        ASSERT_EQ(image.AddFile(u"file", std::make_shared<test::ScriptedSource>(c.script)), status::Ok);
        auto result = test::Build(image);
        std::string error;
        EXPECT_EQ(ReadWholeImage(*result, &error), c.expected) << c.what;
        if (c.expected != status::Ok) {
            EXPECT_NE(error.find("scripted"), std::string::npos) << error;
        }
    }
}

TEST(SourceFailure, SourceThatClaimsMoreThanItWasAskedForIsRefused) {
    test::Script script;
    script.claimExtra = 5000; // far past any buffer handed to it
    FileSystemImage image;
    ASSERT_EQ(image.AddFile(u"file", std::make_shared<test::ScriptedSource>(script)), status::Ok);
    std::string error;
    EXPECT_EQ(ReadWholeImage(*test::Build(image), &error), status::StreamReadFailure);
    EXPECT_NE(error.find("asked for"), std::string::npos) << error;

    const auto work = test::ScratchFolder("claims-more");
    FileSystemImage staged;
    ASSERT_EQ(staged.SetWorkingDirectory(work), status::Ok);
    staged.SetStageFiles(true);
    EXPECT_EQ(staged.AddFile(u"file", std::make_shared<test::ScriptedSource>(script)),
              status::StreamReadFailure);
    EXPECT_NE(staged.LastError().find("asked for"), std::string::npos) << staged.LastError();
    EXPECT_EQ(staged.FileCount(), 0u);
}

struct ThrowCase {
    const char* what;
    test::Script::Throw where;
    bool nonStandard;
    const char* cause;
};

const ThrowCase kThrowCases[] = {
    {"size", test::Script::Throw::InSize, false, "scripted size"},
    {"size, not a std::exception", test::Script::Throw::InSize, true, "unknown exception"},
    {"open", test::Script::Throw::InOpen, false, "scripted open"},
    {"read", test::Script::Throw::InRead, false, "scripted read"},
    {"read, not a std::exception", test::Script::Throw::InRead, true, "unknown exception"},
};

test::Script Throwing(const ThrowCase& c) {
    test::Script script;
    script.throwIn = c.where;
    script.throwNonStandard = c.nonStandard;
    return script;
}

std::size_t CountEntries(const std::filesystem::path& folder);

TEST(SourceFailure, ExceptionsOfSourcesBecomeCodesWhenAdded) {
    for (const bool stage : {false, true}) {
        for (const ThrowCase& c : kThrowCases) {
            // Without staging only the size is asked for when a file is added.
            if (!stage && c.where != test::Script::Throw::InSize) continue;
            const auto work = test::ScratchFolder("throwing");
            FileSystemImage image;
            ASSERT_EQ(image.SetWorkingDirectory(work), status::Ok);
            image.SetStageFiles(stage);
            EXPECT_EQ(image.AddFile(u"x", std::make_shared<test::ScriptedSource>(Throwing(c))),
                      status::InternalError)
                << c.what;
            EXPECT_NE(image.LastError().find(c.cause), std::string::npos)
                << c.what << ": " << image.LastError();
            EXPECT_EQ(image.FileCount(), 0u);
            EXPECT_LE(CountEntries(work), 1u) << c.what << ": a copy was left behind";
            // The image goes on as before.
            EXPECT_EQ(image.AddFile(u"x", test::Bytes("fine")), status::Ok);
            EXPECT_TRUE(image.LastError().empty());
        }
    }
}

TEST(SourceFailure, ExceptionsOfSourcesBecomeCodesWhenRead) {
    for (const ThrowCase& c : kThrowCases) {
        if (c.where == test::Script::Throw::InSize) continue;
        FileSystemImage image;
        ASSERT_EQ(image.AddFile(u"x", std::make_shared<test::ScriptedSource>(Throwing(c))), status::Ok);
        std::string error;
        EXPECT_EQ(ReadWholeImage(*test::Build(image), &error), status::InternalError) << c.what;
        EXPECT_NE(error.find(c.cause), std::string::npos) << c.what << ": " << error;
    }
}

TEST(SourceFailure, FileOnDiskThatVanishesOrChanges) {
    const auto folder = test::ScratchFolder("vanish");
    test::WriteFile(folder / "gone.txt", "soon gone");
    test::WriteFile(folder / "changed.txt", "original");
    FileSystemImage image;
    ASSERT_EQ(image.AddFile(u"gone.txt", std::make_shared<FileSource>(folder / "gone.txt")), status::Ok);
    auto gone = test::Build(image);
    FileSystemImage other;
    ASSERT_EQ(other.AddFile(u"changed.txt", std::make_shared<FileSource>(folder / "changed.txt")),
              status::Ok);
    auto changed = test::Build(other);

    std::filesystem::remove(folder / "gone.txt");
    test::WriteFile(folder / "changed.txt", "a different length");
    EXPECT_EQ(ReadWholeImage(*gone), status::StreamReadFailure);
    EXPECT_EQ(ReadWholeImage(*changed), status::StreamInconsistency);

    EXPECT_EQ(image.AddFile(u"missing", std::make_shared<FileSource>(folder / "missing")),
              status::StreamReadFailure);
    EXPECT_EQ(image.AddFile(u"folder", std::make_shared<FileSource>(folder)), status::StreamReadFailure);
}

std::size_t CountEntries(const std::filesystem::path& folder) {
    std::size_t n = 0;
    for (auto it = std::filesystem::recursive_directory_iterator(folder);
         it != std::filesystem::recursive_directory_iterator(); ++it)
        ++n;
    return n;
}

TEST(Staging, CopiesKeepTheContentAndGoAwayWithTheImage) {
    const auto folder = test::ScratchFolder("staging");
    const auto work = folder / "work";
    std::filesystem::create_directories(work);
    test::WriteFile(folder / "a.txt", "content of a");
    test::WriteFile(folder / "b.txt", "content of b");
    test::WriteFile(folder / "late.txt", "added before staging was on");

    std::shared_ptr<const ImageResult> result;
    {
        FileSystemImage image;
        ASSERT_EQ(image.SetWorkingDirectory(folder / "missing"), status::InvalidParam);
        ASSERT_EQ(image.SetWorkingDirectory(work), status::Ok);
        ASSERT_EQ(image.AddFile(u"late.txt", std::make_shared<FileSource>(folder / "late.txt")), status::Ok);
        image.SetStageFiles(true);
        ASSERT_EQ(image.AddFile(u"a.txt", std::make_shared<FileSource>(folder / "a.txt")), status::Ok);
        ASSERT_EQ(image.AddFile(u"b.txt", std::make_shared<FileSource>(folder / "b.txt")), status::Ok);
        ASSERT_EQ(image.AddFile(u"empty", test::Bytes("")), status::Ok);
        EXPECT_EQ(CountEntries(work), 1u + 3u); // the stage folder and three copies
        result = test::Build(image);
    }
    // The sources change and vanish; the copies still hold what was added.
    std::filesystem::remove(folder / "a.txt");
    test::WriteFile(folder / "b.txt", "rewritten with another size");
    test::IsoImage iso(test::ReadAll(*result));
    const auto root = iso.Tree(true);
    EXPECT_EQ(iso.Data(*test::IsoImage::Find(root, u"a.txt")), "content of a");
    EXPECT_EQ(iso.Data(*test::IsoImage::Find(root, u"b.txt")), "content of b");
    EXPECT_EQ(iso.Data(*test::IsoImage::Find(root, u"late.txt")), "added before staging was on");
    EXPECT_EQ(CountEntries(work), 4u); // the result still holds them

    result.reset();
    EXPECT_EQ(CountEntries(work), 0u);
}

TEST(Staging, MissingWorkingFolderIsNamed) {
    const auto work = test::ScratchFolder("staging-gone") / "work";
    std::filesystem::create_directories(work);
    FileSystemImage image;
    ASSERT_EQ(image.SetWorkingDirectory(work), status::Ok);
    image.SetStageFiles(true);
    std::filesystem::remove(work);
    EXPECT_EQ(image.AddFile(u"a", test::Bytes("a")), status::InvalidWorkingDirectory);
    EXPECT_NE(image.LastError().find(PathForDisplay(work)), std::string::npos) << image.LastError();
    EXPECT_EQ(StatusName(status::InvalidWorkingDirectory), "IMAPI_E_INVALID_WORKING_DIRECTORY");
}

#ifndef _WIN32
TEST(Staging, MissingTemporaryFolderIsNamed) {
    const auto missing = test::ScratchFolder("staging-no-temp") / "missing";
    const char* old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "";
    ::setenv("TMPDIR", missing.c_str(), 1);
    FileSystemImage image;
    image.SetStageFiles(true);
    const Status s = image.AddFile(u"a", test::Bytes("a"));
    const std::string error = image.LastError();
    if (old)
        ::setenv("TMPDIR", saved.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
    EXPECT_EQ(s, status::InvalidWorkingDirectory);
    EXPECT_NE(error.find(missing.native()), std::string::npos) << error;
}
#endif

TEST(Staging, FailedCopyLeavesNothingBehind) {
    const auto work = test::ScratchFolder("staging-fail");
    FileSystemImage image;
    ASSERT_EQ(image.SetWorkingDirectory(work), status::Ok);
    image.SetStageFiles(true);
    test::Script unreadable;
    unreadable.failRead = true;
    EXPECT_EQ(image.AddFile(u"x", std::make_shared<test::ScriptedSource>(unreadable)),
              status::StreamReadFailure);
    test::Script shortData;
    shortData.bytesAvailable = 10;
    EXPECT_EQ(image.AddFile(u"y", std::make_shared<test::ScriptedSource>(shortData)),
              status::StreamInconsistency);
    EXPECT_EQ(image.FileCount(), 0u);
    EXPECT_EQ(CountEntries(work), 1u); // only the empty stage folder
}

} // namespace
} // namespace quillon::discimage

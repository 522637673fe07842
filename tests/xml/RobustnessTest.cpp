#include "FuzzExercise.h"
#include "TestSupport.h"
#include "XmlSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using xmltest::Parse;
using xmltest::Text;

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>";

// Texts that leave a document without a root.
const std::vector<std::string> kRootless = {
    kDecl + "<!-- only a comment --><?pi?>",
    kDecl + "<root><General>",
    kDecl + "<!DOCTYPE x>",
    kDecl + "<",
};

TEST(XmlRootless, EveryOperationCopes) {
    for (const auto& text : kRootless) {
        auto doc = Parse(text);
        ASSERT_EQ(doc->GetRoot(), nullptr) << text;
        EXPECT_FALSE(doc->HasFileName());

        char buffer[100] = {};
        EXPECT_EQ(doc->ReadValue("General\\Language", "dllfile", buffer, sizeof buffer), 0);
        EXPECT_EQ(
            XmlReadString("General\\Language", "dllfile", "langen.dll", buffer, 100, nullptr, doc.get()), 10);
        EXPECT_STREQ(buffer, "langen.dll");
        EXPECT_EQ(XmlReadInt("a", "b", 3, nullptr, doc.get()), 3);

        // The save at shutdown has no file to write to and says so.
        EXPECT_EQ(doc->Save(nullptr, true, XmlOutputUtf8File, nullptr, 0), 0);
        // In memory it is the header alone.
        const std::string saved = doc->SaveToString(true);
        EXPECT_EQ(saved.rfind(doc->GetHeader()->GetDeclaration() + "\r\n", 0), 0u);

        XmlDocument copy;
        copy.Assign(*doc);
        EXPECT_EQ(copy.GetRoot(), nullptr);

        // Writing a value gives the document the root a new document has.
        doc->WriteValue("General\\Language", "dllfile", "x.dll");
        ASSERT_NE(doc->GetRoot(), nullptr);
        EXPECT_EQ(doc->GetRoot()->GetNameText(), "root");
        EXPECT_EQ(doc->ReadValue("General\\Language", "dllfile", buffer, sizeof buffer), 5);

        EXPECT_EQ(doc->ResetRoot()->GetNameText(), "root");
        doc->SetRoot(nullptr);
        doc->Close();
        EXPECT_EQ(doc->Save(nullptr, true, XmlOutputUtf8File), 0);
    }
}

TEST(XmlRootless, FileWithoutRootIsNotOverwrittenAtShutdown) {
    const std::string path = xmltest::ScratchPath("rootless.xml");
    for (const auto& text : kRootless) {
        xmltest::WriteBytes(path, text);
        XmlDocument doc(path.c_str(), XmlSourceFile);
        EXPECT_EQ(doc.Save(nullptr, true, XmlOutputUtf8File), 0);
        EXPECT_EQ(xmltest::ReadBytes(path), text);
    }
    std::remove(path.c_str());
}

TEST(XmlRobustness, DeepNestingLoadsWithoutExhaustingTheStack) {
    constexpr std::size_t kDepth = 4000;
    std::string text = kDecl;
    for (std::size_t i = 0; i < kDepth; ++i)
        text += "<a>";
    for (std::size_t i = 0; i < kDepth; ++i)
        text += "</a>";
    auto doc = Parse(text);
    EXPECT_EQ(doc->GetErrorCode(), 0u);
    int depth = 0;
    for (XmlElement* e = doc->GetRoot(); e && e->GetChildCount() > 0; e = e->GetChild(0))
        ++depth;
    EXPECT_EQ(depth, static_cast<int>(kDepth) - 1);
    std::size_t expectedSize = kDecl.size() + 2;
    for (std::size_t d = 0; d + 1 < kDepth; ++d)
        expectedSize += 2 * d + 11;   // "<a>" and "</a>" lines with d tabs
    expectedSize += (kDepth - 1) + 6; // the innermost "<a/>" line
    EXPECT_EQ(doc->SaveToString(true).size(), expectedSize);

    // Unclosed, much deeper: one scan finds no end tag.
    std::string unclosed = kDecl;
    for (int i = 0; i < 200000; ++i)
        unclosed += "<a>";
    auto broken = Parse(unclosed);
    EXPECT_EQ(broken->GetErrorCode(), 2u);
    EXPECT_EQ(broken->GetRoot(), nullptr);

    // Deep empty-element and comment soup.
    std::string soup = kDecl + "<r>";
    for (int i = 0; i < 50000; ++i)
        soup += "<b/><!--c--><![CDATA[d]]>text";
    soup += "</r>";
    auto wide = Parse(soup);
    EXPECT_EQ(wide->GetRoot()->GetChildCount(), 50000);
    EXPECT_EQ(wide->GetRoot()->GetCommentCount(), 50000);
}

TEST(XmlRobustness, TruncatedInputsLoad) {
    const std::string full = kDecl + "\r\n<r a=\"1\" b=\"x/y\">\r\n\t<!--c-->\r\n\t<![CDATA[<d>]]>\r\n"
                                     "\t<e>t&amp;t</e>\r\n\t<?pi x?>\r\n\t<f/>\r\n</r>\r\n";
    for (std::size_t n = 0; n <= full.size(); ++n) {
        const std::string part = full.substr(0, n);
        XmlFuzzExercise(reinterpret_cast<const std::uint8_t*>(part.data()), part.size());
    }
}

// Inputs that once crashed, and the seed corpus, replayed through the fuzz target's code.
TEST(XmlRobustness, RegressionAndCorpusInputs) {
    int replayed = 0;
    for (const char* folder : {"tests/xml/regressions", "tests/xml/corpus"}) {
        const std::filesystem::path dir = xmltest::SourcePath(folder);
        ASSERT_TRUE(std::filesystem::is_directory(dir)) << dir.string();
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            if (!entry.is_regular_file()) continue;
            const std::string bytes = xmltest::ReadBytes(entry.path().string());
            SCOPED_TRACE(entry.path().string());
            XmlFuzzExercise(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0);
}

} // namespace

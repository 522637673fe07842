#include "TestSupport.h"
#include "XmlUnicode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using xmltest::Parse;
using xmltest::Text;

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>";

std::string Written(const char* tag, void (*fill)(XmlElement&) = nullptr, bool raw = true) {
    auto e = XmlElement::Create(nullptr, tag);
    if (fill) fill(*e);
    return Text(e.get(), raw);
}

TEST(XmlWriter, SettingsExampleByteForByte) {
    const std::string path = xmltest::ScratchPath("settings-example.xml");
    std::remove(path.c_str());
    XmlDocument doc(path.c_str(), XmlSourceFile);
    doc.GetRoot()->AddChildFromText("<General/>");
    doc.GetRoot()->GetChild(0)->AddChildFromText("<Language dllfile=\"langen.dll\" />");
    ASSERT_EQ(doc.Save(nullptr, true, XmlOutputUtf8File), 1);
    const std::string expected = kDecl + "\r\n"
                                         "<root>\r\n"
                                         "\t<General>\r\n"
                                         "\t\t<Language dllfile=\"langen.dll\"/>\r\n"
                                         "\t</General>\r\n"
                                         "</root>\r\n";
    EXPECT_EQ(xmltest::ReadBytes(path), expected);
    // Loading it and saving again changes nothing.
    XmlDocument again(path.c_str(), XmlSourceFile);
    ASSERT_EQ(again.Save(nullptr, true, XmlOutputUtf8File), 1);
    EXPECT_EQ(xmltest::ReadBytes(path), expected);
    std::remove(path.c_str());
}

TEST(XmlWriter, ElementForms) {
    EXPECT_EQ(Written("<a/>"), "<a/>\r\n");
    EXPECT_EQ(Written("<a x=\"1\" y=\"&amp;\"/>"), "<a x=\"1\" y=\"&amp;\"/>\r\n");
    EXPECT_EQ(Written("<a/>", [](XmlElement& e) { e.AddContent("hello", 0); }), "<a>\r\n\thello\r\n</a>\r\n");
    EXPECT_EQ(Written("<a/>", [](XmlElement& e) { e.AddComment(" c ", 0); }),
              "<a>\r\n\t<!-- c -->\r\n</a>\r\n");
    EXPECT_EQ(Written("<a/>", [](XmlElement& e) { e.AddCData("<x>", 0); }),
              "<a>\r\n\t<![CDATA[<x>]]>\r\n</a>\r\n");
    EXPECT_EQ(Written("<a/>", [](XmlElement& e) { e.AddChildFromText("<b/>"); }),
              "<a>\r\n\t<b/>\r\n</a>\r\n");
}

TEST(XmlWriter, InlineText) {
    auto e = XmlElement::Create(nullptr, "<a/>");
    e->AddContent("hello", 0);
    XmlFormat format;
    format.inlineText = 1;
    e->SetFormat(&format);
    EXPECT_EQ(Text(e.get()), "<a>\r\nhello</a>\r\n"); // memory output always ends the start tag's line

    const std::string path = xmltest::ScratchPath("inline.xml");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(e->Write(file, true, true, XmlOutputUtf8File, nullptr), 1);
    std::fclose(file);
    EXPECT_EQ(xmltest::ReadBytes(path), "<a>hello</a>\r\n");
    std::remove(path.c_str());

    // With two pieces it is not the inline case, but pieces still go without indentation or line end.
    e->AddContent("world", 0);
    EXPECT_EQ(Text(e.get()), "<a>\r\nhelloworld</a>\r\n");
}

TEST(XmlWriter, ItemsAroundChildren) {
    auto doc = Parse(kDecl + "<r><a/><!--c1--><b/><c/></r>");
    EXPECT_EQ(Text(doc->GetRoot()), "<r>\r\n\t<a/>\r\n\t<!--c1-->\r\n\t<b/>\r\n\t<c/>\r\n</r>\r\n");

    auto e = XmlElement::Create(nullptr, "<r/>");
    e->AddChildFromText("<child/>");
    e->AddCData("d", 0);
    e->AddContent("t", 0);
    EXPECT_EQ(Text(e.get()), "<r>\r\n\tt\r\n\t<![CDATA[d]]>\r\n\t<child/>\r\n</r>\r\n");
    e->RemoveAllContents();
    EXPECT_EQ(Text(e.get()), "<r>\r\n\t<![CDATA[d]]>\r\n\t<child/>\r\n</r>\r\n");

    // After the children: comments, then CDATA, then text pieces.
    auto after = XmlElement::Create(nullptr, "<r/>");
    after->AddChildFromText("<x/>");
    after->AddContent("t", 1);
    after->AddCData("d", 1);
    after->AddComment("c", 1);
    EXPECT_EQ(Text(after.get()), "<r>\r\n\t<x/>\r\n\t<!--c-->\r\n\t<![CDATA[d]]>\r\n\tt\r\n</r>\r\n");

    // Positions out of order are still written before the first child they allow.
    auto mixed = XmlElement::Create(nullptr, "<r/>");
    for (const char* tag : {"<a/>", "<b/>", "<c/>"})
        mixed->AddChildFromText(tag);
    mixed->AddComment("two", 2);
    mixed->AddComment("zero", 0);
    mixed->AddComment("late", 7);
    mixed->AddComment("negative", -3);
    EXPECT_EQ(Text(mixed.get()), "<r>\r\n\t<!--zero-->\r\n\t<!--negative-->\r\n\t<a/>\r\n\t<b/>\r\n"
                                 "\t<!--two-->\r\n\t<c/>\r\n\t<!--late-->\r\n</r>\r\n");
}

TEST(XmlWriter, WithoutChildren) {
    auto e = XmlElement::Create(nullptr, "<r/>");
    e->AddChildFromText("<x/>");
    EXPECT_EQ(e->WriteToString(false, true), "<r/>\r\n");
    e->AddComment("c", 0);
    e->AddContent("t", 0);
    e->AddCData("d", 0);
    EXPECT_EQ(e->WriteToString(false, true), "<r>\r\n\t<!--c-->\r\n\t<![CDATA[d]]>\r\n\tt\r\n</r>\r\n");
}

TEST(XmlWriter, RawOrDecoded) {
    auto e = XmlElement::Create(nullptr, "<r v=\"&amp;&lt;\"/>");
    e->AddContent("a<b", 0);
    EXPECT_EQ(Text(e.get(), true), "<r v=\"&amp;&lt;\">\r\n\ta&lt;b\r\n</r>\r\n");
    EXPECT_EQ(Text(e.get(), false), "<r v=\"&<\">\r\n\ta<b\r\n</r>\r\n");
}

TEST(XmlWriter, IndentationFollowsTheElementsFormat) {
    auto e = XmlElement::Create(nullptr, "<r/>");
    e->AddChildFromText("<c/>");
    e->GetChild(0)->AddContent("t", 0);
    XmlFormat format;
    format.indentWithSpaces = 1;
    format.indentCount = 3;
    e->SetFormat(&format);
    EXPECT_EQ(Text(e.get()), "<r>\r\n   <c>\r\n      t\r\n   </c>\r\n</r>\r\n");
}

TEST(XmlWriter, HeaderCommentsAndMemoryTarget) {
    auto doc = Parse(kDecl + "<!--a--><!--b--><r/><!--z-->");
    std::vector<char> buffer(doc->GetRoot()->EstimateSize() + 200, '\0');
    std::strcpy(buffer.data(), "prefix|");
    ASSERT_EQ(doc->Save(buffer.data(), true, XmlOutputMemory), 1);
    EXPECT_EQ(std::string(buffer.data()),
              "prefix|" + kDecl + "\r\n<!--a-->\r\n<!--b-->\r\n<r/>\r\n<!--z-->\r\n");
    EXPECT_EQ(doc->Save(nullptr, true, XmlOutputMemory), 0);
}

// A chain of depth nested elements under one root, each level with the given extras.
std::unique_ptr<XmlElement> Chain(int depth, bool items) {
    auto root = XmlElement::Create(nullptr, "<d/>");
    XmlElement* tip = root.get();
    for (int i = 0; i < depth; ++i) {
        tip->AddChildFromText("<d/>");
        if (items) {
            tip->AddContent("t", 0);
            tip->AddComment("c", 1);
        }
        tip = tip->GetChild(0);
    }
    return root;
}

TEST(XmlWriter, EstimateSizeHoldsTheMemoryTarget) {
    struct Case {
        int depth;
        int indentCount;
        bool spaces;
        bool items;
        bool inlineText;
    };
    const std::vector<Case> cases = {
        {0, 1, false, false, false},   {10, 50, false, false, false}, {10, 50, true, true, false},
        {800, 1, false, false, false}, {300, 7, true, true, true},    {2000, 0, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "depth " << c.depth << " indent " << c.indentCount);
        auto root = Chain(c.depth, c.items);
        XmlFormat format;
        format.indentCount = c.indentCount;
        format.indentWithSpaces = c.spaces ? 1 : 0;
        format.inlineText = c.inlineText ? 1 : 0;
        root->SetFormat(&format);
        const std::string text = Text(root.get());
        const std::uint32_t estimate = root->EstimateSize();
        ASSERT_GT(estimate, text.size());
        for (bool raw : {true, false}) {
            // Exactly that many bytes on the heap, so a write past them is caught.
            std::vector<char> buffer(estimate, '\0');
            ASSERT_EQ(root->Write(buffer.data(), true, raw, XmlOutputMemory, nullptr), 1);
            EXPECT_EQ(std::string(buffer.data()), root->WriteToString(true, raw));
        }
    }
}

TEST(XmlWriter, EstimateSizeCountsSwappedOutChildrenAndSaturates) {
    for (int depth : {3, 300}) {
        auto root = Chain(depth, true);
        const std::uint32_t full = root->EstimateSize();
        const std::string text = Text(root.get());
        ASSERT_TRUE(root->SwapOut(0));
        EXPECT_EQ(root->EstimateSize(), full);
        std::vector<char> buffer(full, '\0');
        EXPECT_EQ(root->Write(buffer.data(), true, true, XmlOutputMemory, nullptr), 1);
        EXPECT_EQ(std::string(buffer.data()), text);
    }

    // Far more text than memory holds: counted, never composed.
    auto deep = Chain(200000, false);
    XmlFormat wide;
    wide.indentCount = 50;
    deep->SetFormat(&wide);
    EXPECT_EQ(deep->EstimateSize(), UINT32_MAX);
}

TEST(XmlWriter, Utf16File) {
    const std::string path = xmltest::ScratchPath("utf16-out.xml");
    XmlDocument doc;
    doc.LoadText((kDecl + "<r n=\"\xC3\xA9\xF0\x9F\x98\x80\"/>").c_str());
    ASSERT_EQ(doc.Save(path.c_str(), true, XmlOutputUtf16File), 1);
    const std::string bytes = xmltest::ReadBytes(path);
    const std::string expectedText = "<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"yes\" ?>\r\n<r "
                                     "n=\"\xC3\xA9\xF0\x9F\x98\x80\"/>\r\n";
    std::string expected = "\xFF\xFE";
    for (char16_t unit : Utf8ToUtf16(expectedText)) {
        expected += static_cast<char>(unit & 0xFF);
        expected += static_cast<char>(unit >> 8);
    }
    EXPECT_EQ(bytes, expected);
    // Every character two bytes, the one outside the basic plane four.
    EXPECT_EQ(bytes.size(), 2 + 2 * (expectedText.size() - 1 - 4 + 2));
    EXPECT_EQ(doc.GetHeader()->GetDeclaration(),
              "<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"yes\" ?>");

    XmlDocument back(path.c_str(), XmlSourceFile);
    EXPECT_EQ(back.GetErrorCode(), 0u);
    EXPECT_EQ(back.GetRoot()->FindVariable("n")->GetValueText(), "\xC3\xA9\xF0\x9F\x98\x80");
    std::remove(path.c_str());
}

TEST(XmlWriter, SaveRefusals) {
    XmlDocument noDeclaration;
    noDeclaration.LoadText("<a/>");
    EXPECT_EQ(noDeclaration.Save(nullptr, true, XmlOutputUtf8File), 0);
    auto doc = Parse(kDecl + "<a/>");
    EXPECT_EQ(doc->Save("x.xml", true, 2), 0);
    EXPECT_EQ(doc->Save(xmltest::ScratchPath("no/such/folder/x.xml").c_str(), true, XmlOutputUtf8File), 0);
    doc->Close();
    EXPECT_EQ(doc->Save(xmltest::ScratchPath("closed.xml").c_str(), true, XmlOutputUtf8File), 0);
    EXPECT_FALSE(xmltest::FileExists(xmltest::ScratchPath("closed.xml")));
}

TEST(XmlWriter, RoundTripOfWriterOutput) {
    auto source = XmlElement::Create(nullptr, "<layout/>");
    source->AddComment(" top ", 0);
    for (int i = 0; i < 5; ++i) {
        const std::string tag = "<i t=\"1\" n=\"folder &amp; " + std::to_string(i) + "\" />";
        source->AddChildFromText(tag.c_str());
        XmlElement* folder = source->GetChild(i);
        folder->AddChildFromText("<i t=\"0\" n=\"a&lt;b.txt\" a=\"C:\\x\\a&lt;b.txt\" />");
        folder->AddContent("some \"text\" & <markup>", 1);
        folder->AddCData("<![ raw ]", 0);
        folder->AddComment("note", 1);
    }
    source->AddContent("tail", 5);
    XmlDocument doc;
    doc.SetHeader(std::make_unique<XmlHeader>(kDecl));
    doc.GetHeader()->AddComment("header", 0);
    doc.GetHeader()->AddComment("trailer", 1);
    doc.SetRoot(std::move(source));
    const std::string first = doc.SaveToString(true);

    XmlDocument loaded;
    loaded.LoadText(first.c_str());
    EXPECT_EQ(loaded.GetErrorCode(), 0u);
    EXPECT_EQ(loaded.SaveToString(true), first);

    const std::string path = xmltest::ScratchPath("roundtrip.xml");
    ASSERT_EQ(doc.Save(path.c_str(), true, XmlOutputUtf8File), 1);
    const std::string fileBytes = xmltest::ReadBytes(path);
    XmlDocument fromFile(path.c_str(), XmlSourceFile);
    ASSERT_EQ(fromFile.Save(nullptr, true, XmlOutputUtf8File), 1);
    EXPECT_EQ(xmltest::ReadBytes(path), fileBytes);
    std::remove(path.c_str());
}

class Upper : public XmlTransform {
  public:
    int OnSave(const char* in, int length, char* out, int capacity) override {
        const int n = length < capacity ? length : capacity;
        for (int i = 0; i < n; ++i)
            out[i] = (in[i] >= 'a' && in[i] <= 'z') ? static_cast<char>(in[i] - 32) : in[i];
        return n;
    }
    int OnLoad(const char*, int, char*, int) override { return 0; }
};

TEST(XmlWriter, TransformIntoMemory) {
    auto e = XmlElement::Create(nullptr, "<abc/>");
    char buffer[64] = {};
    Upper upper;
    EXPECT_EQ(e->Write(buffer, true, true, XmlOutputMemory, nullptr, &upper), 1);
    EXPECT_STREQ(buffer, "<ABC/>\r\n");
}

} // namespace

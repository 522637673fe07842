#include "TestSupport.h"
#include "XmlBase64.h"
#include "XmlSettings.h"
#include "XmlUnicode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using xmltest::Parse;
using xmltest::Text;

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>";

std::string ReadString(XmlDocument& doc, const char* section, const char* key, int* length = nullptr) {
    char buffer[100] = {};
    const int n = XmlReadString(section, key, "langen.dll", buffer, sizeof buffer, nullptr, &doc);
    if (length) *length = n;
    return buffer;
}

TEST(XmlSettings, LanguageModuleLookup) {
    struct Case {
        std::string body;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"<root><General><Language dllfile=\"langde.dll\"/></General></root>", "langde.dll"},
        {"<anything><General><Language dllfile=\"langde.dll\"/></General></anything>", "langde.dll"},
        {"<root><General dllfile=\"langde.dll\"/></root>", "langen.dll"},           // on the wrong element
        {"<root><General><Language dllfile=\"\"/></General></root>", "langen.dll"}, // empty value
        {"<root><General><Language/></General></root>", "langen.dll"},
        {"<root/>", "langen.dll"},
        {"<root><General><Language dllfile=\"a&amp;b.dll\"/></General></root>", "a&b.dll"}, // decoded
    };
    for (const auto& c : cases) {
        auto doc = Parse(kDecl + c.body);
        EXPECT_EQ(ReadString(*doc, "General\\Language", "dllfile"), c.expected) << c.body;
    }
    // The path starts below the root: naming the root itself does not match.
    auto doc = Parse(kDecl + "<root><General><Language dllfile=\"x\"/></General></root>");
    EXPECT_EQ(ReadString(*doc, "root\\General\\Language", "dllfile"), "langen.dll");
}

TEST(XmlSettings, ReadValueFirstMatchAndExactSizeBuffer) {
    auto doc = Parse(kDecl + "<r><S k=\"first\" k=\"second\"/></r>");
    char buffer[16] = {};
    EXPECT_EQ(doc->ReadValue("S", "k", buffer, sizeof buffer), 5);
    EXPECT_STREQ(buffer, "first");

    char exact[5];
    std::memset(exact, '#', sizeof exact);
    EXPECT_EQ(doc->ReadValue("S", "k", exact, 5), 5); // no room for the terminator
    EXPECT_EQ(std::string(exact, 5), "#####");
    char fits[6];
    EXPECT_EQ(doc->ReadValue("S", "k", fits, 6), 5);
    EXPECT_STREQ(fits, "first");

    // XmlReadString hands the length back and leaves the buffer alone.
    char zero[5] = {};
    EXPECT_EQ(XmlReadString("S", "k", "d", zero, 5, nullptr, doc.get()), 5);
    EXPECT_EQ(zero[0], '\0');
    EXPECT_EQ(doc->ReadValue("S", "missing", buffer, sizeof buffer), 0);
    EXPECT_EQ(doc->ReadValue("Missing", "k", buffer, sizeof buffer), 0);
    EXPECT_EQ(doc->ReadValue("S", nullptr, buffer, sizeof buffer), 0);
}

TEST(XmlSettings, DefaultThatDoesNotFitIsNotCopied) {
    auto doc = Parse(kDecl + "<r/>");
    char small[4] = {'x', 'y', 'z', '\0'};
    EXPECT_EQ(XmlReadString("S", "k", "langen.dll", small, sizeof small, nullptr, doc.get()), 10);
    EXPECT_STREQ(small, "xyz");
    EXPECT_EQ(XmlReadString("S", "k", nullptr, small, sizeof small, nullptr, doc.get()), 0);
    EXPECT_STREQ(small, "");
}

TEST(XmlSettings, WriteValueCreatesChangesAndRemoves) {
    auto doc = Parse(kDecl + "<root/>");
    XmlElement* root = doc->GetRoot();
    doc->WriteValue("A\\B", "k", "1");
    EXPECT_EQ(Text(root), "<root>\r\n\t<A>\r\n\t\t<B k=\"1\"/>\r\n\t</A>\r\n</root>\r\n");
    doc->WriteValue("A\\B", "k", "2");
    EXPECT_EQ(Text(root), "<root>\r\n\t<A>\r\n\t\t<B k=\"2\"/>\r\n\t</A>\r\n</root>\r\n");
    doc->WriteValue("A\\B", "k", "<&>");
    EXPECT_EQ(root->FindElement("A\\B")->FindVariable("k")->StoredValue(), "&lt;&amp;&gt;");
    doc->WriteValue("A\\B", "k", nullptr);
    EXPECT_EQ(Text(root), "<root>\r\n\t<A>\r\n\t\t<B/>\r\n\t</A>\r\n</root>\r\n");
    doc->WriteValue("A\\B", nullptr, nullptr);
    EXPECT_EQ(Text(root), "<root>\r\n\t<A/>\r\n</root>\r\n");
    doc->WriteValue("", "top", "t");
    EXPECT_EQ(root->FindVariable("top")->GetValueText(), "t");
    doc->WriteValue("", nullptr, nullptr); // never removes the root
    EXPECT_EQ(doc->GetRoot(), root);
}

// Section names ParseTag would cut or change: each write must find what the one before
// made, also after a save and load.
TEST(XmlSettings, SectionNamesAreFoundAgain) {
    for (const char* section : {"My Section", "Tab\tbed", "x/y", "say \"hi\"", "a>b", "a<b", "a&b", "&#65;",
                                "Outer Part\\Inner/Part", "trailing \\ leading"}) {
        SCOPED_TRACE(section);
        auto doc = Parse(kDecl + "<root/>");
        for (const char* value : {"v", "w"}) {
            EXPECT_EQ(XmlWriteString(section, "k", value, nullptr, doc.get()), 1);
            char out[32] = {};
            EXPECT_EQ(XmlReadString(section, "k", "DEFAULT", out, sizeof out, nullptr, doc.get()), 1);
            EXPECT_STREQ(out, value);
            EXPECT_EQ(doc->GetRoot()->GetChildCount(), 1);
        }
        auto again = Parse(doc->SaveToString(true));
        ASSERT_NE(again->GetRoot(), nullptr);
        char out[32] = {};
        EXPECT_EQ(XmlReadString(section, "k", "DEFAULT", out, sizeof out, nullptr, again.get()), 1);
        EXPECT_STREQ(out, "w");
        doc->WriteValue(section, nullptr, nullptr);
        EXPECT_EQ(XmlReadString(section, "k", "DEFAULT", out, sizeof out, nullptr, doc.get()), 7);
    }
}

TEST(XmlSettings, ScratchDocumentsOnFiles) {
    const std::string path = xmltest::ScratchPath("settings.xml");
    std::remove(path.c_str());
    char buffer[100] = {};
    EXPECT_EQ(XmlReadString("General\\Language", "dllfile", "langen.dll", buffer, 100, path.c_str(), nullptr),
              10);
    EXPECT_STREQ(buffer, "langen.dll");
    EXPECT_FALSE(xmltest::FileExists(path)); // reading never writes

    EXPECT_EQ(XmlWriteString("General\\Language", "dllfile", "langfr.dll", path.c_str(), nullptr), 1);
    EXPECT_EQ(XmlReadString("General\\Language", "dllfile", "langen.dll", buffer, 100, path.c_str(), nullptr),
              10);
    EXPECT_STREQ(buffer, "langfr.dll");

    // A file that did not load completely is left as it is, and the write says so.
    const std::string broken = kDecl + "<root><General>";
    xmltest::WriteBytes(path, broken);
    EXPECT_EQ(XmlWriteString("General", "k", "v", path.c_str(), nullptr), 0);
    EXPECT_EQ(xmltest::ReadBytes(path), broken);
    xmltest::WriteBytes(path, "<root/>");
    EXPECT_EQ(XmlWriteString("General", "k", "v", path.c_str(), nullptr), 0);
    EXPECT_EQ(xmltest::ReadBytes(path), "<root/>");
    std::remove(path.c_str());
}

TEST(XmlSettings, NumbersAndWideAndAnsiValues) {
    auto doc = Parse(kDecl + "<r/>");
    EXPECT_EQ(XmlReadInt("S", "n", -7, nullptr, doc.get()), -7);
    EXPECT_EQ(XmlWriteInt("S", "n", -5, nullptr, doc.get()), 1);
    EXPECT_EQ(doc->GetRoot()->FindElement("S")->FindVariable("n")->StoredValue(), "4294967291");
    EXPECT_EQ(XmlReadInt("S", "n", 0, nullptr, doc.get()), -5);
    EXPECT_FLOAT_EQ(XmlReadFloat("S", "f", 2.25f, nullptr, doc.get()), 2.25f);
    EXPECT_FLOAT_EQ(XmlReadFloat("S", "f", 3.0e38f, nullptr, doc.get()), 3.0e38f); // longer than 30 bytes
    XmlWriteFloat("S", "f", 0.5f, nullptr, doc.get());
    EXPECT_EQ(doc->GetRoot()->FindElement("S")->FindVariable("f")->StoredValue(), "0.500000");
    EXPECT_FLOAT_EQ(XmlReadFloat("S", "f", 1.0f, nullptr, doc.get()), 0.5f);

    XmlWriteStringW("S", "w", u"\u00e9t\u00e9 \u20ac", nullptr, doc.get());
    EXPECT_EQ(ReadString(*doc, "S", "w"), "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC");
    XmlWriteStringW("S", "w", static_cast<const char16_t*>(nullptr), nullptr, doc.get());
    EXPECT_EQ(doc->GetRoot()->FindElement("S")->FindVariable("w"), nullptr);

    const std::string path = xmltest::ScratchPath("ansi.xml");
    std::remove(path.c_str());
    EXPECT_EQ(XmlWriteStringA("S", "a", "plain text", path.c_str()), 1);
    char buffer[100] = {};
    XmlReadString("S", "a", "", buffer, sizeof buffer, path.c_str(), nullptr);
    EXPECT_STREQ(buffer, "plain text");
    std::remove(path.c_str());
}

TEST(XmlBase64, Rfc4648Vectors) {
    const std::vector<std::pair<std::string, std::string>> vectors = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [plain, encoded] : vectors) {
        EXPECT_EQ(Base64Encode(plain.data(), plain.size()), encoded);
        const auto bytes = Base64Decode(encoded);
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), plain);
    }
    const auto skipped = Base64Decode("Zm9v\r\nYm_F-y!");
    EXPECT_EQ(std::string(skipped.begin(), skipped.end()), "foobar");
}

TEST(XmlBase64, LineBreaksEvery72Characters) {
    std::vector<unsigned char> data(108); // 144 characters: exactly two lines
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<unsigned char>(i * 7);
    const std::string text = Base64Encode(data.data(), data.size(), 72);
    EXPECT_EQ(text.size(), 146u);
    EXPECT_EQ(text.substr(72, 2), "\r\n");
    const auto back = Base64Decode(text);
    EXPECT_EQ(std::vector<unsigned char>(back.begin(), back.end()), data);
}

TEST(XmlSettings, BinaryValues) {
    auto doc = Parse(kDecl + "<r/>");
    std::vector<unsigned char> data(200);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<unsigned char>(255 - i);
    EXPECT_EQ(XmlWriteBinary("S", "b", data.data(), 200, nullptr, doc.get()), 1);
    const std::string stored = doc->GetRoot()->FindElement("S")->FindVariable("b")->StoredValue();
    EXPECT_EQ(stored.find('\r'), std::string::npos);
    EXPECT_EQ(stored.substr(72, 2), "__");

    std::vector<unsigned char> out(200);
    EXPECT_EQ(XmlReadBinary("S", "b", "", out.data(), 200, nullptr, doc.get()), 200);
    EXPECT_EQ(out, data);
    std::vector<unsigned char> shorter(10);
    EXPECT_EQ(XmlReadBinary("S", "b", "", shorter.data(), 10, nullptr, doc.get()), 10);
    EXPECT_EQ(std::vector<unsigned char>(data.begin(), data.begin() + 10), shorter);
    EXPECT_EQ(XmlReadBinary("S", "missing", "", out.data(), 200, nullptr, doc.get()), 0);
    EXPECT_EQ(XmlReadBinary("S", "missing", "Zm9v", out.data(), 200, nullptr, doc.get()), 3);

    std::vector<unsigned char> big(6000, 0x5A);
    XmlWriteBinary("S", "big", big.data(), 6000, nullptr, doc.get());
    std::vector<unsigned char> bigOut(6000);
    EXPECT_EQ(XmlReadBinary("S", "big", "", bigOut.data(), 6000, nullptr, doc.get()), 5000); // decode limit
    // Room for more is not memory used: nothing is allocated by the size asked for.
    EXPECT_EQ(XmlReadBinary("S", "big", "", bigOut.data(), 0x7FFFFFFF, nullptr, doc.get()), 5000);
    EXPECT_EQ(XmlReadBinary("S", "b", "", out.data(), 0, nullptr, doc.get()), 0);
    // A value longer than 5 x size + 1000 characters is not read, as before.
    EXPECT_EQ(XmlReadBinary("S", "big", "", bigOut.data(), 10, nullptr, doc.get()), 0);
}

TEST(XmlSettings, StartUpAndShutDownOfTheSettingsDocuments) {
    const std::string dir = xmltest::ScratchDir();
    const std::u16string userPath = Utf8ToUtf16(dir) + u"/xml-user-quillon.xml";
    const std::string userNarrow = dir + "/xml-user-quillon.xml";
    std::remove(userNarrow.c_str());

    auto user = XmlDocument::OpenWide(userPath.c_str());
    char buffer[100] = {};
    EXPECT_EQ(XmlReadString("General\\Language", "dllfile", "langen.dll", buffer, 100, nullptr, user.get()),
              10);
    EXPECT_STREQ(buffer, "langen.dll");
    EXPECT_EQ(user->Save(nullptr, true, XmlOutputUtf8File, nullptr, 0), 1);
    user->Close();
    EXPECT_EQ(xmltest::ReadBytes(userNarrow), kDecl + "\r\n<root/>\r\n");

    xmltest::WriteBytes(userNarrow, kDecl + "\n<cfg>\n  <General>\n    <Language dllfile=\"langit.dll\" />\n"
                                            "  </General>\n</cfg>\n");
    user = XmlDocument::OpenWide(userPath.c_str());
    std::memset(buffer, 0, sizeof buffer);
    XmlReadString("General\\Language", "dllfile", "langen.dll", buffer, 100, nullptr, user.get());
    EXPECT_STREQ(buffer, "langit.dll");
    EXPECT_EQ(user->Save(nullptr, true, XmlOutputUtf8File, nullptr, 0), 1);
    EXPECT_EQ(xmltest::ReadBytes(userNarrow),
              kDecl + "\r\n<cfg>\r\n\t<General>\r\n\t\t<Language dllfile=\"langit.dll\"/>"
                      "\r\n\t</General>\r\n</cfg>\r\n");
    user->Close();
    std::remove(userNarrow.c_str());
}

} // namespace

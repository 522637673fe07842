#include "TestSupport.h"
#include "XmlParser.h"
#include "XmlSettings.h"
#include "XmlUnicode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

namespace {

using xmltest::Decl;
using xmltest::Parse;
using xmltest::Text;

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>";

TEST(XmlParser, MinimalDocument) {
    auto doc = Parse(kDecl + "\r\n<root/>\r\n");
    EXPECT_EQ(doc->GetErrorCode(), 0u);
    ASSERT_NE(doc->GetRoot(), nullptr);
    EXPECT_EQ(doc->GetRoot()->GetNameText(), "root");
    EXPECT_EQ(doc->GetRoot()->GetChildCount(), 0);
    EXPECT_EQ(doc->GetHeader()->GetDeclaration(), kDecl);
    EXPECT_FALSE(doc->HasFileName());
}

TEST(XmlParser, DeclarationIsKeptAsReadWithByteOrderMark) {
    const std::string decl = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>";
    auto doc = Parse(decl + "<a/>");
    EXPECT_EQ(doc->GetHeader()->GetDeclaration(), decl);
    EXPECT_EQ(doc->GetErrorCode(), 0u);
}

TEST(XmlParser, ErrorCodesAndWhatTheyLeave) {
    struct Case {
        std::string text;
        std::uint32_t error;
        const char* root; // null: no root
    };
    const std::vector<Case> cases = {
        {"<a/>", 1, "a"},                                // no declaration, parsed all the same
        {kDecl + "just text", 1, "root"},                // no "<" after the declaration
        {kDecl + "<a><b></a>", 2, nullptr},              // missing end tag at the outermost level
        {kDecl + "<a><b></c></a>", 0, "a"},              // end tags match by depth, not by name
        {kDecl + "<!DOCTYPE x><a/>", 2, nullptr},        // a doctype counts as an unclosed start tag
        {kDecl + "<!-- only a comment -->", 0, nullptr}, // no element at all
        {kDecl + "<a></a><b></b>", 0, "b"},              // the last element with start and end tag
        {kDecl + "<a/><b/>", 0, "a"},                    // ...else the first empty-element tag
        {kDecl + "<a/><b></b><c/>", 0, "b"},
        {kDecl + "<a></a><b>", 2, "a"},             // result so far stays
        {kDecl + "<a><c/><b><d/></a>", 2, nullptr}, // b takes a's end tag: a has none
        {kDecl + "<a", 0, nullptr},                 // unterminated tag at the end
    };
    for (const auto& c : cases) {
        auto doc = Parse(c.text);
        EXPECT_EQ(doc->GetErrorCode(), c.error) << c.text;
        if (c.root) {
            ASSERT_NE(doc->GetRoot(), nullptr) << c.text;
            EXPECT_EQ(doc->GetRoot()->GetNameText(), c.root) << c.text;
        } else {
            EXPECT_EQ(doc->GetRoot(), nullptr) << c.text;
        }
    }
}

TEST(XmlParser, EndTagsMatchByDepth) {
    auto doc = Parse(kDecl + "<a><b></c></a>");
    XmlElement* a = doc->GetRoot();
    ASSERT_EQ(a->GetChildCount(), 1);
    EXPECT_EQ(a->GetChild(0)->GetNameText(), "b");
    EXPECT_EQ(a->GetChild(0)->GetChildCount(), 0);

    // An empty-element tag does not count; the stray end tag closes r.
    auto stray = Parse(kDecl + "<r><x/></y></r>");
    EXPECT_EQ(stray->GetErrorCode(), 0u);
    EXPECT_EQ(Text(stray->GetRoot()), "<r>\r\n\t<x/>\r\n</r>\r\n");
}

TEST(XmlParser, TextIsTrimmedAndKeptStored) {
    auto doc = Parse(kDecl + "<a>\r\n\thello\r\n</a>");
    XmlElement* a = doc->GetRoot();
    ASSERT_EQ(a->GetContentCount(), 1);
    EXPECT_EQ(a->GetContent(0)->StoredText(), "hello");
    EXPECT_EQ(a->GetContent(0)->GetPosition(), 0);

    auto inner = Parse(kDecl + "<a>  one\n two &amp; <b/> three\t</a>");
    ASSERT_EQ(inner->GetRoot()->GetContentCount(), 2);
    EXPECT_EQ(inner->GetRoot()->GetContent(0)->StoredText(), "one\n two &amp;");
    EXPECT_EQ(inner->GetRoot()->GetContent(0)->GetTextString(), "one\n two &");
    EXPECT_EQ(inner->GetRoot()->GetContent(1)->StoredText(), "three");
    EXPECT_EQ(inner->GetRoot()->GetContent(1)->GetPosition(), 1);
    // Text outside the root is ignored.
    EXPECT_EQ(Parse(kDecl + "before<a/>after")->GetRoot()->GetContentCount(), 0);
}

TEST(XmlParser, CommentPositions) {
    auto doc = Parse(kDecl + "<!--before--><r><a/><!--mid--><b/><c/></r><!--after-->");
    XmlHeader* header = doc->GetHeader();
    ASSERT_EQ(header->GetCommentCount(), 2);
    EXPECT_EQ(header->GetComment(0)->GetText(), "before");
    EXPECT_EQ(header->GetComment(0)->GetPosition(), 0);
    EXPECT_EQ(header->GetComment(1)->GetText(), "after");
    EXPECT_EQ(header->GetComment(1)->GetPosition(), 1);
    XmlElement* r = doc->GetRoot();
    ASSERT_EQ(r->GetCommentCount(), 1);
    EXPECT_EQ(r->GetComment(0)->GetText(), "mid");
    EXPECT_EQ(r->GetComment(0)->GetPosition(), 1);
    EXPECT_EQ(r->GetComment(0)->GetOwner(), r);
}

TEST(XmlParser, CommentsAndProcessingInstructions) {
    struct Case {
        std::string body;
        std::string comment;
    };
    const std::vector<Case> cases = {
        {"<!--x-->", "x"},
        {"<!---->", ""},
        {"<!-->", ""},           // fewer than two bytes of text
        {"<?>", ""},             // shorter than the four bytes skipped
        {"<?pi data?>", " dat"}, // a processing instruction comes out clipped
        {"<!-- a > b -->", " "}, // a comment ends at its first ">"
    };
    for (const auto& c : cases) {
        auto doc = Parse(kDecl + "<r>" + c.body + "</r>");
        ASSERT_NE(doc->GetRoot(), nullptr) << c.body;
        ASSERT_GE(doc->GetRoot()->GetCommentCount(), 1) << c.body;
        EXPECT_EQ(doc->GetRoot()->GetComment(0)->GetText(), c.comment) << c.body;
    }
}

TEST(XmlParser, CDataIsNotParsed) {
    auto doc = Parse(kDecl + "<r><a/><![CDATA[<b>x</b> & ]]></r>");
    XmlElement* r = doc->GetRoot();
    ASSERT_EQ(r->GetCDataCount(), 1);
    EXPECT_EQ(r->GetCData(0)->GetText(), "<b>x</b> & ");
    EXPECT_EQ(r->GetCData(0)->GetPosition(), 1);
    EXPECT_EQ(r->GetChildCount(), 1);
    // Outside the root there is no element to hold it.
    EXPECT_EQ(Parse(kDecl + "<![CDATA[x]]><r/>")->GetRoot()->GetCDataCount(), 0);
}

TEST(XmlParser, QuotesInStartTags) {
    // A "/" inside a quoted value does not make the tag look empty.
    auto doc = Parse(kDecl + "<a x=\"1/2\"><b/></a>");
    EXPECT_EQ(doc->GetErrorCode(), 0u);
    EXPECT_EQ(doc->GetRoot()->FindVariable("x")->GetValueText(), "1/2");
    EXPECT_EQ(doc->GetRoot()->GetChildCount(), 1);
    // A "/" outside quotes inside a start tag closes it for the end-tag search.
    auto slash = Parse(kDecl + "<r><a/b><c/></r>");
    EXPECT_EQ(slash->GetErrorCode(), 0u);
    EXPECT_EQ(Text(slash->GetRoot()), "<r>\r\n\t<a/>\r\n\t<c/>\r\n</r>\r\n");
}

TEST(XmlParser, StopsAtTheFirstZeroByte) {
    const std::string bytes = kDecl + "<a/>" + std::string(1, '\0') + "<b></b>";
    EXPECT_EQ(XmlFileBytesToText(bytes), kDecl + "<a/>");
}

TEST(XmlParser, EmptyOrNullTextGivesTheDefaultDocument) {
    for (const char* text : {"", static_cast<const char*>(nullptr)}) {
        XmlDocument doc;
        doc.LoadText(text);
        EXPECT_EQ(doc.GetErrorCode(), 0u);
        EXPECT_EQ(doc.GetHeader()->GetDeclaration(), kDecl);
        ASSERT_NE(doc.GetRoot(), nullptr);
        EXPECT_EQ(doc.GetRoot()->GetNameText(), "root");
    }
    // An unsupported source kind reads nothing.
    XmlDocument url("http://localhost/x.xml", XmlSourceUrl);
    EXPECT_EQ(url.GetRoot()->GetNameText(), "root");
    EXPECT_FALSE(url.HasFileName());
}

TEST(XmlParser, NoDeclarationGetsByteOrderMarkAndDefaultDeclaration) {
    auto doc = Parse("<a/>");
    EXPECT_EQ(doc->GetHeader()->GetDeclaration(), "\xEF\xBB\xBF" + kDecl);
}

TEST(XmlParser, LoadWideText) {
    XmlDocument doc;
    doc.LoadWideText(u"<?xml?><a n=\"\u00e9\"/>");
    EXPECT_EQ(doc.GetRoot()->FindVariable("n")->GetValueText(), "\xC3\xA9");
}

class XmlParserFiles : public ::testing::Test {
  protected:
    std::string Path(const char* name) { return xmltest::ScratchPath(name); }
};

TEST_F(XmlParserFiles, MissingFileKeepsItsNameAndSaveCreatesIt) {
    const std::string path = Path("missing.xml");
    std::remove(path.c_str());
    XmlDocument doc(path.c_str(), XmlSourceFile);
    EXPECT_EQ(doc.GetErrorCode(), 0u);
    ASSERT_NE(doc.GetRoot(), nullptr);
    EXPECT_EQ(doc.GetRoot()->GetNameText(), "root");
    ASSERT_NE(doc.GetFileName(), nullptr);
    EXPECT_EQ(std::string(doc.GetFileName()), path);
    EXPECT_EQ(doc.Save(nullptr, true, XmlOutputUtf8File), 1);
    EXPECT_EQ(xmltest::ReadBytes(path), kDecl + "\r\n<root/>\r\n");
    std::remove(path.c_str());
}

TEST_F(XmlParserFiles, FileNameIsForgottenWhenTheTextCannotBeWrittenBackSafely) {
    struct Case {
        std::string text;
        bool keeps;
    };
    const std::vector<Case> cases = {
        {kDecl + "<a/>", true},
        {"", false},                    // readable but empty: no declaration
        {"<a/>", false},                // no declaration
        {kDecl, false},                 // nothing after it
        {kDecl + "<a><b></a>", false},  // missing end tag: saving would lose the rest
        {kDecl + "<a/><b><c/>", false}, // ...even with an earlier root
        {kDecl + "<!--x-->", false},    // no root
    };
    const std::string path = Path("names.xml");
    for (const auto& c : cases) {
        xmltest::WriteBytes(path, c.text);
        XmlDocument doc(path.c_str(), XmlSourceFile);
        EXPECT_EQ(doc.HasFileName(), c.keeps) << c.text;
        EXPECT_EQ(doc.Save(nullptr, true, XmlOutputUtf8File), c.keeps ? 1 : 0) << c.text;
        if (!c.keeps) {
            EXPECT_EQ(xmltest::ReadBytes(path), c.text) << "file left untouched";
        }
    }
    std::remove(path.c_str());
}

// The settings file exists but cannot be read: the document must not keep the name, or
// the save at shutdown would replace the file with an empty document.
TEST_F(XmlParserFiles, UnreadableFileIsNeverReplaced) {
    struct Case {
        const char* what;
        std::string name;
        bool keepsName;
    };
    const std::string folder = Path("a-folder.xml");
    std::filesystem::create_directories(folder);
    const std::string regular = Path("regular.xml");
    xmltest::WriteBytes(regular, kDecl + "<r/>");
    std::vector<Case> cases = {
        {"missing file", Path("not-there.xml"), true},
        {"missing folder", Path("no-folder/x.xml"), true},
        {"a folder (opens, cannot be read)", folder, false},
    };
#ifndef _WIN32
    cases.push_back({"through a file", regular + "/x.xml", false});
    // Permissions do not stop root from reading.
    const std::string writeOnly = Path("write-only.xml");
    xmltest::WriteBytes(writeOnly, kDecl + "<cfg><General/></cfg>");
    if (geteuid() != 0) {
        std::filesystem::permissions(writeOnly, std::filesystem::perms::owner_write);
        cases.push_back({"no read permission", writeOnly, false});
    }
#endif
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (bool wide : {false, true}) {
            const std::u16string wideName = Utf8ToUtf16(c.name);
            auto doc = wide ? XmlDocument::OpenWide(wideName.c_str()) : XmlDocument::Open(c.name.c_str());
            EXPECT_EQ(doc->GetErrorCode(), 0u);
            ASSERT_NE(doc->GetRoot(), nullptr);
            EXPECT_EQ(doc->GetRoot()->GetNameText(), "root");
            EXPECT_EQ(doc->HasFileName(), c.keepsName);
            EXPECT_EQ(doc->HasWideFileName(), c.keepsName && wide);
            if (!c.keepsName) {
                EXPECT_EQ(doc->Save(nullptr, true, XmlOutputUtf8File), 0);
            }
        }
    }
#ifndef _WIN32
    std::filesystem::permissions(writeOnly, std::filesystem::perms::owner_all);
    EXPECT_EQ(xmltest::ReadBytes(writeOnly), kDecl + "<cfg><General/></cfg>");
    std::remove(writeOnly.c_str());
#else
    // A file another program holds open without sharing cannot be read now; it is
    // still there for the save at shutdown.
    const std::string locked = Path("locked.xml");
    xmltest::WriteBytes(locked, kDecl + "<cfg/>");
    const int fd = _sopen(locked.c_str(), _O_RDONLY | _O_BINARY, _SH_DENYRW);
    ASSERT_GE(fd, 0);
    XmlDocument doc(locked.c_str(), XmlSourceFile);
    _close(fd);
    EXPECT_FALSE(doc.HasFileName());
    EXPECT_EQ(doc.Save(nullptr, true, XmlOutputUtf8File), 0);
    EXPECT_EQ(xmltest::ReadBytes(locked), kDecl + "<cfg/>");
    std::remove(locked.c_str());
#endif
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    std::filesystem::remove(folder);
    std::remove(regular.c_str());
}

// The target's type says what it is, whatever name the document was opened with.
TEST_F(XmlParserFiles, SaveTargetsAreTakenAsTheyArePassed) {
    const std::string dir = xmltest::ScratchDir();
    const std::string withDeclaration = Path("targets-decl.xml");
    const std::string withoutDeclaration = Path("targets-nodecl.xml");
    xmltest::WriteBytes(withDeclaration, kDecl + "<r/>");
    xmltest::WriteBytes(withoutDeclaration, "<r/>");
    const std::string narrowTarget = Path("targets-narrow.xml");
    const std::u16string wideTarget = Utf8ToUtf16(dir) + u"/xml-targets-wide-\u00e9.xml";
    const std::string expected = kDecl + "\r\n<r/>\r\n";
    for (const std::string& source : {withDeclaration, withoutDeclaration}) {
        for (bool wideSource : {false, true}) {
            SCOPED_TRACE(source + (wideSource ? " (wide)" : " (narrow)"));
            const std::u16string wideSourceName = Utf8ToUtf16(source);
            auto doc = wideSource ? XmlDocument::OpenWide(wideSourceName.c_str())
                                  : XmlDocument::Open(source.c_str());
            const bool named = source == withDeclaration;
            EXPECT_EQ(doc->HasFileName(), named);
            EXPECT_EQ(doc->HasWideFileName(), named && wideSource);

            std::remove(narrowTarget.c_str());
            char narrowBuffer[300] = {};
            std::memcpy(narrowBuffer, narrowTarget.c_str(), narrowTarget.size());
            EXPECT_EQ(doc->Save(narrowTarget.c_str(), true, XmlOutputUtf8File), 1);
            EXPECT_EQ(xmltest::ReadBytes(narrowTarget), expected);
            std::remove(narrowTarget.c_str());
            EXPECT_EQ(doc->Save(narrowBuffer, true, XmlOutputUtf8File), 1);
            EXPECT_EQ(xmltest::ReadBytes(narrowTarget), expected);

            std::filesystem::remove(std::filesystem::path(wideTarget));
            EXPECT_EQ(doc->Save(wideTarget.c_str(), true, XmlOutputUtf8File), 1);
            EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(wideTarget)));

            EXPECT_EQ(doc->Save(nullptr, true, XmlOutputUtf8File), named ? 1 : 0);
            EXPECT_EQ(doc->Save(static_cast<const char*>(nullptr), true, XmlOutputUtf8File), named ? 1 : 0);
            // Only a writable buffer is a memory target.
            EXPECT_EQ(doc->Save(narrowTarget.c_str(), true, XmlOutputMemory), 0);
            EXPECT_EQ(doc->Save(nullptr, true, XmlOutputMemory), 0);
            std::vector<char> memory(doc->GetRoot()->EstimateSize() + 100, '\0');
            EXPECT_EQ(doc->Save(memory.data(), true, XmlOutputMemory), 1);
            EXPECT_EQ(std::string(memory.data()), expected);
        }
    }
    std::remove(narrowTarget.c_str());
    std::filesystem::remove(std::filesystem::path(wideTarget));
    std::remove(withDeclaration.c_str());
    std::remove(withoutDeclaration.c_str());
}

TEST_F(XmlParserFiles, NamesWithReferencesStayAsTheyAreAcrossSaves) {
    const std::string path = Path("entity-names.xml");
    xmltest::WriteBytes(path, "<?xml?><r><a&amp;b/><c&lt;d x=\"1\"></c&lt;d><My&#32;Section/></r>");
    XmlDocument(path.c_str(), XmlSourceFile).Save(nullptr, true, XmlOutputUtf8File);
    const std::string first = xmltest::ReadBytes(path);
    EXPECT_EQ(first,
              kDecl + "\r\n<r>\r\n\t<a&amp;b/>\r\n\t<c&lt;d x=\"1\"/>\r\n\t<My&#32;Section/>\r\n</r>\r\n");
    for (int cycle = 0; cycle < 3; ++cycle) {
        XmlDocument doc(path.c_str(), XmlSourceFile);
        ASSERT_EQ(doc.Save(nullptr, true, XmlOutputUtf8File), 1);
        EXPECT_EQ(xmltest::ReadBytes(path), first);
        EXPECT_EQ(doc.GetRoot()->FindChildIndex("a&b"), 0);
        EXPECT_EQ(doc.GetRoot()->FindChildIndex("c<d"), 1);
        EXPECT_EQ(doc.GetRoot()->FindChildIndex("My Section"), 2);
    }
    std::remove(path.c_str());
}

TEST_F(XmlParserFiles, Utf16FileLoadsLikeItsUtf8Twin) {
    const std::string utf8 = kDecl + "\r\n<r a=\"\xC3\xA9\xE2\x82\xAC\">\r\n\t<c>text</c>\r\n</r>\r\n";
    std::u16string units(1, u'\uFEFF');
    units += Utf8ToUtf16(utf8);
    std::string bytes;
    for (char16_t u : units) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    bytes += std::string("\0\0junk", 6); // text ends at the first zero unit
    const std::string path16 = Path("utf16.xml");
    const std::string path8 = Path("utf8.xml");
    xmltest::WriteBytes(path16, bytes);
    xmltest::WriteBytes(path8, utf8);
    XmlDocument wide(path16.c_str(), XmlSourceFile);
    XmlDocument narrow(path8.c_str(), XmlSourceFile);
    EXPECT_EQ(wide.GetErrorCode(), 0u);
    EXPECT_EQ(Text(wide.GetRoot()), Text(narrow.GetRoot()));
    EXPECT_EQ(wide.GetHeader()->GetDeclaration(), "\xEF\xBB\xBF" + kDecl);
    std::remove(path16.c_str());
    std::remove(path8.c_str());
}

TEST_F(XmlParserFiles, WideFileNames) {
    const std::string dir = xmltest::ScratchDir();
    const std::u16string name = Utf8ToUtf16(dir) + u"/xml-Einstellungen \u00fc\u20ac.xml";
    auto doc = XmlDocument::OpenWide(name.c_str());
    EXPECT_TRUE(doc->HasWideFileName());
    EXPECT_EQ(doc->GetFileName(), nullptr);
    EXPECT_EQ(std::u16string(doc->GetWideFileName()), name);
    doc->WriteValue("General\\Language", "dllfile", "langde.dll");
    ASSERT_EQ(doc->Save(nullptr, true, XmlOutputUtf8File), 1);

    auto again = XmlDocument::OpenWide(name.c_str());
    char buffer[100] = {};
    EXPECT_EQ(again->ReadValue("General\\Language", "dllfile", buffer, sizeof buffer), 10);
    EXPECT_STREQ(buffer, "langde.dll");
    // A target given to a wide-named document is a wide name too.
    const std::u16string other = Utf8ToUtf16(dir) + u"/xml-\u00e4ndern.xml";
    ASSERT_EQ(again->Save(other.c_str(), true, XmlOutputUtf8File), 1);
    auto third = XmlDocument::OpenWide(other.c_str());
    EXPECT_EQ(third->GetErrorCode(), 0u);
    EXPECT_NE(third->GetRoot()->FindElement("General\\Language"), nullptr);
    std::filesystem::remove(std::filesystem::path(name));
    std::filesystem::remove(std::filesystem::path(other));
}

#ifdef _WIN32
// The shell hands in wchar_t texts; the Windows build takes them as UTF-16.
TEST_F(XmlParserFiles, WideCharacterEntryPoints) {
    const std::wstring name =
        std::filesystem::path(xmltest::ScratchDir()).wstring() + L"/xml-wchar-\u00fc.xml";
    std::filesystem::remove(std::filesystem::path(name));
    auto doc = XmlDocument::OpenWide(name.c_str());
    EXPECT_EQ(doc->GetErrorCode(), 0u);
    EXPECT_EQ(XmlWriteStringW("S", "k", L"\u00e9", nullptr, doc.get()), 1);
    ASSERT_EQ(doc->Save(nullptr, true, XmlOutputUtf8File, nullptr, 0), 1);
    doc->Close();
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(name)));
    XmlDocument text;
    text.LoadWideText(L"<?xml?><a n=\"\u00e9\"/>");
    EXPECT_EQ(text.GetRoot()->FindVariable("n")->GetValueText(), "\xC3\xA9");
    std::filesystem::remove(std::filesystem::path(name));
}
#endif

// Reverses the bytes: enough to show where the transform sits.
class Reverser : public XmlTransform {
  public:
    int OnSave(const char* in, int length, char* out, int capacity) override {
        return Reverse(in, length, out, capacity);
    }
    int OnLoad(const char* in, int length, char* out, int capacity) override {
        return Reverse(in, length, out, capacity);
    }

  private:
    static int Reverse(const char* in, int length, char* out, int capacity) {
        const int n = length < capacity ? length : capacity;
        for (int i = 0; i < n; ++i)
            out[i] = in[length - 1 - i];
        return n;
    }
};

TEST_F(XmlParserFiles, TransformOnLoadAndSave) {
    const std::string path = Path("transformed.xml");
    const std::string plain = kDecl + "\r\n<r>\r\n\t<c/>\r\n</r>\r\n";
    xmltest::WriteBytes(path, std::string(plain.rbegin(), plain.rend()));
    Reverser reverser;
    XmlDocument doc(path.c_str(), XmlSourceFile, &reverser);
    EXPECT_EQ(doc.GetErrorCode(), 0u);
    EXPECT_FALSE(doc.HasFileName()); // a transform makes the document forget its file
    ASSERT_NE(doc.GetRoot(), nullptr);
    EXPECT_EQ(doc.GetRoot()->GetChild(0)->GetNameText(), "c");

    EXPECT_EQ(doc.Save(path.c_str(), true, XmlOutputUtf8File, &reverser), 1);
    const std::string saved = xmltest::ReadBytes(path);
    EXPECT_EQ(std::string(saved.rbegin(), saved.rend()), plain);
    // The transform's output is not text, so a UTF-16 file is refused and left alone.
    EXPECT_EQ(doc.Save(path.c_str(), true, XmlOutputUtf16File, &reverser), 0);
    EXPECT_EQ(xmltest::ReadBytes(path), saved);
    std::remove(path.c_str());
}

} // namespace

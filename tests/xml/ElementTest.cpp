#include "TestSupport.h"
#include "XmlElement.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using xmltest::Text;

std::string Value(XmlElement& e, const char* name, bool raw = false) {
    XmlVariable* v = e.FindVariable(name);
    return v ? v->GetValueText(raw) : std::string("<none>");
}

std::vector<std::string> ChildNames(const XmlElement& e) {
    std::vector<std::string> names;
    for (int i = 0; i < e.GetChildCount(); ++i)
        names.push_back(e.GetChild(i)->GetNameText());
    return names;
}

TEST(XmlElementParseTag, NamesAndVariables) {
    struct Case {
        const char* tag;
        const char* name;
        std::vector<std::pair<std::string, std::string>> variables; // stored forms
    };
    const std::vector<Case> cases = {
        {"<root>", "root", {}},
        {"<root/>", "root", {}},
        {"<d />", "d", {}},
        {"<d n=\"C:\\Data\" />", "d", {{"n", "C:\\Data"}}},
        {"<f n=\"a\" x = \"2\" />", "f", {{"n", "a"}, {"x", "2"}}},   // blanks around "="
        {"<f n='a' />", "f", {}},                                     // apostrophes give nothing
        {"<f a=\"1\" b='2' c=\"3\">", "f", {{"a", "1"}, {"b", "3"}}}, // ...the next double quotes count
        {"<i t=\"0\" n=\"x\" a=\"y\" />", "i", {{"t", "0"}, {"n", "x"}, {"a", "y"}}},
        {"<a x=\"1\"y=\"2\">", "a", {{"x", "1"}, {"y", "2"}}},
        {"<a x=\"&lt;\">", "a", {{"x", "&lt;"}}},               // values are stored form
        {"<a x=\"1\" x=\"2\">", "a", {{"x", "1"}, {"x", "2"}}}, // names may repeat
        {"<a x=\"open>", "a", {}},                              // no closing quote
        {"<a\tx=\"1\">", "a", {{"x", "1"}}},
        {"<a\r\ny=\"1\">", "a\r\ny=", {}},            // CR/LF do not end a name
        {"<a b\r\nc=\"1\">", "a", {{"b\r\nc", "1"}}}, // line break joins the next name
        {"<<a<b c=\"1\">", "ab", {{"c", "1"}}},       // every "<" skipped in the name
        {"<a&b>", "a&b", {}},                         // the name is stored form, as it stands...
        {"<a&amp;b>", "a&amp;b", {}},                 // ...never encoded a second time
        {"<My&#32;Section/>", "My&#32;Section", {}},
        {"", "", {}},
    };
    for (const auto& c : cases) {
        XmlElement e(nullptr, c.tag, 0);
        EXPECT_EQ(e.StoredName(), c.name) << c.tag;
        EXPECT_EQ(e.GetCreationMode(), 0);
        ASSERT_EQ(e.GetVariableCount(), static_cast<int>(c.variables.size())) << c.tag;
        for (std::size_t i = 0; i < c.variables.size(); ++i) {
            EXPECT_EQ(e.GetVariable(static_cast<int>(i))->StoredName(), c.variables[i].first) << c.tag;
            EXPECT_EQ(e.GetVariable(static_cast<int>(i))->StoredValue(), c.variables[i].second) << c.tag;
            EXPECT_EQ(e.GetVariable(static_cast<int>(i))->GetOwner(), &e);
        }
    }
}

TEST(XmlElementParseTag, ModeOneKeepsTheTextAsName) {
    XmlElement e(nullptr, "<a x=\"1\">", 1);
    EXPECT_EQ(e.StoredName(), "<a x=\"1\">");
    EXPECT_EQ(e.GetVariableCount(), 0);
    EXPECT_EQ(e.GetCreationMode(), 1);
}

TEST(XmlVariable, StoredFormRoundTrips) {
    XmlVariable v("n", "a<b & \"c\"", false);
    EXPECT_EQ(v.StoredValue(), "a&lt;b &amp; &quot;c&quot;");
    EXPECT_EQ(v.GetValueText(), "a<b & \"c\"");
    char buffer[64];
    EXPECT_EQ(v.GetValue(buffer, false), 9);
    EXPECT_STREQ(buffer, "a<b & \"c\"");
    EXPECT_EQ(v.GetValue(nullptr, false), static_cast<int>(v.StoredValue().size()));
    EXPECT_EQ(v.GetValue(buffer, true), static_cast<int>(v.StoredValue().size()));

    XmlVariable a("n", "&#65;", false);
    EXPECT_EQ(a.StoredValue(), "&#65;");
    EXPECT_EQ(a.GetValueText(), "A");

    XmlVariable raw("name  ", "&lt;", true);
    EXPECT_EQ(raw.StoredName(), "name"); // trailing blanks cut
    EXPECT_EQ(raw.StoredValue(), "&lt;");
    XmlVariable blanks("   ", nullptr, false);
    EXPECT_EQ(blanks.StoredName(), "");
    EXPECT_EQ(blanks.StoredValue(), "");
}

TEST(XmlVariable, Numbers) {
    XmlVariable v("n", "  -42xyz", false);
    EXPECT_EQ(v.GetValueInt(), -42);
    v.SetValue("abc", false);
    EXPECT_EQ(v.GetValueInt(), 0);
    v.SetValueInt(-1);
    EXPECT_EQ(v.StoredValue(), "4294967295");
    EXPECT_EQ(v.GetValueInt(), -1);
    v.SetValue("99999999999999999999", false);                 // wraps instead of overflowing
    EXPECT_EQ(v.GetValueInt(), static_cast<int>(1661992959u)); // 10^20 - 1 modulo 2^32
    v.SetValueFloat(1.5f);
    EXPECT_EQ(v.StoredValue(), "1.500000");
    EXPECT_FLOAT_EQ(v.GetValueFloat(), 1.5f);
    v.SetValueFloat(3.4e38f); // the longest "%f" a float gives
    EXPECT_FLOAT_EQ(v.GetValueFloat(), 3.4e38f);
}

TEST(XmlElement, FindVariableCreates) {
    XmlElement e(nullptr, "<i />", 0);
    XmlVariable* first = e.FindVariable("n", true, nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->StoredValue(), "");
    EXPECT_EQ(e.GetVariableCount(), 1);
    EXPECT_EQ(e.FindVariable("n", true, nullptr), first);
    EXPECT_EQ(e.GetVariableCount(), 1);
    EXPECT_EQ(e.FindVariable("m"), nullptr);
    EXPECT_EQ(e.FindVariable("m", true, "a&b")->StoredValue(), "a&amp;b");
    EXPECT_EQ(e.FindVariableIndex("m"), 1);
    EXPECT_EQ(e.FindVariableIndex("zz"), -1);
    EXPECT_EQ(e.RemoveVariable(5), 2);
    EXPECT_EQ(e.RemoveVariable(0), 1);
    EXPECT_EQ(e.FindVariableIndex("m"), 0);
    EXPECT_EQ(e.AddNewVariable("q\"", "1"), 2);
    EXPECT_EQ(e.FindVariable("q\"")->StoredName(), "q&quot;");
    e.RemoveAllVariables();
    EXPECT_EQ(e.GetVariableCount(), 0);
}

TEST(XmlElement, ChildrenAddInsertRemoveDetach) {
    XmlElement root(nullptr, "<root/>", 0);
    EXPECT_EQ(root.AddChildFromText("<a/>"), 1);
    EXPECT_EQ(root.AddChild(XmlElement::Create(nullptr, "<c/>")), 2);
    EXPECT_EQ(root.InsertChild(1, XmlElement::Create(nullptr, "<b/>")), 1);
    EXPECT_EQ(root.InsertChild(99, XmlElement::Create(nullptr, "<d/>")), 4); // appended: new count
    EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"a", "b", "c", "d"}));
    for (int i = 0; i < root.GetChildCount(); ++i) {
        EXPECT_EQ(root.GetChild(i)->GetParent(), &root);
        EXPECT_EQ(root.GetChildren()[i], root.GetChild(i));
    }
    EXPECT_EQ(root.FindChildIndex("c"), 2);
    EXPECT_EQ(root.FindChildIndex("C"), -1);
    EXPECT_EQ(root.RemoveChild(7), 4);
    EXPECT_EQ(root.RemoveChild(1), 3);
    std::unique_ptr<XmlElement> detached;
    EXPECT_EQ(root.DetachChild(0, detached), 2);
    ASSERT_NE(detached, nullptr);
    EXPECT_EQ(detached->GetNameText(), "a");
    EXPECT_EQ(detached->GetParent(), nullptr);
    EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"c", "d"}));
    EXPECT_EQ(root.RemoveAllChildren(), 0);
    EXPECT_EQ(root.GetChildCount(), 0);
}

TEST(XmlElement, FindChildAndFindElement) {
    XmlElement root(nullptr, "<root/>", 0);
    XmlElement* general = root.FindChild("General", true, nullptr);
    ASSERT_NE(general, nullptr);
    XmlElement* language = general->FindChild("Language", true, "<Language dllfile=\"x.dll\"/>");
    EXPECT_EQ(language->FindVariable("dllfile")->GetValueText(), "x.dll");
    EXPECT_EQ(root.FindChild("General"), general);
    EXPECT_EQ(root.FindChild("Other"), nullptr);
    EXPECT_EQ(root.FindElement("General\\Language"), language);
    EXPECT_EQ(root.FindElement(""), &root);
    EXPECT_EQ(root.FindElement(nullptr), &root);
    EXPECT_EQ(root.FindElement("General\\Missing"), nullptr);
    EXPECT_EQ(root.FindElement("root\\General"), nullptr);
    EXPECT_EQ(general->FindElement("Language"), language);
    XmlElement bare(nullptr, "<root/>", 0);
    EXPECT_EQ(bare.FindElement("General\\Language"), nullptr);
}

TEST(XmlElement, NameLookupIsDecodedAndExact) {
    XmlElement root(nullptr, "<root/>", 0);
    auto child = XmlElement::Create(nullptr, "x", 0);
    child->SetName("a&b");
    EXPECT_EQ(child->StoredName(), "a&amp;b");
    root.AddChild(std::move(child));
    EXPECT_EQ(root.FindChildIndex("a&b"), 0);
    EXPECT_EQ(root.FindChildIndex("a&amp;b"), -1);
    char buffer[32];
    EXPECT_EQ(root.GetChild(0)->GetName(buffer, false), 3);
    EXPECT_STREQ(buffer, "a&b");
    EXPECT_EQ(root.GetChild(0)->GetName(buffer, true), 7);
    EXPECT_STREQ(buffer, "a&amp;b");
    EXPECT_EQ(root.GetChild(0)->GetName(nullptr, false), 7);
}

int ByNameDescending(XmlElement* a, XmlElement* b) {
    return -a->GetNameText().compare(b->GetNameText());
}

TEST(XmlElement, SortChildren) {
    XmlElement root(nullptr, "<root/>", 0);
    for (const char* tag : {"<beta/>", "<Alpha/>", "<gamma/>", "<_u/>"})
        root.AddChildFromText(tag);
    root.SortChildren();
    // Letters fold to lower case, so "_" (0x5F) sorts before them.
    EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"_u", "Alpha", "beta", "gamma"}));
    root.SortChildren(ByNameDescending);
    EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"gamma", "beta", "_u", "Alpha"}));
}

int Inconsistent(XmlElement*, XmlElement*) {
    return 1;
}

TEST(XmlElement, SortWithABrokenComparisonStaysInBounds) {
    XmlElement root(nullptr, "<root/>", 0);
    for (int i = 0; i < 200; ++i)
        root.AddChildFromText("<c/>");
    root.SortChildren(Inconsistent);
    EXPECT_EQ(root.GetChildCount(), 200);
}

TEST(XmlElement, SortVariables) {
    XmlElement e(nullptr, "<e b=\"2\" A=\"1\" c=\"3\"/>", 0);
    e.SortVariables();
    EXPECT_EQ(e.GetVariable(0)->StoredName(), "A");
    EXPECT_EQ(e.GetVariable(1)->StoredName(), "b");
    EXPECT_EQ(e.GetVariable(2)->StoredName(), "c");
    e.SortVariables(
        [](XmlVariable* a, XmlVariable* b) { return b->StoredValue().compare(a->StoredValue()); });
    EXPECT_EQ(e.GetVariable(0)->StoredName(), "c");
}

TEST(XmlElement, CloneIsDeepAndIndependent) {
    auto source = XmlElement::Create(nullptr, "<root a=\"&lt;1&gt;\"/>");
    source->AddContent("text & more", 0);
    source->AddComment("first", 0);
    source->AddChildFromText("<child n=\"x\"/>");
    source->AddComment("between", 1);
    source->AddCData("<raw>", 1);
    source->GetChild(0)->AddChildFromText("<grandchild/>");
    source->GetChild(0)->AddContent("&#65;", 1); // stored "&#65;", read back as "A"
    XmlFormat inlineFormat;
    inlineFormat.inlineText = 1;
    source->SetFormat(&inlineFormat);

    XmlElement parent(nullptr, "<p/>", 0);
    auto copy = source->Clone(&parent);
    EXPECT_EQ(copy->GetParent(), &parent);
    EXPECT_EQ(parent.GetChildCount(), 0);
    EXPECT_EQ(copy->GetFormat().inlineText, 0); // format is not copied
    ASSERT_EQ(copy->GetChildCount(), 1);
    EXPECT_EQ(copy->GetChild(0)->GetParent(), copy.get());
    EXPECT_EQ(copy->GetContent(0)->GetPosition(), 0);
    EXPECT_EQ(copy->GetComment(1)->GetText(), "between");
    EXPECT_EQ(copy->GetComment(1)->GetPosition(), 1);
    EXPECT_EQ(copy->GetCData(0)->GetPosition(), 1);
    EXPECT_EQ(copy->GetChild(0)->GetContent(0)->StoredText(), "A"); // encoded again
    const std::string before = Text(copy.get());
    XmlFormat plain;
    source->SetFormat(&plain);
    const std::string original = Text(source.get());
    const std::size_t reference = original.find("&#65;");
    ASSERT_NE(reference, std::string::npos);
    EXPECT_EQ(before, original.substr(0, reference) + "A" + original.substr(reference + 5));

    source.reset();
    EXPECT_EQ(Text(copy.get()), before);
    EXPECT_EQ(Value(*copy, "a"), "<1>");
}

TEST(XmlElement, ClearLeavesAReusableEmptyElement) {
    XmlElement e(nullptr, "<e a=\"1\"/>", 0);
    e.AddChildFromText("<c/>");
    e.AddComment("x", 0);
    e.Clear();
    EXPECT_EQ(e.GetChildCount(), 0);
    EXPECT_EQ(e.GetVariableCount(), 0);
    EXPECT_EQ(e.GetCommentCount(), 0);
    EXPECT_EQ(e.StoredName(), "");
    e.AddChildFromText("<again/>");
    EXPECT_EQ(e.GetChildCount(), 1);
}

TEST(XmlElement, GrowthStepsAndEstimateSize) {
    XmlElement e(nullptr, "<abc/>", 0);
    EXPECT_EQ(e.GetChildCapacity(), 20);
    EXPECT_EQ(e.GetVariableCapacity(), 20);
    EXPECT_EQ(e.GetCommentCapacity(), 10);
    EXPECT_EQ(e.GetContentCapacity(), 4);
    EXPECT_EQ(e.GetCDataCapacity(), 10);
    EXPECT_EQ(e.GetLinkedCapacity(), 1);
    // 104 + name 3 + 4 * (20 + 20 + 10 + 4 + 10)
    EXPECT_EQ(e.EstimateSize(), 104u + 3u + 4u * 64u);

    for (int i = 0; i < 20; ++i)
        e.AddChildFromText("<c/>");
    EXPECT_EQ(e.GetChildCapacity(), 20);
    e.AddChildFromText("<c/>");
    EXPECT_EQ(e.GetChildCapacity(), 40);
    for (int i = 0; i < 5; ++i)
        e.AddContent("t", i);
    EXPECT_EQ(e.GetContentCapacity(), 8);
    e.AddNewVariable("n", "vv");
    for (int i = 0; i < 11; ++i)
        e.AddComment("", 0);
    EXPECT_EQ(e.GetCommentCapacity(), 20);
    XmlElement linkedChild(nullptr, "<l/>", 0);
    e.InsertLinkedChild(&linkedChild, 0);
    e.InsertLinkedChild(&linkedChild, 0);
    EXPECT_EQ(e.GetLinkedCapacity(), 6);
    e.RemoveLinkedChildren();

    const std::uint32_t child = 104 + 1 + 4 * 64;
    const std::uint32_t expected =
        104 + 3 + (1 + 2 + 12) + 5 * (1 + 12) + 11 * 12 + 21 * child + 4 * (40 + 20 + 20 + 8 + 10);
    EXPECT_EQ(e.EstimateSize(), expected);
}

TEST(XmlElement, SetFormatReachesDescendantsAndIsLimited) {
    XmlElement root(nullptr, "<r/>", 0);
    root.AddChildFromText("<c/>");
    root.GetChild(0)->AddChildFromText("<g/>");
    XmlFormat format;
    format.indentWithSpaces = 1;
    format.indentCount = 500;
    format.inlineText = 1;
    root.SetFormat(&format);
    const XmlFormat deep = root.GetChild(0)->GetChild(0)->GetFormat();
    EXPECT_EQ(deep.indentWithSpaces, 1);
    EXPECT_EQ(deep.indentCount, 50);
    EXPECT_EQ(deep.inlineText, 1);
    root.SetFormat(nullptr);
    EXPECT_EQ(root.GetFormat().indentCount, 50);
}

TEST(XmlElement, LinkedChildrenAreNotOwned) {
    auto shared = XmlElement::Create(nullptr, "<shared/>");
    {
        XmlElement holder(nullptr, "<h/>", 0);
        holder.AddChildFromText("<own/>");
        EXPECT_EQ(holder.InsertLinkedChild(shared.get(), 0), 0);
        EXPECT_EQ(shared->GetParent(), nullptr); // parent not set
        EXPECT_TRUE(holder.IsLinkedChild(shared.get()));
        EXPECT_EQ(Text(&holder), "<h>\r\n\t<shared/>\r\n\t<own/>\r\n</h>\r\n");
        std::unique_ptr<XmlElement> out;
        EXPECT_EQ(holder.DetachChild(0, out), 2); // cannot hand out what it does not own
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(holder.RemoveLinkedChildren(), 1);
        EXPECT_EQ(holder.GetChildCount(), 1);
        holder.InsertLinkedChild(shared.get(), 5);
    } // the holder's destruction leaves the linked child alone
    EXPECT_EQ(shared->GetNameText(), "shared");
}

TEST(XmlElement, DeepTreesAreBuiltCopiedWrittenAndFreedWithoutRecursion) {
    constexpr int kDepth = 200000;
    auto root = XmlElement::Create(nullptr, "<d/>");
    XmlElement* tip = root.get();
    for (int i = 0; i < kDepth; ++i) {
        tip->AddChildFromText("<d/>");
        tip = tip->GetChild(0);
    }
    auto copy = root->Clone();
    XmlFormat format;
    format.indentCount = 0;
    copy->SetFormat(&format);
    EXPECT_GT(copy->EstimateSize(), static_cast<std::uint32_t>(kDepth) * 300u);
    const std::string text = Text(copy.get());
    EXPECT_EQ(text.size(), static_cast<std::size_t>(kDepth) * 11 + 6);
    root.reset();
    copy.reset();
}

TEST(XmlElement, FindChildCreatesWhatItFindsAgain) {
    for (const char* name : {"plain", "My Section", "Tab\tbed", "x/y", "say \"hi\"", "a>b", "a<b", "a&b",
                             "&#65;", "&amp;", "it's", "", "trailing "}) {
        XmlElement root(nullptr, "<root/>", 0);
        XmlElement* created = root.FindChild(name, true);
        ASSERT_NE(created, nullptr) << name;
        EXPECT_EQ(created->GetNameText(), name);
        EXPECT_EQ(created->GetCreationMode(), 1);
        EXPECT_EQ(root.FindChild(name, true), created) << name;
        EXPECT_EQ(root.GetChildCount(), 1) << name;
        // The stored name survives a copy and a trip through the writer and parser
        // (except the empty name, whose empty-element tag "</>" reads as an end tag).
        EXPECT_EQ(root.Clone()->GetChild(0)->GetNameText(), name);
        if (!*name) continue;
        auto doc = xmltest::Parse(xmltest::Decl() + Text(&root));
        ASSERT_NE(doc->GetRoot(), nullptr) << name;
        EXPECT_EQ(doc->GetRoot()->FindChildIndex(name), 0) << name;
    }
}

TEST(XmlElement, CloneKeepsStoredNames) {
    for (const char* tag : {"<a&amp;b/>", "<a&lt;b/>", "<My&#32;Section/>", "<x&#47;y/>"}) {
        XmlElement source(nullptr, tag, 0);
        EXPECT_EQ(source.Clone()->StoredName(), source.StoredName()) << tag;
    }
}

// Swap files are made in the current folder: the tests' scratch folder under the tree.
class XmlSwap : public ::testing::Test {
  protected:
    static std::vector<std::string> SwapFiles() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator("."))
            if (entry.path().extension() == ".xmltmp") names.push_back(entry.path().filename().string());
        return names;
    }
    void SetUp() override { before_ = SwapFiles(); }
    // Every test frees what it swapped out, and with it the files.
    void TearDown() override { EXPECT_EQ(SwapFiles(), before_); }

  private:
    std::vector<std::string> before_;
};

TEST_F(XmlSwap, OutAndBackInOnWrite) {
    XmlElement root(nullptr, "<root/>", 0);
    root.AddChildFromText("<a x=\"1\"/>");
    root.AddChildFromText("<b/>");
    root.GetChild(1)->AddChildFromText("<c/>");
    root.GetChild(1)->AddChildFromText("<d y=\"&amp;\"/>");
    root.GetChild(1)->GetChild(1)->AddContent("hello", 0);
    const std::string before = Text(&root);

    EXPECT_EQ(root.SwapFileName(1), "");
    ASSERT_TRUE(root.SwapOut(1));
    EXPECT_EQ(root.GetChild(1), nullptr);
    const std::string file = root.SwapFileName(1);
    EXPECT_TRUE(xmltest::FileExists(file));
    EXPECT_EQ(root.FindChildIndex("b"), -1); // null slots are skipped by lookups

    EXPECT_EQ(Text(&root), before);
    EXPECT_NE(root.GetChild(1), nullptr);
    EXPECT_EQ(root.GetChild(1)->GetParent(), &root);
    EXPECT_FALSE(xmltest::FileExists(file));
    EXPECT_EQ(root.SwapFileName(1), "");
}

TEST_F(XmlSwap, TreesAndSlotsNeverShareAFile) {
    XmlElement one(nullptr, "<one/>", 0), two(nullptr, "<two/>", 0);
    one.AddChildFromText("<first x=\"1\"/>");
    two.AddChildFromText("<second y=\"2\"/>");
    two.AddChildFromText("<third/>");
    const std::string oneText = Text(&one), twoText = Text(&two);
    ASSERT_TRUE(one.SwapOut(0));
    ASSERT_TRUE(two.SwapOut(0));
    ASSERT_TRUE(two.SwapOut(1));
    EXPECT_NE(one.SwapFileName(0), two.SwapFileName(0));
    EXPECT_NE(two.SwapFileName(0), two.SwapFileName(1));
    EXPECT_EQ(Text(&two), twoText);
    EXPECT_EQ(Text(&one), oneText);

    // Freeing one tree leaves the other's files alone.
    ASSERT_TRUE(one.SwapOut(0));
    {
        XmlElement other(nullptr, "<other/>", 0);
        other.AddChildFromText("<gone/>");
        ASSERT_TRUE(other.SwapOut(0));
    }
    EXPECT_EQ(Text(&one), oneText);
}

TEST_F(XmlSwap, SlotsKeepTheirFilesWhenChildrenMove) {
    struct Case {
        const char* what;
        void (*change)(XmlElement& r); // r holds a, b, c with b and c swapped out
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {"remove before", [](XmlElement& r) { r.RemoveChild(0); }, {"b", "c"}},
        {"remove swapped", [](XmlElement& r) { r.RemoveChild(1); }, {"a", "c"}},
        {"insert before",
         [](XmlElement& r) { r.InsertChild(0, XmlElement::Create(nullptr, "<n/>")); },
         {"n", "a", "b", "c"}},
        {"insert between",
         [](XmlElement& r) { r.InsertChild(2, XmlElement::Create(nullptr, "<n/>")); },
         {"a", "b", "n", "c"}},
        {"append", [](XmlElement& r) { r.AddChildFromText("<n/>"); }, {"a", "b", "c", "n"}},
        {"detach",
         [](XmlElement& r) {
             std::unique_ptr<XmlElement> out;
             r.DetachChild(0, out);
         },
         {"b", "c"}},
        {"sort", [](XmlElement& r) { EXPECT_EQ(r.SortChildren(ByNameDescending), 1); }, {"c", "b", "a"}},
    };
    for (const auto& c : cases) {
        XmlElement r(nullptr, "<r/>", 0);
        for (const char* tag : {"<a/>", "<b keep=\"me\"/>", "<c/>"})
            r.AddChildFromText(tag);
        ASSERT_TRUE(r.SwapOut(1));
        ASSERT_TRUE(r.SwapOut(2));
        c.change(r);
        std::vector<std::string> names;
        for (int i = 0; i < r.GetChildCount(); ++i) {
            ASSERT_TRUE(r.SwapIn(i)) << c.what;
            names.push_back(r.GetChild(i)->GetNameText());
        }
        EXPECT_EQ(names, c.names) << c.what;
        const int b = r.FindChildIndex("b");
        if (b >= 0) {
            EXPECT_EQ(r.GetChild(b)->FindVariable("keep")->GetValueText(), "me") << c.what;
        }
    }
}

TEST_F(XmlSwap, CloneDetachAndRemoveHandleSwappedChildren) {
    XmlElement root(nullptr, "<root/>", 0);
    root.AddChildFromText("<a/>");
    root.AddChildFromText("<b/>");
    ASSERT_TRUE(root.SwapOut(0));
    auto copy = root.Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(ChildNames(*copy), (std::vector<std::string>{"a", "b"}));

    ASSERT_TRUE(root.SwapOut(0));
    std::unique_ptr<XmlElement> out;
    EXPECT_EQ(root.DetachChild(0, out), 1);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(out->GetNameText(), "a");

    ASSERT_TRUE(root.SwapOut(0));
    const std::string file = root.SwapFileName(0);
    EXPECT_TRUE(xmltest::FileExists(file));
    EXPECT_EQ(root.RemoveChild(0), 0);
    EXPECT_FALSE(xmltest::FileExists(file));

    // A subtree taken out with a swapped slot inside carries that slot along.
    root.AddChildFromText("<outer/>");
    root.GetChild(0)->AddChildFromText("<inner n=\"1\"/>");
    ASSERT_TRUE(root.GetChild(0)->SwapOut(0));
    EXPECT_EQ(root.DetachChild(0, out), 0);
    EXPECT_EQ(Text(out.get()), "<outer>\r\n\t<inner n=\"1\"/>\r\n</outer>\r\n");
}

TEST_F(XmlSwap, RefusesWhatWouldNotComeBack) {
    XmlElement root(nullptr, "<root/>", 0);
    root.AddChildFromText("<a/>");
    root.GetChild(0)->AddComment("has > inside", 0); // a comment ends at its first ">"
    EXPECT_FALSE(root.SwapOut(0));
    EXPECT_NE(root.GetChild(0), nullptr);
    XmlElement shared(nullptr, "<shared/>", 0);
    root.AddChildFromText("<holder/>");
    root.GetChild(1)->InsertLinkedChild(&shared, 0); // would come back as a copy
    EXPECT_FALSE(root.SwapOut(1));
    root.GetChild(1)->RemoveLinkedChildren();
}

// A slot whose file is gone: every operation that needs the whole subtree says so,
// and nothing is written without it.
TEST_F(XmlSwap, ALostSlotIsReportedNotDropped) {
    const std::string path = xmltest::ScratchPath("swap-lost.xml");
    xmltest::WriteBytes(path, xmltest::Decl() + "<r><a/><b keep=\"me\"/><c/></r>");
    XmlDocument doc(path.c_str(), XmlSourceFile);
    const std::string onDisk = xmltest::ReadBytes(path);
    XmlElement& r = *doc.GetRoot();
    ASSERT_TRUE(r.SwapOut(1));
    std::remove(r.SwapFileName(1).c_str());

    EXPECT_FALSE(r.SwapIn(1));
    EXPECT_EQ(r.GetChild(1), nullptr);
    std::vector<char> buffer(r.EstimateSize() + 200, '\0');
    EXPECT_EQ(r.Write(buffer.data(), true, true, XmlOutputMemory, nullptr), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(doc.Save(buffer.data(), true, XmlOutputMemory), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(r.WriteToString(true, true), "");
    EXPECT_EQ(r.Clone(), nullptr);
    XmlDocument copy;
    EXPECT_EQ(copy.Assign(doc), 0);
    EXPECT_EQ(r.SortChildren(), 0);
    EXPECT_EQ(r.GetChild(0)->GetNameText(), "a"); // not moved
    for (int kind : {XmlOutputUtf8File, XmlOutputUtf16File}) {
        EXPECT_EQ(doc.Save(nullptr, true, kind), 0);
        EXPECT_EQ(xmltest::ReadBytes(path), onDisk) << "the file is left alone";
    }
    const std::string other = xmltest::ScratchPath("swap-lost-other.xml");
    std::remove(other.c_str());
    EXPECT_EQ(doc.Save(other.c_str(), true, XmlOutputUtf8File), 0);
    EXPECT_FALSE(xmltest::FileExists(other));
    std::FILE* file = std::fopen(other.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(r.Write(file, true, true, XmlOutputUtf8File, nullptr), 0);
    std::fclose(file);
    EXPECT_EQ(xmltest::ReadBytes(other), "");
    // Without children nothing is missing.
    EXPECT_EQ(r.WriteToString(false, true), "<r/>\r\n");

    std::unique_ptr<XmlElement> out;
    EXPECT_EQ(r.DetachChild(1, out), 3);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(r.RemoveChild(1), 2); // removing the slot is what gives it up
    EXPECT_EQ(doc.Save(nullptr, true, XmlOutputUtf8File), 1);
    std::remove(path.c_str());
    std::remove(other.c_str());
}

} // namespace

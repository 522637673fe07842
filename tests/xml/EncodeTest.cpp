#include "XmlEncode.h"
#include "XmlUnicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case {
    std::string input;
    std::string expected;
};

TEST(XmlEncode, EscapesMarkupAndLeavesNumericReferences) {
    const std::vector<Case> cases = {
        {"plain", "plain"},
        {"a<b>c", "a&lt;b&gt;c"},
        {"\"q\" 'a'", "&quot;q&quot; &apos;a&apos;"},
        {"x & y", "x &amp; y"},
        {"&#65;", "&#65;"},
        {"&", "&amp;"},
        {"&amp;", "&amp;amp;"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(XmlEncodeString(c.input), c.expected) << c.input;
        EXPECT_EQ(XmlEncode(c.input.c_str(), nullptr), static_cast<int>(c.expected.size())) << c.input;
        std::string buffer(c.expected.size() + 10, '\x7f');
        EXPECT_EQ(XmlEncode(c.input.c_str(), buffer.data()), static_cast<int>(c.expected.size()));
        EXPECT_STREQ(buffer.c_str(), c.expected.c_str());
    }
    EXPECT_EQ(XmlEncode(nullptr, nullptr), 0);
}

TEST(XmlDecode, ReferencesAndLiteralAmpersands) {
    const std::vector<Case> cases = {
        {"a &lt;b&gt; &amp; &quot;&apos;", "a <b> & \"'"},
        {"&#65;", "A"},
        {"&#x41;", "A"},
        {"&#X41;", "A"},
        {"&#x20AC;", "\xE2\x82\xAC"}, // euro sign: three bytes
        {"&#233;", "\xC3\xA9"},       // two bytes
        {"&#65x", "A"},               // the byte after the digits is consumed
        {"&#65Bc", "Ac"},             // ...whatever it is
        {"& b", "& b"},               // an unknown "&" stays
        {"&AMP;", "&AMP;"},           // entities are lower case exactly
        {"&ampx", "&ampx"},
        {"&#;rest", "rest"}, // no digits: the reference disappears
        {"&#x;", ""},
        {"&#0;", ""},      // value 0 appends nothing
        {"&#65536;", ""},  // modulo 65536
        {"&#65601;", "A"}, // 65536 + 65
        {"&#65", "A"},     // ends at the text's end, nothing read past it
        {"&#", ""},
        {"&", "&"},
        {"tail&", "tail&"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(XmlDecodeString(c.input), c.expected) << c.input;
        std::string buffer(c.input.size() + 1, '\x7f');
        EXPECT_EQ(XmlDecode(c.input.c_str(), buffer.data()), static_cast<int>(c.expected.size())) << c.input;
        EXPECT_EQ(std::string(buffer.c_str()), c.expected);
        EXPECT_EQ(XmlDecode(c.input.c_str(), nullptr), static_cast<int>(c.input.size()));
    }
}

TEST(XmlDecode, VeryLongNumericReferencesKeepTheModuloRule) {
    // 10^40 + 65 is 65 modulo 65536 only if every digit is taken into account exactly.
    std::string digits = "1" + std::string(40, '0');
    // 10^40 mod 65536 = 0 (2^16 divides 10^16), so adding 65 gives "A".
    digits.replace(digits.size() - 2, 2, "65");
    EXPECT_EQ(XmlDecodeString("&#" + digits + ";"), "A");
    EXPECT_EQ(XmlDecodeString("&#x" + std::string(200, 'F') + ";"), "\xEF\xBF\xBF");
    // 10^5000 - 1 is 65535 modulo 65536.
    EXPECT_EQ(XmlDecodeString("&#" + std::string(5000, '9') + ";z"), "\xEF\xBF\xBFz");
}

TEST(XmlDecode, NeverLengthensText) {
    for (const char* text : {"&#1;", "&#x7ff;", "&#xffff;", "&#128;", "&lt;&gt;"})
        EXPECT_LE(XmlDecodeString(text).size(), std::string(text).size()) << text;
}

TEST(XmlUnicode, ConvertsBothWaysAndReplacesBrokenUnits) {
    const std::u16string wide = u"A\u00e9\u20ac\U0001F600";
    const std::string utf8 = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
    EXPECT_EQ(Utf16ToUtf8(wide), utf8);
    EXPECT_EQ(Utf8ToUtf16(utf8), wide);
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToUtf16("\xFF"), std::u16string(1, char16_t(0xFFFD)));
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82"), std::u16string(2, char16_t(0xFFFD)));
}

} // namespace

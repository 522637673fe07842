// Name rules of both trees, volume labels and text conversion.
#include "IsoNames.h"
#include "JolietNames.h"
#include "TextConversion.h"
#include "VolumeName.h"

#include <gtest/gtest.h>

#include <set>

namespace quillon::discimage {
namespace {

struct IsoCase {
    std::u16string input;
    bool directory;
    const char* identifier;
};

TEST(IsoNames, MapsToLevelTwoDCharacters) {
    const IsoCase cases[] = {
        {u"readme.txt", false, "README.TXT;1"},
        {u"README", false, "README.;1"},
        {u"archive.tar.gz", false, "ARCHIVE_TAR.GZ;1"},
        {u".profile", false, "_PROFILE.;1"},
        {u"Résumé.doc", false, "RESUME.DOC;1"},
        {u"Straße", true, "STRASSE"},
        {u"a b-c+d", false, "A_B_C_D.;1"},
        {u"日本語.txt", false, "___.TXT;1"},
        {u"\U0001F600.png", false, "_.PNG;1"}, // one "_" for a surrogate pair
        {u"dir.with.dots", true, "DIR_WITH_DOTS"},
        {u"name.verylongextension", false, "NAME.VERYLONG;1"},
        {u"abcdefghijklmnopqrstuvwxyz0123456789.txt", false, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0.TXT;1"},
        {u"abcdefghijklmnopqrstuvwxyz0123456789", true, "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234"},
        {u"...", false, "__.;1"},
    };
    for (const IsoCase& c : cases) {
        const IsoName n = MapIsoName(c.input, c.directory);
        EXPECT_EQ(n.Identifier(), c.identifier);
        EXPECT_LE(n.name.size() + n.extension.size(), c.directory ? 31u : 30u);
    }
}

TEST(IsoNames, CollisionsGetNumbersAndStayUnique) {
    std::vector<IsoName> names;
    for (const char16_t* n : {u"a.txt", u"A.TXT", u"a+.txt", u"a1.txt", u"readme", u"README."})
        names.push_back(MapIsoName(n, false));
    names.push_back(MapIsoName(u"readme", true)); // a folder shares the names of files
    ASSERT_EQ(MakeUniqueIsoNames(names), status::Ok);
    std::vector<std::string> ids;
    for (const IsoName& n : names)
        ids.push_back(n.Identifier());
    EXPECT_EQ(ids[0], "A.TXT;1");  // the first keeps its name
    EXPECT_EQ(ids[3], "A1.TXT;1"); // a name that was unique from the start is kept
    EXPECT_EQ(ids[4], "README.;1");
    std::set<std::string> keys;
    for (const IsoName& n : names)
        keys.insert(n.name + "." + n.extension);
    EXPECT_EQ(keys.size(), names.size());
}

TEST(IsoNames, ManyLongCollisionsFitTheLengthLimit) {
    std::vector<IsoName> names;
    for (int i = 0; i < 3000; ++i) {
        std::u16string n =
            u"a very long file name that is cut at thirty characters " + std::u16string(1, u'A' + i % 26);
        for (char c : std::to_string(i))
            n += static_cast<char16_t>(c);
        names.push_back(MapIsoName(n + u".dat", false));
    }
    ASSERT_EQ(MakeUniqueIsoNames(names), status::Ok);
    std::set<std::string> ids;
    for (const IsoName& n : names) {
        EXPECT_LE(n.name.size() + n.extension.size(), 30u);
        ids.insert(n.Identifier());
    }
    EXPECT_EQ(ids.size(), names.size());
}

TEST(IsoNames, SortNamesThenExtensions) {
    // ECMA-119 9.3: "A.Z" before "AB.A" because the names are compared first.
    EXPECT_TRUE(IsoNameLess(MapIsoName(u"a.z", false), MapIsoName(u"ab.a", false)));
    EXPECT_TRUE(IsoNameLess(MapIsoName(u"a.b", false), MapIsoName(u"a.c", false)));
    EXPECT_FALSE(IsoNameLess(MapIsoName(u"b", true), MapIsoName(u"a.z", false)));
}

TEST(JolietNames, RefusesWhatJolietCannotHold) {
    const std::u16string name64(64, u'x');
    const struct {
        std::u16string name;
        bool jolietLength;
        NameProblem problem;
    } cases[] = {
        {u"ordinary name.txt", true, NameProblem::None},
        {u"Ünïcödé 日本語 ☺", true, NameProblem::None},
        {u"emoji \U0001F600", true, NameProblem::OutsideUcs2},
        {u"emoji \U0001F600", false, NameProblem::None},
        {name64, true, NameProblem::None},
        {name64 + u"x", true, NameProblem::TooLong},
        {name64 + u"x", false, NameProblem::None},
        {u"trailing dot.", true, NameProblem::TrailingDotOrSpace},
        {u"trailing space ", true, NameProblem::TrailingDotOrSpace},
        {u"...", true, NameProblem::TrailingDotOrSpace},
        {u"trailing dot.", false, NameProblem::None},
        {u" leading space and .dot", true, NameProblem::None},
        {u"", true, NameProblem::Empty},
        {u".", true, NameProblem::Reserved},
        {u"..", true, NameProblem::Reserved},
        {u"a*b", true, NameProblem::ForbiddenCharacter},
        {u"a/b", true, NameProblem::ForbiddenCharacter},
        {u"a:b", true, NameProblem::ForbiddenCharacter},
        {u"a;1", true, NameProblem::ForbiddenCharacter},
        {u"a?b", true, NameProblem::ForbiddenCharacter},
        {u"a\\b", true, NameProblem::ForbiddenCharacter},
        {u"tab\there", true, NameProblem::ForbiddenCharacter},
        {std::u16string(u"nul\0x", 5), true, NameProblem::ForbiddenCharacter},
        {std::u16string(1, char16_t(0xD800)) + u"x", true, NameProblem::BrokenSurrogate},
        {std::u16string(1, char16_t(0xDC00)), true, NameProblem::BrokenSurrogate},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckItemName(c.name, c.jolietLength), c.problem);
}

TEST(JolietNames, KeysIgnoreCase) {
    EXPECT_EQ(NameKey(u"ReadMe.TXT"), NameKey(u"readme.txt"));
    EXPECT_EQ(NameKey(u"ÄÖÜ"), NameKey(u"äöü"));
    EXPECT_EQ(NameKey(u"ΣΟΦΙΑ"), NameKey(u"σοφια"));
    EXPECT_EQ(NameKey(u"МИР"), NameKey(u"мир"));
    EXPECT_NE(NameKey(u"a"), NameKey(u"b"));
}

TEST(JolietNames, IdentifierIsBigEndianUcs2) {
    EXPECT_EQ(JolietIdentifier(u"Aé"), std::string("\x00\x41\x00\xE9", 4));
}

TEST(VolumeNames, FifteenCharactersOfTheAllowedSet) {
    EXPECT_EQ(CheckVolumeName(u""), status::Ok);
    EXPECT_EQ(CheckVolumeName(u"My_Disc.2024"), status::Ok);
    EXPECT_EQ(CheckVolumeName(u"ABCDEFGHIJKLMNO"), status::Ok);
    EXPECT_EQ(CheckVolumeName(u"ABCDEFGHIJKLMNOP"), status::InvalidVolumeName);
    EXPECT_EQ(CheckVolumeName(u"My Disc"), status::InvalidVolumeName);
    EXPECT_EQ(CheckVolumeName(u"Disc-1"), status::InvalidVolumeName);
    EXPECT_EQ(CheckVolumeName(u"Dïsc"), status::InvalidVolumeName);
}

TEST(VolumeNames, DescriptorsGetTheirOwnForms) {
    const VolumeIdentity v = MakeVolumeIdentity(u"My_Disc.2024", Timestamp{0});
    EXPECT_EQ(v.iso9660, "MY_DISC_2024");
    EXPECT_EQ(v.joliet, u"My_Disc.2024");
}

TEST(VolumeNames, GeneratedFromTheDate) {
    const Timestamp t = FromCivil({2024, 3, 9, 17, 5, 59});
    EXPECT_EQ(GeneratedVolumeName(t), u"20240309_1705");
    EXPECT_EQ(CheckVolumeName(GeneratedVolumeName(t)), status::Ok);
}

TEST(Timestamps, CivilRoundTrip) {
    for (std::int64_t t : {0LL, 951782400LL, 4102444799LL, -1LL, 1700000000LL}) {
        EXPECT_EQ(FromCivil(ToCivil(Timestamp{t})).unixSeconds, t);
    }
    const CivilTime c = ToCivil(Timestamp{951782400}); // 2000-02-29
    EXPECT_EQ(c.year, 2000);
    EXPECT_EQ(c.month, 2);
    EXPECT_EQ(c.day, 29);
}

TEST(TextConversion, RoundTripsAndRefusesMalformedInput) {
    std::u16string wide;
    std::string narrow;
    ASSERT_TRUE(Utf8ToUtf16("Ünïcödé \xF0\x9F\x98\x80", &wide));
    EXPECT_EQ(wide, u"Ünïcödé \U0001F600");
    ASSERT_TRUE(Utf16ToUtf8(wide, &narrow));
    EXPECT_EQ(narrow, "Ünïcödé \xF0\x9F\x98\x80");
    for (const char* bad : {"\xC3", "\xC0\x80", "\xED\xA0\x80", "\xF8\x88\x80\x80\x80", "a\xFFz"})
        EXPECT_FALSE(Utf8ToUtf16(bad, &wide)) << bad;
    EXPECT_FALSE(Utf16ToUtf8(std::u16string(1, char16_t(0xD83D)), &narrow));
    EXPECT_EQ(Utf16ToUtf8Lossy(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
}

} // namespace
} // namespace quillon::discimage

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "capture.h"
#include "config/perm_file.h"
#include "config_home.h"
#include "zemapi.h"

namespace {

using zemtest::TempDir;

// A PermFile loaded from text, closed at scope end.
class LoadedPerm {
public:
    explicit LoadedPerm(const std::string &text)
    {
        path_ = dir_.write("rules.perm", text);
        result_ = zemOpenPermFile(path_.c_str(), "=", "\r\n", &perm, error_, 0);
    }
    ~LoadedPerm() { zemClosePermFile(&perm); }
    int result() const { return result_; }
    const char *error() const { return error_; }
    const std::string &path() const { return path_; }
    PermFile perm{};

private:
    TempDir dir_;
    std::string path_;
    char error_[ZEM_CONFIG_ERROR_SIZE] = "";
    int result_ = 0;
};

std::string SectionText(const PermSection &section)
{
    if (!section.text)
        return "<null>";
    EXPECT_EQ(section.length, static_cast<int32_t>(std::strlen(section.text)));
    return section.text;
}

const std::string kRules = "Permissions of workgroup PROD\n"
                           "# operators may look, the application may put\n"
                           "Effective::QM1=UserAuthority\n"
                           "UserAuthority::QM1::USER1\\SYSTEM.*=Y\n"
                           "useraUTHORITY::QM2::USER2\\Q1=N\n"
                           "Audit:QM1 one colon is no family\n"
                           "Audit::QM1::USER1\\APP.*=A\n"
                           "TRUST::host1=T\n"
                           "trust::host2=T\n"
                           "other line\n";

TEST(PermLoad, LinesAreSortedIntoTheFourFamiliesWithCrLfEnds)
{
    LoadedPerm file(kRules);
    ASSERT_EQ(file.result(), 1) << file.error();
    EXPECT_EQ(SectionText(file.perm.effective), "Effective::QM1=UserAuthority\r\n");
    EXPECT_EQ(SectionText(file.perm.userAuthority),
              "UserAuthority::QM1::USER1\\SYSTEM.*=Y\r\nuseraUTHORITY::QM2::USER2\\Q1=N\r\n");
    EXPECT_EQ(SectionText(file.perm.audit), "Audit::QM1::USER1\\APP.*=A\r\n");
    EXPECT_EQ(SectionText(file.perm.trust), "TRUST::host1=T\r\ntrust::host2=T\r\n");
    EXPECT_STREQ(file.perm.header, "Permissions of workgroup PROD\n");
    EXPECT_EQ(std::string(file.perm.path), file.path());
    EXPECT_STREQ(file.perm.keyDelims, "=");
    EXPECT_STREQ(file.perm.valueDelims, "\r\n");
    EXPECT_EQ(file.perm.stream, nullptr);
}

TEST(PermLoad, CrLfFilesGiveTheSameSectionsAndALastLineKeepsNoEnd)
{
    LoadedPerm file("UserAuthority::QM1::U\\Q=Y\r\nAudit::QM1::U\\Q=A\r\nTRUST::h=1");
    ASSERT_EQ(file.result(), 1);
    EXPECT_EQ(SectionText(file.perm.userAuthority), "UserAuthority::QM1::U\\Q=Y\r\n");
    EXPECT_EQ(SectionText(file.perm.audit), "Audit::QM1::U\\Q=A\r\n");
    EXPECT_EQ(SectionText(file.perm.trust), "TRUST::h=1");
    EXPECT_EQ(SectionText(file.perm.effective), "<null>");
    EXPECT_EQ(file.perm.effective.length, 0);
}

TEST(PermLoad, MissingFamiliesStayNullAndAFileWithoutRulesLoads)
{
    LoadedPerm onlyAudit("# nothing but audit\nAudit::QM9=x\n");
    ASSERT_EQ(onlyAudit.result(), 1);
    EXPECT_EQ(SectionText(onlyAudit.perm.audit), "Audit::QM9=x\r\n");
    EXPECT_EQ(onlyAudit.perm.userAuthority.text, nullptr);
    EXPECT_EQ(onlyAudit.perm.trust.text, nullptr);
    EXPECT_EQ(onlyAudit.perm.effective.text, nullptr);

    LoadedPerm none("just a header\n\nsomething\n");
    ASSERT_EQ(none.result(), 1);
    EXPECT_EQ(none.perm.effective.text, nullptr);
    EXPECT_EQ(none.perm.userAuthority.text, nullptr);
    EXPECT_EQ(none.perm.audit.text, nullptr);
    EXPECT_EQ(none.perm.trust.text, nullptr);
    EXPECT_STREQ(none.perm.header, "just a header\n");
}

TEST(PermLoad, NewlineOnlyFilesGrowEverySectionLineWithoutOverflow)
{
    // Every line grows by one character: a section can outgrow the file.
    std::string text;
    for (int line = 0; line < 500; ++line)
        text += "TRUST::h\n";
    LoadedPerm file(text);
    ASSERT_EQ(file.result(), 1);
    std::string expected;
    for (int line = 0; line < 500; ++line)
        expected += "TRUST::h\r\n";
    EXPECT_EQ(SectionText(file.perm.trust), expected);
    EXPECT_EQ(file.perm.trust.length, 5000);
}

TEST(PermLoad, HeaderIsTheFirst79CharactersOfTheFirstLine)
{
    std::string first(100, 'H');
    LoadedPerm file(first + "\nTRUST::h=1\n");
    EXPECT_EQ(std::string(file.perm.header), std::string(79, 'H'));
    LoadedPerm exact(std::string(78, 'x') + "\n");
    EXPECT_EQ(std::string(exact.perm.header), std::string(78, 'x') + "\n");
}

TEST(PermLoad, LongLinesArriveInPiecesSortedOnTheirOwn)
{
    // 2043 characters make the first piece; the rest is a line of its own.
    std::string rule = "UserAuthority::QM1::" + std::string(2100, 'u');
    std::string continued = "TRUST::" + std::string(20, 't');
    LoadedPerm file(rule.substr(0, 2043) + continued + "\nAudit::x=1\n");
    ASSERT_EQ(file.result(), 1);
    EXPECT_EQ(SectionText(file.perm.userAuthority), rule.substr(0, 2043));
    EXPECT_EQ(SectionText(file.perm.trust), continued + "\r\n");
    EXPECT_EQ(SectionText(file.perm.audit), "Audit::x=1\r\n");
}

TEST(PermLoad, FailuresGiveTheSameTextsAsIniFiles)
{
    TempDir dir;
    std::string missing = dir.file("none.perm");
    PermFile perm{};
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    EXPECT_EQ(zemOpenPermFile(missing.c_str(), "=", "\r\n", &perm, error, 0), 0);
    EXPECT_EQ(std::string(error),
              "Opening file " + missing + " failed\nERRNO(2): ERRSTR(" + std::strerror(ENOENT) + ")\n");

    std::string empty = dir.write("empty.perm", "");
    EXPECT_EQ(zemOpenPermFile(empty.c_str(), "=", "\r\n", &perm, error, 0), 0);
    EXPECT_EQ(std::string(error),
              "Get size of file " + empty + " failed\nERRNO(0): ERRSTR(" + std::strerror(0) + ")\n");
    PermFile cleared;
    std::memset(&cleared, 0, sizeof cleared);
    EXPECT_EQ(std::memcmp(&perm, &cleared, sizeof perm), 0);
    EXPECT_EQ(zemLoadPermFile(missing.c_str(), "=", "\r\n", &perm, nullptr), 0);
    EXPECT_EQ(zemClosePermFile(&perm), 1);
    EXPECT_EQ(zemClosePermFile(nullptr), 1);
}

TEST(PermLoad, ConfigurationFolderNamesResolveBelowTheInstallDirectory)
{
    zemtest::ConfigHome home;
    home.write("ops.perm", "UserAuthority::QM1::OPS\\*=Y\n");
    PermFile perm{};
    ASSERT_EQ(zemOpenPermFile("ops.perm", "=", "\r\n", &perm, nullptr, 1), 1);
    EXPECT_EQ(std::string(perm.path), home.configFile("ops.perm"));
    EXPECT_EQ(SectionText(perm.userAuthority), "UserAuthority::QM1::OPS\\*=Y\r\n");
    zemClosePermFile(&perm);
}

TEST(PermitRule, RulesFitKeysByPathTokensAndObject)
{
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::QM1::USER1\\SYSTEM.*", "UserAuthority::QM1::USER1\\SYSTEM.DEF"), 1);
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::QM1::USER1\\SYSTEM.*", "UserAuthority::QM1::USER2\\SYSTEM.DEF"), 0);
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::QM1::USER1\\Q1", "UserAuthority::QM2::USER1\\Q1"), 0);
    // No object in the rule fits every object; fewer rule tokens are a prefix.
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::QM*", "UserAuthority::QM1::USER1\\Q1"), 1);
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::QM1::USER1::MORE", "UserAuthority::QM1::USER1\\Q1"), 0);
    // A rule object needs a key object.
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::QM1::USER1\\Q1", "UserAuthority::QM1::USER1"), 0);
    // An object beginning with '#' fits whatever the key has.
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::QM1\\#any", "UserAuthority::QM1::U\\Q9"), 1);
    EXPECT_EQ(IsPermitMaskMatch("Audit::QM1::USER1\\APP.*", "Audit::QM1::USER1\\APP.IN"), 1);
    // Blanks separate tokens too; a key token "*" fits any rule token.
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority QM1 USER1\\Q1", "UserAuthority::QM1::USER1\\Q1"), 1);
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::QM1::USER1\\Q1", "UserAuthority::*::USER1\\Q1"), 1);
}

TEST(PermitRule, OnlyUserAuthorityAndAuditRulesTakePartExceptStar)
{
    EXPECT_EQ(IsPermitMaskMatch("Effective::QM1", "Effective::QM1"), 0);
    EXPECT_EQ(IsPermitMaskMatch("TRUST::h", "TRUST::h"), 0);
    EXPECT_EQ(IsPermitMaskMatch("userauthority::QM1", "userauthority::QM1"), 0);
    EXPECT_EQ(IsPermitMaskMatch("*", "anything at all"), 1);
    EXPECT_EQ(IsPermitMaskMatch("*", ""), 1);
    EXPECT_EQ(IsPermitMaskMatch(nullptr, "x"), 0);
    EXPECT_EQ(IsPermitMaskMatch("*", nullptr), 0);
}

TEST(PermitRule, SystemUserIsFittedOnlyByItsOwnToken)
{
    const char *key = "UserAuthority::QM1::$SYSTEM$\\Q1";
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::QM1::*\\Q1", key), 0);
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::QM1::$*\\Q1", key), 0);
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::QM1::$SYSTEM$\\Q1", key), 1);
    // Only the third token is special.
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::*::U\\Q1", "UserAuthority::$SYSTEM$::U\\Q1"), 1);
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::QM1", key), 1);
}

TEST(PermitRule, TokenCompareCutsAtHashAndLeavesTheResultAloneWhenRefused)
{
    int result = 7;
    EXPECT_EQ(CompareMaskTokensWithKeyTokens("", "A", &result), 0);
    EXPECT_EQ(result, 7);
    EXPECT_EQ(CompareMaskTokensWithKeyTokens("#A", "A", &result), 0);
    EXPECT_EQ(result, 7);
    EXPECT_EQ(CompareMaskTokensWithKeyTokens("A::C", "A::B", &result), 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(CompareMaskTokensWithKeyTokens("A::B#anything::Z", "A::B::C", &result), 1);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(CompareMaskTokensWithKeyTokens("A::B::C", "A::B", &result), 0);
    EXPECT_EQ(CompareMaskTokensWithKeyTokens("A\\B C", "A::B::C", &result), 1);
    EXPECT_EQ(CompareMaskTokensWithKeyTokens("A::B::*", "A::B::$SYSTEM$", &result), 0);
    EXPECT_EQ(CompareMaskTokensWithKeyTokens("A::B::$SYSTEM$", "A::B::$SYSTEM$", &result), 1);
    EXPECT_EQ(CompareMaskTokensWithKeyTokens("A::B", "A::B::$SYSTEM$", nullptr), 1);
}

TEST(PermitRule, ComparisonsBeyondTheLimitsAreRefused)
{
    std::string tenTokens = "UserAuthority::2::3::4::5::6::7::8::9::10";
    std::string elevenTokens = tenTokens + "::11";
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority", tenTokens.c_str()), 1);
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority", elevenTokens.c_str()), 0);
    EXPECT_EQ(IsPermitMaskMatch(elevenTokens.c_str(), elevenTokens.c_str()), 0);

    std::string token79(79, 't'), token80(80, 't');
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::*", ("UserAuthority::" + token79).c_str()), 1);
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::*", ("UserAuthority::" + token80).c_str()), 0);
    EXPECT_EQ(IsPermitMaskMatch(("UserAuthority::" + token80).c_str(), ("UserAuthority::" + token80).c_str()), 0);

    // Keys must fit a 2048-character copy; the object part can make them long.
    std::string fits = "UserAuthority::Q\\" + std::string(79, 'o');
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::Q", fits.c_str()), 1);
    std::string longKey = "UserAuthority::Q" + std::string(2032, ' ');
    EXPECT_EQ(longKey.size(), 2048u);
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::Q", longKey.c_str()), 0);
    EXPECT_EQ(IsPermitMaskMatch("UserAuthority::Q", longKey.substr(0, 2047).c_str()), 1);
    int result = 5;
    EXPECT_EQ(CompareMaskTokensWithKeyTokens(longKey.c_str(), "UserAuthority::Q", &result), 0);
    EXPECT_EQ(result, 0);
}

TEST(PermitToken, WildcardsFollowThePermitTokenRule)
{
    using zem::PermitTokenFits;
    EXPECT_TRUE(PermitTokenFits("A*B*C", "AXBYBZC"));
    EXPECT_FALSE(PermitTokenFits("A*B*C", "ABC"));
    EXPECT_TRUE(PermitTokenFits("Q?1", "QM1"));
    EXPECT_FALSE(PermitTokenFits("QM1", "QM12"));
    EXPECT_FALSE(PermitTokenFits("QM12", "QM1"));
    EXPECT_TRUE(PermitTokenFits("*QM", "MYQM"));
    EXPECT_TRUE(PermitTokenFits("*QM", "MYQMX"));
    EXPECT_FALSE(PermitTokenFits("*QM", "QM"));
    EXPECT_FALSE(PermitTokenFits("A*", "A"));
    EXPECT_TRUE(PermitTokenFits("A*", "AB"));
    EXPECT_TRUE(PermitTokenFits("*", ""));
    EXPECT_TRUE(PermitTokenFits("", "*"));
    EXPECT_FALSE(PermitTokenFits("", ""));
    EXPECT_FALSE(PermitTokenFits("A", ""));
    EXPECT_FALSE(PermitTokenFits("", "A"));
    // A '?' after a segment never fits.
    EXPECT_FALSE(PermitTokenFits("*AB?", "XABC"));
    EXPECT_TRUE(PermitTokenFits("??", "AB"));
    EXPECT_FALSE(PermitTokenFits("??", "A"));
    EXPECT_FALSE(PermitTokenFits("??", "ABC"));
    // Two stars: the first takes one character.
    EXPECT_TRUE(PermitTokenFits("A**", "AXY"));
    EXPECT_FALSE(PermitTokenFits("A**", "AX"));
    // Case matters; '*' in the key is an ordinary character opposite a '*'.
    EXPECT_FALSE(PermitTokenFits("qm1", "QM1"));
    EXPECT_TRUE(PermitTokenFits("A*", "A*"));
}

TEST(PermitToken, EqualsSignInAKeyTokenIsAnOrdinaryCharacter)
{
    using zem::PermitTokenFits;
    EXPECT_TRUE(PermitTokenFits("A*C", "AB=C"));
    EXPECT_TRUE(PermitTokenFits("A*=C", "AB=C"));
    EXPECT_TRUE(PermitTokenFits("A=*", "A=B"));
    EXPECT_FALSE(PermitTokenFits("A*=D", "AB=C"));
}

// The UserAuthority section of kRules, plus a rule that fits everything at the end.
const char *const kSection = "UserAuthority::QM1::USER1\\SYSTEM.*=Y\r\n"
                             "# a comment line\r\n"
                             "UserAuthority::QM*=D\r\n"
                             "UserAuthority::QM1::USER[0-9]\\Q1=+get\r\n";

TEST(PermitLookup, ExtExt2FindsTheFirstFittingRuleAndWalksOn)
{
    char value[64] = "";
    int32_t position = 99;
    const char *key = "UserAuthority::QM1::USER1\\SYSTEM.DEF";
    ASSERT_EQ(zemGetValueExtExt2(kSection, "=", "\r\n", key, value, 1, &position), 1);
    EXPECT_STREQ(value, "Y");
    EXPECT_EQ(position, static_cast<int32_t>(std::string(kSection).find("Y\r\n") + 1));
    ASSERT_EQ(zemGetValueExtExt2(kSection, "=", "\r\n", key, value, 0, &position), 1);
    EXPECT_STREQ(value, "D");
    EXPECT_EQ(zemGetValueExtExt2(kSection, "=", "\r\n", key, value, 0, &position), 0);
    EXPECT_EQ(position, static_cast<int32_t>(std::strlen(kSection)));
    EXPECT_EQ(zemGetValueExtExt2(kSection, "=", "\r\n", "UserAuthority::QM2::U\\Q", value, 1, &position), 1);
    EXPECT_STREQ(value, "D");
    EXPECT_EQ(zemGetValueExtExt2(kSection, "=", "\r\n", "Audit::QM1::U\\Q", value, 1, &position), 0);
    EXPECT_EQ(zemGetValueExtExt2(nullptr, "=", "\r\n", key, value, 1, &position), 0);
}

TEST(PermitLookup, ExtExt2NeedsACharacterAfterTheKeyDelimiter)
{
    char value[16] = "untouched";
    int32_t position = 0;
    EXPECT_EQ(zemGetValueExtExt2("UserAuthority::QM1=", "=", "\r\n", "UserAuthority::QM1::U", value, 1, &position),
              0);
    EXPECT_STREQ(value, "untouched");
    EXPECT_EQ(zemGetValueExtExt2("UserAuthority::QM1=\r\n", "=", "\r\n", "UserAuthority::QM1::U", value, 1,
                                 &position),
              1);
    EXPECT_STREQ(value, "");
}

TEST(PermitLookup, RulesCutToTheKeyBufferNeverFit)
{
    // Blanks separate tokens, so the rule cut to 2047 characters would fit the key.
    std::string rules = "UserAuthority::QM1" + std::string(2100, ' ') + "=N\r\nUserAuthority::QM1=Y\r\n";
    char value[16] = "";
    int32_t position = 0;
    ASSERT_EQ(zemGetValueExtExt2(rules.c_str(), "=", "\r\n", "UserAuthority::QM1::U\\Q", value, 1, &position), 1);
    EXPECT_STREQ(value, "Y");
}

TEST(PermitLookup, ExtExtGivesOneCharacterFromAnIniFilesText)
{
    TempDir dir;
    std::string path = dir.write("one.ini", "UserAuthority::QM1::*\\Q*=Yes\nUserAuthority::QM1=No\n");
    IniFile ini{};
    ASSERT_EQ(zemOpenIniFile(path.c_str(), "=", "\n", &ini, nullptr, 0), 1);
    ini.position = 40;  // not used by this lookup
    char value[2] = "";
    int32_t position = 0;
    ASSERT_EQ(zemGetValueExtExt(&ini, "UserAuthority::QM1::USER1\\Q1", value, 1, &position), 1);
    EXPECT_STREQ(value, "Y");
    EXPECT_EQ(position, 25);
    ASSERT_EQ(zemGetValueExtExt(&ini, "UserAuthority::QM1::USER1\\Q1", value, 0, &position), 1);
    EXPECT_STREQ(value, "N");
    EXPECT_EQ(zemGetValueExtExt(&ini, "UserAuthority::QM1::USER1\\Q1", value, 0, &position), 0);
    EXPECT_EQ(ini.position, 40);
    zemCloseIniFile(&ini);
    EXPECT_EQ(zemGetValueExtExt(&ini, "UserAuthority::QM1::USER1\\Q1", value, 1, &position), 0);
    EXPECT_EQ(zemGetValueExtExt(nullptr, "x", value, 1, &position), 0);
}

TEST(PermitLookup, PermitsMatchesPatternsEitherWay)
{
    const char *rules = "UserAuthority::QM1::USER[0-9]\\Q1=+get\r\n"
                        "# note = not a rule\r\n"
                        "UserAuthority::QM2::*=+all\r\n"
                        "Audit::QM?=+audit\r\n";
    char value[64] = "";
    int32_t position = 0;
    // The file's key is the pattern.
    ASSERT_EQ(zemGetValuePermits(rules, "=", "\r\n", "UserAuthority::QM1::USER7\\Q1", value, 1, &position), 1);
    EXPECT_STREQ(value, "+get");
    EXPECT_EQ(position, static_cast<int32_t>(std::string(rules).find("\r")));
    ASSERT_EQ(zemGetValuePermits(rules, "=", "\r\n", "UserAuthority::QM2::ANY\\Q", value, 0, &position), 1);
    EXPECT_STREQ(value, "+all");
    // The caller's key is the pattern.
    ASSERT_EQ(zemGetValuePermits(rules, "=", "\r\n", "Audit::*", value, 1, &position), 1);
    EXPECT_STREQ(value, "+audit");
    // Case-sensitive, and exact about the end.
    EXPECT_EQ(zemGetValuePermits(rules, "=", "\r\n", "userauthority::qm2::x", value, 1, &position), 0);
    EXPECT_EQ(position, static_cast<int32_t>(std::strlen(rules)));
    EXPECT_EQ(zemGetValuePermits(rules, "=", "\r\n", "UserAuthority::QM1::USER1\\Q12", value, 1, &position), 0);
    EXPECT_EQ(zemGetValuePermits(nullptr, "=", "\r\n", "*", value, 1, &position), 0);
    EXPECT_EQ(zemGetValuePermits(rules, "=", "\r\n", "*", value, 1, nullptr), 0);
}

TEST(PermitLookup, LoadedSectionsWorkWithTheRecordsDelimiters)
{
    LoadedPerm file(kRules);
    char value[64] = "";
    int32_t position = 0;
    ASSERT_EQ(zemGetValueExtExt2(file.perm.audit.text, file.perm.keyDelims, file.perm.valueDelims,
                                 "Audit::QM1::USER1\\APP.IN", value, 1, &position),
              1);
    EXPECT_STREQ(value, "A");
    EXPECT_EQ(zemGetValueExtExt2(file.perm.userAuthority.text, file.perm.keyDelims, file.perm.valueDelims,
                                 "UserAuthority::QM2::USER2\\Q1", value, 1, &position),
              0);
    EXPECT_EQ(zemGetValueExtExt2(file.perm.effective.text, file.perm.keyDelims, file.perm.valueDelims,
                                 "Effective::QM1", value, 1, &position),
              0);
}

}  // namespace

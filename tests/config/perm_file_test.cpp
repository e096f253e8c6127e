#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "capture.h"
#include "config/perm_file.h"
#include "config_home.h"
#include "zemapi.h"

namespace {

using zemtest::TempDir;

// A PermFile loaded from text, closed at scope end.
struct LoadedPerm {
    explicit LoadedPerm(const std::string &text)
    {
        path = dir.write("rules.perm", text);
        result = zemOpenPermFile(path.c_str(), "=", "\r\n", &perm, error, 0);
    }
    ~LoadedPerm() { zemClosePermFile(&perm); }
    TempDir dir;
    std::string path;
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    int result = 0;
    PermFile perm{};
};

// A section's text, or "<null>" for an empty section; its length must agree.
std::string SectionText(const PermSection &section)
{
    EXPECT_EQ(section.length, section.text ? static_cast<int32_t>(std::strlen(section.text)) : 0);
    return section.text ? section.text : "<null>";
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

std::string Repeated(const std::string &piece, int times)
{
    std::string text;
    while (times-- > 0)
        text += piece;
    return text;
}

TEST(PermLoad, LinesAreSortedIntoTheFourFamiliesWithCrLfEnds)
{
    const std::string longRule = "UserAuthority::QM1::" + std::string(2100, 'u');
    const struct {
        const char *what;
        std::string text;
        std::string header;  // unchecked when empty
        std::string effective, userAuthority, audit, trust;
    } cases[] = {
        {"families by their first seven characters, any case", kRules, "Permissions of workgroup PROD\n",
         "Effective::QM1=UserAuthority\r\n",
         "UserAuthority::QM1::USER1\\SYSTEM.*=Y\r\nuseraUTHORITY::QM2::USER2\\Q1=N\r\n",
         "Audit::QM1::USER1\\APP.*=A\r\n", "TRUST::host1=T\r\ntrust::host2=T\r\n"},
        {"CR-LF file; a last line keeps no end", "UserAuthority::QM1::U\\Q=Y\r\nAudit::QM1::U\\Q=A\r\nTRUST::h=1",
         "", "<null>", "UserAuthority::QM1::U\\Q=Y\r\n", "Audit::QM1::U\\Q=A\r\n", "TRUST::h=1"},
        {"missing families stay null", "# nothing but audit\nAudit::QM9=x\n", "# nothing but audit\n", "<null>",
         "<null>", "Audit::QM9=x\r\n", "<null>"},
        {"no rules at all", "just a header\n\nsomething\n", "just a header\n", "<null>", "<null>", "<null>",
         "<null>"},
        // Every line grows by one character: a section can outgrow the file.
        {"newline-only file", Repeated("TRUST::h\n", 500), "", "<null>", "<null>", "<null>",
         Repeated("TRUST::h\r\n", 500)},
        {"header is the first 79 characters", std::string(100, 'H') + "\nTRUST::h=1\n", std::string(79, 'H'),
         "<null>", "<null>", "<null>", "TRUST::h=1\r\n"},
        {"a header line that fits keeps its newline", std::string(78, 'x') + "\n",
         std::string(78, 'x') + "\n", "<null>", "<null>", "<null>", "<null>"},
        // 2043 characters make the first piece; the rest is a line of its own.
        {"long lines arrive in pieces", longRule.substr(0, 2043) + "TRUST::" + std::string(20, 't') + "\nAudit::x=1\n",
         "", "<null>", longRule.substr(0, 2043), "Audit::x=1\r\n", "TRUST::" + std::string(20, 't') + "\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        LoadedPerm file(c.text);
        ASSERT_EQ(file.result, 1) << file.error;
        EXPECT_EQ(SectionText(file.perm.effective), c.effective);
        EXPECT_EQ(SectionText(file.perm.userAuthority), c.userAuthority);
        EXPECT_EQ(SectionText(file.perm.audit), c.audit);
        EXPECT_EQ(SectionText(file.perm.trust), c.trust);
        if (!c.header.empty()) {
            EXPECT_EQ(std::string(file.perm.header), c.header);
        }
        EXPECT_EQ(std::string(file.perm.path), file.path);
        EXPECT_STREQ(file.perm.keyDelims, "=");
        EXPECT_STREQ(file.perm.valueDelims, "\r\n");
        EXPECT_EQ(file.perm.stream, nullptr);
    }
}

TEST(PermLoad, FailuresGiveTheSameTextsAsIniFilesAndNamesResolveInTheConfigurationFolder)
{
    TempDir dir;
    std::string missing = dir.file("none.perm"), empty = dir.write("empty.perm", "");
    PermFile perm{};
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    EXPECT_EQ(zemOpenPermFile(missing.c_str(), "=", "\r\n", &perm, error, 0), 0);
    EXPECT_EQ(std::string(error), zemtest::OpeningFailed(missing));
    EXPECT_EQ(zemOpenPermFile(empty.c_str(), "=", "\r\n", &perm, error, 0), 0);
    EXPECT_EQ(std::string(error), zemtest::SizeFailed(empty));
    PermFile cleared;
    std::memset(&cleared, 0, sizeof cleared);
    EXPECT_EQ(std::memcmp(&perm, &cleared, sizeof perm), 0);
    EXPECT_EQ(zemLoadPermFile(missing.c_str(), "=", "\r\n", &perm, nullptr), 0);
    EXPECT_EQ(zemClosePermFile(&perm), 1);
    EXPECT_EQ(zemClosePermFile(nullptr), 1);

    zemtest::ConfigHome home;
    home.write("ops.perm", "UserAuthority::QM1::OPS\\*=Y\n");
    ASSERT_EQ(zemOpenPermFile("ops.perm", "=", "\r\n", &perm, nullptr, 1), 1);
    EXPECT_EQ(std::string(perm.path), home.configFile("ops.perm"));
    EXPECT_EQ(SectionText(perm.userAuthority), "UserAuthority::QM1::OPS\\*=Y\r\n");
    zemClosePermFile(&perm);
}

TEST(PermitRule, RulesFitKeysByFamilyPathTokensAndObject)
{
    const std::string ten = "UserAuthority::2::3::4::5::6::7::8::9::10", eleven = ten + "::11";
    const std::string token79 = "UserAuthority::" + std::string(79, 't');
    const std::string token80 = "UserAuthority::" + std::string(80, 't');
    // Keys must fit a 2048-character copy; the object part can make them long.
    const std::string longKey = "UserAuthority::Q" + std::string(2032, ' ');
    // Texts under 64 characters and longer ones are read differently.
    const std::string rule63 = "UserAuthority::QM?\\" + std::string(43, 'O') + "*";
    const std::string key63 = "UserAuthority::QM1\\" + std::string(44, 'O');
    const std::string rule64 = "UserAuthority::QM?\\" + std::string(44, 'O') + "*", key64 = key63 + "O";
    const struct {
        std::string rule, key;
        int fits;
    } cases[] = {
        {"UserAuthority::QM1::USER1\\SYSTEM.*", "UserAuthority::QM1::USER1\\SYSTEM.DEF", 1},
        {"UserAuthority::QM1::USER1\\SYSTEM.*", "UserAuthority::QM1::USER2\\SYSTEM.DEF", 0},
        // No object in the rule fits every object; fewer rule tokens are a prefix.
        {"UserAuthority::QM*", "UserAuthority::QM1::USER1\\Q1", 1},
        {"UserAuthority::QM1::USER1::MORE", "UserAuthority::QM1::USER1\\Q1", 0},
        // A rule object needs a key object; one beginning with '#' fits any.
        {"UserAuthority::QM1::USER1\\Q1", "UserAuthority::QM1::USER1", 0},
        {"UserAuthority::QM1\\#any", "UserAuthority::QM1::U\\Q9", 1},
        {"Audit::QM1::USER1\\APP.*", "Audit::QM1::USER1\\APP.IN", 1},
        // Blanks separate tokens too; a key token "*" fits any rule token.
        {"UserAuthority QM1 USER1\\Q1", "UserAuthority::QM1::USER1\\Q1", 1},
        {"UserAuthority::QM1::USER1\\Q1", "UserAuthority::*::USER1\\Q1", 1},
        // '?' takes one character, a closing '*' one or more; a key's '*' is a character
        // opposite a rule's; a rule is cut at its '#'.
        {"UserAuthority::QM?::A*\\Q?", "UserAuthority::QM1::AB\\Q2", 1},
        {"UserAuthority::QM?::A*\\Q?", "UserAuthority::QM1::A\\Q2", 0},
        {"UserAuthority::QM1::A*", "UserAuthority::QM1::A*X", 0},
        {"Audit::Q?", "Audit::QM", 1},
        {"Audit::Q#M", "Audit::Q#M", 0},
        {rule63, key63, 1},
        {rule64, key64, 1},
        // Only UserAuthority and Audit rules take part, spelt so, and "*".
        {"Effective::QM1", "Effective::QM1", 0},
        {"userauthority::QM1", "userauthority::QM1", 0},
        {"*", "anything at all", 1},
        // The system user is fitted only by its own token, and only in the third place.
        {"UserAuthority::QM1::*\\Q1", "UserAuthority::QM1::$SYSTEM$\\Q1", 0},
        {"UserAuthority::QM1::$*\\Q1", "UserAuthority::QM1::$SYSTEM$\\Q1", 0},
        {"UserAuthority::QM1::$SYSTEM?\\Q1", "UserAuthority::QM1::$SYSTEM$\\Q1", 0},
        {"UserAuthority::*::U\\Q1", "UserAuthority::$SYSTEM$::U\\Q1", 1},
        {"UserAuthority::QM1", "UserAuthority::QM1::$SYSTEM$\\Q1", 1},
        // Limits: ten tokens, 79 characters a token, keys shorter than 2048.
        {"UserAuthority", ten, 1},
        {"UserAuthority", eleven, 0},
        {eleven, eleven, 0},
        {"UserAuthority::*", token79, 1},
        {"UserAuthority::*", token80, 0},
        {token80, token80, 0},
        {"UserAuthority::Q", "UserAuthority::Q\\" + std::string(79, 'o'), 1},
        {"UserAuthority::Q", longKey, 0},
        {"UserAuthority::Q", longKey.substr(0, 2047), 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsPermitMaskMatch(c.rule.c_str(), c.key.c_str()), c.fits) << c.rule << " / " << c.key.substr(0, 60);
    EXPECT_EQ(IsPermitMaskMatch(nullptr, "x"), 0);
    EXPECT_EQ(IsPermitMaskMatch("*", nullptr), 0);
}

TEST(PermitRule, TokenCompareCutsAtHashAndLeavesTheResultAloneWhenRefused)
{
    const std::string longMask = "UserAuthority::Q" + std::string(2032, ' ');
    // Ten and eleven tokens, the same in mask and key well past their first 64 characters.
    const std::string ten = "A B" + std::string(70, ' ') + "C D E F G H I J", eleven = ten + " K";
    const struct {
        std::string mask;
        const char *key;
        int fits, result;  // result 7: left alone
    } cases[] = {
        {"", "A", 0, 7},
        {"#A", "A", 0, 7},
        {"A::C", "A::B", 0, 0},
        {"A::B#anything::Z", "A::B::C", 1, 1},
        {"A::B::C", "A::B", 0, 0},
        {"A\\B C", "A::B::C", 1, 1},
        {"A::B::*", "A::B::$SYSTEM$", 0, 0},
        {"A::B::$SYSTEM$", "A::B::$SYSTEM$", 1, 1},
        {longMask, "UserAuthority::Q", 0, 0},
        {ten, ten.c_str(), 1, 1},
        {eleven, eleven.c_str(), 0, 0},
    };
    for (const auto &c : cases) {
        int result = 7;
        EXPECT_EQ(CompareMaskTokensWithKeyTokens(c.mask.c_str(), c.key, &result), c.fits) << c.mask.substr(0, 30);
        EXPECT_EQ(result, c.result) << c.mask.substr(0, 30);
    }
    EXPECT_EQ(CompareMaskTokensWithKeyTokens("A::B", "A::B::$SYSTEM$", nullptr), 1);
}

TEST(PermitToken, WildcardsFollowThePermitTokenRule)
{
    const struct {
        const char *mask, *key;
        bool fits;
    } cases[] = {
        {"A*B*C", "AXBYBZC", true}, {"A*B*C", "ABC", false}, {"Q?1", "QM1", true}, {"QM1", "QM12", false},
        {"QM12", "QM1", false},     {"*QM", "MYQM", true},   {"*QM", "MYQMX", true}, {"*QM", "QM", false},
        {"A*", "A", false},         {"A*", "AB", true},      {"*", "", true},        {"", "*", true},
        {"", "", false},            {"A", "", false},        {"", "A", false},
        // A '?' after a segment never fits.
        {"*AB?", "XABC", false}, {"??", "AB", true}, {"??", "A", false}, {"??", "ABC", false},
        // Two stars: the first takes one character.
        {"A**", "AXY", true}, {"A**", "AX", false},
        // Case matters; '*' in the key is an ordinary character opposite a '*'.
        {"qm1", "QM1", false}, {"A*", "A*", true},
        // An '=' in a key token is an ordinary character.
        {"A*C", "AB=C", true}, {"A*=C", "AB=C", true}, {"A=*", "A=B", true}, {"A*=D", "AB=C", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(zem::PermitTokenFits(c.mask, c.key), c.fits) << c.mask << " / " << c.key;
}

using SectionLookup = int (*)(const char *, const char *, const char *, const char *, char *, int, int32_t *);

// "value@position" after one lookup on a rule text, "<none>@position" when nothing fits;
// a failed lookup must leave the value alone.
std::string Find(SectionLookup lookup, const char *text, const char *key, int fromStart, int32_t &position)
{
    char value[64] = "<untouched>";
    int found = lookup(text, "=", "\r\n", key, value, fromStart, &position);
    std::string shown = found ? value : std::strcmp(value, "<untouched>") == 0 ? "<none>" : "<wrote>";
    return shown + "@" + std::to_string(position);
}

TEST(PermitLookup, ExtExt2FindsTheFirstFittingRuleAndWalksOn)
{
    // A UserAuthority section, with a rule that fits everything after the first (117 characters).
    const char *section = "UserAuthority::QM1::USER1\\SYSTEM.*=Y\r\n"
                          "# a comment line\r\n"
                          "UserAuthority::QM*=D\r\n"
                          "UserAuthority::QM1::USER[0-9]\\Q1=+get\r\n";
    const char *key = "UserAuthority::QM1::USER1\\SYSTEM.DEF";
    int32_t position = 99;
    EXPECT_EQ(Find(zemGetValueExtExt2, section, key, 1, position), "Y@36");
    EXPECT_EQ(Find(zemGetValueExtExt2, section, key, 0, position), "D@76");
    EXPECT_EQ(Find(zemGetValueExtExt2, section, key, 0, position), "<none>@117");
    EXPECT_EQ(Find(zemGetValueExtExt2, section, "UserAuthority::QM2::U\\Q", 1, position), "D@76");
    EXPECT_EQ(Find(zemGetValueExtExt2, section, "Audit::QM1::U\\Q", 1, position), "<none>@117");
    char value[8];
    EXPECT_EQ(zemGetValueExtExt2(nullptr, "=", "\r\n", key, value, 1, &position), 0);

    // The value needs a character after the key delimiter.
    EXPECT_EQ(Find(zemGetValueExtExt2, "UserAuthority::QM1=", "UserAuthority::QM1::U", 1, position), "<none>@19");
    EXPECT_EQ(Find(zemGetValueExtExt2, "UserAuthority::QM1=\r\n", "UserAuthority::QM1::U", 1, position), "@19");

    // Blanks separate tokens, so the rule cut to 2047 characters would fit the key: cut
    // rules never fit.
    std::string rules = "UserAuthority::QM1" + std::string(2100, ' ') + "=N\r\nUserAuthority::QM1=Y\r\n";
    EXPECT_EQ(Find(zemGetValueExtExt2, rules.c_str(), "UserAuthority::QM1::U\\Q", 1, position), "Y@2142");
}

TEST(PermitLookup, PermitsMatchesPatternsEitherWay)
{
    const char *rules = "UserAuthority::QM1::USER[0-9]\\Q1=+get\r\n"
                        "# note = not a rule\r\n"
                        "UserAuthority::QM2::*=+all\r\n"
                        "Audit::QM?=+audit\r\n";
    int32_t position = 0;
    // The file's key is the pattern, then the caller's.
    EXPECT_EQ(Find(zemGetValuePermits, rules, "UserAuthority::QM1::USER7\\Q1", 1, position), "+get@37");
    EXPECT_EQ(Find(zemGetValuePermits, rules, "UserAuthority::QM2::ANY\\Q", 0, position), "+all@86");
    EXPECT_EQ(Find(zemGetValuePermits, rules, "Audit::*", 1, position), "+audit@105");
    // Case-sensitive, and exact about the end.
    EXPECT_EQ(Find(zemGetValuePermits, rules, "userauthority::qm2::x", 1, position), "<none>@107");
    EXPECT_EQ(Find(zemGetValuePermits, rules, "UserAuthority::QM1::USER1\\Q12", 1, position), "<none>@107");
    char value[8];
    EXPECT_EQ(zemGetValuePermits(nullptr, "=", "\r\n", "*", value, 1, &position), 0);
    EXPECT_EQ(zemGetValuePermits(rules, "=", "\r\n", "*", value, 1, nullptr), 0);
}

TEST(PermitLookup, ExtExtGivesOneCharacterFromAnIniFilesTextAndKeepsItsPosition)
{
    TempDir dir;
    std::string path = dir.write("one.ini", "UserAuthority::QM1::*\\Q*=Yes\nUserAuthority::QM1=No\n");
    IniFile ini{};
    ASSERT_EQ(zemOpenIniFile(path.c_str(), "=", "\n", &ini, nullptr, 0), 1);
    ini.position = 40;  // not used by this lookup
    const char *key = "UserAuthority::QM1::USER1\\Q1";
    char value[2] = "";
    int32_t position = 0;
    ASSERT_EQ(zemGetValueExtExt(&ini, key, value, 1, &position), 1);
    EXPECT_EQ(std::string(value) + "@" + std::to_string(position), "Y@25");
    ASSERT_EQ(zemGetValueExtExt(&ini, key, value, 0, &position), 1);
    EXPECT_EQ(std::string(value) + "@" + std::to_string(position), "N@48");
    EXPECT_EQ(zemGetValueExtExt(&ini, key, value, 0, &position), 0);
    EXPECT_EQ(ini.position, 40);
    zemCloseIniFile(&ini);
    EXPECT_EQ(zemGetValueExtExt(&ini, key, value, 1, &position), 0);
    EXPECT_EQ(zemGetValueExtExt(nullptr, "x", value, 1, &position), 0);
}

TEST(PermitLookup, LoadedSectionsWorkWithTheRecordsDelimiters)
{
    LoadedPerm file(kRules);
    const PermFile &perm = file.perm;
    int32_t position = 0;
    char value[64] = "";
    ASSERT_EQ(zemGetValueExtExt2(perm.audit.text, perm.keyDelims, perm.valueDelims, "Audit::QM1::USER1\\APP.IN", value,
                                 1, &position),
              1);
    EXPECT_STREQ(value, "A");
    EXPECT_EQ(zemGetValueExtExt2(perm.userAuthority.text, perm.keyDelims, perm.valueDelims,
                                 "UserAuthority::QM2::USER2\\Q1", value, 1, &position),
              0);
    EXPECT_EQ(zemGetValueExtExt2(perm.effective.text, perm.keyDelims, perm.valueDelims, "Effective::QM1", value, 1,
                                 &position),
              0);
}

}  // namespace

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "capture.h"
#include "config_home.h"
#include "zemapi.h"

namespace {

using zemtest::TempDir;

constexpr const char *kGroupKeyDelims = "\n=";
constexpr const char *kGroupValueDelims = " \n\t";

// An IniFile loaded from text written to a file of its own, closed at scope end.
class LoadedIni {
public:
    LoadedIni(const std::string &text, const char *keyDelims = kGroupKeyDelims,
              const char *valueDelims = kGroupValueDelims)
    {
        path_ = dir_.write("test.ini", text);
        loaded_ = zemOpenIniFile(path_.c_str(), keyDelims, valueDelims, &ini, nullptr, 0);
    }
    ~LoadedIni() { zemCloseIniFile(&ini); }
    bool loaded() const { return loaded_ == 1; }
    const std::string &path() const { return path_; }
    IniFile ini{};

private:
    TempDir dir_;
    std::string path_;
    int loaded_ = 0;
};

// Looks a key up and gives the value, or "<none>" when the lookup fails.
std::string Value(IniFile &ini, const char *key, int fromStart = 1)
{
    char value[256] = "<none>";
    int found = zemGetValue(&ini, key, value, fromStart);
    return found ? value : "<none>";
}

std::string ValueExt(IniFile &ini, const char *key, int fromStart = 1)
{
    char value[256] = "<none>";
    return zemGetValueExt(&ini, key, value, fromStart) ? value : "<none>";
}

// "key|value" of the next entry, or "<end>".
std::string NextEntry(IniFile &ini, int fromStart = 0)
{
    char key[256] = "", value[256] = "";
    if (!zemGetKeyAndValue(&ini, key, value, fromStart))
        return "<end>";
    return std::string(key) + "|" + value;
}

// A workgroup file as the suite writes it, with the quirks its readers must survive.
const std::string kGroups = "# workgroups of the suite\n"
                            "Group::PROD=G1\n"
                            "\n"
                            "G1::Node=host1\n"
                            "G1::Service=7001 extra\n"
                            "Lone\n"
                            "Other=V\n"
                            "Spaced = QM1\n"
                            "Last=";

TEST(IniLookup, ValueEndsAtValueDelimiterAndKeyMayCarryTrailingBlanks)
{
    LoadedIni file(kGroups);
    ASSERT_TRUE(file.loaded());
    EXPECT_EQ(Value(file.ini, "Group::PROD"), "G1");
    EXPECT_EQ(Value(file.ini, "G1::Node"), "host1");
    EXPECT_EQ(Value(file.ini, "G1::Service"), "7001");
    // "Spaced " fits the mask Spaced; its value ends at the blank after '='.
    EXPECT_EQ(Value(file.ini, "Spaced"), "");
    // The key delimiter is the text's last character: found, empty.
    EXPECT_EQ(Value(file.ini, "Last"), "");
    EXPECT_EQ(Value(file.ini, "G1::Missing"), "<none>");
    EXPECT_EQ(Value(file.ini, "G1::Nod"), "<none>");
}

TEST(IniLookup, KeyEndingAtNewlineTakesTheNextLineAsValue)
{
    LoadedIni file(kGroups);
    EXPECT_EQ(Value(file.ini, "Lone"), "Other=V");

    // Without the newline among the key delimiters the value starts after the next
    // delimiter, on the following line.
    LoadedIni quoted("Alone\nnext value\"\n", " \"", "\"");
    EXPECT_EQ(Value(quoted.ini, "Alone"), "value");
}

TEST(IniLookup, PositionStopsOnTheCharacterThatEndedTheValue)
{
    LoadedIni file(kGroups);
    EXPECT_EQ(Value(file.ini, "G1::Node"), "host1");
    EXPECT_EQ(file.ini.position, static_cast<int32_t>(kGroups.find("host1") + 5));
    // Nothing after it fits: the position goes to the end of the text.
    EXPECT_EQ(Value(file.ini, "G1::Node", 0), "<none>");
    EXPECT_EQ(file.ini.position, static_cast<int32_t>(kGroups.size()));
    EXPECT_EQ(Value(file.ini, "Group::PROD", 0), "<none>");
    // From the start it is found again.
    EXPECT_EQ(Value(file.ini, "G1::Node", 1), "host1");
    // A later entry is found from the current position, an earlier one is not.
    EXPECT_EQ(Value(file.ini, "Other", 0), "V");
    EXPECT_EQ(Value(file.ini, "G1::Node", 0), "<none>");
}

TEST(IniLookup, ResetPosMovesTheNextStatefulLookup)
{
    LoadedIni file(kGroups);
    int32_t serviceLine = static_cast<int32_t>(kGroups.find("G1::Service"));
    EXPECT_EQ(zemResetPos(&file.ini, serviceLine), serviceLine);
    EXPECT_EQ(file.ini.position, serviceLine);
    EXPECT_EQ(Value(file.ini, "G1::*", 0), "7001");
    EXPECT_EQ(zemResetPos(&file.ini, 0), 0);
    EXPECT_EQ(Value(file.ini, "G1::*", 0), "host1");
    // Offsets outside the text find nothing.
    zemResetPos(&file.ini, -5);
    EXPECT_EQ(Value(file.ini, "*", 0), "<none>");
    zemResetPos(&file.ini, 100000);
    EXPECT_EQ(Value(file.ini, "*", 0), "<none>");
    EXPECT_EQ(zemResetPos(nullptr, 3), 0);
}

TEST(IniLookup, KeyAndValueWalkReadsTextAfterAValueAsTheNextKey)
{
    LoadedIni file(kGroups);
    EXPECT_EQ(NextEntry(file.ini, 1), "Group::PROD|G1");
    EXPECT_EQ(NextEntry(file.ini), "G1::Node|host1");
    EXPECT_EQ(NextEntry(file.ini), "G1::Service|7001");
    EXPECT_EQ(NextEntry(file.ini), " extra|Lone");
    EXPECT_EQ(NextEntry(file.ini), "Other|V");
    EXPECT_EQ(NextEntry(file.ini), "Spaced |");
    EXPECT_EQ(NextEntry(file.ini), " QM1|Last=");
    EXPECT_EQ(NextEntry(file.ini), "<end>");
    EXPECT_EQ(NextEntry(file.ini, 1), "Group::PROD|G1");
}

TEST(IniLookup, MaskStarWalksEveryEntryInFileOrder)
{
    LoadedIni file("A=1\n# note\nB=2\n\nC=3\n");
    EXPECT_EQ(Value(file.ini, "*", 1), "1");
    EXPECT_EQ(Value(file.ini, "*", 0), "2");
    EXPECT_EQ(Value(file.ini, "*", 0), "3");
    EXPECT_EQ(Value(file.ini, "*", 0), "<none>");
}

TEST(IniLookup, KeyAndValueRefusesADelimiterAtTheVeryEnd)
{
    LoadedIni file("A=1\nB=");
    EXPECT_EQ(NextEntry(file.ini, 1), "A|1");
    EXPECT_EQ(NextEntry(file.ini), "<end>");
    EXPECT_EQ(Value(file.ini, "B"), "");
}

TEST(IniLookup, KeyWithoutDelimiterBeforeTheEndIsNotFoundAndValueUntouched)
{
    LoadedIni file("A=1\nNoDelimiter", "=", "\n");
    char value[32] = "untouched";
    EXPECT_EQ(zemGetValue(&file.ini, "NoDelimiter", value, 1), 0);
    EXPECT_STREQ(value, "untouched");
    EXPECT_EQ(zemGetValue(&file.ini, "A", value, 1), 1);
    EXPECT_STREQ(value, "1");
}

TEST(IniComments, CommentLinesAreSkippedAndEndAKeyThatHasCharacters)
{
    LoadedIni file("#only comment\nKey#trailing comment\nX=1\n#last\nY=2\n");
    // The key ends at the '#'; its value starts after the comment's newline.
    EXPECT_EQ(NextEntry(file.ini, 1), "Key|X=1");
    EXPECT_EQ(NextEntry(file.ini), "Y|2");
    EXPECT_EQ(NextEntry(file.ini), "<end>");
    EXPECT_EQ(Value(file.ini, "#only comment"), "<none>");
    EXPECT_EQ(Value(file.ini, "#last"), "<none>");
    EXPECT_EQ(Value(file.ini, "*only*"), "<none>");

    // A comment before the '=' of a key that ends at a blank.
    LoadedIni blank("K #x=1\n=V\n", " ", "\n");
    EXPECT_EQ(Value(blank.ini, "K"), "#x=1");
    EXPECT_EQ(ValueExt(blank.ini, "K"), "V");
}

TEST(IniComments, HashOnALastLineWithoutNewlineIsAnOrdinaryCharacter)
{
    LoadedIni last("A=1\nB#C=2");
    EXPECT_EQ(Value(last.ini, "B#C"), "2");
    EXPECT_EQ(Value(last.ini, "B"), "<none>");

    // With a newline after it the '#' starts a comment that ends the key B.
    LoadedIni commented("A=1\nB#C=2\n");
    EXPECT_EQ(Value(commented.ini, "B#C"), "<none>");
    EXPECT_EQ(Value(commented.ini, "B"), "");
    EXPECT_EQ(NextEntry(commented.ini, 1), "A|1");
    EXPECT_EQ(NextEntry(commented.ini), "<end>");
}

TEST(IniLookupExt, EitherKeyMayBeTheMask)
{
    LoadedIni file("QM*=wild\nQM1X=exact\n");
    EXPECT_EQ(Value(file.ini, "QM1"), "<none>");
    EXPECT_EQ(ValueExt(file.ini, "QM1"), "wild");
    EXPECT_EQ(ValueExt(file.ini, "QM1X"), "wild");
    EXPECT_EQ(ValueExt(file.ini, "QM1X", 0), "exact");
    EXPECT_EQ(ValueExt(file.ini, "QM1X", 0), "<none>");
    EXPECT_EQ(ValueExt(file.ini, "*X"), "exact");
    EXPECT_EQ(ValueExt(file.ini, "XQM"), "<none>");
}

TEST(IniLookupExt, ValueStartsAtTheFirstEqualsOfTheEntry)
{
    // The key ends at the blank; zemGetValue starts after it, Ext after the '='.
    LoadedIni file("Name value=x\n", " \n", "\n");
    EXPECT_EQ(Value(file.ini, "Name"), "value=x");
    EXPECT_EQ(ValueExt(file.ini, "Name"), "x");
    EXPECT_EQ(file.ini.position, 12);
    // No '=' before the end: not found.
    LoadedIni none("Name value\n", " \n", "\n");
    EXPECT_EQ(ValueExt(none.ini, "Name"), "<none>");
}

TEST(IniLookupExt2, SearchesACallersTextFromItsStartPassingOverNothing)
{
    const char *text = "\n=first\nA=2\nB=3";
    char value[32] = "";
    // The empty first key fits "*"; its '=' is on the second line.
    EXPECT_EQ(zemGetValueExt2(text, nullptr, "\n=", "\n", "*", value, 0), 1);
    EXPECT_STREQ(value, "first");
    EXPECT_EQ(zemGetValueExt2(text, nullptr, "\n=", "\n", "*", value, 1), 1);
    EXPECT_STREQ(value, "first");
    EXPECT_EQ(zemGetValueExt2(text, nullptr, "\n=", "\n", "B", value, 0), 1);
    EXPECT_STREQ(value, "3");
    EXPECT_EQ(zemGetValueExt2(text, nullptr, "\n=", "\n", "B*", value, 0), 1);
    EXPECT_STREQ(value, "3");
    EXPECT_EQ(zemGetValueExt2(text, nullptr, "\n=", "\n", "C", value, 0), 0);
    EXPECT_EQ(zemGetValueExt2(nullptr, nullptr, "\n=", "\n", "C", value, 0), 0);
    EXPECT_EQ(zemGetValueExt2("", nullptr, "\n=", "\n", "*", value, 0), 0);

    // The stateful lookups pass the empty keys over.
    LoadedIni file(text, "\n=", "\n");
    EXPECT_EQ(Value(file.ini, "*"), "A=2");
}

TEST(IniDelimiters, ReasonCodeStyleKeysEndAtBlankOrQuote)
{
    LoadedIni file("[2035]\"MQRC_NOT_AUTHORIZED: Not authorized\"\n"
                   "[2085]\"MQRC_UNKNOWN_OBJECT_NAME: Unknown object\"\n"
                   "[2087] MQRC_UNKNOWN_REMOTE_Q_MGR\"\n",
                   " \"", "\"");
    EXPECT_EQ(Value(file.ini, "[2085]"), "MQRC_UNKNOWN_OBJECT_NAME: Unknown object");
    EXPECT_EQ(Value(file.ini, "[2035]"), "MQRC_NOT_AUTHORIZED: Not authorized");
    EXPECT_EQ(Value(file.ini, "[2087]"), "MQRC_UNKNOWN_REMOTE_Q_MGR");
    EXPECT_EQ(Value(file.ini, "[2086]"), "<none>");
    EXPECT_EQ(Value(file.ini, "[203]"), "<none>");
}

TEST(IniDelimiters, TabsAndBlanksEndValuesAndLongSetsAreCut)
{
    LoadedIni file("A=x\ty\nB=p q\n");
    EXPECT_EQ(Value(file.ini, "A"), "x");
    EXPECT_EQ(Value(file.ini, "B"), "p");
    EXPECT_STREQ(file.ini.keyDelims, "\n=");
    EXPECT_STREQ(file.ini.valueDelims, " \n\t");

    std::string many(40, ';');
    many[0] = '=';
    LoadedIni cut("A=1\n", many.c_str(), "\n");
    EXPECT_EQ(std::strlen(cut.ini.keyDelims), 32u);
    EXPECT_EQ(Value(cut.ini, "A"), "1");
}

TEST(IniKeys, KeysLongerThanTheKeyBufferAreCutAndStillConsumed)
{
    std::string longKey(3000, 'K');
    LoadedIni file(longKey + "=v\nX=1\n");
    std::string key(4096, '\0'), value(64, '\0');
    ASSERT_EQ(zemGetKeyAndValue(&file.ini, &key[0], &value[0], 1), 1);
    EXPECT_EQ(std::string(key.c_str()), std::string(2047, 'K'));
    EXPECT_STREQ(value.c_str(), "v");
    EXPECT_EQ(NextEntry(file.ini), "X|1");
    EXPECT_EQ(Value(file.ini, "K*"), "v");
}

TEST(IniLoad, MissingFileGivesTheOpeningMessage)
{
    TempDir dir;
    std::string path = dir.file("missing.ini");
    IniFile ini;
    std::memset(&ini, 0x5A, sizeof ini);
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    EXPECT_EQ(zemOpenIniFile(path.c_str(), "=", "\n", &ini, error, 0), 0);
    EXPECT_EQ(std::string(error),
              "Opening file " + path + " failed\nERRNO(2): ERRSTR(" + std::strerror(ENOENT) + ")\n");
    EXPECT_EQ(ini.openError, ENOENT);
    EXPECT_EQ(ini.text, nullptr);
    EXPECT_EQ(ini.stream, nullptr);
    char value[8];
    EXPECT_EQ(zemGetValue(&ini, "*", value, 1), 0);
    EXPECT_EQ(zemOpenIniFile(path.c_str(), "=", "\n", &ini, nullptr, 0), 0);
    EXPECT_EQ(zemCloseIniFile(&ini), 1);
}

TEST(IniLoad, EmptyFileGivesTheSizeMessageAndAClearedObject)
{
    TempDir dir;
    std::string path = dir.write("empty.ini", "");
    IniFile ini;
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    EXPECT_EQ(zemOpenIniFile(path.c_str(), "=", "\n", &ini, error, 0), 0);
    EXPECT_EQ(std::string(error),
              "Get size of file " + path + " failed\nERRNO(0): ERRSTR(" + std::strerror(0) + ")\n");
    IniFile cleared;
    std::memset(&cleared, 0, sizeof cleared);
    EXPECT_EQ(std::memcmp(&ini, &cleared, sizeof ini), 0);
}

TEST(IniLoad, PathsThatDoNotFitTheRecordAreRefused)
{
    std::string path = "/tmp/" + std::string(1100, 'p');
    IniFile ini{};
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    EXPECT_EQ(zemOpenIniFile(path.c_str(), "=", "\n", &ini, error, 0), 0);
    EXPECT_EQ(std::string(error), "Opening file " + path.substr(0, 1023) + " failed\nERRNO(" +
                                      std::to_string(ENAMETOOLONG) + "): ERRSTR(" + std::strerror(ENAMETOOLONG) +
                                      ")\n");
    EXPECT_EQ(ini.openError, ENAMETOOLONG);
}

TEST(IniLoad, CarriageReturnLineFeedPairsBecomeNewlines)
{
    LoadedIni file("A=1\r\nB=2\r\nC=x\ry\r\n");
    ASSERT_TRUE(file.loaded());
    EXPECT_EQ(file.ini.length, 14);
    EXPECT_STREQ(file.ini.text, "A=1\nB=2\nC=x\ry\n");
    EXPECT_EQ(Value(file.ini, "B"), "2");
    EXPECT_EQ(Value(file.ini, "C"), "x\ry");
    EXPECT_EQ(file.ini.stream, nullptr);
    EXPECT_EQ(std::string(file.ini.path), file.path());
}

TEST(IniLoad, ConfigurationFolderNamesAreResolvedBelowTheInstallDirectory)
{
    zemtest::ConfigHome home;
    home.write("site.ini", "Site=North\n");
    IniFile ini{};
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    ASSERT_EQ(zemOpenIniFile("site.ini", "=\n", "\n", &ini, error, 1), 1) << error;
    EXPECT_EQ(std::string(ini.path), home.configFile("site.ini"));
    EXPECT_EQ(Value(ini, "Site"), "North");
    zemCloseIniFile(&ini);

    EXPECT_EQ(zemOpenIniFile("absent.ini", "=\n", "\n", &ini, error, 1), 0);
    EXPECT_EQ(std::string(error), "Opening file " + home.configFile("absent.ini") + " failed\nERRNO(2): ERRSTR(" +
                                      std::strerror(ENOENT) + ")\n");
}

TEST(IniLoad, LoadFileKeepsTheObjectWhenTheOpenFails)
{
    LoadedIni file("A=1\n");
    TempDir dir;
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    EXPECT_EQ(zemLoadFile(dir.file("gone.ini").c_str(), "=", "\n", &file.ini, error), 0);
    EXPECT_EQ(file.ini.openError, ENOENT);
    EXPECT_EQ(Value(file.ini, "A"), "1");
}

TEST(IniLoad, CloseClearsAndLookupsOnAClosedObjectFail)
{
    LoadedIni file("A=1\n");
    EXPECT_EQ(zemCloseIniFile(&file.ini), 1);
    EXPECT_EQ(file.ini.text, nullptr);
    EXPECT_EQ(file.ini.length, 0);
    EXPECT_EQ(file.ini.path[0], '\0');
    char key[8], value[8];
    EXPECT_EQ(zemGetValue(&file.ini, "A", value, 1), 0);
    EXPECT_EQ(zemGetValueExt(&file.ini, "A", value, 1), 0);
    EXPECT_EQ(zemGetKeyAndValue(&file.ini, key, value, 1), 0);
    EXPECT_EQ(zemCloseIniFile(&file.ini), 1);
    EXPECT_EQ(zemCloseIniFile(nullptr), 1);
}

TEST(IniText, LineCountCountsNewlines)
{
    EXPECT_EQ(zemLineCount(nullptr), 0);
    EXPECT_EQ(zemLineCount(""), 0);
    EXPECT_EQ(zemLineCount("one line"), 0);
    EXPECT_EQ(zemLineCount("a\nb"), 1);
    EXPECT_EQ(zemLineCount("a\nb\n"), 2);
    EXPECT_EQ(zemLineCount("\n\n\n"), 3);
}

TEST(IniText, GoToLineFindsLineStartsOrTheLastLine)
{
    const char *text = "one\ntwo\nthree";
    EXPECT_EQ(zemGoToLine(nullptr, 2), nullptr);
    EXPECT_EQ(zemGoToLine(text, -1), text);
    EXPECT_EQ(zemGoToLine(text, 0), text);
    EXPECT_EQ(zemGoToLine(text, 1), text);
    EXPECT_EQ(zemGoToLine(text, 2), text + 4);
    EXPECT_EQ(zemGoToLine(text, 3), text + 8);
    EXPECT_EQ(zemGoToLine(text, 9), text + 8);
    const char *ended = "one\n";
    EXPECT_EQ(zemGoToLine(ended, 2), ended + 4);
    EXPECT_EQ(zemGoToLine(ended, 5), ended + 4);
    const char *empty = "";
    EXPECT_EQ(zemGoToLine(empty, 3), empty);
}

}  // namespace

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "capture.h"
#include "config_home.h"
#include "zemapi.h"

namespace {

using zemtest::TempDir;

// An IniFile loaded from text written to a file of its own, closed at scope end.
struct LoadedIni {
    explicit LoadedIni(const std::string &text, const char *keyDelims = "\n=", const char *valueDelims = " \n\t")
    {
        path = dir.write("test.ini", text);
        loaded = zemOpenIniFile(path.c_str(), keyDelims, valueDelims, &ini, nullptr, 0);
    }
    ~LoadedIni() { zemCloseIniFile(&ini); }
    TempDir dir;
    std::string path;
    IniFile ini{};
    int loaded = 0;
};

// One lookup: 'v' zemGetValue, 'x' zemGetValueExt, 'k' zemGetKeyAndValue ("key|value").
// "<none>" when nothing fits; a lookup that finds nothing must leave the value alone.
std::string Lookup(IniFile &ini, char op, const char *key, int fromStart)
{
    char found[256] = "", value[256] = "<untouched>";
    int fits = op == 'v'   ? zemGetValue(&ini, key, value, fromStart)
               : op == 'x' ? zemGetValueExt(&ini, key, value, fromStart)
                           : zemGetKeyAndValue(&ini, found, value, fromStart);
    if (!fits)
        return std::strcmp(value, "<untouched>") == 0 ? "<none>" : std::string("<none, wrote ") + value + ">";
    return op == 'k' ? std::string(found) + "|" + value : value;
}

// A workgroup file as the suite writes it, with the quirks its readers must survive
// (111 characters).
const std::string kGroups = "# workgroups of the suite\n"
                            "Group::PROD=G1\n"
                            "\n"
                            "G1::Node=host1\n"
                            "G1::Service=7001 extra\n"
                            "Lone\n"
                            "Other=V\n"
                            "Spaced = QM1\n"
                            "Last=";

struct Step {
    char op;
    const char *key;
    int fromStart;
    const char *expected;
    int position = -1;  // the record's position afterwards, when checked
};

struct Script {
    const char *what;
    std::string text;
    std::vector<Step> steps;
    const char *keyDelims = "\n=";
    const char *valueDelims = " \n\t";
};

const Script kScripts[] = {
    {"workgroup file", kGroups,
     {{'v', "Group::PROD", 1, "G1"}, {'v', "G1::Service", 1, "7001"},
      // "Spaced " fits the mask; its value ends at the blank after '='.
      {'v', "Spaced", 1, ""},
      // The key delimiter is the text's last character: found, empty.
      {'v', "Last", 1, ""}, {'v', "G1::Missing", 1, "<none>"}, {'v', "G1::Nod", 1, "<none>"},
      // A key that ends at a newline takes the next line as its value.
      {'v', "Lone", 1, "Other=V"},
      // The position stops on the character that ended the value, or at the end.
      {'v', "G1::Node", 1, "host1", 56}, {'v', "G1::Node", 0, "<none>", 111}, {'v', "Group::PROD", 0, "<none>"},
      {'v', "G1::Node", 1, "host1"}, {'v', "Other", 0, "V"}, {'v', "G1::Node", 0, "<none>"},
      // The walk reads the text after a value as the next key.
      {'k', "", 1, "Group::PROD|G1"}, {'k', "", 0, "G1::Node|host1"}, {'k', "", 0, "G1::Service|7001"},
      {'k', "", 0, " extra|Lone"}, {'k', "", 0, "Other|V"}, {'k', "", 0, "Spaced |"}, {'k', "", 0, " QM1|Last="},
      {'k', "", 0, "<none>"}, {'k', "", 1, "Group::PROD|G1"}}},
    // Without the newline among the key delimiters the value starts on the following line.
    {"newline not a key delimiter", "Alone\nnext value\"\n", {{'v', "Alone", 1, "value"}}, " \"", "\""},
    {"star walks in file order", "A=1\n# note\nB=2\n\nC=3\n",
     {{'v', "*", 1, "1"}, {'v', "*", 0, "2"}, {'v', "*", 0, "3"}, {'v', "*", 0, "<none>"}}},
    {"walk refuses a delimiter at the very end", "A=1\nB=",
     {{'k', "", 1, "A|1"}, {'k', "", 0, "<none>"}, {'v', "B", 1, ""}}},
    {"key without a delimiter before the end", "A=1\nNoDelimiter",
     {{'v', "NoDelimiter", 1, "<none>"}, {'v', "A", 1, "1"}}, "=", "\n"},
    // A '#' line is skipped; a '#' after key characters ends the key and the comment's
    // newline starts its value.
    {"comments", "#only comment\nKey#trailing comment\nX=1\n#last\nY=2\n",
     {{'k', "", 1, "Key|X=1"}, {'k', "", 0, "Y|2"}, {'k', "", 0, "<none>"}, {'v', "#only comment", 1, "<none>"},
      {'v', "#last", 1, "<none>"}, {'v', "*only*", 1, "<none>"}}},
    {"comment before the '=' of a key ended by a blank", "K #x=1\n=V\n", {{'v', "K", 1, "#x=1"}, {'x', "K", 1, "V"}},
     " ", "\n"},
    {"'#' on a last line without newline is ordinary", "A=1\nB#C=2", {{'v', "B#C", 1, "2"}, {'v', "B", 1, "<none>"}}},
    {"'#' before a newline starts a comment", "A=1\nB#C=2\n",
     {{'v', "B#C", 1, "<none>"}, {'v', "B", 1, ""}, {'k', "", 1, "A|1"}, {'k', "", 0, "<none>"}}},
    {"Ext: either key may be the mask", "QM*=wild\nQM1X=exact\n",
     {{'v', "QM1", 1, "<none>"}, {'x', "QM1", 1, "wild"}, {'x', "QM1X", 1, "wild"}, {'x', "QM1X", 0, "exact"},
      {'x', "QM1X", 0, "<none>"}, {'x', "*X", 1, "exact"}, {'x', "XQM", 1, "<none>"}}},
    // The key ends at the blank; zemGetValue starts after it, Ext after the first '='.
    {"Ext: value after the first '='", "Name value=x\n", {{'v', "Name", 1, "value=x"}, {'x', "Name", 1, "x", 12}},
     " \n", "\n"},
    {"Ext: no '=' before the end", "Name value\n", {{'x', "Name", 1, "<none>"}}, " \n", "\n"},
    {"stateful lookups pass empty keys over", "\n=first\nA=2\nB=3", {{'v', "*", 1, "A=2"}}, "\n=", "\n"},
    {"tabs end values", "A=x\ty\nB=p q\n", {{'v', "A", 1, "x"}, {'v', "B", 1, "p"}}},
    // A file key fits a mask when a blank follows the characters they share.
    {"mask against keys sharing its first characters", "Settings=0\nSe=1\nSet x=2\nSetting=3\nSe xab=4\n",
     {{'v', "Setting", 1, "2"}, {'v', "Setting", 0, "3"}, {'v', "Set*", 1, "0"}, {'v', "Se xyz", 1, "4"},
      {'v', "Settingx", 1, "2"}, {'v', "Se", 1, "1"}, {'v', "Se x", 1, "4"}}},
};

TEST(IniLookup, LookupsFollowTheReadersRules)
{
    for (const Script &script : kScripts) {
        SCOPED_TRACE(script.what);
        LoadedIni file(script.text, script.keyDelims, script.valueDelims);
        ASSERT_EQ(file.loaded, 1);
        for (const Step &step : script.steps) {
            SCOPED_TRACE(std::string(1, step.op) + " '" + step.key + "' " + std::to_string(step.fromStart));
            EXPECT_EQ(Lookup(file.ini, step.op, step.key, step.fromStart), step.expected);
            if (step.position >= 0) {
                EXPECT_EQ(file.ini.position, step.position);
            }
        }
    }
}

TEST(IniLookup, ResetPosMovesTheNextStatefulLookup)
{
    LoadedIni file(kGroups);
    const int32_t serviceLine = 57;
    EXPECT_EQ(zemResetPos(&file.ini, serviceLine), serviceLine);
    EXPECT_EQ(file.ini.position, serviceLine);
    EXPECT_EQ(Lookup(file.ini, 'v', "G1::*", 0), "7001");
    EXPECT_EQ(zemResetPos(&file.ini, 0), 0);
    EXPECT_EQ(Lookup(file.ini, 'v', "G1::*", 0), "host1");
    // Offsets outside the text find nothing.
    zemResetPos(&file.ini, -5);
    EXPECT_EQ(Lookup(file.ini, 'v', "*", 0), "<none>");
    zemResetPos(&file.ini, 100000);
    EXPECT_EQ(Lookup(file.ini, 'v', "*", 0), "<none>");
    EXPECT_EQ(zemResetPos(nullptr, 3), 0);
}

TEST(IniLookupExt2, SearchesACallersTextFromItsStartPassingOverNothing)
{
    const char *text = "\n=first\nA=2\nB=3";
    // The empty first key fits "*"; its '=' is on the second line.
    const struct {
        const char *text, *key;
        int fromStart;
        const char *expected;
    } cases[] = {{text, "*", 0, "first"}, {text, "*", 1, "first"}, {text, "B", 0, "3"},   {text, "B*", 0, "3"},
                 {text, "C", 0, "<none>"}, {nullptr, "C", 0, "<none>"}, {"", "*", 0, "<none>"}};
    for (const auto &c : cases) {
        char value[32] = "<none>";
        EXPECT_EQ(zemGetValueExt2(c.text, nullptr, "\n=", "\n", c.key, value, c.fromStart), c.expected[0] != '<');
        EXPECT_STREQ(value, c.expected) << c.key;
    }
}

TEST(IniLoad, RecordHoldsTheFoldedTextPathAndDelimitersCutTo32)
{
    LoadedIni file("A=1\r\nB=2\r\nC=x\ry\r\n");
    ASSERT_EQ(file.loaded, 1);
    EXPECT_EQ(file.ini.length, 14);
    // CR-LF pairs become newlines; a lone CR is an ordinary character.
    EXPECT_STREQ(file.ini.text, "A=1\nB=2\nC=x\ry\n");
    EXPECT_EQ(Lookup(file.ini, 'v', "C", 1), "x\ry");
    EXPECT_EQ(file.ini.stream, nullptr);
    EXPECT_EQ(std::string(file.ini.path), file.path);
    EXPECT_STREQ(file.ini.keyDelims, "\n=");
    EXPECT_STREQ(file.ini.valueDelims, " \n\t");

    std::string many(40, ';');
    many[0] = '=';
    LoadedIni cut("A=1\n", many.c_str(), "\n");
    EXPECT_EQ(std::string(cut.ini.keyDelims), "=" + std::string(31, ';'));
    EXPECT_EQ(Lookup(cut.ini, 'v', "A", 1), "1");
}

TEST(IniKeys, KeysLongerThanTheKeyBufferAreCutAndStillConsumed)
{
    LoadedIni file(std::string(3000, 'K') + "=v\nX=1\n");
    std::string key(4096, '\0'), value(64, '\0');
    ASSERT_EQ(zemGetKeyAndValue(&file.ini, &key[0], &value[0], 1), 1);
    EXPECT_EQ(std::string(key.c_str()), std::string(2047, 'K'));
    EXPECT_STREQ(value.c_str(), "v");
    EXPECT_EQ(Lookup(file.ini, 'k', "", 0), "X|1");
    EXPECT_EQ(Lookup(file.ini, 'v', "K*", 1), "v");
}

TEST(IniLoad, FailuresGiveTheirMessagesAndLeaveNothingOpen)
{
    TempDir dir;
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    std::string missing = dir.file("missing.ini");
    IniFile ini;
    std::memset(&ini, 0x5A, sizeof ini);
    EXPECT_EQ(zemOpenIniFile(missing.c_str(), "=", "\n", &ini, error, 0), 0);
    EXPECT_EQ(std::string(error), zemtest::OpeningFailed(missing));
    EXPECT_EQ(ini.openError, ENOENT);
    EXPECT_EQ(ini.text, nullptr);
    EXPECT_EQ(ini.stream, nullptr);
    EXPECT_EQ(Lookup(ini, 'v', "*", 1), "<none>");
    EXPECT_EQ(zemOpenIniFile(missing.c_str(), "=", "\n", &ini, nullptr, 0), 0);
    EXPECT_EQ(zemCloseIniFile(&ini), 1);

    std::string empty = dir.write("empty.ini", "");
    EXPECT_EQ(zemOpenIniFile(empty.c_str(), "=", "\n", &ini, error, 0), 0);
    EXPECT_EQ(std::string(error), zemtest::SizeFailed(empty));
    IniFile cleared;
    std::memset(&cleared, 0, sizeof cleared);
    EXPECT_EQ(std::memcmp(&ini, &cleared, sizeof ini), 0);

    // A path that does not fit the record is refused, cut in the message.
    std::string tooLong = "/tmp/" + std::string(1100, 'p');
    EXPECT_EQ(zemOpenIniFile(tooLong.c_str(), "=", "\n", &ini, error, 0), 0);
    EXPECT_EQ(std::string(error), zemtest::OpeningFailed(tooLong.substr(0, 1023), ENAMETOOLONG));
    EXPECT_EQ(ini.openError, ENAMETOOLONG);
}

TEST(IniLoad, LoadFileKeepsTheObjectWhenTheOpenFailsAndCloseClearsIt)
{
    LoadedIni file("A=1\n");
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    EXPECT_EQ(zemLoadFile(file.dir.file("gone.ini").c_str(), "=", "\n", &file.ini, error), 0);
    EXPECT_EQ(file.ini.openError, ENOENT);
    EXPECT_EQ(Lookup(file.ini, 'v', "A", 1), "1");

    EXPECT_EQ(zemCloseIniFile(&file.ini), 1);
    EXPECT_EQ(file.ini.text, nullptr);
    EXPECT_EQ(file.ini.length, 0);
    EXPECT_EQ(file.ini.path[0], '\0');
    for (char op : {'v', 'x', 'k'})
        EXPECT_EQ(Lookup(file.ini, op, "A", 1), "<none>") << op;
    EXPECT_EQ(zemCloseIniFile(&file.ini), 1);
    EXPECT_EQ(zemCloseIniFile(nullptr), 1);
}

TEST(IniText, LineCountCountsNewlinesAndGoToLineFindsLineStarts)
{
    const std::pair<const char *, int> counts[] = {{nullptr, 0}, {"", 0},    {"one line", 0},
                                                   {"a\nb", 1},  {"a\nb\n", 2}, {"\n\n\n", 3}};
    for (const auto &[text, lines] : counts)
        EXPECT_EQ(zemLineCount(text), lines) << (text ? text : "null");

    // Line numbers below 1 give the start, beyond the last the last line's start.
    const char *text = "one\ntwo\nthree", *ended = "one\n", *empty = "";
    const struct {
        const char *text;
        int line;
        const char *expected;
    } lines[] = {{nullptr, 2, nullptr},  {text, -1, text},        {text, 0, text},         {text, 1, text},
                 {text, 2, text + 4},   {text, 3, text + 8},     {text, 9, text + 8},     {ended, 2, ended + 4},
                 {ended, 5, ended + 4}, {empty, 3, empty}};
    for (const auto &c : lines)
        EXPECT_EQ(zemGoToLine(c.text, c.line), c.expected) << c.line;
}

}  // namespace

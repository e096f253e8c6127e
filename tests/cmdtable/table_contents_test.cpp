// The contents of the command table, walked through GetCmdTbl as a caller sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "table_expectations.h"
#include "zemapi.h"

namespace {

using cmdtable_expect::kCommands;

constexpr size_t kCommandCount = 106;
constexpr size_t kValueListBound = 64;  // no value list is longer

std::vector<MqscKeyword *> Commands() {
    std::vector<MqscKeyword *> commands;
    for (MqscKeyword **entry = GetCmdTbl(); *entry != nullptr && commands.size() < kCommandCount; ++entry)
        commands.push_back(*entry);
    return commands;
}

// The entries after the command's own, up to the one whose keyword is NULL.
std::vector<const MqscParam *> Entries(const MqscKeyword *command) {
    std::vector<const MqscParam *> entries;
    if (command->params == nullptr) return entries;
    for (const MqscParam *entry = command->params + 1; entry->keyword != nullptr; ++entry) entries.push_back(entry);
    return entries;
}

std::vector<const MqscKeyword *> Values(const MqscKeyword *keyword) {
    std::vector<const MqscKeyword *> values;
    for (MqscKeyword **entry = keyword->values; entry != nullptr && *entry != nullptr; ++entry) {
        values.push_back(*entry);
        if (values.size() > kValueListBound) break;
    }
    return values;
}

// An entry as the expected keyword sequences write it.
std::string Shown(const MqscParam *entry) {
    if (entry->use == 2) return "<use 2: " + std::to_string(entry->keyword->id) + ">";
    std::string text = entry->keyword->name;
    for (const MqscKeyword *value : Values(entry->keyword))
        if (entry->keyword->name[0] == '\0') text += (text.empty() ? "" : "/") + std::string(value->name);
    return entry->nameMode == 2 ? "[" + text + "]" : text;
}

std::vector<std::string> Split(const std::string &sequence) {
    std::vector<std::string> words;
    for (size_t start = 0; !sequence.empty(); start += 2) {
        size_t comma = sequence.find(", ", start);
        words.push_back(sequence.substr(start, comma - start));
        if ((start = comma) == std::string::npos) break;
    }
    return words;
}

// Every distinct keyword record of the lists (command records excluded).
std::set<const MqscKeyword *> KeywordRecords() {
    std::set<const MqscKeyword *> records;
    for (MqscKeyword *command : Commands())
        for (const MqscParam *entry : Entries(command)) records.insert(entry->keyword);
    return records;
}

// The first command record with this code, as a lookup by code finds it.
const MqscKeyword *First(int32_t code) {
    for (MqscKeyword *command : Commands())
        if (command->id == code) return command;
    return nullptr;
}

const MqscKeyword *Keyword(const MqscKeyword *command, const std::string &name) {
    for (const MqscParam *entry : Entries(command))
        if (name == entry->keyword->name) return entry->keyword;
    return nullptr;
}

const MqscKeyword *ById(int32_t id, int32_t type) {
    for (const MqscKeyword *record : KeywordRecords())
        if (record->id == id && record->type == type) return record;
    return nullptr;
}

// A value list as "WORD=number ..." in stored order.
std::string Words(const MqscKeyword *keyword) {
    if (keyword == nullptr) return "(no such keyword)";
    std::string words;
    for (const MqscKeyword *value : Values(keyword))
        words += (words.empty() ? "" : " ") + std::string(value->name) + "=" + std::to_string(value->id);
    return words;
}

// The modes and format of an entry, in one line.
std::string Marks(const MqscParam &entry) {
    return "use " + std::to_string(entry.use) + " value " + std::to_string(entry.valueMode) + " name " +
           std::to_string(entry.nameMode) + " format '" + entry.format + "'";
}

template <size_t N>
bool Contains(const int32_t (&sorted)[N], int32_t value) { return std::binary_search(sorted, sorted + N, value); }

template <size_t N>
bool Contains(const cmdtable_expect::IdRange (&runs)[N], int32_t value) {
    return std::any_of(runs, runs + N, [value](const auto &run) { return run.first <= value && value <= run.last; });
}

TEST(CommandTable, HoldsThe106CommandsInLookupOrderWithTheirMarksAndKeywordSequences) {
    std::vector<MqscKeyword *> commands = Commands();
    ASSERT_EQ(commands.size(), kCommandCount);
    ASSERT_EQ(std::size(kCommands), kCommandCount);
    for (size_t i = 0; i < kCommandCount; ++i) {
        SCOPED_TRACE(std::to_string(i) + ": " + std::to_string(kCommands[i].code) + " " + kCommands[i].verb);
        EXPECT_EQ(commands[i]->id, kCommands[i].code);
        EXPECT_STREQ(commands[i]->name, kCommands[i].verb);
        EXPECT_EQ(commands[i]->platforms, kCommands[i].platforms);
        EXPECT_EQ(commands[i]->level, kCommands[i].level);
        EXPECT_EQ(commands[i]->values, nullptr);
        EXPECT_EQ(commands[i]->type, i == 0 ? MQSC_STR : MQSC_CMD);
        ASSERT_EQ(commands[i]->params == nullptr, kCommands[i].keywords == nullptr);
        if (kCommands[i].keywords == nullptr) continue;
        std::vector<std::string> shown;
        for (const MqscParam *entry : Entries(commands[i])) shown.push_back(Shown(entry));
        EXPECT_EQ(shown, Split(kCommands[i].keywords));
    }
}

TEST(CommandTable, EveryListOpensWithTheCommandItselfAndClosesWithTheEndEntry) {
    for (MqscKeyword *command : Commands()) {
        if (command->params == nullptr) continue;
        SCOPED_TRACE(command->name);
        const MqscParam &head = command->params[0];
        EXPECT_EQ(Marks(head), "use 1 value 2 name 1 format ''");
        EXPECT_EQ(head.platforms, -1);
        EXPECT_EQ(head.level, 100);
        EXPECT_EQ(head.keyword, command);
        EXPECT_TRUE(head.separator == ' ' || head.separator == '*');
        std::vector<const MqscParam *> entries = Entries(command);
        const MqscParam &end = command->params[entries.size() + 1];
        EXPECT_EQ(Marks(end), "use 2 value 2 name 1 format ''");
        EXPECT_EQ(end.separator, ' ');
        EXPECT_TRUE(end.platforms == -1 || end.platforms == 2 || end.platforms == 2104);
        for (const MqscParam *entry : entries) {
            EXPECT_NE(entry->keyword->type, MQSC_CMD);
            EXPECT_TRUE(entry->use == 0 || entry->use == 1 || entry->use == 2);
            EXPECT_TRUE(entry->separator == ' ' || entry->separator == '*');
        }
    }
}

TEST(CommandTable, OnlyEnumerationsCarryValueListsAndValueRecordsAreConstant) {
    for (const MqscKeyword *record : KeywordRecords()) {
        SCOPED_TRACE(std::string(record->name) + " " + std::to_string(record->id));
        EXPECT_EQ(record->params, nullptr);
        EXPECT_EQ(record->isSet, 0);
        EXPECT_EQ(record->value, 0);
        bool enumeration = record->type == MQSC_ENUM || record->type == MQSC_ENUMLIST;
        if (!enumeration) {
            EXPECT_EQ(record->values, nullptr);
            continue;
        }
        ASSERT_NE(record->values, nullptr);
        std::vector<const MqscKeyword *> values = Values(record);
        EXPECT_FALSE(values.empty());
        EXPECT_LE(values.size(), kValueListBound);
        for (const MqscKeyword *value : values) {
            EXPECT_EQ(value->type, MQSC_FLAG);
            EXPECT_EQ(value->params, nullptr);
            EXPECT_EQ(value->values, nullptr);
            EXPECT_EQ(value->isSet, 0);
            EXPECT_EQ(value->value, 0);
            EXPECT_EQ(value->platforms, -1);
            EXPECT_EQ(value->level, 510);
            EXPECT_STRNE(value->name, "");
        }
    }
}

// The value format of an entry: by its record's type, with the table's fixed exceptions.
std::string ExpectedFormat(int32_t code, const MqscKeyword *keyword) {
    const std::string name = keyword->name;
    auto in = [code](std::initializer_list<int32_t> codes) {
        return std::find(codes.begin(), codes.end(), code) != codes.end();
    };
    const std::string paren = "(%s)", quoted = "('%s')";
    switch (keyword->type) {
    case MQSC_FLAG: return "";
    case MQSC_INT: return "(%d)";
    case MQSC_ENUMLIST:
    case MQSC_LIST: return paren;
    case MQSC_STRLIST: return name == "NAMES" ? paren : quoted;
    case MQSC_ENUM:
        if (name.empty()) return "%s";
        if (keyword->id == 20 && in({11, 10, 8, 12})) return "%s";
        if (keyword->id == 16 && code == 8) return "(%d)";
        return paren;
    case MQSC_STR: {
        static const std::set<std::string> alwaysParen = {"CHISERVP", "DNSGROUP", "LU62ARM", "QMNAME", "IPADDR",
                                                          "PORT", "ENVPARM", "PARM", "ARCPFX1", "ARCPFX2",
                                                          "ARCWRTC", "UNIT", "UNIT2", "SECURITY"};
        if (alwaysParen.count(name)) return paren;
        if (name == "CMDSCOPE") return in({172, 170, 171, 177, 178, 181}) ? quoted : paren;
        if (name == "LUNAME") return code == 31 ? paren : quoted;
        if (name == "QUEUE") return code == 18 ? paren : quoted;
        if (name == "PROCESS") return code == 19 ? paren : quoted;
        if (name == "CLUSTER") return in({72, 71, 73, 74}) ? paren : quoted;
        if (name == "CLUSNL") return in({72, 71}) ? paren : quoted;
        if (name == "CHANNEL") return code == 20 ? paren : quoted;
        if (name == "XMITQ" || name == "CONNAME") return code == 42 ? paren : quoted;
        if (name == "TOPIC") return code == 175 ? paren : quoted;
        return quoted;
    }
    default: return "?";
    }
}

TEST(CommandTable, FormatsFollowTheRecordTypeAndTheFixedExceptions) {
    for (MqscKeyword *command : Commands()) {
        for (const MqscParam *entry : Entries(command)) {
            SCOPED_TRACE(std::string(command->name) + " " + std::to_string(command->id) + " " + Shown(entry));
            EXPECT_EQ(entry->format, ExpectedFormat(command->id, entry->keyword));
        }
    }
}

TEST(CommandTable, StringListsAreTheTenChannelExitKeywordsAndNames) {
    std::set<std::string> names;
    for (const MqscKeyword *record : KeywordRecords())
        if (record->type == MQSC_STRLIST) names.insert(record->name);
    EXPECT_EQ(names, (std::set<std::string>{"SCYEXIT", "SCYDATA", "MSGEXIT", "MSGDATA", "MREXIT", "MRDATA",
                                            "SENDEXIT", "SENDDATA", "RCVEXIT", "RCVDATA", "NAMES"}));
}

TEST(CommandTable, KeywordTextsWithSeveralMeaningsHaveOneRecordPerParameter) {
    std::map<std::string, std::set<int32_t>> ids;
    for (const MqscKeyword *record : KeywordRecords()) ids[record->name].insert(record->id);
    EXPECT_EQ(ids["DESCR"], (std::set<int32_t>{2009, 2011, 2013, 2014, 2046, 2052, 2078, 2093, 3502, 3555}));
    EXPECT_EQ(ids["LIKE"], (std::set<int32_t>{3001, 3003, 3005, 3007, 3009, 3124, 3126, 3150, 3163, 20694}));
    EXPECT_EQ(ids["TYPE"], (std::set<int32_t>{20, 208, 1103, 20611, 20697, 20698}));
    EXPECT_EQ(ids["STATUS"], (std::set<int32_t>{1260, 1527, 1599, 20700}));
    EXPECT_EQ(ids["CHANNEL"], (std::set<int32_t>{3008, 3501}));
    EXPECT_EQ(ids["QUEUE"], (std::set<int32_t>{2016, 3002}));
    EXPECT_EQ(ids["EXPRYINT"], (std::set<int32_t>{39, 20426}));
    ASSERT_NE(ById(39, MQSC_INT), nullptr);
    EXPECT_STREQ(ById(39, MQSC_INT)->name, "EXPRYINT");
}

TEST(CommandTable, EmptyNamedRecordsAreTheNineBareValueParameters) {
    std::map<int32_t, int32_t> typeById;
    int records = 0;
    for (const MqscKeyword *record : KeywordRecords()) {
        if (record->name[0] != '\0') continue;
        ++records;
        typeById[record->id] = record->type;
    }
    EXPECT_EQ(records, 9);
    EXPECT_EQ(typeById, (std::map<int32_t, int32_t>{{8, 5}, {23, 5}, {24, 5}, {1006, 5}, {1007, 5}, {1523, 5},
                                                   {20337, 7}, {20631, 5}, {20634, 5}}));
}

struct SuiteKeyword {
    int32_t id;
    const char *name;
    int32_t type;
    const char *values;
};

const SuiteKeyword kSuiteKeywords[] = {
    {20041, "ASID", MQSC_STR, ""}, {20042, "PSBNAME", MQSC_STR, ""}, {20043, "PSTID", MQSC_STR, ""},
    {20044, "TRANSID", MQSC_STR, ""}, {20045, "URID", MQSC_STR, ""}, {20047, "PUBACCT", MQSC_STR, ""},
    {20048, "DESTCORL", MQSC_STR, ""}, {20337, "", MQSC_LIST, ""}, {20426, "EXPRYINT", MQSC_ENUM, "OFF=0"},
    {20601, "TASKNO", MQSC_INT, ""}, {20601, "INDISP", MQSC_ENUM, "QMGR=1 GROUP=0"}, {20602, "IPADDR", MQSC_STR, ""},
    {20603, "PORT", MQSC_STR, ""}, {20604, "LUNAME", MQSC_STR, ""}, {20605, "ENVPARM", MQSC_STR, ""},
    {20606, "PARM", MQSC_STR, ""}, {20607, "SHARED", MQSC_ENUM, "RESTART=1 STOP=0"},
    {20611, "TYPE", MQSC_ENUM, "MOVE=0 ADD=1"}, {20612, "TOQLOCAL", MQSC_STR, ""},
    {20631, "", MQSC_ENUM, "CANCEL OFFLOAD=1"}, {20632, "TIME", MQSC_INT, ""}, {20633, "WAIT", MQSC_ENUM, "NO=0 YES=1"},
    {20634, "", MQSC_ENUM, "DEFAULT=1"}, {20635, "DEALLCT", MQSC_INT, ""}, {20637, "MAXTRU", MQSC_INT, ""},
    {20639, "MAXARCH", MQSC_INT, ""}, {20640, "WRTHRSH", MQSC_INT, ""},
    {20641, "ALCUNIT", MQSC_ENUM, "CYL=0 TRK=1 BLK=2"}, {20642, "ARCPFX1", MQSC_STR, ""},
    {20643, "ARCPFX2", MQSC_STR, ""}, {20644, "ARCRETN", MQSC_INT, ""}, {20645, "ARCWRTC", MQSC_STR, ""},
    {20646, "ARCWTOR", MQSC_ENUM, "YES=1 NO=0"}, {20647, "BLKSIZE", MQSC_INT, ""},
    {20648, "CATALOG", MQSC_ENUM, "YES=1 NO=0"}, {20649, "COMPACT", MQSC_ENUM, "YES=1 NO=0"},
    {20650, "PRIQTY", MQSC_INT, ""}, {20651, "SECQTY", MQSC_INT, ""}, {20652, "PROTECT", MQSC_ENUM, "YES=1 NO=0"},
    {20653, "QUIESCE", MQSC_INT, ""}, {20654, "TSTAMP", MQSC_ENUM, "YES=1 NO=0 EXT=2"}, {20655, "UNIT", MQSC_STR, ""},
    {20656, "UNIT2", MQSC_STR, ""}, {20671, "CTHREAD", MQSC_INT, ""}, {20672, "IDBACK", MQSC_INT, ""},
    {20673, "IDFORE", MQSC_INT, ""}, {20674, "LOGLOAD", MQSC_INT, ""}, {20675, "STATIME", MQSC_INT, ""},
    {20676, "TRACTBL", MQSC_INT, ""}, {20681, "INTERVAL", MQSC_INT, ""}, {20682, "TIMEOUT", MQSC_INT, ""},
    {20683, "SECURITY", MQSC_STR, ""}, {20684, "SECURITY", MQSC_ENUM, "*=0 MQADMIN=1 MQQUEUE=2 MQPROC=3 MQNLIST=4"},
    {20691, "CFLEVEL", MQSC_INT, ""}, {20692, "RECOVER", MQSC_ENUM, "YES=1 NO=0"}, {20693, "CFSTRUCT", MQSC_STR, ""},
    {20694, "LIKE", MQSC_STR, ""}, {20695, "EXCLINT", MQSC_INT, ""}, {20696, "CFSTRUCT", MQSC_STR, ""},
    {20697, "TYPE", MQSC_ENUM, "NORMAL=0 PURGE=1"}, {20698, "TYPE", MQSC_ENUM, "SUMMARY=0 CONNECT=1 BACKUP=2"},
    {20699, "CFTYPE", MQSC_ENUM, "ADMIN=0 APPL=1"},
    {20700, "STATUS", MQSC_ENUM, "ACTIVE=0 FAILED=1 NOTFOUND=2 INBACKUP=3 INRECOVER=4 NONE=5"},
    {20701, "SIZEMAX", MQSC_INT, ""}, {20702, "SIZEUSED", MQSC_INT, ""}, {20703, "ENTSMAX", MQSC_INT, ""},
    {20704, "ENTSUSED", MQSC_INT, ""}, {20705, "SYSNAME", MQSC_STR, ""}, {20706, "FAILTIME", MQSC_STR, ""},
    {20707, "FAILDATE", MQSC_STR, ""}, {20708, "BKUPTIME", MQSC_STR, ""}, {20709, "BKUPDATE", MQSC_STR, ""},
    {20710, "BKUPSIZE", MQSC_INT, ""}, {20711, "BKUPSRBA", MQSC_STR, ""}, {20712, "BKUPERBA", MQSC_STR, ""},
};

TEST(CommandTable, SuiteParametersCarryTheirKeywordsTypesAndValues) {
    std::set<std::pair<int32_t, std::string>> seen;
    for (const MqscKeyword *record : KeywordRecords()) {
        if (record->id < 20000) continue;
        SCOPED_TRACE(std::to_string(record->id) + " " + record->name);
        auto row = std::find_if(std::begin(kSuiteKeywords), std::end(kSuiteKeywords), [&](const SuiteKeyword &k) {
            return k.id == record->id && record->name == std::string(k.name);
        });
        ASSERT_NE(row, std::end(kSuiteKeywords));
        EXPECT_EQ(record->type, row->type);
        EXPECT_EQ(Words(record), row->values);
        seen.insert({record->id, record->name});
    }
    EXPECT_EQ(seen.size(), std::size(kSuiteKeywords));
}

TEST(CommandTable, EveryIdIsAPublishedConstantOrOneOfTheSuites) {
    using namespace cmdtable_expect;
    const std::set<int32_t> suiteCommands = {10021, 10022, 10024, 10611, 10631, 10632, 10633, 10641, 10642,
                                             10671, 10672, 10681, 10682, 10683, 10684, 10691, 10692, 10693,
                                             10694, 10695, 10696, 10697, 10698, 10901};
    for (MqscKeyword *command : Commands()) {
        EXPECT_TRUE(Contains(kCommandCodes, command->id) || suiteCommands.count(command->id)) << command->id;
    }
    for (const MqscKeyword *record : KeywordRecords()) {
        SCOPED_TRACE(std::to_string(record->id) + " " + record->name);
        if (record->id >= 20000) continue;  // checked against the suite's own list above
        bool textual = record->type == MQSC_STR || record->type == MQSC_STRLIST || record->type == MQSC_LIST;
        EXPECT_TRUE(textual ? Contains(kStringParameters, record->id) : Contains(kIntegerParameters, record->id));
        for (const MqscKeyword *value : Values(record)) {
            bool priority = std::strlen(value->name) == 1 && value->name[0] - '0' == value->id;
            EXPECT_TRUE(priority || Contains(kValueConstants, value->id))
                << value->name << " " << value->id;
        }
    }
}

TEST(CommandTable, TellingValueListsHoldTheirWordsInStoredOrder) {
    const std::string monitoring = "OFF=0 QMGR=-3 LOW=17 MEDIUM=33 HIGH=65", collect = "QMGR=-3 OFF=0 ON=1 NONE=-1";
    const std::string events = "ENABLED=1 DISABLED=0", inhibit = "ENABLED=0 DISABLED=1";
    const std::string openMode = "NO=0 YES=1 SHARED=1 EXCL=2";
    const struct {
        int32_t code;
        const char *keyword;
        std::string words;
    } rows[] = {
        {13, "TYPE", "QALIAS=3 QLOCAL=1 QREMOTE=6 QMODEL=2 QCLUSTER=7 ALL=1001"},
        {25, "CHLTYPE", "SDR=1 SVR=2 RCVR=3 RQSTR=4 SVRCONN=7 CLNTCONN=6 CLUSRCVR=8 CLUSSDR=9"},
        {42, "STATUS", "BINDING=1 INACTIVE=0 STARTING=2 RUNNING=3 PAUSED=8 STOPPING=4 RETRYING=5 STOPPED=6 "
                       "REQUESTING=7 INITIALIZING=13"},
        {1, "MONCHL", monitoring}, {1, "STATCHL", monitoring}, {1, "MONACLS", monitoring},
        {1, "STATACLS", monitoring}, {1, "MONQ", monitoring + " NONE=-1"}, {1, "ACCTQ", collect},
        {1, "STATQ", collect}, {1, "AUTHOREV", events}, {1, "CHADEV", events}, {1, "PERFMEV", events},
        {1, "SSLEV", events}, {1, "CHLEV", events + " EXCEPTION=2"}, {11, "GET", inhibit}, {11, "PUT", inhibit},
        {172, "DEFPRTY", "ASPARENT=-2 0=0 1=1 2=2 3=3 4=4 5=5 6=6 7=7 8=8 9=9"},
        {172, "DEFPSIST", "ASPARENT=-1 YES=1 NO=0"},
        {25, "COMPMSG", "NONE=0 RLE=1 ZLIBFAST=2 ZLIBHIGH=4 ANY=268435455"},
        {25, "COMPHDR", "NONE=0 SYSTEM=8"},
        {41, "BROWSE", openMode}, {41, "INPUT", openMode}, {41, "INQUIRE", openMode},
        {41, "OUTPUT", openMode}, {41, "SET", openMode},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Words(Keyword(First(row.code), row.keyword)), row.words) << row.code << " " << row.keyword;
    // Empty-named parameters, found by id.
    EXPECT_EQ(Words(ById(1523, MQSC_ENUM)), "CURRENT=1011 SAVED=1012");
    EXPECT_EQ(Words(ById(23, MQSC_ENUM)), "SHARE=1 NOSHARE=0");
    EXPECT_EQ(Words(ById(24, MQSC_ENUM)), "NOTRIGGER=0 TRIGGER=1");
    EXPECT_EQ(Words(ById(1006, MQSC_ENUM)), "REPLACE=1 NOREPLACE=0");
    EXPECT_EQ(Keyword(First(25), "COMPMSG")->type, MQSC_ENUMLIST);
    EXPECT_EQ(Keyword(First(25), "KAINT")->type, MQSC_INT);
    EXPECT_EQ(Keyword(First(178), "EXPIRY")->type, MQSC_INT);
}

TEST(CommandTable, KeywordRecordsAndValueListsAreDefinedOnceAndShared) {
    std::set<const MqscKeyword *> records = KeywordRecords();
    std::map<std::tuple<int32_t, int32_t, std::string, MqscKeyword **>, int> byContent;
    std::map<std::vector<const MqscKeyword *>, std::set<MqscKeyword **>> listsByContent;
    for (const MqscKeyword *record : records) {
        ++byContent[{record->type, record->id, record->name, record->values}];
        if (record->values != nullptr) listsByContent[Values(record)].insert(record->values);
    }
    for (const auto &[key, count] : byContent) EXPECT_EQ(count, 1) << std::get<2>(key) << " " << std::get<1>(key);
    for (const auto &[content, arrays] : listsByContent) EXPECT_EQ(arrays.size(), 1u);
    // The same keyword in many commands is one record.
    EXPECT_EQ(Keyword(First(1), "CMDSCOPE"), Keyword(First(10697), "CMDSCOPE"));
    EXPECT_EQ(Keyword(First(13), "MAXMSGL"), Keyword(First(2), "MAXMSGL"));
    EXPECT_NE(Keyword(First(13), "MAXMSGL"), Keyword(First(25), "MAXMSGL"));
}

// ---- telling rows

TEST(CommandTable, AlterQmgrListStartsWithForceCmdscopeDescrAndAccounting) {
    const MqscKeyword *alter = First(1);
    ASSERT_STREQ(alter->name, "ALTER QMGR");
    EXPECT_EQ(alter->params[0].separator, ' ');
    const struct {
        int32_t type, id;
        std::string format;
        int32_t platforms, level;
    } rows[] = {{MQSC_FLAG, 1005, "", -1, 510}, {MQSC_STR, 3080, "(%s)", 2, 510}, {MQSC_STR, 2014, "('%s')", -1, 510},
                {MQSC_ENUM, 136, "(%s)", -1, 600}, {MQSC_INT, 135, "(%d)", 2104, 600}};
    for (int index = 1; index <= 5; ++index) {
        SCOPED_TRACE(index);
        const MqscParam &entry = alter->params[index];
        EXPECT_EQ(Marks(entry), "use 0 value 1 name 1 format '" + rows[index - 1].format + "'");
        EXPECT_EQ(entry.keyword->type, rows[index - 1].type);
        EXPECT_EQ(entry.keyword->id, rows[index - 1].id);
        EXPECT_EQ(entry.platforms, rows[index - 1].platforms);
        EXPECT_EQ(entry.level, rows[index - 1].level);
    }
}

TEST(CommandTable, CreateQueueWritesTheTypeGluedToTheQuotedName) {
    const MqscParam *list = First(11)->params;
    const int32_t ids[] = {20, 2016, 1006, 2013, 23, 26};
    for (int index = 1; index <= 6; ++index) EXPECT_EQ(list[index].keyword->id, ids[index - 1]) << index;
    EXPECT_EQ(list[0].separator, ' ');
    EXPECT_EQ(list[1].use, 1);
    EXPECT_EQ(list[1].valueMode, 1);
    EXPECT_EQ(list[1].separator, '*');
    EXPECT_EQ(list[2].use, 1);
    EXPECT_EQ(list[2].separator, ' ');
    EXPECT_STREQ(list[6].format, "(%d)");
    // Create namelist glues its verb the same way.
    EXPECT_EQ(First(34)->params[0].separator, '*');
}

TEST(CommandTable, DisplayQmgrSelectsAttributesByKeywordAloneExceptCmdscope) {
    for (const MqscParam *entry : Entries(First(2))) {
        SCOPED_TRACE(entry->keyword->name);
        EXPECT_EQ(entry->valueMode, std::string(entry->keyword->name) == "CMDSCOPE" ? 1 : 2);
    }
}

TEST(CommandTable, DefaultPriorityIsAnIntegerForQueuesAndAnEnumerationForTopics) {
    for (MqscKeyword *command : Commands()) {
        for (const MqscParam *entry : Entries(command)) {
            if (std::string(entry->keyword->name) != "DEFPRTY") continue;
            SCOPED_TRACE(command->id);
            EXPECT_EQ(entry->keyword->id, 6);
            bool topic = command->id >= 170 && command->id <= 183;
            EXPECT_EQ(entry->keyword->type, topic ? MQSC_ENUM : MQSC_INT);
        }
    }
}

}  // namespace

// The contents of the command table, walked through GetCmdTbl as a caller sees them, and
// checked against the published MQ constants and the suite's own ids rather than against a
// second copy of the table.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "foundation/mq_constants.h"
#include "zemapi.h"

namespace {

constexpr size_t kDesignCommandCount = 106;
constexpr size_t kCommandBound = 1000;  // a missing NULL end stops the walk here
constexpr size_t kValueListBound = 64;  // no value list is longer

std::vector<MqscKeyword *> Commands() {
    std::vector<MqscKeyword *> commands;
    for (MqscKeyword **entry = GetCmdTbl(); *entry != nullptr && commands.size() <= kCommandBound; ++entry)
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

// Every distinct keyword record of the lists (command records excluded).
std::set<const MqscKeyword *> KeywordRecords() {
    std::set<const MqscKeyword *> records;
    for (MqscKeyword *command : Commands())
        for (const MqscParam *entry : Entries(command)) records.insert(entry->keyword);
    return records;
}

// The modes and format of an entry, in one line.
std::string Marks(const MqscParam &entry) {
    return "use " + std::to_string(entry.use) + " value " + std::to_string(entry.valueMode) + " name " +
           std::to_string(entry.nameMode) + " format '" + entry.format + "'";
}

// ---- the published constants and the suite's ids, read from the headers that define them

// Family of a constant: its name up to the first underscore ("MQCHS_", "MQIACH_", "EXVAL_").
std::string Family(const std::string &name) { return name.substr(0, name.find('_') + 1); }

struct Constants {
    std::map<std::string, std::set<int32_t>> byFamily;
    std::map<int32_t, std::set<std::string>> familiesOf;
};

void ReadConstants(const std::string &path, Constants &constants) {
    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    static const std::regex line(R"(^constexpr int32_t (\w+) = (-?\d+);)");
    std::smatch match;
    size_t read = 0;
    for (std::string text; std::getline(in, text);) {
        if (!std::regex_search(text, match, line)) continue;
        int32_t value = static_cast<int32_t>(std::stol(match[2]));
        std::string family = Family(match[1]);
        constants.byFamily[family].insert(value);
        constants.familiesOf[value].insert(family);
        ++read;
    }
    EXPECT_GT(read, 100u) << path;
}

const Constants &Published() {
    static const Constants constants = [] {
        Constants read;
        const std::string root = std::string(ZEM_SAMPLES_DIR) + "/../src/";
        ReadConstants(root + "foundation/mq_constants.h", read);
        ReadConstants(root + "cmdtable/suite_ids.h", read);
        return read;
    }();
    return constants;
}

bool InAnyFamily(int32_t value, std::initializer_list<const char *> families) {
    const Constants &constants = Published();
    return std::any_of(families.begin(), families.end(), [&](const char *family) {
        auto found = constants.byFamily.find(family);
        return found != constants.byFamily.end() && found->second.count(value) != 0;
    });
}

// The escape command's record comes first, then the commands, each list opening with the
// command itself and closing with the end entry.
TEST(CommandTable, CommandsAndTheirListsAreWellFormed) {
    std::vector<MqscKeyword *> commands = Commands();
    ASSERT_GE(commands.size(), kDesignCommandCount);
    ASSERT_LT(commands.size(), kCommandBound);
    EXPECT_STREQ(commands[0]->name, "MQSC_RESPONSE");
    EXPECT_EQ(commands[0]->type, MQSC_STR);
    for (MqscKeyword *command : commands) {
        SCOPED_TRACE(command->name);
        EXPECT_TRUE(command == commands[0] || command->type == MQSC_CMD);
        EXPECT_EQ(command->values, nullptr);
        if (command->params == nullptr) continue;
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

// The printer hands an entry's value to its format, so the format must take what the type
// stores: a number for integers, text for the rest. A record without a name can only be
// written as its value keyword.
TEST(CommandTable, EveryFormatTakesWhatItsRecordTypeStores) {
    const std::set<std::string> text = {"(%s)", "('%s')"};
    for (MqscKeyword *command : Commands()) {
        for (const MqscParam *entry : Entries(command)) {
            const MqscKeyword *keyword = entry->keyword;
            const std::string format = entry->format;
            SCOPED_TRACE(std::string(command->name) + " " + std::to_string(command->id) + " " + keyword->name);
            if (keyword->name[0] == '\0' && entry->use != 2) {
                EXPECT_EQ(keyword->type, MQSC_ENUM);
                EXPECT_EQ(format, "%s");
            }
            switch (keyword->type) {
            case MQSC_FLAG: EXPECT_EQ(format, ""); break;
            case MQSC_INT: EXPECT_EQ(format, "(%d)"); break;
            case MQSC_ENUM:
                // ALTER's MSGDLVSQ has always carried an integer format.
                if (keyword->id == 16 && command->id == 8) {
                    EXPECT_EQ(format, "(%d)");
                } else {
                    EXPECT_TRUE(format == "(%s)" || format == "%s") << format;
                }
                break;
            case MQSC_STR:
            case MQSC_STRLIST:
            case MQSC_ENUMLIST:
            case MQSC_LIST: EXPECT_TRUE(text.count(format)) << format; break;
            default: ADD_FAILURE() << "type " << keyword->type;
            }
        }
    }
}

// Ids of strings are MQCA_/MQCACF_/MQCACH_ constants (or the suite's EXCA_), ids of numbers
// and value keywords MQIA_/MQIACF_/MQIACH_ (or EXIA_); command codes MQCMD_ or the suite's.
TEST(CommandTable, EveryIdIsAPublishedConstantOfAKindThatFitsItsType) {
    std::vector<MqscKeyword *> commands = Commands();
    for (size_t i = 1; i < commands.size(); ++i) {
        const MqscKeyword *command = commands[i];
        bool suite = std::string(PcfIdToName(command->id)).rfind("EXCMD_", 0) == 0;
        EXPECT_TRUE(suite || InAnyFamily(command->id, {"MQCMD_"})) << command->name << " " << command->id;
    }
    for (const MqscKeyword *record : KeywordRecords()) {
        SCOPED_TRACE(std::string(record->name) + " " + std::to_string(record->id));
        bool textual = record->type == MQSC_STR || record->type == MQSC_STRLIST || record->type == MQSC_LIST;
        if (textual) {
            EXPECT_TRUE(InAnyFamily(record->id, {"MQCA_", "MQCACF_", "MQCACH_", "MQCAMO_", "EXCA_"}));
        } else {
            EXPECT_TRUE(InAnyFamily(record->id, {"MQIA_", "MQIACF_", "MQIACH_", "MQIAMO_", "EXIA_"}));
        }
    }
}

// The values of one list all come from one family of published constants (MQCHS_, MQMON_,
// the suite's EXVAL_ ...); priorities written as their own digits stand for themselves.
TEST(CommandTable, EveryValueListDrawsOnOneFamilyOfConstants) {
    const Constants &constants = Published();
    for (const MqscKeyword *record : KeywordRecords()) {
        std::set<std::string> common;
        bool first = true;
        for (const MqscKeyword *value : Values(record)) {
            if (std::to_string(value->id) == value->name) continue;
            auto found = constants.familiesOf.find(value->id);
            std::set<std::string> families;
            if (found != constants.familiesOf.end()) families = found->second;
            if (first) common = families;
            else {
                std::set<std::string> both;
                std::set_intersection(common.begin(), common.end(), families.begin(), families.end(),
                                      std::inserter(both, both.begin()));
                common = both;
            }
            first = false;
        }
        EXPECT_TRUE(first || !common.empty()) << record->name << " " << record->id;
    }
}

// A list names each keyword once, so a lookup by name or record finds the one meant. The
// design's own repeats stay as they were.
TEST(CommandTable, NoListNamesAKeywordTwice) {
    const std::set<std::pair<int32_t, std::string>> designRepeats = {
        {1, "EXPRYINT"}, {1, "STRSTPEV"}, {13, "DEFSOPT"}, {93, "BACKLOG"}, {94, "BACKLOG"}, {95, "BACKLOG"},
        {98, "BACKLOG"}, {183, "PUB"}, {183, "SUB"}, {171, "TOPIC"}, {181, "SUBNAME"}};
    for (MqscKeyword *command : Commands()) {
        std::map<std::string, int> names;
        std::map<const MqscKeyword *, int> records;
        for (const MqscParam *entry : Entries(command)) {
            ++records[entry->keyword];
            if (entry->keyword->name[0] != '\0') ++names[entry->keyword->name];
        }
        for (const auto &[name, count] : names)
            EXPECT_TRUE(count == 1 || designRepeats.count({command->id, name}))
                << command->name << " " << command->id << " " << name;
        for (const auto &[record, count] : records)
            EXPECT_TRUE(count == 1 || designRepeats.count({command->id, record->name}))
                << command->name << " " << command->id << " " << record->id;
    }
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
}

// ---- telling rows

// As IBM's channel responses type them: the security and retry exits are one string
// each, the message, send and receive exits lists (and names, and channel authentication's
// address lists); a channel has the whole peer name (channel status, the short one: see
// the console reply in the reply tests).
TEST(CommandTable, ChannelExitsAndPeerNamesAsIbmTypesThem) {
    std::set<std::string> names;
    for (const MqscKeyword *record : KeywordRecords())
        if (record->type == MQSC_STRLIST) names.insert(record->name);
    EXPECT_EQ(names, (std::set<std::string>{"MSGEXIT", "MSGDATA", "SENDEXIT", "SENDDATA", "RCVEXIT", "RCVDATA",
                                            "NAMES", "ADDRLIST"}));
    int32_t inquireChannel = 25;
    MqscKeyword *channel = zem::FindCmdKeyword(GetCmdTbl(), zem::kFindById, &inquireChannel);
    EXPECT_EQ(zem::FindCmdParam(channel->params, zem::kFindByName, "SSLPEER")->id, zem::mq::MQCACH_SSL_PEER_NAME);
}

}  // namespace

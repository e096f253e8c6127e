// Every command of the table, built from its required parameters, converts to text that
// starts with its verb and holds only its own keywords.
#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "pcf2mqsc_conversion.h"
#include "pcf_builders.h"

using zemtest::PcfBytes;

namespace {

constexpr char kStringValue[] = "OBJ";
constexpr int32_t kIntegerValue = 7;

// Appends one PCF parameter that gives the keyword a value; false for a keyword that
// PCF does not carry (the command record itself).
bool AddRequiredParameter(const MqscKeyword &keyword, PcfBytes &params)
{
    switch (keyword.type) {
    case MQSC_FLAG:
    case MQSC_INT:
        params.Cfin(keyword.id, keyword.type == MQSC_INT ? kIntegerValue : 0);
        return true;
    case MQSC_ENUM:
        if (keyword.values && keyword.values[0])
            params.Cfin(keyword.id, keyword.values[0]->id);
        return keyword.values && keyword.values[0];
    case MQSC_STR:
        params.Cfst(keyword.id, kStringValue);
        return true;
    case MQSC_STRLIST:
    case MQSC_ENUMLIST:
    case MQSC_LIST:
        params.Cfsl(keyword.id, {"A"}, 8);
        return true;
    default:
        return false;
    }
}

// Words a text of this command may hold: its keywords, their value keywords and the values
// the test gave.
std::set<std::string> AllowedWords(const MqscKeyword &command)
{
    std::set<std::string> words = {kStringValue, std::to_string(kIntegerValue)};
    for (const MqscParam *entry = command.params + 1; entry->keyword; ++entry) {
        if (entry->keyword->name)
            words.insert(entry->keyword->name);
        for (MqscKeyword **value = entry->keyword->values; value && *value; ++value)
            words.insert((*value)->name);
    }
    return words;
}

// The words of a text after its verb: quoted values removed, split at blanks, brackets,
// commas and continuation marks.
std::vector<std::string> WordsOf(const std::string &text)
{
    static const std::regex quoted("'[^']*'"), word("[^ (),+\n]+");
    const std::string bare = std::regex_replace(text, quoted, "");
    return {std::sregex_token_iterator(bare.begin(), bare.end(), word), std::sregex_token_iterator()};
}

TEST(TableCommands, EveryCommandConvertsFromItsRequiredParameters)
{
    int converted = 0;
    for (MqscKeyword **entry = GetCmdTbl(); *entry; ++entry) {
        const MqscKeyword &command = **entry;
        int32_t code = command.id;
        // Only the first record of a code is reachable by code; the escape has no list.
        if (zem::FindCmdKeyword(GetCmdTbl(), zem::kFindById, &code) != &command || !command.params)
            continue;
        SCOPED_TRACE(std::string(command.name) + " (" + std::to_string(code) + ")");

        PcfBytes params;
        int32_t count = 0;
        for (const MqscParam *param = command.params + 1; param->keyword && param->use != 2; ++param)
            if (param->use == 1 && AddRequiredParameter(*param->keyword, params))
                ++count;
        const std::string bytes = PcfBytes().Cfh(ZEM_MQCFT_COMMAND, code, count).Append(params).bytes();

        for (bool split : {false, true}) {
            auto result = p2mtest::Convert(bytes, split, 8192);
            ASSERT_EQ(result.compCode, 0) << "reason " << result.reason << " at " << result.failedParam;
            ASSERT_EQ(result.text.compare(0, std::strlen(command.name), command.name), 0) << result.text;
            const std::set<std::string> allowed = AllowedWords(command);
            for (const std::string &word : WordsOf(result.text.substr(std::strlen(command.name))))
                EXPECT_EQ(allowed.count(word), 1u) << "'" << word << "' in " << result.text;
        }
        ++converted;
    }
    // 124 records less the escape and the two listener records that codes never reach.
    EXPECT_EQ(converted, 121);
}

}  // namespace

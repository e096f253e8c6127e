// The table's access operations: lookups, storing and taking values, and the reset.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "zemapi.h"

namespace zem {
namespace {

MqscKeyword *Command(int32_t code) { return FindCmdKeyword(GetCmdTbl(), kFindById, &code); }

MqscKeyword Record(int32_t type, int32_t id = 1, const char *name = "X") {
    return MqscKeyword{type, id, name, nullptr, 0, nullptr, 0, -1, 510};
}

const char *Held(const MqscKeyword &record) { return reinterpret_cast<const char *>(record.value); }

// Every test leaves the shared table as it found it.
class CmdTableOps : public ::testing::Test {
protected:
    void TearDown() override { ResetCmdTable(); }
};

// ---- FindCmdKeyword

TEST_F(CmdTableOps, FindCmdKeywordByCodeReturnsTheFirstCommandWithThatCode) {
    MqscKeyword *startListener = Command(31);
    ASSERT_NE(startListener, nullptr);
    EXPECT_STREQ(startListener->name, "START LISTENER ");
    MqscKeyword *escape = Command(38);
    ASSERT_NE(escape, nullptr);
    EXPECT_STREQ(escape->name, "MQSC_RESPONSE");
    EXPECT_EQ(escape->params, nullptr);
    MqscKeyword *inquireQ = Command(13);
    ASSERT_NE(inquireQ, nullptr);
    EXPECT_STREQ(inquireQ->name, "DISPLAY QUEUE");
    EXPECT_EQ(inquireQ->params[1].keyword->id, 2016);
    EXPECT_EQ(Command(99999), nullptr);
    EXPECT_EQ(Command(0), nullptr);
}

TEST_F(CmdTableOps, FindCmdKeywordByNameComparesWholeTextsCaseSensitively) {
    MqscKeyword *display = FindCmdKeyword(GetCmdTbl(), kFindByName, "DISPLAY QUEUE");
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->id, 18);
    EXPECT_EQ(FindCmdKeyword(GetCmdTbl(), kFindByName, "START LISTENER")->level, 600);
    EXPECT_EQ(FindCmdKeyword(GetCmdTbl(), kFindByName, "START LISTENER ")->level, 510);
    EXPECT_EQ(FindCmdKeyword(GetCmdTbl(), kFindByName, "display queue"), nullptr);
    EXPECT_EQ(FindCmdKeyword(GetCmdTbl(), kFindByName, "DISPLAY"), nullptr);
}

TEST_F(CmdTableOps, FindCmdKeywordInAValueListFindsTheFirstOfSharedNumbers) {
    MqscKeyword *browse = FindCmdParam(Command(41)->params, kFindByName, "BROWSE");
    ASSERT_NE(browse, nullptr);
    int32_t one = 1, two = 2, seven = 7;
    EXPECT_STREQ(FindCmdKeyword(browse->values, kFindById, &one)->name, "YES");
    EXPECT_STREQ(FindCmdKeyword(browse->values, kFindById, &two)->name, "EXCL");
    EXPECT_EQ(FindCmdKeyword(browse->values, kFindById, &seven), nullptr);
    EXPECT_EQ(FindCmdKeyword(browse->values, kFindByName, "SHARED")->id, 1);
}

TEST_F(CmdTableOps, FindCmdKeywordRefusesOtherModesEmptyArraysAndMissingKeys) {
    int32_t code = 13;
    MqscKeyword *empty[] = {nullptr};
    EXPECT_EQ(FindCmdKeyword(GetCmdTbl(), 0, &code), nullptr);
    EXPECT_EQ(FindCmdKeyword(GetCmdTbl(), 3, &code), nullptr);
    EXPECT_EQ(FindCmdKeyword(empty, kFindById, &code), nullptr);
    EXPECT_EQ(FindCmdKeyword(nullptr, kFindById, &code), nullptr);
    EXPECT_EQ(FindCmdKeyword(GetCmdTbl(), kFindById, nullptr), nullptr);
}

// ---- FindCmdParam

TEST_F(CmdTableOps, FindCmdParamByNameFindsKeywordsAndValueKeywords) {
    MqscParam *createQ = Command(11)->params;
    MqscKeyword *trigger = FindCmdParam(createQ, kFindByName, "NOTRIGGER");
    ASSERT_NE(trigger, nullptr);
    EXPECT_EQ(trigger->id, 24);
    EXPECT_EQ(FindCmdParam(createQ, kFindByName, "NOSHARE")->id, 23);
    MqscKeyword *descr = FindCmdParam(createQ, kFindByName, "DESCR");
    ASSERT_NE(descr, nullptr);
    EXPECT_EQ(descr->id, 2013);
    EXPECT_EQ(FindCmdParam(createQ, kFindByName, "descr"), nullptr);
    EXPECT_EQ(FindCmdParam(createQ, kFindByName, "CURDEPTH"), nullptr);
    EXPECT_EQ(FindCmdParam(Command(42)->params, kFindByName, "CURRENT")->id, 1523);
    // QLOCAL is a value keyword of the positional queue type.
    EXPECT_EQ(FindCmdParam(createQ, kFindByName, "QLOCAL")->id, 20);
}

TEST_F(CmdTableOps, FindCmdParamByIdFindsParametersWhoseIdEqualsTheCommandCode) {
    int32_t maxMsgLength = 13, ccsid = 2, description = 2013;
    MqscKeyword *maxmsgl = FindCmdParam(Command(13)->params, kFindById, &maxMsgLength);
    ASSERT_NE(maxmsgl, nullptr);
    EXPECT_STREQ(maxmsgl->name, "MAXMSGL");
    MqscKeyword *ccsidRecord = FindCmdParam(Command(2)->params, kFindById, &ccsid);
    ASSERT_NE(ccsidRecord, nullptr);
    EXPECT_STREQ(ccsidRecord->name, "CCSID");
    EXPECT_EQ(FindCmdParam(Command(13)->params, kFindById, &description)->type, MQSC_STR);
    int32_t pingCode = 40;
    EXPECT_EQ(FindCmdParam(Command(40)->params, kFindById, &pingCode), nullptr);
}

TEST_F(CmdTableOps, FindCmdParamNeverTakesAOneWordVerbForAKeyword) {
    EXPECT_EQ(FindCmdParam(Command(8)->params, kFindByName, "ALTER"), nullptr);
    EXPECT_EQ(FindCmdParam(Command(11)->params, kFindByName, "DEFINE"), nullptr);
    EXPECT_EQ(FindCmdParam(Command(12)->params, kFindByName, "DELETE"), nullptr);
    EXPECT_EQ(FindCmdParam(Command(13)->params, kFindByName, "DISPLAY QUEUE"), nullptr);
}

TEST_F(CmdTableOps, FindCmdParamLooksPastTheInnerEndMarkOfCreateNamelist) {
    MqscParam *createNamelist = Command(34)->params;
    EXPECT_EQ(FindCmdParam(createNamelist, kFindByName, "CMDSCOPE")->id, 3080);
    EXPECT_EQ(FindCmdParam(createNamelist, kFindByName, "QSGDISP")->id, 63);
    int32_t namesText = 20337;
    EXPECT_EQ(FindCmdParam(createNamelist, kFindById, &namesText)->type, MQSC_LIST);
}

TEST_F(CmdTableOps, FindCmdParamMatchesAnEmptyWordToTheFirstEmptyNamedParameter) {
    MqscKeyword *bare = FindCmdParam(Command(13)->params, kFindByName, "");
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(bare->id, 23);
    EXPECT_EQ(FindCmdParam(Command(9)->params, kFindByName, ""), nullptr);
}

TEST_F(CmdTableOps, FindCmdParamRefusesOtherModesAndMissingInput) {
    int32_t id = 2013;
    MqscParam *list = Command(13)->params;
    EXPECT_EQ(FindCmdParam(list, 0, &id), nullptr);
    EXPECT_EQ(FindCmdParam(list, 7, &id), nullptr);
    EXPECT_EQ(FindCmdParam(nullptr, kFindById, &id), nullptr);
    EXPECT_EQ(FindCmdParam(list, kFindByName, nullptr), nullptr);
    MqscParam onlyEnd[] = {{2, 2, 1, nullptr, "", ' ', -1, 0}};
    EXPECT_EQ(FindCmdParam(onlyEnd, kFindById, &id), nullptr);
}

// ---- SetKeywordValue

TEST_F(CmdTableOps, SetKeywordValueCopiesTextUpToLengthOrItsEnd) {
    for (int32_t type : {MQSC_CMD, MQSC_STR, MQSC_STRLIST, MQSC_ENUMLIST, MQSC_LIST}) {
        SCOPED_TRACE(type);
        MqscKeyword record = Record(type);
        EXPECT_EQ(SetKeywordValue(&record, "QUEUE.ONE", 5), 1);
        EXPECT_STREQ(Held(record), "QUEUE");
        EXPECT_EQ(SetKeywordValue(&record, "AB\0CD", 5), 1);
        EXPECT_STREQ(Held(record), "AB");
        EXPECT_EQ(SetKeywordValue(&record, "", 0), 1);
        EXPECT_STREQ(Held(record), "");
        EXPECT_EQ(record.isSet, 0);
        char taken[kTakeValueSize];
        TakeKeywordValue(&record, taken);
    }
}

TEST_F(CmdTableOps, SetKeywordValueReplacesAHeldStringWithoutLeakingIt) {
    MqscKeyword record = Record(MQSC_STR);
    ASSERT_EQ(SetKeywordValue(&record, "FIRST", 5), 1);
    ASSERT_EQ(SetKeywordValue(&record, "SECOND", 6), 1);
    EXPECT_STREQ(Held(record), "SECOND");
    char taken[kTakeValueSize];
    EXPECT_EQ(TakeKeywordValue(&record, taken), 1);
    EXPECT_STREQ(taken, "SECOND");
}

TEST_F(CmdTableOps, SetKeywordValueWithNullListTextKeepsTheHeldList) {
    MqscKeyword record = Record(MQSC_STRLIST);
    ASSERT_EQ(SetKeywordValue(&record, "'A', 'B'", 8), 1);
    EXPECT_EQ(SetKeywordValue(&record, nullptr, 8), 1);
    EXPECT_STREQ(Held(record), "'A', 'B'");
    char taken[kTakeValueSize];
    TakeKeywordValue(&record, taken);
}

TEST_F(CmdTableOps, SetKeywordValueWithNegativeLengthStoresNothing) {
    for (int32_t type : {MQSC_CMD, MQSC_INT, MQSC_STR, MQSC_STRLIST, MQSC_ENUM, MQSC_ENUMLIST, MQSC_LIST}) {
        SCOPED_TRACE(type);
        MqscKeyword record = Record(type);
        int32_t number = 7;
        const void *data = type == MQSC_INT ? static_cast<const void *>(&number) : "TEXT";
        EXPECT_EQ(SetKeywordValue(&record, data, -1), 0);
        EXPECT_EQ(record.value, 0);
    }
}

TEST_F(CmdTableOps, SetKeywordValueStoresNumbersAndValueRecords) {
    MqscKeyword integer = Record(MQSC_INT);
    int32_t number = -42;
    EXPECT_EQ(SetKeywordValue(&integer, &number, 4), 1);
    EXPECT_EQ(integer.value, -42);
    EXPECT_EQ(SetKeywordValue(&integer, nullptr, 4), 0);
    EXPECT_EQ(integer.value, -42);

    MqscKeyword shareability = *FindCmdParam(Command(11)->params, kFindByName, "SHARE");
    MqscKeyword *noshare = FindCmdKeyword(shareability.values, kFindByName, "NOSHARE");
    EXPECT_EQ(SetKeywordValue(&shareability, noshare, 0), 1);
    EXPECT_EQ(reinterpret_cast<MqscKeyword *>(shareability.value), noshare);
}

TEST_F(CmdTableOps, SetKeywordValueStoresNothingForFlagsAndUnknownTypes) {
    for (int32_t type : {MQSC_FLAG, 8, -1}) {
        MqscKeyword record = Record(type);
        EXPECT_EQ(SetKeywordValue(&record, "TEXT", 4), 0) << type;
        EXPECT_EQ(record.value, 0);
    }
    EXPECT_EQ(SetKeywordValue(nullptr, "TEXT", 4), 0);
}

// ---- TakeKeywordValue

TEST_F(CmdTableOps, TakeKeywordValueHandsOutTheTextOnceThenTwoApostrophes) {
    MqscKeyword record = Record(MQSC_STR);
    char taken[kTakeValueSize];
    EXPECT_EQ(TakeKeywordValue(&record, taken), 1);
    EXPECT_STREQ(taken, "''");
    ASSERT_EQ(SetKeywordValue(&record, "Q1", 2), 1);
    EXPECT_EQ(TakeKeywordValue(&record, taken), 1);
    EXPECT_STREQ(taken, "Q1");
    EXPECT_EQ(record.value, 0);
    EXPECT_EQ(TakeKeywordValue(&record, taken), 1);
    EXPECT_STREQ(taken, "''");
}

TEST_F(CmdTableOps, TakeKeywordValueCutsALongTextToTheDestinationAndStillEmptiesTheRecord) {
    MqscKeyword record = Record(MQSC_LIST);
    std::string longText(20000, 'N');
    longText[kTakeValueSize - 2] = 'L';  // the last character that fits
    ASSERT_EQ(SetKeywordValue(&record, longText.c_str(), 20000), 1);
    std::vector<char> dest(kTakeValueSize + 8, '#');
    EXPECT_EQ(TakeKeywordValue(&record, dest.data()), 1);
    EXPECT_EQ(std::strlen(dest.data()), static_cast<size_t>(kTakeValueSize - 1));
    EXPECT_EQ(dest[kTakeValueSize - 2], 'L');
    EXPECT_EQ(dest[kTakeValueSize - 1], '\0');
    EXPECT_EQ(dest[kTakeValueSize], '#');
    EXPECT_EQ(record.value, 0);
}

TEST_F(CmdTableOps, TakeKeywordValueLeavesNumbersAndValueRecordsInPlace) {
    MqscKeyword integer = Record(MQSC_INT);
    int32_t number = 5000, taken = 0;
    SetKeywordValue(&integer, &number, 4);
    EXPECT_EQ(TakeKeywordValue(&integer, &taken), 1);
    EXPECT_EQ(taken, 5000);
    EXPECT_EQ(integer.value, 5000);

    MqscKeyword queueType = *FindCmdParam(Command(13)->params, kFindByName, "TYPE");
    MqscKeyword *qlocal = FindCmdKeyword(queueType.values, kFindByName, "QLOCAL");
    SetKeywordValue(&queueType, qlocal, 0);
    MqscKeyword copy{};
    EXPECT_EQ(TakeKeywordValue(&queueType, &copy), 1);
    EXPECT_EQ(std::memcmp(&copy, qlocal, sizeof copy), 0);
    EXPECT_EQ(reinterpret_cast<MqscKeyword *>(queueType.value), qlocal);

    MqscKeyword unset = Record(MQSC_ENUM);
    MqscKeyword blank{MQSC_STR, 99, "junk", nullptr, 1, nullptr, 1, 1, 1};
    EXPECT_EQ(TakeKeywordValue(&unset, &blank), 1);
    EXPECT_EQ(blank.name, nullptr);
    EXPECT_EQ(blank.id, 0);
}

TEST_F(CmdTableOps, TakeKeywordValueRefusesFlagsUnknownTypesAndMissingDestinations) {
    char dest[8] = "keep";
    MqscKeyword flag = Record(MQSC_FLAG), other = Record(12);
    EXPECT_EQ(TakeKeywordValue(&flag, dest), 0);
    EXPECT_EQ(TakeKeywordValue(&other, dest), 0);
    EXPECT_STREQ(dest, "keep");
    MqscKeyword text = Record(MQSC_STR);
    SetKeywordValue(&text, "HELD", 4);
    EXPECT_EQ(TakeKeywordValue(&text, nullptr), 0);
    EXPECT_STREQ(Held(text), "HELD");
    EXPECT_EQ(TakeKeywordValue(&text, dest), 1);
    EXPECT_STREQ(dest, "HELD");
}

// ---- the reset

TEST_F(CmdTableOps, ResetCmdTableEmptiesEveryRecordOfEveryList) {
    MqscKeyword *inquireQ = Command(13);
    MqscKeyword *descr = FindCmdParam(inquireQ->params, kFindByName, "DESCR");
    MqscKeyword *depth = FindCmdParam(inquireQ->params, kFindByName, "CURDEPTH");
    MqscKeyword *type = FindCmdParam(inquireQ->params, kFindByName, "TYPE");
    MqscKeyword *behindStop = FindCmdParam(Command(34)->params, kFindByName, "CMDSCOPE");
    int32_t number = 3;
    SetKeywordValue(inquireQ, "CSQM401I", 8);
    SetKeywordValue(descr, "left over", 9);
    SetKeywordValue(depth, &number, 4);
    SetKeywordValue(type, type->values[0], 0);
    SetKeywordValue(behindStop, "QM1", 3);
    for (MqscKeyword *record : {inquireQ, descr, depth, type, behindStop}) record->isSet = 1;

    ResetCmdTable();
    for (MqscKeyword **command = GetCmdTbl(); *command != nullptr; ++command) {
        EXPECT_EQ((*command)->isSet, 0);
        EXPECT_EQ((*command)->value, 0);
        if ((*command)->params == nullptr) continue;
        for (MqscParam *entry = (*command)->params; entry->keyword != nullptr; ++entry) {
            EXPECT_EQ(entry->keyword->isSet, 0) << entry->keyword->name;
            EXPECT_EQ(entry->keyword->value, 0) << entry->keyword->name;
        }
    }
    ResetCmdTable();  // a second reset finds nothing to release
}

}  // namespace
}  // namespace zem

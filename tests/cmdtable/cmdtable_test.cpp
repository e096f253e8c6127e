// The table's access operations: lookups, storing and taking values, and the reset.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "cmdtable/thread_table.h"
#include "zemapi.h"

namespace zem {
namespace {

MqscKeyword *ByCode(MqscKeyword **array, int32_t code) { return FindCmdKeyword(array, kFindById, &code); }
MqscKeyword *ByName(MqscKeyword **array, const char *name) { return FindCmdKeyword(array, kFindByName, name); }
MqscKeyword *Command(int32_t code) { return ByCode(GetCmdTbl(), code); }
MqscKeyword *Param(int32_t code, const char *name) { return FindCmdParam(Command(code)->params, kFindByName, name); }

MqscKeyword Record(int32_t type) { return MqscKeyword{type, 1, "X", nullptr, 0, nullptr, 0, -1, 510}; }

// A found record as name/id/level.
std::string Found(const MqscKeyword *record) {
    if (record == nullptr) return "none";
    return std::string(record->name) + "/" + std::to_string(record->id) + "/" + std::to_string(record->level);
}

const char *Held(const MqscKeyword &record) { return reinterpret_cast<const char *>(record.value); }

// Every test leaves the calling thread's table as it found it.
class CmdTableOps : public ::testing::Test {
protected:
    void TearDown() override { ResetCmdTable(); }
};

TEST_F(CmdTableOps, FindCmdKeywordFindsTheFirstRecordByCodeOrWholeCaseSensitiveName) {
    EXPECT_EQ(Found(Command(31)), "START LISTENER /31/510");
    EXPECT_EQ(Found(Command(13)), "DISPLAY QUEUE/13/510");
    EXPECT_EQ(Found(Command(99999)), "none");
    EXPECT_EQ(Found(Command(0)), "none");
    EXPECT_EQ(Found(ByName(GetCmdTbl(), "DISPLAY QUEUE")), "DISPLAY QUEUE/18/510");
    EXPECT_EQ(Found(ByName(GetCmdTbl(), "START LISTENER")), "START LISTENER/31/600");
    EXPECT_EQ(Found(ByName(GetCmdTbl(), "START LISTENER ")), "START LISTENER /31/510");
    EXPECT_EQ(Found(ByName(GetCmdTbl(), "display queue")), "none");
    EXPECT_EQ(Found(ByName(GetCmdTbl(), "DISPLAY")), "none");
    // A value list where two words share a number.
    MqscKeyword **browse = Param(41, "BROWSE")->values;
    EXPECT_EQ(Found(ByCode(browse, 1)), "YES/1/510");
    EXPECT_EQ(Found(ByCode(browse, 2)), "EXCL/2/510");
    EXPECT_EQ(Found(ByCode(browse, 7)), "none");
    EXPECT_EQ(Found(ByName(browse, "SHARED")), "SHARED/1/510");
    // Other modes, empty or missing arrays and missing keys.
    int32_t code = 13;
    MqscKeyword *empty[] = {nullptr};
    EXPECT_EQ(FindCmdKeyword(GetCmdTbl(), 3, &code), nullptr);
    EXPECT_EQ(FindCmdKeyword(empty, kFindById, &code), nullptr);
    EXPECT_EQ(FindCmdKeyword(nullptr, kFindById, &code), nullptr);
    EXPECT_EQ(FindCmdKeyword(GetCmdTbl(), kFindById, nullptr), nullptr);
    int32_t id = 2013;
    MqscParam onlyEnd[] = {{2, 2, 1, nullptr, "", ' ', -1, 0}};
    EXPECT_EQ(FindCmdParam(Command(13)->params, 0, &id), nullptr);
    EXPECT_EQ(FindCmdParam(nullptr, kFindById, &id), nullptr);
    EXPECT_EQ(FindCmdParam(Command(13)->params, kFindByName, nullptr), nullptr);
    EXPECT_EQ(FindCmdParam(onlyEnd, kFindById, &id), nullptr);
}

TEST_F(CmdTableOps, TextIsCopiedUpToLengthOrItsEndAndTakenCutToTheDestination) {
    for (int32_t type : {MQSC_CMD, MQSC_STR, MQSC_STRLIST, MQSC_ENUMLIST, MQSC_LIST}) {
        SCOPED_TRACE(type);
        MqscKeyword record = Record(type);
        char taken[kTakeValueSize];
        EXPECT_EQ(SetKeywordValue(&record, "QUEUE.ONE", 5), 1);
        EXPECT_STREQ(Held(record), "QUEUE");
        EXPECT_EQ(SetKeywordValue(&record, "AB\0CD", 5), 1);
        EXPECT_STREQ(Held(record), "AB");
        EXPECT_EQ(SetKeywordValue(&record, "", 0), 1);
        EXPECT_STREQ(Held(record), "");
        EXPECT_EQ(record.isSet, 0);
        ASSERT_EQ(SetKeywordValue(&record, "SECOND", 6), 1);
        EXPECT_EQ(TakeKeywordValue(&record, taken), 1);
        EXPECT_STREQ(taken, "SECOND");
    }
    // A NULL list text keeps the list held.
    MqscKeyword list = Record(MQSC_STRLIST);
    ASSERT_EQ(SetKeywordValue(&list, "'A', 'B'", 8), 1);
    EXPECT_EQ(SetKeywordValue(&list, nullptr, 8), 1);
    EXPECT_STREQ(Held(list), "'A', 'B'");
    char taken[kTakeValueSize];
    TakeKeywordValue(&list, taken);
    // a long text is cut to the destination, and the record still emptied
    MqscKeyword record = Record(MQSC_LIST);
    std::string longText(20000, 'N');
    longText[kTakeValueSize - 2] = 'L';  // the last character that fits
    ASSERT_EQ(SetKeywordValue(&record, longText.c_str(), 20000), 1);
    std::vector<char> dest(kTakeValueSize + 8, '#');
    EXPECT_EQ(TakeKeywordValue(&record, dest.data()), 1);
    EXPECT_EQ(std::strlen(dest.data()), static_cast<size_t>(kTakeValueSize - 1));
    EXPECT_EQ(dest[kTakeValueSize - 2], 'L');
    EXPECT_EQ(dest[kTakeValueSize], '#');
    EXPECT_EQ(record.value, 0);
}


TEST_F(CmdTableOps, FlagsUnknownTypesNegativeLengthsAndMissingArgumentsAreRefused)
{
    for (int32_t type : {MQSC_CMD, MQSC_INT, MQSC_STR, MQSC_STRLIST, MQSC_ENUM, MQSC_ENUMLIST, MQSC_LIST}) {
        MqscKeyword record = Record(type);
        int32_t number = 7;
        const void *data = type == MQSC_INT ? static_cast<const void *>(&number) : "TEXT";
        EXPECT_EQ(SetKeywordValue(&record, data, -1), 0) << type;
        EXPECT_EQ(record.value, 0);
    }
    char dest[8] = "keep";
    for (int32_t type : {MQSC_FLAG, 8, -1}) {
        MqscKeyword record = Record(type);
        EXPECT_EQ(SetKeywordValue(&record, "TEXT", 4), 0) << type;
        EXPECT_EQ(record.value, 0);
        EXPECT_EQ(TakeKeywordValue(&record, dest), 0) << type;
        EXPECT_STREQ(dest, "keep");
    }
    EXPECT_EQ(SetKeywordValue(nullptr, "TEXT", 4), 0);
    MqscKeyword integer = Record(MQSC_INT);
    EXPECT_EQ(SetKeywordValue(&integer, nullptr, 4), 0);
    MqscKeyword text = Record(MQSC_STR);
    SetKeywordValue(&text, "HELD", 4);
    EXPECT_EQ(TakeKeywordValue(&text, nullptr), 0);
    EXPECT_STREQ(Held(text), "HELD");
    EXPECT_EQ(TakeKeywordValue(&text, dest), 1);
    EXPECT_STREQ(dest, "HELD");
    // an enumeration without a value record gives a blank one
    MqscKeyword unset = Record(MQSC_ENUM);
    MqscKeyword blank{MQSC_STR, 99, "junk", nullptr, 1, nullptr, 1, 1, 1};
    EXPECT_EQ(TakeKeywordValue(&unset, &blank), 1);
    EXPECT_EQ(blank.name, nullptr);
    EXPECT_EQ(blank.id, 0);
}

TEST_F(CmdTableOps, ResetCmdTableEmptiesEveryRecordOfEveryList) {
    MqscKeyword *inquireQ = Command(13);
    MqscKeyword *descr = Param(13, "DESCR"), *depth = Param(13, "CURDEPTH"), *type = Param(13, "TYPE");
    MqscKeyword *behindStop = Param(34, "CMDSCOPE");
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
        for (MqscParam *entry = (*command)->params; entry != nullptr && entry->keyword != nullptr; ++entry) {
            EXPECT_EQ(entry->keyword->isSet, 0) << entry->keyword->name;
            EXPECT_EQ(entry->keyword->value, 0) << entry->keyword->name;
        }
    }
    ResetCmdTable();  // a second reset finds nothing to release
}

// Records of two copies of the table met at the same places: the copies never share a
// record, hold the same data, and a record shared by several lists of one copy is shared
// by the same lists of the other.
class Correspondence {
public:
    void pair(MqscKeyword *mine, MqscKeyword *theirs) {
        if (mine == nullptr || theirs == nullptr) {
            EXPECT_EQ(mine, theirs);
            return;
        }
        EXPECT_NE(mine, theirs);
        EXPECT_EQ(Found(mine) + std::to_string(mine->type), Found(theirs) + std::to_string(theirs->type));
        auto [seen, added] = forward_.emplace(mine, theirs);
        EXPECT_EQ(seen->second, theirs) << mine->name;
        if (!added) return;
        for (MqscParam *a = mine->params, *b = theirs->params; a != nullptr && b != nullptr; ++a, ++b) {
            pair(a->keyword, b->keyword);
            if (a->keyword == nullptr) break;
        }
        for (MqscKeyword **a = mine->values, **b = theirs->values; a != nullptr && b != nullptr; ++a, ++b) {
            pair(*a, *b);
            if (*a == nullptr) break;
        }
    }

private:
    std::map<MqscKeyword *, MqscKeyword *> forward_;
};

TEST_F(CmdTableOps, EachThreadHasItsOwnCopyOfTheTableOfBoundedSize) {
    MqscKeyword *descr = Param(13, "DESCR");
    SetKeywordValue(descr, "main thread", 11);
    descr->isSet = 1;
    MqscKeyword **mine = GetCmdTbl();
    MqscKeyword **theirs = nullptr;
    std::size_t theirBytes = 0;
    std::thread([&] {
        theirs = GetCmdTbl();
        Correspondence copies;
        for (std::size_t i = 0; mine[i] != nullptr || theirs[i] != nullptr; ++i) copies.pair(mine[i], theirs[i]);
        MqscKeyword *theirDescr = Param(13, "DESCR");
        EXPECT_EQ(theirDescr->isSet, 0);
        EXPECT_EQ(theirDescr->value, 0);
        SetKeywordValue(theirDescr, "released when the thread ends", 29);
        theirBytes = ThreadTableBytes();
    }).join();
    EXPECT_NE(theirs, mine);
    EXPECT_STREQ(Held(*descr), "main thread");
    // The size the header gives for one thread's copy.
    EXPECT_LT(theirBytes, std::size_t{192} * 1024);
}

}  // namespace
}  // namespace zem

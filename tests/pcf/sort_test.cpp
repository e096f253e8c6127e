#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "attr_builders.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace zemtest;
using Ints = std::vector<int32_t>;
using Names = std::vector<std::string>;

TEST(SortStringList, SortsEntriesAscendingByUnsignedBytesOverTheirFullLength)
{
    const std::string longA(257, 'A'), longB(257, 'B'), overA(258, 'A'), overB(258, 'B');
    const struct { Names input; int32_t length; Names sorted; } rows[] = {
        {{"PQ", "AB", "PA"}, 2, {"AB", "PA", "PQ"}},
        // 0xE0 sorts after 'z'; a NUL byte before the blank.
        {{"\xE0x", "zz", "A ", Lit("A\0"), "B"}, 2, {Lit("A\0"), "A ", "B", "zz", "\xE0x"}},
        {{"QM3", "QM1", "QM2", "QM1", "QM9", "QM0", "QM3", "QM5", "QM1"},
         3,
         {"QM0", "QM1", "QM1", "QM1", "QM2", "QM3", "QM3", "QM5", "QM9"}},
        {{}, 4, {}},
        {{"Z"}, 1, {"Z"}},
        {{longB, longA}, 257, {longA, longB}},
        {{overB, overA}, 258, {overB, overA}},  // too long to sort: left as it is
    };
    for (const auto &row : rows) {
        Attr attr(PcfBytes().Cfsl(1, row.input, row.length).bytes());
        ASSERT_EQ(SortPcfListAttr(attr.get()), 1) << row.length;
        EXPECT_EQ(attr.data(), PcfBytes().Cfsl(1, row.sorted, row.length).bytes()) << row.length;
    }
}

// The four lists of an authority-record reply, one value of each per record.
struct Records {
    Ints ints1;
    Names names;
    int32_t nameLength;
    Ints ints2;
    Names details;
    int32_t detailLength;
    const char *ownName;
};

struct Reply {
    Attr intList1, strList1, strList2, intList2;
    AuthRecSortSet set{intList1.get(), strList1.get(), strList2.get(), intList2.get(), ""};

    explicit Reply(const Records &records)
        : intList1(PcfBytes().Cfil(1, records.ints1).bytes()),
          strList1(PcfBytes().Cfsl(2, records.names, records.nameLength).bytes()),
          strList2(PcfBytes().Cfsl(3, records.details, records.detailLength).bytes()),
          intList2(PcfBytes().Cfil(4, records.ints2).bytes())
    {
        std::snprintf(set.ownName, sizeof set.ownName, "%s", records.ownName);
    }

    // The order AuthRecSort gives; no records give no array.
    Ints Sorted()
    {
        int32_t *indices = reinterpret_cast<int32_t *>(1);
        const int32_t count = AuthRecSort(&set, &indices);
        Ints order(indices, indices + std::max(count, 0));
        EXPECT_TRUE(count > 0 || indices == nullptr);
        FreeMemory(count > 0 ? indices : nullptr);
        return order;
    }
};

TEST(AuthRecSort, KeysApplyInTurnWithSelfAsOwnNameInHeapsortOrder)
{
    const std::string name(48, 'N'), detail(64, 'D');
    const struct { const char *label; Records records; Ints order; } rows[] = {
        {"SELF sorts as the own name", {{2, 1, 1}, {"A", "B", "SELF"}, 8, {0, 0, 0}, {"", "", ""}, 4, "A"}, {2, 1, 0}},
        {"keys in turn", {{1, 1, 1, 1, 0}, {"B", "A", "A", "A", "Z"}, 4, {0, 9, 3, 3, 0}, {"X", "X", "Y", "W", "X"}, 4, ""},
         {4, 3, 2, 1, 0}},
        // All keys equal: the heapsort moves record 0 to the end ([1, 2, ..., n-1, 0]).
        {"three equal", {{5, 5, 5}, {"N", "N", "N"}, 1, {1, 1, 1}, {"D", "D", "D"}, 1, ""}, {1, 2, 0}},
        {"five equal", {{5, 5, 5, 5, 5}, {"N", "N", "N", "N", "N"}, 1, {1, 1, 1, 1, 1}, {"D", "D", "D", "D", "D"}, 1, ""},
         {1, 2, 3, 4, 0}},
        // Records 0 and 1 tie after record 2: a stable sort would give 2, 0, 1.
        {"tie", {{1, 1, 0}, {"N", "N", "N"}, 1, {0, 0, 0}, {"", "", ""}, 1, ""}, {2, 1, 0}},
        // Names compare over 48 characters, details over 64: differences beyond are ties.
        {"compared lengths",
         {{0, 0, 0}, {name + "3", name + "1", name + "2"}, 50, {0, 0, 0}, {detail + "3", detail + "1", detail + "2"}, 66, ""},
         {1, 2, 0}},
        // intList1 has one value: record 1 reads 0 and sorts first; the details list is empty.
        {"missing values count as zero or empty", {{5}, {"A", "A"}, 1, {}, {}, 1, ""}, {1, 0}},
    };
    for (const auto &row : rows) {
        Reply reply(row.records);
        EXPECT_EQ(reply.Sorted(), row.order) << row.label;
    }
}

TEST(AuthRecSort, OwnNameIsReadAtMostFortyEightCharactersAndNoRecordsGiveNoArray)
{
    Reply reply({{0, 0}, {"SELF", "ZZZ"}, 8, {0, 0}, {"", ""}, 1, ""});
    std::memset(reply.set.ownName, 'Z', sizeof reply.set.ownName);  // no terminator at all
    // The own name becomes 48 Z's, which sorts after "ZZZ     ".
    EXPECT_EQ(reply.Sorted(), (Ints{1, 0}));

    Reply empty({{}, {}, 4, {}, {}, 4, "QM1"});
    EXPECT_EQ(empty.Sorted(), Ints{});
    Reply wrong({{1}, {"A"}, 1, {1}, {"A"}, 1, "QM1"});
    wrong.set.strList1 = wrong.intList1.get();
    EXPECT_EQ(wrong.Sorted(), Ints{});
    // A valid names list of 200000 empty entries in 24 bytes: no record is held, and
    // nothing is allocated or sorted for the count it claims.
    Attr emptyEntries(Words({ZEM_MQCFT_STRING_LIST, 24, 3067, 0, 200000, 0}));
    ASSERT_EQ(IsPcfStrListAttr(emptyEntries.get()), 1);
    wrong.set.strList1 = wrong.set.strList2 = emptyEntries.get();
    EXPECT_EQ(wrong.Sorted(), Ints{});
    int32_t *indices = nullptr;
    EXPECT_EQ(AuthRecSort(nullptr, &indices), 0);
    EXPECT_EQ(AuthRecSort(&wrong.set, nullptr), 0);
}

}  // namespace

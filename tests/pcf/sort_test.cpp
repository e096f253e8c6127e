#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "attr_builders.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::Attr;
using zemtest::PcfBytes;

// --- string-list sort ----------------------------------------------------------------

TEST(SortStringList, SortsEntriesAscendingByBytes)
{
    Attr attr(PcfBytes().Cfsl(1, {"PQ", "AB", "PA"}, 2).bytes());
    ASSERT_EQ(SortPcfListAttr(attr.get()), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Cfsl(1, {"AB", "PA", "PQ"}, 2).bytes());
}

TEST(SortStringList, ComparesFullLengthIncludingBytesAboveSeventyF)
{
    // Unsigned byte order: 0xE0 sorts after 'z'; a NUL byte before the blank.
    Attr attr(PcfBytes().Cfsl(1, {"\xE0x", "zz", "A ", std::string("A\0", 2), "B"}, 2).bytes());
    ASSERT_EQ(SortPcfListAttr(attr.get()), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Cfsl(1, {std::string("A\0", 2), "A ", "B", "zz", "\xE0x"}, 2).bytes());
}

TEST(SortStringList, DuplicatesAndLongerListsEndSorted)
{
    const std::vector<std::string> input = {"QM3", "QM1", "QM2", "QM1", "QM9", "QM0", "QM3", "QM5", "QM1"};
    Attr attr(PcfBytes().Cfsl(7, input, 3).bytes());
    ASSERT_EQ(SortPcfListAttr(attr.get()), 1);
    EXPECT_EQ(attr.data(),
              PcfBytes().Cfsl(7, {"QM0", "QM1", "QM1", "QM1", "QM2", "QM3", "QM3", "QM5", "QM9"}, 3).bytes());
}

TEST(SortStringList, LeavesEmptySingleAndOverlongListsAsTheyAre)
{
    Attr empty(PcfBytes().Cfsl(1, {}, 4).bytes());
    ASSERT_EQ(SortPcfListAttr(empty.get()), 1);
    EXPECT_EQ(empty.data(), PcfBytes().Cfsl(1, {}, 4).bytes());
    Attr single(PcfBytes().Cfsl(1, {"Z"}, 1).bytes());
    ASSERT_EQ(SortPcfListAttr(single.get()), 1);
    EXPECT_EQ(single.data(), PcfBytes().Cfsl(1, {"Z"}, 1).bytes());
    Attr longest(PcfBytes().Cfsl(1, {std::string(257, 'B'), std::string(257, 'A')}, 257).bytes());
    ASSERT_EQ(SortPcfListAttr(longest.get()), 1);
    EXPECT_EQ(longest.data(), PcfBytes().Cfsl(1, {std::string(257, 'A'), std::string(257, 'B')}, 257).bytes());
    const std::string overlong = PcfBytes().Cfsl(1, {std::string(258, 'B'), std::string(258, 'A')}, 258).bytes();
    Attr tooLong(overlong);
    ASSERT_EQ(SortPcfListAttr(tooLong.get()), 1);
    EXPECT_EQ(tooLong.data(), overlong);
}

TEST(SortStringList, RefusesOtherTypes)
{
    const std::string list = PcfBytes().Excfbl(1, {"b", "a"}, 1).bytes();
    Attr bytes(list);
    EXPECT_EQ(SortPcfListAttr(bytes.get()), 0);
    EXPECT_EQ(bytes.data(), list);
    Attr longer(PcfBytes().Cfsl(1, {"b", "a"}, 1).bytes() + std::string(4, '\0'));
    EXPECT_EQ(SortPcfListAttr(longer.get()), 0);
    EXPECT_EQ(SortPcfListAttr(nullptr), 0);
}

// --- authority-record sort -----------------------------------------------------------

// The four lists of an authority-record reply, one value of each per record.
struct Reply {
    Attr intList1, strList1, strList2, intList2;
    AuthRecSortSet set{};

    Reply(const std::vector<int32_t> &ints1, const std::vector<std::string> &names, int32_t nameLength,
          const std::vector<int32_t> &ints2, const std::vector<std::string> &details, int32_t detailLength,
          const char *ownName)
        : intList1(PcfBytes().Cfil(1, ints1).bytes()),
          strList1(PcfBytes().Cfsl(2, names, nameLength).bytes()),
          strList2(PcfBytes().Cfsl(3, details, detailLength).bytes()),
          intList2(PcfBytes().Cfil(4, ints2).bytes())
    {
        set.intList1 = intList1.get();
        set.strList1 = strList1.get();
        set.strList2 = strList2.get();
        set.intList2 = intList2.get();
        std::snprintf(set.ownName, sizeof set.ownName, "%s", ownName);
    }

    std::vector<int32_t> Sorted()
    {
        int32_t *indices = reinterpret_cast<int32_t *>(1);
        const int32_t count = AuthRecSort(&set, &indices);
        std::vector<int32_t> order;
        if (count > 0) {
            order.assign(indices, indices + count);
            FreeMemory(indices);
        } else {
            EXPECT_EQ(indices, nullptr);
        }
        return order;
    }
};

TEST(AuthRecSort, SelfEntrySortsAsOwnName)
{
    Reply reply({2, 1, 1}, {"A", "B", "SELF"}, 8, {0, 0, 0}, {"", "", ""}, 4, "A");
    EXPECT_EQ(reply.Sorted(), (std::vector<int32_t>{2, 1, 0}));
}

TEST(AuthRecSort, KeysApplyInTurn)
{
    Reply reply({1, 1, 1, 1, 0}, {"B", "A", "A", "A", "Z"}, 4, {0, 9, 3, 3, 0}, {"X", "X", "Y", "W", "X"}, 4, "");
    EXPECT_EQ(reply.Sorted(), (std::vector<int32_t>{4, 3, 2, 1, 0}));
}

TEST(AuthRecSort, EqualRecordsEndInHeapsortOrder)
{
    // All keys equal: the heapsort moves record 0 to the end ([1, 2, ..., n-1, 0]).
    Reply three({5, 5, 5}, {"N", "N", "N"}, 1, {1, 1, 1}, {"D", "D", "D"}, 1, "");
    EXPECT_EQ(three.Sorted(), (std::vector<int32_t>{1, 2, 0}));
    Reply five({5, 5, 5, 5, 5}, {"N", "N", "N", "N", "N"}, 1, {1, 1, 1, 1, 1}, {"D", "D", "D", "D", "D"}, 1, "");
    EXPECT_EQ(five.Sorted(), (std::vector<int32_t>{1, 2, 3, 4, 0}));
    // Records 0 and 1 tie after record 2: a stable sort would give 2, 0, 1.
    Reply tie({1, 1, 0}, {"N", "N", "N"}, 1, {0, 0, 0}, {"", "", ""}, 1, "");
    EXPECT_EQ(tie.Sorted(), (std::vector<int32_t>{2, 1, 0}));
}

TEST(AuthRecSort, NamesCompareOverFortyEightAndDetailsOverSixtyFourCharacters)
{
    const std::string name(48, 'N');
    const std::string detail(64, 'D');
    // Differences beyond the compared lengths leave the records equal: heapsort order.
    Reply reply({0, 0, 0}, {name + "3", name + "1", name + "2"}, 50, {0, 0, 0},
                {detail + "3", detail + "1", detail + "2"}, 66, "");
    EXPECT_EQ(reply.Sorted(), (std::vector<int32_t>{1, 2, 0}));
}

TEST(AuthRecSort, MissingValuesCountAsZeroOrEmpty)
{
    // intList1 has one value: record 1 reads 0 and sorts first; the details list is empty.
    Reply reply({5}, {"A", "A"}, 1, {}, {}, 1, "");
    EXPECT_EQ(reply.Sorted(), (std::vector<int32_t>{1, 0}));
}

TEST(AuthRecSort, OwnNameIsReadAtMostFortyEightCharacters)
{
    Reply reply({0, 0}, {"SELF", "ZZZ"}, 8, {0, 0}, {"", ""}, 1, "");
    std::memset(reply.set.ownName, 'Z', sizeof reply.set.ownName);  // no terminator at all
    // The own name becomes 48 Z's, which sorts after "ZZZ     ".
    EXPECT_EQ(reply.Sorted(), (std::vector<int32_t>{1, 0}));
}

TEST(AuthRecSort, NoRecordsGivesZeroAndNoArray)
{
    Reply empty({}, {}, 4, {}, {}, 4, "QM1");
    EXPECT_EQ(empty.Sorted(), std::vector<int32_t>{});
    Reply wrong({1}, {"A"}, 1, {1}, {"A"}, 1, "QM1");
    wrong.set.strList1 = wrong.intList1.get();
    EXPECT_EQ(wrong.Sorted(), std::vector<int32_t>{});
    int32_t *indices = nullptr;
    EXPECT_EQ(AuthRecSort(nullptr, &indices), 0);
    EXPECT_EQ(AuthRecSort(&wrong.set, nullptr), 0);
}

}  // namespace

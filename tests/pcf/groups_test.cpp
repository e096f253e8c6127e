#include <gtest/gtest.h>

#include <string>

#include "attr_builders.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace zemtest;

// The member GetGroupAttrByPos or GetGroupAttrByID copies out, or "refused".
std::string MemberAt(MESSAGE *group, int32_t pos)
{
    Attr out;
    return GetGroupAttrByPos(pos, out.get(), group) ? out.data() : "refused";
}

std::string MemberWithId(MESSAGE *group, int32_t id)
{
    Attr out;
    return GetGroupAttrByID(id, out.get(), group) ? out.data() : "refused";
}

TEST(Group, CreateAndAppendCountMembersTakingGroupsAndViewsWhole)
{
    Attr group, integer, string;
    ASSERT_EQ(CreatePcfGroupAttr(group.get(), 8000), 1);
    EXPECT_EQ(group.data(), Words({20, 16, 8000, 0}));
    ASSERT_EQ(CreatePcfIntAttr(integer.get(), 1, 5), 1);
    ASSERT_EQ(CreatePcfStrAttr(string.get(), 2, "XYZ"), 1);
    ASSERT_EQ(AppendAttrToGroup(group.get(), integer.get()), 1);
    ASSERT_EQ(AppendAttrToGroup(group.get(), string.get()), 1);
    EXPECT_EQ(group.data(), PcfBytes().Cfgr(8000, 2).Cfin(1, 5).Cfst(2, "XYZ").bytes());
    int32_t count = 0;
    ASSERT_EQ(GetPcfGroupAttrCounter(group.get(), &count), 1);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(AppendAttrToGroup(integer.get(), string.get()), 0);
    EXPECT_EQ(integer.data(), PcfBytes().Cfin(1, 5).bytes());

    Attr outer;
    ASSERT_EQ(CreatePcfGroupAttr(outer.get(), 7), 1);
    ASSERT_EQ(AppendAttrToGroup(outer.get(), group.get()), 1);
    View view(PcfBytes().Cfst(5, "V").bytes());
    ASSERT_EQ(AppendAttrToGroup(outer.get(), view.get()), 1);
    EXPECT_EQ(outer.data(), PcfBytes().Cfgr(7, 2).Cfgr(8000, 2).Cfin(1, 5).Cfst(2, "XYZ").Cfst(5, "V").bytes());
}

TEST(Group, ByPositionAndByIdCopyOneMemberSteppingOverNestedGroupsWhole)
{
    Attr group(PcfBytes().Cfgr(8000, 2).Cfin(1, 5).Cfst(2, "XYZ").bytes()), out;
    EXPECT_EQ(MemberAt(group.get(), 1), PcfBytes().Cfst(2, "XYZ").bytes());
    EXPECT_EQ(MemberWithId(group.get(), 1), PcfBytes().Cfin(1, 5).bytes());
    ASSERT_EQ(GetGroupAttrByPos(-3, out.get(), group.get()), 1);
    EXPECT_EQ(IsPcfIntAttr(out.get()), 1);
    EXPECT_EQ(out.data(), PcfBytes().Cfin(1, 5).bytes());
    EXPECT_EQ(GetGroupAttrByPos(2, out.get(), group.get()), 0);
    EXPECT_EQ(out.data(), PcfBytes().Cfin(1, 5).bytes()) << "out stays untouched";
    EXPECT_EQ(GetGroupAttrByID(99, out.get(), group.get()), 0);
    EXPECT_EQ(out->Used, 136) << "by id resets out first";

    Attr empty(PcfBytes().Cfgr(1, 0).bytes());
    Attr kept(PcfBytes().Cfin(9, 9).bytes());
    EXPECT_EQ(GetGroupAttrByPos(0, kept.get(), empty.get()), 0);
    EXPECT_EQ(kept.data(), PcfBytes().Cfin(9, 9).bytes());
    EXPECT_EQ(GetGroupAttrByID(9, kept.get(), empty.get()), 0);

    // {MQCFIN 1, group 2 {MQCFST 3, group 4 {MQCFIN 5}}, MQCFIN64 6}
    const std::string inner = PcfBytes().Cfgr(2, 2).Cfst(3, "ABC").Cfgr(4, 1).Cfin(5, 55).bytes();
    Attr outer(PcfBytes().Cfgr(100, 3).Cfin(1, 11).Raw(inner).Cfin64(6, 66).bytes());
    EXPECT_EQ(MemberAt(outer.get(), 1), inner);
    EXPECT_EQ(MemberAt(outer.get(), 2), PcfBytes().Cfin64(6, 66).bytes());
    EXPECT_EQ(MemberWithId(outer.get(), 6), PcfBytes().Cfin64(6, 66).bytes());
    EXPECT_EQ(MemberWithId(outer.get(), 5), "refused") << "members of nested groups are not searched";
    // The copy is itself a group whose members can be taken in turn.
    ASSERT_EQ(GetGroupAttrByID(2, out.get(), outer.get()), 1);
    EXPECT_EQ(out.data(), inner);
    EXPECT_EQ(MemberAt(out.get(), 1), PcfBytes().Cfgr(4, 1).Cfin(5, 55).bytes());
}

TEST(Group, DeepNestingIsWalkedWithoutRecursion)
{
    constexpr int kDepth = 20000;
    PcfBytes bytes;
    bytes.Cfgr(0, 2);
    for (int i = 1; i < kDepth; ++i)
        bytes.Cfgr(i, 1);
    Attr group(bytes.Cfin(kDepth, 1).Cfin(kDepth + 1, 2).bytes());
    EXPECT_EQ(MemberAt(group.get(), 1), PcfBytes().Cfin(kDepth + 1, 2).bytes());
}

TEST(Group, MalformedMembersFailInsteadOfReadingPastTheGroup)
{
    const struct { const char *label; std::string group; int32_t pos, id; } rows[] = {
        {"member shorter than its head", PcfBytes().Cfgr(1, 2).Words({3, 4, 0, 0}).Cfin(2, 2).bytes(), 1, 2},
        {"member beyond the group's data", PcfBytes().Cfgr(1, 1).Words({3, 32, 7, 7}).bytes(), 0, 7},
        {"members missing", PcfBytes().Cfgr(1, 3).Cfin(2, 2).bytes(), 1, 9},
        {"nested group short of members", PcfBytes().Cfgr(1, 2).Cfgr(2, 5).Cfin(3, 3).Cfin(4, 4).bytes(), 1, 9},
        {"group envelope shorter than its header", Words({20, 16, 1}), 0, 1},
    };
    Attr out;
    for (const auto &row : rows) {
        Attr group(row.group);
        EXPECT_EQ(GetGroupAttrByPos(row.pos, out.get(), group.get()), 0) << row.label;
        EXPECT_EQ(GetGroupAttrByID(row.id, out.get(), group.get()), 0) << row.label;
    }
    Attr group(rows[3].group);
    EXPECT_EQ(GetGroupAttrByPos(0, nullptr, group.get()), 0);
    EXPECT_EQ(GetGroupAttrByPos(0, out.get(), nullptr), 0);
}

}  // namespace

#include <gtest/gtest.h>

#include <string>

#include "attr_builders.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::Attr;
using zemtest::PcfBytes;

// A group {MQCFIN 1, group 2 {MQCFST 3, group 4 {MQCFIN 5}}, MQCFIN64 6}.
std::string NestedGroup()
{
    return PcfBytes()
        .Cfgr(100, 3)
        .Cfin(1, 11)
        .Cfgr(2, 2)
        .Cfst(3, "ABC")
        .Cfgr(4, 1)
        .Cfin(5, 55)
        .Cfin64(6, 66)
        .bytes();
}

std::string InnerGroup() { return PcfBytes().Cfgr(2, 2).Cfst(3, "ABC").Cfgr(4, 1).Cfin(5, 55).bytes(); }

TEST(Group, CreateAndAppendCountMembers)
{
    Attr group, integer, string;
    ASSERT_EQ(CreatePcfGroupAttr(group.get(), 8000), 1);
    EXPECT_EQ(group.data(), PcfBytes().Words({20, 16, 8000, 0}).bytes());
    ASSERT_EQ(CreatePcfIntAttr(integer.get(), 1, 5), 1);
    ASSERT_EQ(CreatePcfStrAttr(string.get(), 2, "XYZ"), 1);
    ASSERT_EQ(AppendAttrToGroup(group.get(), integer.get()), 1);
    ASSERT_EQ(AppendAttrToGroup(group.get(), string.get()), 1);
    EXPECT_EQ(group.data(), PcfBytes().Cfgr(8000, 2).Cfin(1, 5).Cfst(2, "XYZ").bytes());
    int32_t count = 0;
    ASSERT_EQ(GetPcfGroupAttrCounter(group.get(), &count), 1);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(IsPcfGroupAttr(group.get()), 1);
    EXPECT_EQ(IsPcfGroupAttr(integer.get()), 0);
    EXPECT_EQ(AppendAttrToGroup(integer.get(), string.get()), 0);
    EXPECT_EQ(integer.data(), PcfBytes().Cfin(1, 5).bytes());
    EXPECT_EQ(GetPcfGroupAttrCounter(integer.get(), &count), 0);
}

TEST(Group, AppendsAGroupAndAViewWhole)
{
    Attr outer, inner, integer;
    ASSERT_EQ(CreatePcfGroupAttr(outer.get(), 1), 1);
    ASSERT_EQ(CreatePcfGroupAttr(inner.get(), 2), 1);
    ASSERT_EQ(CreatePcfIntAttr(integer.get(), 3, 4), 1);
    ASSERT_EQ(AppendAttrToGroup(inner.get(), integer.get()), 1);
    ASSERT_EQ(AppendAttrToGroup(outer.get(), inner.get()), 1);
    zemtest::View view(PcfBytes().Cfst(5, "V").bytes());
    ASSERT_EQ(AppendAttrToGroup(outer.get(), view.get()), 1);
    EXPECT_EQ(outer.data(), PcfBytes().Cfgr(1, 2).Cfgr(2, 1).Cfin(3, 4).Cfst(5, "V").bytes());
}

TEST(Group, ByPositionAndByIdCopyOneMember)
{
    Attr group(PcfBytes().Cfgr(8000, 2).Cfin(1, 5).Cfst(2, "XYZ").bytes());
    Attr out;
    ASSERT_EQ(GetGroupAttrByPos(1, out.get(), group.get()), 1);
    EXPECT_EQ(out.data(), PcfBytes().Cfst(2, "XYZ").bytes());
    EXPECT_EQ(IsPcfStrAttr(out.get()), 1);
    ASSERT_EQ(GetGroupAttrByPos(-3, out.get(), group.get()), 1);
    EXPECT_EQ(out.data(), PcfBytes().Cfin(1, 5).bytes());
    EXPECT_EQ(GetGroupAttrByPos(2, out.get(), group.get()), 0);
    EXPECT_EQ(out.data(), PcfBytes().Cfin(1, 5).bytes()) << "out stays untouched";
    ASSERT_EQ(GetGroupAttrByID(1, out.get(), group.get()), 1);
    EXPECT_EQ(out.data(), PcfBytes().Cfin(1, 5).bytes());
    EXPECT_EQ(GetGroupAttrByID(99, out.get(), group.get()), 0);
    EXPECT_EQ(out->Used, 136) << "by id resets out first";
}

TEST(Group, EmptyGroupHasNoMemberToGive)
{
    Attr group(PcfBytes().Cfgr(1, 0).bytes());
    Attr out(PcfBytes().Cfin(9, 9).bytes());
    EXPECT_EQ(GetGroupAttrByPos(0, out.get(), group.get()), 0);
    EXPECT_EQ(out.data(), PcfBytes().Cfin(9, 9).bytes());
    EXPECT_EQ(GetGroupAttrByID(9, out.get(), group.get()), 0);
}

TEST(Group, NestedGroupMemberComesWholeAndIsSteppedOver)
{
    Attr group(NestedGroup());
    Attr out;
    ASSERT_EQ(GetGroupAttrByPos(1, out.get(), group.get()), 1);
    EXPECT_EQ(out.data(), InnerGroup());
    ASSERT_EQ(GetGroupAttrByPos(2, out.get(), group.get()), 1);
    EXPECT_EQ(out.data(), PcfBytes().Cfin64(6, 66).bytes());
    ASSERT_EQ(GetGroupAttrByID(6, out.get(), group.get()), 1);
    EXPECT_EQ(out.data(), PcfBytes().Cfin64(6, 66).bytes());
    ASSERT_EQ(GetGroupAttrByID(2, out.get(), group.get()), 1);
    EXPECT_EQ(out.data(), InnerGroup());
    // The copy is itself a group whose members can be taken in turn.
    Attr deeper;
    ASSERT_EQ(GetGroupAttrByPos(1, deeper.get(), out.get()), 1);
    EXPECT_EQ(deeper.data(), PcfBytes().Cfgr(4, 1).Cfin(5, 55).bytes());
    EXPECT_EQ(GetGroupAttrByID(5, out.get(), group.get()), 0) << "members of nested groups are not searched";
}

TEST(Group, DeepNestingIsWalkedWithoutRecursion)
{
    constexpr int kDepth = 20000;
    PcfBytes bytes;
    bytes.Cfgr(0, 2);
    for (int i = 1; i < kDepth; ++i)
        bytes.Cfgr(i, 1);
    bytes.Cfin(kDepth, 1);
    bytes.Cfin(kDepth + 1, 2);
    Attr group(bytes.bytes());
    Attr out;
    ASSERT_EQ(GetGroupAttrByPos(1, out.get(), group.get()), 1);
    EXPECT_EQ(out.data(), PcfBytes().Cfin(kDepth + 1, 2).bytes());
}

TEST(Group, MalformedMembersFailInsteadOfReadingPastTheGroup)
{
    Attr out;
    // A member shorter than Type and StrucLength.
    Attr tiny(PcfBytes().Cfgr(1, 2).Words({3, 4, 0, 0}).Cfin(2, 2).bytes());
    EXPECT_EQ(GetGroupAttrByPos(1, out.get(), tiny.get()), 0);
    EXPECT_EQ(GetGroupAttrByID(2, out.get(), tiny.get()), 0);
    // A member whose StrucLength reaches past the group's used data.
    Attr beyond(PcfBytes().Cfgr(1, 1).Words({3, 32, 7, 7}).bytes());
    EXPECT_EQ(GetGroupAttrByPos(0, out.get(), beyond.get()), 0);
    EXPECT_EQ(GetGroupAttrByID(7, out.get(), beyond.get()), 0);
    // More members announced than present.
    Attr missing(PcfBytes().Cfgr(1, 3).Cfin(2, 2).bytes());
    EXPECT_EQ(GetGroupAttrByPos(1, out.get(), missing.get()), 0);
    EXPECT_EQ(GetGroupAttrByID(9, out.get(), missing.get()), 0);
    // A nested group announcing members it does not carry.
    Attr nested(PcfBytes().Cfgr(1, 2).Cfgr(2, 5).Cfin(3, 3).Cfin(4, 4).bytes());
    EXPECT_EQ(GetGroupAttrByPos(1, out.get(), nested.get()), 0);
    // A group envelope too short for its own header.
    Attr stub(PcfBytes().Words({20, 16, 1}).bytes());
    EXPECT_EQ(GetGroupAttrByPos(0, out.get(), stub.get()), 0);
    EXPECT_EQ(GetGroupAttrByPos(0, nullptr, nested.get()), 0);
    EXPECT_EQ(GetGroupAttrByPos(0, out.get(), nullptr), 0);
}

TEST(Group, ContainerKeepsParametersAfterNestedGroup)
{
    zemtest::PcfPtr pcf(CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 0));
    Attr group(NestedGroup());
    Attr last;
    ASSERT_EQ(CreatePcfIntAttr(last.get(), 7, 77), 1);
    ASSERT_EQ(AppendAttr(pcf.get(), group.get()), 1);
    ASSERT_EQ(AppendAttr(pcf.get(), last.get()), 1);
    ASSERT_EQ(RawToPcf(pcf.get()), 1);
    Attr out;
    ASSERT_EQ(GetAttrByPos(1, out.get(), pcf.get()), 1);
    EXPECT_EQ(out.data(), NestedGroup());
    ASSERT_EQ(GetAttrByPos(2, out.get(), pcf.get()), 1);
    EXPECT_EQ(out.data(), PcfBytes().Cfin(7, 77).bytes());
}

}  // namespace

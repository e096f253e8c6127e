#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "capture.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::CaptureStdout;
using zemtest::ContainerHolding;
using zemtest::DataOf;
using zemtest::MaskTimes;
using zemtest::PcfBytes;
using zemtest::PcfPtr;
using zemtest::ViewBytes;

// An owning envelope holding one structure, deleted at scope end.
struct Attr {
    explicit Attr(const std::string &bytes) : msg(zemtest::EnvelopeHolding(bytes)) {}
    ~Attr() { DeleteMessage(&msg); }
    MESSAGE msg;
};

// An output envelope for the GetAttrBy* calls.
struct Out {
    Out() { CreateMessage(&msg, 0); }
    ~Out() { DeleteMessage(&msg); }
    std::string data() const { return DataOf(msg); }
    MESSAGE msg{};
};

int32_t ParameterCount(PcfMessage &pcf)
{
    int32_t count = 0;
    std::memcpy(&count, pcf.PcfMsg.pData + 32, sizeof count);
    return count;
}

TEST(PcfIndex, FreshContainerIndexesOnlyItsHeader)
{
    PcfPtr pcf(CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 0));
    ASSERT_TRUE(pcf);
    Out out;
    ASSERT_EQ(GetAttrByPos(0, &out.msg, pcf.get()), 1);
    EXPECT_EQ(out.data(), PcfBytes().Cfh(1, 13, 0).bytes());
    EXPECT_EQ(GetAttrByPos(1, &out.msg, pcf.get()), 0);
    EXPECT_EQ(out.msg.Used, 136);  // emptied even though the call failed
    EXPECT_EQ(GetAttrByPos(-1, &out.msg, pcf.get()), 0);
    EXPECT_EQ(GetAttrByID(13, &out.msg, pcf.get()), 0);
}

TEST(PcfIndex, AppendedParameterIsIndexedAtOnceAndViewsFollowTheMovedArea)
{
    PcfPtr pcf(CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 0));  // no room: every append moves
    std::string first = PcfBytes().Cfst(2016, "APP.QUEUE").bytes();
    std::string second = PcfBytes().Cfin(20, 1).bytes();
    {
        Attr attr(first);
        ASSERT_EQ(AppendAttr(pcf.get(), &attr.msg), 1);
    }
    {
        Attr attr(second);
        ASSERT_EQ(AppendAttr(pcf.get(), &attr.msg), 1);
    }
    EXPECT_EQ(ParameterCount(*pcf), 2);
    EXPECT_EQ(pcf->pCfh, reinterpret_cast<ZEM_MQCFH *>(pcf->PcfMsg.pData));
    // The views point into the current data area (ASan would catch a released one).
    EXPECT_EQ(pcf->AttrIndex[0].pData, pcf->PcfMsg.pData);
    EXPECT_EQ(ViewBytes(pcf->AttrIndex[0]), PcfBytes().Cfh(1, 13, 2).bytes());
    EXPECT_EQ(ViewBytes(pcf->AttrIndex[1]), first);
    EXPECT_EQ(ViewBytes(pcf->AttrIndex[2]), second);

    Out out;
    ASSERT_EQ(GetAttrByPos(2, &out.msg, pcf.get()), 1);
    EXPECT_EQ(out.data(), second);
    ASSERT_EQ(GetAttrByID(2016, &out.msg, pcf.get()), 1);
    EXPECT_EQ(out.data(), first);

    // Indexing afterwards finds the same.
    int32_t used = pcf->PcfMsg.Used;
    ASSERT_EQ(RawToPcf(pcf.get()), 1);
    EXPECT_EQ(pcf->PcfMsg.Used, used);
    EXPECT_EQ(ViewBytes(pcf->AttrIndex[1]), first);
    EXPECT_EQ(ViewBytes(pcf->AttrIndex[2]), second);
    EXPECT_EQ(DataOf(*pcf), PcfBytes().Cfh(1, 13, 2).Raw(first).Raw(second).bytes());
}

TEST(PcfIndex, AppendRaisesTheHeaderVersionForByteStringsAndFilters)
{
    struct Case {
        std::string attr;
        int32_t from;
        int32_t to;
    };
    const Case cases[] = {
        {PcfBytes().Cfbs(7006, "ab").bytes(), 1, 2},
        {PcfBytes().Cfbs(7006, "ab").bytes(), 3, 3},
        {PcfBytes().Cfif(20, 1, 2).bytes(), 1, 3},
        {PcfBytes().Cfsf(2016, 1, "A*").bytes(), 2, 3},
        {PcfBytes().Cfbf(7006, 1, "x").bytes(), 1, 3},
        {PcfBytes().Cfin(20, 1).bytes(), 1, 1},
        {PcfBytes().Cfst(2016, "Q").bytes(), 2, 2},
    };
    for (const auto &c : cases) {
        PcfPtr pcf(CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 64));
        pcf->pCfh->Version = c.from;
        Attr attr(c.attr);
        ASSERT_EQ(AppendAttr(pcf.get(), &attr.msg), 1);
        EXPECT_EQ(pcf->pCfh->Version, c.to) << c.from;
    }
}

TEST(PcfIndex, AppendRefusesWhatCannotBeAParameter)
{
    PcfPtr pcf(CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 64));
    Attr tiny(std::string(4, '\0'));
    EXPECT_EQ(AppendAttr(pcf.get(), &tiny.msg), 0);
    MESSAGE view{};
    view.pData = pcf->PcfMsg.pData;
    view.Used = 36;  // a view has no header in its Used
    EXPECT_EQ(AppendAttr(pcf.get(), &view), 0);
    EXPECT_EQ(AppendAttr(pcf.get(), nullptr), 0);
    Attr good(PcfBytes().Cfin(1, 1).bytes());
    EXPECT_EQ(AppendAttr(nullptr, &good.msg), 0);
    EXPECT_EQ(DataOf(*pcf), PcfBytes().Cfh(1, 13, 0).bytes());
}

TEST(PcfIndex, HundredFortyNineParametersAreIndexedInFull)
{
    PcfBytes message;
    message.Cfh(2, 13, 149);
    for (int i = 1; i <= 149; ++i)
        message.Cfin(i, i * 10);
    PcfPtr pcf = ContainerHolding(message.bytes());
    std::string printed = CaptureStdout([&] { EXPECT_EQ(RawToPcf(pcf.get()), 1); });
    EXPECT_EQ(printed, "");
    Out out;
    ASSERT_EQ(GetAttrByPos(149, &out.msg, pcf.get()), 1);
    EXPECT_EQ(out.data(), PcfBytes().Cfin(149, 1490).bytes());
    int32_t pos = 0;
    ASSERT_EQ(GetAttrByIDRetPos(77, &out.msg, pcf.get(), &pos), 1);
    EXPECT_EQ(pos, 77);
    EXPECT_EQ(out.data(), PcfBytes().Cfin(77, 770).bytes());
}

TEST(PcfIndex, MoreThan149ParametersAreCutWithAMessage)
{
    for (int32_t count : {150, 151, 400}) {
        SCOPED_TRACE(count);
        PcfBytes message;
        message.Cfh(2, 13, count);
        for (int i = 1; i <= count; ++i)
            message.Cfin(i, i);
        PcfPtr pcf = ContainerHolding(message.bytes());
        std::string printed = CaptureStdout([&] { EXPECT_EQ(RawToPcf(pcf.get()), 1); });
        EXPECT_EQ(MaskTimes(printed), "\nTT:TT:TT PcfMessage::RawToPcf(line# 1279) PCF(13) excessive attributes truncated from " +
                                          std::to_string(count + 1) + " to 150\n");
        EXPECT_EQ(ParameterCount(*pcf), 149);
        EXPECT_EQ(pcf->PcfMsg.Used, 136 + 36 + 149 * 16);
        Out out;
        EXPECT_EQ(GetAttrByPos(149, &out.msg, pcf.get()), 1);
        EXPECT_EQ(GetAttrByPos(150, &out.msg, pcf.get()), 0);
        EXPECT_EQ(GetAttrByID(150, &out.msg, pcf.get()), 0);
    }
}

TEST(PcfIndex, AppendStopsOnlyAtAHundredFifty)
{
    PcfPtr pcf(CreatePcfMessage(13, ZEM_MQCFT_RESPONSE, 0));
    Attr attr(PcfBytes().Cfin(5, 5).bytes());
    for (int i = 0; i < 150; ++i)
        ASSERT_EQ(AppendAttr(pcf.get(), &attr.msg), 1) << i;
    EXPECT_EQ(AppendAttr(pcf.get(), &attr.msg), 0);
    EXPECT_EQ(ParameterCount(*pcf), 150);
    // The 150th has no index entry: position 150 is never read, whatever the count says.
    Out out;
    EXPECT_EQ(GetAttrByPos(150, &out.msg, pcf.get()), 0);
    EXPECT_EQ(GetAttrByPos(149, &out.msg, pcf.get()), 1);
    std::string printed = CaptureStdout([&] { EXPECT_EQ(RawToPcf(pcf.get()), 1); });
    EXPECT_EQ(MaskTimes(printed),
              "\nTT:TT:TT PcfMessage::RawToPcf(line# 1279) PCF(13) excessive attributes truncated from 151 to 150\n");
    EXPECT_EQ(ParameterCount(*pcf), 149);
    EXPECT_EQ(pcf->PcfMsg.Used, 136 + 36 + 149 * 16);
}

TEST(PcfIndex, PositionAbove149IsNeverReadEvenWhenTheCountIsStale)
{
    PcfBytes message;
    message.Cfh(2, 13, 2).Cfin(1, 1).Cfin(2, 2);
    PcfPtr pcf = ContainerHolding(message.bytes());
    ASSERT_EQ(RawToPcf(pcf.get()), 1);
    pcf->pCfh->ParameterCount = 1000;  // written by hand, not indexed
    Out out;
    for (int32_t pos : {150, 151, 999, 1000})
        EXPECT_EQ(GetAttrByPos(pos, &out.msg, pcf.get()), 0) << pos;
    EXPECT_EQ(GetAttrByPos(3, &out.msg, pcf.get()), 0);  // cleared entry
    EXPECT_EQ(GetAttrByID(999, &out.msg, pcf.get()), 0);
}

TEST(PcfIndex, GroupEntryCoversItsMembers)
{
    std::string group = PcfBytes().Cfgr(8011, 2).Cfin(3, 1).Cfst(2016, "ABCDE").bytes();
    std::string after = PcfBytes().Cfin(20, 1).bytes();
    PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, 2).bytes() + group + after);
    ASSERT_EQ(RawToPcf(pcf.get()), 1);
    EXPECT_EQ(pcf->AttrIndex[1].Used, 16 + 16 + 28);
    EXPECT_EQ(pcf->AttrIndex[1].Size, 16 + 16 + 28);
    EXPECT_EQ(ViewBytes(pcf->AttrIndex[2]), after);
    Out out;
    ASSERT_EQ(GetAttrByPos(1, &out.msg, pcf.get()), 1);
    EXPECT_EQ(out.data(), group);
    // Members are not searched by id, the group's own Parameter is.
    EXPECT_EQ(GetAttrByID(3, &out.msg, pcf.get()), 0);
    ASSERT_EQ(GetAttrByID(8011, &out.msg, pcf.get()), 1);
    EXPECT_EQ(out.data(), group);
}

TEST(PcfIndex, NestedGroupsCountWithAllTheirMembers)
{
    // Group A holds group B (two integers) and a string; B's members belong to A's entry.
    std::string nested = PcfBytes()
                             .Cfgr(8011, 2)
                             .Cfgr(8012, 2)
                             .Cfin(1, 1)
                             .Cfin(2, 2)
                             .Cfst(2016, "Q")
                             .bytes();
    // Three levels, the innermost empty, then a group whose last member is a group.
    std::string deep = PcfBytes()
                           .Cfgr(8001, 1)
                           .Cfgr(8002, 1)
                           .Cfgr(8003, 0)
                           .bytes();
    std::string tailGroup = PcfBytes().Cfgr(8004, 2).Cfin(4, 4).Cfgr(8005, 1).Cfin(5, 5).bytes();
    std::string last = PcfBytes().Cfin(20, 7).bytes();
    PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, 4).bytes() + nested + deep + tailGroup + last);
    ASSERT_EQ(RawToPcf(pcf.get()), 1);
    EXPECT_EQ(pcf->AttrIndex[1].Used, 16 + 16 + 16 + 16 + 24);
    EXPECT_EQ(ViewBytes(pcf->AttrIndex[1]), nested);
    EXPECT_EQ(ViewBytes(pcf->AttrIndex[2]), deep);
    EXPECT_EQ(ViewBytes(pcf->AttrIndex[3]), tailGroup);
    EXPECT_EQ(ViewBytes(pcf->AttrIndex[4]), last);
    EXPECT_EQ(pcf->PcfMsg.Used, 136 + 36 + static_cast<int32_t>(nested.size() + deep.size() + tailGroup.size() + 16));
}

TEST(PcfIndex, GroupAnnouncingMoreMembersUnderflowsWithADump)
{
    PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, 1).Cfgr(7, 3).Cfin(1, 0x41424344).bytes());
    int32_t used = pcf->PcfMsg.Used;
    std::string printed = CaptureStdout([&] { EXPECT_EQ(RawToPcf(pcf.get()), 0); });
    EXPECT_EQ(MaskTimes(printed),
              "TT:TT:TT PcfMessage::RawToPcfGroup(line# 1170) Input buffer underflow\n"
              "00000000:  . . . . . . . . . . . . . . . .     14 00 00 00 10 00 00 00 07 00 00 00 03 00 00 00 \n"
              "00000010:  . . . . . . . . . . . . D C B A     03 00 00 00 10 00 00 00 01 00 00 00 44 43 42 41 \n");
    EXPECT_EQ(pcf->PcfMsg.Used, used);  // a failed indexing leaves Used alone
}

TEST(PcfIndex, NestedGroupUnderflowIsReportedToo)
{
    PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, 1).Cfgr(7, 1).Cfgr(8, 2).Cfin(1, 0x41424344).bytes());
    std::string printed = CaptureStdout([&] { EXPECT_EQ(RawToPcf(pcf.get()), 0); });
    std::string masked = MaskTimes(printed);
    EXPECT_EQ(masked.substr(0, masked.find('\n') + 1),
              "TT:TT:TT PcfMessage::RawToPcfGroup(line# 1170) Input buffer underflow\n");
}

TEST(PcfIndex, MalformedGroupMembersFailSilently)
{
    const std::string header = PcfBytes().Cfh(2, 13, 1).bytes();
    const std::string cases[] = {
        PcfBytes().Cfgr(7, 1).Words({3, 40, 1, 1}).bytes(),             // member beyond the end
        PcfBytes().Cfgr(7, 2).Words({3, 0, 1, 1}).Cfin(1, 1).bytes(),   // member of length 0
        PcfBytes().Cfgr(7, 1).Words({3, -8, 1, 1}).bytes(),             // negative length
        PcfBytes().Cfgr(7, 1).Words({3}).bytes(),                       // member head cut off
        PcfBytes().Cfgr(7, 1).Cfgr(8, -1).bytes(),                      // member group, negative count
        PcfBytes().Cfgr(7, 1).Words({20, 8}).bytes(),                   // member group too short for its count
    };
    for (const auto &group : cases) {
        PcfPtr pcf = ContainerHolding(header + group);
        std::string printed = CaptureStdout([&] { EXPECT_EQ(RawToPcf(pcf.get()), 0); });
        EXPECT_EQ(printed, "");
    }
}

TEST(PcfIndex, LyingCountsAndLengthsFailWithTheOverflowMessage)
{
    struct Case {
        std::string bytes;
        const char *expected;
    };
    const Case cases[] = {
        // Three parameters announced, one present: the next one would start at 52.
        {PcfBytes().Cfh(2, 13, 3).Cfin(1, 1).bytes(),
         "TT:TT:TT MQPCFMSG::RawToPcf(line# 1298) Input buffer overflow, offset to end of PCF attribute 60 exceeds "
         "offset end of PCF msg (lMsgLen) 52\n"},
        // A string whose StrucLength reaches past the message.
        {PcfBytes().Cfh(2, 13, 1).Words({4, 400, 2016, 0, 4}).Chars("ABCD").bytes(),
         "TT:TT:TT MQPCFMSG::RawToPcf(line# 1298) Input buffer overflow, offset to end of PCF attribute 436 exceeds "
         "offset end of PCF msg (lMsgLen) 60\n"},
        // A header whose StrucLength says more than there is.
        {PcfBytes().Words({1, 40, 1, 13, 1, 1, 0, 0, 0}).bytes(),
         "TT:TT:TT MQPCFMSG::RawToPcf(line# 1298) Input buffer overflow, offset to end of PCF attribute 40 exceeds "
         "offset end of PCF msg (lMsgLen) 36\n"},
        // Less than a structure head.
        {PcfBytes().Words({1}).bytes(),
         "TT:TT:TT MQPCFMSG::RawToPcf(line# 1298) Input buffer overflow, offset to end of PCF attribute 8 exceeds "
         "offset end of PCF msg (lMsgLen) 4\n"},
        {std::string(),
         "TT:TT:TT MQPCFMSG::RawToPcf(line# 1298) Input buffer overflow, offset to end of PCF attribute 8 exceeds "
         "offset end of PCF msg (lMsgLen) 0\n"},
    };
    for (const auto &c : cases) {
        PcfPtr pcf = ContainerHolding(c.bytes);  // exact capacity: ASan sees any read beyond
        int32_t used = pcf->PcfMsg.Used;
        std::string printed = CaptureStdout([&] { EXPECT_EQ(RawToPcf(pcf.get()), 0); });
        EXPECT_EQ(MaskTimes(printed), c.expected);
        EXPECT_EQ(pcf->PcfMsg.Used, used);
    }
}

TEST(PcfIndex, UsedBeyondCapacityFailsWithTheCapacityMessage)
{
    PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, 0).bytes());
    pcf->PcfMsg.Used += 8;
    std::string printed = CaptureStdout([&] { EXPECT_EQ(RawToPcf(pcf.get()), 0); });
    EXPECT_EQ(MaskTimes(printed), "TT:TT:TT MQPCFMSG::RawToPcf(line# 1264) Input buffer overflow, PCF msg lMsgLen 44 > lMax 36\n");
}

TEST(PcfIndex, UnknownOrInvalidStructuresFailSilently)
{
    for (int32_t type : {0, 8, 11, 24, 26, 500, 996, 1000, -3}) {
        SCOPED_TRACE(type);
        PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, 1).Words({type, 16, 1, 1}).bytes());
        std::string printed = CaptureStdout([&] { EXPECT_EQ(RawToPcf(pcf.get()), 0); });
        EXPECT_EQ(printed, "");
    }
    // Known type, wrong length; and a message that does not start with a header.
    for (const std::string &bytes : {PcfBytes().Cfh(2, 13, 1).Words({3, 20, 1, 1, 0}).bytes(),
                                     PcfBytes().Cfin(1, 1).Cfin(2, 2).Cfin(3, 3).bytes()}) {
        PcfPtr pcf = ContainerHolding(bytes);
        std::string printed = CaptureStdout([&] { EXPECT_EQ(RawToPcf(pcf.get()), 0); });
        EXPECT_EQ(printed, "");
    }
}

TEST(PcfIndex, NegativeParameterCountIndexesNothing)
{
    for (int32_t count : {-1, -150, INT32_MIN}) {
        PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, count).Cfin(1, 1).bytes());
        EXPECT_EQ(RawToPcf(pcf.get()), 1);
        EXPECT_EQ(pcf->PcfMsg.Used, 136);
        EXPECT_EQ(pcf->AttrIndex[0].pData, nullptr);
    }
    PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, -1).Cfin(1, 1).bytes());
    EXPECT_EQ(RawToPcf(pcf.get()), 1);
    Out out;
    EXPECT_EQ(GetAttrByPos(0, &out.msg, pcf.get()), 0);
    Attr attr(PcfBytes().Cfin(1, 1).bytes());
    EXPECT_EQ(AppendAttr(pcf.get(), &attr.msg), 0);  // no header left to count it in
}

TEST(PcfIndex, EntriesOfAnEarlierMessageAreCleared)
{
    PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, 3).Cfin(1, 1).Cfin(2, 2).Cfin(3, 3).bytes());
    ASSERT_EQ(RawToPcf(pcf.get()), 1);
    ASSERT_NE(pcf->AttrIndex[3].pData, nullptr);
    ASSERT_EQ(ResetPcfMessage(pcf.get(), 13, ZEM_MQCFT_COMMAND), 1);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(pcf->AttrIndex[i].pData, nullptr) << i;
    EXPECT_EQ(pcf->AttrIndex[0].pData, pcf->PcfMsg.pData);
}

TEST(PcfIndex, GetByIdFindsTheFirstMatchAndLeavesOutAloneOtherwise)
{
    PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, 3).Cfin(20, 1).Cfst(2016, "A").Cfin(2016, 9).bytes());
    ASSERT_EQ(RawToPcf(pcf.get()), 1);
    Out out;
    int32_t pos = -1;
    ASSERT_EQ(GetAttrByIDRetPos(2016, &out.msg, pcf.get(), &pos), 1);
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(out.data(), PcfBytes().Cfst(2016, "A").bytes());

    // No match: out keeps its content and pos its value.
    pos = -1;
    EXPECT_EQ(GetAttrByIDRetPos(13, &out.msg, pcf.get(), &pos), 0);
    EXPECT_EQ(pos, -1);
    EXPECT_EQ(out.data(), PcfBytes().Cfst(2016, "A").bytes());
    EXPECT_EQ(GetAttrByID(1, &out.msg, pcf.get()), 0);  // the MQCFH's Version word is not a Parameter
    EXPECT_EQ(out.data(), PcfBytes().Cfst(2016, "A").bytes());
}

TEST(PcfIndex, GetByPosGrowsASmallOutput)
{
    std::string big = PcfBytes().Cfst(2016, std::string(300, 'Q')).bytes();
    PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, 1).bytes() + big);
    ASSERT_EQ(RawToPcf(pcf.get()), 1);
    MESSAGE out{};
    ASSERT_EQ(CreateMessage(&out, 4), 1);
    ASSERT_EQ(GetAttrByPos(1, &out, pcf.get()), 1);
    EXPECT_EQ(DataOf(out), big);
    EXPECT_GE(out.Size - 136, static_cast<int32_t>(big.size()));
    DeleteMessage(&out);
    EXPECT_EQ(GetAttrByPos(0, nullptr, pcf.get()), 0);
    EXPECT_EQ(RawToPcf(nullptr), 0);
}

}  // namespace

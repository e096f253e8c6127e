#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "attr_builders.h"
#include "capture.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace zemtest;

// The bytes of the first n index entries.
std::vector<std::string> Views(const PcfMessage &pcf, int n)
{
    std::vector<std::string> views;
    for (int i = 0; i < n; ++i)
        views.push_back(ViewBytes(pcf.AttrIndex[i]));
    return views;
}

// RawToPcf's result checked, and what it printed with the times masked.
std::string Index(PcfMessage *pcf, int expected)
{
    int result = -1;
    std::string printed = CaptureStdout([&] { result = RawToPcf(pcf); });
    EXPECT_EQ(result, expected);
    return zemtest::MaskClocks(printed);
}

// The parameter GetAttrByPos or GetAttrByID copies out, or "refused".
std::string ByPos(PcfMessage *pcf, int32_t pos)
{
    Attr out("");
    return GetAttrByPos(pos, out.get(), pcf) ? out.data() : "refused";
}

std::string ById(PcfMessage *pcf, int32_t id)
{
    Attr out("");
    return GetAttrByID(id, out.get(), pcf) ? out.data() : "refused";
}

// The caller's walk that the header documents, over every part of the message:
// AttrIndex[1..ParameterCount] of each, every entry read whole (ASan sees any read past
// the array or the data). Gives the parameters' bytes and checks each part's marks.
std::string WalkParts(PcfMessage *pcf, int32_t &parts)
{
    std::string parameters;
    parts = 0;
    for (PcfMessage *part = pcf; part; part = PcfContinuation(part), ++parts) {
        EXPECT_EQ(part->Kind, part == pcf ? 6 : ZEM_PCF_CONTINUATION_KIND);
        EXPECT_EQ(part->pCfh->MsgSeqNumber, pcf->pCfh->MsgSeqNumber);
        EXPECT_LE(part->pCfh->ParameterCount, ZEM_PCF_INDEX_ENTRIES - 1);
        for (int32_t i = 1; i <= part->pCfh->ParameterCount; ++i)
            parameters += ViewBytes(part->AttrIndex[i]);
    }
    return parameters;
}

std::string Raw(PcfMessage *pcf)
{
    std::string bytes(static_cast<std::size_t>(std::max(PcfToRaw(pcf, nullptr, 0), 0)), '\0');
    EXPECT_EQ(PcfToRaw(pcf, bytes.data(), static_cast<int32_t>(bytes.size())), static_cast<int32_t>(bytes.size()));
    return bytes;
}

TEST(PcfIndex, GetByPosAndByIdCopyOneParameterOrLeaveOutAlone)
{
    PcfPtr fresh(CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 0));
    Attr out("");
    ASSERT_EQ(GetAttrByPos(0, out.get(), fresh.get()), 1);
    EXPECT_EQ(out.data(), PcfBytes().Cfh(1, 13, 0).bytes());
    EXPECT_EQ(GetAttrByPos(1, out.get(), fresh.get()), 0);
    EXPECT_EQ(out->Used, 136);  // emptied even though the call failed
    EXPECT_EQ(ByPos(fresh.get(), -1), "refused");
    EXPECT_EQ(ById(fresh.get(), 13), "refused");

    PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, 3).Cfin(20, 1).Cfst(2016, "A").Cfin(2016, 9).bytes());
    ASSERT_EQ(RawToPcf(pcf.get()), 1);
    int32_t pos = -1;
    ASSERT_EQ(GetAttrByIDRetPos(2016, out.get(), pcf.get(), &pos), 1);
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(out.data(), PcfBytes().Cfst(2016, "A").bytes());
    // No match: out keeps its content and pos its value.
    pos = -1;
    EXPECT_EQ(GetAttrByIDRetPos(13, out.get(), pcf.get(), &pos), 0);
    EXPECT_EQ(pos, -1);
    EXPECT_EQ(GetAttrByID(1, out.get(), pcf.get()), 0);  // the MQCFH's Version word is not a Parameter
    EXPECT_EQ(out.data(), PcfBytes().Cfst(2016, "A").bytes());

    std::string big = PcfBytes().Cfst(2016, std::string(300, 'Q')).bytes();
    PcfPtr large = ContainerHolding(PcfBytes().Cfh(2, 13, 1).bytes() + big);
    ASSERT_EQ(RawToPcf(large.get()), 1);
    EXPECT_EQ(ByPos(large.get(), 1), big);  // the copy's envelope grows to hold it
    EXPECT_EQ(GetAttrByPos(0, nullptr, large.get()), 0);
    EXPECT_EQ(RawToPcf(nullptr), 0);
}

TEST(PcfIndex, AppendedParameterIsIndexedAtOnceAndViewsFollowTheMovedArea)
{
    PcfPtr pcf(CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 0));  // no room: both appends move
    const std::string first = PcfBytes().Cfst(2016, std::string(5000, 'Q')).bytes();
    const std::string second = PcfBytes().Cfin(20, 1).bytes();
    for (const std::string &bytes : {first, second}) {
        Attr attr(bytes);
        ASSERT_EQ(AppendAttr(pcf.get(), attr.get()), 1);
    }
    EXPECT_EQ(pcf->pCfh, reinterpret_cast<ZEM_MQCFH *>(pcf->PcfMsg.pData));
    // The views point into the current data area (ASan would catch a released one).
    EXPECT_EQ(pcf->AttrIndex[0].pData, pcf->PcfMsg.pData);
    const std::vector<std::string> views = {PcfBytes().Cfh(1, 13, 2).bytes(), first, second};
    EXPECT_EQ(Views(*pcf, 3), views);
    EXPECT_EQ(ByPos(pcf.get(), 2), second);
    EXPECT_EQ(ById(pcf.get(), 2016), first);

    // What cannot be a parameter is refused.
    Attr tiny(std::string(4, '\0'));
    EXPECT_EQ(AppendAttr(pcf.get(), tiny.get()), 0);
    MESSAGE view{};
    view.pData = pcf->PcfMsg.pData;
    view.Used = 36;  // a view has no header in its Used
    EXPECT_EQ(AppendAttr(pcf.get(), &view), 0);
    EXPECT_EQ(AppendAttr(pcf.get(), nullptr), 0);
    EXPECT_EQ(AppendAttr(nullptr, tiny.get()), 0);
    EXPECT_EQ(DataOf(*pcf), PcfBytes().Cfh(1, 13, 2).Raw(first).Raw(second).bytes());
}

TEST(PcfIndex, AppendRaisesTheHeaderVersionForByteStringsAndFiltersWhereverTheySit)
{
    const struct { std::string attr; int32_t from, to; } cases[] = {
        {PcfBytes().Cfbs(7006, "ab").bytes(), 1, 2},       {PcfBytes().Cfbs(7006, "ab").bytes(), 3, 3},
        {PcfBytes().Cfif(20, 1, 2).bytes(), 1, 3},         {PcfBytes().Cfsf(2016, 1, "A*").bytes(), 2, 3},
        {PcfBytes().Cfbf(7006, 1, "x").bytes(), 1, 3},     {PcfBytes().Cfst(2016, "Q").bytes(), 2, 2},
        // Members of groups count as well, at any depth.
        {PcfBytes().Cfgr(8011, 2).Cfin(20, 1).Cfif(20, 1, 2).bytes(), 1, 3},
        {PcfBytes().Cfgr(8011, 1).Cfgr(8012, 1).Cfbs(7006, "ab").bytes(), 1, 2},
        {PcfBytes().Cfgr(8011, 1).Cfst(2016, "Q").bytes(), 1, 1},
    };
    for (const auto &c : cases) {
        PcfPtr pcf(CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 64));
        pcf->pCfh->Version = c.from;
        Attr attr(c.attr);
        ASSERT_EQ(AppendAttr(pcf.get(), attr.get()), 1);
        EXPECT_EQ(pcf->pCfh->Version, c.to) << c.from;
    }
}

TEST(PcfIndex, ParametersPast149ContinueInChainedPartsAndStayReachableEverywhere)
{
    TempDir dir;
    for (int32_t count : {149, 150, 160, 1000}) {
        for (bool appended : {false, true}) {
            SCOPED_TRACE(std::to_string(count) + (appended ? " appended" : " indexed"));
            const std::string whole = IntegerResponse(count);
            PcfPtr pcf = ContainerHolding(whole);
            if (appended) {
                pcf.reset(CreatePcfMessage(13, ZEM_MQCFT_RESPONSE, 0));
                for (int32_t i = 1; i <= count; ++i) {
                    Attr attr(PcfBytes().Cfin(i, i).bytes());
                    ASSERT_EQ(AppendAttr(pcf.get(), attr.get()), 1) << i;
                }
            }
            EXPECT_EQ(Index(pcf.get(), 1), "");  // nothing is cut, so nothing is announced
            int32_t parts = 0;
            EXPECT_EQ(WalkParts(pcf.get(), parts), whole.substr(36));
            EXPECT_EQ(parts, (count + 148) / 149);
            EXPECT_EQ(Raw(pcf.get()), whole);

            // By position and by id, across the parts.
            EXPECT_EQ(ByPos(pcf.get(), count), PcfBytes().Cfin(count, count).bytes());
            EXPECT_EQ(ByPos(pcf.get(), count + 1), "refused");
            Attr out("");
            int32_t pos = 0;
            ASSERT_EQ(GetAttrByIDRetPos(count, out.get(), pcf.get(), &pos), 1);
            EXPECT_EQ(pos, count);

            // Copied and embedded whole.
            PcfPtr copy(CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 0));
            ASSERT_EQ(CopyPcfMessage(pcf.get(), copy.get()), 1);
            EXPECT_EQ(Raw(copy.get()), whole);
            Attr embedded;
            ASSERT_EQ(CreatePcfPcfAttr(embedded.get(), 9001, pcf.get()), 1);
            ASSERT_EQ(GetPcfPcfAttrValue(embedded.get(), copy.get()), 1);
            EXPECT_EQ(Raw(copy.get()), whole);

            // Saved whole and split again when loaded; a peer's message likewise.
            std::string path = dir.file("many.pcf");
            ASSERT_EQ(SerializePcfMessage(pcf.get(), path.c_str()), 1);
            EXPECT_EQ(ReadFile(path), whole);
            PcfPtr loaded(DeserializePcfMessage(path.c_str()));
            ASSERT_TRUE(loaded);
            EXPECT_EQ(WalkParts(loaded.get(), parts), whole.substr(36));

            PcfPtr received = ContainerHolding(IntegerResponse(count, 1, ByteOrder::kSwapped));
            auto *header = reinterpret_cast<MDHDR *>(received->PcfMsg.pBlock);
            header->Encoding = 1;
            header->CharSet = 1;
            header->lUserMsgLength = static_cast<int32_t>(whole.size());
            ASSERT_EQ(AlienPcfToNative(received.get()), 1);
            ASSERT_EQ(RawToPcf(received.get()), 1);
            EXPECT_EQ(Raw(received.get()), whole);

            // The listing shows the whole message under one header.
            std::string listing = CaptureStdout([&] { PrintPcfMessage(pcf.get()); });
            EXPECT_NE(listing.find("ParameterCount(" + std::to_string(count) + ")"), std::string::npos);
            EXPECT_NE(listing.find("Parameter (" + std::to_string(count) + "), Value(" + std::to_string(count) + ")"),
                      std::string::npos);
        }
    }

    // A message written over one with continuations does not inherit them.
    PcfPtr reused = ContainerHolding(IntegerResponse(160));
    ASSERT_EQ(RawToPcf(reused.get()), 1);
    ASSERT_EQ(RawToPcf(reused.get()), 1);  // indexing again keeps them
    ASSERT_NE(PcfContinuation(reused.get()), nullptr);
    std::string otherCommand = PcfBytes().Cfh(2, 14, 149).bytes() + IntegerResponse(149).substr(36);
    for (const std::string &next : {IntegerResponse(2), otherCommand}) {
        std::memcpy(reused->PcfMsg.pData, next.data(), next.size());
        reused->PcfMsg.Used = 136 + static_cast<int32_t>(next.size());
        ASSERT_EQ(RawToPcf(reused.get()), 1);
        EXPECT_EQ(PcfContinuation(reused.get()), nullptr);
        EXPECT_EQ(Raw(reused.get()), next);
    }

    // A count written by hand past the index is never followed into the array.
    PcfPtr stale = ContainerHolding(IntegerResponse(2));
    ASSERT_EQ(RawToPcf(stale.get()), 1);
    stale->pCfh->ParameterCount = 1000;
    for (int32_t at : {3, 150, 151, 999, 1000})
        EXPECT_EQ(ByPos(stale.get(), at), "refused") << at;
    EXPECT_EQ(ById(stale.get(), 999), "refused");
}

TEST(PcfIndex, GroupEntryCoversAllItsMembersNestedOrNot)
{
    const std::string group = PcfBytes().Cfgr(8011, 2).Cfin(3, 1).Cfst(2016, "ABCDE").bytes();
    const std::string after = PcfBytes().Cfin(20, 1).bytes();
    PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, 2).bytes() + group + after);
    ASSERT_EQ(RawToPcf(pcf.get()), 1);
    EXPECT_EQ(std::make_pair(pcf->AttrIndex[1].Used, pcf->AttrIndex[1].Size), std::make_pair(16 + 16 + 28, 16 + 16 + 28));
    EXPECT_EQ(ViewBytes(pcf->AttrIndex[2]), after);
    EXPECT_EQ(ByPos(pcf.get(), 1), group);
    // Members are not searched by id, the group's own Parameter is.
    EXPECT_EQ(ById(pcf.get(), 3), "refused");
    EXPECT_EQ(ById(pcf.get(), 8011), group);

    // Group A holds group B (two integers) and a string; three levels with the innermost
    // empty; a group whose last member is a group.
    const std::string nested = PcfBytes().Cfgr(8011, 2).Cfgr(8012, 2).Cfin(1, 1).Cfin(2, 2).Cfst(2016, "Q").bytes();
    const std::string deep = PcfBytes().Cfgr(8001, 1).Cfgr(8002, 1).Cfgr(8003, 0).bytes();
    const std::string tailGroup = PcfBytes().Cfgr(8004, 2).Cfin(4, 4).Cfgr(8005, 1).Cfin(5, 5).bytes();
    PcfPtr many = ContainerHolding(PcfBytes().Cfh(2, 13, 4).bytes() + nested + deep + tailGroup + after);
    ASSERT_EQ(RawToPcf(many.get()), 1);
    EXPECT_EQ(many->AttrIndex[1].Used, 16 + 16 + 16 + 16 + 24);
    EXPECT_EQ(Views(*many, 5), (std::vector<std::string>{PcfBytes().Cfh(2, 13, 4).bytes(), nested, deep, tailGroup, after}));
    EXPECT_EQ(many->PcfMsg.Used, 136 + 36 + static_cast<int32_t>(nested.size() + deep.size() + tailGroup.size() + 16));
}

TEST(PcfIndex, GroupAnnouncingMoreMembersUnderflowsWithADump)
{
    PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, 1).Cfgr(7, 3).Cfin(1, 0x41424344).bytes());
    int32_t used = pcf->PcfMsg.Used;
    EXPECT_EQ(Index(pcf.get(), 0),
              "TT:TT:TT PcfMessage::RawToPcfGroup(line# 1170) Input buffer underflow\n"
              "00000000:  . . . . . . . . . . . . . . . .     14 00 00 00 10 00 00 00 07 00 00 00 03 00 00 00 \n"
              "00000010:  . . . . . . . . . . . . D C B A     03 00 00 00 10 00 00 00 01 00 00 00 44 43 42 41 \n");
    EXPECT_EQ(pcf->PcfMsg.Used, used);  // a failed indexing leaves Used alone

    PcfPtr nested = ContainerHolding(PcfBytes().Cfh(2, 13, 1).Cfgr(7, 1).Cfgr(8, 2).Cfin(1, 0x41424344).bytes());
    std::string masked = Index(nested.get(), 0);
    EXPECT_EQ(masked.substr(0, masked.find('\n') + 1),
              "TT:TT:TT PcfMessage::RawToPcfGroup(line# 1170) Input buffer underflow\n");
}

TEST(PcfIndex, MalformedGroupMembersAndUnknownOrInvalidStructuresFailSilently)
{
    const std::string header = PcfBytes().Cfh(2, 13, 1).bytes();
    std::vector<std::string> cases = {
        header + PcfBytes().Cfgr(7, 1).Words({3, 40, 1, 1}).bytes(),            // member beyond the end
        header + PcfBytes().Cfgr(7, 2).Words({3, 0, 1, 1}).Cfin(1, 1).bytes(),  // member of length 0
        header + PcfBytes().Cfgr(7, 1).Words({3, -8, 1, 1}).bytes(),            // negative length
        header + PcfBytes().Cfgr(7, 1).Words({3}).bytes(),                      // member head cut off
        header + PcfBytes().Cfgr(7, 1).Cfgr(8, -1).bytes(),                     // member group, negative count
        header + PcfBytes().Cfgr(7, 1).Words({20, 8}).bytes(),                  // member group too short for its count
        header + Words({3, 20, 1, 1, 0}),                              // known type, wrong length
        PcfBytes().Cfin(1, 1).Cfin(2, 2).Cfin(3, 3).bytes(),                    // no header first
    };
    for (int32_t type : {0, 8, 11, 24, 26, 500, 996, 1000, -3})
        cases.push_back(header + Words({type, 16, 1, 1}));
    for (const auto &bytes : cases) {
        PcfPtr pcf = ContainerHolding(bytes);
        EXPECT_EQ(Index(pcf.get(), 0), "") << &bytes - cases.data();
    }
}

TEST(PcfIndex, LyingCountsLengthsAndUsedFailWithTheOverflowMessages)
{
    const std::string overflow =
        "TT:TT:TT MQPCFMSG::RawToPcf(line# 1298) Input buffer overflow, offset to end of PCF attribute ";
    const struct { std::string bytes; std::string expected; } cases[] = {
        // Three parameters announced, one present: the next one would start at 52.
        {PcfBytes().Cfh(2, 13, 3).Cfin(1, 1).bytes(), overflow + "60 exceeds offset end of PCF msg (lMsgLen) 52\n"},
        // A string whose StrucLength reaches past the message.
        {PcfBytes().Cfh(2, 13, 1).Words({4, 400, 2016, 0, 4}).Chars("ABCD").bytes(),
         overflow + "436 exceeds offset end of PCF msg (lMsgLen) 60\n"},
        // A header whose StrucLength says more than there is.
        {Words({1, 40, 1, 13, 1, 1, 0, 0, 0}), overflow + "40 exceeds offset end of PCF msg (lMsgLen) 36\n"},
        // Less than a structure head.
        {Words({1}), overflow + "8 exceeds offset end of PCF msg (lMsgLen) 4\n"},
        {std::string(), overflow + "8 exceeds offset end of PCF msg (lMsgLen) 0\n"},
    };
    for (const auto &c : cases) {
        PcfPtr pcf = ContainerHolding(c.bytes);  // exact capacity: ASan sees any read beyond
        int32_t used = pcf->PcfMsg.Used;
        EXPECT_EQ(Index(pcf.get(), 0), c.expected);
        EXPECT_EQ(pcf->PcfMsg.Used, used);
    }

    PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, 0).bytes());
    pcf->PcfMsg.Used += 8;
    EXPECT_EQ(Index(pcf.get(), 0),
              "TT:TT:TT MQPCFMSG::RawToPcf(line# 1264) Input buffer overflow, PCF msg lMsgLen 44 > lMax 36\n");
}

TEST(PcfIndex, NegativeParameterCountIndexesNothingAndEntriesOfAnEarlierMessageAreCleared)
{
    for (int32_t count : {-1, -150, INT32_MIN}) {
        PcfPtr pcf = ContainerHolding(PcfBytes().Cfh(2, 13, count).Cfin(1, 1).bytes());
        EXPECT_EQ(RawToPcf(pcf.get()), 1);
        EXPECT_EQ(pcf->PcfMsg.Used, 136);
        EXPECT_EQ(pcf->AttrIndex[0].pData, nullptr);
        Attr attr(PcfBytes().Cfin(1, 1).bytes());
        EXPECT_EQ(ByPos(pcf.get(), 0), "refused");
        EXPECT_EQ(AppendAttr(pcf.get(), attr.get()), 0);  // no header left to count it in
    }

    PcfPtr pcf = ContainerHolding(IntegerResponse(3));
    ASSERT_EQ(RawToPcf(pcf.get()), 1);
    ASSERT_NE(pcf->AttrIndex[3].pData, nullptr);
    ASSERT_EQ(ResetPcfMessage(pcf.get(), 13, ZEM_MQCFT_COMMAND), 1);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(pcf->AttrIndex[i].pData, nullptr) << i;
    EXPECT_EQ(pcf->AttrIndex[0].pData, pcf->PcfMsg.pData);
}

}  // namespace

#include <gtest/gtest.h>

#include <cstring>

#include "attr_builders.h"
#include "capture.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace zemtest;

void Append(PcfMessage *pcf, const std::string &bytes)
{
    Attr attr(bytes);
    ASSERT_EQ(AppendAttr(pcf, attr.get()), 1);
}

// The container's envelope fields in one line; "pCfh!" when pCfh is not the data area.
std::string Envelope(const PcfMessage &pcf)
{
    const ZEM_MQMD &md = pcf.PcfMsg.MsgDesc;
    bool cfhAtData = pcf.pCfh == reinterpret_cast<const ZEM_MQCFH *>(pcf.PcfMsg.pData);
    return "Kind " + std::to_string(pcf.Kind) + " Used " + std::to_string(pcf.PcfMsg.Used) + " MsgType " +
           std::to_string(md.MsgType) + " Priority " + std::to_string(md.Priority) + " Format '" + std::string(md.Format, 8) +
           "'" + (pcf.pNext ? " chained" : "") + (cfhAtData ? "" : " pCfh!");
}

TEST(PcfContainer, CreateGivesAnIndexedHeaderStoringXrTypesAsResponses)
{
    // A released container with views of its parameters leaves none of them behind.
    PcfMessage *released = CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 0);
    Append(released, PcfBytes().Cfin(1, 1).bytes());
    ASSERT_EQ(RawToPcf(released), 1);
    DeletePcfMessage(released);

    PcfPtr pcf(CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 100));
    ASSERT_TRUE(pcf);
    const ZEM_MQMD zero{};
    for (int i = 0; i < ZEM_PCF_INDEX_ENTRIES; ++i) {
        EXPECT_EQ(pcf->AttrIndex[i].pData, i ? nullptr : pcf->PcfMsg.pData) << i;
        EXPECT_EQ(std::memcmp(&pcf->AttrIndex[i].MsgDesc, &zero, sizeof zero), 0) << i;
    }
    EXPECT_EQ(Envelope(*pcf), "Kind 6 Used 172 MsgType 1 Priority -1 Format 'MQADMIN '");
    EXPECT_EQ(pcf->PcfMsg.Size, 136 + 100 + 36);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(&pcf->PcfExt), 32),
              Words({32, 1, 0, 0, 0}) + Lit(" \0\0\0\0\0\0\0\0\0\0\0"));
    EXPECT_EQ(DataOf(*pcf), PcfBytes().Cfh(1, 13, 0).bytes());
    EXPECT_EQ(pcf->AttrIndex[0].Used, 36);
    EXPECT_EQ(pcf->AttrIndex[0].pBlock, nullptr);

    PcfPtr item(CreatePcfMessage(42, ZEM_MQCFT_XR_ITEM, 0));
    EXPECT_EQ(DataOf(*item), PcfBytes().Cfh(2, 42, 0).bytes());
    EXPECT_EQ(item->PcfMsg.MsgDesc.MsgType, 2);
    PcfPtr event(CreatePcfMessage(44, ZEM_MQCFT_EVENT, 0));
    EXPECT_EQ(DataOf(*event), PcfBytes().Cfh(7, 44, 0).bytes());
    EXPECT_EQ(event->PcfMsg.MsgDesc.MsgType, 8);
    EXPECT_EQ(CreatePcfMessage(1, 1, -1), nullptr);
}

TEST(PcfContainer, ResetEmptiesInPlaceDropsTheChainAndGivesAHeaderRoomWhenTheAreaIsGone)
{
    PcfPtr pcf(CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 200));
    Append(pcf.get(), PcfBytes().Cfst(2016, "Q").bytes());
    pcf->pNext = CreatePcfMessage(14, 1, 0);
    pcf->pNext->pNext = CreatePcfMessage(15, 1, 0);  // LeakSanitizer checks they go
    pcf->PcfMsg.MsgDesc.Priority = 5;
    pcf->PcfExt.CharSet = 500;
    ASSERT_EQ(ResetPcfMessage(pcf.get(), 20, ZEM_MQCFT_RESPONSE), 1);
    EXPECT_EQ(Envelope(*pcf), "Kind 6 Used 172 MsgType 2 Priority -1 Format 'MQADMIN '");
    EXPECT_EQ(std::make_pair(pcf->PcfMsg.Size, pcf->PcfExt.CharSet), std::make_pair(136 + 200 + 36, 0));
    EXPECT_EQ(DataOf(*pcf), PcfBytes().Cfh(2, 20, 0).bytes());
    EXPECT_EQ(ResetPcfMessage(nullptr, 1, 1), 0);

    DeleteMessage(&pcf->PcfMsg);
    ASSERT_EQ(ResetPcfMessage(pcf.get(), 13, ZEM_MQCFT_COMMAND), 1);
    EXPECT_EQ(pcf->PcfMsg.Size, 136 + 256);
    EXPECT_EQ(DataOf(*pcf), PcfBytes().Cfh(1, 13, 0).bytes());
    SizeMessage(&pcf->PcfMsg, 4);  // shrunk below an MQCFH by a caller
    ASSERT_EQ(ResetPcfMessage(pcf.get(), 13, ZEM_MQCFT_COMMAND), 1);
    EXPECT_GE(pcf->PcfMsg.Size, 136 + 36);
    EXPECT_EQ(DataOf(*pcf), PcfBytes().Cfh(1, 13, 0).bytes());

    pcf->pCfh = nullptr;
    ResetPcfBuffer(pcf.get());
    EXPECT_EQ(Envelope(*pcf), "Kind 6 Used 172 MsgType 1 Priority -1 Format 'MQADMIN '");
    ResetPcfBuffer(nullptr);
}

TEST(PcfContainer, SizeEmptiesToABareHeaderKeepingTypeAndCommand)
{
    PcfPtr pcf(CreatePcfMessage(13, ZEM_MQCFT_RESPONSE, 0));
    Append(pcf.get(), PcfBytes().Cfin(20, 1).bytes());
    pcf->pCfh->CompCode = 2;
    pcf->pCfh->Reason = 3008;
    pcf->pCfh->Version = 3;
    pcf->pCfh->MsgSeqNumber = 4;
    pcf->pCfh->Control = 0;
    pcf->PcfExt.UserMsgLength = 77;
    PcfMessage *chained = CreatePcfMessage(1, 1, 0);
    pcf->pNext = chained;
    ASSERT_EQ(SizePcfMessage(pcf.get(), 1000), 1);
    EXPECT_EQ(std::make_pair(pcf->PcfMsg.Size, pcf->PcfExt.UserMsgLength), std::make_pair(136 + 1000 + 36, 77));
    EXPECT_EQ(DataOf(*pcf), PcfBytes().Cfh(2, 13, 0).bytes());
    EXPECT_EQ(pcf->AttrIndex[0].pData, pcf->PcfMsg.pData);
    EXPECT_EQ(pcf->AttrIndex[1].pData, nullptr);
    EXPECT_EQ(pcf->pNext, chained);
    EXPECT_EQ(SizePcfMessage(pcf.get(), -1), 0);
    EXPECT_EQ(SizePcfMessage(nullptr, 10), 0);
}

TEST(PcfContainer, CopyGivesEqualMessageAndChainReplacingTheTargetsOne)
{
    PcfPtr src(CreatePcfMessage(13, ZEM_MQCFT_RESPONSE, 0));
    Append(src.get(), PcfBytes().Cfst(2016, "APP.QUEUE").bytes());
    Append(src.get(), PcfBytes().Cfgr(8011, 1).Cfin(3, 4).bytes());
    src->PcfExt.UserMsgLength = 99;
    src->PcfMsg.MsgDesc.Priority = 4;
    src->pNext = CreatePcfMessage(14, ZEM_MQCFT_RESPONSE, 10);
    Append(src->pNext, PcfBytes().Cfin(1, 1).bytes());
    src->pNext->pNext = CreatePcfMessage(15, ZEM_MQCFT_REPORT, 0);
    PcfPtr dst(CreatePcfMessage(1, ZEM_MQCFT_COMMAND, 0));
    dst->pNext = CreatePcfMessage(99, 1, 0);  // replaced: LeakSanitizer sees it released
    dst->pNext->pNext = CreatePcfMessage(98, 1, 0);

    ASSERT_EQ(CopyPcfMessage(src.get(), dst.get()), 1);
    EXPECT_EQ(DataOf(*dst), DataOf(*src));
    EXPECT_EQ(Envelope(*dst), "Kind 6 Used 236 MsgType 2 Priority 4 Format 'MQADMIN ' chained");
    EXPECT_EQ(dst->PcfExt.UserMsgLength, 99);
    EXPECT_EQ(ViewBytes(dst->AttrIndex[2]), PcfBytes().Cfgr(8011, 1).Cfin(3, 4).bytes());
    ASSERT_NE(dst->pNext, nullptr);
    EXPECT_NE(dst->pNext, src->pNext);
    EXPECT_EQ(DataOf(*dst->pNext), PcfBytes().Cfh(2, 14, 1).Cfin(1, 1).bytes());
    ASSERT_NE(dst->pNext->pNext, nullptr);
    EXPECT_EQ(DataOf(*dst->pNext->pNext), PcfBytes().Cfh(12, 15, 0).bytes());
    EXPECT_EQ(dst->pNext->pNext->PcfMsg.MsgDesc.MsgType, 4);
    EXPECT_EQ(dst->pNext->pNext->pNext, nullptr);

    // A source without a chain drops the target's.
    PcfPtr bare(CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 0));
    ASSERT_EQ(CopyPcfMessage(bare.get(), dst.get()), 1);
    EXPECT_EQ(dst->pNext, nullptr);
    EXPECT_EQ(DataOf(*dst), PcfBytes().Cfh(1, 13, 0).bytes());

    // Onto itself: nothing changes.
    std::string before = DataOf(*src);
    EXPECT_EQ(CopyPcfMessage(src.get(), src.get()), 1);
    EXPECT_EQ(DataOf(*src), before);
    EXPECT_NE(src->pNext, nullptr);
    EXPECT_EQ(CopyPcfMessage(nullptr, src.get()), 0);
    EXPECT_EQ(CopyPcfMessage(src.get(), nullptr), 0);
}

TEST(PcfContainer, DeleteReleasesTheWholeChain)
{
    PcfMessage *pcf = CreatePcfMessage(1, 1, 0);
    PcfMessage *last = pcf;
    for (int i = 0; i < 1000; ++i)  // long chains are released without deep recursion
        last = last->pNext = CreatePcfMessage(i, 1, 0);
    EXPECT_EQ(DeletePcfMessage(pcf), 1);
    EXPECT_EQ(DeletePcfMessage(nullptr), 0);
}

TEST(PcfFile, SaveThenLoadGivesTheSameBytesAsARequestAndSaveFailsWhereNothingCanBeWritten)
{
    TempDir dir;
    std::string bytes = PcfBytes().Cfh(2, 13, 3, 3).Cfst(2016, "APP.QUEUE").Cfgr(8011, 2).Cfin(3, 7).Cfil64(745, {1, -1})
                            .Cfbf(7006, 1, "ab").bytes();
    PcfPtr pcf = ContainerHolding(bytes);
    ASSERT_EQ(RawToPcf(pcf.get()), 1);
    std::string path = dir.file("saved.pcf");
    ASSERT_EQ(SerializePcfMessage(pcf.get(), path.c_str()), 1);
    EXPECT_EQ(ReadFile(path), bytes);

    PcfPtr loaded(DeserializePcfMessage(path.c_str()));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(DataOf(*loaded), bytes);
    EXPECT_EQ(Envelope(*loaded), "Kind 6 Used 292 MsgType 1 Priority -1 Format 'MQADMIN '");  // whatever the saved Type
    EXPECT_EQ(ViewBytes(loaded->AttrIndex[2]), PcfBytes().Cfgr(8011, 2).Cfin(3, 7).Cfil64(745, {1, -1}).bytes());

    EXPECT_EQ(SerializePcfMessage(pcf.get(), (dir.path() + "/missing/dir/x.pcf").c_str()), 0);
    EXPECT_EQ(SerializePcfMessage(pcf.get(), dir.path().c_str()), 0);
    EXPECT_EQ(SerializePcfMessage(nullptr, dir.file("x").c_str()), 0);
    EXPECT_EQ(SerializePcfMessage(pcf.get(), nullptr), 0);
}

TEST(PcfFile, LoadRefusesFilesThatAreNotPcfMessages)
{
    TempDir dir;
    const std::string cases[] = {
        "",                                                                           // empty
        "not a PCF message at all, just text\n",                                     // text
        PcfBytes().Cfh(2, 13, 1).bytes(),                                             // parameter missing
        PcfBytes().Cfh(2, 13, 1).Cfst(2016, "APP.QUEUE").bytes().substr(0, 36 + 20),  // cut inside
        PcfBytes().Cfh(2, 13, 1).Words({3, 16, 1}).bytes(),                           // cut inside the last 4 bytes
        PcfBytes().Cfh(2, 13, 1).Cfgr(7, 2).Cfin(1, 1).bytes(),                       // group short of members
        PcfBytes(ByteOrder::kSwapped).Cfh(2, 13, 1).Cfin(1, 1).bytes(),      // peer order
        std::string(3, '\x01'),
    };
    for (const auto &bytes : cases) {
        std::string path = dir.write("bad.pcf", bytes);
        PcfMessage *loaded = nullptr;
        CaptureStdout([&] { loaded = DeserializePcfMessage(path.c_str()); });
        EXPECT_EQ(loaded, nullptr) << bytes.size();
        DeletePcfMessage(loaded);
    }
    EXPECT_EQ(DeserializePcfMessage(dir.file("absent.pcf").c_str()), nullptr);
    EXPECT_EQ(DeserializePcfMessage(nullptr), nullptr);
}

// The bundled samples are their builders' output. To write them again after a change of the
// builders: ZEM_WRITE_SAMPLES=1 test_pcf --gtest_filter='PcfFile.BundledSamples*'
TEST(PcfFile, BundledSamplesAreTheirBuildersOutput)
{
    ExpectSampleFile("pcf/inquire-q-response.pcf", SampleQueueResponse(ByteOrder::kNative, Text::kAscii));
    ExpectSampleFile("pcf/peer-inquire-q-response.pcf", SampleQueueResponse(ByteOrder::kSwapped, Text::kEbcdic));
}

}  // namespace

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "attr_builders.h"
#include "capture.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace zemtest;
using std::make_tuple;

MDHDR *HeaderOf(MESSAGE *msg) { return reinterpret_cast<MDHDR *>(msg->pBlock); }
std::tuple<int32_t, int32_t> SizeUsed(const MESSAGE *msg) { return make_tuple(msg->Size, msg->Used); }

TEST(Envelope, CreateGivesEmptyBlockWithDefaultDescriptorAndAppendGrowsToExactNeedPlusHeaderSlack)
{
    MESSAGE msg{};
    ASSERT_EQ(CreateMessage(&msg, 0), 1);
    EXPECT_EQ(make_tuple(msg.Kind, msg.Size, msg.Used), make_tuple(1, 136, 136));
    EXPECT_EQ(msg.pData, msg.pBlock + 136);
    EXPECT_EQ(make_tuple(HeaderOf(&msg)->HeaderWord3, HeaderOf(&msg)->StrucLength), make_tuple(1, 0));
    const ZEM_MQMD &md = msg.MsgDesc;
    EXPECT_EQ(std::string(md.StrucId, 4) + std::string(md.Format, 8), "MD          ");
    EXPECT_EQ(make_tuple(md.Version, md.MsgType, md.Expiry, md.Encoding, md.CodedCharSetId, md.Priority, md.Persistence,
                         md.MsgSeqNumber, md.OriginalLength),
              make_tuple(1, 8, -1, 546, 0, -1, 2, 1, -1));

    Attr src(Lit("0123456789abcdef"));
    ASSERT_EQ(AppendMessage(&msg, src.get()), 1);
    EXPECT_EQ(SizeUsed(&msg), make_tuple(136 + 152, 152));
    ASSERT_EQ(AppendMessage(&msg, src.get()), 1);
    EXPECT_EQ(msg.Used, 168);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(msg.pData), 32), "0123456789abcdef0123456789abcdef");

    // A block released with bytes in it comes back to the next envelope zero-filled.
    std::memset(msg.pBlock, 0x5A, static_cast<std::size_t>(msg.Size));
    EXPECT_EQ(DeleteMessage(&msg), 1);
    EXPECT_EQ(make_tuple(DeleteMessage(&msg), msg.pBlock == nullptr, msg.Size), make_tuple(0, true, 0));
    ASSERT_EQ(CreateMessage(&msg, 20), 1);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(msg.pBlock), 156),
              std::string(132, '\0') + Words({1}) + std::string(20, '\0'));
    DeleteMessage(&msg);
}

TEST(Envelope, SizeEmptiesSizeKeepKeepsOrRefusesAndAFailedResizeLeavesTheEnvelopeIntact)
{
    Attr msg;
    ASSERT_EQ(CreateMessage(msg.get(), 40), 1);
    std::memset(msg->pData, 'x', 40);
    msg->Used = 176;
    ASSERT_EQ(SizeMessage(msg.get(), 80), 1);
    EXPECT_EQ(SizeUsed(msg.get()), make_tuple(216, 136));
    EXPECT_EQ(msg->pData[39], 'x');  // bytes stay, only Used is emptied
    msg->Used = 176;
    ASSERT_EQ(SizeMessageKeep(msg.get(), 64), 1);
    EXPECT_EQ(SizeUsed(msg.get()), make_tuple(200, 176));
    unsigned char *block = msg->pBlock;
    EXPECT_EQ(SizeMessageKeep(msg.get(), 20), 0);
    // A capacity whose block size cannot be represented is refused before any allocation.
    std::memcpy(msg->pData, "keepme!!", 8);
    EXPECT_EQ(SizeMessage(msg.get(), INT32_MAX), 0);
    EXPECT_EQ(SizeMessageKeep(msg.get(), INT32_MAX - 100), 0);
    EXPECT_EQ(SizeMessage(msg.get(), -1), 0);
    EXPECT_EQ(SizeUsed(msg.get()), make_tuple(200, 176));
    EXPECT_TRUE(msg->pBlock == block && msg->pData == block + 136);
    EXPECT_EQ(std::memcmp(msg->pData, "keepme!!", 8), 0);
}

TEST(Envelope, ResetKeepsTheBlockOrGivesDefaultCapacityAndCopyCarriesDataDescriptorKindAndHeaderLength)
{
    Attr msg;
    ASSERT_EQ(ResetMessage(msg.get()), 1);
    EXPECT_EQ(SizeUsed(msg.get()), make_tuple(392, 136));
    std::memcpy(msg->pData, "abc", 3);
    msg->Used = 139;
    std::memcpy(HeaderOf(msg.get())->UserId, "someone", 7);
    HeaderOf(msg.get())->StrucLength = 136;
    unsigned char *block = msg->pBlock;
    ASSERT_EQ(ResetMessage(msg.get()), 1);
    EXPECT_EQ(msg->pBlock, block);
    EXPECT_EQ(make_tuple(msg->Used, msg->pData[0]), make_tuple(136, 'a'));
    EXPECT_EQ(make_tuple(HeaderOf(msg.get())->UserId[0], HeaderOf(msg.get())->StrucLength), make_tuple('\0', 136));
    EXPECT_EQ(ResetMessage(nullptr), 0);

    Attr src(Lit("0123456789")), dst;
    src->Kind = 7;
    src->MsgDesc.Priority = 4;
    HeaderOf(src.get())->StrucLength = 136;
    ASSERT_EQ(CopyMessage(src.get(), dst.get()), 1);
    EXPECT_EQ(make_tuple(dst->Kind, dst->Used, dst->MsgDesc.Priority), make_tuple(7, 146, 4));
    EXPECT_EQ(dst.data(), "0123456789");
    EXPECT_EQ(VerifyMessage(dst.get()), 1);
    EXPECT_EQ(CopyMessage(nullptr, dst.get()), 0);
    EXPECT_EQ(CopyMessage(src.get(), nullptr), 0);
}

TEST(Envelope, VerifyAndPrintHeader)
{
    Attr msg("");
    EXPECT_EQ(VerifyMessage(msg.get()), 0);
    MDHDR *header = HeaderOf(msg.get());
    header->StrucLength = 136;
    header->lUserMsgLength = 42;
    std::memcpy(header->ApplName, "agent", 5);
    std::memcpy(header->UserId, "mqm", 3);
    EXPECT_EQ(VerifyMessage(msg.get()), 1);
    EXPECT_EQ(CaptureStdout([&] { PrintMessage(msg.get()); }),
              "(MDHDR)\nStrucLength(136)lUserMsgLength(42)\nApplName(\"agent\")\n\nUserId(\"mqm\")\n\n");
    MSHDRE ext{};
    EXPECT_EQ(VerifyMessageExt(&ext), 0);
    ext.StrucLength = 32;
    EXPECT_EQ(VerifyMessageExt(&ext), 1);
}

TEST(Buffer, CreateResetSizeDelete)
{
    Buffer buf{};
    ASSERT_EQ(CreateBuffer(&buf, 32), 1);
    EXPECT_EQ(make_tuple(buf.Length, buf.Capacity, buf.pBuf[31]), make_tuple(32, 32, 0));
    buf.Reserved1 = 9;
    unsigned char *block = buf.pBuf;
    ASSERT_EQ(ResetBuffer(&buf, 10), 1);
    EXPECT_EQ(make_tuple(buf.Length, buf.Capacity, buf.Reserved1), make_tuple(10, 32, 0));
    EXPECT_EQ(buf.pBuf, block);
    ASSERT_EQ(ResetBuffer(&buf, 100), 1);
    EXPECT_EQ(make_tuple(buf.Length, buf.Capacity), make_tuple(100, 100));
    ASSERT_EQ(DeleteBuffer(&buf), 1);
    EXPECT_EQ(buf.pBuf, nullptr);
    EXPECT_EQ(buf.Capacity, 0);
    EXPECT_EQ(DeleteBuffer(&buf), 0);
}

}  // namespace

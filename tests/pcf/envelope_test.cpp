#include <gtest/gtest.h>

#include <cstring>

#include "capture.h"
#include "zemapi.h"

namespace {

MDHDR *HeaderOf(MESSAGE &msg) { return reinterpret_cast<MDHDR *>(msg.pBlock); }

TEST(Envelope, CreateGivesEmptyBlockWithDefaultDescriptor)
{
    MESSAGE msg{};
    ASSERT_EQ(CreateMessage(&msg, 0), 1);
    EXPECT_EQ(msg.Kind, 1);
    EXPECT_EQ(msg.Size, 136);
    EXPECT_EQ(msg.Used, 136);
    EXPECT_EQ(msg.pData, msg.pBlock + 136);
    EXPECT_EQ(HeaderOf(msg)->HeaderWord3, 1);
    EXPECT_EQ(HeaderOf(msg)->StrucLength, 0);
    EXPECT_EQ(std::memcmp(msg.MsgDesc.StrucId, "MD  ", 4), 0);
    EXPECT_EQ(msg.MsgDesc.Version, 1);
    EXPECT_EQ(msg.MsgDesc.MsgType, 8);
    EXPECT_EQ(msg.MsgDesc.Expiry, -1);
    EXPECT_EQ(msg.MsgDesc.Encoding, 546);
    EXPECT_EQ(msg.MsgDesc.CodedCharSetId, 0);
    EXPECT_EQ(std::memcmp(msg.MsgDesc.Format, "        ", 8), 0);
    EXPECT_EQ(msg.MsgDesc.Priority, -1);
    EXPECT_EQ(msg.MsgDesc.Persistence, 2);
    EXPECT_EQ(msg.MsgDesc.MsgSeqNumber, 1);
    EXPECT_EQ(msg.MsgDesc.OriginalLength, -1);
    EXPECT_EQ(DeleteMessage(&msg), 1);
    EXPECT_EQ(DeleteMessage(&msg), 0);
    EXPECT_EQ(msg.pBlock, nullptr);
    EXPECT_EQ(msg.Size, 0);
}

TEST(Envelope, AppendGrowsToExactNeedPlusHeaderSlack)
{
    MESSAGE dst{}, src{};
    ASSERT_EQ(CreateMessage(&dst, 0), 1);
    ASSERT_EQ(CreateMessage(&src, 16), 1);
    std::memcpy(src.pData, "0123456789abcdef", 16);
    src.Used += 16;
    ASSERT_EQ(AppendMessage(&dst, &src), 1);
    EXPECT_EQ(dst.Size, 136 + 152);
    EXPECT_EQ(dst.Used, 152);
    EXPECT_EQ(std::memcmp(dst.pData, "0123456789abcdef", 16), 0);
    ASSERT_EQ(AppendMessage(&dst, &src), 1);
    EXPECT_EQ(dst.Used, 168);
    EXPECT_EQ(std::memcmp(dst.pData + 16, "0123456789abcdef", 16), 0);
    DeleteMessage(&dst);
    DeleteMessage(&src);
}

TEST(Envelope, SizeEmptiesWhileSizeKeepKeepsOrRefuses)
{
    MESSAGE msg{};
    ASSERT_EQ(CreateMessage(&msg, 40), 1);
    std::memset(msg.pData, 'x', 40);
    msg.Used = 176;
    ASSERT_EQ(SizeMessage(&msg, 80), 1);
    EXPECT_EQ(msg.Used, 136);
    EXPECT_EQ(msg.Size, 216);
    EXPECT_EQ(msg.pData[39], 'x');  // bytes stay, only Used is emptied
    msg.Used = 176;
    ASSERT_EQ(SizeMessageKeep(&msg, 64), 1);
    EXPECT_EQ(msg.Used, 176);
    EXPECT_EQ(msg.Size, 200);
    unsigned char *block = msg.pBlock;
    EXPECT_EQ(SizeMessageKeep(&msg, 20), 0);
    EXPECT_EQ(msg.Used, 176);
    EXPECT_EQ(msg.Size, 200);
    EXPECT_EQ(msg.pBlock, block);
    DeleteMessage(&msg);
}

TEST(Envelope, FailedResizeLeavesEnvelopeIntact)
{
    MESSAGE msg{};
    ASSERT_EQ(CreateMessage(&msg, 8), 1);
    std::memcpy(msg.pData, "keepme!!", 8);
    msg.Used = 144;
    unsigned char *block = msg.pBlock;
    // A capacity whose block size cannot be represented is refused before any allocation.
    EXPECT_EQ(SizeMessage(&msg, INT32_MAX), 0);
    EXPECT_EQ(SizeMessageKeep(&msg, INT32_MAX - 100), 0);
    EXPECT_EQ(msg.pBlock, block);
    EXPECT_EQ(msg.pData, block + 136);
    EXPECT_EQ(msg.Size, 144);
    EXPECT_EQ(msg.Used, 144);
    EXPECT_EQ(std::memcmp(msg.pData, "keepme!!", 8), 0);
    EXPECT_EQ(SizeMessage(&msg, -1), 0);
    EXPECT_EQ(msg.Used, 144);
    DeleteMessage(&msg);
}

TEST(Envelope, ResetWithoutBlockGivesDefaultCapacityAndKeepsExistingBlock)
{
    MESSAGE msg{};
    ASSERT_EQ(ResetMessage(&msg), 1);
    EXPECT_EQ(msg.Size, 392);
    EXPECT_EQ(msg.Used, 136);
    std::memcpy(msg.pData, "abc", 3);
    msg.Used = 139;
    std::memcpy(HeaderOf(msg)->UserId, "someone", 7);
    HeaderOf(msg)->StrucLength = 136;
    unsigned char *block = msg.pBlock;
    ASSERT_EQ(ResetMessage(&msg), 1);
    EXPECT_EQ(msg.pBlock, block);
    EXPECT_EQ(msg.Used, 136);
    EXPECT_EQ(msg.pData[0], 'a');
    EXPECT_EQ(HeaderOf(msg)->UserId[0], '\0');
    EXPECT_EQ(HeaderOf(msg)->StrucLength, 136);
    EXPECT_EQ(ResetMessage(nullptr), 0);
    DeleteMessage(&msg);
}

TEST(Envelope, CopyCarriesDataDescriptorKindAndHeaderLength)
{
    MESSAGE src{}, dst{};
    ASSERT_EQ(CreateMessage(&src, 10), 1);
    std::memcpy(src.pData, "0123456789", 10);
    src.Used = 146;
    src.Kind = 7;
    src.MsgDesc.Priority = 4;
    HeaderOf(src)->StrucLength = 136;
    ASSERT_EQ(CopyMessage(&src, &dst), 1);
    EXPECT_EQ(dst.Kind, 7);
    EXPECT_EQ(dst.Used, 146);
    EXPECT_EQ(std::memcmp(dst.pData, "0123456789", 10), 0);
    EXPECT_EQ(dst.MsgDesc.Priority, 4);
    EXPECT_EQ(VerifyMessage(&dst), 1);
    EXPECT_EQ(CopyMessage(nullptr, &dst), 0);
    EXPECT_EQ(CopyMessage(&src, nullptr), 0);
    DeleteMessage(&src);
    DeleteMessage(&dst);
}

TEST(Envelope, VerifyAndPrintHeader)
{
    MESSAGE msg{};
    ASSERT_EQ(CreateMessage(&msg, 0), 1);
    EXPECT_EQ(VerifyMessage(&msg), 0);
    MDHDR *header = HeaderOf(msg);
    header->StrucLength = 136;
    header->lUserMsgLength = 42;
    std::memcpy(header->ApplName, "agent", 5);
    std::memcpy(header->UserId, "mqm", 3);
    EXPECT_EQ(VerifyMessage(&msg), 1);
    EXPECT_EQ(zemtest::CaptureStdout([&] { PrintMessage(&msg); }),
              "(MDHDR)\nStrucLength(136)lUserMsgLength(42)\nApplName(\"agent\")\n\nUserId(\"mqm\")\n\n");
    MSHDRE ext{};
    EXPECT_EQ(VerifyMessageExt(&ext), 0);
    ext.StrucLength = 32;
    EXPECT_EQ(VerifyMessageExt(&ext), 1);
    DeleteMessage(&msg);
}

TEST(Buffer, CreateResetSizeDelete)
{
    Buffer buf{};
    ASSERT_EQ(CreateBuffer(&buf, 32), 1);
    EXPECT_EQ(buf.Length, 32);
    EXPECT_EQ(buf.Capacity, 32);
    EXPECT_EQ(buf.pBuf[31], 0);
    buf.Reserved1 = 9;
    unsigned char *block = buf.pBuf;
    ASSERT_EQ(ResetBuffer(&buf, 10), 1);
    EXPECT_EQ(buf.Length, 10);
    EXPECT_EQ(buf.Capacity, 32);
    EXPECT_EQ(buf.pBuf, block);
    EXPECT_EQ(buf.Reserved1, 0);
    ASSERT_EQ(ResetBuffer(&buf, 100), 1);
    EXPECT_EQ(buf.Length, 100);
    EXPECT_EQ(buf.Capacity, 100);
    ASSERT_EQ(DeleteBuffer(&buf), 1);
    EXPECT_EQ(buf.pBuf, nullptr);
    EXPECT_EQ(buf.Capacity, 0);
    EXPECT_EQ(DeleteBuffer(&buf), 0);
}

}  // namespace

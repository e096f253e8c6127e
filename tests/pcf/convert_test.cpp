#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "capture.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::ByteOrder;
using zemtest::CaptureStdout;
using zemtest::PcfBytes;
using zemtest::Text;

constexpr ByteOrder kNative = ByteOrder::kNative;
constexpr ByteOrder kSwapped = ByteOrder::kSwapped;

// A message of every structure type, as a peer with the given byte order and text
// writes it: a group with a member group, an embedded message, 64-bit values, lists.
std::string EveryType(ByteOrder order, Text text)
{
    std::string embedded = PcfBytes(order, text).Cfh(2, 13, 2).Cfst(2016, "INNER.Q").Cfil(1002, {7, -8}).bytes();
    return PcfBytes(order, text)
        .Cfh(2, 13, 15, 3, 0, 0)
        .Cfin(20, -2)
        .Cfst(2016, "APP.QUEUE", 500)
        .Cfil(1002, {2016, 3, 0x01020304})
        .Cfsl(3011, {"Q.ONE", "Q.TWO", "Q3"}, 6, 500)
        .Cfbs(7006, std::string("\xC1\x01\x00\xFF", 4))
        .Cfif(3, 4, 0x11223344)
        .Cfsf(2016, 1, "APP*", 500)
        .Cfbf(7005, 2, "\xC1\xC2\x03")
        .Cfgr(8011, 3)
        .Cfin(3, 9)
        .Cfgr(8012, 1)
        .Cfst(2029, "CLUS")
        .Cfin64(745, 0x0102030405060708)
        .Cfin64(746, -2)
        .Cfil64(747, {1, -1, 0x1122334455667788})
        .Excfbl(7010, {"\xC1\xC2", "\x01"}, 3)
        .EmbeddedPcf(9001, embedded)
        .Binary(9002, "\xC1\xC2\xC3")
        .Cfin(4, 1)
        .bytes();
}

std::string Convert(const std::string &bytes, int swap, int text, int mode = ZEM_TO_ASCII)
{
    auto exact = zemtest::ExactBytes(bytes);
    EXPECT_EQ(AlienPcfBufferToNative(exact.data(), swap, text, mode, static_cast<int32_t>(exact.size())), 1);
    return std::string(exact.begin(), exact.end());
}

TEST(PcfConversion, PeerMessageOfEveryTypeBecomesNative)
{
    std::string printed = CaptureStdout([] {
        EXPECT_EQ(Convert(EveryType(kSwapped, Text::kEbcdic), 1, 1), EveryType(kNative, Text::kAscii));
    });
    EXPECT_EQ(printed, "");  // the filters are known types too
}

TEST(PcfConversion, SwapAndTextAreIndependent)
{
    EXPECT_EQ(Convert(EveryType(kSwapped, Text::kAscii), 1, 0), EveryType(kNative, Text::kAscii));
    EXPECT_EQ(Convert(EveryType(kSwapped, Text::kEbcdic), 1, 0), EveryType(kNative, Text::kEbcdic));
    EXPECT_EQ(Convert(EveryType(kNative, Text::kEbcdic), 0, 1), EveryType(kNative, Text::kAscii));
    // The text direction is passed through: ASCII to EBCDIC.
    EXPECT_EQ(Convert(EveryType(kNative, Text::kAscii), 0, 1, ZEM_TO_EBCDIC), EveryType(kNative, Text::kEbcdic));
    EXPECT_EQ(Convert(EveryType(kNative, Text::kAscii), 0, 0), EveryType(kNative, Text::kAscii));
}

TEST(PcfConversion, FiltersConvertTheirWordsButNotFilterBytes)
{
    std::string peer = PcfBytes(kSwapped, Text::kEbcdic).Cfh(1, 13, 2).Cfif(20, 5, -3).Cfbf(7006, 6, "\xC1\xC2").bytes();
    std::string native = PcfBytes(kNative).Cfh(1, 13, 2).Cfif(20, 5, -3).Cfbf(7006, 6, "\xC1\xC2").bytes();
    std::string printed = CaptureStdout([&] { EXPECT_EQ(Convert(peer, 1, 1), native); });
    EXPECT_EQ(printed, "");
}

TEST(PcfConversion, UnknownTypeIsReportedAndLeftAsItIs)
{
    // Type 24 between two integers: its own words stay swapped, the walk goes on.
    std::string peer = PcfBytes(kSwapped).Cfh(2, 1, 3).Cfin(1, 1).Words({24, 16, 7, 8}).Cfin(2, 2).bytes();
    std::string expected = PcfBytes(kNative).Cfh(2, 1, 3).Cfin(1, 1).Words({24, 16}).bytes() +
                           PcfBytes(kSwapped).Words({7, 8}).bytes() + PcfBytes(kNative).Cfin(2, 2).bytes();
    std::string printed = CaptureStdout([&] { EXPECT_EQ(Convert(peer, 1, 0), expected); });
    EXPECT_EQ(printed, "AlienPcfBufferToNative: UNKNOWN PCF Type 24 at Offset 68 (MsgLen: 84)\n");
}

TEST(PcfConversion, HeaderAnnouncingMoreThanTheBufferStopsAtItsEnd)
{
    std::string peer = PcfBytes(kSwapped).Cfh(2, 1, 5).Cfin(1, 1).bytes();
    EXPECT_EQ(Convert(peer, 1, 0), PcfBytes(kNative).Cfh(2, 1, 5).Cfin(1, 1).bytes());
    // Only the header: nothing after it is looked at.
    std::string header = PcfBytes(kSwapped).Cfh(2, 1, 3).bytes();
    EXPECT_EQ(Convert(header, 1, 0), PcfBytes(kNative).Cfh(2, 1, 3).bytes());
}

TEST(PcfConversion, WalkStopsWhenTheCountsAreDone)
{
    // Bytes after the announced structures are not touched.
    std::string tail = PcfBytes(kSwapped).Cfin(9, 9).bytes();
    std::string peer = PcfBytes(kSwapped).Cfh(2, 1, 1).Cfin(1, 1).bytes() + tail;
    EXPECT_EQ(Convert(peer, 1, 0), PcfBytes(kNative).Cfh(2, 1, 1).Cfin(1, 1).bytes() + tail);
}

TEST(PcfConversion, StructureReachingBeyondTheLengthEndsTheWalk)
{
    std::string rest = PcfBytes(kSwapped).Words({1, 0, 5}).Chars("ABCD").bytes();
    std::string peer = PcfBytes(kSwapped).Cfh(2, 1, 2).Cfin(1, 1).Words({4, 400}).bytes() + rest;
    std::string expected = PcfBytes(kNative).Cfh(2, 1, 2).Cfin(1, 1).Words({4, 400}).bytes() + rest;
    EXPECT_EQ(Convert(peer, 1, 0), expected);
}

TEST(PcfConversion, StructureShorterThanItsHeadEndsTheWalk)
{
    for (int32_t length : {0, 4, -16}) {
        SCOPED_TRACE(length);
        std::string rest = PcfBytes(kSwapped).Words({3, 16, 1, 2}).bytes();
        std::string peer = PcfBytes(kSwapped).Cfh(2, 1, 2).Words({3, length}).bytes() + rest;
        std::string expected = PcfBytes(kNative).Cfh(2, 1, 2).Words({3, length}).bytes() + rest;
        EXPECT_EQ(Convert(peer, 1, 0), expected);
    }
    // Fewer than 8 bytes left: nothing of them is touched.
    std::string peer = PcfBytes(kSwapped).Cfh(2, 1, 1).Words({3}).bytes();
    EXPECT_EQ(Convert(peer, 1, 0), PcfBytes(kNative).Cfh(2, 1, 1).bytes() + PcfBytes(kSwapped).Words({3}).bytes());
}

TEST(PcfConversion, LyingCountsInsideAStructureStayInsideIt)
{
    // An integer list claiming 1000 values in 24 bytes: its two values are converted, and
    // the next structure still is.
    std::string peer = PcfBytes(kSwapped, Text::kEbcdic)
                           .Cfh(2, 1, 4)
                           .Words({5, 24, 1002, 1000, 1, 2})
                           .Words({4, 24, 2016, 0, 1000})
                           .Chars("ABCD")
                           .Words({6, 32, 3011, 0, 0x10000, 0x10000})
                           .Chars("EFGHIJKL")
                           .Cfin(7, 7)
                           .bytes();
    std::string expected = PcfBytes(kNative)
                               .Cfh(2, 1, 4)
                               .Words({5, 24, 1002, 1000, 1, 2})
                               .Words({4, 24, 2016, 0, 1000})
                               .Chars("ABCD")
                               .Words({6, 32, 3011, 0, 0x10000, 0x10000})
                               .Chars("EFGHIJKL")
                               .Cfin(7, 7)
                               .bytes();
    EXPECT_EQ(Convert(peer, 1, 1), expected);

    // Negative lengths convert nothing.
    std::string negative = PcfBytes(kSwapped, Text::kEbcdic).Cfh(2, 1, 1).Words({4, 24, 2016, 0, -1}).Chars("ABCD").bytes();
    EXPECT_EQ(Convert(negative, 1, 1),
              PcfBytes(kNative).Cfh(2, 1, 1).Words({4, 24, 2016, 0, -1}).bytes() + zemtest::ToEbcdic("ABCD"));
}

TEST(PcfConversion, EmbeddedMessageIsBoundedByItsStructure)
{
    // The embedded message's header announces three parameters, its StringLength says
    // 500 bytes, but the structure holds the header and one integer.
    std::string inner = PcfBytes(kSwapped).Cfh(2, 1, 3).Cfin(1, 1).bytes();
    std::string peer = PcfBytes(kSwapped).Cfh(2, 1, 2).Words({998, 20 + 52, 9, 0, 500}).Raw(inner).Cfin(5, 5).bytes();
    std::string expected = PcfBytes(kNative)
                               .Cfh(2, 1, 2)
                               .Words({998, 72, 9, 0, 500})
                               .Cfh(2, 1, 3)
                               .Cfin(1, 1)
                               .Cfin(5, 5)
                               .bytes();
    EXPECT_EQ(Convert(peer, 1, 0), expected);

    // A shorter StringLength bounds it too: only the embedded header is converted.
    std::string shortPeer = PcfBytes(kSwapped).Cfh(2, 1, 1).Words({998, 72, 9, 0, 36}).Raw(inner).bytes();
    std::string shortExpected = PcfBytes(kNative).Cfh(2, 1, 1).Words({998, 72, 9, 0, 36}).Cfh(2, 1, 3).bytes() +
                                PcfBytes(kSwapped).Cfin(1, 1).bytes();
    EXPECT_EQ(Convert(shortPeer, 1, 0), shortExpected);
}

TEST(PcfConversion, DeeplyNestedEmbeddedMessagesDoNotExhaustTheStack)
{
    // 100000 messages each embedded in the next: every level is an MQCFH and a 998 header
    // in front of the level below, so the bytes are the prefixes, outermost first.
    constexpr int kLevels = 100000;
    const std::string innermost = PcfBytes(kSwapped).Cfh(2, 1, 1).Cfin(1, 1).bytes();
    std::vector<int32_t> lengths{static_cast<int32_t>(innermost.size())};
    for (int level = 0; level < kLevels; ++level)
        lengths.push_back(lengths.back() + 56);
    PcfBytes peer(kSwapped);
    for (int level = kLevels; level > 0; --level)
        peer.Cfh(2, 1, 1).Words({998, 20 + lengths[level - 1], 9, 0, lengths[level - 1]});
    peer.Raw(innermost);

    std::string converted = Convert(peer.bytes(), 1, 0);
    EXPECT_EQ(converted.substr(0, 56),
              PcfBytes(kNative).Cfh(2, 1, 1).Words({998, 20 + lengths[kLevels - 1], 9, 0, lengths[kLevels - 1]}).bytes());
}

TEST(PcfConversion, NothingToConvert)
{
    std::string peer = PcfBytes(kSwapped).Cfh(2, 1, 0).bytes();
    auto exact = zemtest::ExactBytes(peer);
    EXPECT_EQ(AlienPcfBufferToNative(exact.data(), 1, 1, ZEM_TO_ASCII, 0), 1);
    EXPECT_EQ(AlienPcfBufferToNative(exact.data(), 1, 1, ZEM_TO_ASCII, -36), 1);
    EXPECT_EQ(std::string(exact.begin(), exact.end()), peer);
    EXPECT_EQ(AlienPcfBufferToNative(nullptr, 1, 1, ZEM_TO_ASCII, 36), 1);
    // A length shorter than the header converts only what lies inside it.
    EXPECT_EQ(AlienPcfBufferToNative(exact.data(), 1, 0, ZEM_TO_ASCII, 8), 1);
    EXPECT_EQ(std::string(exact.begin(), exact.end()),
              PcfBytes(kNative).Words({2, 36}).bytes() + peer.substr(8));
}

// The envelope header a big-endian EBCDIC peer writes in front of its message.
std::string PeerHeader(int32_t messageLength)
{
    PcfBytes header(kSwapped, Text::kEbcdic);
    header.Words({136, 7, 1, 500});
    header.Raw(std::string(48, '\x5A'));  // not interpreted, not touched
    header.Words({messageLength, 8});
    header.Chars("peeruser").Raw(std::string(4, '\0'));
    header.Chars("PAYROLL.AGENT").Chars(std::string(35, ' '));
    header.Int32(1);
    return header.bytes();
}

TEST(PcfConversion, PeerEnvelopeAndMessageBecomeNativeOnce)
{
    std::string peerMessage = EveryType(kSwapped, Text::kEbcdic);
    auto length = static_cast<int32_t>(peerMessage.size());
    zemtest::PcfPtr pcf = zemtest::ContainerHolding(peerMessage);
    std::string header = PeerHeader(length);
    ASSERT_EQ(header.size(), 136u);
    std::memcpy(pcf->PcfMsg.pBlock, header.data(), header.size());

    ASSERT_EQ(AlienToNative(&pcf->PcfMsg), 1);
    auto *mdhdr = reinterpret_cast<MDHDR *>(pcf->PcfMsg.pBlock);
    EXPECT_EQ(mdhdr->StrucLength, 136);
    EXPECT_EQ(mdhdr->HeaderWord1, 7);
    EXPECT_EQ(mdhdr->Encoding, 1);  // left for the data conversion
    EXPECT_EQ(mdhdr->CharSet, 500);
    EXPECT_EQ(mdhdr->lUserMsgLength, length);
    EXPECT_EQ(mdhdr->HeaderWord2, 8);
    EXPECT_EQ(mdhdr->HeaderWord3, 1);
    EXPECT_EQ(std::string(mdhdr->UserId, 12), std::string("peeruser\0\0\0\0", 12));
    EXPECT_EQ(std::string(mdhdr->ApplName, 48), "PAYROLL.AGENT" + std::string(35, ' '));
    EXPECT_EQ(std::string(reinterpret_cast<char *>(mdhdr->Reserved), 48), std::string(48, '\x5A'));

    ASSERT_EQ(AlienPcfToNative(pcf.get()), 1);
    EXPECT_EQ(mdhdr->Encoding, 0);
    EXPECT_EQ(mdhdr->CharSet, 1);
    std::string native = EveryType(kNative, Text::kAscii);
    EXPECT_EQ(zemtest::DataOf(*pcf), native);
    EXPECT_EQ(RawToPcf(pcf.get()), 1);

    // A second pass, of the data and of the header, changes nothing.
    std::string before(reinterpret_cast<char *>(pcf->PcfMsg.pBlock), static_cast<std::size_t>(pcf->PcfMsg.Used));
    EXPECT_EQ(AlienPcfToNative(pcf.get()), 1);
    EXPECT_EQ(AlienToNative(&pcf->PcfMsg), 1);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(pcf->PcfMsg.pBlock), static_cast<std::size_t>(pcf->PcfMsg.Used)),
              before);
}

TEST(PcfConversion, PeerLengthWordNeverReachesBeyondTheDataArea)
{
    std::string peerMessage = PcfBytes(kSwapped).Cfh(2, 1, 1000).Cfin(1, 1).bytes();
    zemtest::PcfPtr pcf = zemtest::ContainerHolding(peerMessage);
    auto *mdhdr = reinterpret_cast<MDHDR *>(pcf->PcfMsg.pBlock);
    mdhdr->Encoding = 1;
    mdhdr->CharSet = 1;
    mdhdr->lUserMsgLength = 1 << 20;  // the data area holds 52 bytes
    EXPECT_EQ(AlienPcfToNative(pcf.get()), 1);
    EXPECT_EQ(zemtest::DataOf(*pcf), PcfBytes(kNative).Cfh(2, 1, 1000).Cfin(1, 1).bytes());
}

TEST(PcfConversion, NativeEnvelopeHeaderIsLeftAlone)
{
    MESSAGE msg{};
    ASSERT_EQ(CreateMessage(&msg, 0), 1);
    auto *header = reinterpret_cast<MDHDR *>(msg.pBlock);
    header->StrucLength = 136;
    header->CharSet = 1;
    std::memcpy(header->ApplName, "native app", 10);
    std::string before(reinterpret_cast<char *>(msg.pBlock), 136);
    EXPECT_EQ(AlienToNative(&msg), 1);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(msg.pBlock), 136), before);
    header->StrucLength = 100;
    EXPECT_EQ(AlienToNative(&msg), 0);
    DeleteMessage(&msg);
    EXPECT_EQ(AlienToNative(nullptr), 0);
    EXPECT_EQ(AlienPcfToNative(nullptr), 0);
}

TEST(PcfConversion, PeerHeaderExtensionKeepsItsVersionWord)
{
    std::string peer = PcfBytes(kSwapped, Text::kEbcdic).Words({32, 1, 273, 500, 4096}).Chars("operator  ").Raw(std::string(2, '\0')).bytes();
    MSHDRE ext{};
    ASSERT_EQ(peer.size(), sizeof ext);
    std::memcpy(&ext, peer.data(), sizeof ext);
    EXPECT_EQ(AlienToNativeExt(&ext), 1);
    EXPECT_EQ(ext.StrucLength, 32);
    EXPECT_EQ(ext.Version, 0x01000000);  // as the peer wrote it
    EXPECT_EQ(ext.Encoding, 273);
    EXPECT_EQ(ext.CharSet, 500);
    EXPECT_EQ(ext.UserMsgLength, 4096);
    EXPECT_EQ(std::string(ext.Author, 12), std::string("operator  \0\0", 12));

    MSHDRE native{32, 1, 0, 1, 7, "me"};
    MSHDRE copy = native;
    EXPECT_EQ(AlienToNativeExt(&copy), 1);
    EXPECT_EQ(std::memcmp(&copy, &native, sizeof copy), 0);
    copy.StrucLength = 33;
    EXPECT_EQ(AlienToNativeExt(&copy), 0);
    EXPECT_EQ(AlienToNativeExt(nullptr), 0);
}

}  // namespace

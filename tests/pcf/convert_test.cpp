#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "capture.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace zemtest;

constexpr ByteOrder kNative = ByteOrder::kNative;
constexpr ByteOrder kSwapped = ByteOrder::kSwapped;

PcfBytes Peer(Text text = Text::kAscii) { return PcfBytes(kSwapped, text); }
PcfBytes Native() { return PcfBytes(kNative); }

// A message of every structure type, as a peer with the given byte order and text
// writes it: a group with a member group, an embedded message, 64-bit values, lists.
std::string EveryType(ByteOrder order, Text text)
{
    std::string embedded = PcfBytes(order, text).Cfh(2, 13, 2).Cfst(2016, "INNER.Q").Cfil(1002, {7, -8}).bytes();
    return PcfBytes(order, text)
        .Cfh(2, 13, 15, 3, 0, 0).Cfin(20, -2).Cfst(2016, "APP.QUEUE", 500).Cfil(1002, {2016, 3, 0x01020304})
        .Cfsl(3011, {"Q.ONE", "Q.TWO", "Q3"}, 6, 500).Cfbs(7006, Lit("\xC1\x01\x00\xFF")).Cfif(3, 4, 0x11223344)
        .Cfsf(2016, 1, "APP*", 500).Cfbf(7005, 2, "\xC1\xC2\x03")  // filter bytes are not text
        .Cfgr(8011, 3).Cfin(3, 9).Cfgr(8012, 1).Cfst(2029, "CLUS").Cfin64(745, 0x0102030405060708)
        .Cfin64(746, -2).Cfil64(747, {1, -1, 0x1122334455667788}).Excfbl(7010, {"\xC1\xC2", "\x01"}, 3)
        .EmbeddedPcf(9001, embedded).Binary(9002, "\xC1\xC2\xC3").Cfin(4, 1)
        .bytes();
}

std::string Convert(const std::string &bytes, int swap, int text, int mode = ZEM_TO_ASCII)
{
    auto exact = ExactBytes(bytes);
    EXPECT_EQ(AlienPcfBufferToNative(exact.data(), swap, text, mode, static_cast<int32_t>(exact.size())), 1);
    return std::string(exact.begin(), exact.end());
}

TEST(PcfConversion, PeerMessageOfEveryTypeBecomesNativeWithSwapAndTextIndependent)
{
    const struct { ByteOrder order; Text from; int swap, text, mode; Text to; } rows[] = {
        {kSwapped, Text::kEbcdic, 1, 1, ZEM_TO_ASCII, Text::kAscii},
        {kSwapped, Text::kAscii, 1, 0, ZEM_TO_ASCII, Text::kAscii},
        {kSwapped, Text::kEbcdic, 1, 0, ZEM_TO_ASCII, Text::kEbcdic},
        {kNative, Text::kEbcdic, 0, 1, ZEM_TO_ASCII, Text::kAscii},
        {kNative, Text::kAscii, 0, 1, ZEM_TO_EBCDIC, Text::kEbcdic},  // the direction is passed through
        {kNative, Text::kAscii, 0, 0, ZEM_TO_ASCII, Text::kAscii},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        std::string printed = CaptureStdout([&] {
            EXPECT_EQ(Convert(EveryType(row.order, row.from), row.swap, row.text, row.mode), EveryType(kNative, row.to));
        });
        EXPECT_EQ(printed, "");  // the filters are known types too
    }
    // Every header type IBM MQ publishes converts, indexes and prints as a header.
    for (int32_t type : {1, 2, 7, 8, 10, 12, 16, 17, 18, 19, 21, 22, 26, 27}) {
        SCOPED_TRACE(type);
        std::string native = Convert(Peer(Text::kEbcdic).Cfh(type, 0, 1, 1, 0, 0, 0, 5).Cfst(3, "AB").bytes(), 1, 1);
        EXPECT_EQ(native, Native().Cfh(type, 0, 1, 1, 0, 0, 0, 5).Cfst(3, "AB").bytes());
        PcfPtr pcf = ContainerHolding(native);
        ASSERT_EQ(RawToPcf(pcf.get()), 1);
        std::string listing = CaptureStdout([&] { PrintPcfMessage(pcf.get()); });
        EXPECT_NE(listing.find("PCF Header (MQCFH):\n->Type(" + std::to_string(type) + "), StrucLength(36)"),
                  std::string::npos) << listing;
    }
}

TEST(PcfConversion, UnknownTypeIsReportedAndLeftAsItIs)
{
    // Type 24 between two integers: its own words stay swapped, the walk goes on.
    std::string peer = Peer().Cfh(2, 1, 3).Cfin(1, 1).Words({24, 16, 7, 8}).Cfin(2, 2).bytes();
    std::string expected = Native().Cfh(2, 1, 3).Cfin(1, 1).Words({24, 16}).bytes() + Peer().Words({7, 8}).bytes() +
                           Native().Cfin(2, 2).bytes();
    std::string printed = CaptureStdout([&] { EXPECT_EQ(Convert(peer, 1, 0), expected); });
    EXPECT_EQ(printed, "AlienPcfBufferToNative: UNKNOWN PCF Type 24 at Offset 68 (MsgLen: 84)\n");
}

TEST(PcfConversion, WalkStaysInsideTheBufferTheCountsAndEachStructure)
{
    const std::string inner = Peer().Cfh(2, 1, 3).Cfin(1, 1).bytes();
    const std::string tail = Peer().Cfin(9, 9).bytes();
    const std::string rest = Peer().Words({1, 0, 5}).Chars("ABCD").bytes();
    const std::string shortRest = Peer().Words({3, 16, 1, 2}).bytes();
    const struct { const char *label; std::string peer, expected; int text; } rows[] = {
        {"header announcing more than the buffer", Peer().Cfh(2, 1, 5).Cfin(1, 1).bytes(),
         Native().Cfh(2, 1, 5).Cfin(1, 1).bytes(), 0},
        {"only a header", Peer().Cfh(2, 1, 3).bytes(), Native().Cfh(2, 1, 3).bytes(), 0},
        {"bytes after the counted structures", Peer().Cfh(2, 1, 1).Cfin(1, 1).bytes() + tail,
         Native().Cfh(2, 1, 1).Cfin(1, 1).bytes() + tail, 0},
        {"structure reaching beyond the length", Peer().Cfh(2, 1, 2).Cfin(1, 1).Words({4, 400}).bytes() + rest,
         Native().Cfh(2, 1, 2).Cfin(1, 1).Words({4, 400}).bytes() + rest, 0},
        {"StrucLength 4", Peer().Cfh(2, 1, 2).Words({3, 4}).bytes() + shortRest,
         Native().Cfh(2, 1, 2).Words({3, 4}).bytes() + shortRest, 0},
        {"StrucLength -16", Peer().Cfh(2, 1, 2).Words({3, -16}).bytes() + shortRest,
         Native().Cfh(2, 1, 2).Words({3, -16}).bytes() + shortRest, 0},
        {"fewer than 8 bytes left", Peer().Cfh(2, 1, 1).Words({3}).bytes(),
         Native().Cfh(2, 1, 1).bytes() + Peer().Words({3}).bytes(), 0},
        // Lists claiming 1000 values, a string claiming 1000 bytes: what lies inside each
        // structure is converted, and so is the next structure.
        {"lying counts",
         Peer(Text::kEbcdic).Cfh(2, 1, 4).Words({5, 24, 1002, 1000, 1, 2}).Words({4, 24, 2016, 0, 1000}).Chars("ABCD")
             .Words({6, 32, 3011, 0, 0x10000, 0x10000}).Chars("EFGHIJKL").Cfin(7, 7).bytes(),
         Native().Cfh(2, 1, 4).Words({5, 24, 1002, 1000, 1, 2}).Words({4, 24, 2016, 0, 1000}).Chars("ABCD")
             .Words({6, 32, 3011, 0, 0x10000, 0x10000}).Chars("EFGHIJKL").Cfin(7, 7).bytes(),
         1},
        {"negative string length", Peer(Text::kEbcdic).Cfh(2, 1, 1).Words({4, 24, 2016, 0, -1}).Chars("ABCD").bytes(),
         Native().Cfh(2, 1, 1).Words({4, 24, 2016, 0, -1}).bytes() + ToEbcdic("ABCD"), 1},
        // The embedded header announces three parameters and StringLength 500 bytes, but the
        // structure holds the header and one integer.
        {"embedded message bounded by its structure",
         Peer().Cfh(2, 1, 2).Words({998, 20 + 52, 9, 0, 500}).Raw(inner).Cfin(5, 5).bytes(),
         Native().Cfh(2, 1, 2).Words({998, 72, 9, 0, 500}).Cfh(2, 1, 3).Cfin(1, 1).Cfin(5, 5).bytes(), 0},
        {"embedded message bounded by its StringLength", Peer().Cfh(2, 1, 1).Words({998, 72, 9, 0, 36}).Raw(inner).bytes(),
         Native().Cfh(2, 1, 1).Words({998, 72, 9, 0, 36}).Cfh(2, 1, 3).bytes() + Peer().Cfin(1, 1).bytes(), 0},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Convert(row.peer, 1, row.text), row.expected) << row.label;
}

TEST(PcfConversion, DeeplyNestedEmbeddedMessagesDoNotExhaustTheStack)
{
    // 100000 messages each embedded in the next: every level is an MQCFH and a 998 header
    // in front of the level below, so the bytes are the prefixes, outermost first.
    constexpr int kLevels = 100000;
    const std::string innermost = Peer().Cfh(2, 1, 1).Cfin(1, 1).bytes();
    std::vector<int32_t> lengths{static_cast<int32_t>(innermost.size())};
    for (int level = 0; level < kLevels; ++level)
        lengths.push_back(lengths.back() + 56);
    PcfBytes peer(kSwapped);
    for (int level = kLevels; level > 0; --level)
        peer.Cfh(2, 1, 1).Words({998, 20 + lengths[level - 1], 9, 0, lengths[level - 1]});
    peer.Raw(innermost);
    EXPECT_EQ(Convert(peer.bytes(), 1, 0).substr(0, 56),
              Native().Cfh(2, 1, 1).Words({998, 20 + lengths[kLevels - 1], 9, 0, lengths[kLevels - 1]}).bytes());
}

TEST(PcfConversion, NothingToConvert)
{
    std::string peer = Peer().Cfh(2, 1, 0).bytes();
    auto exact = ExactBytes(peer);
    EXPECT_EQ(AlienPcfBufferToNative(exact.data(), 1, 1, ZEM_TO_ASCII, 0), 1);
    EXPECT_EQ(AlienPcfBufferToNative(exact.data(), 1, 1, ZEM_TO_ASCII, -36), 1);
    EXPECT_EQ(std::string(exact.begin(), exact.end()), peer);
    EXPECT_EQ(AlienPcfBufferToNative(nullptr, 1, 1, ZEM_TO_ASCII, 36), 1);
    // A length shorter than the header converts only what lies inside it.
    EXPECT_EQ(AlienPcfBufferToNative(exact.data(), 1, 0, ZEM_TO_ASCII, 8), 1);
    EXPECT_EQ(std::string(exact.begin(), exact.end()), Words({2, 36}) + peer.substr(8));
}

std::string BlockOf(const MESSAGE &msg, int32_t length)
{
    return std::string(reinterpret_cast<char *>(msg.pBlock), static_cast<std::size_t>(length));
}

TEST(PcfConversion, PeerEnvelopeAndMessageBecomeNativeOnce)
{
    std::string peerMessage = EveryType(kSwapped, Text::kEbcdic);
    auto length = static_cast<int32_t>(peerMessage.size());
    PcfPtr pcf = ContainerHolding(peerMessage);
    // The envelope header a big-endian EBCDIC peer writes in front of its message.
    std::string header = Peer(Text::kEbcdic).Words({136, 7, 1, 500}).Raw(std::string(48, '\x5A')).Words({length, 8})
                             .Chars("peeruser").Raw(std::string(4, '\0')).Chars("PAYROLL.AGENT" + std::string(35, ' '))
                             .Int32(1).bytes();
    ASSERT_EQ(header.size(), 136u);
    std::memcpy(pcf->PcfMsg.pBlock, header.data(), header.size());

    ASSERT_EQ(AlienToNative(&pcf->PcfMsg), 1);
    // Words swapped and texts in ASCII; Encoding and CharSet are left for the data conversion,
    // the reserved bytes are not touched.
    EXPECT_EQ(BlockOf(pcf->PcfMsg, 136), Words({136, 7, 1, 500}) + std::string(48, '\x5A') + Words({length, 8}) +
                                             Lit("peeruser\0\0\0\0") + "PAYROLL.AGENT" + std::string(35, ' ') + Words({1}));
    auto *mdhdr = reinterpret_cast<MDHDR *>(pcf->PcfMsg.pBlock);
    ASSERT_EQ(AlienPcfToNative(pcf.get()), 1);
    EXPECT_EQ(std::make_pair(mdhdr->Encoding, mdhdr->CharSet), std::make_pair(0, 1));
    EXPECT_EQ(DataOf(*pcf), EveryType(kNative, Text::kAscii));
    EXPECT_EQ(RawToPcf(pcf.get()), 1);

    // A second pass, of the data and of the header, changes nothing.
    std::string before = BlockOf(pcf->PcfMsg, pcf->PcfMsg.Used);
    EXPECT_EQ(AlienPcfToNative(pcf.get()), 1);
    EXPECT_EQ(AlienToNative(&pcf->PcfMsg), 1);
    EXPECT_EQ(BlockOf(pcf->PcfMsg, pcf->PcfMsg.Used), before);
}

TEST(PcfConversion, PeerLengthWordNeverReachesBeyondTheDataArea)
{
    PcfPtr lying = ContainerHolding(Peer().Cfh(2, 1, 1000).Cfin(1, 1).bytes());
    auto *mdhdr = reinterpret_cast<MDHDR *>(lying->PcfMsg.pBlock);
    mdhdr->Encoding = 1;
    mdhdr->CharSet = 1;
    mdhdr->lUserMsgLength = 1 << 20;  // the data area holds 52 bytes
    EXPECT_EQ(AlienPcfToNative(lying.get()), 1);
    EXPECT_EQ(DataOf(*lying), Native().Cfh(2, 1, 1000).Cfin(1, 1).bytes());
}

TEST(PcfConversion, NativeHeadersAreLeftAloneAndThePeerExtensionKeepsItsVersionWord)
{
    MESSAGE msg{};
    ASSERT_EQ(CreateMessage(&msg, 0), 1);
    auto *header = reinterpret_cast<MDHDR *>(msg.pBlock);
    header->StrucLength = 136;
    header->CharSet = 1;
    std::memcpy(header->ApplName, "native app", 10);
    std::string before = BlockOf(msg, 136);
    EXPECT_EQ(AlienToNative(&msg), 1);
    EXPECT_EQ(BlockOf(msg, 136), before);
    header->StrucLength = 100;
    EXPECT_EQ(AlienToNative(&msg), 0);
    DeleteMessage(&msg);
    EXPECT_EQ(AlienToNative(nullptr), 0);
    EXPECT_EQ(AlienPcfToNative(nullptr), 0);

    std::string peer = Peer(Text::kEbcdic).Words({32, 1, 273, 500, 4096}).Chars("operator  ").Raw(std::string(2, '\0')).bytes();
    MSHDRE ext{};
    ASSERT_EQ(peer.size(), sizeof ext);
    std::memcpy(&ext, peer.data(), sizeof ext);
    EXPECT_EQ(AlienToNativeExt(&ext), 1);
    // The Version word stays as the peer wrote it.
    EXPECT_EQ(std::string(reinterpret_cast<char *>(&ext), sizeof ext),
              Words({32}) + Peer().Words({1}).bytes() + Words({273, 500, 4096}) + Lit("operator  \0\0"));

    MSHDRE native{32, 1, 0, 1, 7, "me"};
    MSHDRE copy = native;
    EXPECT_EQ(AlienToNativeExt(&copy), 1);
    EXPECT_EQ(std::memcmp(&copy, &native, sizeof copy), 0);
    copy.StrucLength = 33;
    EXPECT_EQ(AlienToNativeExt(&copy), 0);
    EXPECT_EQ(AlienToNativeExt(nullptr), 0);
}

}  // namespace

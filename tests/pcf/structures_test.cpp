#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <utility>

#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace zemtest;

// Validity of bytes held by an owning envelope whose data is exactly the bytes.
int ValidOwned(const std::string &bytes)
{
    MESSAGE msg = EnvelopeHolding(bytes);
    int valid = IsPcfAttrValid(&msg);
    DeleteMessage(&msg);
    return valid;
}

// Validity of the same bytes seen through an attribute view of `used` bytes.
int ValidView(const std::string &bytes, int32_t used)
{
    auto exact = ExactBytes(bytes);
    MESSAGE view{};
    view.Kind = 1;
    view.pData = exact.data();
    view.Size = view.Used = used;
    return IsPcfAttrValid(&view);
}

void ExpectValidity(std::initializer_list<std::string> rows, int expected)
{
    int row = 0;
    for (const auto &bytes : rows)
        EXPECT_EQ(ValidOwned(bytes), expected) << "row " << row++;
}

TEST(PcfValidity, HeaderTypesNeedExactly36BytesAndUnknownTypesAreInvalidWhateverTheirLength)
{
    for (int32_t type : {1, 2, 7, 8, 10, 12, 16, 17, 18, 19, 21, 22, 26, 27}) {
        SCOPED_TRACE(type);
        EXPECT_EQ(ValidOwned(PcfBytes().Cfh(type, 1, 0).bytes()), 1);
        EXPECT_EQ(ValidOwned(PcfBytes().Cfh(type, 1, 0).Int32(0).bytes()), 0);  // envelope 40, StrucLength 36
        EXPECT_EQ(ValidOwned(Words({type, 40, 1, 1, 1, 1, 0, 0, 0, 0})), 0);      // 40 = envelope, not 36
        EXPECT_EQ(ValidOwned(Words({type, 32, 1, 1, 1, 1, 0, 0})), 0);            // 32 = envelope, not 36
    }
    for (int32_t type : {0, -1, 11, 24, 28, 500, 996, 1000, INT32_MIN}) {
        SCOPED_TRACE(type);
        EXPECT_EQ(ValidOwned(Words({type, 16, 1, 2})), 0);
        EXPECT_EQ(ValidOwned(Words({type, 36, 1, 1, 1, 1, 0, 0, 0})), 0);
    }
}

TEST(PcfValidity, EachShapeChecksItsFixedLengthOrItsLengthWords)
{
    ExpectValidity({PcfBytes().Cfin(1, 2).bytes(), PcfBytes().Cfif(1, 2, 3).bytes(), PcfBytes().Cfin64(1, 2).bytes(),
                    PcfBytes().Cfst(1, "ABCDE").bytes(), Words({4, 28, 1, 0, 8, 0, 0}) /* exactly full */,
                    Words({4, 20, 1, 0, 0}) /* empty string */, Words({15, 24, 1, 0, 4, 0}), Words({998, 24, 1, 0, 4, 0}),
                    Words({999, 24, 1, 0, 4, 0}), PcfBytes().Cfbs(1, "xyz").bytes(), PcfBytes().Cfsf(1, 2, "ab").bytes(),
                    PcfBytes().Cfbf(1, 2, "ab").bytes(), PcfBytes().EmbeddedPcf(1, PcfBytes().Cfh(2, 1, 0).bytes()).bytes(),
                    PcfBytes().Binary(1, "bin").bytes(), PcfBytes().Cfil(1, {1, 2, 3}).bytes(), PcfBytes().Cfil(1, {}).bytes(),
                    PcfBytes().Cfil64(1, {1, 2}).bytes(), PcfBytes().Cfsl(1, {"AB", "CD"}, 3).bytes() /* 24 + 6 -> 32 */,
                    PcfBytes().Excfbl(1, {"\x01\x02", "\x03"}, 2).bytes(),
                    // A group is judged by its header only: its envelope covers the members.
                    PcfBytes().Cfgr(7, 2).Cfin(1, 1).Cfst(2, "AB").bytes(), PcfBytes().Cfgr(7, 0).bytes()},
                   1);
    ExpectValidity({// Integers and the integer filter have fixed lengths.
                    PcfBytes().Cfin(1, 2).Int32(0).bytes() /* Used = 136 + 20 */, Words({3, 20, 1, 2, 0}),
                    Words({13, 16, 1, 2}), Words({13, 24, 1, 2, 3, 0}), Words({23, 16, 1, 0}), Words({23, 28, 1, 0, 0, 0, 0}),
                    // MQCFST: 20 + StringLength <= StrucLength, aligned; the same rule at offset 16
                    // for 15, 998 and 999, at 12 for 9, at 20 for 14.
                    Words({4, 28, 1, 0, 9, 0, 0}), Words({4, 26, 1, 0, 5}) + "ABCDEF", Words({15, 24, 1, 0, 5, 0}),
                    Words({998, 24, 1, 0, 5, 0}), Words({999, 24, 1, 0, 5, 0}), Words({9, 20, 1, 5, 0}),
                    Words({14, 28, 1, 2, 0, 5, 0}),
                    // Integer lists need their exact length, string lists a sufficient aligned one.
                    Words({5, 28, 1, 2, 0, 0, 0}) /* 16 + 4 x 2 = 24 */,
                    PcfBytes().Words({25, 32, 1, 3}).Int64(1).Int64(2).bytes(),
                    Words({6, 32, 1, 0, 3, 3}) + std::string(8, 'x') /* 33 > 32 */,
                    Words({6, 30, 1, 0, 2, 3}) + std::string(6, 'x') /* not aligned */,
                    Words({997, 28, 1, 0, 2, 3}) + std::string(4, 'x'), Words({20, 20, 7, 0, 0}),
                    Words({20, 16, 7, -1}) /* a negative member count */},
                   0);
    std::string group = PcfBytes().Cfgr(7, 2).Cfin(1, 1).Cfst(2, "AB").bytes();
    EXPECT_EQ(ValidView(group, static_cast<int32_t>(group.size())), 1);
    EXPECT_EQ(ValidView(group, 16), 1);
    EXPECT_EQ(ValidView(group, 12), 0);  // header itself not all there
}

TEST(PcfValidity, NegativeWordsAndSizesThatOverflow32BitsAreInvalid)
{
    ExpectValidity({Words({4, 20, 1, 0, -4}) /* -4 + 20 <= 20 in plain arithmetic */, Words({9, 16, 1, -16}),
                    Words({14, 24, 1, 0, 0, -1}), Words({15, 20, 1, 0, -20}), Words({998, 20, 1, 0, -1}),
                    Words({6, 24, 1, 0, -1, 4}) /* -4 + 24 <= 24 */, Words({6, 24, 1, 0, 1, -4}),
                    Words({997, 24, 1, 0, -2, -2}) /* -2 x -2 = 4 would fit */,
                    // Each of these would compare equal or fit if the size wrapped at 32 bits.
                    Words({5, 20, 1, 0x40000001, 0}) /* 16 + 4 x n wraps to 20 */,
                    Words({25, 24, 1, 0x20000001, 0, 0}) /* 16 + 8 x n wraps to 24 */,
                    Words({6, 24, 1, 0, 0x10000, 0x10000}) /* n x len wraps to 0 */, Words({997, 24, 1, 0, 0x10000, 0x10000}),
                    Words({4, 24, 1, 0, INT32_MAX, 0}) /* 20 + len wraps negative */, Words({9, 16, 1, INT32_MAX}),
                    Words({14, 24, 1, 0, 0, INT32_MAX})},
                   0);
    EXPECT_EQ(ValidView(Words({3, -16, 1, 2}), 16), 0);
    EXPECT_EQ(ValidView(Words({3, 16, 1, 2}), -16), 0);
}

TEST(PcfValidity, ExpectedLengthComesFromTheEnvelopeKindAndNothingPastTheDataIsRead)
{
    std::string cfin = PcfBytes().Cfin(1, 2).bytes();
    EXPECT_EQ(ValidView(cfin, 152), 0);  // a view's Used has no 136-byte header in it
    MESSAGE msg = EnvelopeHolding(cfin);
    msg.Used = 100;  // below the header
    EXPECT_EQ(IsPcfAttrValid(&msg), 0);
    DeleteMessage(&msg);
    EXPECT_EQ(IsPcfAttrValid(nullptr), 0);
    MESSAGE empty{};
    EXPECT_EQ(IsPcfAttrValid(&empty), 0);

    // Used claims 16 data bytes but the block holds 8: the length word says 16 and the
    // structure would be valid, yet its bytes are not there.
    msg = EnvelopeHolding(Words({3, 16}));
    msg.Used = 136 + 16;
    EXPECT_EQ(IsPcfAttrValid(&msg), 0);
    DeleteMessage(&msg);
    // Views that end before the words their rules read (ASan checks the exact buffers).
    EXPECT_EQ(ValidView(Words({6, 16, 1, 0}), 16), 0);
    EXPECT_EQ(ValidView(Words({4, 8}), 8), 0);
    EXPECT_EQ(ValidView(Words({9, 12, 1}), 12), 0);
    EXPECT_EQ(ValidView(Words({3}), 4), 0);
    EXPECT_EQ(ValidView("", 0), 0);
}

TEST(PcfTypes, MessageTypeStoredTypeAndAttrTypeFollowTheHeaderWords)
{
    // Commands are requests, responses replies, reports reports, everything else a datagram;
    // the three extended response types are stored as responses.
    const std::pair<int32_t, int32_t> msgTypes[] = {{1, 1}, {16, 1}, {2, 2}, {17, 2}, {18, 2}, {19, 2}, {12, 4},
                                                    {7, 8}, {0, 8}, {-1, 8}, {3, 8}, {10, 8}, {21, 8}, {999, 8}};
    for (const auto &row : msgTypes)
        EXPECT_EQ(PcfToMsgType(row.first), row.second) << row.first;
    const std::pair<int32_t, int32_t> stored[] = {{17, 2}, {18, 2}, {19, 2}, {1, 1}, {16, 16}, {20, 20}, {-5, -5}};
    for (const auto &row : stored)
        EXPECT_EQ(SetPcfType(row.first), row.second) << row.first;

    MESSAGE msg = EnvelopeHolding(Words({24, 99}));  // invalid, still read
    EXPECT_EQ(GetPcfAttrType(&msg), 24);
    DeleteMessage(&msg);
    MESSAGE none{};
    EXPECT_EQ(GetPcfAttrType(&none), 0);
    EXPECT_EQ(GetPcfAttrType(nullptr), 0);
    ASSERT_EQ(CreateMessage(&msg, 2), 1);  // too small to hold a Type word
    EXPECT_EQ(GetPcfAttrType(&msg), 0);
    DeleteMessage(&msg);
}

TEST(PcfBuilders, WriteTheDocumentedBytes)
{
    // Pins the test builders themselves to hand-written bytes.
    EXPECT_EQ(PcfBytes(ByteOrder::kSwapped).Cfin(0x01020304, -2).bytes(),
              Lit("\x00\x00\x00\x03\x00\x00\x00\x10\x01\x02\x03\x04\xFF\xFF\xFF\xFE"));
    EXPECT_EQ(PcfBytes().Cfin(0x01020304, 5).bytes(), Lit("\x03\x00\x00\x00\x10\x00\x00\x00\x04\x03\x02\x01\x05\x00\x00\x00"));
    EXPECT_EQ(PcfBytes(ByteOrder::kNative, Text::kEbcdic).Cfst(1, "Ab1 ").bytes(),
              Lit("\x04\x00\x00\x00\x18\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x04\x00\x00\x00\xC1\x82\xF1\x40"));
    EXPECT_EQ(PcfBytes(ByteOrder::kSwapped).Int64(0x0102030405060708).bytes(), "\x01\x02\x03\x04\x05\x06\x07\x08");
    EXPECT_EQ(PcfBytes().Cfst(1, "A").bytes().size(), 24u);
    EXPECT_EQ(Words({1, -1}), Lit("\x01\x00\x00\x00\xFF\xFF\xFF\xFF"));
}

}  // namespace

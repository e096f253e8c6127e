#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::EnvelopeHolding;
using zemtest::PcfBytes;

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
    auto exact = zemtest::ExactBytes(bytes);
    MESSAGE view{};
    view.Kind = 1;
    view.pData = exact.data();
    view.Size = view.Used = used;
    return IsPcfAttrValid(&view);
}

std::string Words(std::initializer_list<int32_t> words) { return PcfBytes().Words(words).bytes(); }

TEST(PcfValidity, HeaderTypesNeedExactly36Bytes)
{
    for (int32_t type : {1, 2, 7, 10, 12, 16, 17, 18, 19, 21, 22}) {
        SCOPED_TRACE(type);
        EXPECT_EQ(ValidOwned(PcfBytes().Cfh(type, 1, 0).bytes()), 1);
        EXPECT_EQ(ValidOwned(PcfBytes().Cfh(type, 1, 0).Int32(0).bytes()), 0);   // envelope 40, StrucLength 36
        EXPECT_EQ(ValidOwned(Words({type, 40, 1, 1, 1, 1, 0, 0, 0, 0})), 0);       // 40 = envelope, not 36
        EXPECT_EQ(ValidOwned(Words({type, 32, 1, 1, 1, 1, 0, 0})), 0);             // 32 = envelope, not 36
    }
}

TEST(PcfValidity, IntegerAndIntegerFilterHaveFixedLengths)
{
    EXPECT_EQ(ValidOwned(PcfBytes().Cfin(1, 2).bytes()), 1);
    EXPECT_EQ(ValidOwned(PcfBytes().Cfin(1, 2).Int32(0).bytes()), 0);  // Used = 136 + 20
    EXPECT_EQ(ValidOwned(Words({3, 20, 1, 2, 0})), 0);
    EXPECT_EQ(ValidOwned(PcfBytes().Cfif(1, 2, 3).bytes()), 1);
    EXPECT_EQ(ValidOwned(Words({13, 16, 1, 2})), 0);
    EXPECT_EQ(ValidOwned(Words({13, 24, 1, 2, 3, 0})), 0);
    EXPECT_EQ(ValidOwned(PcfBytes().Cfin64(1, 2).bytes()), 1);
    EXPECT_EQ(ValidOwned(Words({23, 16, 1, 0})), 0);
    EXPECT_EQ(ValidOwned(Words({23, 28, 1, 0, 0, 0, 0})), 0);
}

TEST(PcfValidity, StringShapesCompareTheirLengthWord)
{
    // MQCFST: 20 + StringLength <= StrucLength, aligned.
    EXPECT_EQ(ValidOwned(PcfBytes().Cfst(1, "ABCDE").bytes()), 1);                   // 28
    EXPECT_EQ(ValidOwned(Words({4, 28, 1, 0, 8, 0, 0})), 1);                          // exactly full
    EXPECT_EQ(ValidOwned(Words({4, 28, 1, 0, 9, 0, 0})), 0);                          // 9 + 20 > 28
    EXPECT_EQ(ValidOwned(PcfBytes().Words({4, 26, 1, 0, 5}).Raw("ABCDEF").bytes()), 0);  // not aligned
    EXPECT_EQ(ValidOwned(Words({4, 20, 1, 0, 0})), 1);                                // empty string

    // The same rule at offset 16 for 15, 998 and 999, at 12 for 9, at 20 for 14.
    for (int32_t type : {15, 998, 999}) {
        SCOPED_TRACE(type);
        EXPECT_EQ(ValidOwned(Words({type, 24, 1, 0, 4, 0})), 1);
        EXPECT_EQ(ValidOwned(Words({type, 24, 1, 0, 5, 0})), 0);
    }
    EXPECT_EQ(ValidOwned(PcfBytes().Cfbs(1, "xyz").bytes()), 1);
    EXPECT_EQ(ValidOwned(Words({9, 20, 1, 5, 0})), 0);
    EXPECT_EQ(ValidOwned(PcfBytes().Cfsf(1, 2, "ab").bytes()), 1);
    EXPECT_EQ(ValidOwned(Words({14, 28, 1, 2, 0, 5, 0})), 0);
    EXPECT_EQ(ValidOwned(PcfBytes().Cfbf(1, 2, "ab").bytes()), 1);
    EXPECT_EQ(ValidOwned(PcfBytes().EmbeddedPcf(1, PcfBytes().Cfh(2, 1, 0).bytes()).bytes()), 1);
    EXPECT_EQ(ValidOwned(PcfBytes().Binary(1, "bin").bytes()), 1);
}

TEST(PcfValidity, ListsNeedTheirExactOrSufficientLength)
{
    EXPECT_EQ(ValidOwned(PcfBytes().Cfil(1, {1, 2, 3}).bytes()), 1);
    EXPECT_EQ(ValidOwned(Words({5, 28, 1, 2, 0, 0, 0})), 0);  // 16 + 4 x 2 = 24, not 28
    EXPECT_EQ(ValidOwned(PcfBytes().Cfil(1, {}).bytes()), 1);
    EXPECT_EQ(ValidOwned(PcfBytes().Cfil64(1, {1, 2}).bytes()), 1);
    EXPECT_EQ(ValidOwned(PcfBytes().Words({25, 32, 1, 3}).Int64(1).Int64(2).bytes()), 0);

    EXPECT_EQ(ValidOwned(PcfBytes().Cfsl(1, {"AB", "CD"}, 3).bytes()), 1);          // 24 + 6 -> 32
    EXPECT_EQ(ValidOwned(PcfBytes().Words({6, 32, 1, 0, 3, 3}).Raw(std::string(8, 'x')).bytes()), 0);  // 33 > 32
    EXPECT_EQ(ValidOwned(PcfBytes().Words({6, 30, 1, 0, 2, 3}).Raw(std::string(6, 'x')).bytes()), 0);  // not aligned
    EXPECT_EQ(ValidOwned(PcfBytes().Excfbl(1, {"\x01\x02", "\x03"}, 2).bytes()), 1);
    EXPECT_EQ(ValidOwned(PcfBytes().Words({997, 28, 1, 0, 2, 3}).Raw(std::string(4, 'x')).bytes()), 0);
}

TEST(PcfValidity, GroupIsJudgedByItsHeaderOnly)
{
    std::string group = PcfBytes().Cfgr(7, 2).Cfin(1, 1).Cfst(2, "AB").bytes();
    EXPECT_EQ(ValidOwned(group), 1);                          // envelope covers the members
    EXPECT_EQ(ValidView(group, static_cast<int32_t>(group.size())), 1);
    EXPECT_EQ(ValidView(group, 16), 1);
    EXPECT_EQ(ValidOwned(PcfBytes().Cfgr(7, 0).bytes()), 1);
    EXPECT_EQ(ValidOwned(Words({20, 20, 7, 0, 0})), 0);
    EXPECT_EQ(ValidOwned(Words({20, 16, 7, -1})), 0);  // a negative member count
    EXPECT_EQ(ValidView(group, 12), 0);                 // header itself not all there
}

TEST(PcfValidity, UnknownTypesAreInvalidWhateverTheirLength)
{
    for (int32_t type : {0, -1, 8, 11, 24, 26, 500, 996, 1000, INT32_MIN}) {
        SCOPED_TRACE(type);
        EXPECT_EQ(ValidOwned(Words({type, 16, 1, 2})), 0);
        EXPECT_EQ(ValidOwned(Words({type, 36, 1, 1, 1, 1, 0, 0, 0})), 0);
    }
}

TEST(PcfValidity, NegativeWordsAreInvalid)
{
    EXPECT_EQ(ValidOwned(Words({4, 20, 1, 0, -4})), 0);        // -4 + 20 <= 20 in plain arithmetic
    EXPECT_EQ(ValidOwned(Words({9, 16, 1, -16})), 0);
    EXPECT_EQ(ValidOwned(Words({14, 24, 1, 0, 0, -1})), 0);
    EXPECT_EQ(ValidOwned(Words({15, 20, 1, 0, -20})), 0);
    EXPECT_EQ(ValidOwned(Words({998, 20, 1, 0, -1})), 0);
    EXPECT_EQ(ValidOwned(Words({6, 24, 1, 0, -1, 4})), 0);      // -4 + 24 <= 24
    EXPECT_EQ(ValidOwned(Words({6, 24, 1, 0, 1, -4})), 0);
    EXPECT_EQ(ValidOwned(Words({997, 24, 1, 0, -2, -2})), 0);   // -2 x -2 = 4 would fit
    EXPECT_EQ(ValidView(Words({3, -16, 1, 2}), 16), 0);
    EXPECT_EQ(ValidView(Words({3, 16, 1, 2}), -16), 0);
}

TEST(PcfValidity, SizesThatOverflow32BitsAreInvalid)
{
    // Each of these would compare equal or fit if the size wrapped at 32 bits.
    EXPECT_EQ(ValidOwned(Words({5, 20, 1, 0x40000001, 0})), 0);          // 16 + 4 x n wraps to 20
    EXPECT_EQ(ValidOwned(Words({25, 24, 1, 0x20000001, 0, 0})), 0);      // 16 + 8 x n wraps to 24
    EXPECT_EQ(ValidOwned(Words({6, 24, 1, 0, 0x10000, 0x10000})), 0);    // n x len wraps to 0
    EXPECT_EQ(ValidOwned(Words({997, 24, 1, 0, 0x10000, 0x10000})), 0);
    EXPECT_EQ(ValidOwned(Words({4, 24, 1, 0, INT32_MAX, 0})), 0);        // 20 + len wraps negative
    EXPECT_EQ(ValidOwned(Words({9, 16, 1, INT32_MAX})), 0);
    EXPECT_EQ(ValidOwned(Words({14, 24, 1, 0, 0, INT32_MAX})), 0);
}

TEST(PcfValidity, ExpectedLengthComesFromTheEnvelopeKind)
{
    std::string cfin = PcfBytes().Cfin(1, 2).bytes();
    EXPECT_EQ(ValidView(cfin, 16), 1);
    EXPECT_EQ(ValidView(cfin + std::string(4, '\0'), 20), 0);
    EXPECT_EQ(ValidView(cfin, 152), 0);  // a view's Used has no 136-byte header in it

    MESSAGE msg = EnvelopeHolding(cfin);
    msg.Used = 136 + 20;
    EXPECT_EQ(IsPcfAttrValid(&msg), 0);
    msg.Used = 100;  // below the header
    EXPECT_EQ(IsPcfAttrValid(&msg), 0);
    DeleteMessage(&msg);

    EXPECT_EQ(IsPcfAttrValid(nullptr), 0);
    MESSAGE empty{};
    EXPECT_EQ(IsPcfAttrValid(&empty), 0);
}

TEST(PcfValidity, NeverReadsPastTheEnvelopeData)
{
    // Used claims 16 data bytes but the block holds 8: the length word says 16 and the
    // structure would be valid, yet its bytes are not there.
    MESSAGE msg = EnvelopeHolding(PcfBytes().Words({3, 16}).bytes());
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

TEST(PcfTypes, MessageTypeFollowsTheHeaderType)
{
    EXPECT_EQ(PcfToMsgType(1), 1);
    EXPECT_EQ(PcfToMsgType(16), 1);
    EXPECT_EQ(PcfToMsgType(2), 2);
    EXPECT_EQ(PcfToMsgType(17), 2);
    EXPECT_EQ(PcfToMsgType(18), 2);
    EXPECT_EQ(PcfToMsgType(19), 2);
    EXPECT_EQ(PcfToMsgType(12), 4);
    for (int32_t type : {7, 0, -1, 3, 10, 21, 22, 999})
        EXPECT_EQ(PcfToMsgType(type), 8) << type;
}

TEST(PcfTypes, StoredTypeAndVersion)
{
    EXPECT_EQ(SetPcfType(17), 2);
    EXPECT_EQ(SetPcfType(18), 2);
    EXPECT_EQ(SetPcfType(19), 2);
    for (int32_t type : {1, 2, 7, 12, 16, 20, 0, -5})
        EXPECT_EQ(SetPcfType(type), type);
    EXPECT_EQ(SetPcfVersion(3), 3);
    EXPECT_EQ(SetPcfVersion(-7), -7);
}

TEST(PcfTypes, AttrTypeIsTheFirstWordUnchecked)
{
    MESSAGE msg = EnvelopeHolding(PcfBytes().Words({24, 99}).bytes());  // invalid, still read
    EXPECT_EQ(GetPcfAttrType(&msg), 24);
    DeleteMessage(&msg);
    MESSAGE none{};
    EXPECT_EQ(GetPcfAttrType(&none), 0);
    EXPECT_EQ(GetPcfAttrType(nullptr), 0);
    MESSAGE tiny{};
    ASSERT_EQ(CreateMessage(&tiny, 2), 1);  // too small to hold a Type word
    EXPECT_EQ(GetPcfAttrType(&tiny), 0);
    DeleteMessage(&tiny);
}

TEST(PcfBuilders, WriteTheDocumentedBytes)
{
    // Pins the test builders themselves to hand-written bytes.
    EXPECT_EQ(PcfBytes(zemtest::ByteOrder::kSwapped).Cfin(0x01020304, -2).bytes(),
              std::string("\x00\x00\x00\x03\x00\x00\x00\x10\x01\x02\x03\x04\xFF\xFF\xFF\xFE", 16));
    EXPECT_EQ(PcfBytes().Cfin(0x01020304, 5).bytes(),
              std::string("\x03\x00\x00\x00\x10\x00\x00\x00\x04\x03\x02\x01\x05\x00\x00\x00", 16));
    EXPECT_EQ(PcfBytes(zemtest::ByteOrder::kNative, zemtest::Text::kEbcdic).Cfst(1, "Ab1 ").bytes(),
              std::string("\x04\x00\x00\x00\x18\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x04\x00\x00\x00"
                          "\xC1\x82\xF1\x40",
                          24));
    EXPECT_EQ(PcfBytes(zemtest::ByteOrder::kSwapped).Int64(0x0102030405060708).bytes(),
              std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8));
    EXPECT_EQ(PcfBytes().Cfst(1, "A").size(), 24u);
}

}  // namespace

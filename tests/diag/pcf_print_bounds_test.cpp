#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "capture.h"
#include "zemapi.h"

namespace {

// An envelope holding one structure made of the given 32-bit words.
struct OneStructure {
    explicit OneStructure(std::initializer_list<int32_t> words)
    {
        CreateMessage(&msg, static_cast<int32_t>(words.size() * 4));
        for (int32_t word : words) {
            std::memcpy(msg.pData + (msg.Used - 136), &word, 4);
            msg.Used += 4;
        }
    }
    ~OneStructure() { DeleteMessage(&msg); }
    MESSAGE msg{};
};

size_t CountOf(const std::string &text, const std::string &piece)
{
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size()))
        ++count;
    return count;
}

TEST(PrintPcfAttr, ZeroLengthListEntriesAreListedNoFurtherThanTheListingHolderReaches)
{
    // A peer's string list and byte-string list: StringLength 0 and a Count of two billion
    // fit a 24-byte structure; listing every entry would print for hours.
    OneStructure strings({6, 24, 3011, 0, 2000000000, 0});
    std::string listing = zemtest::CaptureStdout([&] { EXPECT_EQ(PrintPcfAttr(&strings.msg), 1); });
    EXPECT_EQ(CountOf(listing, " - \"\"\n"), 32000u);
    EXPECT_NE(listing.find("\t(32000) - \"\"\n};\n"), std::string::npos);
    EXPECT_EQ(listing.find("(32001)"), std::string::npos);

    // Zero-length byte entries have nothing to show: the list is empty.
    OneStructure bytes({997, 24, 7001, 0, 2000000000, 0});
    listing = zemtest::CaptureStdout([&] { PrintPcfAttr(&bytes.msg); });
    EXPECT_EQ(listing, "\nPCF ByteString List (EXCFBL):\n->Type(997), StrucLength(24), Parameter (7001), "
                       "Count(2000000000)\n->StringLength(0)\n->String List\n{\n};\n");
}

}  // namespace

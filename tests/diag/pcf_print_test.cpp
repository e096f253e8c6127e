#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "attr_builders.h"
#include "capture.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::Attr;
using zemtest::CaptureStdout;
using zemtest::MaskClocks;
using zemtest::PcfBytes;

const std::string kDefaultExtension = "\nPCF Header Extension (MSHDRE):\n"
                                      "->StrucLength(32), Version(1),\n"
                                      "->Encoding(0), CharSet(0),\n"
                                      "->UserMsgLength(0), Author(\" \")\n";

zemtest::PcfPtr Indexed(const std::string &bytes)
{
    zemtest::PcfPtr pcf = zemtest::ContainerHolding(bytes);
    EXPECT_EQ(RawToPcf(pcf.get()), 1);
    return pcf;
}

std::string PrintedAttr(const std::string &bytes, int expected = 1)
{
    Attr attr(bytes);
    int result = -1;
    std::string out = CaptureStdout([&] { result = PrintPcfAttr(attr.get()); });
    EXPECT_EQ(result, expected);
    return out;
}

std::size_t Occurrences(const std::string &text, const std::string &piece)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}

// The inner group 8001 ends before its outer group does: the member after it stays in 8000.
TEST(PrintPcfMessage, ListsEveryStructureTypeAndNestedGroups)
{
    const std::string embedded = PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 0).bytes();
    auto pcf = Indexed(PcfBytes()
                           .Cfh(ZEM_MQCFT_RESPONSE, 13, 13, 1, 2, 2085)
                           .Cfin(20, 1)
                           .Cfst(2016, "Q1")
                           .Cfil(1002, {1, 2})
                           .Cfsl(3011, {"AB", "C"}, 2)
                           .Cfbs(7001, "ABCDEFGHIJKLMN")
                           .Cfif(1003, 4, 100)
                           .Cfsf(2016, 18, "SYS*")
                           .Cfgr(8000, 2)
                           .Cfgr(8001, 1)
                           .Cfst(2, "IN")
                           .Cfin(1, 5)
                           .Cfin64(3001, -5)
                           .Cfil64(3002, {7, -8})
                           .Excfbl(7005, {"ABCDEFGHIJKLMNOPQR", "xy"}, 18)
                           .EmbeddedPcf(5000, embedded)
                           .Binary(9001, "\x01\xAB")
                           .bytes());
    int result = -1;
    const std::string out = CaptureStdout([&] { result = PrintPcfMessage(pcf.get()); });
    EXPECT_EQ(result, 1);
    const std::string blanks24(24, ' ');
    EXPECT_EQ(MaskClocks(out),
              "\nDate: DATE\n" + kDefaultExtension +
                  "\nPCF Header (MQCFH):\n"
                  "->Type(2), StrucLength(36), Version(1), Command(13 = MQCMD_INQUIRE_Q)\n"
                  "->MsgSeqNum(1), Control(1), ParameterCount(13)\n"
                  "->CompCode(2), Reason(2085)\n"
                  "\nPCF Integer (MQCFIN):\n"
                  "->Type(3), StrucLength(16), Parameter (20), Value(1)\n"
                  "\nPCF String (MQCFST):\n"
                  "->Type(4), StrucLength(24), Parameter(2016), CharSet(0)\n"
                  "->StringLength(2), String(\"Q1\")\n"
                  "\nPCF Integer List (MQCFIL):\n"
                  "->Type(5), StrucLength(24), Parameter (1002), Count(2)\n"
                  "->Integer List{1, 2, };\n"
                  "\nPCF String List (MQCFSL):\n"
                  "->Type(6), StrucLength(28), Parameter (3011), Count(2)\n"
                  "->StringLength(2), CharSetId(0)\n"
                  "->String List\n{\n"
                  "\t(1) - \"AB\"\n"
                  "\t(2) - \"C \"\n"
                  "};\n"
                  "\nPCF ByteString (MQCFBS):\n"
                  "->Type(9), StrucLength(32), Parameter(7001)\n"
                  "->ByteString, size(14): A B C D E F G H I J K L \n" +
                  blanks24 + "4142434445464748494A4B4C\n" + blanks24 + "M N \n" + blanks24 +
                  "4D4E\n"
                  "\nPCF Integer Filter (MQCFIF):\n"
                  "->Type(13), StrucLength(20), Parameter (1003), Operator (4), Filter Value(100)\n"
                  "\nPCF String Filter (MQCFSF):\n"
                  "->Type(14), StrucLength(28), Parameter(2016), CharSet(0), Operator(18)\n"
                  "->FilterLength(4), FilterValue(\"SYS*\")\n"
                  "\nPCF Group (MQCFGR):\n"
                  "->Type(20), StrucLength(16), Parameter(8000), ParameterCount(2)\n"
                  "\n->PCF Group Parameter 0:\n"
                  "PCF Group (MQCFGR):\n"
                  "->Type(20), StrucLength(16), Parameter(8001), ParameterCount(1)\n"
                  "\n->PCF Group Parameter 0:\n"
                  "PCF String (MQCFST):\n"
                  "->Type(4), StrucLength(24), Parameter(2), CharSet(0)\n"
                  "->StringLength(2), String(\"IN\")\n"
                  "\n->PCF Group Parameter 1:\n"
                  "PCF Integer (MQCFIN):\n"
                  "->Type(3), StrucLength(16), Parameter (1), Value(5)\n"
                  "\nPCF 64-Bit Integer (MQCFIN64):\n"
                  "->Type(23), StrucLength(24), Parameter (3001), Value(-5)\n"
                  "\nPCF 64-Bit Integer List (MQCFIL64):\n"
                  "->Type(25), StrucLength(32), Parameter (3002), Count(2)\n"
                  "->64 Bit Integer List{7, -8, };\n"
                  "\nPCF ByteString List (EXCFBL):\n"
                  "->Type(997), StrucLength(60), Parameter (7005), Count(2)\n"
                  "->StringLength(18)\n"
                  "->String List\n{\n"
                  "    (1) - 00000000:  4142434445464748494A4B4C4D4E4F50    ABCDEFGHIJKLMNOP\n"
                  "          00000010:  5152                                QR\n"
                  "    (2) - 00000000:  78790000000000000000000000000000    xy..............\n"
                  "          00000010:  0000                                ..\n"
                  "};\n"
                  "\nE-PCF PCF (MQCFST):\n"
                  "->Type(998), StrucLength(56), Parameter(5000), CharSet(0)\n"
                  "->StringLength(36) BinaryValue(\""
                  "020000002400000001000000"
                  "0D000000010000000100000000000000"
                  "0000000000000000\")\n"
                  "\nE-PCF Binary (MQCFST):\n"
                  "->Type(999), StrucLength(24), Parameter(9001), CharSet(0)\n"
                  "->StringLength(2) BinaryValue(\"01AB\")\n");
    EXPECT_EQ(CaptureStdout([&] { result = PrintPcfMessage(nullptr); }), "");
    EXPECT_EQ(result, 0);
}

TEST(PrintPcfMessage, UnprintableStructureIsFollowedByTheDump)
{
    auto pcf = Indexed(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 13, 1).Cfbf(7002, 5, "ab").bytes());
    std::memcpy(pcf->PcfMsg.MsgDesc.ReplyToQMgr, "QMGR1 OF THE HUB", 16);
    std::memset(pcf->PcfMsg.MsgDesc.ReplyToQMgr + 16, ' ', 32);
    int result = -1;
    const std::string out = CaptureStdout([&] { result = PrintPcfMessage(pcf.get()); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(MaskClocks(out),
              "\nDate: DATE\n" + kDefaultExtension +
                  "\nPCF Header (MQCFH):\n"
                  "->Type(1), StrucLength(36), Version(1), Command(13 = MQCMD_INQUIRE_Q)\n"
                  "->MsgSeqNum(1), Control(1), ParameterCount(1)\n"
                  "->CompCode(0), Reason(0)\n"
                  "\nUNKNOWN PCF Attribute(15): unable to print\n"
                  "\n--------Begin: PCF MESSAGE DUMP---------------\n"
                  "\nDATE\n DumpPcfMessage: pMsg ADDR hex, lMsgLength=196, lMsgLen(w/o hdr of 136)=60...\n"
                  " pMsg->PcfMsg.MsgDesc.ReplyToQMgr <QMGR1>\n"
                  "\nPCF Header (MQCFH):\n"
                  "->Type(1), StrucLength(36), Version(1),\n"
                  "->Command(13=MQCMD_INQUIRE_Q),\n"
                  "MsgSeqNum(1), Control(1),\n"
                  "->ParameterCount(1)\n"
                  "CompCode(0), Reason(0)\n"
                  "\nDATE\n DumpHexMessage: pBuf ADDR hex, Length=60...\n"
                  "00000000 01 00 00 00 24 00 00 00 01 00 00 00 0D 00 00 00 ....$...........\n"
                  "00000010 01 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00 ................\n"
                  "00000020 01 00 00 00 0F 00 00 00 18 00 00 00 5A 1B 00 00 ............Z...\n"
                  "00000030 05 00 00 00 02 00 00 00 61 62 00 00 "
                  "\n----------End: PCF MESSAGE DUMP---------------\n\n");
}

TEST(PrintPcfAttr, ListsOneStructureAndReportsWhatItCannotPrint)
{
    const std::string groupWithFirstMember = "\nPCF Group (MQCFGR):\n"
                                             "->Type(20), StrucLength(16), Parameter(9), ParameterCount(2)\n"
                                             "\n->PCF Group Parameter 0:\n"
                                             "PCF Integer (MQCFIN):\n"
                                             "->Type(3), StrucLength(16), Parameter (1), Value(1)\n"
                                             "\n->PCF Group Parameter 1:\n";
    const struct {
        const char *what;
        std::string bytes;
        int result;
        std::string listing;
    } cases[] = {
        {"an empty integer list opens and closes at once", PcfBytes().Cfil(7, {}).bytes(), 1,
         "\nPCF Integer List (MQCFIL):\n"
         "->Type(5), StrucLength(16), Parameter (7), Count(0)\n"
         "->Integer List{};\n"},
        {"string values are cut at 1024 characters", PcfBytes().Cfst(1, std::string(1030, 'x')).bytes(), 1,
         "\nPCF String (MQCFST):\n"
         "->Type(4), StrucLength(1052), Parameter(1), CharSet(0)\n"
         "->StringLength(1030), String(\"" + std::string(1024, 'x') + "\")\n"},
        {"binary values are cut at 1024 bytes", PcfBytes().Binary(2, std::string(1030, '\x11')).bytes(), 1,
         "\nE-PCF Binary (MQCFST):\n"
         "->Type(999), StrucLength(1052), Parameter(2), CharSet(0)\n"
         "->StringLength(1030) BinaryValue(\"" + std::string(2048, '1') + "\")\n"},
        {"byte-string list entries shorter than a line print none", PcfBytes().Excfbl(1, {"abc"}, 3).bytes(), 1,
         "\nPCF ByteString List (EXCFBL):\n"
         "->Type(997), StrucLength(28), Parameter (1), Count(1)\n"
         "->StringLength(3)\n"
         "->String List\n{\n"
         "};\n"},
        {"an unprintable group member does not stop the group",
         PcfBytes().Cfgr(9, 2).Words({8, 16, 1, 1}).Cfin(2, 2).bytes(), 1,
         "\nPCF Group (MQCFGR):\n"
         "->Type(20), StrucLength(16), Parameter(9), ParameterCount(2)\n"
         "\n->PCF Group Parameter 0:\n"
         "UNKNOWN PCF Attribute(8): unable to print\n"
         "\n->PCF Group Parameter 1:\n"
         "PCF Integer (MQCFIN):\n"
         "->Type(3), StrucLength(16), Parameter (2), Value(2)\n"},
        {"a member reaching past the group ends the listing",
         PcfBytes().Cfgr(9, 2).Cfin(1, 1).Words({3, 64, 2, 2}).bytes(), 0,
         groupWithFirstMember + "UNKNOWN PCF Attribute(3): unable to print\n"},
        {"a missing member ends the listing", PcfBytes().Cfgr(9, 2).Cfin(1, 1).bytes(), 0,
         groupWithFirstMember + "UNKNOWN PCF Attribute(0): unable to print\n"},
        {"a structure shorter than its envelope", PcfBytes().Cfin(1, 1).bytes() + std::string(4, '\0'), 0,
         "\nUNKNOWN PCF Attribute(3): unable to print\n"},
        {"a StringLength beyond the StrucLength", PcfBytes().Words({4, 24, 1, 0, 400}).Raw("ABCD").bytes(), 0,
         "\nUNKNOWN PCF Attribute(4): unable to print\n"},
        {"an empty envelope", "", 0, "\nUNKNOWN PCF Attribute(0): unable to print\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PrintedAttr(c.bytes, c.result), c.listing);
    }
    EXPECT_EQ(PrintPcfAttr(nullptr), 0);
}

TEST(PrintPcfAttr, ZeroLengthListEntriesAreListedNoFurtherThanTheListingHolderReaches)
{
    // A peer's lists with StringLength 0 and a Count of two billion fit 24 bytes; listing
    // every entry would print for hours.
    std::string listing = PrintedAttr(PcfBytes().Words({6, 24, 3011, 0, 2000000000, 0}).bytes());
    EXPECT_EQ(Occurrences(listing, " - \"\"\n"), 32000u);
    EXPECT_NE(listing.find("\t(32000) - \"\"\n};\n"), std::string::npos);
    // Zero-length byte entries have nothing to show: the list is empty.
    EXPECT_EQ(PrintedAttr(PcfBytes().Words({997, 24, 7001, 0, 2000000000, 0}).bytes()),
              "\nPCF ByteString List (EXCFBL):\n->Type(997), StrucLength(24), Parameter (7001), "
              "Count(2000000000)\n->StringLength(0)\n->String List\n{\n};\n");
}

TEST(PrintPcfAttr, DeeplyNestedGroupsPrintWithoutRecursion)
{
    constexpr int kDepth = 5000;
    PcfBytes bytes;
    for (int i = 0; i < kDepth; ++i)
        bytes.Cfgr(i, 1);
    bytes.Cfin(kDepth, 7);
    const std::string out = PrintedAttr(bytes.bytes());
    EXPECT_EQ(Occurrences(out, "PCF Group (MQCFGR)"), static_cast<std::size_t>(kDepth));
    const std::string tail = "->Type(3), StrucLength(16), Parameter (5000), Value(7)\n";
    EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
}

TEST(PrintPcfExt, PrintsFieldsAndAtMostTwelveAuthorCharacters)
{
    MSHDRE ext{32, 1, 546, 1, 77, {}};
    std::memcpy(ext.Author, "ABCDEFGHIJKL", 12);
    int result = -1;
    EXPECT_EQ(CaptureStdout([&] { result = PrintPcfExt(&ext); }),
              "\nPCF Header Extension (MSHDRE):\n"
              "->StrucLength(32), Version(1),\n"
              "->Encoding(546), CharSet(1),\n"
              "->UserMsgLength(77), Author(\"ABCDEFGHIJKL\")\n");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(CaptureStdout([&] { result = PrintPcfExt(nullptr); }), "");
    EXPECT_EQ(result, 0);
}

TEST(DumpHexMessage, FullLinesCarryCharactersAndTheLastPartialLineDoesNot)
{
    const std::string bytes = std::string("ABC \x09\x80~xyz", 10) + "0123456789";
    const std::string heading = "\nDATE\n DumpHexMessage: pBuf ADDR hex, Length=";
    const std::string fullLine = "00000000 41 42 43 20 09 80 7E 78 79 7A 30 31 32 33 34 35 ABC...~xyz012345\n";
    // An empty or negative length prints only the heading.
    const std::pair<int32_t, std::string> cases[] = {
        {20, heading + "20...\n" + fullLine + "00000010 36 37 38 39 "},
        {16, heading + "16...\n" + fullLine},
        {0, heading + "0...\n"},
        {-5, heading + "-5...\n"},
    };
    for (const auto &[length, expected] : cases) {
        int result = -1;
        EXPECT_EQ(MaskClocks(CaptureStdout([&] { result = DumpHexMessage(bytes.data(), length); })), expected);
        EXPECT_EQ(result, 0);
    }
}

TEST(DumpPcfMessage, ShortMessageReportsItsLengthAndStillDumps)
{
    auto pcf = zemtest::ContainerHolding(PcfBytes().Words({1, 36}).bytes());
    int result = -1;
    std::string out = CaptureStdout([&] { result = DumpPcfMessage(pcf.get()); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(MaskClocks(out),
              "\n--------Begin: PCF MESSAGE DUMP---------------\n"
              "\nDATE\n DumpPcfMessage: pMsg ADDR hex, lMsgLength=144, lMsgLen(w/o hdr of 136)=8...\n"
              " pMsg->PcfMsg.MsgDesc.ReplyToQMgr <>\n"
              "PCF MQCFH Header length = 8\n"
              "PCF Message Header (MQCFH) is too short or empty!\n"
              "\nDATE\n DumpHexMessage: pBuf ADDR hex, Length=8...\n"
              "00000000 01 00 00 00 24 00 00 00 "
              "\n----------End: PCF MESSAGE DUMP---------------\n\n");
    EXPECT_EQ(DumpPcfMessage(nullptr), 0);

    // The addresses shown are the message data's.
    pcf = Indexed(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 13, 0).bytes());
    out = CaptureStdout([&] { DumpPcfMessage(pcf.get()); });
    char address[64];
    std::snprintf(address, sizeof address, "%lx hex", reinterpret_cast<unsigned long>(pcf->PcfMsg.pData));
    EXPECT_EQ(Occurrences(out, std::string("pMsg ") + address) + Occurrences(out, std::string("pBuf ") + address), 2u)
        << out;
}

}  // namespace

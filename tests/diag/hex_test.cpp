#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "capture.h"
#include "zemapi.h"

namespace {

// What a printer wrote to a stream of its own.
std::string PrintedTo(const std::function<void(FILE *)> &print)
{
    FILE *stream = std::tmpfile();
    if (!stream)
        return "<no tmpfile>";
    print(stream);
    std::fflush(stream);
    std::rewind(stream);
    std::string text;
    for (int c; (c = std::fgetc(stream)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(stream);
    return text;
}

std::string Blanks(int count) { return std::string(count, ' '); }

const std::string kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

TEST(StackedHex, FullRowsStartWithTheIndentAfterTheFirst)
{
    std::string data = kAlphabet.substr(0, 24);
    int flushResult = -1;
    std::string text = PrintedTo([&](FILE *f) { flushResult = PrintHexFile(f, data.data(), 24, 8, 40); });
    EXPECT_EQ(flushResult, 0);
    std::string pad = Blanks(40);
    EXPECT_EQ(text, "A B C D E F G H \n" + pad + "4142434445464748\n" +
                        pad + "I J K L M N O P \n" + pad + "494A4B4C4D4E4F50\n" +
                        pad + "Q R S T U V W X \n" + pad + "5152535455565758\n");
}

TEST(StackedHex, PartialRowAfterAFullRowIsIndentedToo)
{
    std::string text = PrintedTo([](FILE *f) { PrintHexFile(f, "ABCDEFGHIJ", 10, 8, 4); });
    EXPECT_EQ(text, "A B C D E F G H \n    4142434445464748\n    I J \n    494A\n");
}

TEST(StackedHex, OnlyAPartialRowFollowsTheCursor)
{
    std::string text = PrintedTo([](FILE *f) { PrintHexFile(f, "QM1\x00\xff", 5, 8, 2); });
    EXPECT_EQ(text, "Q M 1 . . \n  514D3100FF\n");
}

TEST(StackedHex, UnprintableBytesShowAsDotsAndBlanksAsThemselves)
{
    std::string text = PrintedTo([](FILE *f) { PrintHexFile(f, "\x80\t ~\x7f\x1f", 6, 6, 1); });
    EXPECT_EQ(text, ". .   ~ . . \n 8009207E7F1F\n");
}

TEST(StackedHex, IndentOfZeroIsOneBlankAndNegativeIsItsMagnitude)
{
    EXPECT_EQ(PrintedTo([](FILE *f) { PrintHexFile(f, "ABCD", 4, 2, 0); }), "A B \n 4142\n C D \n 4344\n");
    EXPECT_EQ(PrintedTo([](FILE *f) { PrintHexFile(f, "AB", 2, 2, -3); }), "A B \n   4142\n");
}

TEST(StackedHex, NothingToPrintStillFlushes)
{
    EXPECT_EQ(PrintedTo([](FILE *f) { EXPECT_EQ(PrintHexFile(f, "ABC", 0, 8, 4), 0); }), "");
    EXPECT_EQ(PrintedTo([](FILE *f) { EXPECT_EQ(PrintHexFile(f, "ABC", -3, 8, 4), 0); }), "");
    EXPECT_EQ(PrintedTo([](FILE *f) { EXPECT_EQ(PrintHexFile(f, "ABC", 3, 0, 4), 0); }), "");
    EXPECT_EQ(PrintedTo([](FILE *f) { EXPECT_EQ(PrintHexFile(f, "ABC", 3, -8, 4), 0); }), "");
    EXPECT_EQ(PrintedTo([](FILE *f) { EXPECT_EQ(PrintHexFile(f, nullptr, 3, 8, 4), 0); }), "");
    EXPECT_EQ(PrintHexFile(nullptr, "ABC", 3, 8, 4), EOF);
}

TEST(StackedHex, FlushFailureIsTheResult)
{
    FILE *full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(PrintHexFile(full, "AB", 2, 8, 1), EOF);
    std::fclose(full);
}

TEST(StackedHex, ToStandardOutputIndentsTheFirstRowAndEveryRowAfter)
{
    std::string out = zemtest::CaptureStdout([] { PrintHex("ABCDEFGHIJ", 10, 4, 3); });
    EXPECT_EQ(out, "   A B C D \n   41424344\n   E F G H \n   45464748\n   I J \n   494A\n");
}

TEST(StackedHex, ToStandardOutputWithNothingToPrint)
{
    EXPECT_EQ(zemtest::CaptureStdout([] { PrintHex("ABC", 0, 8, 2); }), "  ");
    EXPECT_EQ(zemtest::CaptureStdout([] { PrintHex("ABC", -1, 8, 2); }), "  ");
    EXPECT_EQ(zemtest::CaptureStdout([] { PrintHex("ABC", 3, 0, 2); }), "");
    EXPECT_EQ(zemtest::CaptureStdout([] { PrintHex("ABC", 3, -1, 2); }), "");
}

TEST(SideBySideHex, PresetShowsCharactersThenHexAndPadsTheLastRow)
{
    std::string text = PrintedTo([](FILE *f) { PrintHexData(kAlphabet.data(), 20, f); });
    EXPECT_EQ(text,
              "00000000:  A B C D E F G H I J K L M N O P     "
              "41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 \n"
              "00000010:  Q R S T " + Blanks(24) + "    51 52 53 54 \n");
}

TEST(SideBySideHex, OnlyBuffersOfAtLeastOneRowPrint)
{
    std::string data(17, 'z');
    EXPECT_EQ(PrintedTo([&](FILE *f) { PrintHexData(data.data(), 15, f); }), "");
    EXPECT_EQ(PrintedTo([&](FILE *f) { PrintHexData(data.data(), 0, f); }), "");
    std::string zRow = "z z z z z z z z z z z z z z z z     7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A \n";
    EXPECT_EQ(PrintedTo([&](FILE *f) { PrintHexData(data.data(), 16, f); }), "00000000:  " + zRow);
    EXPECT_EQ(PrintedTo([&](FILE *f) { PrintHexData(data.data(), 17, f); }),
              "00000000:  " + zRow + "00000010:  z " + Blanks(30) + "    7A \n");
}

TEST(SideBySideHex, HexFirstWithPrefixesAndSeparator)
{
    std::string text = PrintedTo(
        [](FILE *f) { PrintFormattedHexData("ABCDEFG\x01", 8, 3, "-", "first ", "next  ", 0, f); });
    EXPECT_EQ(text, "first 00000000:  41-42-43-    A-B-C-\n"
                    "next  00000003:  44-45-46-    D-E-F-\n"
                    "next  00000006:  47-01-  -    G-.-\n");
}

TEST(SideBySideHex, CharactersFirstPadsMissingCharactersWithBlankAndSeparator)
{
    std::string text =
        PrintedTo([](FILE *f) { PrintFormattedHexData("AB\tCD", 5, 4, "|", "> ", "  ", 1, f); });
    EXPECT_EQ(text, "> 00000000:  A|B|.|C|    41|42|09|43|\n"
                    "  00000004:  D| | | |    44|\n");
}

TEST(SideBySideHex, OffsetsBeyondSixteenBitsUseEightDigits)
{
    std::string data(0x10010, 'x');
    std::string text = PrintedTo([&](FILE *f) { PrintFormattedHexData(data.data(), 0x10010, 0x10000, "", "", "", 0, f); });
    std::size_t second = text.find('\n') + 1;
    EXPECT_EQ(text.substr(second, 13), "00010000:  78");
}

TEST(SideBySideHex, RowsOfZeroOrBelowPrintNothing)
{
    EXPECT_EQ(PrintedTo([](FILE *f) { PrintFormattedHexData("ABCD", 4, 0, " ", "", "", 1, f); }), "");
    EXPECT_EQ(PrintedTo([](FILE *f) { PrintFormattedHexData("ABCD", 4, -16, " ", "", "", 0, f); }), "");
    EXPECT_EQ(PrintedTo([](FILE *f) { PrintFormattedHexData(nullptr, 4, 2, " ", "", "", 0, f); }), "");
    EXPECT_EQ(PrintedTo([](FILE *f) { PrintFormattedHexData("ABCD", -4, 2, " ", "", "", 0, f); }), "");
    PrintFormattedHexData("ABCD", 4, 2, " ", "", "", 0, nullptr);
    PrintHexData("ABCD", 4, nullptr);
}

}  // namespace

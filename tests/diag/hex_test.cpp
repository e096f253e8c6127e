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

TEST(StackedHex, CharactersOverHexWithEveryRowAfterTheFirstIndentedOnStandardOutputTheFirstToo)
{
    const std::string pad = Blanks(40);
    const struct {
        const char *data;
        int length, perRow, indent;
        std::string expected;
    } cases[] = {
        {kAlphabet.data(), 24, 8, 40,
         "A B C D E F G H \n" + pad + "4142434445464748\n" + pad + "I J K L M N O P \n" + pad + "494A4B4C4D4E4F50\n" +
             pad + "Q R S T U V W X \n" + pad + "5152535455565758\n"},
        // A partial row after a full row is indented too; a lone one follows the cursor.
        {"ABCDEFGHIJ", 10, 8, 4, "A B C D E F G H \n    4142434445464748\n    I J \n    494A\n"},
        {"QM1\x00\xff", 5, 8, 2, "Q M 1 . . \n  514D3100FF\n"},
        // Unprintable bytes show as dots, blanks as themselves.
        {"\x80\t ~\x7f\x1f", 6, 6, 1, ". .   ~ . . \n 8009207E7F1F\n"},
        // An indent of zero is one blank; a negative one is its magnitude.
        {"ABCD", 4, 2, 0, "A B \n 4142\n C D \n 4344\n"},
        {"AB", 2, 2, -3, "A B \n   4142\n"},
        // Nothing to print still flushes.
        {"ABC", 0, 8, 4, ""},
        {"ABC", -3, 8, 4, ""},
        {"ABC", 3, 0, 4, ""},
        {"ABC", 3, -8, 4, ""},
        {nullptr, 3, 8, 4, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.length) + " " + std::to_string(c.perRow) + " " + std::to_string(c.indent));
        EXPECT_EQ(PrintedTo([&](FILE *f) { EXPECT_EQ(PrintHexFile(f, c.data, c.length, c.perRow, c.indent), 0); }),
                  c.expected);
    }
    EXPECT_EQ(PrintHexFile(nullptr, "ABC", 3, 8, 4), EOF);
    // A failed flush is the result.
    FILE *full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(PrintHexFile(full, "AB", 2, 8, 1), EOF);
    std::fclose(full);

    // To standard output the first row is indented too.
    const struct {
        int length, perRow;
        const char *expected;
    } toStdout[] = {{10, 4, "   A B C D \n   41424344\n   E F G H \n   45464748\n   I J \n   494A\n"},
                    {0, 8, "   "}, {-1, 8, "   "}, {3, 0, ""}, {3, -1, ""}};
    for (const auto &c : toStdout)
        EXPECT_EQ(zemtest::CaptureStdout([&] { PrintHex("ABCDEFGHIJ", c.length, c.perRow, 3); }), c.expected)
            << c.length << " " << c.perRow;
}

TEST(SideBySideHex, PresetShowsSixteenCharactersThenTheirHexPerRow)
{
    EXPECT_EQ(PrintedTo([](FILE *f) { PrintHexData(kAlphabet.data(), 20, f); }),
              "00000000:  A B C D E F G H I J K L M N O P     41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 \n"
              "00000010:  Q R S T " + Blanks(24) + "    51 52 53 54 \n");
    PrintHexData("ABCD", 4, nullptr);
}

TEST(SideBySideHex, FormattedRowsTakePrefixesSeparatorAndEitherOrder)
{
    const struct {
        const char *data;
        int length, perRow;
        const char *separator, *first, *next;
        int charactersFirst;
        const char *expected;
    } cases[] = {
        {"ABCDEFG\x01", 8, 3, "-", "first ", "next  ", 0,
         "first 00000000:  41-42-43-    A-B-C-\n"
         "next  00000003:  44-45-46-    D-E-F-\n"
         "next  00000006:  47-01-  -    G-.-\n"},
        // Characters first: missing characters are padded with blank and separator.
        {"AB\tCD", 5, 4, "|", "> ", "  ", 1,
         "> 00000000:  A|B|.|C|    41|42|09|43|\n"
         "  00000004:  D| | | |    44|\n"},
        // Less than one row, rows of zero or below, no data or a negative length print nothing.
        {"ABCD", 4, 5, " ", "", "", 1, ""},
        {"ABCD", 4, 0, " ", "", "", 1, ""},
        {"ABCD", 4, -16, " ", "", "", 0, ""},
        {nullptr, 4, 2, " ", "", "", 0, ""},
        {"ABCD", -4, 2, " ", "", "", 0, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PrintedTo([&](FILE *f) {
                      PrintFormattedHexData(c.data, c.length, c.perRow, c.separator, c.first, c.next,
                                            c.charactersFirst, f);
                  }),
                  c.expected)
            << c.perRow << " " << c.length;
    PrintFormattedHexData("ABCD", 4, 2, " ", "", "", 0, nullptr);

}

}  // namespace

// Hex printers: the stacked style (characters over hex pairs) and the side-by-side style.
#include <climits>
#include <cstdio>

#include "zemapi.h"

namespace zem {
namespace {

char Shown(unsigned char byte) { return byte >= 0x20 && byte <= 0x7E ? static_cast<char>(byte) : '.'; }

// The indent is printed as "%<indent>s" of one blank would: at least one blank, and a
// negative indent left-justifies, which gives as many blanks as its magnitude.
void PrintIndent(FILE *stream, int32_t indent)
{
    int width = indent == INT32_MIN ? INT32_MAX : (indent < 0 ? -indent : indent);
    std::fprintf(stream, "%*s", width, " ");
}

void PrintStackedRow(FILE *stream, const unsigned char *row, int32_t count, int32_t indent)
{
    for (int32_t i = 0; i < count; ++i)
        std::fprintf(stream, "%-2c", Shown(row[i]));
    std::fputc('\n', stream);
    PrintIndent(stream, indent);
    for (int32_t i = 0; i < count; ++i)
        std::fprintf(stream, "%02X", row[i]);
    std::fputc('\n', stream);
}

// Rows after the first start with the indent; the first follows the caller's cursor.
void PrintStacked(FILE *stream, const unsigned char *data, int32_t length, int32_t perRow, int32_t indent)
{
    int32_t fullRows = length / perRow, remainder = length % perRow;
    for (int32_t row = 0; row < fullRows; ++row) {
        if (row > 0)
            PrintIndent(stream, indent);
        PrintStackedRow(stream, data + static_cast<int64_t>(row) * perRow, perRow, indent);
    }
    if (remainder > 0) {
        if (fullRows > 0)
            PrintIndent(stream, indent);
        PrintStackedRow(stream, data + static_cast<int64_t>(fullRows) * perRow, remainder, indent);
    }
}

bool NothingToPrint(const void *data, int32_t length, int32_t perRow)
{
    return perRow < 1 || length < 0 || (!data && length > 0);
}

void PrintCharColumn(FILE *stream, const unsigned char *row, int32_t count, int32_t width, const char *separator)
{
    for (int32_t i = 0; i < count; ++i)
        std::fprintf(stream, "%c%s", Shown(row[i]), separator);
    for (int32_t i = count; i < width; ++i)
        std::fprintf(stream, "%s%s", " ", separator);
}

void PrintHexColumn(FILE *stream, const unsigned char *row, int32_t count, int32_t width, const char *separator)
{
    for (int32_t i = 0; i < count; ++i)
        std::fprintf(stream, "%02X%s", row[i], separator);
    for (int32_t i = count; i < width; ++i)
        std::fprintf(stream, "%2s%s", "", separator);
}

// The first column of a partial row is padded to the full width so the second lines up;
// the second column is not padded.
void PrintSideBySideRow(FILE *stream, const unsigned char *row, int32_t count, int32_t perRow, bool charsFirst,
                        const char *separator)
{
    if (charsFirst) {
        PrintCharColumn(stream, row, count, perRow, separator);
        std::fputs("    ", stream);
        PrintHexColumn(stream, row, count, count, separator);
    } else {
        PrintHexColumn(stream, row, count, perRow, separator);
        std::fputs("    ", stream);
        PrintCharColumn(stream, row, count, count, separator);
    }
}

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(void) PrintHex(const void *data, int32_t length, int32_t perRow, int32_t indent)
{
    if (perRow < 1)
        return;
    PrintIndent(stdout, indent);
    if (NothingToPrint(data, length, perRow))
        return;
    PrintStacked(stdout, static_cast<const unsigned char *>(data), length, perRow, indent);
}

ZEMAPI(int) PrintHexFile(FILE *stream, const void *data, int32_t length, int32_t perRow, int32_t indent)
{
    if (!stream)
        return EOF;
    if (!NothingToPrint(data, length, perRow))
        PrintStacked(stream, static_cast<const unsigned char *>(data), length, perRow, indent);
    return std::fflush(stream);
}

ZEMAPI(void) PrintFormattedHexData(const void *data, int32_t length, int32_t perRow, const char *separator,
                                   const char *firstPrefix, const char *nextPrefix, int charsFirst, FILE *stream)
{
    if (!stream)
        return;
    if (NothingToPrint(data, length, perRow)) {
        std::fflush(stream);
        return;
    }
    // A buffer shorter than one row prints nothing at all.
    int32_t fullRows = length / perRow, remainder = length % perRow;
    if (fullRows < 1)
        return;
    const auto *bytes = static_cast<const unsigned char *>(data);
    separator = separator ? separator : "";
    for (int32_t row = 0; row <= fullRows; ++row) {
        int32_t count = row < fullRows ? perRow : remainder;
        if (count == 0)
            break;
        const char *prefix = row == 0 ? firstPrefix : nextPrefix;
        int64_t offset = static_cast<int64_t>(row) * perRow;
        std::fprintf(stream, "%s%08X:  ", prefix ? prefix : "", static_cast<unsigned>(offset));
        PrintSideBySideRow(stream, bytes + offset, count, perRow, charsFirst != 0, separator);
        std::fputc('\n', stream);
        std::fflush(stream);
    }
    std::fflush(stream);
}

ZEMAPI(void) PrintHexData(const void *data, int32_t length, FILE *stream)
{
    PrintFormattedHexData(data, length, 16, " ", "", "", 1, stream);
}

}  // extern "C"

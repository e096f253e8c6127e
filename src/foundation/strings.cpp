#include "foundation/strings.h"

#include <cstring>

#include "zemapi.h"

namespace zem {

void BytesToHexText(const unsigned char *bytes, std::size_t count, char *text)
{
    static const char kDigits[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < count; ++i) {
        text[2 * i] = kDigits[bytes[i] >> 4];
        text[2 * i + 1] = kDigits[bytes[i] & 0x0F];
    }
    text[2 * count] = '\0';
}

namespace {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool IsScanSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Reads a pair as a "%X" scan of the pair alone would: either case, a leading white space
// skipped, and a digit followed by a non-digit gives that digit. Signs and anything else
// that is not hex give 0.
unsigned char HexPairValue(char first, char second)
{
    if (IsScanSpace(first)) {
        int digit = HexDigitValue(second);
        return static_cast<unsigned char>(digit < 0 ? 0 : digit);
    }
    int high = HexDigitValue(first);
    if (high < 0)
        return 0;
    int low = HexDigitValue(second);
    return static_cast<unsigned char>(low < 0 ? high : high * 16 + low);
}

}  // namespace

void HexTextToBytes(const char *text, std::size_t count, unsigned char *bytes)
{
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = HexPairValue(text[2 * i], text[2 * i + 1]);
}

}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(void) strupper(char *text)
{
    for (; text && *text; ++text)
        *text = AsciiUpper(*text);
}

ZEMAPI(void) strip_spaces(char *text)
{
    if (!text)
        return;
    if (char *blank = std::strchr(text, ' '))
        *blank = '\0';
}

ZEMAPI(void) trim_str(char *text)
{
    if (!text)
        return;
    for (std::size_t length = std::strlen(text); length > 0 && text[length - 1] == ' '; --length)
        text[length - 1] = '\0';
}

ZEMAPI(void) pad_spaces(char *text, int32_t width)
{
    // A negative width would write in front of the caller's buffer.
    if (!text || width < 0)
        return;
    std::size_t target = static_cast<std::size_t>(width);
    std::size_t length = std::strlen(text);
    if (length < target)
        std::memset(text + length, ' ', target - length);
    text[target] = '\0';
}

ZEMAPI(void) str_replace_char(char *text, char find, char replacement)
{
    for (; text && *text; ++text)
        if (*text == find)
            *text = replacement;
}

ZEMAPI(int) ConvertByte24ToText48(const void *bytes, char *text)
{
    if (!bytes || !text)
        return 0;
    BytesToHexText(static_cast<const unsigned char *>(bytes), 24, text);
    return 48;
}

ZEMAPI(int) ConvertByte32ToText64(const void *bytes, char *text)
{
    if (!bytes || !text)
        return 0;
    BytesToHexText(static_cast<const unsigned char *>(bytes), 32, text);
    return 64;
}

ZEMAPI(void) ConvertText48ToByte24(const char *text, void *bytes)
{
    if (!text || !bytes)
        return;
    HexTextToBytes(text, 24, static_cast<unsigned char *>(bytes));
}

ZEMAPI(void) ConvertText64ToByte32(const char *text, void *bytes)
{
    if (!text || !bytes)
        return;
    HexTextToBytes(text, 32, static_cast<unsigned char *>(bytes));
}

}  // extern "C"

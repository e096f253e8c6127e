// Character helpers shared by the string utilities and the matchers.
#pragma once
#include <cstddef>

namespace zem {

// Upper-casing of the C locale: only a to z change. Safe for every char value, unlike
// toupper() on a negative char.
inline char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Writes count bytes as upper-case hex pairs and a NUL; text needs 2 * count + 1 bytes.
void BytesToHexText(const unsigned char *bytes, std::size_t count, char *text);
// Reads 2 * count characters in pairs into count bytes; a pair that is not hex gives 0.
void HexTextToBytes(const char *text, std::size_t count, unsigned char *bytes);

}  // namespace zem

// ASCII/EBCDIC translation for peers on z/OS and IBM i, and the EBCDIC tests.
#pragma once
#include <cstddef>
#include <cstdint>

namespace zem {

enum class TextDirection { ToEbcdic = 0, ToAscii = 1 };

// EBCDIC substitute character, given for bytes that 7-bit ASCII does not have.
constexpr unsigned char kEbcdicSubstitute = 0x3F;

unsigned char AsciiToEbcdic(unsigned char ascii);
// 0 where the EBCDIC byte has no 7-bit ASCII equivalent.
unsigned char EbcdicToAscii(unsigned char ebcdic);
void TranslateText(const unsigned char *src, unsigned char *dst, std::size_t count, TextDirection direction);
bool IsEbcdicCcsid(int32_t ccsid);
bool LooksLikeEbcdic(const unsigned char *text, std::size_t count);

}  // namespace zem

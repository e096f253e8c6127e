// The MQSC reply-text scanner: a strtok-like tokenizer with one position per thread.
#pragma once
#include <cstddef>

#include "zemapi.h"

namespace zem {

// Delimiter sets of the readers.
constexpr const char *kIdentDelimiters = " .,\t\n:()+";
constexpr const char *kValueDelimiters = "()";
constexpr const char *kTokenDelimiters = "() ";

// Longest stretch of text one scan looks at before giving up on finding a token end.
constexpr std::size_t kScanLimit = 65536;

// Returns the next token of text (or, for a NULL text, of the text being scanned), cut in
// place with a NUL over the delimiter that ended it, which is reported through *ended (0
// when the token ran to the end of the text). Leading delimiters are skipped, except a ')'
// at the very start of the call, which ends an empty token so that "()" reads as an empty
// value. A text that is all delimiters comes back whole as the last token. NULL when
// nothing is left, for a NULL delimiter set, and when no token ends within kScanLimit
// characters (the position is then kept).
char *ScanMqscToken(char *text, const char *delimiters, char *ended);

}  // namespace zem

// The MQSC reply-text scanner: a strtok-like tokenizer with one position per thread.
#pragma once
#include <cstddef>

#include "foundation/char_table.h"
#include "zemapi.h"

namespace zem {

// Delimiter sets of the readers. A carriage return is a blank: replies may come with
// CR-LF line ends.
constexpr const char *kIdentDelimiters = " .,\t\n\r:()+";
constexpr const char *kValueDelimiters = "()";
constexpr const char *kTokenDelimiters = "() ";
inline constexpr CharTable kIdentDelimiterSet = CharTable(kIdentDelimiters).withNul();
inline constexpr CharTable kValueDelimiterSet = CharTable(kValueDelimiters).withNul();
inline constexpr CharTable kTokenDelimiterSet = CharTable(kTokenDelimiters).withNul();

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
// The same with the delimiter set as a table that holds the NUL character too (at most 256
// characters of a text set count).
char *ScanMqscToken(char *text, const CharTable &delimiters, char *ended);

// GetMqscIdent that also reports the delimiter that ended the identifier and the length
// of the name stored.
bool ReadMqscIdent(MqscItem &item, char &ended, std::size_t &nameLength);

// ReadMqscIdent that leaves a name that fits item.name where it stands in the text, cut
// there, instead of copying it: name is then that text, else item.name.
bool ReadReplyIdent(MqscItem &item, char &ended, const char *&name, std::size_t &nameLength);

// After an identifier that `ended` at: true, with the parenthesis consumed, when a '('
// follows it directly or after blanks (the command server writes "QLOCAL (Q2)"). A
// keyword without one has no value here, as in a console heading "DISPLAY CHSTATUS".
bool TakeParenthesisAfterBlanks(char ended);
inline bool TakeValueParenthesis(char ended) { return ended == '(' || TakeParenthesisAfterBlanks(ended); }

// GetMqscValue that also tells whether the keyword's own closing parenthesis was met (a
// value cut off at the end of the text was not) and the length of the value stored.
bool ReadMqscValue(MqscItem &item, bool &closed, std::size_t &length);

// ReadMqscValue that leaves a plain value (one token up to the keyword's ')', with no
// blank at its end) where it stands in the text, cut there, instead of copying it: value
// is then that text, else item.value.
bool ReadReplyValue(MqscItem &item, bool &closed, const char *&value, std::size_t &length);

}  // namespace zem

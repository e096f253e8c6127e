#include "mqsc2pcf/scanner.h"

#include <cctype>
#include <cstring>

namespace zem {
namespace {

// Where the calling thread's last scan stopped: just past the delimiter that ended its
// token, or NULL when it reached the end of the text.
thread_local char *g_scanPosition = nullptr;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A space that a value loses at its end; visible ASCII is no space in any locale.
bool IsTrailingSpace(char c)
{
    auto byte = static_cast<unsigned char>(c);
    return !(byte > ' ' && byte < 0x7f) && std::isspace(byte);
}

// Copies text into a field of `size` bytes, cutting it to size - 1 characters; returns
// the length copied.
std::size_t CopyCut(char *field, std::size_t size, const char *text, std::size_t length)
{
    if (length > size - 1)
        length = size - 1;
    std::memcpy(field, text, length);
    field[length] = '\0';
    return length;
}

void CopyCut(char *field, std::size_t size, const char *text) { CopyCut(field, size, text, strnlen(text, size - 1)); }

const char kStatusName[] = "MQSC_RESPONSE";
const char kMessageIdPrefix[] = "CSQ";

// Appends to the value field, dropping what does not fit, and keeps it terminated.
class ValueWriter {
public:
    explicit ValueWriter(char *field) : field_(field) { field_[0] = '\0'; }
    void append(const char *text, std::size_t length)
    {
        if (length > kRoom - length_)
            length = kRoom - length_;
        std::memcpy(field_ + length_, text, length);
        length_ += length;
        field_[length_] = '\0';
    }
    void append(char c)
    {
        if (c != '\0' && length_ < kRoom)
            field_[length_++] = c;
        field_[length_] = '\0';
    }
    std::size_t length() const { return length_; }
    void trimTrailingSpace()
    {
        while (length_ > 0) {
            if (!IsTrailingSpace(field_[length_ - 1]))
                break;
            field_[--length_] = '\0';
        }
    }

    static constexpr std::size_t kRoom = ZEM_MQSC_ITEM_VALUE_LENGTH - 1;

private:
    char *field_;
    std::size_t length_ = 0;
};

// The number of characters from text up to the first of stops, at most limit. Four at a
// time: a token is mostly a few characters, and the test of the limit costs as much as
// the look-up. A character is read only after the one before it was no stop.
inline std::size_t RunLength(const char *text, const CharTable &stops, std::size_t limit)
{
    std::size_t i = 0;
    for (; i + 4 <= limit; i += 4) {
        if (stops.has(text[i]))
            return i;
        if (stops.has(text[i + 1]))
            return i + 1;
        if (stops.has(text[i + 2]))
            return i + 2;
        if (stops.has(text[i + 3]))
            return i + 3;
    }
    while (i < limit && !stops.has(text[i]))
        ++i;
    return i;
}

// ScanMqscToken that also gives the token's length. Inline: it runs for every token of a
// reply, and the call costs as much as a short token's scan.
inline char *ScanToken(char *text, const CharTable &stops, char &ended, std::size_t &length)
{
    ended = '\0';
    if (text == nullptr) {
        text = g_scanPosition;
        if (text == nullptr)
            return nullptr;
    }
    if (*text == '\0') {
        g_scanPosition = nullptr;
        return nullptr;
    }
    // The set stops at NUL too, so each character costs one look-up.
    std::size_t i = 0;
    // "()" must read as an empty value, not skip to the next one: a ')' at the very start
    // ends an empty token.
    const bool emptyToken = text[0] == ')' && stops.has(')');
    if (!emptyToken) {
        while (i < kScanLimit && text[i] != '\0' && stops.has(text[i]))
            ++i;
        if (i == kScanLimit)
            return nullptr;
        if (text[i] == '\0') {
            g_scanPosition = nullptr;
            length = i;
            return text;  // all delimiters: the whole text
        }
    }
    char *tokenStart = text + i;
    if (!emptyToken)
        i += RunLength(text + i, stops, kScanLimit - i);
    if (i == kScanLimit)
        return nullptr;
    length = static_cast<std::size_t>(text + i - tokenStart);
    ended = text[i];
    if (ended == '\0') {
        g_scanPosition = nullptr;
        return tokenStart;
    }
    text[i] = '\0';
    g_scanPosition = text + i + 1;
    return tokenStart;
}

}  // namespace

char *ScanMqscToken(char *text, const char *delimiters, char *ended)
{
    if (delimiters == nullptr) {
        *ended = '\0';
        return nullptr;
    }
    return ScanMqscToken(text, CharTable(delimiters).withNul(), ended);
}

char *ScanMqscToken(char *text, const CharTable &delimiters, char *ended)
{
    std::size_t length = 0;
    return ScanToken(text, delimiters, *ended, length);
}

bool ReadReplyIdent(MqscItem &item, char &ended, const char *&name, std::size_t &nameLength)
{
    std::size_t length = 0;
    char *token = ScanToken(nullptr, kIdentDelimiterSet, ended, length);
    if (token == nullptr)
        return false;
    if (length < sizeof item.name) {
        name = token;  // cut where it stands
        nameLength = length;
        return true;
    }
    nameLength = CopyCut(item.name, sizeof item.name, token, length);
    name = item.name;
    return true;
}

bool ReadMqscIdent(MqscItem &item, char &ended, std::size_t &nameLength)
{
    const char *name = nullptr;
    if (!ReadReplyIdent(item, ended, name, nameLength))
        return false;
    if (name != item.name)
        std::memcpy(item.name, name, nameLength + 1);  // a short name, cut in the text
    return true;
}

bool TakeParenthesisAfterBlanks(char ended)
{
    if (ended == '\0' || !IsBlank(ended) || g_scanPosition == nullptr)
        return false;
    char *next = g_scanPosition;
    for (std::size_t i = 0; i < kScanLimit && IsBlank(*next); ++i)
        ++next;
    if (*next != '(')
        return false;
    g_scanPosition = next + 1;
    return true;
}

namespace {

// The length of the common value at text, the scan position: one plain token that its
// keyword's ')' ends, short enough for the value field; 0 for any other.
std::size_t PlainValueLength(const char *text)
{
    if (text == nullptr)
        return 0;
    std::size_t i = RunLength(text, kValueDelimiterSet, ValueWriter::kRoom);
    return i < ValueWriter::kRoom && text[i] == ')' ? i : 0;
}

// Cuts the plain value of length characters, and its ')', off the text being scanned.
char *TakePlainValue(std::size_t length)
{
    char *value = g_scanPosition;
    value[length] = '\0';
    g_scanPosition = value + length + 1;
    return value;
}

}  // namespace

// Reads up to the keyword's own closing parenthesis. A nested group is kept with its
// parentheses, and the value ends when the outermost nested group closes, the way the
// command server writes CONNAME(host(1414)).
bool ReadMqscValue(MqscItem &item, bool &closed, std::size_t &valueLength)
{
    closed = false;
    valueLength = 0;
    if (std::size_t plain = PlainValueLength(g_scanPosition)) {
        ValueWriter value(item.value);
        value.append(TakePlainValue(plain), plain);
        value.trimTrailingSpace();
        valueLength = value.length();
        closed = true;
        return true;
    }
    char ended = 0;
    std::size_t length = 0;
    char *token = ScanToken(nullptr, kValueDelimiterSet, ended, length);
    if (token == nullptr)
        return false;
    ValueWriter value(item.value);
    int depth = 0;
    for (; token != nullptr; token = ScanToken(nullptr, kValueDelimiterSet, ended, length)) {
        value.append(token, length);
        if (ended == '(') {
            value.append('(');
            ++depth;
            continue;
        }
        if (ended == ')') {
            if (depth == 0) {
                closed = true;
                break;
            }
            value.append(')');
            if (--depth == 0) {
                closed = true;  // the keyword's own ')' is still ahead
                break;
            }
            continue;
        }
        break;  // end of text: whatever was open stays open
    }
    value.trimTrailingSpace();
    valueLength = value.length();
    return true;
}

bool ReadReplyValue(MqscItem &item, bool &closed, const char *&value, std::size_t &length)
{
    std::size_t plain = PlainValueLength(g_scanPosition);
    if (plain > 0 && !IsTrailingSpace(g_scanPosition[plain - 1])) {
        value = TakePlainValue(plain);
        length = plain;
        closed = true;
        return true;
    }
    value = item.value;
    return ReadMqscValue(item, closed, length);
}

}  // namespace zem

using zem::ScanMqscToken;

extern "C" {

ZEMAPI(int32_t) GetMqscStatus(char *text, MqscItem *item)
{
    if (text == nullptr || item == nullptr)
        return 0;
    char ended = 0;
    for (char *token = ScanMqscToken(text, zem::kIdentDelimiterSet, &ended); token != nullptr;
         token = ScanMqscToken(nullptr, zem::kIdentDelimiterSet, &ended)) {
        if (std::strncmp(token, zem::kMessageIdPrefix, sizeof zem::kMessageIdPrefix - 1) == 0) {
            zem::CopyCut(item->name, sizeof item->name, zem::kStatusName);
            zem::CopyCut(item->value, sizeof item->value, token);
            return 1;
        }
    }
    return 0;
}

ZEMAPI(int32_t) GetMqscIdent(const char *, MqscItem *item)
{
    char ended = 0;
    std::size_t length = 0;
    return item != nullptr && zem::ReadMqscIdent(*item, ended, length) ? 1 : 0;
}

ZEMAPI(int32_t) GetMqscValue(const char *, MqscItem *item)
{
    bool closed = false;
    std::size_t length = 0;
    return item != nullptr && zem::ReadMqscValue(*item, closed, length) ? 1 : 0;
}

ZEMAPI(int32_t) GetMqscToken(MqscItem *item)
{
    if (item == nullptr)
        return 0;
    std::size_t length = strnlen(item->name, sizeof item->name);
    char ended = 0;
    for (char *token = ScanMqscToken(nullptr, zem::kTokenDelimiterSet, &ended); token != nullptr;
         token = ScanMqscToken(nullptr, zem::kTokenDelimiterSet, &ended))
        if (std::strncmp(token, item->name, length) == 0)
            return 1;
    return 0;
}

}  // extern "C"

// Reason-code texts from the installation's "zemrc.ini".
#include <cstdio>
#include <cstring>

#include "config/ini_file.h"

namespace zem {
namespace {

constexpr const char *kUnknownReason = "unknown reason code";
// Entry texts longer than this are cut: the file comes from outside.
constexpr std::size_t kRcTextSize = 2000;

// The first ':'-separated field of value, leading separators skipped (as a token splitter
// gives it, without keeping a hidden position); null when there is none.
const char *FirstField(const char *value, char (&field)[kRcTextSize])
{
    const char *start = value + std::strspn(value, ":");
    if (!*start)
        return nullptr;
    std::size_t length = std::strcspn(start, ":");
    std::memcpy(field, start, length);
    field[length] = '\0';
    return field;
}

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(const char *) GetRcText(int32_t reason)
{
    // Valid until the same thread asks again.
    thread_local char field[kRcTextSize];
    IniFile texts;
    if (!zemOpenIniFile("zemrc.ini", " \"", "\"", &texts, nullptr, 1))
        return kUnknownReason;
    char key[16];
    std::snprintf(key, sizeof key, "[%d]", static_cast<int>(reason));
    char value[kRcTextSize];
    int found = MaskLookup(texts, key, value, sizeof value, true);
    zemCloseIniFile(&texts);
    return found ? FirstField(value, field) : kUnknownReason;
}

}  // extern "C"

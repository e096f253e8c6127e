// The three matchers on any mask and text: the input is the mask, a NUL, then the text.
// Besides not crashing or running away, each must accept what it plainly must accept.
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_support.h"

namespace {

bool HasAny(const std::string &text, const char *characters)
{
    return text.find_first_of(characters) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    zemfuzz::QuietStdout();
    const char *bytes = reinterpret_cast<const char *>(data);
    const char *nul = static_cast<const char *>(std::memchr(bytes, '\0', size));
    const std::string mask(bytes, nul ? static_cast<std::size_t>(nul - bytes) : size);
    const std::string text = nul ? std::string(nul + 1, bytes + size).c_str() : std::string();

    IsMaskMatch(mask.c_str(), text.c_str());
    IsMaskMatchIgnoreCase(mask.c_str(), text.c_str());
    IsRegExpMatch(mask.c_str(), text.c_str(), 0);
    IsRegExpMatch(mask.c_str(), text.c_str(), 1);
    IsPermitMaskMatch(mask.c_str(), text.c_str());
    int result = -1;
    CompareMaskTokensWithKeyTokens(mask.c_str(), text.c_str(), &result);

    // Any text fits "*" as a pattern, and a text without pattern characters fits itself.
    if (IsRegExpMatch("*", text.c_str(), 0) != 1)
        zemfuzz::Fail("\"*\" does not fit \"" + text + "\"");
    if (!HasAny(text, "*?[") && IsRegExpMatch(text.c_str(), text.c_str(), 0) != 1)
        zemfuzz::Fail("\"" + text + "\" does not fit itself as a pattern");
    if (!HasAny(text, "*?[") && IsRegExpMatch(text.c_str(), text.c_str(), 1) != 1)
        zemfuzz::Fail("\"" + text + "\" does not fit itself as a pattern ignoring case");
    // The mask matcher: a text without '*' fits itself (an empty text fits nothing).
    if (!text.empty() && !HasAny(text, "*") && IsMaskMatch(text.c_str(), text.c_str()) != 1)
        zemfuzz::Fail("\"" + text + "\" does not fit itself as a mask");
    return 0;
}

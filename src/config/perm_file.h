// The permit rule, exposed for the tests and the permission lookups.
#pragma once
#include <cstddef>
#include <string_view>

namespace zem {

// Whether one key token fits one mask token ('?' one character, '*' at least one).
bool PermitTokenFits(std::string_view maskToken, std::string_view keyToken);
// The same rule resumed after its first `same` steps, each over equal characters or a '?'
// opposite any, with same < keyToken.size() and same <= maskToken.size().
bool PermitTokenFitsAfter(std::string_view maskToken, std::string_view keyToken, std::size_t same);

// CompareMaskTokensWithKeyTokens without the result variable; also false for a mask that
// is empty or begins with '#'.
bool MaskTokensFitKeyTokens(std::string_view mask, std::string_view key);

// IsPermitMaskMatch: whether the key fits the rule.
bool PermitFits(std::string_view rule, std::string_view key);

}  // namespace zem

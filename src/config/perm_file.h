// The permit rule, exposed for the tests and the permission lookups.
#pragma once
#include <string_view>

namespace zem {

// Whether one key token fits one mask token ('?' one character, '*' at least one).
bool PermitTokenFits(std::string_view maskToken, std::string_view keyToken);

// CompareMaskTokensWithKeyTokens without the result variable; also false for a mask that
// is empty or begins with '#'.
bool MaskTokensFitKeyTokens(std::string_view mask, std::string_view key);

// IsPermitMaskMatch: whether the key fits the rule.
bool PermitFits(std::string_view rule, std::string_view key);

}  // namespace zem

// The mask matcher (INI-file keys) and the pattern matcher (permission rules).
#pragma once

namespace zem {

// '*' only, one left-to-right scan without retries; the string may end at a blank.
bool MaskMatch(const char *mask, const char *text, bool ignoreCase);
// '*', '?' and bracket classes, with backtracking; the whole string must be used.
bool PatternMatch(const char *pattern, const char *text, bool ignoreCase);

}  // namespace zem

// A set of characters as a 256-entry table: membership is one load, whatever the set's
// size. Constant sets are built at compile time.
#pragma once
#include <cstddef>

namespace zem {

class CharTable {
public:
    constexpr CharTable() = default;
    // The set of the first `limit` characters of members (up to its NUL).
    constexpr explicit CharTable(const char *members, std::size_t limit = 256)
    {
        for (std::size_t i = 0; members != nullptr && i < limit && members[i] != '\0'; ++i)
            member_[static_cast<unsigned char>(members[i])] = true;
    }
    constexpr void add(char c) { member_[static_cast<unsigned char>(c)] = true; }
    constexpr bool has(char c) const { return member_[static_cast<unsigned char>(c)]; }
    // The same set with the NUL character added, to stop a scan at a text's end as well.
    constexpr CharTable withNul() const
    {
        CharTable set = *this;
        set.member_[0] = true;
        return set;
    }

private:
    bool member_[256] = {};
};

}  // namespace zem

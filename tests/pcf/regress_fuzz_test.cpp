// Inputs the fuzzers found, kept so that the faults stay mended (or, while disabled, so
// that the fault is on record with its reproducer).
#include <gtest/gtest.h>

#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::PcfBytes;

// A 24-byte string list may claim any number of entries when each entry is empty: the
// structure is valid (24 + Count x 0 bytes). The authority-record sort took Count as the
// number of records, allocated an index for each and sorted them all, so a peer's reply
// of a few bytes could make it allocate gigabytes (Count 0x20000000) and sort for
// minutes. A names list whose entries hold no bytes is refused.
TEST(PcfFuzzRegression, AuthRecSortRefusesRecordsTheListDoesNotHold)
{
    MESSAGE names = zemtest::EnvelopeHolding(PcfBytes().Words({ZEM_MQCFT_STRING_LIST, 24, 3067, 0, 200000, 0}).bytes());
    MESSAGE kinds = zemtest::EnvelopeHolding(PcfBytes().Cfil(1116, {}).bytes());
    ASSERT_EQ(1, IsPcfStrListAttr(&names));
    AuthRecSortSet set{&kinds, &names, &names, &kinds, "OWNER"};
    int32_t *indices = reinterpret_cast<int32_t *>(&set);  // must be replaced
    EXPECT_EQ(0, AuthRecSort(&set, &indices));
    EXPECT_EQ(nullptr, indices);
    FreeMemory(indices);
    DeleteMessage(&names);
    DeleteMessage(&kinds);
}

}  // namespace

// The alteration-date filter: whether an inquiry response's object changed since discovery.
#pragma once
#include <cstdint>

#include "zemapi.h"

namespace zem {

// The discovery filter behind IsAlterDateRecent2.
int32_t IsAlteredSince(int64_t discoveryStart, PcfMessage *response, const char *qmgrName, bool verbose);

}  // namespace zem

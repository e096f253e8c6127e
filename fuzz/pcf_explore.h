// Every read a caller can make of an indexed container: each index entry through each
// getter (lists at their edges, groups member by member, embedded messages as
// containers), copies through the setters, and the printers.
#pragma once
#include "zemapi.h"

namespace zemfuzz {

// Checks what a successful RawToPcf promises (entries back to back inside the used
// bytes, each valid) and reads everything; aborts on a broken promise.
void ExploreIndexed(PcfMessage &pcf, int depth = 0);

// Reads one structure (a view or an owning envelope) through every getter.
void ExploreAttr(MESSAGE &attr, int depth);

}  // namespace zemfuzz

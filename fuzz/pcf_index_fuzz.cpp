// Raw PCF bytes, as a peer or a file delivers them, indexed and then read every way a
// caller can read them.
#include <cstdint>

#include "fuzz_support.h"
#include "pcf_explore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    zemfuzz::QuietStdout();
    PcfMessage *pcf = zemfuzz::ContainerHolding(data, size);
    if (!pcf)
        return 0;
    if (RawToPcf(pcf) == 1)
        zemfuzz::ExploreIndexed(*pcf);
    DeletePcfMessage(pcf);
    return 0;
}

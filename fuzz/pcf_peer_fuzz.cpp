// A message from a peer of any byte order and character set: the envelope header
// (136 bytes), the PCF header extension (32 bytes), then the PCF data, all as they
// arrive. The headers are converted, then the data, then the result indexed and read.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz_support.h"
#include "pcf_explore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    zemfuzz::QuietStdout();
    zemfuzz::Input input(data, size);
    const uint8_t modes = input.Byte();

    unsigned char header[ZEM_MDHDR_LENGTH] = {};
    unsigned char ext[ZEM_MSHDRE_LENGTH] = {};
    std::size_t rest = input.RestSize();
    std::size_t headerBytes = std::min(rest, sizeof header);
    std::memcpy(header, input.Rest(), headerBytes);
    std::size_t extBytes = std::min(rest - headerBytes, sizeof ext);
    std::memcpy(ext, input.Rest() + headerBytes, extBytes);
    const uint8_t *pcfData = input.Rest() + headerBytes + extBytes;
    std::size_t pcfSize = rest - headerBytes - extBytes;

    // The buffer walk on its own, on an exact copy, in the mode the first byte picks.
    std::vector<unsigned char> exact(pcfData, pcfData + pcfSize);
    AlienPcfBufferToNative(exact.data(), modes & 1, (modes >> 1) & 1, (modes >> 2) & 1,
                           static_cast<int32_t>(exact.size()));

    PcfMessage *pcf = zemfuzz::ContainerHolding(pcfData, pcfSize);
    if (!pcf)
        return 0;
    std::memcpy(pcf->PcfMsg.pBlock, header, sizeof header);
    std::memcpy(&pcf->PcfExt, ext, sizeof ext);
    AlienToNative(&pcf->PcfMsg);
    AlienToNativeExt(&pcf->PcfExt);
    AlienPcfToNative(pcf);

    // The header now says native: a second conversion must leave everything as it is.
    std::vector<unsigned char> once(pcf->PcfMsg.pBlock, pcf->PcfMsg.pBlock + pcf->PcfMsg.Size);
    AlienPcfToNative(pcf);
    if (std::memcmp(once.data(), pcf->PcfMsg.pBlock, once.size()) != 0)
        zemfuzz::Fail("a second AlienPcfToNative changed the message");

    if (RawToPcf(pcf) == 1)
        zemfuzz::ExploreIndexed(*pcf);
    DeletePcfMessage(pcf);
    return 0;
}

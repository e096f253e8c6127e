// A saved PCF message file of any content: loaded, read, and saved again.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "pcf_explore.h"

namespace {

std::vector<unsigned char> ReadAll(const std::string &path)
{
    std::vector<unsigned char> bytes;
    if (FILE *file = std::fopen(path.c_str(), "rb")) {
        unsigned char chunk[4096];
        std::size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
            bytes.insert(bytes.end(), chunk, chunk + n);
        std::fclose(file);
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    zemfuzz::QuietStdout();
    static const std::string in = zemfuzz::ScratchPath("message.pcf");
    static const std::string out = zemfuzz::ScratchPath("saved.pcf");
    zemfuzz::WriteFile(in, data, size);
    PcfMessage *pcf = DeserializePcfMessage(in.c_str());
    if (!pcf)
        return 0;
    zemfuzz::ExploreIndexed(*pcf);
    // What was loaded is the file's first bytes, and saving writes exactly those.
    auto length = static_cast<std::size_t>(pcf->PcfMsg.Used - ZEM_MDHDR_LENGTH);
    if (length > size || std::memcmp(pcf->PcfMsg.pData, data, length) != 0)
        zemfuzz::Fail("the loaded message is not the start of the file");
    if (SerializePcfMessage(pcf, out.c_str()) != 1)
        zemfuzz::Fail("SerializePcfMessage failed on a loaded message");
    std::vector<unsigned char> saved = ReadAll(out);
    if (saved.size() != length || (length && std::memcmp(saved.data(), data, length) != 0))
        zemfuzz::Fail("the saved file differs from the loaded message");
    DeletePcfMessage(pcf);
    return 0;
}

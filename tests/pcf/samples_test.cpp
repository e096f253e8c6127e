// The bundled PCF samples are the output of their byte-by-byte builders. To write them
// again after a change of the builders: ZEM_WRITE_SAMPLES=1 test_pcf --gtest_filter='PcfSamples.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "capture.h"
#include "pcf_builders.h"

namespace {

using namespace zemtest;

void ExpectSample(const std::string &relative, const std::string &bytes)
{
    std::string path = SamplePath(relative);
    if (std::getenv("ZEM_WRITE_SAMPLES")) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good()) << path;
    }
    EXPECT_EQ(ReadFile(path), bytes) << path;
}

TEST(PcfSamples, BundledMessagesAreTheirBuildersOutput)
{
    ExpectSample("pcf/inquire-q-response.pcf", SampleQueueResponse(ByteOrder::kNative, Text::kAscii));
    ExpectSample("pcf/peer-inquire-q-response.pcf", SampleQueueResponse(ByteOrder::kSwapped, Text::kEbcdic));
}

}  // namespace

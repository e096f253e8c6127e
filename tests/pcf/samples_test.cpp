// The bundled PCF samples are the output of their byte-by-byte builders. To write them
// again after a change of the builders: ZEM_WRITE_SAMPLES=1 test_pcf --gtest_filter='PcfSamples.*'
#include <gtest/gtest.h>

#include "capture.h"
#include "pcf_builders.h"

namespace {

using namespace zemtest;

TEST(PcfSamples, BundledMessagesAreTheirBuildersOutput)
{
    ExpectSampleFile("pcf/inquire-q-response.pcf", SampleQueueResponse(ByteOrder::kNative, Text::kAscii));
    ExpectSampleFile("pcf/peer-inquire-q-response.pcf", SampleQueueResponse(ByteOrder::kSwapped, Text::kEbcdic));
}

}  // namespace

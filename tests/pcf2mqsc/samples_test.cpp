// The bundled discovery sample is the output of its generator below. To write it again
// after a change: ZEM_WRITE_SAMPLES=1 test_pcf2mqsc --gtest_filter='Pcf2MqscSamples.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "capture.h"
#include "conversion_helpers.h"
#include "foundation/mq_constants.h"
#include "pcf_builders.h"
#include "run_tool.h"

using p2mtest::Padded;
using zemtest::PcfBytes;
namespace mq = zem::mq;

namespace {

constexpr char kChannelSample[] = "pcf/inquire-channel-response.pcf";

// A queue manager's answer to an inquiry about one sender channel, last altered in 2023.
std::string ChannelResponse()
{
    return PcfBytes()
        .Cfh(ZEM_MQCFT_RESPONSE, mq::MQCMD_INQUIRE_CHANNEL, 5)
        .Cfst(mq::MQCACH_CHANNEL_NAME, Padded("QM1.TO.QM2", 20))
        .Cfin(mq::MQIACH_CHANNEL_TYPE, mq::MQCHT_SENDER)
        .Cfst(mq::MQCACH_DESC, Padded("Sender to QM2", 64))
        .Cfst(mq::MQCA_ALTERATION_DATE, Padded("2023-11-02", 12))
        .Cfst(mq::MQCA_ALTERATION_TIME, "09.15.00")
        .bytes();
}

TEST(Pcf2MqscSamples, BundledChannelResponseIsItsGeneratorsOutput)
{
    const std::string path = zemtest::SamplePath(kChannelSample);
    const std::string bytes = ChannelResponse();
    if (std::getenv("ZEM_WRITE_SAMPLES")) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good()) << path;
    }
    EXPECT_EQ(zemtest::ReadFile(path), bytes) << path;
}

TEST(Pcf2MqscSamples, RecentOnTheBundledResponses)
{
    const std::string queue = zemtest::SamplePath("pcf/inquire-q-response.pcf");
    const std::string channel = zemtest::SamplePath(kChannelSample);
    auto run = zemtest::RunZem({"recent", queue, channel, "--since", "2024-01-01 00:00:00", "--qmgr", "QM1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, queue + ": QUEUE APP.REQUEST.QUEUE, altered 2024-03-18 14.22.05: changed\n" + channel +
                           ": CHANNEL QM1.TO.QM2, altered 2023-11-02 09.15.00: not changed\n");
}

}  // namespace

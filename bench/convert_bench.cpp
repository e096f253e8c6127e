// Converting a peer's PCF data to this machine's byte order and character set.
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"

namespace {

using zembench::Structures;

constexpr std::size_t kTarget = 1 << 20;

// About 1 MiB of mixed structures in the other byte order, behind one MQCFH that counts them.
std::string PeerBytes()
{
    Structures body(true);
    int32_t count = 0;
    while (body.bytes().size() < kTarget - 256) {
        int32_t id = 1000 + count % 5000;
        switch (count % 8) {
        case 0: body.Cfin(id, count); break;
        case 1: body.Cfst(id, "PAYROLL.REQUESTS.FROM.BRANCHES"); break;
        case 2: body.Cfil(id, 8); break;
        case 3: body.Cfsl(id, 3, 48); break;
        case 4: body.Cfbs(id, 24); break;
        case 5: body.Cfin64(id, int64_t{count} << 34); break;
        case 6: body.Cfil64(id, 4); break;
        default: body.Cfgr(id, 1).Cfin(id + 1, count); break;
        }
        ++count;
    }
    Structures message(true);
    message.Cfh(ZEM_MQCFT_RESPONSE, 13, count);
    return message.bytes() + body.bytes();
}

void ConvertSubject(benchmark::State &state, int convertText)
{
    const std::string peer = PeerBytes();
    std::vector<unsigned char> work(peer.size());
    for (auto _ : state) {
        std::memcpy(work.data(), peer.data(), peer.size());  // the conversion is in place
        AlienPcfBufferToNative(work.data(), 1, convertText, ZEM_TO_ASCII, static_cast<int32_t>(work.size()));
        benchmark::ClobberMemory();
    }
    zembench::CountBytes(state, peer.size());
}

// The same copy, then every 32-bit word of the same bytes swapped.
void ConvertBaseline(benchmark::State &state)
{
    const std::string peer = PeerBytes();
    std::vector<uint32_t> work(peer.size() / 4);
    for (auto _ : state) {
        std::memcpy(work.data(), peer.data(), work.size() * 4);
        for (uint32_t &word : work)
            word = __builtin_bswap32(word);
        benchmark::ClobberMemory();
    }
    zembench::CountBytes(state, peer.size());
}

const bool kRegistered = [] {
    benchmark::RegisterBenchmark("peer_1mib_swap:subject", ConvertSubject, 0);
    benchmark::RegisterBenchmark("peer_1mib_swap:baseline", ConvertBaseline);
    benchmark::RegisterBenchmark("peer_1mib_swap_and_text:subject", ConvertSubject, 1);
    benchmark::RegisterBenchmark("peer_1mib_swap_and_text:baseline", ConvertBaseline);
    return true;
}();

}  // namespace

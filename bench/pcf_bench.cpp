// Building and indexing PCF messages.
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"

namespace {

using zembench::Structures;

constexpr int kBuiltParameters = 100;
constexpr int kIndexedParameters = 149;
constexpr int32_t kLastId = 9999;

// The container a caller builds: half integers, half queue names.
PcfMessage *Build(int32_t room, int count = kBuiltParameters)
{
    PcfMessage *pcf = CreatePcfMessage(13, ZEM_MQCFT_RESPONSE, room);
    // One record for every parameter: a Create... call overwrites it and DeleteMessage
    // empties it, so it need not be cleared again for each.
    MESSAGE attr{};
    for (int i = 0; i < count; ++i) {
        if (i % 2)
            CreatePcfIntAttr(&attr, 1000 + i, i);
        else
            CreatePcfStrAttr(&attr, 2000 + i, "PAYROLL.REQUESTS.FROM.BRANCHES");
        AppendAttr(pcf, &attr);
        DeleteMessage(&attr);
    }
    RawToPcf(pcf);
    return pcf;
}

std::string BuiltBytes(int count)
{
    PcfMessage *pcf = Build(0, count);
    std::string bytes(reinterpret_cast<const char *>(pcf->PcfMsg.pData),
                      static_cast<std::size_t>(pcf->PcfMsg.Used - ZEM_MDHDR_LENGTH));
    DeletePcfMessage(pcf);
    return bytes;
}

void BuildSubject(benchmark::State &state, int32_t room, int count)
{
    for (auto _ : state) {
        PcfMessage *pcf = Build(room, count);
        benchmark::DoNotOptimize(pcf->AttrIndex[count].pData);
        DeletePcfMessage(pcf);
    }
}

void BuildBaseline(benchmark::State &state, int count)
{
    const std::string bytes = BuiltBytes(count);
    std::vector<char> copy(bytes.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
    }
    zembench::CountBytes(state, bytes.size());
}

// 149 parameters of every common kind; the last one has an id of its own.
std::string IndexedBytes()
{
    Structures s;
    s.Cfh(ZEM_MQCFT_RESPONSE, 13, kIndexedParameters);
    for (int i = 0; i < kIndexedParameters - 1; ++i) {
        int32_t id = 1000 + i;
        switch (i % 7) {
        case 0: s.Cfin(id, i); break;
        case 1: s.Cfst(id, "PAYROLL.REQUESTS.FROM.BRANCHES.AND.OFFICES.0001"); break;
        case 2: s.Cfil(id, 8); break;
        case 3: s.Cfsl(id, 3, 48); break;
        case 4: s.Cfbs(id, 24); break;
        case 5: s.Cfin64(id, int64_t{i} << 34); break;
        default: s.Cfil64(id, 4); break;
        }
    }
    s.Cfin(kLastId, 42);
    return s.bytes();
}

// One pass over the same bytes reading each structure's Type and StrucLength.
void IndexBaseline(benchmark::State &state)
{
    const std::string bytes = IndexedBytes();
    const unsigned char *data = reinterpret_cast<const unsigned char *>(bytes.data());
    for (auto _ : state) {
        int64_t sum = 0;
        std::size_t offset = 0;
        for (int i = 0; i <= kIndexedParameters && offset + 8 <= bytes.size(); ++i) {
            int32_t type, length;
            std::memcpy(&type, data + offset, 4);
            std::memcpy(&length, data + offset + 4, 4);
            sum += type;
            offset += static_cast<std::size_t>(length);
        }
        benchmark::DoNotOptimize(sum);
    }
    zembench::CountBytes(state, bytes.size());
}

void IndexSubject(benchmark::State &state, bool index, bool find)
{
    const std::string bytes = IndexedBytes();
    PcfMessage *pcf = zembench::ContainerHolding(bytes);
    MESSAGE out{};
    if (RawToPcf(pcf) != 1 || GetAttrByID(kLastId, &out, pcf) != 1)
        state.SkipWithError("the message does not index");
    for (auto _ : state) {
        if (index)
            benchmark::DoNotOptimize(RawToPcf(pcf));
        if (find)
            benchmark::DoNotOptimize(GetAttrByID(kLastId, &out, pcf));
    }
    DeleteMessage(&out);
    DeletePcfMessage(pcf);
    zembench::CountBytes(state, bytes.size());
}

const bool kRegistered = [] {
    benchmark::RegisterBenchmark("pcf_build_100:subject", BuildSubject, 0, kBuiltParameters);
    benchmark::RegisterBenchmark("pcf_build_100:baseline", BuildBaseline, kBuiltParameters);
    // The same build into a container created with room for all of it.
    benchmark::RegisterBenchmark("pcf_build_100_presized:subject", BuildSubject, 4096, kBuiltParameters);
    benchmark::RegisterBenchmark("pcf_build_100_presized:baseline", BuildBaseline, kBuiltParameters);
    // Short and full messages: the cost per parameter should not grow with the count.
    benchmark::RegisterBenchmark("pcf_build_10:subject", BuildSubject, 0, 10);
    benchmark::RegisterBenchmark("pcf_build_10:baseline", BuildBaseline, 10);
    benchmark::RegisterBenchmark("pcf_build_149:subject", BuildSubject, 0, kIndexedParameters);
    benchmark::RegisterBenchmark("pcf_build_149:baseline", BuildBaseline, kIndexedParameters);
    benchmark::RegisterBenchmark("pcf_index_149:subject", IndexSubject, true, false);
    benchmark::RegisterBenchmark("pcf_index_149:baseline", IndexBaseline);
    benchmark::RegisterBenchmark("pcf_find_last_of_149:subject", IndexSubject, false, true);
    benchmark::RegisterBenchmark("pcf_find_last_of_149:baseline", IndexBaseline);
    benchmark::RegisterBenchmark("pcf_index_and_find_149:subject", IndexSubject, true, true);
    benchmark::RegisterBenchmark("pcf_index_and_find_149:baseline", IndexBaseline);
    return true;
}();

}  // namespace

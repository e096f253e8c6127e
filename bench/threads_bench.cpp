// The same conversion mix on one thread and shared by two: a PCF command to MQSC text, a
// reply to its PCF response and the alteration-date filter on it. Each iteration does a
// fixed amount of work, so the wall-time ratio of the pair is the inverse of the
// throughput ratio (0.5 when two threads convert twice as fast as one).
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "bench_support.h"

namespace {

using namespace std::string_literals;
using zembench::Structures;

constexpr int kUnits = 2000;  // conversion mixes per iteration, whatever the thread count

const std::string kReply =
    "CSQM401I +CSQ1 QUEUE(PAYROLL.IN) TYPE(QLOCAL) QSGDISP(QMGR)\0"
    "DESCR(Payroll requests) PUT(DISABLED) DEFPRTY(5)\0"
    "SHARE NOTRIGGER CURDEPTH(12) MAXDEPTH(5000)\0"
    "ALTDATE(2001-02-03) ALTTIME(04.05.06)"s;

std::string CommandBytes()
{
    Structures s;
    s.Cfh(ZEM_MQCFT_COMMAND, 8, 4)
        .Cfin(20, 1)
        .Cfst(2016, "PAYROLL.IN")
        .Cfst(2013, "Bob's payroll queue")
        .Cfin(15, 5000);
    return s.bytes();
}

// CPU time the calling thread has used, in ns.
double ThreadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

// One thread's share: `units` mixes on its own containers. False when one went wrong;
// cpuNs receives the CPU time the thread spent.
bool Convert(int units, double &cpuNs)
{
    const double start = ThreadCpuNs();
    PcfMessage *command = zembench::ContainerHolding(CommandBytes());
    PcfMessage *text = CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 4096);
    PcfMessage *reply = zembench::ContainerHolding(kReply);
    PcfMessage *response = CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 4096);
    bool good = command && text && reply && response;
    for (int i = 0; good && i < units; ++i) {
        int32_t compCode = -1, reason = -1, failed = -1, status = -1, count = -1;
        zemPcf2Mqsc(command, text, 0, &compCode, &reason, &failed);
        response->PcfMsg.Used = ZEM_MDHDR_LENGTH + ZEM_MQCFH_LENGTH;
        zemMqsc2Pcf(reply, response, &status, &reason, &count);
        good = compCode == 0 && status == 0 && RawToPcf(response) == 1 &&
               IsAlterDateRecent2(1000000000, response, "CSQ1", 0) == 0;
    }
    DeletePcfMessage(response);
    DeletePcfMessage(reply);
    DeletePcfMessage(text);
    DeletePcfMessage(command);
    cpuNs = ThreadCpuNs() - start;
    return good;
}

void Mix(benchmark::State &state, int threads)
{
    bool good = true;
    double cpuNs = 0;
    for (auto _ : state) {
        std::vector<std::thread> workers;
        std::vector<char> results(static_cast<std::size_t>(threads), 0);
        std::vector<double> spent(static_cast<std::size_t>(threads), 0);
        for (int t = 0; t < threads; ++t)
            workers.emplace_back([&results, &spent, t, threads] { results[t] = Convert(kUnits / threads, spent[t]); });
        for (auto &worker : workers)
            worker.join();
        for (int t = 0; t < threads; ++t) {
            good = good && results[t];
            cpuNs += spent[t];
        }
    }
    if (!good)
        state.SkipWithError("a conversion failed");
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kUnits);
    // The CPU time one mix costs on the workers: equal costs on one and two threads mean
    // nothing is shared between them, whatever else runs on the machine.
    state.counters["cpu_ns_per_mix"] = cpuNs / (static_cast<double>(state.iterations()) * kUnits);
}

const bool kRegistered = [] {
    benchmark::RegisterBenchmark("mix_two_threads:subject", Mix, 2)->UseRealTime();
    benchmark::RegisterBenchmark("mix_two_threads:baseline", Mix, 1)->UseRealTime();
    return true;
}();

}  // namespace

// The two conversions of an inquiry about every attribute of a queue.
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"

namespace {

using zembench::Structures;

constexpr int32_t kInquireQ = 13;
constexpr int32_t kQName = 2016, kQType = 20, kQAttrs = 1002, kAll = 1009;

const MqscKeyword *InquireQ()
{
    for (MqscKeyword **row = GetCmdTbl(); *row; ++row)
        if ((*row)->id == kInquireQ)
            return *row;
    return nullptr;
}

// The attribute ids of the command's parameter list, the name and the type excepted.
std::vector<int32_t> EveryAttribute()
{
    std::vector<int32_t> ids;
    for (const MqscParam *param = InquireQ()->params; param->keyword; ++param) {
        int32_t id = param->keyword->id;
        if (param->keyword->type != MQSC_CMD && id != kQName && id != kQType && id != kAll)
            ids.push_back(id);
    }
    return ids;
}

std::string InquiryBytes()
{
    std::vector<int32_t> ids = EveryAttribute();
    Structures s;
    s.Cfh(ZEM_MQCFT_COMMAND, kInquireQ, 2).Cfst(kQName, "PAYROLL.*").Cfil(kQAttrs, ids);
    return s.bytes();
}

// A reply that names every keyword of the command once, with a value of its kind; the
// items stand in NUL-separated groups as a command server writes them.
std::string FullReply()
{
    std::string reply = "CSQM401I +CSQ1 QUEUE(PAYROLL.REQUESTS)";
    int item = 0;
    for (const MqscParam *param = InquireQ()->params; param->keyword; ++param) {
        const MqscKeyword &keyword = *param->keyword;
        std::string name = keyword.name ? keyword.name : "";
        if (keyword.type == MQSC_CMD || keyword.id == kQName || keyword.id == kAll)
            continue;
        const char *firstValue = keyword.values && keyword.values[0] ? keyword.values[0]->name : "";
        std::string text;
        switch (keyword.type) {
        case MQSC_INT: text = name + "(5)"; break;
        case MQSC_STR: text = name + "(SOME TEXT)"; break;
        case MQSC_ENUM: text = name.empty() ? firstValue : name + "(" + firstValue + ")"; break;
        case MQSC_FLAG: text = name; break;
        default: text = name + "(ONE,TWO)"; break;
        }
        if (text.empty())
            continue;
        reply += (++item % 3 == 0) ? std::string(1, '\0') : std::string(" ");
        reply += text;
    }
    return reply;
}

// One scan of a text, as cheap as reading it can be: its length and its blanks.
std::size_t Scan(const char *text)
{
    std::size_t blanks = 0;
    for (const char *p = std::strchr(text, ' '); p; p = std::strchr(p + 1, ' '))
        ++blanks;
    return std::strlen(text) + blanks;
}

std::string ConvertedText()
{
    const std::string bytes = InquiryBytes();
    PcfMessage *command = zembench::ContainerHolding(bytes);
    PcfMessage *mqsc = CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 1 << 16);
    int32_t compCode = -1, reason = -1, failed = -1;
    zemPcf2Mqsc(command, mqsc, 0, &compCode, &reason, &failed);
    std::string text = compCode == 0 ? reinterpret_cast<const char *>(mqsc->PcfMsg.pData) : "";
    DeletePcfMessage(mqsc);
    DeletePcfMessage(command);
    return text;
}

void Pcf2MqscSubject(benchmark::State &state)
{
    const std::string bytes = InquiryBytes();
    PcfMessage *command = zembench::ContainerHolding(bytes);
    PcfMessage *mqsc = CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 1 << 16);
    int32_t compCode = -1, reason = -1, failed = -1;
    for (auto _ : state) {
        zemPcf2Mqsc(command, mqsc, 0, &compCode, &reason, &failed);
        benchmark::DoNotOptimize(mqsc->PcfMsg.pData);
    }
    if (compCode != 0)
        state.SkipWithError(("conversion failed, reason " + std::to_string(reason)).c_str());
    state.counters["text_bytes"] = static_cast<double>(mqsc->PcfMsg.Used - ZEM_MDHDR_LENGTH);
    DeletePcfMessage(mqsc);
    DeletePcfMessage(command);
}

void Pcf2MqscBaseline(benchmark::State &state)
{
    const std::string text = ConvertedText();
    if (text.empty())
        state.SkipWithError("conversion failed");
    for (auto _ : state)
        benchmark::DoNotOptimize(Scan(text.c_str()));
}

void Mqsc2PcfSubject(benchmark::State &state)
{
    const std::string reply = FullReply();
    PcfMessage *input = zembench::ContainerHolding(reply);
    PcfMessage *output = CreatePcfMessage(kInquireQ, ZEM_MQCFT_COMMAND, 1 << 16);
    int32_t status = -1, reason = -1, count = -1;
    for (auto _ : state) {
        std::memcpy(input->PcfMsg.pData, reply.data(), reply.size());  // the readers cut the text
        zemMqsc2Pcf(input, output, &status, &reason, &count);
        benchmark::DoNotOptimize(output->PcfMsg.pData);
    }
    if (status != 0)
        state.SkipWithError(("conversion failed, reason " + std::to_string(reason)).c_str());
    state.counters["parameters"] = RawToPcf(output) == 1 ? output->pCfh->ParameterCount : -1;
    DeletePcfMessage(output);
    DeletePcfMessage(input);
}

void Mqsc2PcfBaseline(benchmark::State &state)
{
    const std::string reply = FullReply();
    std::vector<char> input(reply.size() + 1);
    for (auto _ : state) {
        std::memcpy(input.data(), reply.data(), reply.size());
        std::size_t total = 0;
        for (std::size_t at = 0; at < reply.size(); at += std::strlen(input.data() + at) + 1)
            total += Scan(input.data() + at);
        benchmark::DoNotOptimize(total);
    }
}

const bool kRegistered = [] {
    benchmark::RegisterBenchmark("pcf2mqsc_inquire_q_all:subject", Pcf2MqscSubject);
    benchmark::RegisterBenchmark("pcf2mqsc_inquire_q_all:baseline", Pcf2MqscBaseline);
    benchmark::RegisterBenchmark("mqsc2pcf_display_queue_full:subject", Mqsc2PcfSubject);
    benchmark::RegisterBenchmark("mqsc2pcf_display_queue_full:baseline", Mqsc2PcfBaseline);
    return true;
}();

}  // namespace

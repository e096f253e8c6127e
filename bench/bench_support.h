// Shared pieces of the benchmarks: PCF structures built byte by byte in either byte order,
// and the naming convention that bench/ratios.py reads: every case registers
// "CASE:subject" and "CASE:baseline", measured on the same bytes in the same run.
#pragma once
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "zemapi.h"

namespace zembench {

class Structures {
public:
    explicit Structures(bool swapped = false) : swapped_(swapped) {}

    Structures &Word(int32_t value)
    {
        uint32_t bits = static_cast<uint32_t>(value);
        if (swapped_)
            bits = __builtin_bswap32(bits);
        bytes_.append(reinterpret_cast<const char *>(&bits), 4);
        return *this;
    }
    Structures &Word64(int64_t value)
    {
        uint64_t bits = static_cast<uint64_t>(value);
        if (swapped_)
            bits = __builtin_bswap64(bits);
        bytes_.append(reinterpret_cast<const char *>(&bits), 8);
        return *this;
    }
    Structures &Text(const std::string &text, std::size_t width)
    {
        std::string field = text.substr(0, width);
        field.resize(width, ' ');
        bytes_ += field;
        return *this;
    }
    Structures &Pad()
    {
        bytes_.resize((bytes_.size() + 3) / 4 * 4, '\0');
        return *this;
    }

    Structures &Cfh(int32_t type, int32_t command, int32_t count)
    {
        return Word(type).Word(36).Word(1).Word(command).Word(1).Word(1).Word(0).Word(0).Word(count);
    }
    Structures &Cfin(int32_t parameter, int32_t value) { return Word(3).Word(16).Word(parameter).Word(value); }
    Structures &Cfst(int32_t parameter, const std::string &text)
    {
        int32_t length = static_cast<int32_t>(text.size());
        Word(4).Word(20 + (length + 3) / 4 * 4).Word(parameter).Word(0).Word(length);
        bytes_ += text;
        return Pad();
    }
    Structures &Cfil(int32_t parameter, int32_t count)
    {
        Word(5).Word(16 + 4 * count).Word(parameter).Word(count);
        for (int32_t i = 0; i < count; ++i)
            Word(i * 7);
        return *this;
    }
    Structures &Cfil(int32_t parameter, const std::vector<int32_t> &values)
    {
        Word(5)
            .Word(16 + 4 * static_cast<int32_t>(values.size()))
            .Word(parameter)
            .Word(static_cast<int32_t>(values.size()));
        for (int32_t value : values)
            Word(value);
        return *this;
    }
    Structures &Cfsl(int32_t parameter, int32_t count, int32_t length)
    {
        Word(6).Word(24 + (count * length + 3) / 4 * 4).Word(parameter).Word(0).Word(count).Word(length);
        for (int32_t i = 0; i < count; ++i)
            Text("ENTRY" + std::to_string(i), static_cast<std::size_t>(length));
        return Pad();
    }
    Structures &Cfbs(int32_t parameter, int32_t length)
    {
        Word(9).Word(16 + (length + 3) / 4 * 4).Word(parameter).Word(length);
        bytes_.append(static_cast<std::size_t>(length), '\x5A');
        return Pad();
    }
    Structures &Cfin64(int32_t parameter, int64_t value)
    {
        return Word(23).Word(24).Word(parameter).Word(0).Word64(value);
    }
    Structures &Cfil64(int32_t parameter, int32_t count)
    {
        Word(25).Word(16 + 8 * count).Word(parameter).Word(count);
        for (int32_t i = 0; i < count; ++i)
            Word64(int64_t{i} << 33);
        return *this;
    }
    Structures &Cfgr(int32_t parameter, int32_t members) { return Word(20).Word(16).Word(parameter).Word(members); }

    const std::string &bytes() const { return bytes_; }

private:
    bool swapped_;
    std::string bytes_;
};

// A container whose data area holds exactly these bytes, not yet indexed.
inline PcfMessage *ContainerHolding(const std::string &bytes)
{
    PcfMessage *pcf = CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 0);
    auto length = static_cast<int32_t>(bytes.size());
    if (!pcf || !SizeMessage(&pcf->PcfMsg, length))
        return nullptr;
    std::memcpy(pcf->PcfMsg.pData, bytes.data(), bytes.size());
    pcf->PcfMsg.Used = ZEM_MDHDR_LENGTH + length;
    pcf->pCfh = reinterpret_cast<ZEM_MQCFH *>(pcf->PcfMsg.pData);
    return pcf;
}

// The same count of structures each case reads, for the rate columns.
inline void CountBytes(benchmark::State &state, std::size_t bytes)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

}  // namespace zembench

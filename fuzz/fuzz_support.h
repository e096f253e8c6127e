// Shared pieces of the fuzz targets: quiet standard output, per-process scratch files,
// containers that hold exactly the fuzzer's bytes, and a loud failure for broken
// invariants (libFuzzer keeps the input that aborts).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "zemapi.h"

namespace zemfuzz {

// Standard output goes to /dev/null from the first call on: the printers and the dated
// error lines are exercised, not read.
void QuietStdout();

// A file name inside a scratch folder of this process (created on first use), so that
// two fuzzers running side by side never share a file.
std::string ScratchPath(const std::string &name);
std::string ScratchDir();
void WriteFile(const std::string &path, const void *data, std::size_t size);

// A container whose data area holds exactly these bytes (capacity = size, Used set),
// not yet indexed; NULL only when memory runs out. Delete it with DeletePcfMessage.
PcfMessage *ContainerHolding(const void *data, std::size_t size);

// Prints what is broken to standard error and aborts.
[[noreturn]] void Fail(const std::string &what);

// Reads the input front to back: small choices first, the rest as payload.
class Input {
public:
    Input(const uint8_t *data, std::size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    const uint8_t *Rest() const { return data_ + pos_; }
    std::size_t RestSize() const { return size_ - pos_; }

private:
    const uint8_t *data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace zemfuzz

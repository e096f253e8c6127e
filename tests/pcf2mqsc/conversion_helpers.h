// Running PCF-to-MQSC conversions on test messages and reading what they produced.
#pragma once
#include <cstdint>
#include <string>

#include "pcf_builders.h"
#include "zemapi.h"

namespace p2mtest {

// What one zemPcf2Mqsc call reported and wrote.
struct Conversion {
    int32_t compCode = -1;
    int32_t reason = -1;
    int32_t failedParam = -1;
    std::string text;    // the NUL-terminated text in the output area
    int32_t used = 0;    // the output envelope's Used afterwards
    std::string format;  // the output descriptor's Format, 8 characters
};

// A container for the text with `capacity` bytes of data area (at least 1).
zemtest::PcfPtr TextContainer(int32_t capacity);

// Converts the command held by message into a fresh text container of `capacity` bytes.
Conversion Convert(PcfMessage &message, bool splitLines = false, int32_t capacity = 4096);
// The same for raw PCF bytes, placed in a container of exactly their length.
Conversion Convert(const std::string &pcfBytes, bool splitLines = false, int32_t capacity = 4096);
// The same into an existing text container (its capacity and state as they are).
Conversion ConvertInto(PcfMessage &message, PcfMessage &text, bool splitLines);

// Runs the walk and writer directly on bytes; `text` receives what was written.
struct WalkResult {
    int32_t reason = -1;
    int32_t failedParam = -1;
    int32_t length = -1;  // the output descriptor's count afterwards
    std::string text;
};
WalkResult Walk(const std::string &pcfBytes, bool splitLines = false, int32_t capacity = 4096);

// A blank-padded copy of text, width characters wide.
std::string Padded(const std::string &text, std::size_t width);

}  // namespace p2mtest

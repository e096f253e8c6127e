// Byte-by-byte builders of PCF messages and structures for the tests, independent of the
// library: integers are written in either byte order, text in ASCII or EBCDIC (CCSID 500
// for the characters below), lengths are computed here and padding is zero. Builders of
// lying structures take every word explicitly (Words).
//
//   std::string msg = PcfBytes(ByteOrder::kSwapped, Text::kEbcdic)
//                         .Cfh(ZEM_MQCFT_RESPONSE, 13, 2).Cfin(1, 5).Cfst(2015, "QM1").bytes();
#pragma once
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "zemapi.h"

namespace zemtest {

enum class ByteOrder { kNative, kSwapped };
enum class Text { kAscii, kEbcdic };

class PcfBytes {
public:
    explicit PcfBytes(ByteOrder order = ByteOrder::kNative, Text text = Text::kAscii);

    // Raw pieces.
    PcfBytes &Int32(int32_t value);
    PcfBytes &Int64(int64_t value);
    PcfBytes &Words(std::initializer_list<int32_t> words);
    PcfBytes &Chars(const std::string &text);  // in the builder's text encoding
    PcfBytes &Raw(const std::string &bytes);   // as they are
    PcfBytes &Pad4();                          // zero bytes up to a multiple of 4
    PcfBytes &Append(const PcfBytes &other) { return Raw(other.bytes()); }

    // Well-formed structures; StrucLength, counts and lengths follow from the values.
    PcfBytes &Cfh(int32_t type, int32_t command, int32_t parameterCount, int32_t version = 1, int32_t compCode = 0,
                  int32_t reason = 0, int32_t control = 1, int32_t msgSeqNumber = 1);
    PcfBytes &Cfin(int32_t parameter, int32_t value);
    PcfBytes &Cfst(int32_t parameter, const std::string &text, int32_t ccsid = 0);
    PcfBytes &Cfil(int32_t parameter, const std::vector<int32_t> &values);
    PcfBytes &Cfsl(int32_t parameter, const std::vector<std::string> &texts, int32_t stringLength, int32_t ccsid = 0);
    PcfBytes &Cfbs(int32_t parameter, const std::string &bytes);
    PcfBytes &Cfif(int32_t parameter, int32_t op, int32_t value);
    PcfBytes &Cfsf(int32_t parameter, int32_t op, const std::string &text, int32_t ccsid = 0);
    PcfBytes &Cfbf(int32_t parameter, int32_t op, const std::string &bytes);
    PcfBytes &Cfgr(int32_t parameter, int32_t memberCount);  // the members follow
    PcfBytes &Cfin64(int32_t parameter, int64_t value);
    PcfBytes &Cfil64(int32_t parameter, const std::vector<int64_t> &values);
    PcfBytes &Excfbl(int32_t parameter, const std::vector<std::string> &entries, int32_t stringLength);
    // Type 998: `message` holds the embedded message's bytes as they should stand.
    PcfBytes &EmbeddedPcf(int32_t parameter, const std::string &message);
    PcfBytes &Binary(int32_t parameter, const std::string &bytes);  // Type 999

    const std::string &bytes() const { return bytes_; }

private:
    PcfBytes &Int(uint64_t bits, int size);
    PcfBytes &Head(int32_t type, std::size_t strucLength);
    // Fixed words, then the data's length, the data and zero padding.
    PcfBytes &Counted(int32_t type, int32_t fixed, std::initializer_list<int32_t> words, const std::string &data);
    PcfBytes &Entries(int32_t type, int32_t parameter, int32_t ccsid, const std::vector<std::string> &entries,
                      int32_t stringLength);
    std::string Encode(const std::string &text) const;

    ByteOrder order_;
    Text text_;
    std::string bytes_;
};

// The bundled sample samples/pcf/inquire-q-response.pcf (native order, ASCII) and, in the
// other order and EBCDIC, samples/pcf/peer-inquire-q-response.pcf: a queue manager's answer
// to an inquiry about one queue, with strings, integers, lists, a byte string, 64-bit
// values and a group.
std::string SampleQueueResponse(ByteOrder order, Text text);

// A response to MQCMD_INQUIRE_Q (13) holding `count` integers, Parameter i = 1 .. count
// with the value i * factor: long messages for the 149-parameter index limit.
std::string IntegerResponse(int32_t count, int32_t factor = 1, ByteOrder order = ByteOrder::kNative);

// Padded length: n rounded up to a multiple of 4.
constexpr int32_t Padded(int32_t n) { return (n + 3) / 4 * 4; }

// Native-order words, for structures written word by word (lying ones included).
std::string Words(std::initializer_list<int32_t> words);

// The bytes of a literal, embedded NULs included: Lit("A\0B") is three bytes.
template <std::size_t N> std::string Lit(const char (&text)[N]) { return std::string(text, N - 1); }

// ASCII text in EBCDIC (CCSID 500) for letters, digits, blank and common punctuation.
std::string ToEbcdic(const std::string &ascii);

// Exact-size heap copies, so that AddressSanitizer sees any read past the end.
std::vector<unsigned char> ExactBytes(const std::string &bytes);

// Owning PcfMessage, deleted with DeletePcfMessage.
struct PcfDeleter {
    void operator()(PcfMessage *pcf) const;
};
using PcfPtr = std::unique_ptr<PcfMessage, PcfDeleter>;

// A container whose data area holds exactly these bytes (capacity = length, Used set),
// not yet indexed.
PcfPtr ContainerHolding(const std::string &bytes);

// An owning envelope holding exactly these bytes (capacity = length); DeleteMessage it.
MESSAGE EnvelopeHolding(const std::string &bytes);

// The data bytes of an envelope (Used - 136 of them) or of a container.
std::string DataOf(const MESSAGE &msg);
std::string DataOf(const PcfMessage &pcf);

// The bytes an attribute view points at.
std::string ViewBytes(const MESSAGE &view);

// Dated output made comparable: every ctime date ("Wed Jan  3 10:00:00 2024") becomes
// "DATE", the "hh:mm:ss " that starts a line (or the text) "TT:TT:TT " and every
// "pMsg 7f.. hex" / "pBuf 7f.. hex" address "ADDR".
std::string MaskClocks(const std::string &text);

}  // namespace zemtest

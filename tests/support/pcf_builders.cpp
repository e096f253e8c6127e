#include "pcf_builders.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <regex>
#include <stdexcept>

namespace zemtest {
namespace {

// CCSID 500 codes of the printable ASCII characters 0x20 to 0x7E (the vertical bar as the
// library's tables have it, 0x6A).
constexpr unsigned char kEbcdic[95] = {
    0x40, 0x4F, 0x7F, 0x7B, 0x5B, 0x6C, 0x50, 0x7D, 0x4D, 0x5D, 0x5C, 0x4E, 0x6B, 0x60, 0x4B, 0x61,  // ' ' .. '/'
    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9,                                      // '0' .. '9'
    0x7A, 0x5E, 0x4C, 0x7E, 0x6E, 0x6F, 0x7C,                                                        // ':' .. '@'
    0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xD1, 0xD2, 0xD3, 0xD4,                    // 'A' .. 'M'
    0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9,                    // 'N' .. 'Z'
    0x4A, 0xE0, 0x5A, 0x5F, 0x6D, 0x79,                                                              // '[' .. '`'
    0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x91, 0x92, 0x93, 0x94,                    // 'a' .. 'm'
    0x95, 0x96, 0x97, 0x98, 0x99, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9,                    // 'n' .. 'z'
    0xC0, 0x6A, 0xD0, 0xA1,                                                                          // '{' .. '~'
};

bool HostIsLittleEndian()
{
    const uint16_t probe = 1;
    unsigned char first = 0;
    std::memcpy(&first, &probe, 1);
    return first == 1;
}

// text cut or filled up to width.
std::string Fitted(const std::string &text, int32_t width, char fill)
{
    auto size = static_cast<std::size_t>(width);
    return text.substr(0, size) + std::string(size - std::min(text.size(), size), fill);
}

}  // namespace

std::string ToEbcdic(const std::string &ascii)
{
    std::string out;
    for (unsigned char c : ascii) {
        if (c == 0)
            out += '\0';
        else if (c >= 0x20 && c <= 0x7E)
            out += static_cast<char>(kEbcdic[c - 0x20]);
        else
            throw std::invalid_argument("ToEbcdic: no EBCDIC code for this character in the builders");
    }
    return out;
}

PcfBytes::PcfBytes(ByteOrder order, Text text) : order_(order), text_(text) {}

PcfBytes &PcfBytes::Int(uint64_t bits, int size)
{
    // Written least significant byte first for little-endian order, most first otherwise.
    bool little = HostIsLittleEndian() == (order_ == ByteOrder::kNative);
    for (int i = 0; i < size; ++i)
        bytes_ += static_cast<char>((bits >> (8 * (little ? i : size - 1 - i))) & 0xFF);
    return *this;
}

PcfBytes &PcfBytes::Int32(int32_t value) { return Int(static_cast<uint32_t>(value), 4); }
PcfBytes &PcfBytes::Int64(int64_t value) { return Int(static_cast<uint64_t>(value), 8); }

PcfBytes &PcfBytes::Words(std::initializer_list<int32_t> words)
{
    for (int32_t word : words)
        Int32(word);
    return *this;
}

std::string PcfBytes::Encode(const std::string &text) const { return text_ == Text::kEbcdic ? ToEbcdic(text) : text; }

PcfBytes &PcfBytes::Chars(const std::string &text)
{
    bytes_ += Encode(text);
    return *this;
}

PcfBytes &PcfBytes::Raw(const std::string &bytes)
{
    bytes_ += bytes;
    return *this;
}

PcfBytes &PcfBytes::Pad4()
{
    while (bytes_.size() % 4)
        bytes_ += '\0';
    return *this;
}

PcfBytes &PcfBytes::Head(int32_t type, std::size_t strucLength)
{
    return Int32(type).Int32(static_cast<int32_t>(strucLength));
}

PcfBytes &PcfBytes::Cfh(int32_t type, int32_t command, int32_t parameterCount, int32_t version, int32_t compCode,
                        int32_t reason, int32_t control, int32_t msgSeqNumber)
{
    return Head(type, 36).Words({version, command, msgSeqNumber, control, compCode, reason, parameterCount});
}

PcfBytes &PcfBytes::Counted(int32_t type, int32_t fixed, std::initializer_list<int32_t> words, const std::string &data)
{
    auto n = static_cast<int32_t>(data.size());
    return Head(type, Padded(fixed + n)).Words(words).Int32(n).Raw(data).Pad4();
}

PcfBytes &PcfBytes::Cfst(int32_t parameter, const std::string &text, int32_t ccsid)
{
    return Counted(4, 20, {parameter, ccsid}, Encode(text));
}

PcfBytes &PcfBytes::Cfbs(int32_t parameter, const std::string &bytes) { return Counted(9, 16, {parameter}, bytes); }

PcfBytes &PcfBytes::Cfsf(int32_t parameter, int32_t op, const std::string &text, int32_t ccsid)
{
    return Counted(14, 24, {parameter, op, ccsid}, Encode(text));
}

PcfBytes &PcfBytes::Cfbf(int32_t parameter, int32_t op, const std::string &bytes) { return Counted(15, 20, {parameter, op}, bytes); }

PcfBytes &PcfBytes::EmbeddedPcf(int32_t parameter, const std::string &message)
{
    return Counted(998, 20, {parameter, 0}, message);
}

PcfBytes &PcfBytes::Binary(int32_t parameter, const std::string &bytes) { return Counted(999, 20, {parameter, 0}, bytes); }

PcfBytes &PcfBytes::Cfil(int32_t parameter, const std::vector<int32_t> &values)
{
    Head(5, 16 + 4 * values.size()).Words({parameter, static_cast<int32_t>(values.size())});
    for (int32_t value : values)
        Int32(value);
    return *this;
}

PcfBytes &PcfBytes::Cfil64(int32_t parameter, const std::vector<int64_t> &values)
{
    Head(25, 16 + 8 * values.size()).Words({parameter, static_cast<int32_t>(values.size())});
    for (int64_t value : values)
        Int64(value);
    return *this;
}

// The string list (6) holds text filled with blanks, the byte-string list (997) bytes filled with NULs.
PcfBytes &PcfBytes::Entries(int32_t type, int32_t parameter, int32_t ccsid, const std::vector<std::string> &entries,
                            int32_t stringLength)
{
    auto n = static_cast<int32_t>(entries.size());
    Head(type, Padded(24 + n * stringLength)).Words({parameter, ccsid, n, stringLength});
    for (const auto &entry : entries) {
        std::string fitted = Fitted(entry, stringLength, type == 6 ? ' ' : '\0');
        Raw(type == 6 ? Encode(fitted) : fitted);
    }
    return Pad4();
}

PcfBytes &PcfBytes::Cfsl(int32_t parameter, const std::vector<std::string> &texts, int32_t stringLength,
                         int32_t ccsid)
{
    return Entries(6, parameter, ccsid, texts, stringLength);
}

PcfBytes &PcfBytes::Excfbl(int32_t parameter, const std::vector<std::string> &entries, int32_t stringLength)
{
    return Entries(997, parameter, 0, entries, stringLength);
}

PcfBytes &PcfBytes::Cfin(int32_t parameter, int32_t value) { return Head(3, 16).Words({parameter, value}); }

PcfBytes &PcfBytes::Cfif(int32_t parameter, int32_t op, int32_t value) { return Head(13, 20).Words({parameter, op, value}); }

PcfBytes &PcfBytes::Cfgr(int32_t parameter, int32_t memberCount) { return Head(20, 16).Words({parameter, memberCount}); }

PcfBytes &PcfBytes::Cfin64(int32_t parameter, int64_t value) { return Head(23, 24).Words({parameter, 0}).Int64(value); }

std::string SampleQueueResponse(ByteOrder order, Text text)
{
    auto padded = [](const std::string &value, std::size_t width) { return value + std::string(width - value.size(), ' '); };
    return PcfBytes(order, text)
        .Cfh(ZEM_MQCFT_RESPONSE, 13 /* MQCMD_INQUIRE_Q */, 12, 2 /* it holds an MQCFBS */)
        .Cfst(2016 /* MQCA_Q_NAME */, padded("APP.REQUEST.QUEUE", 48))
        .Cfin(20 /* MQIA_Q_TYPE */, 1 /* MQQT_LOCAL */)
        .Cfin(3 /* MQIA_CURRENT_Q_DEPTH */, 42)
        .Cfin(15 /* MQIA_MAX_Q_DEPTH */, 5000)
        .Cfst(2013 /* MQCA_Q_DESC */, padded("Requests from the web tier", 64))
        .Cfst(2027 /* MQCA_ALTERATION_DATE */, "2024-03-18")
        .Cfst(2028 /* MQCA_ALTERATION_TIME */, "14.22.05")
        .Cfsl(3011 /* MQCACF_Q_NAMES */, {"APP.REPLY.QUEUE", "APP.ERROR.QUEUE"}, 48)
        .Cfil(1002 /* MQIACF_Q_ATTRS */, {2016, 3, 15})
        .Cfbs(7006 /* MQBACF_CONNECTION_ID */, Lit("AMQCQM1 \x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\xFC\xFD\xFE\xFF"))
        .Cfin64(746 /* MQIAMO64_BYTES */, 123456789012)
        .Cfgr(8011 /* MQGACF_Q_STATISTICS_DATA */, 2)
        .Cfil64(745 /* MQIAMO64_BROWSE_BYTES */, {1, int64_t{1} << 40})
        .Cfst(2016 /* MQCA_Q_NAME */, padded("APP.REQUEST.QUEUE", 48))
        .bytes();
}

std::string Words(std::initializer_list<int32_t> words) { return PcfBytes().Words(words).bytes(); }

std::string IntegerResponse(int32_t count, int32_t factor, ByteOrder order)
{
    PcfBytes message(order);
    message.Cfh(ZEM_MQCFT_RESPONSE, 13 /* MQCMD_INQUIRE_Q */, count);
    for (int32_t i = 1; i <= count; ++i)
        message.Cfin(i, i * factor);
    return message.bytes();
}

std::vector<unsigned char> ExactBytes(const std::string &bytes) { return {bytes.begin(), bytes.end()}; }

void PcfDeleter::operator()(PcfMessage *pcf) const { DeletePcfMessage(pcf); }

// Copies bytes into an envelope sized for them and marks them used.
static void Hold(MESSAGE &msg, const std::string &bytes)
{
    if (!bytes.empty())
        std::memcpy(msg.pData, bytes.data(), bytes.size());
    msg.Used = ZEM_MDHDR_LENGTH + static_cast<int32_t>(bytes.size());
}

PcfPtr ContainerHolding(const std::string &bytes)
{
    PcfPtr pcf(CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 0));
    if (!pcf || !SizeMessage(&pcf->PcfMsg, static_cast<int32_t>(bytes.size())))
        throw std::runtime_error("cannot size a container");
    Hold(pcf->PcfMsg, bytes);
    pcf->pCfh = reinterpret_cast<ZEM_MQCFH *>(pcf->PcfMsg.pData);
    return pcf;
}

MESSAGE EnvelopeHolding(const std::string &bytes)
{
    MESSAGE msg{};
    if (!CreateMessage(&msg, static_cast<int32_t>(bytes.size())))
        throw std::runtime_error("CreateMessage failed");
    Hold(msg, bytes);
    return msg;
}

std::string DataOf(const MESSAGE &msg)
{
    if (!msg.pData || msg.Used <= ZEM_MDHDR_LENGTH)
        return "";
    return std::string(reinterpret_cast<const char *>(msg.pData), static_cast<std::size_t>(msg.Used - ZEM_MDHDR_LENGTH));
}

std::string DataOf(const PcfMessage &pcf) { return DataOf(pcf.PcfMsg); }

std::string ViewBytes(const MESSAGE &view)
{
    if (!view.pData || view.Used <= 0)
        return "";
    return std::string(reinterpret_cast<const char *>(view.pData), static_cast<std::size_t>(view.Used));
}

std::string MaskClocks(const std::string &text)
{
    static const std::regex date("[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] [0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}");
    static const std::regex time("(^|\n)[0-9]{2}:[0-9]{2}:[0-9]{2} ");
    static const std::regex address("(pMsg|pBuf) [0-9a-f]+ hex");
    std::string masked = std::regex_replace(text, date, "DATE");
    return std::regex_replace(std::regex_replace(masked, time, "$1TT:TT:TT "), address, "$1 ADDR hex");
}

}  // namespace zemtest

// Diagnostic listings of PCF messages on standard output: one block per structure, and a
// raw dump of the whole message when a structure cannot be listed.
#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "foundation/boundary.h"
#include "foundation/platform.h"
#include "pcf/accessors.h"
#include "pcf/container.h"

namespace zem {
namespace {

// Values are shown cut to this many bytes.
constexpr int32_t kValueLimit = 1024;
// The working holder of a listing; GetAttrByPos grows it for a larger structure.
constexpr int32_t kListingHolderSize = 32000;
// Entries of zero length take no room, so a peer's Count alone would bound the listing (up
// to 2^31 lines). No list that fits the listing holder has more entries than this.
constexpr int32_t kMaxListedEntries = kListingHolderSize;
constexpr int32_t kByteStringRow = 12;
constexpr int32_t kByteStringIndent = 24;
constexpr int32_t kByteListRow = 16;
constexpr int32_t kDumpRow = 16;

// The ctime text of now (with its newline), or "Unknown" when the clock cannot be read.
class TimeText {
public:
    TimeText()
    {
        if (!platform::CurrentTimeText(text_))
            std::snprintf(text_, sizeof text_, "Unknown");
    }
    const char *c_str() const { return text_; }

private:
    char text_[26];
};

// A string value as the getter hands it out, at most kValueLimit characters.
class ValueText {
public:
    using Getter = int (*)(MESSAGE *, char *, int32_t);
    ValueText(MESSAGE *attr, Getter get)
    {
        if (!get(attr, text_, kValueLimit))
            text_[0] = '\0';
    }
    const char *c_str() const { return text_; }

private:
    char text_[kValueLimit + 1];
};

void PrintHeaderFields(MESSAGE *, const ZEM_MQCFH &h)
{
    std::printf("->Type(%d), StrucLength(%d), Version(%d), Command(%d = %s)\n", h.Type, h.StrucLength, h.Version,
                h.Command, PcfIdToName(h.Command));
    std::printf("->MsgSeqNum(%d), Control(%d), ParameterCount(%d)\n", h.MsgSeqNumber, h.Control, h.ParameterCount);
    std::printf("->CompCode(%d), Reason(%d)\n", h.CompCode, h.Reason);
}

void PrintIntegerFields(MESSAGE *, const ZEM_MQCFIN &f)
{
    std::printf("->Type(%d), StrucLength(%d), Parameter (%d), Value(%d)\n", f.Type, f.StrucLength, f.Parameter,
                f.Value);
}

void PrintInteger64Fields(MESSAGE *, const ZEM_MQCFIN64 &f)
{
    std::printf("->Type(%d), StrucLength(%d), Parameter (%d), Value(%" ZEM_PRId64 ")\n", f.Type, f.StrucLength,
                f.Parameter, f.Value);
}

void PrintStringFields(MESSAGE *attr, const ZEM_MQCFST &f)
{
    std::printf("->Type(%d), StrucLength(%d), Parameter(%d), CharSet(%d)\n", f.Type, f.StrucLength, f.Parameter,
                f.CodedCharSetId);
    std::printf("->StringLength(%d), String(\"%s\")\n", f.StringLength, ValueText(attr, GetPcfStrAttrValue).c_str());
}

int GetStringFilterText(MESSAGE *attr, char *text, int32_t max)
{
    int32_t op = 0;
    return GetPcfStrFltrAttrValue(attr, text, max, &op);
}

void PrintStringFilterFields(MESSAGE *attr, const ZEM_MQCFSF &f)
{
    std::printf("->Type(%d), StrucLength(%d), Parameter(%d), CharSet(%d), Operator(%d)\n", f.Type, f.StrucLength,
                f.Parameter, f.CodedCharSetId, f.Operator);
    std::printf("->FilterLength(%d), FilterValue(\"%s\")\n", f.FilterValueLength,
                ValueText(attr, GetStringFilterText).c_str());
}

void PrintIntegerFilterFields(MESSAGE *, const ZEM_MQCFIF &f)
{
    std::printf("->Type(%d), StrucLength(%d), Parameter (%d), Operator (%d), Filter Value(%d)\n", f.Type, f.StrucLength,
                f.Parameter, f.Operator, f.FilterValue);
}

// Every list opens with its Count line.
template <class Layout> void PrintCountLine(const Layout &f)
{
    std::printf("->Type(%d), StrucLength(%d), Parameter (%d), Count(%d)\n", f.Type, f.StrucLength, f.Parameter,
                f.Count);
}

// Integer lists print every value followed by ", ", the last one too.
template <class T> struct ValueListPrint {
    const char *opening;
    const char *format;
    int (*get)(MESSAGE *attr, int32_t index, T *value);
};

constexpr ValueListPrint<int32_t> kIntegerList{"->Integer List{", "%" PRId32 ", ", GetPcfIntListAttrValue};
constexpr ValueListPrint<int64_t> kInteger64List{"->64 Bit Integer List{", "%" ZEM_PRId64 ", ",
                                                 GetPcfInt64ListAttrValue};

template <class T, class Layout, const ValueListPrint<T> &list>
void PrintValueListFields(MESSAGE *attr, const Layout &f)
{
    PrintCountLine(f);
    std::fputs(list.opening, stdout);
    T value = 0;
    for (int32_t i = 0; list.get(attr, i, &value); ++i)
        std::printf(list.format, value);
    std::fputs("};\n", stdout);
}

void PrintStringListFields(MESSAGE *attr, const ZEM_MQCFSL &f)
{
    PrintCountLine(f);
    std::printf("->StringLength(%d), CharSetId(%d)\n", f.StringLength, f.CodedCharSetId);
    std::fputs("->String List\n{\n", stdout);
    char text[kValueLimit + 1];
    for (int32_t i = 0; i < kMaxListedEntries && GetPcfStrListAttrValue(attr, i, text, kValueLimit); ++i)
        std::printf("\t(%d) - \"%s\"\n", i + 1, text);
    std::fputs("};\n", stdout);
}

void PrintByteStringListFields(MESSAGE *attr, const ZEM_EXCFBL &f)
{
    PrintCountLine(f);
    std::printf("->StringLength(%d)\n", f.StringLength);
    std::fputs("->String List\n{\n", stdout);
    unsigned char bytes[kValueLimit];
    for (int32_t i = 0; i < kMaxListedEntries && GetPcfByteStrListAttrValue(attr, i, bytes, kValueLimit); ++i) {
        char prefix[32];
        const int prefixLength = std::snprintf(prefix, sizeof prefix, "    (%d) - ", i + 1);
        const std::string blanks(static_cast<std::size_t>(prefixLength), ' ');
        PrintFormattedHexData(bytes, std::min(f.StringLength, kValueLimit), kByteListRow, "", prefix, blanks.c_str(), 0,
                              stdout);
    }
    std::fputs("};\n", stdout);
}

void PrintByteStringFields(MESSAGE *attr, const ZEM_MQCFBS &f)
{
    std::printf("->Type(%d), StrucLength(%d), Parameter(%d)\n", f.Type, f.StrucLength, f.Parameter);
    unsigned char bytes[kValueLimit] = {};
    int32_t obtained = kValueLimit;
    GetPcfByteStrAttrValue(attr, bytes, &obtained);
    const int32_t shown = std::min(f.StringLength, kValueLimit);
    std::printf("->ByteString, size(%d): ", shown);
    PrintHexFile(stdout, bytes, shown, kByteStringRow, kByteStringIndent);
}

// Types 998 and 999 share the MQCFST shape and print their value as hex pairs.
void PrintEmbeddedFields(MESSAGE *attr, const ZEM_MQCFST &f)
{
    std::printf("->Type(%d), StrucLength(%d), Parameter(%d), CharSet(%d)\n", f.Type, f.StrucLength, f.Parameter,
                f.CodedCharSetId);
    std::printf("->StringLength(%d)", f.StringLength);
    std::fputs(" BinaryValue(\"", stdout);
    unsigned char bytes[kValueLimit];
    int32_t obtained = kValueLimit;
    if (!GetPcfBinAttrValue(attr, bytes, &obtained))
        obtained = 0;
    const int32_t shown = std::min(f.StringLength, obtained);
    for (int32_t i = 0; i < shown; ++i)
        std::printf("%02X", bytes[i]);
    std::fputs("\")\n", stdout);
}

void PrintGroupFields(MESSAGE *, const ZEM_MQCFGR &f)
{
    std::printf("->Type(%d), StrucLength(%d), Parameter(%d), ParameterCount(%d)\n", f.Type, f.StrucLength, f.Parameter,
                f.ParameterCount);
}

// The fields of a structure, read through the C layout that its printer takes.
template <class Print> struct LayoutOf;
template <class Layout> struct LayoutOf<void (*)(MESSAGE *, const Layout &)> {
    using type = Layout;
};
template <auto print> void Fields(MESSAGE *attr, const Structure &s)
{
    print(attr, s.as<typename LayoutOf<decltype(print)>::type>());
}

struct PrintRule {
    int32_t type;
    const char *title;
    void (*fields)(MESSAGE *attr, const Structure &structure);
};

constexpr PrintRule kHeaderRule{0, "PCF Header (MQCFH):\n", Fields<PrintHeaderFields>};
constexpr PrintRule kPrintRules[] = {
    {ZEM_MQCFT_INTEGER, "PCF Integer (MQCFIN):\n", Fields<PrintIntegerFields>},
    {ZEM_MQCFT_STRING, "PCF String (MQCFST):\n", Fields<PrintStringFields>},
    {ZEM_MQCFT_INTEGER_LIST, "PCF Integer List (MQCFIL):\n",
     Fields<PrintValueListFields<int32_t, ZEM_MQCFIL, kIntegerList>>},
    {ZEM_MQCFT_STRING_LIST, "PCF String List (MQCFSL):\n", Fields<PrintStringListFields>},
    {ZEM_MQCFT_BYTE_STRING, "PCF ByteString (MQCFBS):\n", Fields<PrintByteStringFields>},
    {ZEM_MQCFT_INTEGER_FILTER, "PCF Integer Filter (MQCFIF):\n", Fields<PrintIntegerFilterFields>},
    {ZEM_MQCFT_STRING_FILTER, "PCF String Filter (MQCFSF):\n", Fields<PrintStringFilterFields>},
    {ZEM_MQCFT_GROUP, "PCF Group (MQCFGR):\n", Fields<PrintGroupFields>},
    {ZEM_MQCFT_INTEGER64, "PCF 64-Bit Integer (MQCFIN64):\n", Fields<PrintInteger64Fields>},
    {ZEM_MQCFT_INTEGER64_LIST, "PCF 64-Bit Integer List (MQCFIL64):\n",
     Fields<PrintValueListFields<int64_t, ZEM_MQCFIL64, kInteger64List>>},
    {ZEM_EXCFT_BYTE_STRING_LIST, "PCF ByteString List (EXCFBL):\n", Fields<PrintByteStringListFields>},
    {ZEM_EXCFT_PCF, "E-PCF PCF (MQCFST):\n", Fields<PrintEmbeddedFields>},
    {ZEM_EXCFT_BINARY, "E-PCF Binary (MQCFST):\n", Fields<PrintEmbeddedFields>},
};

const PrintRule *FindPrintRule(int32_t type)
{
    if (IsHeaderType(type))
        return &kHeaderRule;
    for (const auto &rule : kPrintRules)
        if (rule.type == type)
            return &rule;
    return nullptr;
}

void PrintUnprintable(int32_t type) { std::printf("UNKNOWN PCF Attribute(%d): unable to print\n", type); }

// Lists the one structure in attr (a group's header only). A structure whose length
// words do not fit its own bytes is as unprintable as an unknown type.
bool PrintStructure(MESSAGE *attr)
{
    const int32_t type = GetPcfAttrType(attr);
    const PrintRule *rule = FindPrintRule(type);
    auto structure = ValidStructure(attr);
    if (!rule || !structure) {
        PrintUnprintable(type);
        return false;
    }
    std::fputs(rule->title, stdout);
    rule->fields(attr, *structure);
    return true;
}

// Lists the members of the group in attr, and of the groups among them, in the order
// they stand. The walk keeps its own stack (no recursion, whatever the nesting depth)
// and looks at each member through a view of the group's bytes. A member whose length
// words leave the group's bytes ends the listing: nothing after it can be located.
bool PrintGroupMembers(MESSAGE *attr)
{
    struct Level {
        int32_t count;
        int32_t next;
    };
    const PcfCursor bytes = EnvelopeBytes(*attr);
    std::vector<Level> levels{{ValidStructure(attr)->word(kGroupCountOffset), 0}};
    int64_t offset = ZEM_MQCFGR_LENGTH;
    while (!levels.empty()) {
        Level &level = levels.back();
        if (level.next >= level.count) {
            levels.pop_back();
            continue;
        }
        std::printf("\n->PCF Group Parameter %d:", level.next++);
        std::fputs("\n", stdout);
        StructHead head;
        if (!ReadStructHead(bytes, offset, head) || head.strucLength < kStructHeadLength ||
            !bytes.Fits(offset, head.strucLength)) {
            PrintUnprintable(head.type);
            return false;
        }
        MESSAGE member{};
        SetView(member, bytes.data() + offset, head.strucLength);
        if (PrintStructure(&member) && head.type == ZEM_MQCFT_GROUP) {
            levels.push_back({ValidStructure(&member)->word(kGroupCountOffset), 0});
            offset += head.strucLength;
            continue;
        }
        int64_t end = 0;
        if (FindSubtreeEnd(bytes, offset, end) != SubtreeWalk::kComplete)
            return false;
        offset = end;
    }
    return true;
}

int PrintAttr(MESSAGE *attr)
{
    std::fputs("\n", stdout);
    if (!PrintStructure(attr))
        return 0;
    if (GetPcfAttrType(attr) == ZEM_MQCFT_GROUP)
        return PrintGroupMembers(attr) ? 1 : 0;
    return 1;
}

int PrintExtension(MSHDRE *ext)
{
    if (!ext)
        return 0;
    std::fputs("\nPCF Header Extension (MSHDRE):\n", stdout);
    std::printf(
        "->StrucLength(%d), Version(%d),\n->Encoding(%d), CharSet(%d),\n->UserMsgLength(%d), "
        "Author(\"%.*s\")\n",
        ext->StrucLength, ext->Version, ext->Encoding, ext->CharSet, ext->UserMsgLength,
        static_cast<int>(sizeof ext->Author), ext->Author);
    return 1;
}

int DumpHex(const void *buffer, int32_t length)
{
    std::printf("\n%s DumpHexMessage: pBuf %" PRIxPTR " hex, Length=%d...\n", TimeText().c_str(),
                reinterpret_cast<uintptr_t>(buffer), length);
    const auto *bytes = static_cast<const unsigned char *>(buffer);
    for (int32_t i = 0; bytes && i < length; ++i) {
        if (i % kDumpRow == 0)
            std::printf("%08X ", static_cast<unsigned>(i));
        std::printf("%02X ", bytes[i]);
        if (i % kDumpRow == kDumpRow - 1) {
            for (int32_t j = i - (kDumpRow - 1); j <= i; ++j)
                std::putchar(bytes[j] > ' ' && bytes[j] < 0x7F ? bytes[j] : '.');
            std::fputs("\n", stdout);
        }
    }
    return std::fflush(stdout);
}

void DumpHeaderFields(const PcfCursor &message, int32_t length)
{
    if (!message.Fits(0, ZEM_MQCFH_LENGTH)) {
        std::printf("PCF MQCFH Header length = %d\n", length);
        std::fputs("PCF Message Header (MQCFH) is too short or empty!\n", stdout);
        return;
    }
    const auto h = Structure(message.Window(0, ZEM_MQCFH_LENGTH)).as<ZEM_MQCFH>();
    std::fputs("\nPCF Header (MQCFH):\n", stdout);
    std::printf("->Type(%d), StrucLength(%d), Version(%d),\n->Command(%d=%s),\n", h.Type, h.StrucLength, h.Version,
                h.Command, PcfIdToName(h.Command));
    std::printf("MsgSeqNum(%d), Control(%d),\n->ParameterCount(%d)\n", h.MsgSeqNumber, h.Control, h.ParameterCount);
    std::printf("CompCode(%d), Reason(%d)\n", h.CompCode, h.Reason);
}

int DumpMessage(PcfMessage *pcf)
{
    std::fputs("\n--------Begin: PCF MESSAGE DUMP---------------\n", stdout);
    char replyToQMgr[sizeof pcf->PcfMsg.MsgDesc.ReplyToQMgr + 1] = {};
    std::memcpy(replyToQMgr, pcf->PcfMsg.MsgDesc.ReplyToQMgr, sizeof pcf->PcfMsg.MsgDesc.ReplyToQMgr);
    strip_spaces(replyToQMgr);
    const int32_t length = pcf->PcfMsg.Used - kHeaderLength;
    std::printf("\n%s DumpPcfMessage: pMsg %" PRIxPTR
                " hex, lMsgLength=%d, lMsgLen(w/o hdr of %d)=%d...\n "
                "pMsg->PcfMsg.MsgDesc.ReplyToQMgr <%s>\n",
                TimeText().c_str(), reinterpret_cast<uintptr_t>(pcf->pCfh), pcf->PcfMsg.Used, kHeaderLength, length,
                replyToQMgr);
    // Only the used bytes that lie inside the data area are shown.
    const PcfCursor message = MessageBytes(*pcf);
    DumpHeaderFields(message, length);
    DumpHex(message.data(), static_cast<int32_t>(message.length()));
    std::fputs("\n----------End: PCF MESSAGE DUMP---------------", stdout);
    std::fputs("\n\n", stdout);
    std::fflush(stdout);
    return 1;
}

int PrintMessage(PcfMessage *pcf)
{
    MESSAGE holder{};
    if (!pcf || !CreateMessage(&holder, kListingHolderSize))
        return 0;
    // Released however the listing ends, a failed allocation included.
    std::unique_ptr<MESSAGE, decltype(&DeleteMessage)> release(&holder, &DeleteMessage);
    std::printf("\nDate: %s", TimeText().c_str());
    PrintExtension(&pcf->PcfExt);
    for (int32_t pos = 0; GetAttrByPos(pos, &holder, pcf); ++pos) {
        // The listing is of the whole message: its MQCFH counts the continuations too.
        if (pos == 0 && ContinuationOf(*pcf))
            PcfCursor(holder.pData, ZEM_MQCFH_LENGTH)
                .Write32(kHeaderCountOffset, static_cast<int32_t>(TotalParameterCount(*pcf)));
        if (!PrintAttr(&holder)) {
            DumpMessage(pcf);
            break;
        }
    }
    std::fflush(stdout);
    return 1;
}

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) PrintPcfMessage(PcfMessage *pcf)
{
    return AtCBoundary([&] { return PrintMessage(pcf); }, [] { return 0; });
}
ZEMAPI(int) PrintPcfAttr(MESSAGE *attr)
{
    return AtCBoundary([&] { return attr ? PrintAttr(attr) : 0; }, [] { return 0; });
}
ZEMAPI(int) PrintPcfExt(MSHDRE *ext) { return PrintExtension(ext); }
ZEMAPI(int) DumpPcfMessage(PcfMessage *pcf) { return pcf ? DumpMessage(pcf) : 0; }
ZEMAPI(int) DumpHexMessage(const void *buffer, int32_t length) { return DumpHex(buffer, length); }

}  // extern "C"

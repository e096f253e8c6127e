// Field-by-field printers of MQ structures, driven by one field table per structure.
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "zemapi.h"

namespace zem {
namespace {

enum class Shape { Text, Number, Named, Pointer, Bytes };

using Namer = const char *(*)(int32_t value, char *text);

struct Field {
    std::size_t offset;
    const char *name;
    std::size_t width;
    Shape shape;
    Namer namer;
};

// Offset, name and width of a structure member, for the tables.
#define ZEM_FIELD(Struct, Member) offsetof(Struct, Member), #Member, sizeof(Struct::Member)

const char *NameMsgType(int32_t value, char *text) { return MsgType(value, text); }
const char *NameFeedback(int32_t value, char *text) { return Feedback(value, text); }
const char *NamePersistence(int32_t value, char *text) { return PersistanceType(value, text); }
const char *NamePutApplType(int32_t value, char *text) { return PutApplType(value, text); }
const char *NameObjectType(int32_t value, char *text) { return MqObjTypeStr(value, text); }

const Field kMdFields[] = {
    {ZEM_FIELD(ZEM_MQMD, StrucId), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQMD, Version), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQMD, Report), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQMD, MsgType), Shape::Named, NameMsgType},
    {ZEM_FIELD(ZEM_MQMD, Expiry), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQMD, Feedback), Shape::Named, NameFeedback},
    {ZEM_FIELD(ZEM_MQMD, Encoding), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQMD, CodedCharSetId), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQMD, Format), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQMD, Priority), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQMD, Persistence), Shape::Named, NamePersistence},
    {ZEM_FIELD(ZEM_MQMD, MsgId), Shape::Bytes, nullptr},
    {ZEM_FIELD(ZEM_MQMD, CorrelId), Shape::Bytes, nullptr},
    {ZEM_FIELD(ZEM_MQMD, BackoutCount), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQMD, ReplyToQ), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQMD, ReplyToQMgr), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQMD, UserIdentifier), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQMD, AccountingToken), Shape::Bytes, nullptr},
    {ZEM_FIELD(ZEM_MQMD, ApplIdentityData), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQMD, PutApplType), Shape::Named, NamePutApplType},
    {ZEM_FIELD(ZEM_MQMD, PutApplName), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQMD, PutDate), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQMD, PutTime), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQMD, ApplOriginData), Shape::Text, nullptr},
};

const Field kOdFields[] = {
    {ZEM_FIELD(ZEM_MQOD, StrucId), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQOD, Version), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQOD, ObjectType), Shape::Named, NameObjectType},
    {ZEM_FIELD(ZEM_MQOD, ObjectName), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQOD, ObjectQMgrName), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQOD, DynamicQName), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQOD, ResolvedQName), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQOD, ResolvedQMgrName), Shape::Text, nullptr},
};

const Field kPmoFields[] = {
    {ZEM_FIELD(ZEM_MQPMO, StrucId), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQPMO, Version), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQPMO, Options), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQPMO, Context), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQPMO, ResolvedQName), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQPMO, ResolvedQMgrName), Shape::Text, nullptr},
};

const Field kGmoFields[] = {
    {ZEM_FIELD(ZEM_MQGMO, StrucId), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQGMO, Version), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQGMO, Options), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQGMO, WaitInterval), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQGMO, ResolvedQName), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQGMO, ReturnedLength), Shape::Number, nullptr},
};

const Field kAxpFields[] = {
    {ZEM_FIELD(ZEM_MQAXP, StrucId), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQAXP, Version), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQAXP, ExitId), Shape::Named, MapExitId},
    {ZEM_FIELD(ZEM_MQAXP, ExitReason), Shape::Named, MapExitReason},
    {ZEM_FIELD(ZEM_MQAXP, ExitResponse), Shape::Named, MapExitResponse},
    {ZEM_FIELD(ZEM_MQAXP, ExitResponse2), Shape::Named, MapExitResponse2},
    {ZEM_FIELD(ZEM_MQAXP, Feedback), Shape::Named, NameFeedback},
    {ZEM_FIELD(ZEM_MQAXP, APICallerType), Shape::Named, APICallerType},
    {ZEM_FIELD(ZEM_MQAXP, ExitUserArea), Shape::Bytes, nullptr},
    {ZEM_FIELD(ZEM_MQAXP, ExitData), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQAXP, ExitInfoName), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQAXP, ExitPDArea), Shape::Bytes, nullptr},
    {ZEM_FIELD(ZEM_MQAXP, QMgrName), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQAXP, ExitChainAreaPtr), Shape::Pointer, nullptr},
    {ZEM_FIELD(ZEM_MQAXP, Hconfig), Shape::Pointer, nullptr},
    {ZEM_FIELD(ZEM_MQAXP, Function), Shape::Named, MapFunctionId},
};

const Field kAxcFields[] = {
    {ZEM_FIELD(ZEM_MQAXC, StrucId), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQAXC, Version), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQAXC, Environment), Shape::Named, MapEnvironment},
    {ZEM_FIELD(ZEM_MQAXC, UserId), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQAXC, SecurityId), Shape::Bytes, nullptr},
    {ZEM_FIELD(ZEM_MQAXC, ConnectionName), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQAXC, LongMCAUserIdLength), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQAXC, LongRemoteUserIdLength), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQAXC, LongMCAUserIdPtr), Shape::Pointer, nullptr},
    {ZEM_FIELD(ZEM_MQAXC, LongRemoteUserIdPtr), Shape::Pointer, nullptr},
    {ZEM_FIELD(ZEM_MQAXC, ApplName), Shape::Text, nullptr},
    {ZEM_FIELD(ZEM_MQAXC, ApplType), Shape::Named, NamePutApplType},
    {ZEM_FIELD(ZEM_MQAXC, ProcessId), Shape::Number, nullptr},
    {ZEM_FIELD(ZEM_MQAXC, ThreadId), Shape::Number, nullptr},
};

#undef ZEM_FIELD

// The longest text field is MQAXC's ConnectionName.
constexpr std::size_t kLongestText = sizeof(ZEM_MQAXC{}.ConnectionName);
// Bytes fields print only when one of their first 8 bytes is set.
constexpr std::size_t kBytesTested = 8;
constexpr int32_t kBytesPerRow = 8;
constexpr int32_t kLabelWidth = 40;

void PrintField(FILE *stream, const unsigned char *structure, const Field &field)
{
    const unsigned char *at = structure + field.offset;
    std::fprintf(stream, "     [%04X]  %-24s - ", static_cast<unsigned>(field.offset), field.name);
    switch (field.shape) {
    case Shape::Text: {
        char text[kLongestText + 1] = {};
        std::memcpy(text, at, field.width < kLongestText ? field.width : kLongestText);
        std::fprintf(stream, "%s\n", text);
        break;
    }
    case Shape::Number:
    case Shape::Named: {
        int32_t value;
        std::memcpy(&value, at, sizeof value);
        if (field.shape == Shape::Number) {
            std::fprintf(stream, "%-10d  (0x%08X)\n", static_cast<int>(value), static_cast<unsigned>(value));
        } else {
            char name[ZEM_NAME_SIZE];
            std::fprintf(stream, "%-10d  (%s)\n", static_cast<int>(value), field.namer(value, name));
        }
        break;
    }
    case Shape::Pointer: {
        void *pointer;
        std::memcpy(&pointer, at, sizeof pointer);
        std::fprintf(stream, "%p\n", pointer);
        break;
    }
    case Shape::Bytes: {
        static const unsigned char kZero[kBytesTested] = {};
        std::size_t tested = field.width < kBytesTested ? field.width : kBytesTested;
        if (std::memcmp(at, kZero, tested) == 0)
            std::fputs("\n", stream);
        else
            PrintHexFile(stream, at, static_cast<int32_t>(field.width), kBytesPerRow, kLabelWidth);
        break;
    }
    }
}

template <std::size_t Count>
int PrintStructure(FILE *stream, const void *structure, const char *tag, std::size_t size, const Field (&fields)[Count])
{
    if (!stream || !structure)
        return EOF;
    std::fprintf(stream, "\n%s  (size: %d) ->\n", tag, static_cast<int>(size));
    for (const Field &field : fields)
        PrintField(stream, static_cast<const unsigned char *>(structure), field);
    return std::fflush(stream);
}

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) PrintMQOD(const ZEM_MQOD *od, FILE *stream)
{
    return PrintStructure(stream, od, "MQOD", sizeof *od, kOdFields);
}

ZEMAPI(int) PrintMQMD(const ZEM_MQMD *md, FILE *stream)
{
    return PrintStructure(stream, md, "MQMD", sizeof *md, kMdFields);
}

ZEMAPI(int) PrintMQMDFile(FILE *stream, const ZEM_MQMD *md) { return PrintMQMD(md, stream); }

ZEMAPI(int) PrintPMO(FILE *stream, const ZEM_MQPMO *pmo)
{
    return PrintStructure(stream, pmo, "PMO", sizeof *pmo, kPmoFields);
}

ZEMAPI(int) PrintGMO(FILE *stream, const ZEM_MQGMO *gmo)
{
    return PrintStructure(stream, gmo, "GMO", sizeof *gmo, kGmoFields);
}

ZEMAPI(int) PrintMQAxpInfo(FILE *stream, const ZEM_MQAXP *axp)
{
    return PrintStructure(stream, axp, "MQAXP", sizeof *axp, kAxpFields);
}

ZEMAPI(int) PrintMQAxcInfo(FILE *stream, const ZEM_MQAXC *axc)
{
    return PrintStructure(stream, axc, "MQAXC", sizeof *axc, kAxcFields);
}

}  // extern "C"

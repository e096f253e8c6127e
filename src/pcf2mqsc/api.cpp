// The exported entry points of the PCF-to-MQSC direction: argument checks only.
#include <cstring>

#include "foundation/boundary.h"
#include "pcf2mqsc/pcf2mqsc.h"

namespace {

// Converters may be called without a reason variable; theirs then goes nowhere.
int32_t &ReasonOrScratch(int32_t *reason, int32_t &scratch) { return reason ? *reason : scratch; }

// What an entry point gives when memory ran out: reason 5003, as for any text that does
// not fit.
int32_t OutOfMemory(int32_t &reason, int32_t result)
{
    reason = ZEM_P2M_TEXT_TOO_LONG;
    return result;
}

// The structure converters' entry: a NULL structure is reported as one the converter
// cannot handle, with the result the converter gives when it drops a parameter.
template <typename Structure, typename Converter> int32_t ConvertOne(const Structure *structure, char *scratch,
                                                                     int32_t *reason, Converter convert,
                                                                     int32_t resultWithoutStructure)
{
    int32_t reasonScratch = 0;
    int32_t &reasonOut = ReasonOrScratch(reason, reasonScratch);
    if (!structure) {
        reasonOut = ZEM_P2M_BAD_STRUCTURE;
        return resultWithoutStructure;
    }
    return zem::AtCBoundary([&] { return convert(*structure, scratch, reasonOut); },
                            [&] { return OutOfMemory(reasonOut, resultWithoutStructure); });
}

}  // namespace

extern "C" {

ZEMAPI(void) zemPcf2Mqsc(PcfMessage *command, PcfMessage *mqsc, int32_t splitLines, int32_t *compCode, int32_t *reason,
                         int32_t *failedParam)
{
    int32_t compCodeScratch = 0, reasonScratch = 0, failedScratch = 0;
    int32_t &compCodeOut = compCode ? *compCode : compCodeScratch;
    int32_t &reasonOut = ReasonOrScratch(reason, reasonScratch);
    int32_t &failedOut = failedParam ? *failedParam : failedScratch;
    if (!command || !mqsc) {
        compCodeOut = 2;
        reasonOut = ZEM_P2M_BAD_STRUCTURE;
        failedOut = 0;
        return;
    }
    zem::AtCBoundary(
        [&] { zem::ConvertPcfCommandToMqsc(*command, *mqsc, splitLines != 0, compCodeOut, reasonOut, failedOut); },
        [&] {
            compCodeOut = 2;
            OutOfMemory(reasonOut, 0);
        });
}

ZEMAPI(void) PcfToMqsc(PcfDataDesc input, MqscText *output, int32_t splitLines, int32_t *reason, int32_t *failedParam)
{
    int32_t reasonScratch = 0, failedScratch = 0;
    int32_t &reasonOut = ReasonOrScratch(reason, reasonScratch);
    int32_t &failedOut = failedParam ? *failedParam : failedScratch;
    MqscText noOutput{nullptr, 0};
    zem::AtCBoundary(
        [&] { zem::WalkPcfToMqsc(input, output ? *output : noOutput, splitLines != 0, reasonOut, failedOut); },
        [&] { OutOfMemory(reasonOut, 0); });
}

ZEMAPI(int32_t) MqcfhToMqsc(const ZEM_MQCFH *cfh, char *scratch, int32_t *reason)
{
    return ConvertOne(cfh, scratch, reason, zem::CfhToMqsc, 1);
}

ZEMAPI(int32_t) MqcfinToMqsc(const ZEM_MQCFIN *cfin, char *scratch, int32_t *reason)
{
    return ConvertOne(cfin, scratch, reason, zem::CfinToMqsc, 1);
}

ZEMAPI(int32_t) MqcfstToMqsc(const ZEM_MQCFST *cfst, char *scratch, int32_t *reason)
{
    return ConvertOne(cfst, scratch, reason, zem::CfstToMqsc, 1);
}

ZEMAPI(int32_t) StrListToMqsc(const ZEM_MQCFSL *cfsl, char *scratch, int32_t *reason)
{
    return ConvertOne(cfsl, scratch, reason, zem::StrListToMqscImpl, 0);
}

ZEMAPI(int32_t) MqcfslToMqsc(const ZEM_MQCFSL *cfsl, char *scratch, int32_t *reason)
{
    return ConvertOne(cfsl, scratch, reason, zem::CfslToMqsc, 1);
}

ZEMAPI(int32_t) MqcfilToMqsc(const ZEM_MQCFIL *cfil, int32_t *reason)
{
    auto withoutScratch = [](const ZEM_MQCFIL &list, char *, int32_t &out) { return zem::CfilToMqsc(list, out); };
    return ConvertOne(cfil, nullptr, reason, withoutScratch, 1);
}

ZEMAPI(int32_t) EmitMqscMsg(int32_t command, MqscText *output, int32_t splitLines, int32_t *reason)
{
    int32_t reasonScratch = 0;
    int32_t &reasonOut = ReasonOrScratch(reason, reasonScratch);
    MqscText noOutput{nullptr, 0};
    return zem::AtCBoundary(
        [&] { return zem::EmitMqsc(command, output ? *output : noOutput, splitLines != 0, reasonOut); },
        [&] { return OutOfMemory(reasonOut, 0); });
}

ZEMAPI(char *) ConvertOpStr(int32_t op, char *text)
{
    if (text)
        std::strcpy(text, zem::FilterOperatorWord(op));
    return text;
}

}  // extern "C"

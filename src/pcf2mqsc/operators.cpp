// MQSC words of the PCF filter operators.
#include "foundation/mq_constants.h"
#include "pcf2mqsc/pcf2mqsc.h"

namespace zem {
namespace {

struct OperatorWord {
    int32_t op;
    const char *word;
};

constexpr OperatorWord kOperatorWords[] = {
    {mq::MQCFOP_LESS, "LT "},     {mq::MQCFOP_EQUAL, "EQ "},         {mq::MQCFOP_NOT_GREATER, "LE "},
    {mq::MQCFOP_GREATER, "GT "},  {mq::MQCFOP_NOT_EQUAL, "NE "},     {mq::MQCFOP_NOT_LESS, "GE "},
    {mq::MQCFOP_CONTAINS, "CT "}, {mq::MQCFOP_EXCLUDES, "EX "},      {mq::MQCFOP_LIKE, "LK "},
    {mq::MQCFOP_NOT_LIKE, "NL "}, {mq::MQCFOP_CONTAINS_GEN, "CTG "}, {mq::MQCFOP_EXCLUDES_GEN, "EXG "},
};

}  // namespace

const char *FilterOperatorWord(int32_t op)
{
    for (const auto &entry : kOperatorWords)
        if (entry.op == op)
            return entry.word;
    return "";
}

}  // namespace zem

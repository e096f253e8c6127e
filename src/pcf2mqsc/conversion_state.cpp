// State of the PCF-to-MQSC direction, one per thread.
#include "pcf2mqsc/conversion_state.h"

#include <algorithm>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "pcf2mqsc/pcf2mqsc.h"

namespace zem {
namespace {

thread_local MqscParam *currentParamList = nullptr;
thread_local std::vector<const MqscKeyword *> valuedRecords;

}  // namespace

MqscParam *CurrentParamList() { return currentParamList; }

void SetCurrentParamList(MqscParam *list) { currentParamList = list; }

void NoteValueHeld(const MqscKeyword &record)
{
    if (!HoldsValue(record))
        valuedRecords.push_back(&record);
}

bool HoldsValue(const MqscKeyword &record)
{
    return std::find(valuedRecords.begin(), valuedRecords.end(), &record) != valuedRecords.end();
}

void BeginPcfToMqsc()
{
    ResetCmdTable();
    currentParamList = nullptr;
    valuedRecords.clear();
}

}  // namespace zem

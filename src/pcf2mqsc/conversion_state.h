// Working state of one PCF-to-MQSC conversion, kept apart from the opposite direction's.
#pragma once
#include "zemapi.h"

namespace zem {

// The parameter list of the command being converted; NULL when none was found.
MqscParam *CurrentParamList();
void SetCurrentParamList(MqscParam *list);

// Integer keywords that received a value in this conversion. A keyword marked only by an
// attribute selector holds none and is written bare.
void NoteValueHeld(const MqscKeyword &record);
bool HoldsValue(const MqscKeyword &record);

}  // namespace zem

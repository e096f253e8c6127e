// Message envelope internals shared by the PCF code.
#pragma once
#include "zemapi.h"

namespace zem {

constexpr int32_t kHeaderLength = ZEM_MDHDR_LENGTH;

inline MDHDR *Header(MESSAGE *msg) { return reinterpret_cast<MDHDR *>(msg->pBlock); }

// The MQ default message descriptor (MQMD_DEFAULT) that new and reset envelopes carry.
void SetDefaultDescriptor(ZEM_MQMD &md);

}  // namespace zem

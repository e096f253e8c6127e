// Exact layouts of the records and MQ structures on a 32-bit build, where they must be
// byte for byte those of the original 32-bit library: callers that share records with it
// and MQ programs that hand over their structures depend on every offset. Pointer widths
// differ on 64-bit builds, so only the m32 preset compiles this file; a wrong offset
// fails that build. The structure printers take their offsets from the same offsetof.
#include <cstddef>

#include "zemapi.h"

static_assert(sizeof(void *) == 4, "built by the m32 preset only");

#define AT(type, field, offset) static_assert(offsetof(type, field) == (offset), #type "." #field)
#define SIZE(type, size) static_assert(sizeof(type) == (size), "sizeof " #type)

// Envelope records.
SIZE(MESSAGE, 384);
AT(MESSAGE, Kind, 0); AT(MESSAGE, pBlock, 4); AT(MESSAGE, pData, 8);
AT(MESSAGE, Size, 12); AT(MESSAGE, Used, 16); AT(MESSAGE, MsgDesc, 20);
SIZE(Buffer, 24);
AT(Buffer, Length, 4); AT(Buffer, Capacity, 8); AT(Buffer, Reserved3, 20);
SIZE(MemoryRecord, 48);
AT(MemoryRecord, size, 8); AT(MemoryRecord, module, 16);

// The container: Kind, the 32-byte extension, pCfh, 150 envelopes of 384 bytes, the owning
// envelope, pNext.
AT(PcfMessage, Kind, 0); AT(PcfMessage, PcfExt, 4); AT(PcfMessage, pCfh, 36);
AT(PcfMessage, AttrIndex, 40); AT(PcfMessage, AttrIndex[1], 40 + 384);
AT(PcfMessage, PcfMsg, 57640); AT(PcfMessage, pNext, 58024);
SIZE(PcfMessage, 58028);

// Command table and converter records.
SIZE(MqscKeyword, 36);
AT(MqscKeyword, name, 8); AT(MqscKeyword, params, 12); AT(MqscKeyword, isSet, 16);
AT(MqscKeyword, values, 20); AT(MqscKeyword, value, 24); AT(MqscKeyword, level, 32);
SIZE(MqscParam, 32);
AT(MqscParam, keyword, 12); AT(MqscParam, format, 16); AT(MqscParam, separator, 20);
AT(MqscParam, level, 28);
SIZE(MqscItem, 16064);
AT(MqscItem, value, 64);
SIZE(MqscText, 8);
SIZE(PcfArea, 8);
SIZE(PcfDataDesc, 8);

// Configuration records.
AT(IniFile, length, 4); AT(IniFile, position, 8); AT(IniFile, keyDelims, 12);
AT(IniFile, valueDelims, 45); AT(IniFile, text, 80); AT(IniFile, path, 84);
AT(IniFile, openError, 1108);
SIZE(IniFile, 1112);
SIZE(PermSection, 8);
AT(PermFile, keyDelims, 4); AT(PermFile, valueDelims, 37); AT(PermFile, path, 70);
AT(PermFile, header, 1094); AT(PermFile, effective, 1176); AT(PermFile, userAuthority, 1184);
AT(PermFile, audit, 1192); AT(PermFile, trust, 1200);
SIZE(PermFile, 1208);
SIZE(WorkgroupInfo, 56);
AT(WorkgroupInfo, qx7DbSchema, 52);
AT(AuthRecSortSet, ownName, 16);
SIZE(AuthRecSortSet, 68);

// MQ structures, at IBM MQ's 32-bit sizes and offsets.
SIZE(ZEM_MQCHARV, 20);
SIZE(ZEM_MQOD, 400);
AT(ZEM_MQOD, ObjectRecPtr, 192); AT(ZEM_MQOD, ResponseRecPtr, 196);
AT(ZEM_MQOD, AlternateSecurityId, 200); AT(ZEM_MQOD, ResolvedQName, 240);
AT(ZEM_MQOD, ResolvedQMgrName, 288); AT(ZEM_MQOD, ObjectString, 336);
AT(ZEM_MQOD, SelectionString, 356); AT(ZEM_MQOD, ResObjectString, 376);
AT(ZEM_MQOD, ResolvedType, 396);
SIZE(ZEM_MQMD, 364);
AT(ZEM_MQMD, MsgId, 48); AT(ZEM_MQMD, AccountingToken, 208); AT(ZEM_MQMD, ApplOriginData, 320);
AT(ZEM_MQMD, GroupId, 324); AT(ZEM_MQMD, OriginalLength, 360);
SIZE(ZEM_MQPMO, 176);
AT(ZEM_MQPMO, Context, 16); AT(ZEM_MQPMO, ResolvedQName, 32); AT(ZEM_MQPMO, ResolvedQMgrName, 80);
AT(ZEM_MQPMO, ResponseRecPtr, 148); AT(ZEM_MQPMO, OriginalMsgHandle, 152);
AT(ZEM_MQPMO, NewMsgHandle, 160); AT(ZEM_MQPMO, Action, 168); AT(ZEM_MQPMO, PubLevel, 172);
SIZE(ZEM_MQGMO, 112);
AT(ZEM_MQGMO, WaitInterval, 12); AT(ZEM_MQGMO, ResolvedQName, 24);
AT(ZEM_MQGMO, ReturnedLength, 96); AT(ZEM_MQGMO, MsgHandle, 104);
SIZE(ZEM_MQAXP, 248);
AT(ZEM_MQAXP, Feedback, 24); AT(ZEM_MQAXP, APICallerType, 28); AT(ZEM_MQAXP, ExitPDArea, 128);
AT(ZEM_MQAXP, QMgrName, 176); AT(ZEM_MQAXP, ExitChainAreaPtr, 224); AT(ZEM_MQAXP, Hconfig, 228);
AT(ZEM_MQAXP, Function, 232); AT(ZEM_MQAXP, ExitMsgHandle, 240);
SIZE(ZEM_MQAXC, 384);
AT(ZEM_MQAXC, SecurityId, 24); AT(ZEM_MQAXC, ConnectionName, 64);
AT(ZEM_MQAXC, LongMCAUserIdLength, 328); AT(ZEM_MQAXC, LongRemoteUserIdLength, 332);
AT(ZEM_MQAXC, LongMCAUserIdPtr, 336); AT(ZEM_MQAXC, LongRemoteUserIdPtr, 340);
AT(ZEM_MQAXC, ApplName, 344); AT(ZEM_MQAXC, ApplType, 372); AT(ZEM_MQAXC, ProcessId, 376);
AT(ZEM_MQAXC, ThreadId, 380);

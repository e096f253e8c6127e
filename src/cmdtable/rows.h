// Row helpers for the command table's data files: each record or list entry is one short
// constant expression, so the whole table is initialised statically (nothing runs at load).
#pragma once
#include "foundation/mq_constants.h"
#include "zemapi.h"

namespace zem::table {

// Platform masks: bit (1 << MQPL_x) for each platform that has the command or keyword.
constexpr int32_t Bit(int32_t platform) { return int32_t{1} << platform; }
constexpr int32_t kEvery = -1;
constexpr int32_t kZos = Bit(mq::MQPL_ZOS);
constexpr int32_t kNotZos = ~kZos;
constexpr int32_t kDist = Bit(mq::MQPL_UNIX) | Bit(mq::MQPL_OS400) | Bit(mq::MQPL_WINDOWS) | Bit(mq::MQPL_WINDOWS_NT);
// NetBIOS and SPX listeners exist on Windows only.
constexpr int32_t kWindows = Bit(mq::MQPL_WINDOWS) | Bit(mq::MQPL_WINDOWS_NT);

// Command levels.
constexpr int32_t kLevel100 = mq::MQCMDL_LEVEL_1;
constexpr int32_t kLevel510 = mq::MQCMDL_LEVEL_510;
constexpr int32_t kLevel530 = mq::MQCMDL_LEVEL_530;
constexpr int32_t kLevel600 = mq::MQCMDL_LEVEL_600;
constexpr int32_t kLevel700 = mq::MQCMDL_LEVEL_700;
constexpr int32_t kLevel710 = mq::MQCMDL_LEVEL_710;
constexpr int32_t kLevel750 = mq::MQCMDL_LEVEL_750;
constexpr int32_t kLevel800 = mq::MQCMDL_LEVEL_800;
constexpr int32_t kLevel900 = mq::MQCMDL_LEVEL_900;
constexpr int32_t kLevel910 = mq::MQCMDL_LEVEL_910;
constexpr int32_t kLevel920 = mq::MQCMDL_LEVEL_920;
constexpr int32_t kLevel930 = mq::MQCMDL_LEVEL_930;
constexpr int32_t kLevel940 = mq::MQCMDL_LEVEL_940;

// Value formats of the list entries.
constexpr const char *kNone = "";          // keyword alone (FORCE, ALL, the verb)
constexpr const char *kInt = "(%d)";       // integer in brackets
constexpr const char *kParen = "(%s)";     // text or value keyword in brackets
constexpr const char *kQuoted = "('%s')";  // text in quotes and brackets
constexpr const char *kWord = "%s";        // value keyword alone (NOSHARE, QLOCAL after DEFINE)

// Separators: a blank, or nothing so that the next item is glued on ("DEFINE QLOCAL('Q')").
constexpr int32_t kBlank = ' ';
constexpr int32_t kGlue = '*';

// ---- records
constexpr MqscKeyword Record(int32_t type, int32_t id, const char *name, MqscParam *params, MqscKeyword **values,
                             int32_t platforms, int32_t level)
{
    return MqscKeyword{type, id, name, params, 0, values, 0, platforms, level};
}
constexpr MqscKeyword Command(int32_t code, const char *verb, MqscParam *params, int32_t platforms = kEvery,
                              int32_t level = kLevel510)
{
    return Record(MQSC_CMD, code, verb, params, nullptr, platforms, level);
}
// A value keyword of an enumeration: id is its number.
constexpr MqscKeyword Value(int32_t number, const char *word)
{
    return Record(MQSC_FLAG, number, word, nullptr, nullptr, kEvery, kLevel510);
}
constexpr MqscKeyword Flag(int32_t id, const char *name, int32_t platforms = kEvery, int32_t level = kLevel510)
{
    return Record(MQSC_FLAG, id, name, nullptr, nullptr, platforms, level);
}
constexpr MqscKeyword Int(int32_t id, const char *name, int32_t platforms = kEvery, int32_t level = kLevel510)
{
    return Record(MQSC_INT, id, name, nullptr, nullptr, platforms, level);
}
constexpr MqscKeyword Str(int32_t id, const char *name, int32_t platforms = kEvery, int32_t level = kLevel510)
{
    return Record(MQSC_STR, id, name, nullptr, nullptr, platforms, level);
}
constexpr MqscKeyword StrList(int32_t id, const char *name, int32_t platforms = kEvery, int32_t level = kLevel510)
{
    return Record(MQSC_STRLIST, id, name, nullptr, nullptr, platforms, level);
}
constexpr MqscKeyword Enum(int32_t id, const char *name, MqscKeyword **values, int32_t platforms = kEvery,
                           int32_t level = kLevel510)
{
    return Record(MQSC_ENUM, id, name, nullptr, values, platforms, level);
}
constexpr MqscKeyword EnumList(int32_t id, const char *name, MqscKeyword **values, int32_t platforms = kEvery,
                               int32_t level = kLevel510)
{
    return Record(MQSC_ENUMLIST, id, name, nullptr, values, platforms, level);
}
constexpr MqscKeyword List(int32_t id, const char *name, int32_t platforms = kEvery, int32_t level = kLevel510)
{
    return Record(MQSC_LIST, id, name, nullptr, nullptr, platforms, level);
}

// ---- list entries
constexpr MqscParam Entry(int32_t use, int32_t valueMode, int32_t nameMode, MqscKeyword *keyword, const char *format,
                          int32_t separator, int32_t platforms, int32_t level)
{
    return MqscParam{use, valueMode, nameMode, keyword, format, separator, platforms, level};
}
// The command's own entry, first in every list.
constexpr MqscParam Head(MqscKeyword *command, int32_t separator = kBlank)
{
    return Entry(1, 2, 1, command, kNone, separator, kEvery, kLevel100);
}
// Required object name written as its value alone, right after the verb.
constexpr MqscParam Obj(MqscKeyword *keyword, const char *format, int32_t platforms = kEvery, int32_t level = kLevel510)
{
    return Entry(1, 1, 2, keyword, format, kBlank, platforms, level);
}
// Required positional value with the next item glued on (the queue type before the name).
constexpr MqscParam ObjGlued(MqscKeyword *keyword, const char *format, int32_t platforms = kEvery,
                             int32_t level = kLevel510)
{
    return Entry(1, 1, 2, keyword, format, kGlue, platforms, level);
}
// Required keyword with its value.
constexpr MqscParam Req(MqscKeyword *keyword, const char *format, int32_t platforms = kEvery, int32_t level = kLevel510)
{
    return Entry(1, 1, 1, keyword, format, kBlank, platforms, level);
}
// Optional keyword with its value.
constexpr MqscParam Opt(MqscKeyword *keyword, const char *format, int32_t platforms = kEvery, int32_t level = kLevel510)
{
    return Entry(0, 1, 1, keyword, format, kBlank, platforms, level);
}
// Optional value written without its keyword (NOSHARE, REPLACE, CURRENT).
constexpr MqscParam Pos(MqscKeyword *keyword, const char *format, int32_t platforms = kEvery, int32_t level = kLevel510)
{
    return Entry(0, 1, 2, keyword, format, kBlank, platforms, level);
}
// Attribute of an inquiry: the keyword alone selects it.
constexpr MqscParam Attr(MqscKeyword *keyword, const char *format, int32_t platforms = kEvery,
                         int32_t level = kLevel510)
{
    return Entry(0, 2, 1, keyword, format, kBlank, platforms, level);
}
// An end mark inside a list: the MQSC writer stops here, lookups go on past it.
constexpr MqscParam StopHere(MqscKeyword *keyword, const char *format, int32_t platforms = kEvery,
                             int32_t level = kLevel510)
{
    return Entry(2, 1, 2, keyword, format, kBlank, platforms, level);
}
// The end of every list.
constexpr MqscParam End(int32_t platforms = kEvery, int32_t level = kLevel510)
{
    return Entry(2, 2, 1, nullptr, kNone, kBlank, platforms, level);
}

}  // namespace zem::table

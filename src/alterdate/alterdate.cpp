// The discovery filter: was an object altered since the previous discovery started?
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "alterdate/alterdate.h"
#include "foundation/boundary.h"
#include "foundation/mq_constants.h"
#include "foundation/platform.h"

namespace zem {
namespace {

constexpr int32_t kHolderSize = 512;
constexpr int32_t kAlterDateChars = 12;
constexpr int32_t kAlterTimeChars = 8;

// Where an inquiry response names its object: the first of these parameters it holds.
struct ObjectNameSource {
    int32_t parameter;
    int32_t nameChars;
    const char *typeWord;
};

constexpr ObjectNameSource kObjectNameSources[] = {
    {mq::MQCA_Q_NAME, 48, "QUEUE"},           {mq::MQCACH_CHANNEL_NAME, 20, "CHANNEL"},
    {mq::MQCA_PROCESS_NAME, 48, "PROCESS"},   {mq::MQCA_AUTH_INFO_NAME, 48, "AUTHINFO"},
    {mq::MQCA_NAMELIST_NAME, 48, "NAMELIST"}, {mq::MQCACH_LISTENER_NAME, 48, "LISTENER"},
    {mq::MQCA_SERVICE_NAME, 32, "SERVICE"},   {mq::MQCA_Q_MGR_NAME, 48, "QMGR"},
};
constexpr const char *kUnknownObject = "*unknown*";

const char *Printable(const char *text) { return text ? text : "(null)"; }

// Reads string parameter id, at most maxChars characters, cut at its first blank; false
// when the response holds no such string.
bool ReadStringParameter(PcfMessage &response, MESSAGE &holder, int32_t id, int32_t maxChars, std::string &text)
{
    if (GetAttrByID(id, &holder, &response) != 1)
        return false;
    std::string buffer(static_cast<std::size_t>(maxChars) + 1, '\0');
    if (GetPcfStrAttrValue(&holder, buffer.data(), maxChars) != 1)
        return false;
    buffer.resize(std::strlen(buffer.c_str()));
    text = buffer.substr(0, buffer.find(' '));
    return true;
}

struct ObjectStamps {
    std::string alterDate;
    std::string alterTime;
    std::string objectName = kUnknownObject;
    std::string typeWord = kUnknownObject;
};

ObjectStamps ReadObjectStamps(PcfMessage &response)
{
    ObjectStamps stamps;
    MESSAGE holder{};
    if (CreateMessage(&holder, kHolderSize) != 1)
        return stamps;
    // Released however the reading ends, a failed allocation included.
    std::unique_ptr<MESSAGE, decltype(&DeleteMessage)> release(&holder, &DeleteMessage);
    ReadStringParameter(response, holder, mq::MQCA_ALTERATION_DATE, kAlterDateChars, stamps.alterDate);
    ReadStringParameter(response, holder, mq::MQCA_ALTERATION_TIME, kAlterTimeChars, stamps.alterTime);
    for (const auto &source : kObjectNameSources) {
        if (ReadStringParameter(response, holder, source.parameter, source.nameChars, stamps.objectName)) {
            stamps.typeWord = source.typeWord;
            break;
        }
    }
    return stamps;
}

// The discovery start as the queue manager writes its stamps, in local time.
void DiscoveryTexts(int64_t discoveryStart, std::string &date, std::string &time)
{
    std::tm fields{};
    if (!platform::LocalTime(static_cast<std::time_t>(discoveryStart), fields))
        return;
    char text[64];
    std::snprintf(text, sizeof text, "%4d-%02d-%02d", fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday);
    date = text;
    std::snprintf(text, sizeof text, "%02d.%02d.%02d", fields.tm_hour, fields.tm_min, fields.tm_sec);
    time = text;
}

int32_t ResponseCommand(const PcfMessage &response)
{
    const MESSAGE &envelope = response.PcfMsg;
    if (!envelope.pData || envelope.Used - ZEM_MDHDR_LENGTH < ZEM_MQCFH_LENGTH)
        return 0;
    return reinterpret_cast<const ZEM_MQCFH *>(envelope.pData)->Command;
}

}  // namespace

int32_t IsAlteredSince(int64_t discoveryStart, PcfMessage *response, const char *qmgrName, bool verbose)
{
    int32_t recent = 1;
    if (verbose)
        std::printf("DBG...IsAlterDateRecent: QMGR(%s), entry\n", Printable(qmgrName));
    if (!response || discoveryStart == 0 || !qmgrName) {
        if (verbose)
            std::printf(
                "DBG...IsAlterDateRecent: One of these params is 0:  pPcfMsg %p, "
                "tDiscovStart %" PRId64
                ", pszQMgr %p for QMGR(%s), return true  as if "
                "alter date is recent.\n",
                static_cast<void *>(response), discoveryStart, static_cast<const void *>(qmgrName),
                Printable(qmgrName));
        return 1;
    }

    std::string discoveryDate, discoveryTime;
    DiscoveryTexts(discoveryStart, discoveryDate, discoveryTime);
    const ObjectStamps stamps = ReadObjectStamps(*response);
    const bool stamped = !stamps.alterDate.empty() && !stamps.alterTime.empty();
    if (stamped) {
        // Both sides are "YYYY-MM-DD" and "HH.MM.SS", so byte order is time order.
        const int dateOrder = stamps.alterDate.compare(discoveryDate);
        if (dateOrder != 0)
            recent = dateOrder > 0 ? 1 : 0;
        else
            recent = stamps.alterTime.compare(discoveryTime) >= 0 ? 1 : 0;
    }

    if (verbose) {
        char now[26];
        const char *nowText = platform::CurrentTimeText(now) ? now : nullptr;
        const int32_t command = ResponseCommand(*response);
        std::printf(
            "%sDBG...IsAlterDateRecent: \n\tQMGR<%s>  Reply to Command <%d>=<%s>\n"
            "\tObjType <%s>: ObjName <%s>, return <%s> \n"
            "\tObjAltDate     <%s>, ObjAltTime     <%s> \n"
            "\tLastDiscovDate <%s>, LastDiscovTime <%s> \n\n",
            nowText ? nowText : "", qmgrName, command, PcfIdToName(command), stamps.typeWord.c_str(),
            stamps.objectName.c_str(), recent ? "NEW ALTERATION, INCL DISCOVERY" : "OLD ALTERATION, SKIP DISCOVERY",
            stamps.alterDate.c_str(), stamps.alterTime.c_str(), discoveryDate.c_str(), discoveryTime.c_str());
        if (!stamped) {
            std::printf("DBG...IsAlterDateRecent: The PCF msg for QMGR(%s) has no alter date or time:\n", qmgrName);
            PrintPcfMessage(response);
        }
        std::printf("DBG...IsAlterDateRecent: QMGR(%s), exit, return %d\n", qmgrName, recent);
    }
    return recent;
}

}  // namespace zem

extern "C" ZEMAPI(int32_t) IsAlterDateRecent2(int64_t tDiscovStart, PcfMessage *pPcfMsg, const char *pszQMgr,
                                              int32_t verbose)
{
    // Without memory to decide, the object is treated as altered: discovery includes it.
    return zem::AtCBoundary([&] { return zem::IsAlteredSince(tDiscovStart, pPcfMsg, pszQMgr, verbose != 0); },
                            [] { return int32_t{1}; });
}

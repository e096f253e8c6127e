#include <cstdio>
#include <cstring>

#include "config/ini_file.h"

namespace zem {
namespace {

// Every key of a lookup is formatted into a buffer of this size.
constexpr std::size_t kKeySize = 256;

// The places of WorkgroupInfo after the group id, with their key names under the group.
struct Setting {
    char *WorkgroupInfo::*place;
    const char *keyName;
    bool required;
};
constexpr Setting kSettings[] = {
    {&WorkgroupInfo::node, "Node", true},
    {&WorkgroupInfo::service, "Service", true},
    {&WorkgroupInfo::dsNode, "VNTDSNode", true},
    {&WorkgroupInfo::dsPort, "VNTDSPort", true},
    {&WorkgroupInfo::dbDsn, "DBDSN", false},
    {&WorkgroupInfo::dbUser, "DBUser", false},
    {&WorkgroupInfo::dbPwd, "DBPwd", false},
    {&WorkgroupInfo::dbSchema, "DBSchema", false},
    {&WorkgroupInfo::dbPSchema, "DBPSchema", false},
    {&WorkgroupInfo::qx7DbDsn, "QX7DBDSN", false},
    {&WorkgroupInfo::qx7DbUser, "QX7DBUser", false},
    {&WorkgroupInfo::qx7DbPwd, "QX7DBPwd", false},
    {&WorkgroupInfo::qx7DbSchema, "QX7DBSchema", false},
};

void Complain(char *error, const char *format, const char *name, const char *keyName = nullptr)
{
    if (error)
        std::snprintf(error, ZEM_CONFIG_ERROR_SIZE, format, name, keyName);
}

// Formats "%s::%s" into key; false when it does not fit.
bool GroupKey(char (&key)[kKeySize], const char *groupId, const char *keyName)
{
    int length = std::snprintf(key, sizeof key, "%s::%s", groupId, keyName);
    return length >= 0 && static_cast<std::size_t>(length) < sizeof key;
}

// Steps 2 to 4 on an opened file; 1 when everything required was found.
int Resolve(IniFile &groups, const char *name, WorkgroupInfo &info, char *error)
{
    char key[kKeySize];
    int length = std::snprintf(key, sizeof key, "Group::%s", name);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof key) {
        Complain(error, "Workgroup name too long\n", nullptr);
        return 0;
    }
    // G goes to the caller's buffer when asked for, else to one of the key's size, whose
    // bound the lookup keeps; a G that fills it could not form a key anyway.
    char ownGroupId[kKeySize];
    char *groupId = info.groupId ? info.groupId : ownGroupId;
    std::size_t capacity = info.groupId ? kUnbounded : sizeof ownGroupId;
    if (!MaskLookup(groups, key, groupId, capacity, true)) {
        Complain(error, "Could not resolve Workgroup \"%s\"\n", name);
        return 0;
    }
    if (std::strlen(groupId) >= kKeySize - 1) {
        Complain(error, "Group identifier of Workgroup \"%s\" too long\n", name);
        return 0;
    }
    for (const Setting &setting : kSettings) {
        char *value = info.*setting.place;
        if (!value)
            continue;
        if (!GroupKey(key, groupId, setting.keyName)) {
            Complain(error, "Group identifier of Workgroup \"%s\" too long\n", name);
            return 0;
        }
        if (!MaskLookup(groups, key, value, kUnbounded, true) && setting.required) {
            Complain(error, "Could not resolve Workgroup \"%s\" to \"%s\"\n", name, setting.keyName);
            return 0;
        }
    }
    return 1;
}

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) zemResolveWorkgroup(const char *name, WorkgroupInfo *info, char *error)
{
    if (!name || !info)
        return 0;
    IniFile groups;
    if (!zemOpenIniFile("mqgroup.ini", "\n=", " \n\t", &groups, error, 1))
        return 0;
    int resolved = Resolve(groups, name, *info, error);
    zemCloseIniFile(&groups);
    return resolved;
}

}  // extern "C"

// The dated log entry, assertion reports and the log-file switch.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "foundation/platform.h"
#include "zemapi.h"

namespace zem {
namespace {

constexpr std::size_t kLogLineSize = 1024;
// Besides the message an entry takes the leading newline, "Date: ", the 25-character date
// with its newline, the tag and the closing newline.
constexpr std::size_t kEntryOverhead = 1 + 6 + 25 + 3 + 1;
constexpr int kLongestMessage = static_cast<int>(kLogLineSize - 1 - kEntryOverhead);

constexpr std::size_t kAssertionSize = 512;
// Shared by every failing assertion of a thread, as callers of the original expect;
// each thread has its own, so concurrent failures do not mix their texts.
thread_local char g_assertion[kAssertionSize];

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(void) LOGMSG(const char *message, int)
{
    char date[26] = "";
    if (!platform::CurrentTimeText(date))
        std::strcpy(date, "\n");
    char line[kLogLineSize] = {0};
    // A message that would overflow the line is cut so the entry still ends with a newline.
    int length =
        std::snprintf(line, sizeof line, "\nDate: %s%s%.*s\n", date, "ZEM", kLongestMessage, message ? message : "");
    if (length < 0)
        return;
    std::size_t written =
        static_cast<std::size_t>(length) < sizeof line ? static_cast<std::size_t>(length) : sizeof line - 1;
    std::fwrite(line, 1, written, stdout);
    std::fflush(stdout);
}

ZEMAPI(void) debug(int condition, const char *expression, int keepGoing, const char *file, int line)
{
    if (condition)
        return;
    std::snprintf(g_assertion, sizeof g_assertion, "0105E  Assertion failed in %s at line %d: %s", file ? file : "",
                  line, expression ? expression : "");
    LOGMSG(g_assertion, 1);
    if (!keepGoing)
        std::abort();
}

ZEMAPI(FILE *) ZemApiSetLogFile(const char *path)
{
    if (!path)
        return nullptr;
    return platform::RebindStdoutAppending(path);
}

}  // extern "C"

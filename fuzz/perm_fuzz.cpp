// Permission files of any content: loaded into their sections, then every rule lookup
// on every section. The first byte picks the delimiter sets, the first line is the key
// to look up, the rest is the file.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace {

struct Delimiters {
    const char *key;
    const char *value;
};
const Delimiters kDelimiters[] = {{"=", "\r\n"}, {"=", "\n"}, {"=:", "\r\n "}, {"", ""}};

void CheckSection(const PermSection &section, std::size_t fileSize, const char *name)
{
    if (!section.text) {
        if (section.length != 0)
            zemfuzz::Fail(std::string(name) + ": no text but length " + std::to_string(section.length));
        return;
    }
    // Every line end becomes CR-LF, so a section may be up to twice the file.
    if (section.length < 0 || static_cast<std::size_t>(section.length) > 2 * fileSize + 2 ||
        section.text[section.length] != '\0' || std::strlen(section.text) != static_cast<std::size_t>(section.length))
        zemfuzz::Fail(std::string(name) + ": length " + std::to_string(section.length) + " for a file of " +
                      std::to_string(fileSize));
}

// Walks a section with one lookup; each success consumes text, so the walk ends.
template <typename Lookup> void Walk(const PermSection &section, const char *who, Lookup lookup)
{
    int32_t position = 0;
    int32_t found = 0;
    for (int fromStart = 1; lookup(fromStart, &position); fromStart = 0) {
        if (position < 0 || position > section.length)
            zemfuzz::Fail(std::string(who) + " left position " + std::to_string(position) + " of " +
                          std::to_string(section.length));
        if (++found > section.length + 1)
            zemfuzz::Fail(std::string(who) + " does not advance");
    }
}

void LookupsOnSection(const PermFile &perm, const PermSection &section, const std::string &key)
{
    if (!section.text)
        return;
    std::vector<char> value(static_cast<std::size_t>(section.length) + 1);
    Walk(section, "zemGetValuePermits", [&](int fromStart, int32_t *position) {
        return zemGetValuePermits(section.text, perm.keyDelims, perm.valueDelims, key.c_str(), value.data(), fromStart,
                                  position);
    });
    Walk(section, "zemGetValueExtExt2", [&](int fromStart, int32_t *position) {
        return zemGetValueExtExt2(section.text, perm.keyDelims, perm.valueDelims, key.c_str(), value.data(), fromStart,
                                  position);
    });
    // Each rule of the section as a mask for the key, and the key as a mask for the rule.
    const char *line = section.text;
    for (int n = 0; n < 64 && *line; ++n) {
        const char *end = std::strstr(line, "\r\n");
        std::string rule(line, end ? static_cast<std::size_t>(end - line) : std::strlen(line));
        IsPermitMaskMatch(rule.c_str(), key.c_str());
        IsPermitMaskMatch(key.c_str(), rule.c_str());
        int result = -1;
        CompareMaskTokensWithKeyTokens(rule.c_str(), key.c_str(), &result);
        if (!end)
            break;
        line = end + 2;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string path = zemfuzz::ScratchPath("rules.perm");
    zemfuzz::QuietStdout();
    zemfuzz::Input input(data, size);
    const Delimiters &delims = kDelimiters[input.Byte() % (sizeof kDelimiters / sizeof kDelimiters[0])];
    const char *rest = reinterpret_cast<const char *>(input.Rest());
    const std::size_t restSize = input.RestSize();
    const char *newline = static_cast<const char *>(std::memchr(rest, '\n', restSize));
    const std::size_t keyLength = newline ? static_cast<std::size_t>(newline - rest) : restSize;
    const std::string key = std::string(rest, keyLength).c_str();
    const char *text = newline ? newline + 1 : rest + restSize;
    const std::size_t textSize = static_cast<std::size_t>(rest + restSize - text);

    zemfuzz::WriteFile(path, text, textSize);
    PermFile perm{};
    char error[ZEM_CONFIG_ERROR_SIZE];
    if (!zemOpenPermFile(path.c_str(), delims.key, delims.value, &perm, error, 0))
        return 0;
    if (std::strlen(perm.header) >= sizeof perm.header)
        zemfuzz::Fail("header not terminated");
    const struct {
        const PermSection *section;
        const char *name;
    } sections[] = {{&perm.effective, "effective"},
                    {&perm.userAuthority, "userAuthority"},
                    {&perm.audit, "audit"},
                    {&perm.trust, "trust"}};
    for (const auto &s : sections) {
        CheckSection(*s.section, textSize, s.name);
        LookupsOnSection(perm, *s.section, key);
    }
    zemClosePermFile(&perm);
    return 0;
}

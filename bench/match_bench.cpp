// The matchers on the keys they meet, and the pattern matcher on a pattern built to make
// a backtracking matcher explode.
#include <cstring>
#include <string>

#include "bench_support.h"

namespace {

// Both texts read once: the least any matcher must do.
void LengthsBaseline(benchmark::State &state, std::string pattern, std::string text)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(pattern.data());
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(std::strlen(pattern.c_str()) + std::strlen(text.c_str()));
    }
}

void RegExpSubject(benchmark::State &state, std::string pattern, std::string text)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(IsRegExpMatch(pattern.c_str(), text.c_str(), 0));
}

void PermitSubject(benchmark::State &state, std::string rule, std::string key)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(IsPermitMaskMatch(rule.c_str(), key.c_str()));
}

void MaskSubject(benchmark::State &state, std::string mask, std::string text)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(IsMaskMatch(mask.c_str(), text.c_str()));
}

// 30 stars with an 'a' between each and a 'b' at the end, against a run of 'a': every
// split of the text among the stars fails, which a backtracking matcher tries in turn.
std::string CraftedPattern()
{
    std::string pattern;
    for (int i = 0; i < 30; ++i)
        pattern += "*a";
    return pattern + "b";
}

template <typename Subject>
void Pair(const std::string &name, Subject subject, const std::string &pattern, const std::string &text)
{
    benchmark::RegisterBenchmark((name + ":subject").c_str(), subject, pattern, text);
    benchmark::RegisterBenchmark((name + ":baseline").c_str(), LengthsBaseline, pattern, text);
}

const bool kRegistered = [] {
    Pair("regexp_queue_name", RegExpSubject, "PAYROLL.*.REQ[A-Z]?", "PAYROLL.BRANCH.REQS");
    Pair("regexp_no_match", RegExpSubject, "SYSTEM.*.QUEUE", "PAYROLL.REQUESTS.FROM.BRANCHES");
    Pair("mask_queue_name", MaskSubject, "SYSTEM.ADMIN.*", "SYSTEM.ADMIN.COMMAND.QUEUE                      ");
    Pair("permit_user_authority", PermitSubject, "UserAuthority::QM?::OPER*\\SYSTEM.ADMIN.*",
         "UserAuthority::QM1::OPER7\\SYSTEM.ADMIN.COMMAND.QUEUE");
    Pair("permit_no_match", PermitSubject, "UserAuthority::QM*::APP??\\APP.*",
         "UserAuthority::QM1::OPER7\\SYSTEM.ADMIN.COMMAND.QUEUE");
    for (int length : {250, 1000, 4000})
        Pair("regexp_30_stars_" + std::to_string(length), RegExpSubject, CraftedPattern(), std::string(length, 'a'));
    return true;
}();

}  // namespace

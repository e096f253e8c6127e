// The edge between the library's C++ inside and its C callers.
#pragma once
#include <utility>

namespace zem {

// Runs body and hands back its result. An exception (a failed allocation above all) must
// not unwind into C code, so it is stopped here and onFailure's result (the entry point's
// documented failure) is handed back instead.
template <typename Body, typename OnFailure> auto AtCBoundary(Body &&body, OnFailure &&onFailure) noexcept
    -> decltype(body())
{
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return std::forward<OnFailure>(onFailure)();
    }
}

}  // namespace zem

// Attribute envelopes for the accessor and printer tests: owning envelopes released at
// scope end, and views over bytes the test holds.
#pragma once
#include <string>
#include <vector>

#include "zemapi.h"

namespace zemtest {

// An owning MESSAGE deleted at scope end. Default-constructed it owns no block, as the
// accessor constructors expect; from bytes it holds exactly them (capacity = length).
class Attr {
public:
    Attr() = default;
    explicit Attr(const std::string &bytes);
    ~Attr();
    Attr(const Attr &) = delete;
    Attr &operator=(const Attr &) = delete;

    MESSAGE *get() { return &msg_; }
    MESSAGE *operator->() { return &msg_; }
    // The data bytes (Used - 136 of them).
    std::string data() const;

private:
    MESSAGE msg_{};
};

// An attribute view (pBlock NULL, Used = Size = length) over an exact-size copy of bytes.
class View {
public:
    explicit View(const std::string &bytes);
    View(const View &) = delete;
    View &operator=(const View &) = delete;

    MESSAGE *get() { return &msg_; }

private:
    std::vector<unsigned char> bytes_;
    MESSAGE msg_{};
};

}  // namespace zemtest

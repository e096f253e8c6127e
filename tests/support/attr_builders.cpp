#include "attr_builders.h"

#include "pcf_builders.h"

namespace zemtest {

Attr::Attr(const std::string &bytes) : msg_(EnvelopeHolding(bytes)) {}

Attr::~Attr()
{
    if (msg_.pBlock)
        DeleteMessage(&msg_);
}

std::string Attr::data() const { return DataOf(msg_); }

View::View(const std::string &bytes) : bytes_(bytes.begin(), bytes.end())
{
    msg_.Kind = 1;
    msg_.pData = bytes_.data();
    msg_.Size = msg_.Used = static_cast<int32_t>(bytes_.size());
}

}  // namespace zemtest

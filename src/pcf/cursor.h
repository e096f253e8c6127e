// The bounded reader that every walk over PCF bytes goes through.
//
// PCF data comes from peers and files: its length, count and string-length words may lie.
// A PcfCursor is a window of `length` bytes at `data`. Every access names an offset in the
// window and is refused (false, nullptr or an empty window) when any byte of it would lie
// outside; nothing is read or written then. Offsets and counts are int64_t so that sums of
// 32-bit words from a peer cannot overflow before they are compared. Words are copied with
// memcpy: structures need not be aligned in a buffer that a peer sent.
//
// The cursor also has a position for walks (Step refuses to pass the end), but the field
// accessors take offsets from the window start, which is how structure layouts are written.
#pragma once
#include <cstdint>
#include <cstring>

namespace zem {

class PcfCursor {
public:
    PcfCursor() = default;
    // A negative length or a NULL pointer gives an empty window.
    PcfCursor(unsigned char *data, int64_t length)
        : data_(length > 0 ? data : nullptr), length_(data && length > 0 ? length : 0)
    {
    }

    unsigned char *data() const { return data_; }
    int64_t length() const { return length_; }

    // True when [offset, offset + count) lies inside the window.
    bool Fits(int64_t offset, int64_t count) const
    {
        return offset >= 0 && count >= 0 && offset <= length_ && count <= length_ - offset;
    }

    bool Read32(int64_t offset, int32_t &value) const { return Read(offset, &value, sizeof value); }
    bool Read64(int64_t offset, int64_t &value) const { return Read(offset, &value, sizeof value); }
    bool Write32(int64_t offset, int32_t value) { return Write(offset, &value, sizeof value); }
    bool Write64(int64_t offset, int64_t value) { return Write(offset, &value, sizeof value); }

    // The address of [offset, offset + count), or nullptr when it does not fit.
    unsigned char *Bytes(int64_t offset, int64_t count) const { return Fits(offset, count) ? data_ + offset : nullptr; }

    // The window [offset, offset + count); empty when it does not fit.
    PcfCursor Window(int64_t offset, int64_t count) const
    {
        return Fits(offset, count) && count > 0 ? PcfCursor(data_ + offset, count, Checked{}) : PcfCursor();
    }

    // Walk position.
    int64_t position() const { return position_; }
    int64_t remaining() const { return length_ - position_; }
    bool AtEnd() const { return position_ >= length_; }
    // Moves the position count bytes on; refused (position unchanged) past the end.
    bool Step(int64_t count)
    {
        if (!Fits(position_, count))
            return false;
        position_ += count;
        return true;
    }

private:
    // A window already known to lie inside another: nothing to check again.
    struct Checked {};
    PcfCursor(unsigned char *data, int64_t length, Checked) : data_(data), length_(length) {}

    bool Read(int64_t offset, void *value, int64_t size) const
    {
        if (!Fits(offset, size))
            return false;
        std::memcpy(value, data_ + offset, static_cast<std::size_t>(size));
        return true;
    }
    bool Write(int64_t offset, const void *value, int64_t size)
    {
        if (!Fits(offset, size))
            return false;
        std::memcpy(data_ + offset, value, static_cast<std::size_t>(size));
        return true;
    }

    unsigned char *data_ = nullptr;
    int64_t length_ = 0;
    int64_t position_ = 0;
};

}  // namespace zem

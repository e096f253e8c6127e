// Sorting: string-list entries in place, and the records of an authority-record reply
// (held as parallel lists) through an index array.
#include <cstring>

#include "pcf/accessors.h"

namespace zem {
namespace {

// The in-place heapsort both sorts use. Callers see the order of equal entries, so the
// exact steps matter: they fix where equal entries end. Order supplies the array: Greater(i, j) is
// a[i] > a[j], Hold(i) copies a[i] aside as t, HeldIsLess(k) is a[k] > t, Move(to, from)
// and Place(p) (a[p] = t).
template <class Order> void HeapSort(int32_t count, Order &order)
{
    if (count < 2)
        return;
    int64_t n = count;
    int64_t i = n / 2;
    for (;;) {
        if (i > 0) {
            --i;
            order.Hold(i);
        } else {
            if (--n == 0)
                return;
            order.Hold(n);
            order.Move(n, 0);
        }
        int64_t p = i;
        for (int64_t k = 2 * p + 1; k < n; k = 2 * p + 1) {
            if (k + 1 < n && order.Greater(k + 1, k))
                ++k;
            if (!order.HeldIsLess(k))
                break;
            order.Move(p, k);
            p = k;
        }
        order.Place(p);
    }
}

// Entries compared byte by byte over their full length; t lives in a fixed buffer.
class EntryOrder {
public:
    static constexpr int32_t kLongestEntry = 257;

    explicit EntryOrder(const EntryList &list) : list_(list) {}
    bool Greater(int64_t i, int64_t j) const { return Compare(entry(i), entry(j)) > 0; }
    bool HeldIsLess(int64_t k) const { return Compare(entry(k), held_) > 0; }
    void Hold(int64_t i) { std::memcpy(held_, entry(i), length()); }
    void Move(int64_t to, int64_t from) { std::memmove(entry(to), entry(from), length()); }
    void Place(int64_t p) { std::memcpy(entry(p), held_, length()); }

private:
    std::size_t length() const { return static_cast<std::size_t>(list_.entryLength()); }
    unsigned char *entry(int64_t i) const { return list_.entry(static_cast<int32_t>(i)); }
    int Compare(const unsigned char *x, const unsigned char *y) const { return std::memcmp(x, y, length()); }

    EntryList list_;
    unsigned char held_[kLongestEntry];
};

int SortEntries(MESSAGE *attr)
{
    auto list = StringEntriesOf(attr);
    if (!list)
        return 0;
    // Entries too long for the held copy stay where they are; zero-length entries are all
    // equal, so there is nothing to move.
    if (list->entryLength() > EntryOrder::kLongestEntry || list->entryLength() == 0)
        return 1;
    EntryOrder order(*list);
    HeapSort(list->count(), order);
    return 1;
}

// Texts of a record's string keys: the first key in 48 characters, the second in 64.
constexpr int32_t kNameKeyLength = 48;
constexpr int32_t kDetailKeyLength = 64;
// An entry that names the reply's own principal this way sorts as the own name.
constexpr char kSelfPrefix[] = "SELF ";

int32_t IntegerKey(MESSAGE *list, int32_t record)
{
    int32_t value = 0;
    return GetPcfIntListAttrValue(list, record, &value) ? value : 0;
}

void TextKey(MESSAGE *list, int32_t record, char *text, int32_t max)
{
    if (!GetPcfStrListAttrValue(list, record, text, max))
        text[0] = '\0';
}

// Records compared by the four keys in turn; every comparison reads the lists afresh.
class RecordOrder {
public:
    RecordOrder(const AuthRecSortSet &set, int32_t *indices) : set_(set), indices_(indices)
    {
        const std::size_t length = strnlen(set.ownName, kNameKeyLength);
        std::memcpy(ownName_, set.ownName, length);
        ownName_[length] = '\0';
    }
    bool Greater(int64_t i, int64_t j) const { return Compare(indices_[i], indices_[j]) > 0; }
    bool HeldIsLess(int64_t k) const { return Compare(indices_[k], held_) > 0; }
    void Hold(int64_t i) { held_ = indices_[i]; }
    void Move(int64_t to, int64_t from) { indices_[to] = indices_[from]; }
    void Place(int64_t p) { indices_[p] = held_; }

private:
    static int Sign(int32_t x, int32_t y) { return x < y ? -1 : x > y ? 1 : 0; }

    void NameKey(int32_t record, char (&text)[kNameKeyLength + 1]) const
    {
        TextKey(set_.strList1, record, text, kNameKeyLength);
        if (std::strncmp(text, kSelfPrefix, sizeof kSelfPrefix - 1) == 0)
            std::memcpy(text, ownName_, sizeof ownName_);
    }

    int Compare(int32_t x, int32_t y) const
    {
        if (int order = Sign(IntegerKey(set_.intList1, x), IntegerKey(set_.intList1, y)))
            return order;
        char nameX[kNameKeyLength + 1], nameY[kNameKeyLength + 1];
        NameKey(x, nameX);
        NameKey(y, nameY);
        if (int order = std::strcmp(nameX, nameY))
            return order;
        if (int order = Sign(IntegerKey(set_.intList2, x), IntegerKey(set_.intList2, y)))
            return order;
        char detailX[kDetailKeyLength + 1], detailY[kDetailKeyLength + 1];
        TextKey(set_.strList2, x, detailX, kDetailKeyLength);
        TextKey(set_.strList2, y, detailY, kDetailKeyLength);
        return std::strcmp(detailX, detailY);
    }

    const AuthRecSortSet &set_;
    int32_t *indices_;
    int32_t held_ = 0;
    char ownName_[kNameKeyLength + 1];
};

int32_t SortRecords(AuthRecSortSet *set, int32_t **indices)
{
    if (!indices)
        return 0;
    *indices = nullptr;
    if (!set)
        return 0;
    auto names = StringEntriesOf(set->strList1);
    // Entries of no length take no bytes, so such a list may claim any count: a peer's few
    // bytes would make the sort allocate and order billions of records that name nothing.
    if (!names || names->count() == 0 || names->entryLength() == 0)
        return 0;
    const int32_t count = names->count();
    const uint64_t bytes = static_cast<uint64_t>(count) * sizeof(int32_t);
    void *block = nullptr;
    if (bytes > UINT32_MAX || !fNewMemory(&block, static_cast<uint32_t>(bytes), "AuthRecSort INDICES"))
        return 0;
    auto *order = static_cast<int32_t *>(block);
    for (int32_t i = 0; i < count; ++i)
        order[i] = i;
    RecordOrder records(*set, order);
    HeapSort(count, records);
    *indices = order;
    return count;
}

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) SortPcfListAttr(MESSAGE *attr) { return SortEntries(attr); }
ZEMAPI(int32_t) AuthRecSort(AuthRecSortSet *set, int32_t **indices) { return SortRecords(set, indices); }

}  // extern "C"

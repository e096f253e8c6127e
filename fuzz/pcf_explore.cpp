#include "pcf_explore.h"

#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace zemfuzz {
namespace {

constexpr int kMaxDepth = 3;

int32_t Word(const MESSAGE &attr, int offset)
{
    int32_t word;
    std::memcpy(&word, attr.pData + offset, sizeof word);
    return word;
}

// The indexes where list getters go wrong if they ever do: before, at and after the ends.
std::vector<int32_t> EdgeIndexes(int32_t count) { return {-1, 0, 1, count - 1, count, count + 1, INT32_MAX}; }

void ExploreScalars(MESSAGE &attr)
{
    char text[64];
    std::vector<char> big(4097);
    int32_t value = 0, op = 0, length = 0;
    int64_t value64 = 0;
    unsigned char bytes[64];

    IsPcfStrAttr(&attr);
    GetPcfStrAttrValue(&attr, text, sizeof text - 1);
    GetPcfStrAttrValue(&attr, big.data(), static_cast<int32_t>(big.size() - 1));
    GetPcfStrAttrValue(&attr, text, 0);
    GetPcfStrAttrValue(&attr, text, -1);
    IsPcfIntAttr(&attr);
    GetPcfIntAttrValue(&attr, &value);
    IsPcfInt64Attr(&attr);
    GetPcfInt64AttrValue(&attr, &value64);
    IsPcfIntFltrAttr(&attr);
    GetPcfIntFltrAttrValue(&attr, &value, &op);
    IsPcfStrFltrAttr(&attr);
    GetPcfStrFltrAttrValue(&attr, text, sizeof text - 1, &op);
    GetPcfStrFltrAttrValue(&attr, big.data(), static_cast<int32_t>(big.size() - 1), &op);
    GetPcfFilterOperator(&attr, &op);

    using ByteGetter = int (*)(MESSAGE *, void *, int32_t *);
    for (ByteGetter get :
         {ByteGetter{GetPcfByteStrAttrValue}, ByteGetter{GetPcfByteStrFltrAttrValue}, ByteGetter{GetPcfBinAttrValue}}) {
        for (int32_t room : {0, 1, static_cast<int32_t>(sizeof bytes), -5}) {
            length = room;
            get(&attr, bytes, &length);
            if (room >= 0 && length > room)
                Fail("a byte getter reported " + std::to_string(length) + " bytes copied into " + std::to_string(room));
        }
    }
    GetPcfByteStrAttrValueLength(&attr, &length);
    IsPcfByteStrAttr(&attr);
    IsPcfByteStrFltrAttr(&attr);
    IsPcfBinAttr(&attr);
    GetPcfAttrType(&attr);
}

void ExploreLists(MESSAGE &attr)
{
    char text[64];
    int32_t value = 0, sum = 0;
    int64_t value64 = 0, sum64 = 0;
    unsigned char bytes[64];

    if (IsPcfIntListAttr(&attr)) {
        int32_t count = Word(attr, 12);
        for (int32_t i : EdgeIndexes(count))
            GetPcfIntListAttrValue(&attr, i, &value);
        GetPcfIntListAttrValueSum(&attr, &sum);
        for (int32_t max : {0, 1, 5, static_cast<int32_t>(sizeof text - 1)}) {
            GetPcfIntListAttrValueStr(&attr, text, max);
            if (std::strlen(text) > static_cast<std::size_t>(max))
                Fail("GetPcfIntListAttrValueStr wrote more than max characters");
        }
    }
    if (IsPcfInt64ListAttr(&attr)) {
        int32_t count = Word(attr, 12);
        for (int32_t i : EdgeIndexes(count))
            GetPcfInt64ListAttrValue(&attr, i, &value64);
        GetPcfInt64ListAttrValueSum(&attr, &sum64);
        for (int32_t max : {0, 1, 5, static_cast<int32_t>(sizeof text - 1)}) {
            GetPcfInt64ListAttrValueStr(&attr, text, max);
            if (std::strlen(text) > static_cast<std::size_t>(max))
                Fail("GetPcfInt64ListAttrValueStr wrote more than max characters");
        }
    }
    if (IsPcfStrListAttr(&attr)) {
        int32_t count = Word(attr, 16);
        for (int32_t i : EdgeIndexes(count))
            for (int32_t max : {0, 3, static_cast<int32_t>(sizeof text - 1)})
                GetPcfStrListAttrValue(&attr, i, text, max);
        FindPcfStrListAttrValue(&attr, "A");
        FindPcfStrListAttrValue(&attr, "");
    }
    if (IsPcfByteStrListAttr(&attr)) {
        int32_t count = Word(attr, 16);
        for (int32_t i : EdgeIndexes(count))
            for (int32_t max : {0, 3, static_cast<int32_t>(sizeof bytes)})
                GetPcfByteStrListAttrValue(&attr, i, bytes, max);
    }
}

// Setters and resizers work on owning copies only: the index views must stay as they are.
void ExploreSetters(MESSAGE &copy)
{
    static const unsigned char kBytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    SetPcfStrAttrValue(&copy, "CHANGED.NAME");
    SetPcfStrAttrValue(&copy, "");
    SetPcfIntAttrValue(&copy, 7);
    SetPcfInt64AttrValue(&copy, -7);
    SetPcfIntFltrAttrValue(&copy, 5, 3);
    SetPcfStrFltrAttrValue(&copy, "Q*", 1);
    SetPcfByteStrAttrValue(&copy, kBytes, sizeof kBytes);
    SetPcfByteStrFltrAttrValue(&copy, kBytes, 3);
    SetPcfBinAttrValue(&copy, kBytes, sizeof kBytes);
    if (IsPcfIntListAttr(&copy)) {
        int32_t count = Word(copy, 12);
        SetPcfIntListAttrValue(&copy, 0, 1);
        if (count < 4096)
            SetPcfIntListAttrValue(&copy, count, 2);
        SetPcfIntListAttrValue(&copy, -1, 3);
        SetPcfIntListAttrValueStr(&copy, "5;6,,7");
        SortPcfListAttr(&copy);
        SizePcfIntListAttr(&copy, 2);
    }
    if (IsPcfInt64ListAttr(&copy)) {
        SetPcfInt64ListAttrValue(&copy, 0, 1);
        SetPcfInt64ListAttrValue(&copy, -1, 3);
        SetPcfInt64ListAttrValueStr(&copy, "-5;6,,7");
        SizePcfInt64ListAttr(&copy, 1);
    }
    if (IsPcfStrListAttr(&copy) || IsPcfByteStrListAttr(&copy)) {
        int32_t count = Word(copy, 16);
        // Growing a list the caller asks for costs what the caller asks: a peer's entry
        // length of a gigabyte is the caller's to refuse, so grow only modest lists.
        if ((int64_t{count} + 2) * Word(copy, 20) > (1 << 20))
            return;
        SortPcfListAttr(&copy);
        SetPcfStrListAttrValue(&copy, 0, "FIRST");
        SetPcfStrListAttrValueWithFill(&copy, 1, "SECOND", '*');
        SetPcfStrListAttrValueWithLen(&copy, -1, "APPENDED", 3, ' ');
        SetPcfByteStrListAttrValue(&copy, 0, kBytes, sizeof kBytes);
        if (count < 4096)
            SizePcfStrListAttr(&copy, count + 1);
        SizePcfStrListAttr(&copy, 1);
    }
}

void ExploreGroup(MESSAGE &attr, int depth)
{
    int32_t count = 0;
    if (!IsPcfGroupAttr(&attr) || !GetPcfGroupAttrCounter(&attr, &count))
        return;
    MESSAGE member{};
    int32_t last = count < 8 ? count : 8;
    for (int32_t pos = -1; pos <= last; ++pos) {
        if (GetGroupAttrByPos(pos, &member, &attr)) {
            if (depth < kMaxDepth)
                ExploreAttr(member, depth + 1);
            if (member.Used - ZEM_MDHDR_LENGTH >= 12)
                GetGroupAttrByID(Word(member, 8), &member, &attr);
        }
    }
    DeleteMessage(&member);
}

void ExploreEmbedded(MESSAGE &attr, int depth)
{
    if (!IsPcfPcfAttr(&attr) || depth >= kMaxDepth)
        return;
    PcfMessage *inner = CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 0);
    if (!inner)
        return;
    if (GetPcfPcfAttrValue(&attr, inner) == 1)
        ExploreIndexed(*inner, depth + 1);
    DeletePcfMessage(inner);
}

// What a successful indexing promises; "" when it holds.
std::string BrokenIndex(PcfMessage &pcf)
{
    int32_t length = pcf.PcfMsg.Used - ZEM_MDHDR_LENGTH;
    if (length < 0 || pcf.PcfMsg.Used > pcf.PcfMsg.Size)
        return "Used " + std::to_string(pcf.PcfMsg.Used) + " outside the block";
    if (length == 0)
        return "";
    if (pcf.pCfh != reinterpret_cast<ZEM_MQCFH *>(pcf.PcfMsg.pData))
        return "pCfh is not the data area";
    int32_t count = pcf.pCfh->ParameterCount;
    if (count < 0 || count >= ZEM_PCF_INDEX_ENTRIES)
        return "ParameterCount " + std::to_string(count);
    int64_t offset = 0;
    for (int32_t i = 0; i <= count; ++i) {
        MESSAGE view = pcf.AttrIndex[i];
        if (view.pData != pcf.PcfMsg.pData + offset || view.Used < 8 || offset + view.Used > length ||
            !IsPcfAttrValid(&view))
            return "index entry " + std::to_string(i);
        offset += view.Used;
    }
    if (offset != length)
        return "entries end at " + std::to_string(offset) + " of " + std::to_string(length);
    return "";
}

}  // namespace

void ExploreAttr(MESSAGE &attr, int depth)
{
    ExploreScalars(attr);
    ExploreLists(attr);
    ExploreGroup(attr, depth);
    ExploreEmbedded(attr, depth);
    PrintPcfAttr(&attr);
}

void ExploreIndexed(PcfMessage &pcf, int depth)
{
    std::string broken = BrokenIndex(pcf);
    if (!broken.empty())
        Fail("RawToPcf succeeded but " + broken);
    if (pcf.PcfMsg.Used == ZEM_MDHDR_LENGTH)
        return;

    int32_t count = pcf.pCfh->ParameterCount;
    MESSAGE copy{};
    const MESSAGE *intList = nullptr, *strList = nullptr;
    for (int32_t i = 0; i <= count; ++i) {
        MESSAGE view = pcf.AttrIndex[i];
        if (i > 0)
            ExploreAttr(view, depth);
        if (!GetAttrByPos(i, &copy, &pcf))
            Fail("GetAttrByPos failed on indexed entry " + std::to_string(i));
        if (copy.Used - ZEM_MDHDR_LENGTH != view.Used ||
            std::memcmp(copy.pData, view.pData, static_cast<std::size_t>(view.Used)) != 0)
            Fail("GetAttrByPos copy differs from index entry " + std::to_string(i));
        if (i > 0) {
            int32_t id = Word(view, 8), pos = -1;
            if (!GetAttrByIDRetPos(id, &copy, &pcf, &pos) || pos < 1 || pos > i)
                Fail("GetAttrByIDRetPos did not find the parameter of entry " + std::to_string(i));
            GetAttrByPos(i, &copy, &pcf);
            ExploreSetters(copy);
            if (!intList && IsPcfIntListAttr(&pcf.AttrIndex[i]))
                intList = &pcf.AttrIndex[i];
            if (!strList && IsPcfStrListAttr(&pcf.AttrIndex[i]))
                strList = &pcf.AttrIndex[i];
        }
    }
    GetAttrByPos(count + 1, &copy, &pcf);
    GetAttrByPos(-1, &copy, &pcf);
    DeleteMessage(&copy);

    // A string list of empty entries may claim any count in 24 bytes; the sort then takes
    // memory and time for every claimed record (reported; see tests/pcf/regress_fuzz_test.cpp).
    if (intList && strList && Word(*strList, 16) > 65536)
        strList = nullptr;
    if (intList && strList) {
        MESSAGE ints = *intList, strs = *strList;
        AuthRecSortSet set{&ints, &strs, &strs, &ints, "OWNER"};
        int32_t *order = nullptr;
        int32_t records = AuthRecSort(&set, &order);
        std::vector<bool> seen(static_cast<std::size_t>(records > 0 ? records : 0));
        for (int32_t r = 0; r < records; ++r) {
            if (order[r] < 0 || order[r] >= records || seen[static_cast<std::size_t>(order[r])])
                Fail("AuthRecSort gave record " + std::to_string(order[r]) + " of " + std::to_string(records));
            seen[static_cast<std::size_t>(order[r])] = true;
        }
        FreeMemory(order);
    }
    if (depth == 0) {
        PrintPcfMessage(&pcf);
        DumpPcfMessage(&pcf);
    }
}

}  // namespace zemfuzz

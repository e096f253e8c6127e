// Random and mutated messages through the indexer and the peer conversion: nothing may
// crash or read outside the exact-size buffers (AddressSanitizer watches), and what is
// accepted must satisfy the container's invariants.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>

#include "capture.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace zemtest;

constexpr uint32_t kSeed = 20240318;

class Generator {
public:
    explicit Generator(uint32_t seed) : random_(seed) {}

    int32_t Below(int32_t n) { return static_cast<int32_t>(random_() % static_cast<uint32_t>(n)); }
    std::string Name() { return std::string(static_cast<std::size_t>(Below(12)), static_cast<char>('A' + Below(26))); }

    // A well-formed run of `count` parameters, groups nested up to `depth`.
    void Parameters(PcfBytes &out, int32_t count, int depth)
    {
        for (int32_t i = 0; i < count; ++i) {
            int32_t parameter = 1 + Below(9000);
            switch (Below(depth > 0 ? 15 : 14)) {
            case 0: out.Cfin(parameter, static_cast<int32_t>(random_())); break;
            case 1: out.Cfst(parameter, Name()); break;
            case 2: out.Cfil(parameter, {Below(100), -Below(100), static_cast<int32_t>(random_())}); break;
            case 3: out.Cfsl(parameter, {Name(), Name()}, 1 + Below(10)); break;
            case 4: out.Cfbs(parameter, Name()); break;
            case 5: out.Cfif(parameter, Below(20), Below(1000)); break;
            case 6: out.Cfsf(parameter, Below(20), Name()); break;
            case 7: out.Cfbf(parameter, Below(20), Name()); break;
            case 8: out.Cfin64(parameter, static_cast<int64_t>(random_()) << 20); break;
            case 9: out.Cfil64(parameter, {static_cast<int64_t>(random_()), -1}); break;
            case 10: out.Excfbl(parameter, {Name(), Name(), Name()}, 1 + Below(6)); break;
            case 11: {
                PcfBytes inner(order_, text_);
                int32_t innerCount = Below(3);
                inner.Cfh(2, Below(200), innerCount);
                Parameters(inner, innerCount, 0);
                out.EmbeddedPcf(parameter, inner.bytes());
                break;
            }
            case 12: out.Binary(parameter, Name()); break;
            case 13: out.Cfin(parameter, Below(10)); break;
            default: {
                int32_t members = Below(4);
                out.Cfgr(parameter, members);
                Parameters(out, members, depth - 1);
                break;
            }
            }
        }
    }

    std::string Message(ByteOrder order, Text text, int32_t count)
    {
        order_ = order;
        text_ = text;
        PcfBytes out(order, text);
        out.Cfh(1 + Below(2), Below(300), count);
        Parameters(out, count, 3);
        return out.bytes();
    }

    // Damages a message the ways a peer or a disk would: words set to extremes, bytes
    // flipped, the end cut off or garbage appended.
    std::string Mutate(std::string bytes)
    {
        static const int32_t kWords[] = {0, 1, -1, 4, 7, 8, 15, 16, 36, 149, 150, 1000, INT32_MAX, INT32_MIN, 0x10000};
        int32_t edits = 1 + Below(4);
        for (int32_t e = 0; e < edits && !bytes.empty(); ++e) {
            auto at = static_cast<std::size_t>(Below(static_cast<int32_t>(bytes.size())));
            switch (Below(4)) {
            case 0:
                if (at + 4 <= bytes.size()) {
                    int32_t word = kWords[Below(sizeof kWords / sizeof kWords[0])];
                    std::memcpy(&bytes[at & ~std::size_t{3}], &word, sizeof word);
                }
                break;
            case 1: bytes[at] = static_cast<char>(random_()); break;
            case 2: bytes.resize(at); break;
            default: bytes += std::string(static_cast<std::size_t>(Below(40)), static_cast<char>(random_())); break;
            }
        }
        return bytes;
    }

    std::string Noise()
    {
        std::string bytes(static_cast<std::size_t>(Below(200)), '\0');
        for (auto &byte : bytes)
            byte = static_cast<char>(random_());
        if (bytes.size() >= 8 && Below(2)) {  // often a plausible start
            int32_t head[2] = {1 + Below(30), 8 * Below(8)};
            std::memcpy(&bytes[0], head, sizeof head);
        }
        return bytes;
    }

private:
    std::mt19937 random_;
    ByteOrder order_ = ByteOrder::kNative;
    Text text_ = Text::kAscii;
};

// After a successful indexing: the header and every indexed entry lie inside the used
// bytes, back to back, and are valid; entries after the count are cleared. Returns what
// is broken, "" when nothing is (the fuzz loops run with standard output captured, where
// a failing assertion's text would be lost).
std::string BrokenIndexInvariant(PcfMessage &pcf, std::size_t originalLength)
{
    int32_t length = pcf.PcfMsg.Used - 136;
    if (length < 0 || static_cast<std::size_t>(length) > originalLength)
        return "message length " + std::to_string(length);
    if (length == 0)
        return "";  // a negative count indexes nothing
    int32_t count = pcf.pCfh->ParameterCount;
    if (count < 0 || count > 149)
        return "ParameterCount " + std::to_string(count);
    int32_t offset = 0;
    for (int32_t i = 0; i <= count; ++i) {
        MESSAGE view = pcf.AttrIndex[i];
        if (view.pData != pcf.PcfMsg.pData + offset || view.Used < 8 || offset + view.Used > length ||
            !IsPcfAttrValid(&view))
            return "entry " + std::to_string(i);
        offset += view.Used;
    }
    if (offset != length)
        return "entries end at " + std::to_string(offset) + " of " + std::to_string(length);
    for (int32_t i = count + 1; i < ZEM_PCF_INDEX_ENTRIES; ++i)
        if (pcf.AttrIndex[i].pData)
            return "stale entry " + std::to_string(i);
    return "";
}

// Indexes bytes in an exact-size container; accepted counts the messages indexed, and
// the first broken invariant is kept in broken.
void Index(const std::string &bytes, int &accepted, std::string &broken)
{
    PcfPtr pcf = ContainerHolding(bytes);
    if (RawToPcf(pcf.get()) == 1) {
        ++accepted;
        std::string problem = BrokenIndexInvariant(*pcf, bytes.size());
        if (broken.empty() && !problem.empty())
            broken = problem + " in a message of " + std::to_string(bytes.size()) + " bytes";
    }
    MESSAGE out{};
    for (int32_t pos : {0, 1, 2, 149, 150})
        GetAttrByPos(pos, &out, pcf.get());
    DeleteMessage(&out);
}

// The result is always 1; what matters is that nothing outside the exact buffer is touched.
std::string ConvertInPlace(const std::string &bytes, int swap, int text)
{
    auto exact = ExactBytes(bytes);
    if (AlienPcfBufferToNative(exact.data(), swap, text, ZEM_TO_ASCII, static_cast<int32_t>(exact.size())) != 1)
        return "refused";
    return std::string(exact.begin(), exact.end());
}

TEST(PcfFuzz, GeneratedPeerMessagesConvertToTheirNativeTwins)
{
    for (int round = 0; round < 300; ++round) {
        // Two generators from one seed give the same message in both encodings.
        Generator peer(kSeed + round), native(kSeed + round);
        int32_t count = 1 + peer.Below(12);
        native.Below(12);
        std::string peerBytes = peer.Message(ByteOrder::kSwapped, Text::kEbcdic, count);
        std::string nativeBytes = native.Message(ByteOrder::kNative, Text::kAscii, count);
        ASSERT_EQ(ConvertInPlace(peerBytes, 1, 1), nativeBytes) << "round " << round;

        PcfPtr pcf = ContainerHolding(nativeBytes);
        ASSERT_EQ(RawToPcf(pcf.get()), 1) << "round " << round;
        EXPECT_EQ(BrokenIndexInvariant(*pcf, nativeBytes.size()), "") << "round " << round;
        EXPECT_EQ(pcf->PcfMsg.Used - 136, static_cast<int32_t>(nativeBytes.size()));
    }
}

TEST(PcfFuzz, MutatedMessagesAndRandomBytesNeitherCrashNorReadOutside)
{
    Generator mutator(kSeed), noise(kSeed + 1);
    int accepted = 0;
    std::string broken;
    // The messages these print (overflow, underflow, unknown types) are not the point here.
    CaptureStdout([&] {
        for (int round = 0; round < 3000; ++round) {
            ByteOrder order = mutator.Below(2) ? ByteOrder::kSwapped : ByteOrder::kNative;
            std::string bytes = mutator.Mutate(mutator.Message(order, Text::kEbcdic, mutator.Below(8)));
            Index(bytes, accepted, broken);
            ConvertInPlace(bytes, order == ByteOrder::kSwapped, 1);
            ConvertInPlace(bytes, mutator.Below(2), mutator.Below(2));
        }
    });
    EXPECT_EQ(broken, "");
    EXPECT_GT(accepted, 100);  // the invariants were checked on a fair share
    CaptureStdout([&] {
        for (int round = 0; round < 3000; ++round) {
            std::string bytes = noise.Noise();
            Index(bytes, accepted, broken);
            ConvertInPlace(bytes, 1, 1);
            ConvertInPlace(bytes, 0, 0);
        }
    });
    EXPECT_EQ(broken, "");
}

}  // namespace

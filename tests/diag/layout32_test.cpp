// Exact layouts of the records and MQ structures on a 32-bit build, where they must be
// byte for byte those of the original 32-bit library: callers that share records with it
// and MQ programs that hand over their structures depend on every offset. Pointer widths
// differ on 64-bit builds, so these tests only run on 32-bit ones (the m32 preset).
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "zemapi.h"

namespace {

bool Is32Bit() { return sizeof(void *) == 4; }

#define SKIP_UNLESS_32_BIT()                                                      \
    do {                                                                          \
        if (!Is32Bit())                                                           \
            GTEST_SKIP() << "32-bit layouts; this build has " << sizeof(void *) * 8 << "-bit pointers"; \
    } while (0)

TEST(Layout32, EnvelopeRecordsHaveTheOriginalOffsets)
{
    SKIP_UNLESS_32_BIT();
    EXPECT_EQ(384u, sizeof(MESSAGE));
    EXPECT_EQ(0u, offsetof(MESSAGE, Kind));
    EXPECT_EQ(4u, offsetof(MESSAGE, pBlock));
    EXPECT_EQ(8u, offsetof(MESSAGE, pData));
    EXPECT_EQ(12u, offsetof(MESSAGE, Size));
    EXPECT_EQ(16u, offsetof(MESSAGE, Used));
    EXPECT_EQ(20u, offsetof(MESSAGE, MsgDesc));

    EXPECT_EQ(24u, sizeof(Buffer));
    EXPECT_EQ(4u, offsetof(Buffer, Length));
    EXPECT_EQ(8u, offsetof(Buffer, Capacity));
    EXPECT_EQ(20u, offsetof(Buffer, Reserved3));

    EXPECT_EQ(48u, sizeof(MemoryRecord));
    EXPECT_EQ(8u, offsetof(MemoryRecord, size));
    EXPECT_EQ(16u, offsetof(MemoryRecord, module));
}

TEST(Layout32, PcfMessageIsTheOriginalContainer)
{
    SKIP_UNLESS_32_BIT();
    // Kind, the 32-byte extension, pCfh, 150 envelopes of 384 bytes, the owning envelope, pNext.
    EXPECT_EQ(0u, offsetof(PcfMessage, Kind));
    EXPECT_EQ(4u, offsetof(PcfMessage, PcfExt));
    EXPECT_EQ(36u, offsetof(PcfMessage, pCfh));
    EXPECT_EQ(40u, offsetof(PcfMessage, AttrIndex));
    EXPECT_EQ(40u + 384u, offsetof(PcfMessage, AttrIndex[1]));
    EXPECT_EQ(57640u, offsetof(PcfMessage, PcfMsg));
    EXPECT_EQ(58024u, offsetof(PcfMessage, pNext));
    EXPECT_EQ(58028u, sizeof(PcfMessage));
}

TEST(Layout32, CommandTableAndConverterRecords)
{
    SKIP_UNLESS_32_BIT();
    EXPECT_EQ(36u, sizeof(MqscKeyword));
    EXPECT_EQ(8u, offsetof(MqscKeyword, name));
    EXPECT_EQ(12u, offsetof(MqscKeyword, params));
    EXPECT_EQ(16u, offsetof(MqscKeyword, isSet));
    EXPECT_EQ(20u, offsetof(MqscKeyword, values));
    EXPECT_EQ(24u, offsetof(MqscKeyword, value));
    EXPECT_EQ(32u, offsetof(MqscKeyword, level));

    EXPECT_EQ(32u, sizeof(MqscParam));
    EXPECT_EQ(12u, offsetof(MqscParam, keyword));
    EXPECT_EQ(16u, offsetof(MqscParam, format));
    EXPECT_EQ(20u, offsetof(MqscParam, separator));
    EXPECT_EQ(28u, offsetof(MqscParam, level));

    EXPECT_EQ(16064u, sizeof(MqscItem));
    EXPECT_EQ(64u, offsetof(MqscItem, value));
    EXPECT_EQ(8u, sizeof(MqscText));
    EXPECT_EQ(8u, sizeof(PcfArea));
    EXPECT_EQ(8u, sizeof(PcfDataDesc));
}

TEST(Layout32, ConfigurationRecordsFollowTheirFieldWidths)
{
    SKIP_UNLESS_32_BIT();
    EXPECT_EQ(4u, offsetof(IniFile, length));
    EXPECT_EQ(8u, offsetof(IniFile, position));
    EXPECT_EQ(12u, offsetof(IniFile, keyDelims));
    EXPECT_EQ(45u, offsetof(IniFile, valueDelims));
    EXPECT_EQ(80u, offsetof(IniFile, text));
    EXPECT_EQ(84u, offsetof(IniFile, path));
    EXPECT_EQ(1108u, offsetof(IniFile, openError));
    EXPECT_EQ(1112u, sizeof(IniFile));

    EXPECT_EQ(8u, sizeof(PermSection));
    EXPECT_EQ(4u, offsetof(PermFile, keyDelims));
    EXPECT_EQ(37u, offsetof(PermFile, valueDelims));
    EXPECT_EQ(70u, offsetof(PermFile, path));
    EXPECT_EQ(1094u, offsetof(PermFile, header));
    EXPECT_EQ(1176u, offsetof(PermFile, effective));
    EXPECT_EQ(1184u, offsetof(PermFile, userAuthority));
    EXPECT_EQ(1192u, offsetof(PermFile, audit));
    EXPECT_EQ(1200u, offsetof(PermFile, trust));
    EXPECT_EQ(1208u, sizeof(PermFile));

    EXPECT_EQ(56u, sizeof(WorkgroupInfo));
    EXPECT_EQ(52u, offsetof(WorkgroupInfo, qx7DbSchema));
    EXPECT_EQ(16u, offsetof(AuthRecSortSet, ownName));
    EXPECT_EQ(68u, sizeof(AuthRecSortSet));
}

TEST(Layout32, MqStructuresHaveIbmMqSizesAndOffsets)
{
    SKIP_UNLESS_32_BIT();
    EXPECT_EQ(20u, sizeof(ZEM_MQCHARV));
    EXPECT_EQ(400u, sizeof(ZEM_MQOD));
    EXPECT_EQ(192u, offsetof(ZEM_MQOD, ObjectRecPtr));
    EXPECT_EQ(196u, offsetof(ZEM_MQOD, ResponseRecPtr));
    EXPECT_EQ(200u, offsetof(ZEM_MQOD, AlternateSecurityId));
    EXPECT_EQ(240u, offsetof(ZEM_MQOD, ResolvedQName));
    EXPECT_EQ(288u, offsetof(ZEM_MQOD, ResolvedQMgrName));
    EXPECT_EQ(336u, offsetof(ZEM_MQOD, ObjectString));
    EXPECT_EQ(356u, offsetof(ZEM_MQOD, SelectionString));
    EXPECT_EQ(376u, offsetof(ZEM_MQOD, ResObjectString));
    EXPECT_EQ(396u, offsetof(ZEM_MQOD, ResolvedType));

    EXPECT_EQ(364u, sizeof(ZEM_MQMD));
    EXPECT_EQ(320u, offsetof(ZEM_MQMD, ApplOriginData));
    EXPECT_EQ(324u, offsetof(ZEM_MQMD, GroupId));
    EXPECT_EQ(360u, offsetof(ZEM_MQMD, OriginalLength));

    EXPECT_EQ(176u, sizeof(ZEM_MQPMO));
    EXPECT_EQ(16u, offsetof(ZEM_MQPMO, Context));
    EXPECT_EQ(32u, offsetof(ZEM_MQPMO, ResolvedQName));
    EXPECT_EQ(80u, offsetof(ZEM_MQPMO, ResolvedQMgrName));
    EXPECT_EQ(148u, offsetof(ZEM_MQPMO, ResponseRecPtr));
    EXPECT_EQ(152u, offsetof(ZEM_MQPMO, OriginalMsgHandle));
    EXPECT_EQ(160u, offsetof(ZEM_MQPMO, NewMsgHandle));
    EXPECT_EQ(168u, offsetof(ZEM_MQPMO, Action));
    EXPECT_EQ(172u, offsetof(ZEM_MQPMO, PubLevel));

    EXPECT_EQ(112u, sizeof(ZEM_MQGMO));
    EXPECT_EQ(12u, offsetof(ZEM_MQGMO, WaitInterval));
    EXPECT_EQ(24u, offsetof(ZEM_MQGMO, ResolvedQName));
    EXPECT_EQ(96u, offsetof(ZEM_MQGMO, ReturnedLength));
    EXPECT_EQ(104u, offsetof(ZEM_MQGMO, MsgHandle));

    EXPECT_EQ(248u, sizeof(ZEM_MQAXP));
    EXPECT_EQ(176u, offsetof(ZEM_MQAXP, QMgrName));
    EXPECT_EQ(224u, offsetof(ZEM_MQAXP, ExitChainAreaPtr));
    EXPECT_EQ(228u, offsetof(ZEM_MQAXP, Hconfig));
    EXPECT_EQ(232u, offsetof(ZEM_MQAXP, Function));
    EXPECT_EQ(240u, offsetof(ZEM_MQAXP, ExitMsgHandle));

    EXPECT_EQ(384u, sizeof(ZEM_MQAXC));
    EXPECT_EQ(64u, offsetof(ZEM_MQAXC, ConnectionName));
    EXPECT_EQ(328u, offsetof(ZEM_MQAXC, LongMCAUserIdLength));
    EXPECT_EQ(336u, offsetof(ZEM_MQAXC, LongMCAUserIdPtr));
    EXPECT_EQ(340u, offsetof(ZEM_MQAXC, LongRemoteUserIdPtr));
    EXPECT_EQ(344u, offsetof(ZEM_MQAXC, ApplName));
    EXPECT_EQ(372u, offsetof(ZEM_MQAXC, ApplType));
    EXPECT_EQ(376u, offsetof(ZEM_MQAXC, ProcessId));
    EXPECT_EQ(380u, offsetof(ZEM_MQAXC, ThreadId));
}

// What a printer wrote to a stream of its own.
template <typename Print>
std::string Printed(Print print)
{
    FILE *stream = std::tmpfile();
    if (!stream)
        return "";
    print(stream);
    std::string text;
    std::rewind(stream);
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, stream)) > 0)
        text.append(chunk, n);
    std::fclose(stream);
    return text;
}

// The heading and the offset column of every line, in order: "[0000] StrucId" ...
std::vector<std::string> OffsetsAndNames(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (line.rfind("     [", 0) == 0 && line.size() >= 37)
            lines.push_back(line.substr(5, 7) + line.substr(13, 24));
        else if (line.find("(size: ") != std::string::npos)
            lines.push_back(line);
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

std::string Label(const char *offset, const char *name)
{
    std::string label = std::string("[") + offset + "] " + name;
    label.resize(7 + 24, ' ');
    return label;
}

TEST(Layout32, StructurePrintersShowTheOriginalSizesAndOffsets)
{
    SKIP_UNLESS_32_BIT();
    ZEM_MQOD od{};
    ZEM_MQPMO pmo{};
    ZEM_MQGMO gmo{};
    ZEM_MQAXP axp{};
    ZEM_MQAXC axc{};

    EXPECT_EQ(OffsetsAndNames(Printed([&](FILE *s) { PrintMQOD(&od, s); })),
              (std::vector<std::string>{"MQOD  (size: 400) ->", Label("0000", "StrucId"), Label("0004", "Version"),
                                        Label("0008", "ObjectType"), Label("000C", "ObjectName"),
                                        Label("003C", "ObjectQMgrName"), Label("006C", "DynamicQName"),
                                        Label("00F0", "ResolvedQName"), Label("0120", "ResolvedQMgrName")}));
    EXPECT_EQ(OffsetsAndNames(Printed([&](FILE *s) { PrintPMO(s, &pmo); })),
              (std::vector<std::string>{"PMO  (size: 176) ->", Label("0000", "StrucId"), Label("0004", "Version"),
                                        Label("0008", "Options"), Label("0010", "Context"),
                                        Label("0020", "ResolvedQName"), Label("0050", "ResolvedQMgrName")}));
    EXPECT_EQ(OffsetsAndNames(Printed([&](FILE *s) { PrintGMO(s, &gmo); })),
              (std::vector<std::string>{"GMO  (size: 112) ->", Label("0000", "StrucId"), Label("0004", "Version"),
                                        Label("0008", "Options"), Label("000C", "WaitInterval"),
                                        Label("0018", "ResolvedQName"), Label("0060", "ReturnedLength")}));
    EXPECT_EQ(OffsetsAndNames(Printed([&](FILE *s) { PrintMQAxpInfo(s, &axp); })),
              (std::vector<std::string>{
                  "MQAXP  (size: 248) ->", Label("0000", "StrucId"), Label("0004", "Version"),
                  Label("0008", "ExitId"), Label("000C", "ExitReason"), Label("0010", "ExitResponse"),
                  Label("0014", "ExitResponse2"), Label("0018", "Feedback"), Label("001C", "APICallerType"),
                  Label("0020", "ExitUserArea"), Label("0030", "ExitData"), Label("0050", "ExitInfoName"),
                  Label("0080", "ExitPDArea"), Label("00B0", "QMgrName"), Label("00E0", "ExitChainAreaPtr"),
                  Label("00E4", "Hconfig"), Label("00E8", "Function")}));
    EXPECT_EQ(OffsetsAndNames(Printed([&](FILE *s) { PrintMQAxcInfo(s, &axc); })),
              (std::vector<std::string>{
                  "MQAXC  (size: 384) ->", Label("0000", "StrucId"), Label("0004", "Version"),
                  Label("0008", "Environment"), Label("000C", "UserId"), Label("0018", "SecurityId"),
                  Label("0040", "ConnectionName"), Label("0148", "LongMCAUserIdLength"),
                  Label("014C", "LongRemoteUserIdLength"), Label("0150", "LongMCAUserIdPtr"),
                  Label("0154", "LongRemoteUserIdPtr"), Label("0158", "ApplName"), Label("0174", "ApplType"),
                  Label("0178", "ProcessId"), Label("017C", "ThreadId")}));
}

TEST(Layout32, MessageDescriptorPrinterShowsTheOriginalSizeAndOffsets)
{
    SKIP_UNLESS_32_BIT();
    ZEM_MQMD md{};
    std::vector<std::string> lines = OffsetsAndNames(Printed([&](FILE *s) { PrintMQMD(&md, s); }));
    ASSERT_EQ(25u, lines.size());
    EXPECT_EQ("MQMD  (size: 364) ->", lines[0]);
    EXPECT_EQ(Label("0030", "MsgId"), lines[12]);
    EXPECT_EQ(Label("00D0", "AccountingToken"), lines[18]);
    EXPECT_EQ(Label("0140", "ApplOriginData"), lines[24]);
}

}  // namespace

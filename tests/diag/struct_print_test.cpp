#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "zemapi.h"

namespace {

std::string Comparable(const std::string &listing)
{
    static const std::regex offset("\\[[0-9A-F]{4}\\]|\\(size: [0-9]+\\)");
    return sizeof(void *) == 8 ? listing : std::regex_replace(listing, offset, "[..]");
}

// What a printer wrote to a stream of its own; its result must be the flush's 0. The
// listings below are a 64-bit build's: elsewhere offsets and sizes are masked (the 32-bit
// layouts are checked at compile time, and the printer takes offsets from offsetof).
std::string Printed(const std::function<int(FILE *)> &print)
{
    FILE *stream = std::tmpfile();
    EXPECT_NE(stream, nullptr);
    EXPECT_EQ(print(stream), 0);
    std::rewind(stream);
    std::string text;
    for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream))
        text += static_cast<char>(c);
    std::fclose(stream);
    return Comparable(text);
}

// Fills a fixed-width field: the text, then `fill` up to the width.
template <std::size_t Width>
void Put(char (&field)[Width], const char *text, char fill = ' ')
{
    std::memset(field, fill, Width);
    std::memcpy(field, text, std::strlen(text));
}

std::string Pointer(const void *pointer)
{
    char text[32];
    std::snprintf(text, sizeof text, "%p", pointer);
    return text;
}

const std::string kSampleMd =
    "\n"
    "MQMD  (size: 364) ->\n"
    "     [0000]  StrucId                  - MD  \n"
    "     [0004]  Version                  - 2           (0x00000002)\n"
    "     [0008]  Report                   - 0           (0x00000000)\n"
    "     [000C]  MsgType                  - 8           (DATAGRAM)\n"
    "     [0010]  Expiry                   - -1          (0xFFFFFFFF)\n"
    "     [0014]  Feedback                 - 256         (QUIT)\n"
    "     [0018]  Encoding                 - 546         (0x00000222)\n"
    "     [001C]  CodedCharSetId           - 1208        (0x000004B8)\n"
    "     [0020]  Format                   - MQSTR   \n"
    "     [0028]  Priority                 - 5           (0x00000005)\n"
    "     [002C]  Persistence              - 1           (MQPER_PERSISTENT)\n"
    "     [0030]  MsgId                    - \n"
    "     [0048]  CorrelId                 - A M Q   Q M 1   \n"
    "                                        414D5120514D3120\n"
    "                                        . . . . . . . . \n"
    "                                        0102030405060708\n"
    "                                        . . . . . . . . \n"
    "                                        090A0B0C0D0E0F10\n"
    "     [0060]  BackoutCount             - 2           (0x00000002)\n"
    "     [0064]  ReplyToQ                 - REPLY.Q                                         \n"
    "     [0094]  ReplyToQMgr              - QM1\n"
    "     [00C4]  UserIdentifier           - mqm         \n"
    "     [00D0]  AccountingToken          - \n"
    "     [00F0]  ApplIdentityData         -                                 \n"
    "     [0110]  PutApplType              - 6           (UNIX)\n"
    "     [0114]  PutApplName              - amqsput                     \n"
    "     [0130]  PutDate                  - 20240611\n"
    "     [0138]  PutTime                  - 12345678\n"
    "     [0140]  ApplOriginData           -     \n";

TEST(StructPrint, MqmdPrintsEveryVersionOneFieldWithNamesInEitherArgumentOrder)
{
    ZEM_MQMD md{};
    std::memcpy(md.StrucId, "MD  ", 4);
    md.Version = 2;
    md.MsgType = 8;
    md.Expiry = -1;
    md.Feedback = 256;
    md.Encoding = 546;
    md.CodedCharSetId = 1208;
    std::memcpy(md.Format, "MQSTR   ", 8);
    md.Priority = 5;
    md.Persistence = 1;
    // A MsgId whose first 8 bytes are zero prints as if it were all zero.
    std::memcpy(md.MsgId + 8, "0123456789ABCDEF", 16);
    std::memcpy(md.CorrelId, "AMQ QM1 ", 8);
    for (int i = 0; i < 16; ++i)
        md.CorrelId[8 + i] = static_cast<unsigned char>(i + 1);
    md.BackoutCount = 2;
    Put(md.ReplyToQ, "REPLY.Q");
    Put(md.ReplyToQMgr, "QM1", '\0');
    Put(md.UserIdentifier, "mqm");
    md.AccountingToken[20] = 7;
    Put(md.ApplIdentityData, "");
    md.PutApplType = 6;
    Put(md.PutApplName, "amqsput");
    std::memcpy(md.PutDate, "20240611", 8);
    std::memcpy(md.PutTime, "12345678", 8);
    Put(md.ApplOriginData, "");
    EXPECT_EQ(Printed([&](FILE *stream) { return PrintMQMD(&md, stream); }), Comparable(kSampleMd));
    EXPECT_EQ(Printed([&](FILE *stream) { return PrintMQMDFile(stream, &md); }), Comparable(kSampleMd));
}

TEST(StructPrint, ObjectDescriptorPrintsItsNamesAtTheNativeOffsetsAndPutAndGetOptionsTheirFields)
{
    ZEM_MQOD od{};
    std::memcpy(od.StrucId, "OD  ", 4);
    od.Version = 4;
    od.ObjectType = 1;
    Put(od.ObjectName, "SYSTEM.DEFAULT.LOCAL.QUEUE", '\0');
    Put(od.ObjectQMgrName, "QM1");
    Put(od.DynamicQName, "AMQ.*", '\0');
    Put(od.ResolvedQName, "RESOLVED.Q", '\0');
    Put(od.ResolvedQMgrName, "QM2", '\0');
    EXPECT_EQ(Printed([&](FILE *stream) { return PrintMQOD(&od, stream); }),
              Comparable("\n"
                         "MQOD  (size: 424) ->\n"
                         "     [0000]  StrucId                  - OD  \n"
                         "     [0004]  Version                  - 4           (0x00000004)\n"
                         "     [0008]  ObjectType               - 1           (MQOT_Q)\n"
                         "     [000C]  ObjectName               - SYSTEM.DEFAULT.LOCAL.QUEUE\n"
                         "     [003C]  ObjectQMgrName           - QM1                                             \n"
                         "     [006C]  DynamicQName             - AMQ.*\n"
                         "     [00F8]  ResolvedQName            - RESOLVED.Q\n"
                         "     [0128]  ResolvedQMgrName         - QM2\n"));

    // The put and get options print through the same field shapes: their headings and field counts.
    ZEM_MQPMO pmo{};
    ZEM_MQGMO gmo{};
    const std::pair<std::string, std::string> others[] = {
        {Printed([&](FILE *stream) { return PrintPMO(stream, &pmo); }), "\nPMO  (size: 184) ->\n"},
        {Printed([&](FILE *stream) { return PrintGMO(stream, &gmo); }), "\nGMO  (size: 112) ->\n"},
    };
    for (const auto &[listing, heading] : others) {
        EXPECT_EQ(listing.rfind(Comparable(heading), 0), 0u) << listing;
        EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 2 + 6) << listing;
    }
}

TEST(StructPrint, AxpPrintsExitCodesBytesAndPointers)
{
    int chainArea = 0, configuration = 0;
    ZEM_MQAXP axp{};
    std::memcpy(axp.StrucId, "AXP ", 4);
    axp.Version = 2;
    axp.ExitId = 2;
    axp.ExitReason = 1;
    axp.ExitResponse2 = 12;
    axp.APICallerType = 1;
    std::memcpy(axp.ExitUserArea, "USERAREA12345678", 16);
    Put(axp.ExitData, "exitdata");
    Put(axp.ExitInfoName, "ApiExit", '\0');
    Put(axp.QMgrName, "QM1", '\0');
    axp.ExitChainAreaPtr = &chainArea;
    axp.Hconfig = &configuration;
    axp.Function = 9;
    axp.ExitMsgHandle = 42;
    EXPECT_EQ(Printed([&](FILE *stream) { return PrintMQAxpInfo(stream, &axp); }),
              Comparable("\n"
                         "MQAXP  (size: 256) ->\n"
                         "     [0000]  StrucId                  - AXP \n"
                         "     [0004]  Version                  - 2           (0x00000002)\n"
                         "     [0008]  ExitId                   - 2           (MQXT_API_EXIT)\n"
                         "     [000C]  ExitReason               - 1           (MQXR_BEFORE)\n"
                         "     [0010]  ExitResponse             - 0           (MQXCC_OK)\n"
                         "     [0014]  ExitResponse2            - 12          (12)\n"
                         "     [0018]  Feedback                 - 0           (NONE)\n"
                         "     [001C]  APICallerType            - 1           (MQXACT_EXTERNAL)\n"
                         "     [0020]  ExitUserArea             - U S E R A R E A \n"
                         "                                        5553455241524541\n"
                         "                                        1 2 3 4 5 6 7 8 \n"
                         "                                        3132333435363738\n"
                         "     [0030]  ExitData                 - exitdata                        \n"
                         "     [0050]  ExitInfoName             - ApiExit\n"
                         "     [0080]  ExitPDArea               - \n"
                         "     [00B0]  QMgrName                 - QM1\n"
                         "     [00E0]  ExitChainAreaPtr         - " + Pointer(&chainArea) + "\n"
                         "     [00E8]  Hconfig                  - " + Pointer(&configuration) + "\n"
                         "     [00F0]  Function                 - 9           (MQPUT)\n"));
}

TEST(StructPrint, AxcPrintsTheLongestTextAndASecurityId)
{
    char mcaUser[] = "mcauser", remoteUser[] = "remote";
    ZEM_MQAXC axc{};
    std::memcpy(axc.StrucId, "AXC ", 4);
    axc.Version = 1;
    axc.Environment = 2;
    Put(axc.UserId, "app");
    for (int i = 0; i < 40; ++i)
        axc.SecurityId[i] = static_cast<unsigned char>(i + 1);
    Put(axc.ConnectionName, "10.0.0.1(1414)", '\0');
    axc.LongRemoteUserIdLength = 5;
    axc.LongMCAUserIdPtr = mcaUser;
    axc.LongRemoteUserIdPtr = remoteUser;
    Put(axc.ApplName, "amqsput");
    axc.ApplType = 6;
    axc.ProcessId = 4242;
    axc.ThreadId = 7;
    EXPECT_EQ(Printed([&](FILE *stream) { return PrintMQAxcInfo(stream, &axc); }),
              Comparable("\n"
                         "MQAXC  (size: 392) ->\n"
                         "     [0000]  StrucId                  - AXC \n"
                         "     [0004]  Version                  - 1           (0x00000001)\n"
                         "     [0008]  Environment              - 2           (MQXE_MCA_SVRCONN)\n"
                         "     [000C]  UserId                   - app         \n"
                         "     [0018]  SecurityId               - . . . . . . . . \n"
                         "                                        0102030405060708\n"
                         "                                        . . . . . . . . \n"
                         "                                        090A0B0C0D0E0F10\n"
                         "                                        . . . . . . . . \n"
                         "                                        1112131415161718\n"
                         "                                        . . . . . . .   \n"
                         "                                        191A1B1C1D1E1F20\n"
                         "                                        ! \" # $ % & ' ( \n"
                         "                                        2122232425262728\n"
                         "     [0040]  ConnectionName           - 10.0.0.1(1414)\n"
                         "     [0148]  LongMCAUserIdLength      - 0           (0x00000000)\n"
                         "     [014C]  LongRemoteUserIdLength   - 5           (0x00000005)\n"
                         "     [0150]  LongMCAUserIdPtr         - " + Pointer(mcaUser) + "\n"
                         "     [0158]  LongRemoteUserIdPtr      - " + Pointer(remoteUser) + "\n"
                         "     [0160]  ApplName                 - amqsput                     \n"
                         "     [017C]  ApplType                 - 6           (UNIX)\n"
                         "     [0180]  ProcessId                - 4242        (0x00001092)\n"
                         "     [0184]  ThreadId                 - 7           (0x00000007)\n"));
}

TEST(StructPrint, TextFieldsFillingTheirWidthAreNotOverrunAndNullArgumentsPrintNothing)
{
    ZEM_MQAXC axc;
    std::memset(&axc, 'C', sizeof axc);
    std::string printed = Printed([&](FILE *stream) { return PrintMQAxcInfo(stream, &axc); });
    EXPECT_NE(printed.find("ConnectionName           - " + std::string(264, 'C') + "\n"), std::string::npos);
    EXPECT_NE(printed.find("UserId                   - CCCCCCCCCCCC\n"), std::string::npos);
    EXPECT_NE(printed.find("StrucId                  - CCCC\n"), std::string::npos);

    EXPECT_EQ(Printed([](FILE *stream) { return PrintMQMD(nullptr, stream) == EOF ? 0 : 1; }), "");
    ZEM_MQMD md{};
    EXPECT_EQ(PrintMQMD(&md, nullptr), EOF);
    EXPECT_EQ(PrintGMO(nullptr, nullptr), EOF);
}

}  // namespace

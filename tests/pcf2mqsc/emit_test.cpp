// How the writer puts each kind of keyword, value format, separator and line break.
#include <gtest/gtest.h>

#include <string>

#include "conversion_helpers.h"
#include "foundation/mq_constants.h"
#include "pcf_builders.h"

using p2mtest::Convert;
using p2mtest::Padded;
using zemtest::PcfBytes;
namespace mq = zem::mq;

namespace {

// DEFINE QLOCAL('Q1') followed by the given parameters (count excludes type and name).
PcfBytes DefineLocalQueue(int32_t moreParameters)
{
    return PcfBytes()
        .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_CREATE_Q, 2 + moreParameters)
        .Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL)
        .Cfst(mq::MQCA_Q_NAME, Padded("Q1", 48));
}

PcfBytes InquireQueue(int32_t moreParameters)
{
    return PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 1 + moreParameters).Cfst(mq::MQCA_Q_NAME, "Q1");
}

PcfBytes DefineNamelist(int32_t moreParameters)
{
    return PcfBytes()
        .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_CREATE_NAMELIST, 1 + moreParameters)
        .Cfst(mq::MQCA_NAMELIST_NAME, "NL1");
}

std::string TextOf(const PcfBytes &bytes, bool splitLines = false)
{
    auto result = Convert(bytes.bytes(), splitLines, 40000);
    EXPECT_EQ(result.compCode, 0) << "reason " << result.reason;
    return result.text;
}

TEST(EmitMqsc, EachRecordTypeOfTheCreateQueueCommand)
{
    // Positional enumeration and quoted name glued on, a bare empty-named enumeration, a
    // quoted string, a bare value keyword, an integer and a flag-like value keyword.
    auto bytes = DefineLocalQueue(5)
                     .Cfin(mq::MQIACF_REPLACE, 1)
                     .Cfst(mq::MQCA_Q_DESC, "Payroll input   ")
                     .Cfin(mq::MQIA_SHAREABILITY, 0)
                     .Cfin(mq::MQIA_MAX_Q_DEPTH, 5000)
                     .Cfin(mq::MQIA_TRIGGER_CONTROL, 1);
    EXPECT_EQ(TextOf(bytes), "DEFINE QLOCAL('Q1') REPLACE DESCR('Payroll input') NOSHARE MAXDEPTH(5000) TRIGGER");
}

TEST(EmitMqsc, FlagIsWrittenAloneWhateverItsInteger)
{
    auto bytes = PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_CHANGE_Q_MGR, 1).Cfin(mq::MQIACF_FORCE, 7);
    EXPECT_EQ(TextOf(bytes), "ALTER QMGR FORCE");
}

TEST(EmitMqsc, StringFormats)
{
    // "('%s')" quotes, "(%s)" only brackets; trailing blanks go, leading and inner stay.
    auto quoted = DefineLocalQueue(1).Cfst(mq::MQCA_Q_DESC, "  two  words  ");
    EXPECT_EQ(TextOf(quoted), "DEFINE QLOCAL('Q1') DESCR('  two  words')");
    auto bracketed = InquireQueue(1).Cfst(mq::MQCACF_COMMAND_SCOPE, Padded("QM2", 48));
    EXPECT_EQ(TextOf(bracketed), "DISPLAY QUEUE('Q1') CMDSCOPE(QM2)");
}

TEST(EmitMqsc, BlankValueIsOneBlank)
{
    EXPECT_EQ(TextOf(DefineLocalQueue(1).Cfst(mq::MQCA_Q_DESC, "    ")), "DEFINE QLOCAL('Q1') DESCR(' ')");
    EXPECT_EQ(TextOf(DefineLocalQueue(1).Cfst(mq::MQCA_Q_DESC, "")), "DEFINE QLOCAL('Q1') DESCR(' ')");
    EXPECT_EQ(TextOf(InquireQueue(1).Cfst(mq::MQCACF_COMMAND_SCOPE, "")), "DISPLAY QUEUE('Q1') CMDSCOPE( )");
}

TEST(EmitMqsc, ApostropheIsCopiedOnce)
{
    EXPECT_EQ(TextOf(DefineLocalQueue(1).Cfst(mq::MQCA_Q_DESC, "it's")), "DEFINE QLOCAL('Q1') DESCR('it's')");
}

TEST(EmitMqsc, StringValueStopsAtItsFirstNul)
{
    auto bytes = DefineLocalQueue(1).Cfst(mq::MQCA_Q_DESC, std::string("AB\0CD", 5));
    EXPECT_EQ(TextOf(bytes), "DEFINE QLOCAL('Q1') DESCR('AB')");
}

TEST(EmitMqsc, EnumerationWithBracketsAndPositional)
{
    EXPECT_EQ(TextOf(InquireQueue(1).Cfin(mq::MQIA_Q_TYPE, mq::MQQT_REMOTE)), "DISPLAY QUEUE('Q1') TYPE(QREMOTE)");
    auto alias = PcfBytes()
                     .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_CREATE_Q, 2)
                     .Cfst(mq::MQCA_Q_NAME, "A1")
                     .Cfin(mq::MQIA_Q_TYPE, mq::MQQT_ALIAS);
    EXPECT_EQ(TextOf(alias), "DEFINE QALIAS('A1')");
}

TEST(EmitMqsc, EnumerationValueNotInItsListIsDropped)
{
    EXPECT_EQ(TextOf(InquireQueue(1).Cfin(mq::MQIA_Q_TYPE, 99)), "DISPLAY QUEUE('Q1')");
}

TEST(EmitMqsc, StringListInItsFormat)
{
    // The blank item adds nothing; B C is cut at its blank.
    auto bytes = DefineNamelist(1).Cfsl(mq::MQCA_NAMES, {"A", "  ", "B C"}, 8);
    EXPECT_EQ(TextOf(bytes), "DEFINE NAMELIST('NL1') NAMES('A', 'B')");
}

TEST(EmitMqsc, StringListWhoseLastItemIsBlankEndsInAComma)
{
    auto bytes = DefineNamelist(1).Cfsl(mq::MQCA_NAMES, {"A", "B", ""}, 8);
    EXPECT_EQ(TextOf(bytes), "DEFINE NAMELIST('NL1') NAMES('A', 'B',)");
}

TEST(EmitMqsc, StringListWithoutItemsWritesNothing)
{
    auto bytes = DefineNamelist(1).Cfsl(mq::MQCA_NAMES, {}, 48);
    EXPECT_EQ(TextOf(bytes), "DEFINE NAMELIST('NL1')");
}

TEST(EmitMqsc, EnumerationListFromAStringList)
{
    auto bytes = PcfBytes()
                     .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_CREATE_CHANNEL, 3)
                     .Cfst(mq::MQCACH_CHANNEL_NAME, "C1")
                     .Cfin(mq::MQIACH_CHANNEL_TYPE, mq::MQCHT_SENDER)
                     .Cfsl(mq::MQIACH_HDR_COMPRESSION, {"SYSTEM", "NONE"}, 8);
    EXPECT_EQ(TextOf(bytes), "DEFINE CHANNEL('C1') CHLTYPE(SDR) COMPHDR('SYSTEM', 'NONE')");
}

TEST(EmitMqsc, SeparatorStarGluesTheNextItemOn)
{
    EXPECT_EQ(TextOf(DefineNamelist(0)), "DEFINE NAMELIST('NL1')");
    auto described = DefineNamelist(2).Cfst(mq::MQCA_NAMELIST_DESC, "d").Cfin(mq::MQIACF_REPLACE, 0);
    EXPECT_EQ(TextOf(described), "DEFINE NAMELIST('NL1') NOREPLACE DESCR('d')");
}

TEST(EmitMqsc, EntriesBehindTheInnerEndAreNeverWritten)
{
    auto bytes = DefineNamelist(2).Cfst(mq::MQCACF_COMMAND_SCOPE, "QM2").Cfsl(mq::MQCA_NAMES, {"A"}, 4);
    EXPECT_EQ(TextOf(bytes), "DEFINE NAMELIST('NL1') NAMES('A')");
}

TEST(EmitMqsc, ContinuationLines)
{
    // Three items stay on one line.
    EXPECT_EQ(TextOf(InquireQueue(1).Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL), true), "DISPLAY QUEUE('Q1') TYPE(QLOCAL)");
    // The glued name is the third item; the fourth starts the second line.
    auto define = DefineLocalQueue(2).Cfin(mq::MQIACF_REPLACE, 1).Cfst(mq::MQCA_Q_DESC, "x");
    EXPECT_EQ(TextOf(define, true), "DEFINE QLOCAL('Q1') +\nREPLACE +\nDESCR('x')");
    // A line break after a glued item ends the line in "+" alone.
    auto namelist = DefineNamelist(3).Cfin(mq::MQIACF_REPLACE, 1).Cfst(mq::MQCA_NAMELIST_DESC, "d").Cfsl(mq::MQCA_NAMES, {"A"}, 4);
    EXPECT_EQ(TextOf(namelist, true), "DEFINE NAMELIST('NL1') REPLACE +\nDESCR('d') +\nNAMES('A')");
    EXPECT_EQ(TextOf(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_PING_Q_MGR, 0), true), "PING QMGR");
}

TEST(EmitMqsc, UnlimitedExpiryAndAutomaticKeepAlive)
{
    auto subscription = [](int32_t expiry) {
        return PcfBytes()
            .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_CREATE_SUBSCRIPTION, 2)
            .Cfst(mq::MQCACF_SUB_NAME, "S1")
            .Cfin(mq::MQIACF_EXPIRY, expiry);
    };
    EXPECT_EQ(TextOf(subscription(-1)), "DEFINE SUB('S1') EXPIRY(UNLIMITED)");
    EXPECT_EQ(TextOf(subscription(-2)), "DEFINE SUB('S1') EXPIRY(-2)");
    EXPECT_EQ(TextOf(subscription(600)), "DEFINE SUB('S1') EXPIRY(600)");

    auto channel = [](int32_t interval) {
        return PcfBytes()
            .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_CREATE_CHANNEL, 3)
            .Cfst(mq::MQCACH_CHANNEL_NAME, "C1")
            .Cfin(mq::MQIACH_CHANNEL_TYPE, mq::MQCHT_SENDER)
            .Cfin(mq::MQIACH_KEEP_ALIVE_INTERVAL, interval);
    };
    EXPECT_EQ(TextOf(channel(-1)), "DEFINE CHANNEL('C1') CHLTYPE(SDR) KAINT(AUTO)");
    EXPECT_EQ(TextOf(channel(300)), "DEFINE CHANNEL('C1') CHLTYPE(SDR) KAINT(300)");
}

TEST(EmitMqsc, MessageDeliverySequenceOfTheChangeQueueCommandIsAValueKeyword)
{
    auto bytes = PcfBytes()
                     .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_CHANGE_Q, 3)
                     .Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL)
                     .Cfst(mq::MQCA_Q_NAME, "Q1")
                     .Cfin(mq::MQIA_MSG_DELIVERY_SEQUENCE, mq::MQMDS_FIFO);
    EXPECT_EQ(TextOf(bytes), "ALTER QLOCAL('Q1') MSGDLVSQ(FIFO)");
}

TEST(EmitMqsc, EmptyNamedKeywordsAreBareWords)
{
    EXPECT_EQ(TextOf(DefineLocalQueue(1).Cfin(mq::MQIACF_REPLACE, 1)), "DEFINE QLOCAL('Q1') REPLACE");
    EXPECT_EQ(TextOf(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 10631, 1).Cfin(20631, 1)), "ARCHIVE LOG CANCEL OFFLOAD");
    EXPECT_EQ(TextOf(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 10633, 1).Cfin(20634, 1)), "SET LOG DEFAULT");
}

TEST(EmitMqsc, SelectorsWhoseIdsEqualACommandCodeAreWritten)
{
    // CCSID is attribute 2 and MAXMSGL attribute 13, the codes of the two inquiries.
    auto qmgr = PcfBytes()
                    .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q_MGR, 1)
                    .Cfil(mq::MQIACF_Q_MGR_ATTRS, {mq::MQIA_MAX_MSG_LENGTH, mq::MQIA_CODED_CHAR_SET_ID});
    EXPECT_EQ(TextOf(qmgr), "DISPLAY QMGR CCSID MAXMSGL");
    auto queue = InquireQueue(1).Cfil(mq::MQIACF_Q_ATTRS, {mq::MQIA_MAX_MSG_LENGTH});
    EXPECT_EQ(TextOf(queue), "DISPLAY QUEUE('Q1') MAXMSGL");
}

TEST(EmitMqsc, SelectorListEndsAtItsFirstUnknownValue)
{
    auto bytes = InquireQueue(1).Cfil(mq::MQIACF_Q_ATTRS, {mq::MQCA_Q_DESC, 99999, mq::MQIA_CURRENT_Q_DEPTH});
    EXPECT_EQ(TextOf(bytes), "DISPLAY QUEUE('Q1') DESCR");
}

TEST(EmitMqsc, EnumerationMarkedOnlyBySelectorIsWrittenBare)
{
    auto bytes = InquireQueue(1).Cfil(mq::MQIACF_Q_ATTRS, {mq::MQIA_Q_TYPE, mq::MQCA_Q_DESC});
    EXPECT_EQ(TextOf(bytes), "DISPLAY QUEUE('Q1') TYPE DESCR");
    // With a value of its own as well, the value is written.
    auto valued = InquireQueue(2).Cfil(mq::MQIACF_Q_ATTRS, {mq::MQIA_Q_TYPE}).Cfin(mq::MQIA_Q_TYPE, mq::MQQT_MODEL);
    EXPECT_EQ(TextOf(valued), "DISPLAY QUEUE('Q1') TYPE(QMODEL)");
}

TEST(EmitMqsc, IntegerMarkedOnlyBySelectorIsWrittenBare)
{
    // DEFINE's MAXDEPTH writes its value; a selector gives it none of this conversion.
    auto bytes = DefineLocalQueue(1).Cfil(mq::MQIACF_Q_ATTRS, {mq::MQIA_MAX_Q_DEPTH});
    EXPECT_EQ(TextOf(bytes), "DEFINE QLOCAL('Q1') MAXDEPTH");
    auto zero = DefineLocalQueue(1).Cfin(mq::MQIA_MAX_Q_DEPTH, 0);
    EXPECT_EQ(TextOf(zero), "DEFINE QLOCAL('Q1') MAXDEPTH(0)");
}

TEST(EmitMqsc, StructureOfTheWrongKindForItsKeywordIsDropped)
{
    auto stringForEnumeration = InquireQueue(1).Cfst(mq::MQIA_Q_TYPE, "QLOCAL");
    EXPECT_EQ(TextOf(stringForEnumeration), "DISPLAY QUEUE('Q1')");
    auto integerForString = DefineLocalQueue(1).Cfin(mq::MQCA_Q_DESC, 42);
    EXPECT_EQ(TextOf(integerForString), "DEFINE QLOCAL('Q1')");
    auto stringForInteger = DefineLocalQueue(1).Cfst(mq::MQIA_MAX_Q_DEPTH, "5000");
    EXPECT_EQ(TextOf(stringForInteger), "DEFINE QLOCAL('Q1')");
}

TEST(EmitMqsc, UnknownIntegerAndStringParametersAreDropped)
{
    auto bytes = InquireQueue(3).Cfin(99999, 1).Cfst(99998, "x").Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL);
    EXPECT_EQ(TextOf(bytes), "DISPLAY QUEUE('Q1') TYPE(QLOCAL)");
}

TEST(EmitMqsc, StringFilterAndBlankedStructuresArePassedOver)
{
    auto bytes = InquireQueue(3)
                     .Cfsf(mq::MQCA_Q_DESC, mq::MQCFOP_LIKE, "PAY*")
                     .Words({0, 12, 20})
                     .Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL);
    EXPECT_EQ(TextOf(bytes), "DISPLAY QUEUE('Q1') TYPE(QLOCAL)");
}

TEST(EmitMqsc, ValueLongerThanTheItemAreaIsCut)
{
    // The item " DESCR('...')" may hold 15999 characters: 15989 of them for the value.
    auto bytes = DefineLocalQueue(1).Cfst(mq::MQCA_Q_DESC, std::string(20000, 'x'));
    EXPECT_EQ(TextOf(bytes), "DEFINE QLOCAL('Q1') DESCR('" + std::string(15989, 'x') + "')");
}

}  // namespace

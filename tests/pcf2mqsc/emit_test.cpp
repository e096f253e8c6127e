// How the writer puts each kind of keyword, value format, separator and line break.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pcf2mqsc_conversion.h"
#include "foundation/mq_constants.h"
#include "pcf_builders.h"

using p2mtest::Padded;
using zemtest::PcfBytes;
namespace mq = zem::mq;

namespace {

PcfBytes Command(int32_t code, int32_t parameterCount)
{
    return PcfBytes().Cfh(ZEM_MQCFT_COMMAND, code, parameterCount);
}
// DEFINE QLOCAL('Q1'), DISPLAY QUEUE('Q1'), DEFINE NAMELIST('NL1'), DEFINE CHANNEL('C1')
// CHLTYPE(SDR) and DEFINE SUB('S1'), each followed by `more` parameters.
PcfBytes DefineQueue(int32_t more)
{
    return Command(mq::MQCMD_CREATE_Q, 2 + more).Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL).Cfst(mq::MQCA_Q_NAME, Padded("Q1", 48));
}
PcfBytes InquireQueue(int32_t more) { return Command(mq::MQCMD_INQUIRE_Q, 1 + more).Cfst(mq::MQCA_Q_NAME, "Q1"); }
PcfBytes DefineNamelist(int32_t more) { return Command(mq::MQCMD_CREATE_NAMELIST, 1 + more).Cfst(mq::MQCA_NAMELIST_NAME, "NL1"); }
PcfBytes DefineChannel(int32_t more)
{
    return Command(mq::MQCMD_CREATE_CHANNEL, 2 + more).Cfst(mq::MQCACH_CHANNEL_NAME, "C1")
        .Cfin(mq::MQIACH_CHANNEL_TYPE, mq::MQCHT_SENDER);
}
PcfBytes DefineSub() { return Command(mq::MQCMD_CREATE_SUBSCRIPTION, 2).Cfst(mq::MQCACF_SUB_NAME, "S1"); }

TEST(EmitMqsc, KeywordsValuesSeparatorsAndSelectors)
{
    const struct {
        const char *what;
        PcfBytes bytes;
        std::string text;
        bool split = false;
    } cases[] = {
        {"positional enumeration, glued quoted name, bare empty-named enumerations, quoted string, integer",
         DefineQueue(5).Cfin(mq::MQIACF_REPLACE, 1).Cfst(mq::MQCA_Q_DESC, "Payroll input   ").Cfin(mq::MQIA_SHAREABILITY, 0)
             .Cfin(mq::MQIA_MAX_Q_DEPTH, 5000).Cfin(mq::MQIA_TRIGGER_CONTROL, 1),
         "DEFINE QLOCAL('Q1') REPLACE DESCR('Payroll input') NOSHARE MAXDEPTH(5000) TRIGGER"},
        {"flag whatever its integer", Command(mq::MQCMD_CHANGE_Q_MGR, 1).Cfin(mq::MQIACF_FORCE, 7), "ALTER QMGR FORCE"},
        {"string in brackets only", InquireQueue(1).Cfst(mq::MQCACF_COMMAND_SCOPE, Padded("QM2", 48)),
         "DISPLAY QUEUE('Q1') CMDSCOPE(QM2)"},
        {"string list", DefineNamelist(1).Cfsl(mq::MQCA_NAMES, {"A", "  ", "B C"}, 8), "DEFINE NAMELIST('NL1') NAMES('A', 'B')"},
        {"string list ending in a blank item", DefineNamelist(1).Cfsl(mq::MQCA_NAMES, {"A", "B", ""}, 8),
         "DEFINE NAMELIST('NL1') NAMES('A', 'B',)"},
        {"string list without items", DefineNamelist(1).Cfsl(mq::MQCA_NAMES, {}, 48), "DEFINE NAMELIST('NL1')"},
        {"enumeration list", DefineChannel(1).Cfsl(mq::MQIACH_HDR_COMPRESSION, {"SYSTEM", "NONE"}, 8),
         "DEFINE CHANNEL('C1') CHLTYPE(SDR) COMPHDR('SYSTEM', 'NONE')"},
        // as IBM's PCF has it: the integers of the values; one the keyword lacks ends the list
        {"enumeration list as integers",
         DefineChannel(2).Cfil(mq::MQIACH_HDR_COMPRESSION, {mq::MQCOMPRESS_SYSTEM, mq::MQCOMPRESS_NONE})
             .Cfil(mq::MQIACH_MSG_COMPRESSION, {mq::MQCOMPRESS_RLE, 77, mq::MQCOMPRESS_ANY}),
         "DEFINE CHANNEL('C1') CHLTYPE(SDR) COMPHDR(SYSTEM,NONE) COMPMSG(RLE)"},
        {"attributes of current channels",
         DefineChannel(4).Cfin(mq::MQIACH_DEF_CHANNEL_DISP, mq::MQCHLD_PRIVATE)
             .Cfin(mq::MQIA_PROPERTY_CONTROL, mq::MQPROP_COMPATIBILITY).Cfin(mq::MQIACH_BATCH_DATA_LIMIT, 5000)
             .Cfin(mq::MQIA_USE_DEAD_LETTER_Q, mq::MQUSEDLQ_YES),
         "DEFINE CHANNEL('C1') CHLTYPE(SDR) DEFCDISP(PRIVATE) PROPCTL(COMPAT) BATCHLIM(5000) USEDLQ(YES)"},
        {"attributes of current client channels",
         Command(mq::MQCMD_CREATE_CHANNEL, 5).Cfst(mq::MQCACH_CHANNEL_NAME, "C2")
             .Cfin(mq::MQIACH_CHANNEL_TYPE, mq::MQCHT_CLNTCONN).Cfst(mq::MQCA_Q_MGR_NAME, "QM1")
             .Cfin(mq::MQIACH_DEF_RECONNECT, mq::MQRCN_Q_MGR).Cfst(mq::MQCA_CERT_LABEL, ""),
         "DEFINE CHANNEL('C2') CHLTYPE(CLNTCONN) QMNAME('QM1') DEFRECON(QMGR) CERTLABL(' ')"},
        {"delivery sequence of ALTER as a value keyword",
         Command(mq::MQCMD_CHANGE_Q, 3).Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL).Cfst(mq::MQCA_Q_NAME, "Q1")
             .Cfin(mq::MQIA_MSG_DELIVERY_SEQUENCE, mq::MQMDS_FIFO),
         "ALTER QLOCAL('Q1') MSGDLVSQ(FIFO)"},
        {"leading and inner blanks stay", DefineQueue(1).Cfst(mq::MQCA_Q_DESC, "  two  words  "),
         "DEFINE QLOCAL('Q1') DESCR('  two  words')"},
        {"blanks only", DefineQueue(1).Cfst(mq::MQCA_Q_DESC, "    "), "DEFINE QLOCAL('Q1') DESCR(' ')"},
        {"empty", DefineQueue(1).Cfst(mq::MQCA_Q_DESC, ""), "DEFINE QLOCAL('Q1') DESCR(' ')"},
        {"empty in brackets", InquireQueue(1).Cfst(mq::MQCACF_COMMAND_SCOPE, ""), "DISPLAY QUEUE('Q1') CMDSCOPE( )"},
        // an apostrophe inside a quoted value is written twice, so the value never leaves its quotes
        {"apostrophe", DefineQueue(1).Cfst(mq::MQCA_Q_DESC, "Bob's queue"), "DEFINE QLOCAL('Q1') DESCR('Bob''s queue')"},
        {"two in a row", DefineQueue(1).Cfst(mq::MQCA_Q_DESC, "a''b"), "DEFINE QLOCAL('Q1') DESCR('a''''b')"},
        {"one at each end", DefineQueue(1).Cfst(mq::MQCA_Q_DESC, "'x'"), "DEFINE QLOCAL('Q1') DESCR('''x''')"},
        {"breakout attempt",
         Command(mq::MQCMD_CHANGE_Q, 3).Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL).Cfst(mq::MQCA_Q_NAME, "PAYROLL")
             .Cfst(mq::MQCA_Q_DESC, "x') PUT(DISABLED) DESCR('y"),
         "ALTER QLOCAL('PAYROLL') DESCR('x'') PUT(DISABLED) DESCR(''y')"},
        {"list item", DefineNamelist(1).Cfsl(mq::MQCA_NAMES, {"O'K", "B"}, 8), "DEFINE NAMELIST('NL1') NAMES('O''K', 'B')"},
        // 7994 apostrophes fill the 15989 characters of the item to the last but one
        {"doubled value that fits", DefineQueue(1).Cfst(mq::MQCA_Q_DESC, std::string(7994, '\'')),
         "DEFINE QLOCAL('Q1') DESCR('" + std::string(15988, '\'') + "')"},
        {"cut at a NUL", DefineQueue(1).Cfst(mq::MQCA_Q_DESC, std::string("AB\0CD", 5)), "DEFINE QLOCAL('Q1') DESCR('AB')"},
        // the item " DESCR('...')" may hold 15999 characters: 15989 of them for the value
        {"value longer than the item area", DefineQueue(1).Cfst(mq::MQCA_Q_DESC, std::string(20000, 'x')),
         "DEFINE QLOCAL('Q1') DESCR('" + std::string(15989, 'x') + "')"},
        {"unlimited expiry", DefineSub().Cfin(mq::MQIACF_EXPIRY, -1), "DEFINE SUB('S1') EXPIRY(UNLIMITED)"},
        {"other negative expiry", DefineSub().Cfin(mq::MQIACF_EXPIRY, -2), "DEFINE SUB('S1') EXPIRY(-2)"},
        {"automatic keep-alive", DefineChannel(1).Cfin(mq::MQIACH_KEEP_ALIVE_INTERVAL, -1),
         "DEFINE CHANNEL('C1') CHLTYPE(SDR) KAINT(AUTO)"},
        // separators and continuation lines
        {"star glues the name to the verb", DefineNamelist(2).Cfst(mq::MQCA_NAMELIST_DESC, "d").Cfin(mq::MQIACF_REPLACE, 0),
         "DEFINE NAMELIST('NL1') NOREPLACE DESCR('d')"},
        {"entries behind the inner end are not written",
         DefineNamelist(2).Cfst(mq::MQCACF_COMMAND_SCOPE, "QM2").Cfsl(mq::MQCA_NAMES, {"A"}, 4), "DEFINE NAMELIST('NL1') NAMES('A')"},
        {"three items on one line", InquireQueue(1).Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL), "DISPLAY QUEUE('Q1') TYPE(QLOCAL)", true},
        {"glued name is the third item", DefineQueue(2).Cfin(mq::MQIACF_REPLACE, 1).Cfst(mq::MQCA_Q_DESC, "x"),
         "DEFINE QLOCAL('Q1') +\nREPLACE +\nDESCR('x')", true},
        {"break after glued items",
         DefineNamelist(3).Cfin(mq::MQIACF_REPLACE, 1).Cfst(mq::MQCA_NAMELIST_DESC, "d").Cfsl(mq::MQCA_NAMES, {"A"}, 4),
         "DEFINE NAMELIST('NL1') REPLACE +\nDESCR('d') +\nNAMES('A')", true},
        // selectors, and parameters dropped
        {"selectors whose ids equal the inquiry codes",
         Command(mq::MQCMD_INQUIRE_Q_MGR, 1).Cfil(mq::MQIACF_Q_MGR_ATTRS, {mq::MQIA_MAX_MSG_LENGTH, mq::MQIA_CODED_CHAR_SET_ID}),
         "DISPLAY QMGR CCSID MAXMSGL"},
        {"selector list ends at an unknown value",
         InquireQueue(1).Cfil(mq::MQIACF_Q_ATTRS, {mq::MQCA_Q_DESC, 99999, mq::MQIA_CURRENT_Q_DEPTH}), "DISPLAY QUEUE('Q1') DESCR"},
        {"enumeration marked by a selector only", InquireQueue(1).Cfil(mq::MQIACF_Q_ATTRS, {mq::MQIA_Q_TYPE, mq::MQCA_Q_DESC}),
         "DISPLAY QUEUE('Q1') TYPE DESCR"},
        {"enumeration selected and valued",
         InquireQueue(2).Cfil(mq::MQIACF_Q_ATTRS, {mq::MQIA_Q_TYPE}).Cfin(mq::MQIA_Q_TYPE, mq::MQQT_MODEL),
         "DISPLAY QUEUE('Q1') TYPE(QMODEL)"},
        {"integer marked by a selector only", DefineQueue(1).Cfil(mq::MQIACF_Q_ATTRS, {mq::MQIA_MAX_Q_DEPTH}),
         "DEFINE QLOCAL('Q1') MAXDEPTH"},
        {"integer zero", DefineQueue(1).Cfin(mq::MQIA_MAX_Q_DEPTH, 0), "DEFINE QLOCAL('Q1') MAXDEPTH(0)"},
        {"unknown integer and string", InquireQueue(3).Cfin(99999, 1).Cfst(99998, "x").Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL),
         "DISPLAY QUEUE('Q1') TYPE(QLOCAL)"},
        {"string filter and blanked structure passed over",
         InquireQueue(3).Cfsf(mq::MQCA_Q_DESC, mq::MQCFOP_LIKE, "PAY*").Words({0, 12, 20}).Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL),
         "DISPLAY QUEUE('Q1') TYPE(QLOCAL)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        auto result = p2mtest::Convert(c.bytes.bytes(), c.split, 40000);
        EXPECT_EQ(result.compCode, 0) << "reason " << result.reason;
        EXPECT_EQ(result.text, c.text);
    }
    // a doubled value that no longer fits the item fails instead of being cut in a pair
    auto tooLong = p2mtest::Convert(DefineQueue(1).Cfst(mq::MQCA_Q_DESC, std::string(7995, '\'')).bytes(), false, 40000);
    EXPECT_EQ(tooLong.compCode, 2);
    EXPECT_EQ(tooLong.reason, ZEM_P2M_TEXT_TOO_LONG);
    // so does a list whose quoted items run past a taken value (400 items of 44 characters)
    const std::vector<std::string> items(400, std::string(40, 'N'));
    EXPECT_EQ(p2mtest::Convert(DefineNamelist(1).Cfsl(mq::MQCA_NAMES, items, 40).bytes(), false, 40000).reason,
              ZEM_P2M_TEXT_TOO_LONG);
}

}  // namespace

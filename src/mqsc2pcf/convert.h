// MQSC reply text to PCF: the message-id table, the current command of this direction and
// the PCF writer behind MqscToPcf and its exported steps.
//
// Values travel through the command table: the readers store them in the keyword records
// of the current command's parameter list, EmitPcfMsg writes the marked records out in
// list order. The current command and the table are the calling thread's, so conversions
// on different threads run concurrently.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "zemapi.h"

namespace zem {

// What a reply's message id says about the command.
struct MessageIdOutcome {
    int32_t compCode;  // -1 when the id is not in the table
    int32_t reason;
};

// Looks a message id up: the family by its first three characters, then the id by its
// exact text, in the table's stored order. An id the table does not hold says the
// command failed (MQRCCF_COMMAND_FAILED) when its severity letter, the last character,
// is E or A; any other gives -1.
MessageIdOutcome LookUpMessageId(const char *messageId);

// The same for a reply to command, where a few ids mean something else per command.
MessageIdOutcome LookUpReplyOutcome(const char *messageId, int32_t command);

// Folds the outcome of a later message of one reply into the reply's: a failure
// outweighs a success, and a precise reason the command server's general failure.
// An unknown id (-1) changes nothing.
void FoldOutcome(MessageIdOutcome &reply, MessageIdOutcome message);

// True for a token of the form of a z/OS message id: CSQ, a component character, three
// digits and a severity letter ("CSQM401I", "CSQ9022I").
bool IsMessageId(std::string_view token);

// The command server's reply ids and what each says about the command.
struct MessageIdRow {
    const char *messageId;
    int32_t compCode;
    int32_t reason;
};
extern const MessageIdRow kCsqRows[];
extern const int kCsqRowCount;

// Splits a list text into its elements at the commas that stand outside single quotes
// and outside parentheses; everything else stays as written. An empty text is one empty
// element.
std::vector<std::string> SplitListText(std::string_view text);

// What reading one reply gathers besides the values: the outcome of all its message ids
// and the keywords the command's table entry does not hold.
constexpr int kSkippedNamesListed = ZEM_MQSC_SKIPPED_LISTED;
struct ReplyReading {
    MessageIdOutcome outcome{-1, 0};
    bool inCommandResponseHeader = false;  // after CSQN205I, which carries RETURN=
    int32_t skippedCount = 0;              // keyword(value) pairs passed over
    int skippedListed = 0;
    std::string skippedNames;  // the first kSkippedNamesListed distinct ones, blank-separated

    // Takes in a message id met in the reply to command.
    void NoteMessageId(const char *messageId, int32_t command);
    void NoteSkipped(const char *keyword);
};

// Reads the rest of the reply being scanned, keyword by keyword, into the records of the
// current command, using item as the reading space. false with reason 5001 and count the
// keywords recognised so far at a record type that has no PCF form.
bool ReadReplyKeywords(MqscItem &item, ReplyReading &reading, int32_t &reason, int32_t &count);

// Characters of the message id that EmitPcfMsg looks up; a longer id is cut.
constexpr std::size_t kMessageIdChars = 1999;

// Reads text as the reply to command and writes the PCF response to output (see
// MqscToPcf). The table starts clean, whatever an earlier conversion left in it.
void ConvertMqscReply(char *text, PcfArea &output, int32_t command, int32_t &reason, int32_t &count,
                      ReplyReading &reading);

}  // namespace zem

/*
 * zemapi.h: the common functions of an IBM MQ monitoring and administration suite.
 *
 * The library builds, reads, converts and prints PCF messages, turns PCF commands into
 * MQSC text and MQSC replies back into PCF, reads the suite's configuration files and
 * prints MQ structures and constant names. It runs on the caller's threads, starts no
 * threads and opens no connections. This header is the whole interface; it compiles as
 * C99 and as C++, and may be included beside IBM's own MQ headers (every MQ-shaped type
 * and constant here carries the ZEM_ prefix, so nothing clashes).
 *
 * Conventions: results are 1 for success and 0 for failure unless a function says
 * otherwise; constructors return a pointer or NULL; texts are NUL-terminated; getters
 * that copy at most N characters need buffers of N + 1 bytes. Diagnostics go to standard
 * output.
 *
 * Threads: every function may be called concurrently from any number of threads, as long
 * as no two threads use the same caller-owned object (message, container, text, item,
 * file record) at once. Conversions in both directions, the alteration-date filter and
 * the MQSC reply readers keep their working state per thread: the command table's marks
 * and values, the current command, the readers' position and the z/OS report parsers'
 * state belong to the calling thread, which sees exactly what it would see alone. That
 * state takes at most about 390 KB per converting thread: about 180 KB for the thread's
 * copy of the command table and up to about 210 KB of reply-conversion work areas (larger
 * areas that one big reply needed are released after it), all made on first use and
 * released when the thread ends. Not safe to call
 * concurrently with any other call: ZemApiSetLogFile and SetMemoryLogFile, which rebind
 * process-wide streams. Standard output is shared, so the diagnostics of concurrent calls
 * may interleave. No C++ exception leaves any function: a failed allocation ends in the
 * function's failure result.
 */
#ifndef ZEMAPI_H
#define ZEMAPI_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#if defined(_WIN32)
#  if defined(ZEMAPI_BUILDING)
#    define ZEMAPI_EXPORT __declspec(dllexport)
#  else
#    define ZEMAPI_EXPORT __declspec(dllimport)
#  endif
#  define ZEMAPI_CALL __cdecl
#else
#  define ZEMAPI_EXPORT __attribute__((visibility("default")))
#  define ZEMAPI_CALL
#endif

/* Every exported function is declared with this macro. */
#define ZEMAPI(ret) ZEMAPI_EXPORT ret ZEMAPI_CALL

#ifdef __cplusplus
#  define ZEMAPI_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
extern "C" {
#else
#  define ZEMAPI_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

/* ====================================================================================
 * Records shared by every subsystem.
 * Callers own these records; the library owns only the blocks it hands out through them.
 * ==================================================================================== */

/* The MQ message descriptor, version 2 (364 bytes), laid out as IBM MQ publishes it. */
typedef struct ZEM_MQMD {
    char    StrucId[4];
    int32_t Version;
    int32_t Report;
    int32_t MsgType;
    int32_t Expiry;
    int32_t Feedback;
    int32_t Encoding;
    int32_t CodedCharSetId;
    char    Format[8];
    int32_t Priority;
    int32_t Persistence;
    unsigned char MsgId[24];
    unsigned char CorrelId[24];
    int32_t BackoutCount;
    char    ReplyToQ[48];
    char    ReplyToQMgr[48];
    char    UserIdentifier[12];
    unsigned char AccountingToken[32];
    char    ApplIdentityData[32];
    int32_t PutApplType;
    char    PutApplName[28];
    char    PutDate[8];
    char    PutTime[8];
    char    ApplOriginData[4];
    unsigned char GroupId[24];
    int32_t MsgSeqNumber;
    int32_t Offset;
    int32_t MsgFlags;
    int32_t OriginalLength;
} ZEM_MQMD;

/* The 136-byte envelope header at the start of every message block, in the writer's
 * byte order. The library initialises it and converts it; peers fill it. */
typedef struct MDHDR {
    int32_t StrucLength;        /* 136 in a well-formed header */
    int32_t HeaderWord1;        /* not interpreted; byte-swapped with the others */
    int32_t Encoding;           /* 0: this machine's byte order; else the other one */
    int32_t CharSet;            /* 1: ASCII text; else EBCDIC */
    unsigned char Reserved[48]; /* not used */
    int32_t lUserMsgLength;     /* length of the message data behind the header */
    int32_t HeaderWord2;        /* not interpreted; byte-swapped with the others */
    char    UserId[12];
    char    ApplName[48];
    int32_t HeaderWord3;        /* 1 in a block the library creates */
} MDHDR;

/* The 32-byte PCF header extension carried by every PcfMessage. */
typedef struct MSHDRE {
    int32_t StrucLength;        /* 32 */
    int32_t Version;            /* 1 */
    int32_t Encoding;
    int32_t CharSet;
    int32_t UserMsgLength;
    char    Author[12];
} MSHDRE;

/* The message envelope: an owned block of an MDHDR followed by a growable data area.
 * An owning envelope keeps 136 <= Used <= Size; its data bytes are pData[0 .. Used-137].
 * An attribute view (pBlock NULL) points into a PcfMessage and its Used excludes the
 * header. */
typedef struct MESSAGE {
    int32_t        Kind;    /* 1 for an envelope */
    unsigned char *pBlock;  /* owned block (MDHDR + data), NULL when none */
    unsigned char *pData;   /* pBlock + 136, or the viewed structure */
    int32_t        Size;    /* bytes of the block, header included */
    int32_t        Used;    /* bytes in use, header included (136 = empty) */
    ZEM_MQMD       MsgDesc;
} MESSAGE;

/* A plain growable block. */
typedef struct Buffer {
    unsigned char *pBuf;
    int32_t        Length;
    int32_t        Capacity;
    int32_t        Reserved1;
    int32_t        Reserved2;
    int32_t        Reserved3;
} Buffer;

#define ZEM_MDHDR_LENGTH  136
#define ZEM_MSHDRE_LENGTH 32
#define ZEM_MQMD_LENGTH   364

ZEMAPI_STATIC_ASSERT(sizeof(ZEM_MQMD) == ZEM_MQMD_LENGTH, "MQMD is 364 bytes");
ZEMAPI_STATIC_ASSERT(sizeof(MDHDR) == ZEM_MDHDR_LENGTH, "MDHDR is 136 bytes");
ZEMAPI_STATIC_ASSERT(offsetof(MDHDR, lUserMsgLength) == 64, "MDHDR.lUserMsgLength at 64");
ZEMAPI_STATIC_ASSERT(offsetof(MDHDR, UserId) == 72, "MDHDR.UserId at 72");
ZEMAPI_STATIC_ASSERT(offsetof(MDHDR, ApplName) == 84, "MDHDR.ApplName at 84");
ZEMAPI_STATIC_ASSERT(offsetof(MDHDR, HeaderWord3) == 132, "MDHDR word at 132");
ZEMAPI_STATIC_ASSERT(sizeof(MSHDRE) == ZEM_MSHDRE_LENGTH, "MSHDRE is 32 bytes");

/* ==== SECTION foundation: frame, logging, memory, byte order, strings, matching ==== */

/* Memory blocks. Blocks come zero-filled from fNewMemory, are resized with fSizeMemory
 * (bytes added are not cleared; on failure the caller's pointer is NULL afterwards and
 * the old block is released) and returned with FreeMemory (or free(): they are the same).
 * The module tag names the kind of object and is not stored.
 * No block is tracked: the block report lists none and NoteMemoryRef finds none. */
typedef struct MemoryRecord {
    struct MemoryRecord *next;
    void                *address;
    int32_t              size;
    int32_t              referenced;
    char                 module[32];
} MemoryRecord;

ZEMAPI(int) fNewMemory(void **block, uint32_t size, const char *module);
ZEMAPI(int) fSizeMemory(void **block, uint32_t size);
ZEMAPI(void) FreeMemory(void *block);
/* Sends the memory report to a file opened for writing (NULL or "" changes nothing).
 * Not to be called concurrently with any other call of this library. */
ZEMAPI(void) SetMemoryLogFile(const char *path);
/* Writes the block report ("END OF DUMP, total blocks = 0") to the memory log stream;
 * returns the records listed. */
ZEMAPI(int) DumpMemoryLog(void);
/* Would mark the tracked block containing address as referenced: NULL, as none is. */
ZEMAPI(MemoryRecord *) NoteMemoryRef(const void *address);

/* Logging and assertions. LOGMSG writes one entry to standard output and flushes it: an
 * empty line, "Date: " with the ctime text of now, then "ZEM" followed directly by the
 * message (never used as a format; cut to 987 characters). The second argument is ignored.
 * debug does nothing when condition is nonzero; otherwise it logs
 * "0105E  Assertion failed in FILE at line LINE: EXPRESSION" (cut to 511 characters) and,
 * when keepGoing is 0, ends the process with abort(). */
ZEMAPI(void) LOGMSG(const char *message, int unused);
ZEMAPI(void) debug(int condition, const char *expression, int keepGoing, const char *file, int line);
/* Appends everything later written to standard output, by anyone in the process, to the
 * file at path. Returns stdout, or NULL when the file cannot be opened (standard output
 * then stays where it was). Not to be called concurrently with anything that writes to
 * standard output, on any thread. */
ZEMAPI(FILE *) ZemApiSetLogFile(const char *path);

/* Byte order. bwshort, bwlong and bwint64 reverse the bytes of a value; bwbyte exchanges
 * the two halves of one byte (the scrambling step, not a byte-order operation). The
 * platform answers: IsBgEndian 0, IsLtEndian 1, IsAscText 1; fValidPointer is always 1. */
ZEMAPI(unsigned char) bwbyte(unsigned char value);
ZEMAPI(int16_t) bwshort(int16_t value);
ZEMAPI(int32_t) bwlong(int32_t value);
ZEMAPI(int64_t) bwint64(int64_t value);
ZEMAPI(int) IsBgEndian(void);
ZEMAPI(int) IsLtEndian(void);
ZEMAPI(int) IsAscText(void);
ZEMAPI(int) fValidPointer(const void *pointer);

/* Code pages. IsEbcdicCodePage: 1 for the EBCDIC CCSIDs 37, 285, 500, 870, 273, 277, 278,
 * 280, 282, 284, 297, 420, 423, 424, 838, 871, 875, 880, 905, 1025, 1026 (not 1047).
 * IsEbcdicCharSet: 1 when the first byte that decides is above 127 (0 for count < 1).
 * TextConvert translates count bytes of src into dst (they may be the same buffer), 7-bit
 * ASCII to EBCDIC (direction ZEM_TO_EBCDIC) or back (ZEM_TO_ASCII), and returns count.
 * Bytes above 127 become the EBCDIC substitute 0x3F towards EBCDIC; EBCDIC bytes without a
 * 7-bit ASCII meaning become 0. A NULL buffer or negative count prints an error on
 * standard output and returns 0; another direction converts nothing and returns 0. */
#define ZEM_TO_EBCDIC 0
#define ZEM_TO_ASCII  1
ZEMAPI(int) IsEbcdicCodePage(int32_t ccsid);
ZEMAPI(int) IsEbcdicCharSet(const void *text, int32_t count);
ZEMAPI(int32_t) TextConvert(const void *src, void *dst, int32_t count, int32_t direction);

/* Message scrambling under a key, in place; the key's four bytes are combined by exclusive
 * or, so only that combination matters. DecryptMsg undoes EncryptMsg with the same key;
 * both always return 1 (a count below 1 changes nothing). DecryptLong unscrambles the four
 * bytes of value as they lie in memory. */
ZEMAPI(int) EncryptMsg(void *bytes, int32_t count, uint32_t key);
ZEMAPI(int) DecryptMsg(void *bytes, int32_t count, uint32_t key);
ZEMAPI(int32_t) DecryptLong(int32_t value, uint32_t key);

/* Strings, in place. strupper upper-cases a to z; strip_spaces cuts at the first blank;
 * trim_str removes trailing blanks (not tabs); pad_spaces appends blanks up to width and
 * always cuts at width, so text needs width + 1 bytes (a negative width changes nothing);
 * str_replace_char replaces every `find` with `replacement` (NULL text is left alone). */
ZEMAPI(void) strupper(char *text);
ZEMAPI(void) strip_spaces(char *text);
ZEMAPI(void) trim_str(char *text);
ZEMAPI(void) pad_spaces(char *text, int32_t width);
ZEMAPI(void) str_replace_char(char *text, char find, char replacement);

/* Hex text of MQ identifiers (24 bytes) and tokens (32 bytes): upper-case digit pairs,
 * NUL-terminated, so text needs 49 or 65 bytes; the result is the digit count. The reverse
 * reads exactly 48 or 64 characters in pairs (either case; a pair that is not hex gives 0;
 * a digit followed by a non-digit gives that digit's value). */
ZEMAPI(int) ConvertByte24ToText48(const void *bytes, char *text);
ZEMAPI(int) ConvertByte32ToText64(const void *bytes, char *text);
ZEMAPI(void) ConvertText48ToByte24(const char *text, void *bytes);
ZEMAPI(void) ConvertText64ToByte32(const char *text, void *bytes);

/* Matching; 1 for a match, else 0. The mask matcher knows only '*', never backtracks (a
 * '*' stops at the first character equal to the one after it) and ignores the string from
 * its first blank once the mask has matched up to there, which suits blank-padded MQ names.
 * The pattern matcher knows '*', '?' and bracket classes ("[A-Z]", "[^AB]"), backtracks,
 * and is exact about the string's end. ignoreCase upper-cases a to z before comparing. */
ZEMAPI(int) IsMaskMatch(const char *mask, const char *text);
ZEMAPI(int) IsMaskMatchIgnoreCase(const char *mask, const char *text);
ZEMAPI(int) IsRegExpMatch(const char *pattern, const char *text, int ignoreCase);

/* ==== END foundation ==== */

/* ==== SECTION envelope: message envelopes and buffers ==== */

/* Gives msg a new zero-filled block with `size` bytes of data capacity (Size = size + 136,
 * Used = 136, the default descriptor). The record's old contents are overwritten. */
ZEMAPI(int) CreateMessage(MESSAGE *msg, int32_t size);
/* Resizes to `size` bytes of data capacity and empties the data (Used = 136). On failure
 * the envelope is left exactly as it was. */
ZEMAPI(int) SizeMessage(MESSAGE *msg, int32_t size);
/* Resizes keeping the data; 0 (nothing changed) when size is below the data length. */
ZEMAPI(int) SizeMessageKeep(MESSAGE *msg, int32_t size);
/* Empties the envelope in place (a 256-byte data area when it has none). */
ZEMAPI(int) ResetMessage(MESSAGE *msg);
/* Makes dst a copy of src: Kind, descriptor, header StrucLength and data. */
ZEMAPI(int) CopyMessage(MESSAGE *src, MESSAGE *dst);
/* Appends src's data to dst, growing dst to the exact need plus 136 bytes. */
ZEMAPI(int) AppendMessage(MESSAGE *dst, MESSAGE *src);
/* Releases the block; 0 when there is no data area. A block of up to 8192 bytes may be
 * kept for the next envelope that the same thread creates; a thread's kept blocks are
 * freed when it ends. */
ZEMAPI(int) DeleteMessage(MESSAGE *msg);
/* 1 when the envelope header's StrucLength is 136. */
ZEMAPI(int) VerifyMessage(MESSAGE *msg);
/* 1 when the extension's StrucLength is 32 (0 for NULL). */
ZEMAPI(int) VerifyMessageExt(MSHDRE *ext);
/* Prints the envelope header's StrucLength, lUserMsgLength, ApplName and UserId. */
ZEMAPI(void) PrintMessage(MESSAGE *msg);

ZEMAPI(int) CreateBuffer(Buffer *buf, int32_t size);
ZEMAPI(int) ResetBuffer(Buffer *buf, int32_t length);
ZEMAPI(int) SizeBuffer(Buffer *buf, int32_t size);
ZEMAPI(int) DeleteBuffer(Buffer *buf);

/* ==== END envelope ==== */

/* ==== SECTION pcf: PCF structures, conversion and the PcfMessage container ==== */

/* PCF structure type codes. Every structure starts with Type and StrucLength and is
 * 4-byte aligned; StrucLength counts the padding. */
#define ZEM_MQCFT_COMMAND              1
#define ZEM_MQCFT_RESPONSE             2
#define ZEM_MQCFT_INTEGER              3
#define ZEM_MQCFT_STRING               4
#define ZEM_MQCFT_INTEGER_LIST         5
#define ZEM_MQCFT_STRING_LIST          6
#define ZEM_MQCFT_EVENT                7
#define ZEM_MQCFT_USER                 8
#define ZEM_MQCFT_BYTE_STRING          9
#define ZEM_MQCFT_TRACE_ROUTE         10
#define ZEM_MQCFT_REPORT              12
#define ZEM_MQCFT_INTEGER_FILTER      13
#define ZEM_MQCFT_STRING_FILTER       14
#define ZEM_MQCFT_BYTE_STRING_FILTER  15
#define ZEM_MQCFT_COMMAND_XR          16
#define ZEM_MQCFT_XR_MSG              17
#define ZEM_MQCFT_XR_ITEM             18
#define ZEM_MQCFT_XR_SUMMARY          19
#define ZEM_MQCFT_GROUP               20
#define ZEM_MQCFT_STATISTICS          21
#define ZEM_MQCFT_ACCOUNTING          22
#define ZEM_MQCFT_INTEGER64           23
#define ZEM_MQCFT_INTEGER64_LIST      25
#define ZEM_MQCFT_APP_ACTIVITY        26
#define ZEM_MQCFT_STATUS              27
/* The suite's own structure types. */
#define ZEM_EXCFT_BYTE_STRING_LIST   997  /* EXCFBL: Count entries of StringLength bytes */
#define ZEM_EXCFT_PCF                998  /* a whole PCF message embedded as a string */
#define ZEM_EXCFT_BINARY             999  /* an opaque binary value */

typedef struct ZEM_MQCFH {          /* 36 bytes */
    int32_t Type;
    int32_t StrucLength;
    int32_t Version;
    int32_t Command;
    int32_t MsgSeqNumber;
    int32_t Control;
    int32_t CompCode;
    int32_t Reason;
    int32_t ParameterCount;
} ZEM_MQCFH;

typedef struct ZEM_MQCFIN {         /* 16 bytes */
    int32_t Type;
    int32_t StrucLength;
    int32_t Parameter;
    int32_t Value;
} ZEM_MQCFIN;

typedef struct ZEM_MQCFST {         /* 20 bytes + string; also the shape of 998 and 999 */
    int32_t Type;
    int32_t StrucLength;
    int32_t Parameter;
    int32_t CodedCharSetId;
    int32_t StringLength;
    char    String[4];
} ZEM_MQCFST;

typedef struct ZEM_MQCFIL {         /* 16 bytes + 4 x Count */
    int32_t Type;
    int32_t StrucLength;
    int32_t Parameter;
    int32_t Count;
    int32_t Values[1];
} ZEM_MQCFIL;

typedef struct ZEM_MQCFSL {         /* 24 bytes + Count x StringLength */
    int32_t Type;
    int32_t StrucLength;
    int32_t Parameter;
    int32_t CodedCharSetId;
    int32_t Count;
    int32_t StringLength;
    char    Strings[4];
} ZEM_MQCFSL;

typedef struct ZEM_MQCFBS {         /* 16 bytes + bytes */
    int32_t Type;
    int32_t StrucLength;
    int32_t Parameter;
    int32_t StringLength;
    unsigned char String[4];
} ZEM_MQCFBS;

typedef struct ZEM_MQCFIF {         /* 20 bytes */
    int32_t Type;
    int32_t StrucLength;
    int32_t Parameter;
    int32_t Operator;
    int32_t FilterValue;
} ZEM_MQCFIF;

typedef struct ZEM_MQCFSF {         /* 24 bytes + string */
    int32_t Type;
    int32_t StrucLength;
    int32_t Parameter;
    int32_t Operator;
    int32_t CodedCharSetId;
    int32_t FilterValueLength;
    char    FilterValue[4];
} ZEM_MQCFSF;

typedef struct ZEM_MQCFBF {         /* 20 bytes + bytes */
    int32_t Type;
    int32_t StrucLength;
    int32_t Parameter;
    int32_t Operator;
    int32_t FilterValueLength;
    unsigned char FilterValue[4];
} ZEM_MQCFBF;

typedef struct ZEM_MQCFGR {         /* 16 bytes, followed by ParameterCount members */
    int32_t Type;
    int32_t StrucLength;
    int32_t Parameter;
    int32_t ParameterCount;
} ZEM_MQCFGR;

typedef struct ZEM_MQCFIN64 {       /* 24 bytes */
    int32_t Type;
    int32_t StrucLength;
    int32_t Parameter;
    int32_t Reserved;
    int64_t Value;
} ZEM_MQCFIN64;

typedef struct ZEM_MQCFIL64 {       /* 16 bytes + 8 x Count */
    int32_t Type;
    int32_t StrucLength;
    int32_t Parameter;
    int32_t Count;
    int64_t Values[1];
} ZEM_MQCFIL64;

typedef struct ZEM_EXCFBL {         /* Type 997: 24 bytes + Count x StringLength */
    int32_t Type;
    int32_t StrucLength;
    int32_t Parameter;
    int32_t Reserved;
    int32_t Count;
    int32_t StringLength;
    unsigned char Entries[4];
} ZEM_EXCFBL;

#define ZEM_MQCFH_LENGTH        36
#define ZEM_MQCFIN_LENGTH       16
#define ZEM_MQCFST_LENGTH_FIXED 20
#define ZEM_MQCFIL_LENGTH_FIXED 16
#define ZEM_MQCFSL_LENGTH_FIXED 24
#define ZEM_MQCFBS_LENGTH_FIXED 16
#define ZEM_MQCFIF_LENGTH       20
#define ZEM_MQCFSF_LENGTH_FIXED 24
#define ZEM_MQCFBF_LENGTH_FIXED 20
#define ZEM_MQCFGR_LENGTH       16
#define ZEM_MQCFIN64_LENGTH     24
#define ZEM_MQCFIL64_LENGTH_FIXED 16
#define ZEM_EXCFBL_LENGTH_FIXED 24

ZEMAPI_STATIC_ASSERT(sizeof(ZEM_MQCFH) == 36, "MQCFH is 36 bytes");
ZEMAPI_STATIC_ASSERT(sizeof(ZEM_MQCFIN) == 16, "MQCFIN is 16 bytes");
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_MQCFST, String) == 20, "MQCFST.String at 20");
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_MQCFIL, Values) == 16, "MQCFIL.Values at 16");
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_MQCFSL, Strings) == 24, "MQCFSL.Strings at 24");
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_MQCFBS, String) == 16, "MQCFBS.String at 16");
ZEMAPI_STATIC_ASSERT(sizeof(ZEM_MQCFIF) == 20, "MQCFIF is 20 bytes");
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_MQCFSF, FilterValue) == 24, "MQCFSF.FilterValue at 24");
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_MQCFBF, FilterValue) == 20, "MQCFBF.FilterValue at 20");
ZEMAPI_STATIC_ASSERT(sizeof(ZEM_MQCFGR) == 16, "MQCFGR is 16 bytes");
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_MQCFIN64, Value) == 16, "MQCFIN64.Value at 16");
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_MQCFIL64, Values) == 16, "MQCFIL64.Values at 16");
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_EXCFBL, Entries) == 24, "EXCFBL.Entries at 24");

/* The PCF message container: an MQCFH and its parameters in the data area of PcfMsg,
 * with an index of views (entry 0 the MQCFH, entries 1..149 the parameters) that is
 * valid from a successful RawToPcf until the data changes or moves. The container owns
 * its data area and the whole chain behind pNext.
 *
 * Messages of more than 149 parameters. The MQCFH at pCfh never counts more than 149
 * parameters, so walking AttrIndex[1..pCfh->ParameterCount] stays inside the array. The
 * parameters after the 149th travel in continuations: containers chained at pNext right
 * behind the container they continue, with Kind ZEM_PCF_CONTINUATION_KIND (a container
 * that starts a message has Kind 6), each holding a copy of the first MQCFH (the same
 * MsgSeqNumber) whose ParameterCount counts the at most 149 parameters that follow it
 * there. Every MQCFH thus counts exactly the structures behind it. RawToPcf makes the
 * continuations when the raw bytes count more than 149 parameters; AppendAttr starts one
 * when the index is full. GetAttrByPos, GetAttrByID, PrintPcfMessage, zemPcf2Mqsc,
 * CreatePcfPcfAttr and SerializePcfMessage follow them, numbering positions across the
 * whole message (position 150 is the first parameter of the first continuation). A walk
 * over a multi-message response that meets a continuation is still inside the same
 * message: PcfContinuation tells it apart. PcfToRaw and SerializePcfMessage give the
 * message whole, as one MQCFH counting every parameter: what a peer sends, and what
 * DeserializePcfMessage or RawToPcf split again. Convert a peer's message
 * (AlienPcfToNative) before RawToPcf, while it is still whole. */
#define ZEM_PCF_INDEX_ENTRIES 150
#define ZEM_PCF_CONTINUATION_KIND 7
typedef struct PcfMessage {
    int32_t            Kind;       /* 6 */
    MSHDRE             PcfExt;
    ZEM_MQCFH         *pCfh;       /* always PcfMsg.pData */
    MESSAGE            AttrIndex[ZEM_PCF_INDEX_ENTRIES];
    MESSAGE            PcfMsg;
    struct PcfMessage *pNext;
} PcfMessage;

/* The suite's own PCF command codes (the MQCMD_ codes of IBM MQ are not repeated here).
 * PcfIdToName gives these names back for the codes. */
#define EXCMD_MQ_OPEN                          10008
#define EXCMD_OPEN_EVENT                       10005
#define EXCMD_START_Q_MGR                      10003
#define EXCMD_STOP_Q_MGR                       10004
#define EXCMD_START_MCA                        10001
#define EXCMD_STOP_MCA                         10002
#define EXCMD_INQUIRE_Q_MGR_NAMES              10007
#define EXCMD_STOP_CHANNEL_INIT                10602
#define EXCMD_STOP_CHANNEL_LISTENER            10601
#define EXCMD_INQUIRE_CHANNEL_INIT             10603
#define EXCMD_CLOSE_EVENT                      10006
#define EXCMD_MQ_CLOSE                         10009
#define EXCMD_CREATE_MQNODE                    10124
#define EXCMD_INQUIRE_MANAGER_EVENT            10180
#define EXCMD_INQUIRE_Q_MGR_EVENT              10160
#define EXCMD_INQUIRE_ALTER_EVENT              10200
#define EXCMD_INQUIRE_CHANNEL_EVENT            10170
#define EXCMD_INQUIRE_PERFM_EVENT              10190
#define EXCMD_INQUIRE_CONFIG_EVENT             10202
#define EXCMD_INQUIRE_COMMAND_EVENT            10210
#define EXCMD_INQUIRE_LOGGER_EVENT             10162
#define EXCMD_INQUIRE_BRIDGE_EVENT             10164
#define EXCMD_DELETE_MANAGER_EVENT             10181
#define EXCMD_DELETE_Q_MGR_EVENT               10161
#define EXCMD_DELETE_ALTER_EVENT               10201
#define EXCMD_DELETE_CHANNEL_EVENT             10171
#define EXCMD_DELETE_PERFM_EVENT               10191
#define EXCMD_DELETE_CONFIG_EVENT              10203
#define EXCMD_DELETE_COMMAND_EVENT             10211
#define EXCMD_DELETE_LOGGER_EVENT              10163
#define EXCMD_DELETE_BRIDGE_EVENT              10165
#define EXCMD_INQUIRE_ACCT_MQI                 10400
#define EXCMD_DELETE_ACCT_MQI                  10401
#define EXCMD_INQUIRE_ACCT_Q                   10402
#define EXCMD_DELETE_ACCT_Q                    10403
#define EXCMD_INQUIRE_STAT_MQI                 10410
#define EXCMD_DELETE_STAT_MQI                  10411
#define EXCMD_INQUIRE_STAT_Q                   10412
#define EXCMD_DELETE_STAT_Q                    10413
#define EXCMD_INQUIRE_STAT_CHANNEL             10414
#define EXCMD_DELETE_STAT_CHANNEL              10415
#define EXCMD_START_MANAGER                    10105
#define EXCMD_STOP_MANAGER                     10106
#define EXCMD_MANAGE_MQNODE                    10129
#define EXCMD_UNMANAGE_MQNODE                  10130
#define EXCMD_CREATE_Q_MGR                     10012
#define EXCMD_DELETE_Q_MGR                     10013
#define EXCMD_MQSC_SCRIPT                      10014
#define EXCMD_MG_BROWSE                        10300
#define EXCMD_MG_BROWSE_HDR                    10307
#define EXCMD_MG_DELETE                        10303
#define EXCMD_MG_MOVE                          10302
#define EXCMD_MG_COPY                          10304
#define EXCMD_MG_NEW                           10301
#define EXCMD_MG_FIND                          10305
#define EXCMD_MG_MODIFY                        10306
#define EXCMD_MQ_DISCOVER                      11000
#define EXCMD_INQUIRE_Q_RUNTIME                10017
#define EXCMD_ALTER_EVENT                      8001
#define EXCMD_MANAGER_EVENT                    8002
#define EXCMD_STATE_EVENT                      8003
#define EXCMD_STOP_PCFEM                       10010
#define EXCMD_HEART_BEAT                       10015
#define EXCMD_INQUIRE_MANAGER                  10101
#define EXCMD_CHANGE_MANAGER                   10102
#define EXCMD_DELETE_MANAGER                   10103
#define EXCMD_CREATE_MANAGER                   10104
#define EXCMD_CHANGE_MANAGER_STAT              10107
#define EXCMD_INQUIRE_ACTIVE_MANAGER           10108
#define EXCMD_SET_ACTIVE_MANAGER               10109
#define EXCMD_SHUTDOWN_MANAGER                 10110
#define EXCMD_CHANGE_TRACE                     10111
#define EXCMD_INQUIRE_TEXT_FILE                10205
#define EXCMD_INQUIRE_LOG_NAMES                10207
#define EXCMD_RELOAD_PERMITS                   10208
#define EXCMD_CREATE_TEXT_FILE                 10206
#define EXCMD_START_PROCESS                    10998
#define EXCMD_TEST_Q_MGR                       10999
#define EXCMD_EXECUTE_SHELL_CMD                11002
#define EXCMD_REGISTER_MQNODE                  10128
#define EXCMD_INQUIRE_MQNODE                   10121
#define EXCMD_INQUIRE_MQNODE_NAMES             10120
#define EXCMD_CHANGE_MQNODE                    10122
#define EXCMD_CHANGE_MQNODE_STAT               10127
#define EXCMD_DELETE_MQNODE                    10123
#define EXCMD_START_MQNODE                     10125
#define EXCMD_STOP_MQNODE                      10126
#define EXCMD_LOCATE_OBJECT                    10016
#define EXCMD_INQUIRE_CLUSQMGR_NAMES           10020
#define EXCMD_INQUIRE_LISTENER_NAMES           10021
#define EXCMD_INQUIRE_SERVICE_NAMES            10022
#define EXCMD_INQUIRE_SUBSCRIPTION_NAMES       10024
#define EXCMD_DISPLAY_LOG                      10632
#define EXCMD_SET_LOG                          10633
#define EXCMD_ARCHIVE_LOG                      10631
#define EXCMD_DISPLAY_GROUP                    10901
#define EXCMD_MOVE_QLOCAL                      10611
#define EXCMD_DB_BACKUP                        11100
#define EXCMD_DB_RESTORE                       11101
#define EXCMD_SQLDB_CONNECT                    11102
#define EXCMD_LOGIN_CHALLENGE                  12001
#define EXCMD_LOGIN_AUTHENTICATE               12002
#define EXCMD_LOGIN_VERIFY                     12003
#define EXCMD_CHANGE_PASSWORD                  12004
#define EXCMD_INQUIRE_SEC_REALMS               12005
#define EXCMD_INQUIRE_SESSION                  10018
#define EXCMD_DELETE_SESSION                   10019
#define EXCMD_CHANGE_Q_MGR_STAT                10011
#define EXCMD_INQUIRE_MANAGER_NAMES            10100
#define EXCMD_INQUIRE_MCA_NAMES                10140
#define EXCMD_INQUIRE_MCA                      10141
#define EXCMD_CHANGE_MCA                       10142
#define EXCMD_TA_CONFIG                        10231
#define EXCMD_TA_DEBUG                         10232
#define EXCMD_TA_RELOAD                        10233
#define EXCMD_TA_RETRIEVE                      10234
#define EXCMD_INQUIRE_RMTQMGR_NAMES            10421
#define EXCMD_INQUIRE_RMTQMGR                  10422
#define EXCMD_CREATE_RMTQMGR                   10423
#define EXCMD_DELETE_RMTQMGR                   10424
#define EXCMD_CHANGE_RMTQMGR                   10425
#define EXCMD_DISPLAY_ARCHIVE                  10641
#define EXCMD_SET_ARCHIVE                      10642
#define EXCMD_DISPLAY_SYSTEM                   10671
#define EXCMD_SET_SYSTEM                       10672
#define EXCMD_DISPLAY_SECURITY                 10681
#define EXCMD_CHANGE_SECURITY                  10682
#define EXCMD_VERIFY_SECURITY                  10683
#define EXCMD_REFRESH_SECURITY                 10684
#define EXCMD_DISPLAY_CF_STRUC                 10691
#define EXCMD_CREATE_CF_STRUC                  10692
#define EXCMD_COPY_CF_STRUC                    10693
#define EXCMD_CHANGE_CF_STRUC                  10694
#define EXCMD_DELETE_CF_STRUC                  10695
#define EXCMD_BACKUP_CF_STRUC                  10696
#define EXCMD_RECOVER_CF_STRUC                 10697
#define EXCMD_DISPLAY_CF_STATUS                10698
#define EXCMD_INQUIRE_MSG_TEMPLATES            11201
#define EXCMD_INQUIRE_MSG_TMPL_HDRS            11202
#define EXCMD_INQUIRE_MSG_TMPL_CRIT            11203
#define EXCMD_INQUIRE_MSG_HEADERS              11204
#define EXCMD_INQUIRE_MSG_HDR_FIELDS           11205
#define EXCMD_INQUIRE_MSG_HDR_CRIT             11206
#define EXCMD_CHANGE_MSG_TEMPLATES             11207
#define EXCMD_CHANGE_MSG_TMPL_HDRS             11208
#define EXCMD_CHANGE_MSG_TMPL_CRIT             11209
#define EXCMD_CHANGE_MSG_HEADERS               11210
#define EXCMD_CHANGE_MSG_HDR_FIELDS            11211
#define EXCMD_CHANGE_MSG_HDR_CRIT              11212
#define EXCMD_DELETE_MSG_TEMPLATES             11213
#define EXCMD_DELETE_MSG_TMPL_HDRS             11214
#define EXCMD_DELETE_MSG_TMPL_CRIT             11215
#define EXCMD_DELETE_MSG_HEADERS               11216
#define EXCMD_DELETE_MSG_HDR_FIELDS            11217
#define EXCMD_DELETE_MSG_HDR_CRIT              11218
#define EXCMD_UPDATE_MQNODE_PARAMS             10131
#define EXCMD_INQUIRE_AUTH_REC_NAMES           10430
#define EXCMD_INQUIRE_Q_NAMES_STATUS           10025
#define EXCMD_INQUIRE_CHANNEL_STATUS_CACHE     10026

/* PCF structures and byte-order conversion.
 * IsPcfAttrValid checks the one structure at msg->pData against its own length words and
 * against the envelope's length (Used - 136 for an owning envelope, Used for a view);
 * every accessor runs it first, so a valid structure lies wholly inside its envelope.
 * Negative length, count or string-length words and sizes beyond 32 bits are invalid.
 * A group (Type 20) is checked as its 16-byte header only. */
ZEMAPI(int) IsPcfAttrValid(MESSAGE *msg);
/* Converts in place the PCF message (MQCFH and parameters, or a run of structures) that a
 * peer wrote: swap non-zero byte-swaps every integer, convertText non-zero passes every
 * string through TextConvert(textMode); byte strings, byte-string lists and binary values
 * stay as they are. Walks at most `length` bytes and never reads or writes outside them,
 * nor outside a structure's own StrucLength; stops at a structure shorter than 8 bytes or
 * reaching beyond `length`. Always returns 1; an unknown Type is reported on standard
 * output. */
ZEMAPI(int) AlienPcfBufferToNative(void *pcf, int32_t swap, int32_t convertText, int32_t textMode,
                                   int32_t length);
/* Converts pcf's data as its envelope header (MDHDR Encoding, CharSet, lUserMsgLength,
 * the last cut to the data area) describes it, then marks the header native (Encoding 0,
 * CharSet 1) so that a second call changes nothing. Convert the header first with
 * AlienToNative; run RawToPcf afterwards. */
ZEMAPI(int) AlienPcfToNative(PcfMessage *pcf);
/* Converts msg's MDHDR from a peer's byte order (Encoding non-zero) and EBCDIC text
 * (CharSet not 1); Encoding is left as it was. 1 when StrucLength is then 136. */
ZEMAPI(int) AlienToNative(MESSAGE *msg);
/* The same for a PCF header extension; 1 when StrucLength is then 32. */
ZEMAPI(int) AlienToNativeExt(MSHDRE *ext);

/* The PcfMessage container.
 * Order of use: CreatePcfMessage (or DeserializePcfMessage), AppendAttr for each
 * parameter (it copies the bytes; delete the attribute envelope afterwards), RawToPcf,
 * then GetAttrByPos / GetAttrByID. RawToPcf is also what indexes raw PCF bytes written
 * into PcfMsg by the caller. The caller owns a container until DeletePcfMessage, which
 * also deletes the chain behind pNext. */

/* A new container holding only an MQCFH (Version 1, Control last, the given Command and
 * Type), with `size` bytes of room for parameters; NULL on failure. */
ZEMAPI(PcfMessage *) CreatePcfMessage(int32_t command, int32_t type, int32_t size);
/* Empties the container to a fresh MQCFH in place (capacity kept) and deletes its chain. */
ZEMAPI(int) ResetPcfMessage(PcfMessage *pcf, int32_t command, int32_t type);
/* Re-allocates the data area with `size` bytes of room for parameters and empties the
 * message to its header (Type and Command kept; continuations deleted); the result of
 * the re-indexing. */
ZEMAPI(int) SizePcfMessage(PcfMessage *pcf, int32_t size);
/* Makes dst a copy of src, chain included (dst's own chain is deleted first). */
ZEMAPI(int) CopyPcfMessage(PcfMessage *src, PcfMessage *dst);
/* Releases the container, its data area and its chain; 0 for NULL. The last two
 * containers a thread releases are kept for the next ones it creates (freed when the
 * thread ends). */
ZEMAPI(int) DeletePcfMessage(PcfMessage *pcf);
/* Points pCfh at the start of the data area again. */
ZEMAPI(void) ResetPcfBuffer(PcfMessage *pcf);
/* Writes the message bytes (MQCFH and parameters, in this machine's order, no envelope
 * header; continuations joined as PcfToRaw does) to a file; 1 when every byte was
 * written. */
ZEMAPI(int) SerializePcfMessage(PcfMessage *pcf, const char *path);
/* Loads a file written by SerializePcfMessage into a new indexed container (a request);
 * NULL when the file cannot be read or is not a well-formed PCF message. */
ZEMAPI(PcfMessage *) DeserializePcfMessage(const char *path);
/* Indexes the message: entry 0 the MQCFH, entry i the i-th parameter (a group's entry
 * covers the group and all of its members, to any depth). When the MQCFH counts more
 * than 149 parameters, those after the 149th move into continuations (see above; they
 * replace the container's old ones) and the MQCFH is set to 149; no byte is dropped.
 * The continuations are kept only while they continue what the container holds: a
 * message of fewer than 149 parameters, or one whose MQCFH Type, Command or
 * MsgSeqNumber differ from theirs, deletes them.
 * Fails (0) on any structure that is unknown, invalid or beyond the used data; the
 * overflow and underflow cases print a dated line on standard output, and so does a
 * continuation that cannot be made (the "excessive attributes" line; the message
 * bytes are then left whole). */
ZEMAPI(int) RawToPcf(PcfMessage *pcf);
/* Appends a copy of the structure held by attr and counts it in the MQCFH, or, once the
 * index holds 149 parameters, in a continuation. Every MQCFH of the message is raised
 * to Version 2 when the structure, or any member of an appended group, is a byte string
 * and to Version 3 when it is a filter. The appended structure is indexed at once and
 * existing index entries follow a moved data area, which grows by doubling (appending
 * costs the same per parameter at any size); 0 when the data area cannot grow. */
ZEMAPI(int) AppendAttr(PcfMessage *pcf, MESSAGE *attr);
/* Copies parameter pos of the message (0 the MQCFH, 1..149 from the index, 150 and on
 * from the continuations) into out, an owning envelope that is reset first and grown
 * when needed. */
ZEMAPI(int) GetAttrByPos(int32_t pos, MESSAGE *out, PcfMessage *pcf);
/* Copies the first top-level parameter whose Parameter is id into out, searching the
 * continuations too; out is untouched when there is none. Members of groups are not
 * searched. */
ZEMAPI(int) GetAttrByID(int32_t id, MESSAGE *out, PcfMessage *pcf);
/* GetAttrByID that also stores the position found in *pos (when pos is not NULL). */
ZEMAPI(int) GetAttrByIDRetPos(int32_t id, MESSAGE *out, PcfMessage *pcf, int32_t *pos);
/* The continuation that holds the parameters after pcf's own, or NULL when pcf's message
 * ends with pcf (pNext then starts the next message, if any). */
ZEMAPI(PcfMessage *) PcfContinuation(PcfMessage *pcf);
/* The whole message as one PCF message (continuations joined under the first MQCFH,
 * which then counts every parameter), copied to buffer when capacity is large enough.
 * Returns the message length (pass NULL and 0 to learn it); -1 when pcf holds no MQCFH. */
ZEMAPI(int32_t) PcfToRaw(PcfMessage *pcf, void *buffer, int32_t capacity);

/* The name of a PCF command code ("MQCMD_INQUIRE_Q", "EXCMD_MQ_OPEN"), "UNKNOWN" for an
 * unlisted code and for 0; never NULL, constant text. */
ZEMAPI(const char *) PcfIdToName(int32_t code);
/* The MQ message type (MQMT_) for a PCF header type: 1 request, 2 reply, 4 report or
 * 8 datagram. */
ZEMAPI(int32_t) PcfToMsgType(int32_t type);
/* The Type to store in an MQCFH: the three XR reply types become MQCFT_RESPONSE. */
ZEMAPI(int32_t) SetPcfType(int32_t type);
/* The MQCFH Version to store: the value itself. */
ZEMAPI(int32_t) SetPcfVersion(int32_t version);
/* The Type word of the structure in attr, read without any check. */
ZEMAPI(int32_t) GetPcfAttrType(MESSAGE *attr);

/* ==== END pcf ==== */

/* ==== SECTION accessors: scalar accessors, lists, groups, sorting ==== */

/* Attribute accessors. A parameter travels as a MESSAGE whose data holds exactly one PCF
 * structure: an owning envelope from a Create... call or from GetAttrBy..., or a view of
 * a container's index. The caller owns what a Create... call builds (the record's old
 * contents are overwritten, not released) and deletes it with DeleteMessage, usually
 * after AppendAttr has copied it. Is..., Get... and Set... first check the structure
 * (IsPcfAttrValid) and its Type, and return 0 with nothing written when either fails.
 * Text getters copy at most `max` characters and a NUL (buffers of max + 1 bytes). A
 * negative max or capacity copies nothing and gives 0. Setters of single values never
 * change a length: a value is replaced only within the length it was created with. */

/* MQCFST. CreatePcfNZStrAttr takes an explicit length (the value may hold NULs).
 * SetPcfStrAttrValue writes a shorter text followed by NULs, a longer one cut. */
ZEMAPI(int) IsPcfStrAttr(MESSAGE *attr);
ZEMAPI(int) CreatePcfStrAttr(MESSAGE *attr, int32_t parameter, const char *text);
ZEMAPI(int) CreatePcfNZStrAttr(MESSAGE *attr, int32_t parameter, const void *value, int32_t length);
ZEMAPI(int) GetPcfStrAttrValue(MESSAGE *attr, char *buffer, int32_t max);
ZEMAPI(int) SetPcfStrAttrValue(MESSAGE *attr, const char *text);

/* MQCFIN, MQCFIN64 and MQCFIF. Mind the integer filter's orders: the constructor takes
 * the operator (MQCFOP_*) before the value, the getter and setter the value first. */
ZEMAPI(int) IsPcfIntAttr(MESSAGE *attr);
ZEMAPI(int) CreatePcfIntAttr(MESSAGE *attr, int32_t parameter, int32_t value);
ZEMAPI(int) GetPcfIntAttrValue(MESSAGE *attr, int32_t *value);
ZEMAPI(int) SetPcfIntAttrValue(MESSAGE *attr, int32_t value);
ZEMAPI(int) IsPcfInt64Attr(MESSAGE *attr);
ZEMAPI(int) CreatePcfInt64Attr(MESSAGE *attr, int32_t parameter, int64_t value);
ZEMAPI(int) GetPcfInt64AttrValue(MESSAGE *attr, int64_t *value);
ZEMAPI(int) SetPcfInt64AttrValue(MESSAGE *attr, int64_t value);
ZEMAPI(int) IsPcfIntFltrAttr(MESSAGE *attr);
ZEMAPI(int) CreatePcfIntFltrAttr(MESSAGE *attr, int32_t parameter, int32_t op, int32_t value);
ZEMAPI(int) GetPcfIntFltrAttrValue(MESSAGE *attr, int32_t *value, int32_t *op);
ZEMAPI(int) SetPcfIntFltrAttrValue(MESSAGE *attr, int32_t value, int32_t op);

/* MQCFSF: a string value with an operator; the setter stores the operator, then the text
 * as SetPcfStrAttrValue does. */
ZEMAPI(int) IsPcfStrFltrAttr(MESSAGE *attr);
ZEMAPI(int) CreatePcfStrFltrAttr(MESSAGE *attr, int32_t parameter, int32_t op, const char *text);
ZEMAPI(int) GetPcfStrFltrAttrValue(MESSAGE *attr, char *buffer, int32_t max, int32_t *op);
ZEMAPI(int) SetPcfStrFltrAttrValue(MESSAGE *attr, const char *text, int32_t op);

/* Byte values: MQCFBS, MQCFBF (created with Operator MQCFOP_EQUAL, 2) and the binary value (Type 999).
 * Getters take the buffer's capacity in *length, copy the smaller of it and the stored
 * length, and return the count copied in *length. Setters overwrite the start of the
 * value with at most the stored length of bytes; the rest stays. GetPcfBinAttrValue also
 * reads an MQCFST, an MQCFBS and an embedded message (Type 998). */
ZEMAPI(int) IsPcfByteStrAttr(MESSAGE *attr);
ZEMAPI(int) CreatePcfByteStrAttr(MESSAGE *attr, int32_t parameter, const void *value, int32_t length);
ZEMAPI(int) GetPcfByteStrAttrValue(MESSAGE *attr, void *buffer, int32_t *length);
ZEMAPI(int) GetPcfByteStrAttrValueLength(MESSAGE *attr, int32_t *length);
ZEMAPI(int) SetPcfByteStrAttrValue(MESSAGE *attr, const void *value, int32_t length);
ZEMAPI(int) IsPcfByteStrFltrAttr(MESSAGE *attr);
ZEMAPI(int) CreatePcfByteStrFltrAttr(MESSAGE *attr, int32_t parameter, const void *value, int32_t length);
ZEMAPI(int) GetPcfByteStrFltrAttrValue(MESSAGE *attr, void *buffer, int32_t *length);
ZEMAPI(int) SetPcfByteStrFltrAttrValue(MESSAGE *attr, const void *value, int32_t length);
ZEMAPI(int) IsPcfBinAttr(MESSAGE *attr);
ZEMAPI(int) CreatePcfBinAttr(MESSAGE *attr, int32_t parameter, const void *value, int32_t length);
ZEMAPI(int) GetPcfBinAttrValue(MESSAGE *attr, void *buffer, int32_t *length);
ZEMAPI(int) SetPcfBinAttrValue(MESSAGE *attr, const void *value, int32_t length);

/* The Operator of an MQCFIF, MQCFSF or MQCFBF. */
ZEMAPI(int) GetPcfFilterOperator(MESSAGE *attr, int32_t *op);

/* A whole PCF message carried as one parameter (Type 998): the message's MQCFH and
 * parameters as they stand, in this machine's byte order. The getter empties `out` to
 * that size, copies the message in and returns the result of indexing it (RawToPcf). */
ZEMAPI(int) IsPcfPcfAttr(MESSAGE *attr);
ZEMAPI(int) CreatePcfPcfAttr(MESSAGE *attr, int32_t parameter, PcfMessage *message);
ZEMAPI(int) GetPcfPcfAttrValue(MESSAGE *attr, PcfMessage *out);

/* Integer lists, MQCFIL and MQCFIL64. Indexes count from 0. Setting at an index at or
 * beyond Count (a negative index appends) first grows the list to index + 1 values; new
 * values are 0. Size... resizes an owning envelope to exactly count values (the data
 * capacity becomes the new StrucLength); growing fails with 0 and changes nothing when
 * the length would pass 32 bits or memory runs out. ...Sum adds every value to *sum
 * (set its start value; the addition wraps). ...Str writes "1,22,333": the longest prefix
 * of the list that fits max characters, never a cut number. SetPcf...ValueStr stores the
 * numbers of a text such as "5;6,,7" (";" and "," separate, empty tokens are skipped,
 * the first 255 characters are read) from index 0 on, growing the list when needed; it
 * never shortens it. */
ZEMAPI(int) IsPcfIntListAttr(MESSAGE *attr);
ZEMAPI(int) CreatePcfIntListAttr(MESSAGE *attr, int32_t parameter, int32_t count);
ZEMAPI(int) SizePcfIntListAttr(MESSAGE *attr, int32_t count);
ZEMAPI(int) GetPcfIntListAttrValue(MESSAGE *attr, int32_t index, int32_t *value);
ZEMAPI(int) GetPcfIntListAttrValueSum(MESSAGE *attr, int32_t *sum);
ZEMAPI(int) GetPcfIntListAttrValueStr(MESSAGE *attr, char *text, int32_t max);
ZEMAPI(int) SetPcfIntListAttrValue(MESSAGE *attr, int32_t index, int32_t value);
ZEMAPI(int) SetPcfIntListAttrValueStr(MESSAGE *attr, const char *text);
ZEMAPI(int) IsPcfInt64ListAttr(MESSAGE *attr);
ZEMAPI(int) CreatePcfInt64ListAttr(MESSAGE *attr, int32_t parameter, int32_t count);
ZEMAPI(int) SizePcfInt64ListAttr(MESSAGE *attr, int32_t count);
ZEMAPI(int) GetPcfInt64ListAttrValue(MESSAGE *attr, int32_t index, int64_t *value);
ZEMAPI(int) GetPcfInt64ListAttrValueSum(MESSAGE *attr, int64_t *sum);
ZEMAPI(int) GetPcfInt64ListAttrValueStr(MESSAGE *attr, char *text, int32_t max);
ZEMAPI(int) SetPcfInt64ListAttrValue(MESSAGE *attr, int32_t index, int64_t value);
ZEMAPI(int) SetPcfInt64ListAttrValueStr(MESSAGE *attr, const char *text);

/* String lists, MQCFSL: Count entries of one StringLength, created as NUL bytes.
 * SizePcfStrListAttr grows or shrinks a string or byte-string list as the integer lists
 * grow (new entries are NUL bytes). The setters write a text into an entry (a negative
 * index appends; an index beyond Count grows the list) and fill the rest of the entry:
 * with blanks, with `fill`, or, WithLen, taking `length` characters when length > 0.
 * Find compares a text with each entry over at most StringLength characters (a text
 * matches a blank-padded entry only with the same blanks) and gives the first index
 * that matches, or -1. SortPcfListAttr sorts the entries in place, ascending by bytes;
 * entries longer than 257 bytes are left in place (the result is still 1). */
ZEMAPI(int) IsPcfStrListAttr(MESSAGE *attr);
ZEMAPI(int) CreatePcfStrListAttr(MESSAGE *attr, int32_t parameter, int32_t count, int32_t length);
ZEMAPI(int) SizePcfStrListAttr(MESSAGE *attr, int32_t count);
ZEMAPI(int) GetPcfStrListAttrValue(MESSAGE *attr, int32_t index, char *buffer, int32_t max);
ZEMAPI(int) SetPcfStrListAttrValue(MESSAGE *attr, int32_t index, const char *text);
ZEMAPI(int) SetPcfStrListAttrValueWithLen(MESSAGE *attr, int32_t index, const char *text, int32_t length, char fill);
ZEMAPI(int) SetPcfStrListAttrValueWithFill(MESSAGE *attr, int32_t index, const char *text, char fill);
ZEMAPI(int32_t) FindPcfStrListAttrValue(MESSAGE *attr, const char *text);
ZEMAPI(int) SortPcfListAttr(MESSAGE *attr);

/* Byte-string lists (Type 997, the suite's own): entries of raw bytes. The getter copies
 * the smaller of max and StringLength bytes and adds nothing; the setter writes at most
 * StringLength bytes and fills the rest of the entry with NULs. Grow them with
 * SizePcfStrListAttr. */
ZEMAPI(int) IsPcfByteStrListAttr(MESSAGE *attr);
ZEMAPI(int) CreatePcfByteStrListAttr(MESSAGE *attr, int32_t parameter, int32_t count, int32_t length);
ZEMAPI(int) GetPcfByteStrListAttrValue(MESSAGE *attr, int32_t index, void *buffer, int32_t max);
ZEMAPI(int) SetPcfByteStrListAttrValue(MESSAGE *attr, int32_t index, const void *value, int32_t length);

/* Groups, MQCFGR: a 16-byte header followed by ParameterCount member structures. Build
 * one with CreatePcfGroupAttr and AppendAttrToGroup (which copies the member's bytes;
 * a member may be a group itself), then add it to a container with AppendAttr, where it
 * counts as one parameter. GetGroupAttrByPos (0-based; a negative position gives member
 * 0) and GetGroupAttrByID (the first member whose Parameter is id) reset `out` and copy
 * one member into it; a member that is a group comes whole, with all of its members.
 * Both give 0 when the member is missing or the group's bytes are malformed (a member
 * shorter than 8 bytes or reaching past the group envelope's data). */
ZEMAPI(int) IsPcfGroupAttr(MESSAGE *attr);
ZEMAPI(int) CreatePcfGroupAttr(MESSAGE *group, int32_t parameter);
ZEMAPI(int) GetPcfGroupAttrCounter(MESSAGE *group, int32_t *count);
ZEMAPI(int) AppendAttrToGroup(MESSAGE *group, MESSAGE *attr);
ZEMAPI(int) GetGroupAttrByPos(int32_t pos, MESSAGE *out, MESSAGE *group);
ZEMAPI(int) GetGroupAttrByID(int32_t id, MESSAGE *out, MESSAGE *group);

/* Authority-record sort. Record r of an authority-record reply is the r-th value of each
 * of four parallel lists. AuthRecSort orders the records by intList1, then strList1 (an
 * entry starting "SELF " counts as ownName; at most 48 characters are compared), then
 * intList2, then strList2 (at most 64 characters), each ascending; a missing value counts
 * as 0 or the empty text. It returns the number of records (the Count of strList1) and
 * in *indices a new array of that many record numbers in sorted order, which the caller
 * releases with FreeMemory; 0 with *indices NULL when there are none. */
typedef struct AuthRecSortSet {
    MESSAGE *intList1;   /* MQCFIL */
    MESSAGE *strList1;   /* MQCFSL */
    MESSAGE *strList2;   /* MQCFSL */
    MESSAGE *intList2;   /* MQCFIL */
    char     ownName[49];
} AuthRecSortSet;
ZEMAPI(int32_t) AuthRecSort(AuthRecSortSet *set, int32_t **indices);

/* ==== END accessors ==== */

/* ==== SECTION cmdtable: the MQSC/PCF command table and the command builder ==== */

/* Record types of the command table. */
#define MQSC_CMD      0  /* the command itself */
#define MQSC_FLAG     1  /* keyword without value; also every value record */
#define MQSC_INT      2  /* integer */
#define MQSC_STR      3  /* string */
#define MQSC_STRLIST  4  /* list of strings */
#define MQSC_ENUM     5  /* integer written as a value keyword */
#define MQSC_ENUMLIST 6  /* list of value keywords; in PCF the integers they stand for */
#define MQSC_LIST     7  /* other list */

struct MqscParam;

/* One record per command, parameter keyword and value keyword. isSet and value are
 * run-time fields that the conversions fill and empty; the rest is constant data. Each
 * thread has its own copy of every record (see GetCmdTbl). */
typedef struct MqscKeyword {
    int32_t                type;
    int32_t                id;
    const char            *name;
    struct MqscParam      *params;    /* command records: the parameter list */
    int32_t                isSet;
    struct MqscKeyword   **values;    /* MQSC_ENUM / MQSC_ENUMLIST: NULL-terminated */
    intptr_t               value;     /* an int32, or a pointer, by type */
    int32_t                platforms; /* bit (1 << MQPL_x) per platform; -1 every one */
    int32_t                level;     /* lowest command level */
} MqscKeyword;

/* One entry of a command's parameter list; a NULL keyword ends the list. */
typedef struct MqscParam {
    int32_t      use;        /* 1 required, 0 optional, 2 end of list */
    int32_t      valueMode;  /* 1 keyword followed by its value, 2 keyword alone */
    int32_t      nameMode;   /* 1 keyword written, 2 only the value written */
    MqscKeyword *keyword;
    const char  *format;     /* "", "(%s)", "('%s')", "(%d)" or "%s" */
    int32_t      separator;  /* ' ', or '*' to glue the next item on */
    int32_t      platforms;
    int32_t      level;
} MqscParam;

/* The command table of the calling thread: a NULL-terminated array of the 124 command
 * records, in lookup order (a lookup by code finds the first record with that id). The
 * first 106 keep their positions; the z/OS commands added after them (storage classes,
 * DISPLAY USAGE, DISPLAY CONN, SET and DISPLAY CHLAUTH, DISPLAY SMDS, and DISPLAY
 * ARCHIVE, SECURITY, SYSTEM, LOG, GROUP, CFSTRUCT and CFSTATUS under IBM MQ's own command
 * codes) and DISPLAY PUBSUB follow. Each thread gets its own copy of the table (about
 * 180 KB, made on the thread's first call and released when it ends), so the marks and
 * values the conversions leave in it are the calling thread's. The records belong to the
 * library; callers read them and never change them, and hand them to no other thread.
 * NULL only when the copy cannot be allocated. */
ZEMAPI(MqscKeyword **) GetCmdTbl(void);

/* Appends the standard parameters of a request to message, whose MQCFH already holds
 * the command code: the object name (name, used unchanged), the command's one integer
 * (value) where it has one, and for inquiries a selector asking for all attributes;
 * then re-indexes the message. Returns the result of the last append (1 appended,
 * 0 failed); 1 for MQCMD_PING_Q_MGR (40), which needs nothing and is left untouched;
 * 0 for a command the builder does not know (nothing appended).
 * Among the z/OS inquiries, Inquire Storage Class (122), Channel Authentication Records
 * (204) and CF Structure (115) get the name and all attributes; CF Structure Status (116)
 * the name and the summary; Inquire Connection (85) every connection's connection
 * information and all attributes (the connection identifier is a byte string, not a
 * name); Inquire Usage (126) every usage type; Inquire Security (121) all attributes.
 * Inquire SMDS (186) names two objects and has no standard request. */
ZEMAPI(int32_t) BuildPcfCmd(PcfMessage *message, const char *name, int32_t value);

/* ==== END cmdtable ==== */

/* ==== SECTION mqsc2pcf: MQSC reply text to PCF ==== */

/* Reading a reply text. The readers cut the text in place (it must be writable and can
 * be read once) and remember where they stopped in one position per thread, like
 * strtok_r with the thread as its context (threads reading concurrently never disturb
 * each other): call GetMqscStatus once per text, then GetMqscIdent and, where the keyword
 * takes a value, GetMqscValue, until GetMqscIdent returns 0. Longer tokens than the
 * fields hold are cut to fit. */
#define ZEM_MQSC_ITEM_NAME_LENGTH  64
#define ZEM_MQSC_ITEM_VALUE_LENGTH 16000
typedef struct MqscItem {
    char name[ZEM_MQSC_ITEM_NAME_LENGTH];   /* keyword, at most 63 characters */
    char value[ZEM_MQSC_ITEM_VALUE_LENGTH]; /* value, at most 15999 characters */
} MqscItem;

/* Starts reading text: finds the first token beginning with "CSQ" (the message id);
 * 1 with name "MQSC_RESPONSE" and value the id, 0 when there is none. Blanks, tabs,
 * line feeds and carriage returns all separate words. */
ZEMAPI(int32_t) GetMqscStatus(char *text, MqscItem *item);
/* The next keyword into item->name; 0 at the end of the text. text is not read. */
ZEMAPI(int32_t) GetMqscIdent(const char *text, MqscItem *item);
/* The parenthesised value after the keyword just read (nested parentheses kept,
 * trailing white space removed) into item->value; 0, value untouched, when nothing is
 * left. A value cut off by the end of the text is given as far as it goes (MqscToPcf
 * drops such a value). text is not read. */
ZEMAPI(int32_t) GetMqscValue(const char *text, MqscItem *item);
/* Skips ahead to a token beginning with item->name; 1 when found. */
ZEMAPI(int32_t) GetMqscToken(MqscItem *item);

/* Converting one reply text into one PCF response. The text is looked up in the command
 * table for the command it answers; values are held in the table's keyword records
 * until EmitPcfMsg writes them out in the order of the command's parameter list.
 * Reason codes of the conversion: */
#define ZEM_RC_MQSC_BAD_TYPE        5001 /* a parameter of a type that cannot be converted */
#define ZEM_RC_MQSC_UNKNOWN         5002 /* no message id, or an unknown command or value */
#define ZEM_RC_MQSC_NO_ROOM         5003 /* an attribute could not be added, or no room */
#define ZEM_RC_MQSC_NO_PARAMS       5004 /* the command has no parameter list */
#define ZEM_RC_MQSC_BAD_REPORT      5007 /* a z/OS report line not in the expected form */

/* The reply text: NUL-terminated and writable (the readers cut it). */
typedef struct MqscText {
    char   *text;
    int32_t length;
} MqscText;

/* The area that receives the PCF message: on entry length is the room in bytes, on
 * success the number of bytes written. */
typedef struct PcfArea {
    unsigned char *area;
    int32_t        length;
} PcfArea;

/* Converts input, the reply to command, into an MQCFH and one parameter per value, in
 * the order of the command's parameter list. Every conversion starts from a clean table,
 * whatever an earlier conversion of either direction left in it. reason: 0, 5001, 5002,
 * 5003 (the response does not fit the room) or 5004 (command 38 has no parameter list);
 * on failure nothing is written. count: 0, or the keywords recognised before a 5001
 * failure.
 * Reading: a keyword takes a value only from a parenthesis that follows it, directly or
 * after blanks ("QLOCAL (Q2)"); the same word without one (a console heading such as
 * "DISPLAY CHSTATUS DETAILS") is no value. A value cut off by the end of the text is
 * dropped. A value keyword in front of a parenthesis names an object: "QLOCAL(Q2)" gives
 * the queue type and the queue name. Keywords the command does not hold, with their
 * values, and unknown value keywords are passed over (zemMqsc2PcfEx counts them).
 * Lists: string lists (NAMES, the message, send and receive exits) become MQCFSL, an
 * empty one no entry (the exit lists one blank entry); lists of value keywords (COMPHDR,
 * COMPMSG) become MQCFIL of the values.
 * Completion: every message id in the text counts. An id of the table gives its
 * completion code and reason; CSQM297I (nothing found) gives MQRC_UNKNOWN_OBJECT_NAME,
 * MQRCCF_CHL_STATUS_NOT_FOUND for channel status; another id whose severity letter (its
 * last character) is E or A gives MQCC_FAILED with MQRCCF_COMMAND_FAILED; the header
 * CSQN205I gives the same failure when its RETURN= is not 0 (its z/OS REASON= is not
 * carried). A failure outweighs a success, and a later, more precise reason outweighs
 * MQRCCF_COMMAND_FAILED. -1 when no id says anything (zemMqsc2Pcf makes that 0). */
ZEMAPI(void) MqscToPcf(MqscText *input, PcfArea *output, int32_t command, int32_t *reason,
                       int32_t *count);
/* The steps of MqscToPcf, for callers that read a reply themselves. MqscCmdToPcf makes
 * command current (5002 unknown, 5004 no parameter list) and holds the message id in
 * item->value. MqscStrToPcf holds item->value as text for a string or list keyword;
 * MqscIntToPcf holds it as a number, or for an enumeration as the value keyword it names
 * (5002 when it is none of its values); a keyword of the other kind is refused with 5001.
 * EmitPcfMsg writes the held values of the current command to output and lets go of
 * them (5003 when the message does not fit: nothing is written). The current command and
 * the held values are the calling thread's: one thread's steps run one after another,
 * other threads may convert concurrently. A failed allocation gives 5003. */
ZEMAPI(int32_t) MqscCmdToPcf(MqscItem *item, int32_t command, int32_t *reason);
ZEMAPI(int32_t) MqscStrToPcf(MqscItem *item, MqscKeyword *keyword, int32_t *reason);
ZEMAPI(int32_t) MqscIntToPcf(MqscItem *item, MqscKeyword *keyword, int32_t *reason);
ZEMAPI(int32_t) EmitPcfMsg(PcfArea *output, int32_t *reason);

/* Converts the reply text in input's data (several NUL-separated lines read as one)
 * into the response to the command held in output. Generic replies overwrite output
 * with the converted response (an unknown message id gives CompCode 0); the escape
 * command (38) appends the whole text as MQCACF_ESCAPE_TEXT; the z/OS reports of SET LOG
 * (10633), DISPLAY LOG (10632) and DISPLAY GROUP (10901) append the suite's parameters
 * line by line (the last two keep their table state from one call to the next on the
 * same thread; other threads have their own).
 * status: 0 converted, 2 failed; reason: 0 or a code above; count: as MqscToPcf (0 on the
 * report paths, untouched for the escape command). */
ZEMAPI(void) zemMqsc2Pcf(PcfMessage *input, PcfMessage *output, int32_t *status,
                         int32_t *reason, int32_t *count);
/* zemMqsc2Pcf that also says which keywords of the reply it passed over because the
 * command table does not hold them for this command: skipped (may be NULL) receives how
 * many keyword(value) pairs were passed over, skippedNames (namesSize bytes, may be NULL)
 * the first ZEM_MQSC_SKIPPED_LISTED distinct names, blank-separated, NUL-terminated and
 * cut to fit. Both are 0 and "" on the report and escape paths. */
#define ZEM_MQSC_SKIPPED_LISTED 8
ZEMAPI(void) zemMqsc2PcfEx(PcfMessage *input, PcfMessage *output, int32_t *status,
                           int32_t *reason, int32_t *count, int32_t *skipped,
                           char *skippedNames, int32_t namesSize);

/* The suite's parameters appended by the z/OS report parsers (I integer, S string). */
/* SET LOG (CSQJ337I) and DISPLAY LOG: the current and the initial log settings (I). */
#define EXPRM_LOG_DEALLCT            20635
#define EXPRM_LOG_INITIAL_DEALLCT    20636
#define EXPRM_LOG_MAXRTU             20637
#define EXPRM_LOG_INITIAL_MAXRTU     20638
/* DISPLAY LOG, one row of the tape-unit table. */
#define EXPRM_TAPE_ADDR              20905 /* S */
#define EXPRM_TAPE_STATUS            20906 /* I: 1 'A'vailable, 2 'P'remount, 3 'B'usy, 0 */
#define EXPRM_TAPE_CORRELID          20907 /* S */
#define EXPRM_TAPE_VOLSER            20908 /* S */
#define EXPRM_TAPE_DSNAME            20909 /* S */
/* DISPLAY GROUP: the group (CSQ5102I) and one row of the member table. */
#define EXPRM_GROUP_NAME             20910 /* S */
#define EXPRM_MEMBER_NAME            20911 /* S */
#define EXPRM_MEMBER_NUMBER          20912 /* S */
#define EXPRM_MEMBER_PREFIX          20913 /* S */
#define EXPRM_MEMBER_STATUS          20914 /* I: 1 ACTIVE, 2 INACTIVE, 3 FAILED, 4 CREATED, 0 */
#define EXPRM_MEMBER_VERSION         20915 /* S */
#define EXPRM_MEMBER_DB2             20916 /* S */
#define EXPRM_MEMBER_CONNECTION      20917 /* I: 1 ACTIVE, 2 PENDING, 3 FAILED, 4 INACTIVE, 0 */
/* DISPLAY GROUP: one row of the table after CSQ5103I. */
#define EXPRM_GROUP_ENTRY_NAME       20918 /* S */
#define EXPRM_GROUP_ENTRY_VALUE1     20919 /* I */
#define EXPRM_GROUP_ENTRY_VALUE2     20920 /* I */
#define EXPRM_GROUP_ENTRY_STATE      20921 /* I: 1 VALID, 2 INVALID, 0 NOT FOUND or other */
#define EXPRM_GROUP_ENTRY_VALUE3     20922 /* I */
#define EXPRM_GROUP_ENTRY_VALUE4     20923 /* I */

/* ==== END mqsc2pcf ==== */

/* ==== SECTION pcf2mqsc: PCF command to MQSC text, alteration-date filter ==== */

/* PCF command to MQSC text. The command table decides everything: the PCF parameters
 * only mark table entries and store their values, and the text is written in the order
 * of the command's parameter list; a parameter the command does not know is dropped.
 * The marks and values live in the calling thread's copy of the command table, so
 * conversions on different threads run concurrently, and one thread's run one after
 * another. Each conversion starts from a clean table. A value written between
 * apostrophes (the "('%s')" formats and each item of a string list) has every apostrophe
 * in it written twice, as MQSC reads one, so it never leaves its quotes. A failed
 * allocation ends any function below with reason 5003. */

/* Reasons of the conversion (with completion code 2); 0 means converted. The escape
 * command also reports MQRCCF_ESCAPE_TYPE_ERROR (3054) and
 * MQRCCF_PARM_COUNT_TOO_SMALL (3019). */
#define ZEM_P2M_BAD_STRUCTURE     5001 /* a structure the walk does not handle, or one that
                                          is shorter than its fields or overruns the data */
#define ZEM_P2M_NOT_IN_TABLE      5002 /* command not in the table; string list unknown to
                                          the command; a value that cannot be written */
#define ZEM_P2M_TEXT_TOO_LONG     5003 /* the text does not fit the output capacity (or
                                          memory ran out) */
#define ZEM_P2M_NO_PARAM_LIST     5004 /* the command's record has no parameter list */
#define ZEM_P2M_REQUIRED_MISSING  5005 /* a required parameter of the command is missing */

/* The PCF data a walk reads: the MQCFH at its start and the data length in bytes. */
typedef struct PcfDataDesc {
    const ZEM_MQCFH *pCfh;
    int32_t          Length;
} PcfDataDesc;

/* The text area a conversion writes is an MqscText (declared with the reply conversion):
 * on the way in length is the capacity in bytes (the terminating NUL included); on
 * success it becomes the length of the text. */
/* Converts the PCF command in `command` to one MQSC text in the data area of `mqsc`
 * (capacity: its PcfMsg.Size - 136; it is not resized). splitLines non-zero writes
 * continuation lines: the first line holds three items, every later item starts a new
 * line after " +". A string filter on MQCA_ALTERATION_DATE (2027) adds
 * " WHERE(ALTDATE GE value)" (the value cut to 13 characters, the operator ignored; a
 * value holding a bracket or an apostrophe fails with 5002, as it could end the clause).
 * MQCMD_ESCAPE (38) gives its escape text unchanged (MQET_MQSC only). On every path
 * mqsc's MsgDesc.Format becomes "MQSTR   ". On success *compCode 0, *reason 0 and
 * mqsc->PcfMsg.Used = 136 + text length; on failure *compCode 2, a reason above,
 * Used unchanged and the text area possibly holding a partial text. *failedParam is
 * the number of the structure where the walk stopped (0 the MQCFH, 1 the first
 * parameter), else 0; the escape path leaves it alone. The command message is only
 * re-indexed (RawToPcf); its parameters stay as they are. A NULL message gives 2 / 5001. */
ZEMAPI(void) zemPcf2Mqsc(PcfMessage *command, PcfMessage *mqsc, int32_t splitLines,
                         int32_t *compCode, int32_t *reason, int32_t *failedParam);

/* The walk and the writing: converts each structure of input (bounded by its Length),
 * then writes the text into output. *reason as above; *failedParam the structure number
 * where the walk stopped, else 0. A request for all queue types (MQIA_Q_TYPE 1001 in
 * MQCMD_INQUIRE_Q or MQCMD_INQUIRE_Q_NAMES) writes no TYPE keyword. String filters are
 * passed over; an integer filter or any other structure type fails with 5001. */
ZEMAPI(void) PcfToMqsc(PcfDataDesc input, MqscText *output, int32_t splitLines,
                       int32_t *reason, int32_t *failedParam);

/* The structure converters of the walk. Each looks its parameter up in the current
 * command's list, stores its value and marks the keyword for writing, copies the
 * matched record's name (at most 63 characters) into scratch (64 bytes or more) and
 * sets *reason: 0 marked, 5002 not known to the command (dropped), 5001 a structure
 * that does not suit the keyword's kind (dropped). They read only within the
 * structure's StrucLength. MqcfhToMqsc chooses the command (no current list when the
 * table does not hold it). MqcfinToMqsc writes "UNLIMITED" / "AUTO" to scratch for an
 * EXPIRY / KAINT of -1; an enumeration value not in the keyword's list is dropped.
 * StrListToMqsc stores the list as 'A', 'B' (each item cut at its first blank, at most
 * 48 characters, an apostrophe in it doubled; blank items add nothing) and returns 0
 * when the command does not know the parameter as a list. MqcfslToMqsc stores the whole
 * Strings area as one text. MqcfilToMqsc marks, as bare attribute selectors, the
 * keywords whose ids are the list's values, up to the first value the command does not
 * know. */
ZEMAPI(int32_t) MqcfhToMqsc(const ZEM_MQCFH *cfh, char *scratch, int32_t *reason);
ZEMAPI(int32_t) MqcfinToMqsc(const ZEM_MQCFIN *cfin, char *scratch, int32_t *reason);
ZEMAPI(int32_t) MqcfstToMqsc(const ZEM_MQCFST *cfst, char *scratch, int32_t *reason);
ZEMAPI(int32_t) StrListToMqsc(const ZEM_MQCFSL *cfsl, char *scratch, int32_t *reason);
ZEMAPI(int32_t) MqcfslToMqsc(const ZEM_MQCFSL *cfsl, char *scratch, int32_t *reason);
ZEMAPI(int32_t) MqcfilToMqsc(const ZEM_MQCFIL *cfil, int32_t *reason);

/* Writes the marked keywords of command's parameter list, in list order, into output
 * and clears their marks. 1 written (output->Length = text length, *reason 0); 0 with
 * *reason 5002, 5003, 5004 or 5005. A value longer than 15999 characters is cut, except
 * one written between apostrophes that holds one: that fails with 5003, as a cut could
 * part a doubled apostrophe or a list item from its closing quote. */
ZEMAPI(int32_t) EmitMqscMsg(int32_t command, MqscText *output, int32_t splitLines,
                            int32_t *reason);

/* Copies the MQSC word of a PCF filter operator, with one trailing blank ("LT ", "EQ ",
 * "LE ", "GT ", "NE ", "GE ", "CT ", "EX ", "LK ", "NL ", "CTG ", "EXG "), into text
 * (at least 5 bytes) and returns text; an unlisted operator gives "". */
ZEMAPI(char *) ConvertOpStr(int32_t op, char *text);

/* Discovery filter: 1 when the object in the inquiry response pPcfMsg was altered at or
 * after tDiscovStart (seconds since 1970, compared in local time as "YYYY-MM-DD" and
 * "HH.MM.SS" texts with MQCA_ALTERATION_DATE / _TIME), 0 when it was not. A response
 * without both stamps, and a NULL message or name or a zero time, give 1, and so does a
 * failed allocation. verbose non-zero traces the decision on standard output (lines
 * beginning "DBG..."). Safe to call concurrently with conversions on other threads. */
ZEMAPI(int32_t) IsAlterDateRecent2(int64_t tDiscovStart, PcfMessage *pPcfMsg,
                                   const char *pszQMgr, int32_t verbose);

/* ==== END pcf2mqsc ==== */

/* ==== SECTION config-paths: install directory, paths, file sizes ==== */

/* The install directory, in rising precedence: the default ZEM_DEFAULT_INSTALL_DIR; the
 * parent of the working directory, with a trailing separator; the registry value
 * "WorkPath" of the key ZEM_REGISTRY_KEY; the environment variable "KELDA_HOME".
 * dir needs ZEM_INSTALL_DIR_SIZE bytes; a working directory, registry value or variable
 * that does not fit is passed over. Returns 1 when the variable gave the directory.
 *
 * On POSIX the registry is a text file: /etc/zemapi/registry, or the file named by the
 * environment variable ZEM_REGISTRY_FILE_ENV. Lines "[key]" open a key (a path below the
 * local-machine hive, compared ignoring case), "name=value" lines give its values (the
 * value is the rest of the line, as it stands), "#" or ";" start comments. With no such
 * file no key opens. */
#define ZEM_INSTALL_DIR_SIZE 512
#define ZEM_PATH_SIZE 1024
#define ZEM_REGISTRY_KEY "Software\\Trelko\\Vantorell/WMQ"
#define ZEM_REGISTRY_FILE_ENV "ZEMAPI_REGISTRY"
#if defined(_WIN32)
#  define ZEM_DEFAULT_INSTALL_DIR "c:\\trelko\\kelda"
#  define ZEM_PATH_SEPARATOR '\\'
#else
#  define ZEM_DEFAULT_INSTALL_DIR "/opt/zemapi"
#  define ZEM_PATH_SEPARATOR '/'
#endif
ZEMAPI(int) zemGetInstallDir(char *dir);
/* Builds INSTALLDIR/config/groups/name into path (ZEM_PATH_SIZE bytes). Returns 1, or 0
 * with an empty path when the result would not fit. */
ZEMAPI(int) zemMakeIniFilePath(char *path, const char *name);
/* Appends a separator unless path is empty or ends with one, then name (if not NULL).
 * No length is checked: path must have room. Returns 1. */
ZEMAPI(int) zemMakePath(char *path, const char *name);
/* Appends a separator unless path is empty or ends with one. Returns 1. */
ZEMAPI(int) zemTerminatePath(char *path);
/* Encloses a non-empty path in double quotes, for a command line; a path whose quoted form
 * would not fit in ZEM_PATH_SIZE bytes is left as it is. Returns 1. */
ZEMAPI(int) zemUseLongNames(char *path);
/* The size in bytes of an open stream (its position is kept) or of a named file. Returns 1,
 * or 0 after printing the failing step to standard error ("SizeOfFile() - ftell() failed:
 * ..."); a file of 2 GiB or more stores -1 and returns 0. */
ZEMAPI(int) SizeOfFile(FILE *stream, int32_t *size);
ZEMAPI(int) SizeOfFileByName(const char *path, int32_t *size);

/* ==== END config-paths ==== */

/* ==== SECTION config-files: INI files, permission files, workgroups ==== */

/* Error texts of the configuration readers fit in this many bytes (NUL included); the
 * `error` arguments below may be NULL or point at a buffer of at least this size. */
#define ZEM_CONFIG_ERROR_SIZE 1536

/* Key-and-value files. The caller owns the record (a cleared record is closed); the
 * library owns `text` from a successful open until zemCloseIniFile. The whole file is
 * read at open, CR-LF pairs folded to newlines. An entry is a key ended by one of
 * keyDelims or a newline, then a value that starts after the next key delimiter and runs
 * to the first of valueDelims (or the end of the text). '#' starts a comment up to the end
 * of its line. Keys are compared with IsMaskMatch (file keys may carry trailing blanks);
 * keys longer than ZEM_INI_KEY_SIZE - 1 characters are cut to that length. */
#define ZEM_INI_KEY_SIZE 2048
#define ZEM_INI_DELIMS_SIZE 33
typedef struct IniFile {
    FILE    *stream;                          /* open only while loading */
    int32_t  length;                          /* characters of text */
    int32_t  position;                        /* where the next stateful lookup starts */
    char     keyDelims[ZEM_INI_DELIMS_SIZE];
    char     valueDelims[ZEM_INI_DELIMS_SIZE];
    char    *text;                            /* the whole file, NUL-terminated */
    char     path[ZEM_PATH_SIZE];
    int32_t  openError;                       /* errno of the open attempt */
} IniFile;

/* Opening. zemOpenIniFile clears ini and loads the file; with inConfigFolder nonzero,
 * name is a bare file name in the configuration folder (see zemMakeIniFilePath).
 * zemLoadFile loads without clearing first. Failures give 0 and, in error,
 * "Opening file PATH failed\nERRNO(n): ERRSTR(text)\n" (missing, unreadable, or a path
 * of ZEM_PATH_SIZE characters or more) or "Get size of file PATH failed\nERRNO(n):
 * ERRSTR(text)\n" (empty file, no memory, failed read; ini is then cleared). Delimiter
 * sets longer than 32 characters are cut. zemCloseIniFile releases the text and clears
 * the record; it returns 1. */
ZEMAPI(int) zemOpenIniFile(const char *name, const char *keyDelims, const char *valueDelims, IniFile *ini,
                           char *error, int inConfigFolder);
ZEMAPI(int) zemLoadFile(const char *path, const char *keyDelims, const char *valueDelims, IniFile *ini,
                        char *error);
ZEMAPI(int) zemCloseIniFile(IniFile *ini);

/* Lookups; 1 when found, else 0. value (and key) must hold the longest value (key) the
 * file can supply plus a NUL: no bound is passed. fromStart 1 scans from the start of the
 * text, 0 from ini->position; afterwards the position stands on the character that ended
 * the value (at the end of the text after a failed search).
 * zemGetValue: the first entry whose key fits `key` taken as a mask ("*" walks every entry
 * in file order); the value starts after the key delimiter that follows the file's key.
 * zemGetValueExt: also when the file's key, taken as a mask, fits `key`; the value starts
 * after the first '=' from the start of the entry.
 * zemGetValueExt2: zemGetValueExt on a caller's text from its start, no position kept
 * (`unused` and fromStart have no effect).
 * zemGetKeyAndValue: the next entry whatever its key, copied into key as read; 0 when the
 * key delimiter is the last character of the text. */
ZEMAPI(int) zemGetValue(IniFile *ini, const char *key, char *value, int fromStart);
ZEMAPI(int) zemGetValueExt(IniFile *ini, const char *key, char *value, int fromStart);
ZEMAPI(int) zemGetValueExt2(const char *text, const void *unused, const char *keyDelims, const char *valueDelims,
                            const char *key, char *value, int fromStart);
ZEMAPI(int) zemGetKeyAndValue(IniFile *ini, char *key, char *value, int fromStart);
/* Sets ini->position (offsets the lookups left there, and 0, are the meaningful ones). */
ZEMAPI(int32_t) zemResetPos(IniFile *ini, int32_t offset);
/* The number of newlines in text (0 for NULL). */
ZEMAPI(int32_t) zemLineCount(const char *text);
/* The start of line `line` (counted from 1; 0 and 1 give the start), or of the last line
 * when the text has fewer; NULL for a NULL text. */
ZEMAPI(const char *) zemGoToLine(const char *text, int32_t line);

/* Permission files: rule lines sorted into four sections by their first seven characters,
 * compared ignoring case: "Effecti", "UserAut", "Audit::", "TRUST::"; other lines are
 * dropped. Each section text keeps file order, every line end a CR-LF; an empty section
 * is NULL. The caller owns the record; the library owns the texts until zemClosePermFile. */
typedef struct PermSection {
    char    *text;
    int32_t  length;
} PermSection;

typedef struct PermFile {
    FILE        *stream;                      /* open only while loading */
    char         keyDelims[ZEM_INI_DELIMS_SIZE];
    char         valueDelims[ZEM_INI_DELIMS_SIZE];
    char         path[ZEM_PATH_SIZE];
    char         header[80];                  /* the first line, at most 79 characters */
    PermSection  effective;
    PermSection  userAuthority;
    PermSection  audit;
    PermSection  trust;
} PermFile;

/* As zemOpenIniFile / zemLoadFile / zemCloseIniFile, with the same error texts. A file
 * without any rule line loads with four NULL sections. Lines of 2043 characters or more
 * are read in pieces, each sorted on its own. */
ZEMAPI(int) zemOpenPermFile(const char *name, const char *keyDelims, const char *valueDelims, PermFile *perm,
                            char *error, int inConfigFolder);
ZEMAPI(int) zemLoadPermFile(const char *path, const char *keyDelims, const char *valueDelims, PermFile *perm,
                            char *error);
ZEMAPI(int) zemClosePermFile(PermFile *perm);

/* Rule lookups on a text (usually one section) with a position that the caller keeps, so
 * that repeated calls walk the text; fromStart 1 resets *position first. Afterwards
 * *position stands on the character that ended the value. 0 for a NULL text.
 * zemGetValuePermits: the first rule whose key and `key` fit each other as IsRegExpMatch
 * patterns (either way, case-sensitive); the value follows the first '=' of the rule.
 * zemGetValueExtExt2: the first rule that `key` fits by IsPermitMaskMatch; the value
 * follows the key delimiter.
 * zemGetValueExtExt: as zemGetValueExtExt2 on ini's text and key delimiters (not its
 * position), but the value is the one character after the key delimiter (value needs 2
 * bytes) and *position stands on that character. */
ZEMAPI(int) zemGetValuePermits(const char *text, const char *keyDelims, const char *valueDelims, const char *key,
                               char *value, int fromStart, int32_t *position);
ZEMAPI(int) zemGetValueExtExt(IniFile *ini, const char *key, char *value, int fromStart, int32_t *position);
ZEMAPI(int) zemGetValueExtExt2(const char *text, const char *keyDelims, const char *valueDelims, const char *key,
                               char *value, int fromStart, int32_t *position);

/* The permit rule. A key is a path of tokens separated by ':', '\\' and blanks, then an
 * optional object after the last backslash: UserAuthority::QM1::USER1\SYSTEM.*.
 * IsPermitMaskMatch: 1 when rule is "*", or begins with "UserAuthority" or "Audit" and
 * its path tokens fit the first tokens of key's path and its object (if any) fits key's
 * object. Within a token '?' stands for one character and '*' for at least one; a key
 * token "*" fits any mask token; the third key token "$SYSTEM$" is fitted only by the
 * mask token "$SYSTEM$".
 * CompareMaskTokensWithKeyTokens: 1 when every token of mask (cut at its first '#') fits
 * the key's token at the same place; *result receives the answer, except when mask is
 * empty or begins with '#' (0, *result untouched).
 * Both refuse (0) texts of ZEM_INI_KEY_SIZE characters or more, more than
 * ZEM_PERMIT_TOKENS tokens on either side, or tokens longer than ZEM_PERMIT_TOKEN_LENGTH. */
#define ZEM_PERMIT_TOKENS 10
#define ZEM_PERMIT_TOKEN_LENGTH 79
ZEMAPI(int) IsPermitMaskMatch(const char *rule, const char *key);
ZEMAPI(int) CompareMaskTokensWithKeyTokens(const char *mask, const char *key, int *result);

/* Workgroups. "mqgroup.ini" in the configuration folder maps "Group::NAME=G" and
 * "G::Node=..." and so on (key delimiters newline and '=', values end at a blank, tab or
 * newline). Each non-NULL pointer of the request receives its value; groupId receives G
 * (NULL: G is kept internally). node, service, dsNode and dsPort are required when asked
 * for; the others are left unchanged when missing. */
typedef struct WorkgroupInfo {
    char *groupId;      /* G itself */
    char *node;         /* "Node" */
    char *service;      /* "Service" */
    char *dsNode;       /* "VNTDSNode" */
    char *dsPort;       /* "VNTDSPort" */
    char *dbDsn;        /* "DBDSN" */
    char *dbUser;       /* "DBUser" */
    char *dbPwd;        /* "DBPwd" */
    char *dbSchema;     /* "DBSchema" */
    char *dbPSchema;    /* "DBPSchema" */
    char *qx7DbDsn;     /* "QX7DBDSN" */
    char *qx7DbUser;    /* "QX7DBUser" */
    char *qx7DbPwd;     /* "QX7DBPwd" */
    char *qx7DbSchema;  /* "QX7DBSchema" */
} WorkgroupInfo;

/* Resolves name (a mask: "P*" takes the first fitting group). 1 when the group and every
 * required value asked for were found; values found before a failure stay. Errors: the
 * open texts above, "Could not resolve Workgroup \"NAME\"\n", "Could not resolve Workgroup
 * \"NAME\" to \"Service\"\n", and for a name of more than 248 characters or a group id
 * that leaves no room for its keys in 256 characters "Workgroup name too long\n" and
 * "Group identifier of Workgroup \"NAME\" too long\n". */
ZEMAPI(int) zemResolveWorkgroup(const char *name, WorkgroupInfo *info, char *error);

/* ==== END config-files ==== */

/* ==== SECTION diag-hex: hex printers ==== */

/* Stacked hex: per row of perRow bytes, a row of characters (each followed by a blank;
 * "." for bytes outside 0x20..0x7E) over a row of hex pairs; every row after the first
 * starts with `indent` blanks (at least one), so the block can follow a label. PrintHex
 * writes to standard output, indents the first row too and does not flush; PrintHexFile
 * returns the result of flushing stream. perRow below 1 prints nothing. */
ZEMAPI(void) PrintHex(const void *data, int32_t length, int32_t perRow, int32_t indent);
ZEMAPI(int) PrintHexFile(FILE *stream, const void *data, int32_t length, int32_t perRow, int32_t indent);
/* Side by side: per row "PREFIX%08X:  " (offset), then the character and hex columns four
 * blanks apart, each byte followed by separator; charsFirst puts the characters first.
 * The last partial row is padded so the second column lines up. Prints nothing unless
 * there is at least one full row. PrintHexData: 16 a row, separator " ", no prefixes,
 * characters first. */
ZEMAPI(void) PrintFormattedHexData(const void *data, int32_t length, int32_t perRow, const char *separator,
                                   const char *firstPrefix, const char *nextPrefix, int charsFirst, FILE *stream);
ZEMAPI(void) PrintHexData(const void *data, int32_t length, FILE *stream);

/* ==== END diag-hex ==== */

/* ==== SECTION diag-pcf: PCF message printing and dumps ==== */

/* Diagnostic listings on standard output. PrintPcfMessage prints a dated heading, the
 * header extension and every structure of an indexed container (groups with all of their
 * members, to any depth), continuations included under one MQCFH that counts all of
 * their parameters; at the first structure it cannot list it prints the raw dump
 * instead and stops. It returns 0 only when its working buffer cannot be had (or for
 * NULL). PrintPcfAttr lists the one structure in attr: 1, or 0 (after an "UNKNOWN PCF
 * Attribute" line) for a type it cannot list or a structure whose length words do not
 * fit its own bytes. Both return 0, the listing cut short, when memory runs out. Values
 * are shown cut to 1024 bytes. PrintPcfExt lists an MSHDRE (0 for NULL). DumpPcfMessage
 * prints the MQCFH fields and a hex dump of the bytes in this container's data area (a
 * continuation is dumped on its own). DumpHexMessage prints a buffer 16 bytes a line,
 * offset, hex and characters (the
 * last, partial line without characters); it returns the result of flushing stdout. */
ZEMAPI(int) PrintPcfMessage(PcfMessage *pcf);
ZEMAPI(int) PrintPcfAttr(MESSAGE *attr);
ZEMAPI(int) PrintPcfExt(MSHDRE *ext);
ZEMAPI(int) DumpPcfMessage(PcfMessage *pcf);
ZEMAPI(int) DumpHexMessage(const void *buffer, int32_t length);

/* ==== END diag-pcf ==== */

/* ==== SECTION diag-names: MQ structure printers, constant names, reason-code texts ==== */

/* MQ structures as IBM MQ lays them out for this platform: pointer fields take the
 * platform's width, so on 64-bit builds the structures with pointers are larger than the
 * 32-bit sizes noted (MQOD 424, MQPMO 184, MQAXP 256, MQAXC 392 bytes). */
typedef struct ZEM_MQCHARV {        /* variable-length string reference */
    void    *VSPtr;
    int32_t  VSOffset;
    int32_t  VSBufSize;
    int32_t  VSLength;
    int32_t  VSCCSID;
} ZEM_MQCHARV;

typedef struct ZEM_MQOD {           /* object descriptor, version 4: 400 bytes on 32-bit */
    char          StrucId[4];
    int32_t       Version;
    int32_t       ObjectType;
    char          ObjectName[48];
    char          ObjectQMgrName[48];
    char          DynamicQName[48];
    char          AlternateUserId[12];
    int32_t       RecsPresent;
    int32_t       KnownDestCount;
    int32_t       UnknownDestCount;
    int32_t       InvalidDestCount;
    int32_t       ObjectRecOffset;
    int32_t       ResponseRecOffset;
    void         *ObjectRecPtr;
    void         *ResponseRecPtr;
    unsigned char AlternateSecurityId[40];
    char          ResolvedQName[48];
    char          ResolvedQMgrName[48];
    ZEM_MQCHARV   ObjectString;
    ZEM_MQCHARV   SelectionString;
    ZEM_MQCHARV   ResObjectString;
    int32_t       ResolvedType;
} ZEM_MQOD;

typedef struct ZEM_MQPMO {          /* put-message options, version 3: 176 bytes on 32-bit */
    char     StrucId[4];
    int32_t  Version;
    int32_t  Options;
    int32_t  Timeout;
    int32_t  Context;
    int32_t  KnownDestCount;
    int32_t  UnknownDestCount;
    int32_t  InvalidDestCount;
    char     ResolvedQName[48];
    char     ResolvedQMgrName[48];
    int32_t  RecsPresent;
    int32_t  PutMsgRecFields;
    int32_t  PutMsgRecOffset;
    int32_t  ResponseRecOffset;
    void    *PutMsgRecPtr;
    void    *ResponseRecPtr;
    int64_t  OriginalMsgHandle;
    int64_t  NewMsgHandle;
    int32_t  Action;
    int32_t  PubLevel;
} ZEM_MQPMO;

typedef struct ZEM_MQGMO {          /* get-message options, version 4: 112 bytes */
    char          StrucId[4];
    int32_t       Version;
    int32_t       Options;
    int32_t       WaitInterval;
    int32_t       Signal1;
    int32_t       Signal2;
    char          ResolvedQName[48];
    int32_t       MatchOptions;
    char          GroupStatus;
    char          SegmentStatus;
    char          Segmentation;
    char          Reserved1;
    unsigned char MsgToken[16];
    int32_t       ReturnedLength;
    int32_t       Reserved2;
    int64_t       MsgHandle;
} ZEM_MQGMO;

typedef struct ZEM_MQAXP {          /* API-exit parameters, version 2: 248 bytes on 32-bit */
    char          StrucId[4];
    int32_t       Version;
    int32_t       ExitId;
    int32_t       ExitReason;
    int32_t       ExitResponse;
    int32_t       ExitResponse2;
    int32_t       Feedback;
    int32_t       APICallerType;
    unsigned char ExitUserArea[16];
    char          ExitData[32];
    char          ExitInfoName[48];
    unsigned char ExitPDArea[48];
    char          QMgrName[48];
    void         *ExitChainAreaPtr;
    void         *Hconfig;
    int32_t       Function;
    int32_t       Alignment;        /* keeps ExitMsgHandle 8-aligned on every 32-bit ABI */
    int64_t       ExitMsgHandle;
} ZEM_MQAXP;

typedef struct ZEM_MQAXC {          /* API-exit context, version 1: 384 bytes on 32-bit */
    char          StrucId[4];
    int32_t       Version;
    int32_t       Environment;
    char          UserId[12];
    unsigned char SecurityId[40];
    char          ConnectionName[264];
    int32_t       LongMCAUserIdLength;
    int32_t       LongRemoteUserIdLength;
    void         *LongMCAUserIdPtr;
    void         *LongRemoteUserIdPtr;
    char          ApplName[28];
    int32_t       ApplType;
    int32_t       ProcessId;
    int32_t       ThreadId;
} ZEM_MQAXC;

/* Offsets that hold on every platform (the fields before the first pointer). */
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_MQOD, ObjectRecPtr) == 192, "MQOD.ObjectRecPtr at 192");
ZEMAPI_STATIC_ASSERT(sizeof(ZEM_MQOD) == 400 || sizeof(ZEM_MQOD) == 424, "MQOD is 400 or 424 bytes");
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_MQPMO, PutMsgRecPtr) == 144, "MQPMO.PutMsgRecPtr at 144");
ZEMAPI_STATIC_ASSERT(sizeof(ZEM_MQPMO) == 176 || sizeof(ZEM_MQPMO) == 184, "MQPMO is 176 or 184 bytes");
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_MQGMO, ReturnedLength) == 96, "MQGMO.ReturnedLength at 96");
ZEMAPI_STATIC_ASSERT(sizeof(ZEM_MQGMO) == 112, "MQGMO is 112 bytes");
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_MQAXP, ExitChainAreaPtr) == 224, "MQAXP.ExitChainAreaPtr at 224");
ZEMAPI_STATIC_ASSERT(sizeof(ZEM_MQAXP) == 248 || sizeof(ZEM_MQAXP) == 256, "MQAXP is 248 or 256 bytes");
ZEMAPI_STATIC_ASSERT(offsetof(ZEM_MQAXC, LongMCAUserIdPtr) == 336, "MQAXC.LongMCAUserIdPtr at 336");
ZEMAPI_STATIC_ASSERT(sizeof(ZEM_MQAXC) == 384 || sizeof(ZEM_MQAXC) == 392, "MQAXC is 384 or 392 bytes");

/* Structure printers: a heading "\nMQMD  (size: N) ->\n" (N the structure's size here),
 * then one line per field with its offset, name and value:
 * "     [%04X]  %-24s - " then the text (up to its first NUL), or "%-10d  (0x%08X)", or
 * "%-10d  (NAME)" for coded fields (names as the functions below give them), or "%p", or
 * the bytes as PrintHexFile shows them (8 a row, indented 40) unless their first 8 bytes
 * are all zero (then the label ends the line). Each returns the result of flushing the
 * stream. PrintMQMD and PrintMQMDFile differ only in their argument order. */
ZEMAPI(int) PrintMQOD(const ZEM_MQOD *od, FILE *stream);
ZEMAPI(int) PrintMQMD(const ZEM_MQMD *md, FILE *stream);
ZEMAPI(int) PrintMQMDFile(FILE *stream, const ZEM_MQMD *md);
ZEMAPI(int) PrintPMO(FILE *stream, const ZEM_MQPMO *pmo);
ZEMAPI(int) PrintGMO(FILE *stream, const ZEM_MQGMO *gmo);
ZEMAPI(int) PrintMQAxpInfo(FILE *stream, const ZEM_MQAXP *axp);
ZEMAPI(int) PrintMQAxcInfo(FILE *stream, const ZEM_MQAXC *axc);

/* Constant names. The buffer functions copy the name into text (ZEM_NAME_SIZE bytes), or
 * for a value without a name their fallback: "%d" unless noted; Feedback "RC %d",
 * MqObjTypeStr "UNKNOWN VALUE %d", PersistanceType "UNKNOWN". The first six return text;
 * the Map... functions and APICallerType return the constant name when there is one (the
 * same characters are in text either way). Values are matched whole, never as bit sets.
 *   MsgType, PutApplType, Feedback, Report: short words ("DATAGRAM", "UNIX", "QUIT",
 *   "NONE"); MqObjTypeStr, PersistanceType, MapExitId, MapExitReason, MapExitResponse,
 *   MapExitResponse2, APICallerType, MapFeedback, MapEnvironment: MQ constant names
 *   ("MQOT_Q", "MQPER_PERSISTENT", "MQXT_API_EXIT", ...); MapFunctionId: call names
 *   ("MQPUT"); MapChannelType: MQSC words ("SVRCONN").
 * MapMsgType ("MQMT_DATAGRAM", else "MQMT_UNKNOWN") and MapObjType ("QUEUE", else
 * "UNKNOWN") need no buffer. */
#define ZEM_NAME_SIZE 31
ZEMAPI(char *) MsgType(int32_t value, char *text);
ZEMAPI(char *) PutApplType(int32_t value, char *text);
ZEMAPI(char *) Feedback(int32_t value, char *text);
ZEMAPI(char *) Report(int32_t value, char *text);
ZEMAPI(char *) MqObjTypeStr(int32_t value, char *text);
ZEMAPI(char *) PersistanceType(int32_t value, char *text);
ZEMAPI(const char *) MapExitId(int32_t value, char *text);
ZEMAPI(const char *) MapExitReason(int32_t value, char *text);
ZEMAPI(const char *) MapExitResponse(int32_t value, char *text);
ZEMAPI(const char *) MapExitResponse2(int32_t value, char *text);
ZEMAPI(const char *) APICallerType(int32_t value, char *text);
ZEMAPI(const char *) MapFeedback(int32_t value, char *text);
ZEMAPI(const char *) MapFunctionId(int32_t value, char *text);
ZEMAPI(const char *) MapChannelType(int32_t value, char *text);
ZEMAPI(const char *) MapEnvironment(int32_t value, char *text);
ZEMAPI(const char *) MapMsgType(int32_t value);
ZEMAPI(const char *) MapObjType(int32_t value);

/* Names of PCF parameters and their values, from the published MQ constants and the
 * suite's own ids; constant text, NULL for a number without a name (never a guess).
 * PcfParamName(2016) is "MQCA_Q_NAME", PcfParamName(1511) "MQIACH_CHANNEL_TYPE",
 * PcfParamName(20910) "EXPRM_GROUP_NAME". Where MQ gives one id two names, the families
 * rank MQCA_, MQIA_, MQCACF_, MQIACF_, MQCACH_, MQIACH_, MQBACF_, MQGACF_, MQIAMO_,
 * MQCAMO_, MQIAMO64_, then the suite's EXPRM_, EXCA_, EXIA_; inside a family the longer,
 * unabbreviated spelling wins (MQIACH_BYTES_RECEIVED). PcfValueName names the value of
 * an integer parameter whose values MQ enumerates, from that parameter's own
 * enumeration only: PcfValueName(20, 1) is "MQQT_LOCAL" (MQIA_Q_TYPE), channel type and
 * status, persistence, usage, trigger, event switches, object type and others. */
ZEMAPI(const char *) PcfParamName(int32_t id);
ZEMAPI(const char *) PcfValueName(int32_t id, int32_t value);

/* The text of an MQ reason code from "zemrc.ini" in the configuration folder: entries
 * [CODE]"NAME: explanation" (key delimiters blank and double quote); the part before the
 * first ':' is returned, NULL when the entry's text is empty. Without the file or the
 * entry: "unknown reason code". The text is read afresh on every call and stays valid
 * until the calling thread's next call. */
ZEMAPI(const char *) GetRcText(int32_t reason);

/* ==== END diag-names ==== */

#ifdef __cplusplus
}
#endif

#endif /* ZEMAPI_H */

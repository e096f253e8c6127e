/* The public header compiles as strict C99 (with -Wpedantic -Werror) beside declarations
 * that carry IBM MQ's own names, as a program including IBM's headers would have. */
#define MQCFT_INTEGER 3
#define MQCFH_STRUC_LENGTH 36
typedef struct tagMQMD { char StrucId[4]; } MQMD;
typedef struct tagMQCFH { int Type; } MQCFH;
typedef struct tagMQCFIN { int Type; } MQCFIN;
typedef struct tagMQCFST { int Type; } MQCFST;
typedef struct tagMQOD { char StrucId[4]; } MQOD;
typedef struct tagMQGMO { char StrucId[4]; } MQGMO;
typedef struct tagMQPMO { char StrucId[4]; } MQPMO;
typedef int MQLONG;

#include <zemapi.h>

int main(void)
{
    MESSAGE msg;
    MQMD ibm_md;
    (void)ibm_md;
    msg.Kind = 0;
    return (int)(sizeof(ZEM_MQMD) != 364) + msg.Kind;
}

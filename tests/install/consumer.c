/* Builds the standard DISPLAY QUEUE request and prints the MQSC text for a z/OS command server. */
#include <stdio.h>
#include <zemapi.h>

int main(void)
{
    PcfMessage *command = CreatePcfMessage(13 /* MQCMD_INQUIRE_Q */, ZEM_MQCFT_COMMAND, 256);
    PcfMessage *mqsc = CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 4096);
    int32_t compCode = 0, reason = 0, failedParam = 0;
    int ok = command && mqsc && BuildPcfCmd(command, "PAYROLL.*", 1 /* MQQT_LOCAL */);
    if (ok) {
        PrintPcfMessage(command);
        zemPcf2Mqsc(command, mqsc, 0, &compCode, &reason, &failedParam);
        ok = compCode == 0;
    }
    if (ok)
        printf("%s\n", (const char *)mqsc->PcfMsg.pData);
    else
        fprintf(stderr, "failed: reason %d at structure %d\n", (int)reason, (int)failedParam);
    DeletePcfMessage(mqsc);
    DeletePcfMessage(command);
    return ok ? 0 : 1;
}

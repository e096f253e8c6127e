/* A tiny outside program: it uses the installed header and library only. */
#include <zemapi.h>
#include <stdio.h>

int main(void)
{
    MESSAGE msg;
    if (!CreateMessage(&msg, 16))
        return 1;
    int ok = msg.Size == 136 + 16 && msg.Used == 136 && VerifyMessageExt(NULL) == 0;
    DeleteMessage(&msg);
    puts(ok ? "consumer ok" : "consumer failed");
    return ok ? 0 : 1;
}

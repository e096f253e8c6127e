# MQSC replies of a z/OS queue manager turned into PCF responses.
set(mqsc ${SAMPLES}/mqsc)

# DISPLAY QUEUE(PAYROLL.*) ALL: one reply message per queue, then the completion message.
zem_demo(mqsc2pcf --command 13 ${mqsc}/display-queue-1.txt ${mqsc}/display-queue-2.txt
         ${mqsc}/display-queue-end.txt)
# A queue that does not exist: the reply converts, its header carries the failure.
zem_demo(mqsc2pcf --command 13 ${mqsc}/display-queue-notfound.txt)
# A command that failed: the header's RETURN= and the most precise reason of its messages.
zem_demo(mqsc2pcf --command 12 ${mqsc}/delete-queue-missing.txt)
# A cluster-sender with every exit (CR-LF line ends), and a console-form channel status.
zem_demo(mqsc2pcf --command 25 ${mqsc}/display-channel-clussdr.txt)
zem_demo(mqsc2pcf --command 42 ${mqsc}/display-chstatus-console.txt)
# A channel (KAINT(AUTO) becomes -1) and a namelist (NAMES becomes a string list).
zem_demo(mqsc2pcf --command 25 ${mqsc}/display-channel.txt)
zem_demo(mqsc2pcf --command 36 ${mqsc}/display-namelist.txt -o namelist-response.pcf)
zem_demo(pcf print namelist-response.pcf)

# The z/OS reports, one line per reply message.
zem_demo(mqsc2pcf --command 10633 ${mqsc}/set-log.txt)
file(GLOB log_lines ${mqsc}/display-log/*.txt)
list(SORT log_lines)
zem_demo(mqsc2pcf --command 10632 ${log_lines})
file(GLOB group_lines ${mqsc}/display-group/*.txt)
list(SORT group_lines)
zem_demo(mqsc2pcf --command 10901 ${group_lines})

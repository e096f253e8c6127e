# The MQSC/PCF command table: the parameter list of DISPLAY QUEUE (MQCMD_INQUIRE_Q 13),
# then the standard request for it made by BuildPcfCmd (the local queues named PAYROLL.*,
# all attributes), saved and listed.
zem_demo(table 13)
zem_demo(build --command 13 --name PAYROLL.* --value 1 -o display-queue.pcf)
zem_demo(pcf print display-queue.pcf)

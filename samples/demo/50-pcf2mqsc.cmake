# PCF to MQSC: the standard DISPLAY QUEUE request (MQCMD_INQUIRE_Q 13) for the local
# queues (value 1 = MQQT_LOCAL) named PAYROLL.*, as the text a z/OS command server takes,
# on one line and with continuation lines.
zem_demo(build --command 13 --name PAYROLL.* --value 1 -o display-queue.pcf)
zem_demo(pcf2mqsc display-queue.pcf)
zem_demo(pcf2mqsc display-queue.pcf --split)
# Discovery: which objects of two saved inquiry responses were altered since the previous
# discovery started (the queue in 2024, the channel in 2023).
zem_demo(recent ${SAMPLES}/pcf/inquire-q-response.pcf ${SAMPLES}/pcf/inquire-channel-response.pcf
         --since "2024-01-01 00:00:00" --qmgr QM1)
zem_demo(recent ${SAMPLES}/pcf/inquire-channel-response.pcf --since "2023-11-02 09:15:00" --qmgr QM1 --verbose)

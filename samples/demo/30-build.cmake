# A PCF message built from the shell: INQUIRE QUEUE (MQCMD_INQUIRE_Q 13) for the local
# queues (MQIA_Q_TYPE 20 = MQQT_LOCAL 1) named PAYROLL.* (MQCA_Q_NAME 2016), asking for
# their current depth, maximum depth and description (MQIACF_Q_ATTRS 1002 = 3, 15, 2013).
# Saved, listed and dumped.
zem_demo(pcf new --command 13 -o inquire-q.pcf)
zem_demo(pcf add inquire-q.pcf --str 2016=PAYROLL.* --int 20=1 --int-list 1002=3,15,2013)
zem_demo(pcf print inquire-q.pcf)
zem_demo(pcf dump inquire-q.pcf)

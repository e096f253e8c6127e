# Foundations: a z/OS text sample in hex and as ASCII, the key mask and the permission
# pattern matchers, and where the configuration files are looked for.
zem_demo(hexdump ${SAMPLES}/foundation/queues.ebcdic)
zem_demo(ebcdic --to-ascii ${SAMPLES}/foundation/queues.ebcdic)
zem_demo(match "SYSTEM.*" SYSTEM.DEF.QUEUE)
zem_demo(match --pattern "Q[0-9][0-9]" Q42)
zem_demo(match --pattern --ignore-case "*.queue" SYSTEM.DEF.QUEUE)
zem_demo(installdir)
zem_demo(path mqgroup.ini)

# PCF messages: what a saved message holds, and a big-endian EBCDIC peer's message made native.
zem_demo(pcf info ${SAMPLES}/pcf/inquire-q-response.pcf)
zem_demo(pcf native ${SAMPLES}/pcf/peer-inquire-q-response.pcf -o peer-native.pcf --swap --ebcdic)
zem_demo(pcf info peer-native.pcf)

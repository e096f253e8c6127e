# Configuration: the sample install directory holds config/groups with the workgroups,
# the reason-code texts and an operators' permission file.
set(groups ${SAMPLES}/config/groups)

# Resolve a workgroup: its server, directory service and databases (passwords masked).
zem_demo(workgroup PROD --home ${SAMPLES})
# May operator OPER1 use SYSTEM.DEF on QM1? The first fitting rule of the section decides.
zem_demo(permit ${groups}/operators.perm "UserAuthority::QM1::OPER1\\SYSTEM.DEF")
# The same rule checked on its own, and the system user that only $SYSTEM$ rules fit.
zem_demo(permit "UserAuthority::QM1::OPER*\\SYSTEM.*" "UserAuthority::QM1::OPER1\\SYSTEM.DEF")
zem_demo(permit ${groups}/operators.perm "UserAuthority::QM1::$SYSTEM$\\SYSTEM.ADMIN.COMMAND.QUEUE")
# A single setting, read with the key-and-value reader.
zem_demo(ini ${groups}/mqgroup.ini "G100::Node")
# The text of reason code 2035, and names of MQ constants.
zem_demo(rc 2035 --home ${SAMPLES})
zem_demo(name feedback 256)
zem_demo(name function 9)
zem_demo(name mqot 1004)

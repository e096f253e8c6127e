#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/TARGET/ from the bundled
samples and from small hand-built messages. Run it again after a sample changes; the
files are committed."""
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent
SAMPLES = ROOT / "samples"
CORPUS = HERE / "corpus"


def pad(data):
    return data + b"\0" * (-len(data) % 4)


class Pcf:
    """PCF structures in little-endian order (this machine's), ASCII text."""

    def __init__(self):
        self.parts = []

    def words(self, *values):
        return struct.pack("<%di" % len(values), *values)

    def add(self, type_, body):
        self.parts.append(self.words(type_, 8 + len(body)) + body)
        return self

    def cfh(self, type_, command, count, version=1):
        self.parts.append(self.words(type_, 36, version, command, 1, 1, 0, 0, count))
        return self

    def cfin(self, param, value):
        return self.add(3, self.words(param, value))

    def cfst(self, param, text, type_=4):
        return self.add(type_, pad(self.words(param, 0, len(text)) + text))

    def cfil(self, param, values):
        return self.add(5, self.words(param, len(values), *values))

    def cfsl(self, param, texts, length):
        body = b"".join(t.ljust(length) for t in texts)
        return self.add(6, pad(self.words(param, 0, len(texts), length) + body))

    def cfbs(self, param, data):
        return self.add(9, pad(self.words(param, len(data)) + data))

    def cfif(self, param, op, value):
        return self.add(13, self.words(param, op, value))

    def cfsf(self, param, op, text):
        return self.add(14, pad(self.words(param, op, 0, len(text)) + text))

    def cfbf(self, param, op, data):
        return self.add(15, pad(self.words(param, op, len(data)) + data))

    def cfgr(self, param, count):
        return self.add(20, self.words(param, count))

    def cfin64(self, param, value):
        return self.add(23, self.words(param, 0) + struct.pack("<q", value))

    def cfil64(self, param, values):
        return self.add(25, self.words(param, len(values)) + struct.pack("<%dq" % len(values), *values))

    def excfbl(self, param, entries, length):
        body = b"".join(e.ljust(length, b"\0") for e in entries)
        return self.add(997, pad(self.words(param, 0, len(entries), length) + body))

    def bytes(self):
        return b"".join(self.parts)


def every_structure():
    inner = Pcf().cfh(2, 13, 1).cfin(3, 7).bytes()
    return (Pcf().cfh(2, 13, 15, version=3)
            .cfst(2016, b"PAYROLL.IN").cfin(20, 1).cfil(1002, [3, 15, 2016])
            .cfsl(2020, [b"A", b"BB", b"CCC"], 8).cfbs(7006, b"\x01\x02\x03\x04\x05")
            .cfif(3, 4, 10).cfsf(2027, 4, b"2024-01-01").cfbf(7006, 2, b"\xff\x00")
            .cfgr(8001, 2).cfin(1, 2).cfst(2, b"member")
            .cfin64(1400, 1 << 40).cfil64(1401, [1, -1, 1 << 33])
            .excfbl(9001, [b"\x00\x01", b"\x02"], 4).cfst(9002, inner, type_=998)
            .cfst(9003, b"\x00binary\xff", type_=999).cfst(2013, b"last").bytes())


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def mdhdr(encoding, charset, length):
    """The 136-byte envelope header as a peer of the other byte order writes it."""
    fmt = ">i" if encoding else "<i"
    word = lambda v: struct.pack(fmt, v)
    return (word(136) + word(0) + word(encoding) + word(charset) + b"\0" * 48 + word(length) + word(0) +
            b"\0" * 12 + b"\0" * 48 + word(1))


def mshdre(encoding, charset):
    fmt = ">5i" if encoding else "<5i"
    return struct.pack(fmt, 32, 1, encoding, charset, 0) + b" " + b"\0" * 11


def main():
    pcf_samples = {p.name: p.read_bytes() for p in sorted((SAMPLES / "pcf").glob("*.pcf"))}
    native = {n: d for n, d in pcf_samples.items() if not n.startswith("peer")}
    for target in ("pcf_index", "pcf_file"):
        for name, data in native.items():
            write(target, name, data)
        write(target, "every-structure.pcf", every_structure())
        write(target, "empty-command.pcf", Pcf().cfh(1, 13, 0).bytes())

    peer = pcf_samples["peer-inquire-q-response.pcf"]
    # mode byte: swap | text << 1 | ascii << 2, then MDHDR, MSHDRE and the data
    write("pcf_peer", "peer-response", bytes([7]) + mdhdr(1, 500, len(peer)) + mshdre(1, 500) + peer)
    sample = pcf_samples["inquire-q-response.pcf"]
    write("pcf_peer", "native-response", bytes([0]) + mdhdr(0, 1, len(sample)) + mshdre(0, 1) + sample)
    write("pcf_peer", "native-every-structure",
          bytes([4]) + mdhdr(0, 1, len(every_structure())) + mshdre(0, 1) + every_structure())

    # mqsc2pcf: command choice (10 fixed codes, then the table by position), room, replies
    mqsc = SAMPLES / "mqsc"
    queue = [mqsc / n for n in ("display-queue-1.txt", "display-queue-2.txt", "display-queue-end.txt")]
    write("mqsc2pcf", "display-queue", bytes([4, 4]) + b"\x01".join(p.read_bytes() for p in queue))
    write("mqsc2pcf", "queue-not-found", bytes([4, 3]) + (mqsc / "display-queue-notfound.txt").read_bytes())
    write("mqsc2pcf", "display-channel", bytes([25, 4]) + (mqsc / "display-channel.txt").read_bytes())
    write("mqsc2pcf", "display-namelist", bytes([48, 4]) + (mqsc / "display-namelist.txt").read_bytes())
    write("mqsc2pcf", "set-log", bytes([2, 4]) + (mqsc / "set-log.txt").read_bytes())
    write("mqsc2pcf", "escape", bytes([0, 4]) + (mqsc / "display-queue-2.txt").read_bytes())
    for report, choice in (("display-log", 1), ("display-group", 3)):
        lines = sorted((mqsc / report).glob("*.txt"))
        write("mqsc2pcf", report, bytes([choice, 4]) + b"\x01".join(p.read_bytes() for p in lines[:8]))
        write("mqsc2pcf", report + "-rest", bytes([choice, 4]) + b"\x01".join(p.read_bytes() for p in lines[8:]))

    # pcf2mqsc: command choice (4 fixed codes, then the table by position), options, parameters
    p2m = {
        "inquire-q": (1, Pcf().cfst(2016, b"PAYROLL.*").cfin(20, 1).cfil(1002, [1009])),
        "inquire-q-altered": (1, Pcf().cfst(2016, b"*").cfsf(2027, 4, b"2024-01-01")),
        "inquire-channel": (4 + 15, Pcf().cfst(3501, b"TO.*").cfil(1015, [1009])),
        "change-q": (4 + 8, Pcf().cfst(2016, b"PAYROLL.IN").cfin(20, 1).cfst(2013, b"Payroll input")
                     .cfin(15, 5000)),
        "create-namelist": (4 + 39, Pcf().cfst(2010, b"NL1").cfsl(2020, [b"Q1", b"Q2"], 48)),
        "escape": (0, Pcf().cfin(1017, 1).cfst(3014, b"DISPLAY QMGR ALL")),
    }
    for name, (choice, params) in p2m.items():
        write("pcf2mqsc", name, bytes([choice, 0]) + params.bytes())
        write("pcf2mqsc", name + "-split-small", bytes([choice, 0x08]) + params.bytes())

    # ini: delimiter choice, the key on the first line, then the file
    groups = SAMPLES / "config" / "groups"
    write("ini", "mqgroup", b"\x01G100::Node\n" + (groups / "mqgroup.ini").read_bytes())
    write("ini", "zemrc", b"\x02[2009]\n" + (groups / "zemrc.ini").read_bytes())
    write("ini", "plain", b"\x00name\n# comment\nname=value\r\nother = two words\nlast=end")
    write("ini", "workgroup", b"\x01PROD\n" + (groups / "mqgroup.ini").read_bytes())
    write("ini", "registry", b"\x00WorkPath\n[Software\\Trelko\\Vantorell/WMQ]\nWorkPath=/opt/zem\n")

    write("perm", "operators", b"\x00UserAuthority::QM1::OPER1\\SYSTEM.ADMIN.Q\n" +
          (groups / "operators.perm").read_bytes())
    write("perm", "audit", b"\x00Audit::QM1::*\\APP.X\n" + (groups / "operators.perm").read_bytes())

    for name, data in {
        "mask": b"SYSTEM.*\0SYSTEM.ADMIN.COMMAND.QUEUE   ",
        "pattern": b"[A-Z]*.?[^0-9]*X\0ABC.DEFX",
        "permit": b"UserAuthority::QM?::OPER*\\SYSTEM.*\0UserAuthority::QM1::OPER7\\SYSTEM.DEF",
        "system": b"UserAuthority::QM1::$SYSTEM$\\A*\0UserAuthority::QM1::$SYSTEM$\\ABC",
        "stars": b"*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b\0aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
    }.items():
        write("match", name, data)


if __name__ == "__main__":
    main()

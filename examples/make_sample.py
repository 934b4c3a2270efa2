#!/usr/bin/env python3
"""Writes sample.adi, the synthetic ZELMAR TEST log bundled with the tool.

No real person's data: call signs are drawn from made-up suffixes. The log
spans several tours on six bands in the three contest modes and holds the
cases an operator meets: lower-case codes with blanks, codes that are no
KDA code, FT8 QSOs, same-tour repeats, a portable call sign and one
duplicate record.
"""
import random

random.seed(20261211)
LETTERS = {"A": 6, "B": 19, "C": 14, "F": 13, "G": 7, "I": 13, "J": 17,
           "K": 9, "L": 20, "M": 13, "N": 16, "O": 8, "P": 18, "Q": 18,
           "T": 11, "Z": 3}
CODES = [f"{l}{n:02d}" for l, c in LETTERS.items() for n in range(1, c + 1)]
BANDS = [("160M", 1.830), ("80M", 3.540), ("40M", 7.020), ("20M", 14.025),
         ("15M", 21.030), ("10M", 28.040)]
MODES = ["CW", "CW", "SSB", "RTTY"]


def field(name, value):
    return f"<{name}:{len(value)}>{value}"


def call():
    prefix = random.choice(["UA1", "UA3", "RA3", "RW6", "UA9", "R7", "UA0"])
    return prefix + "".join(random.choice("ABCDEFGHIKLMNOPRSTUVWXYZ")
                            for _ in range(random.choice([2, 3])))


def record(c, date, time, band, freq, mode, srx, stx="B05", submode=None):
    rst = "599" if mode in ("CW", "RTTY") else "59"
    parts = [field("CALL", c), field("QSO_DATE", date), field("TIME_ON", time),
             field("BAND", band), field("FREQ", f"{freq:.3f}"),
             field("MODE", mode)]
    if submode:
        parts.append(field("SUBMODE", submode))
    parts += [field("RST_SENT", rst), field("RST_RCVD", rst),
              field("STX_STRING", stx), field("SRX_STRING", srx),
              field("STATION_CALLSIGN", "UA3ZZZ"), "<EOR>"]
    return " ".join(parts)


lines = ["Synthetic ZELMAR TEST log for zelmar-score",
         field("ADIF_VER", "3.1.6") + " " + field("PROGRAMID", "zelmar-sample"),
         "<EOH>"]
stations = [call() for _ in range(90)]
records = []
for n in range(300):
    hour = 12 + n // 50          # six tours, 12z to 17z
    minute = (n % 50) * 60 // 50
    band, base = BANDS[(n // 7) % len(BANDS)]
    mode = MODES[n % len(MODES)]
    srx = random.choice(CODES)
    if n % 37 == 5:
        srx = " " + srx.lower() + " "   # typed in lower case with blanks
    if n % 41 == 7:
        srx = random.choice(["X01", "A07", "D01", "0O1"])  # not a code
    c = random.choice(stations)
    if n == 120:
        c = "UA3ABC/P"
    freq = base + random.randrange(0, 30) / 1000
    records.append(record(c, "20260502", f"{hour:02d}{minute:02d}",
                          band, freq, mode, srx))
    if n % 60 == 30:               # worked again in the same tour
        records.append(record(c, "20260502", f"{hour:02d}{minute + 1:02d}",
                              band, freq, mode, srx))
    if n % 75 == 10:               # a digital QSO outside the contest modes
        records.append(record(call(), "20260502", f"{hour:02d}{minute:02d}",
                              "20M", 14.074, "MFSK", "K01", submode="FT8")
                       .replace("<MODE:4>MFSK", "<MODE:3>FT8"))
records.append(records[3])          # one duplicate record
lines += records
with open("sample.adi", "w", newline="\r\n") as out:
    out.write("\n".join(lines) + "\n")

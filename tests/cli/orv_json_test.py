#!/usr/bin/env python3
"""orv's --json output parsed back, and orv linked without Qt. Usage: orv_json_test.py ORV"""
import json
import subprocess
import sys

orv = sys.argv[1]
failures = []


def strict_object(pairs):
    keys = [k for k, _ in pairs]
    if len(keys) != len(set(keys)):
        raise ValueError(f"duplicate keys in {keys}")
    return dict(pairs)


def no_constant(name):
    raise ValueError(f"not JSON: {name}")


def run(args, stdin=b""):
    p = subprocess.run([orv, *args], input=stdin, capture_output=True, timeout=60)
    return p.returncode, [json.loads(line, object_pairs_hook=strict_object,
                                     parse_constant=no_constant)
                          for line in p.stdout.decode("utf-8", "strict").splitlines()]


def check(name, got, expected):
    if got != expected:
        failures.append(f"{name}: {got!r} != {expected!r}")


status, [c] = run(["convert", "2000-01-01", "--to", "jdn", "--json"])
check("convert status", status, 0)
check("convert first", c["first"],
      {"text": "2000-01-01", "jdn": 2451545, "weekday": "Saturday", "isoWeekday": 6,
       "year": 2000, "month": 1, "day": 1})
check("convert second", c["second"]["jdn"], 2451545)
check("convert value", c["value"], "2451545")

status, [a] = run(["add", "2000-01-01", "-1", "--to", "an", "--json", "--lang", "de"])
check("add", (status, a["days"], a["second"]["text"], a["second"]["weekday"], a["to"]),
      (0, -1, "10518-10-37", "Quintidi", "an"))

status, [d] = run(["diff", "2000-01-01", "2001-03-15", "--json", "--lang", "es"])
check("diff", (d["days"], d["breakdown"], d["value"]),
      (439, {"years": 1, "months": 2, "days": 14}, "439"))
check("diff weekday", (d["second"]["weekday"], d["second"]["isoWeekday"]), ("Jueves", 4))

status, [t] = run(["today", "--to", "jdn", "--json"])
check("today", (status, t["value"] == str(t["today"]["jdn"])), (0, True))

# A batch: every line gives one object, the refused ones with their error and line number.
batch = b'2000-01-01\t2000-01-02\n"\\\x01\t2000\n\xff\xfe\tx\n' + b"9" * 5000 + b"\n"
status, objects = run(["diff", "--json"], batch)
check("batch status", status, 1)
check("batch lines", [o["line"] for o in objects], [1, 2, 3, 4])
check("batch days", objects[0]["days"], 1)
check("batch input escaped", objects[1]["input"], ['"\\\x01', "2000"])
check("batch problems", [o.get("problem") for o in objects[1:]],
      ["control-character", "invalid-utf-8", "line-too-long"])
check("batch invalid bytes", objects[2]["input"][0], "\ufffd\ufffd")

# orv is built from the Qt-free core only.
needed = subprocess.run(["readelf", "-d", orv], capture_output=True, text=True).stdout
check("no Qt", "Qt" in needed, False)

for f in failures:
    print("FAIL", f)
sys.exit(1 if failures else 0)

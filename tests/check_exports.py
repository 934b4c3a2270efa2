#!/usr/bin/env python3
"""Checks the export table of the shipped 32-bit Stats.dll.

It must hold exactly 24 names under the export name Stats: ordinals 1-12
the C++ names of the host's compiler, 13-24 the plain names, each group in
alphabetical order, every C++ name at the address of its plain name. The
DLL may import only Windows system libraries. When clang is at hand, the
C++ names are also compared with what clang makes of stats_decorated.h for
the host's compiler, and turned back into prototypes with llvm-undname.

usage: check_exports.py OBJDUMP DLL SOURCE_DIR
       check_exports.py OBJDUMP --imports-only EXE   (the companion program)
"""
import re
import shutil
import subprocess
import sys

PLAIN_OF = {
    "AddData0": "AddData0", "RemoveData0": "RemoveData0",
    "CheckCallFunc0": "CheckCall0", "StatsIsValidExchg0": "IsValidExchg0",
    "StatsGetExchgCount0": "GetExchgCount0",
    "GetSerialFormat0": "GetSerialFormat0",
    "GetAllowedSerialFields0": "GetAllowedSerialFields0",
    "GetResult0": "GetResult0", "ResetStats0": "ResetStats0",
    "GetNumberOfSets": "GetNumberOfSets", "GetSetName": "GetSetName",
    "SetupSet0": "SetupSet0",
}
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "msvcrt.dll", "gdi32.dll",
               "advapi32.dll", "ole32.dll", "oleaut32.dll"}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def clang_names(source_dir):
    """The decorated names clang gives the prototypes, or None."""
    clang = shutil.which("clang++") or shutil.which("clang")
    if clang is None:
        return None
    code = ('#include "stats/stats_decorated.h"\n'
            "void* refs[] = {" + ",".join(
                f"(void*)&::{n}" for n in PLAIN_OF) + "};\n")
    asm = subprocess.run(
        [clang, "--target=i686-pc-windows-msvc", "-x", "c++", "-S", "-o", "-",
         "-I", source_dir, "-"], input=code, capture_output=True, text=True,
        check=True).stdout
    return {n for n in re.findall(r"\?\w+@@[A-Za-z0-9_@?$]+", asm)
            if not n.startswith("?refs@@")}


def system_imports_only(dump):
    imports = {m.lower() for m in re.findall(r"DLL Name: (\S+)", dump)}
    check(imports <= SYSTEM_DLLS, f"imports beyond the system: {imports}")


def main():
    if sys.argv[2] == "--imports-only":
        system_imports_only(subprocess.run(
            [sys.argv[1], "-p", sys.argv[3]], capture_output=True, text=True,
            check=True).stdout)
        for failure in failures:
            print("FAIL:", failure)
        print("imports:", "ok" if not failures else "broken")
        return 1 if failures else 0
    objdump, dll, source_dir = sys.argv[1:4]
    dump = subprocess.run([objdump, "-p", dll], capture_output=True,
                          text=True, check=True).stdout

    name = re.search(r"^Name\s+\S+\s+(\S+)", dump, re.M)
    check(name and name.group(1) == "Stats.dll",
          f"export name: {name and name.group(1)}")
    base = int(re.search(r"Ordinal Base (\d+)", dump).group(1))
    rvas = {}
    for m in re.finditer(r"\[\s*(\d+)\] \+base\[\s*(\d+)\] ([0-9a-f]+) Export RVA",
                         dump):
        rvas[int(m.group(2))] = m.group(3)
    table = dump.split("[Ordinal/Name Pointer] Table", 1)[1]
    names = {}
    for m in re.finditer(r"^\s+\[\s*(\d+)\] (\S+)$", table, re.M):
        names[int(m.group(1)) + base] = m.group(2)
    check(len(names) == 24, f"{len(names)} names, not 24")

    decorated = [names.get(i, "") for i in range(1, 13)]
    plain = [names.get(i, "") for i in range(13, 25)]
    check(decorated == sorted(decorated), "ordinals 1-12 not in order")
    check(plain == sorted(PLAIN_OF.values()), f"plain names: {plain}")
    for ordinal in range(1, 13):
        cxx = names.get(ordinal, "")
        function = cxx[1:].split("@@")[0]
        target = PLAIN_OF.get(function)
        check(target is not None, f"unexpected name {cxx}")
        if target is None:
            continue
        target_ordinal = 13 + sorted(PLAIN_OF.values()).index(target)
        check(rvas.get(ordinal) == rvas.get(target_ordinal),
              f"{cxx} and {target} differ in address")

    system_imports_only(dump)

    expected = clang_names(source_dir)
    if expected is not None:
        check(set(decorated) == expected,
              f"names differ from clang's: {set(decorated) ^ expected}")
        undname = shutil.which("llvm-undname")
        if undname:
            text = subprocess.run([undname] + decorated, capture_output=True,
                                  text=True).stdout
            check("int __cdecl CheckCallFunc0(" in text and
                  "class COleDateTime *" in text,
                  "llvm-undname does not give the prototypes back")

    for failure in failures:
        print("FAIL:", failure)
    print("export table:", "ok" if not failures else "broken")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Compiler launcher that gives clang what g++ does with -fexec-charset=CP932.

clang takes UTF-8 as its only execution character set, but every literal of
this code must be Shift-JIS bytes. As CMAKE_CXX_COMPILER_LAUNCHER it runs a
compile "COMPILER ARGS... -o OBJECT -c SOURCE" in three steps:

1. COMPILER -E -frewrite-includes: the source with every #include inlined,
   macros and comments untouched, and line markers that keep diagnostics and
   sanitizer reports on the original files and lines. Dependency flags
   (-MD -MF ...) are honoured here, on the real headers.
2. Every run of non-ASCII characters becomes the octal escapes of its CP932
   bytes, converted by iconv as g++ converts them. The code has non-ASCII
   text only in narrow literals and comments (no u8/L literals, no raw
   strings, no non-ASCII names); in a comment the escapes are harmless. A run
   iconv cannot convert is left as it is: the g++ builds refuse such a
   literal anyway.
3. COMPILER ARGS on the rewritten file, without the dependency flags.

Anything that is not a compile of one source is run unchanged.
"""
import os
import re
import subprocess
import sys

DEPENDENCY_FLAGS_WITH_VALUE = {"-MT", "-MF", "-MQ"}
DEPENDENCY_FLAGS = {"-MD", "-MMD"}
NON_ASCII_RUN = re.compile(r"[^\x00-\x7f]+")


def cp932_runs(runs):
    """CP932 bytes of each text run, or None for a run iconv refuses."""
    if not runs:
        return []
    joined = subprocess.run(["iconv", "-f", "UTF-8", "-t", "CP932"], input="\n".join(runs).encode(),
                            capture_output=True)
    if joined.returncode == 0:
        # A CP932 character never holds the byte 0x0A, so the split is exact.
        return joined.stdout.split(b"\n")
    converted = []
    for run in runs:
        single = subprocess.run(["iconv", "-f", "UTF-8", "-t", "CP932"], input=run.encode(),
                                capture_output=True)
        converted.append(single.stdout if single.returncode == 0 else None)
    return converted


def escape_non_ascii(text):
    runs = sorted(set(NON_ASCII_RUN.findall(text)))
    escapes = {}
    for run, data in zip(runs, cp932_runs(runs)):
        escapes[run] = run if data is None else "".join("\\%03o" % b for b in data)
    return NON_ASCII_RUN.sub(lambda m: escapes[m.group(0)], text)


def without_dependency_flags(args):
    kept, skip = [], False
    for arg in args:
        if skip:
            skip = False
        elif arg in DEPENDENCY_FLAGS_WITH_VALUE:
            skip = True
        elif arg not in DEPENDENCY_FLAGS:
            kept.append(arg)
    return kept


def main(argv):
    command = argv[1:]
    if "-c" not in command or "-o" not in command:
        os.execvp(command[0], command)
    source_at = command.index("-c") + 1
    object_at = command.index("-o") + 1
    if source_at >= len(command) or object_at >= len(command):
        os.execvp(command[0], command)
    rewritten = command[object_at] + ".cp932.cpp"

    expand = list(command)
    expand[object_at] = rewritten
    del expand[source_at - 1]  # the -c
    expand[1:1] = ["-E", "-frewrite-includes", "-Wno-unused-command-line-argument"]
    if subprocess.run(expand).returncode != 0:
        return 1
    try:
        with open(rewritten, encoding="utf-8", newline="") as f:
            text = f.read()
        with open(rewritten, "w", encoding="utf-8", newline="") as f:
            f.write(escape_non_ascii(text))
        compile_command = without_dependency_flags(command)
        compile_command[compile_command.index("-c") + 1] = rewritten
        return subprocess.run(compile_command).returncode
    finally:
        os.remove(rewritten)


if __name__ == "__main__":
    sys.exit(main(sys.argv))

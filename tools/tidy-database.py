#!/usr/bin/env python3
"""Writes the compile database clang-tidy reads (scripts/tidy.sh), from the native and the
windows-x64 trees' compile_commands.json: each C++ file of the project once, the portable units
with their native command and the Win32 ones with their mingw-w64 command made fit for clang.

usage: tidy-database.py SOURCE_DIR NATIVE_DB WINDOWS_DB OUT_DB

- GoogleTest's sources, the resource scripts and the trees' own files are left out; so are
  tests/, fuzz/ and bench/ (fuzz/ and bench/ are in neither tree): clang-tidy runs over the
  programs' code only. shared/util/runtime_failures.cpp is left out too: it defines the C++
  runtime's own hooks in namespace std, with the runtime's signatures (one C variadic), which
  is exactly what cert-dcl58-cpp and cert-dcl50-cpp exist to forbid.
- gcc's options that clang does not know are dropped: -Wduplicated-cond and -Wlogical-op
  (clang would report them as unknown warnings) and -fexec-charset=CP1252 (clang only has
  UTF-8; the literals' bytes matter at run time, not to the checks).
- The Windows commands name clang++ for x86_64-w64-mingw32 instead of the mingw-w64 g++, with
  the g++'s own include folders and clang's built-in headers in place of gcc's: clang's MinGW
  driver misses Debian's versioned folder (12-posix) and would fall back to the host's headers.
"""
import functools
import json
import os
import shlex
import subprocess
import sys

GCC_ONLY = {"-Wduplicated-cond", "-Wlogical-op", "-fexec-charset=CP1252"}
LEFT_OUT = ("tests/", "fuzz/", "bench/", "build/", "shared/util/runtime_failures.cpp")


def project_file(source_dir, entry):
    path = os.path.relpath(os.path.join(entry["directory"], entry["file"]), source_dir)
    if path.startswith("..") or path.startswith(LEFT_OUT) or not path.endswith(".cpp"):
        return None
    return path


@functools.lru_cache(maxsize=None)
def gcc_include_dirs(compiler):
    """The folders `compiler` searches for <...> headers, in order."""
    out = subprocess.run([compiler, "-E", "-x", "c++", "-v", os.devnull, "-o", os.devnull],
                         capture_output=True, text=True, check=True).stderr.splitlines()
    start = out.index("#include <...> search starts here:") + 1
    end = out.index("End of search list.")
    return [os.path.normpath(line.strip()) for line in out[start:end]]


def clang_for_mingw(args):
    """`args` of a mingw-w64 g++ command, rewritten for clang++ aimed at the same target."""
    resource = subprocess.run(["clang++", "-print-resource-dir"], capture_output=True, text=True,
                              check=True).stdout.strip()
    includes = []
    for folder in gcc_include_dirs(args[0]):
        if "/lib/gcc/" in folder and "/include/c++" not in folder:
            continue  # gcc's own built-in headers (include, include-fixed): clang has its own
        includes += ["-isystem", folder]
    return ["clang++", "--target=x86_64-w64-mingw32", "-nostdinc", "-isystem",
            os.path.join(resource, "include")] + includes + args[1:]


def main(source_dir, native_db, windows_db, out_db):
    source_dir = os.path.realpath(source_dir)
    entries = {}
    for db, windows in ((native_db, False), (windows_db, True)):
        with open(db) as f:
            db_entries = json.load(f)
        for entry in db_entries:
            path = project_file(source_dir, entry)
            if path is None or path in entries:
                continue
            args = [a for a in shlex.split(entry["command"]) if a not in GCC_ONLY]
            if windows:
                args = clang_for_mingw(args)
            entries[path] = {"directory": entry["directory"], "file": entry["file"],
                             "arguments": args}
    os.makedirs(os.path.dirname(out_db), exist_ok=True)
    with open(out_db, "w") as out:
        json.dump(sorted(entries.values(), key=lambda e: e["file"]), out, indent=1)


if __name__ == "__main__":
    main(*sys.argv[1:])

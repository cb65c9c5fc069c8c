#!/usr/bin/env python3
"""Fails on an #include that goes upward or sideways between the code's layers.

Every folder (or single interface header) has a layer number below. A file may include
files of its own folder and of folders with a lower number; two different folders of the
same layer never include each other (readers of different formats, for example).
A tests folder sits just above the folder it tests and may also use the test-support
folders; benchmarks may use the test-support folders too, never a tests folder. A folder that is not listed is an error, so a new folder gets its place here.
"""
import os
import re
import subprocess
import sys

# Lowest first. The longest matching prefix decides.
LAYERS = {
    "common": 0,
    # What callers of a deliverable include: its exported functions and shared records.
    "exportfilter/quenvartexila.h": 1,
    "environment/varnokastell.h": 1,
    "about/brisel.h": 1,
    "messaging/ko_messaging.h": 1,
    "viewer/strings": 1,
    "viewer/app/splash": 1,
    # The export library: engine, format writers, dialogs, the exported functions.
    "exportfilter/engine": 2,
    "exportfilter/formats": 3,
    "exportfilter/ui": 4,
    "exportfilter/formats/ui": 5,
    "exportfilter": 6,
    # The family's other libraries.
    "messaging": 2,
    "environment/environment_core.h": 2,
    "environment/environment_strings.h": 2,
    "environment/ui": 3,
    "environment": 4,
    "about": 3,
    # Measurement data: the model, access to the data files, the readers, opening by content.
    "viewer/data": 2,
    "viewer/data/access": 3,
    "viewer/data/info": 3,
    "viewer/data/info/ui": 4,
    "viewer/data/mdf": 4,
    "viewer/data/tarko": 4,
    "viewer/data/open": 5,
    "viewer/data/test_support": 6,
    # Saving a measurement (its tests reopen what they saved).
    "viewer/data/save": 6,
    # Linking several recordings into one (writes through the same temporary files).
    "viewer/data/link": 6,
    "viewer/data/export": 7,
    "viewer/data/tools": 7,
    # Settings, the shell and the diagram model.
    "viewer/settings": 2,
    "viewer/settings/ui": 3,
    "viewer/grid": 3,
    "viewer/help": 3,
    "viewer/app": 4,
    "viewer/view/model": 6,
    # Document, view and painter; then commands and dialogs over them.
    "viewer/view": 7,
    "viewer/view/test_support": 8,
    "viewer/navigation": 9,
    "viewer/sheets": 9,
    "viewer/ranges": 9,
    "viewer/measure": 9,
    "viewer/data/save/ui": 9,
    "viewer/data/link/ui": 9,
    "viewer/frame": 10,
    # Composition: wires every layer into the program.
    "viewer/main": 11,
    "bench": 12,
    "tests": 12,
    "fuzz": 12,
    # The package: a build-time icon renderer and the installed tree's tests.
    "packaging": 12,
}

TEST_SUPPORT = ("viewer/data/test_support", "viewer/view/test_support", "common/tests")
# Tests may also make their recordings with the generator, which writes through the real writers.
TEST_HELPERS = TEST_SUPPORT + ("viewer/data/tools",)


def format_key(parts):
    """exportfilter/formats/<format>[/ui]: each format its own folder of layer 3 (its
    writer) and 5 (its pages), so that two formats never include each other."""
    if len(parts) > 3 and parts[:2] == ["exportfilter", "formats"]:
        key = "/".join(parts[:3] + (["ui"] if "ui" in parts[3:-1] else []))
        LAYERS.setdefault(key, LAYERS["exportfilter/formats/ui" if key.endswith("/ui") else "exportfilter/formats"])
        return key
    return None


def layer_key(path):
    """The LAYERS key that holds path (a file path relative to the top)."""
    parts = path.split("/")
    if "tests" not in parts[:-1] and format_key(parts):
        return format_key(parts)
    if "tests" in parts[:-1] and format_key(parts[: parts.index("tests")] + [parts[-1]]):
        return format_key(parts[: parts.index("tests")] + [parts[-1]])
    if parts[0] == "tests":
        return "tests"
    if "tests" in parts[:-1]:
        # A tests folder belongs to the folder it tests.
        parts = parts[: parts.index("tests")] + [parts[-1]]
    candidate = "/".join(parts)
    while True:
        if candidate in LAYERS:
            return candidate
        if "/" not in candidate:
            return None
        candidate = candidate.rsplit("/", 1)[0]


def is_test(path):
    # Fuzz targets are tests too: they drive the code with the tests' own sample objects.
    parts = path.split("/")
    return "tests" in parts[:-1] or parts[0] == "fuzz"


def resolve(source, include, files):
    """The repository file an include names, or None for a system or generated header."""
    here = os.path.normpath(os.path.join(os.path.dirname(source), include))
    if here in files:
        return here
    if include in files:
        return include
    return None


def main():
    top = subprocess.check_output(["git", "rev-parse", "--show-toplevel"], text=True).strip()
    os.chdir(top)
    files = set(subprocess.check_output(["git", "ls-files"], text=True).split())
    sources = sorted(f for f in files if f.endswith((".h", ".cpp", ".cc")))
    pattern = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
    problems = []
    for source in sources:
        skey = layer_key(source)
        if skey is None:
            problems.append(f"{source}: its folder has no layer in tools/check-includes.py")
            continue
        with open(source, encoding="utf-8", errors="replace") as handle:
            for number, line in enumerate(handle, 1):
                match = pattern.match(line)
                if not match:
                    continue
                target = resolve(source, match.group(1), files)
                if target is None:
                    continue
                tkey = layer_key(target)
                if tkey is None:
                    problems.append(f"{source}:{number}: {target} has no layer")
                    continue
                if tkey == skey:
                    if is_test(target) and not is_test(source):
                        problems.append(f"{source}:{number}: code includes its test {target}")
                    continue
                if is_test(source) and (tkey.startswith(TEST_HELPERS) or tkey.startswith(skey + "/")):
                    # Tests use the helpers and may exercise the parts below the folder they test.
                    continue
                if skey == "bench" and (tkey.startswith(TEST_SUPPORT) or target.startswith(TEST_SUPPORT)):
                    continue  # benchmarks build their recordings like the tests do
                if tkey.startswith(TEST_SUPPORT) or (is_test(target) and not is_test(source)):
                    problems.append(f"{source}:{number}: includes test code {target}")
                    continue
                if LAYERS[tkey] >= LAYERS[skey]:
                    way = "sideways" if LAYERS[tkey] == LAYERS[skey] else "upward"
                    problems.append(f"{source}:{number}: {skey} -> {tkey} goes {way}")
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} include(s) against the layers")
        return 1
    print(f"includes: {len(sources)} files follow the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())

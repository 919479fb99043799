#!/usr/bin/env python3
"""Measures what the test suite catches: applies small mutations to src/, one at a
time, rebuilds, runs the tests that cover the mutated folder and reports the kill
rate and the mutants that survived.

The sample is fixed by the seed and the source tree, so two runs over the same
src/ with different tests compare directly. Run by hand; it takes long.

Runs the tests in private namespaces, so it needs root, as the test suite does.

Usage: tools/mutation-check.py [--sample 150] [--seed 2026] [--build build-mutation]
                               [--timeout 120] [--list] [--only N,...] [--killers-first LOG]
"""
import argparse
import os
import random
import re
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# Which test folders exercise each source folder. The window tests drive most
# subsystems through real handlers, so they are added where the code runs under them;
# app/ holds the handlers of every subsystem, ui/ the canvas they draw on.
COVERING_TESTS = {
    "picture": ["picture", "draw", "app", "files", "link", "import"],
    "app": ["app", "picture", "draw", "files", "import", "link", "print", "info"],
    "ui": ["picture", "draw", "app", "import"],
    "draw": ["draw", "app"],
    "files": ["files", "link"],
    "link": ["link", "files"],
    "import": ["import"],
    "print": ["print"],
    "info": ["info"],
}
# Tests that need services, root or an X server of their own; the mutation run leaves
# them out. They are CTest names, not build targets.
SKIPPED_TESTS = ("smoke_", "packaging_", "tst_cupsprinting")

COMPARISON_FLIPS = {"==": "!=", "!=": "==", "<=": "<", ">=": ">", "<": "<=", ">": ">="}


def masked(line):
    """The line with string and character literals and // comments blanked out,
    so that operators are only found in code."""
    out, i, quote = [], 0, None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            if c == quote:
                quote = None
                out.append(c)
            else:
                out.append(" ")
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            out.append(" " * (len(line) - i))
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def closing_paren(text, open_index):
    depth = 0
    for i in range(open_index, len(text)):
        if text[i] == "(":
            depth += 1
        elif text[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return -1


def mutations_of_line(code):
    """(column, old text, new text, kind) for every mutation this line allows."""
    found = []
    stripped = code.strip()
    if not stripped or stripped.startswith(("#", "*", "/*")):
        return found
    for m in re.finditer(r"(?<![<>=!&|+\-*/%^])(==|!=|<=|>=|<|>)(?![<>=])", code):
        op = m.group(1)
        before = code[: m.start()]
        # Angle brackets of templates and includes are not comparisons.
        if op in "<>" and (re.search(r"[A-Za-z_:]\s*$", before) and not re.search(r"[ )\]]\s*$", before)):
            continue
        if op in "<>" and code[m.end():m.end() + 1] in ("<", ">"):
            continue
        if op in "<>" and not (code[m.start() - 1:m.start()] == " " and code[m.end():m.end() + 1] == " "):
            continue
        found.append((m.start(), op, COMPARISON_FLIPS[op], "flip comparison"))
    for m in re.finditer(r"(?<![\w.])(\d+)(?![\w.])", code):
        value = int(m.group(1))
        found.append((m.start(), m.group(1), str(value + 1), "constant + 1"))
    for m in re.finditer(r"(?<=[\w)\]]) ([+-]) (?=[\w(])", code):
        op = m.group(1)
        found.append((m.start() + 1, op, "-" if op == "+" else "+", "swap + and -"))
    for m in re.finditer(r"(&&|\|\|)", code):
        found.append((m.start(), m.group(1), "||" if m.group(1) == "&&" else "&&", "swap && and ||"))
    m = re.search(r"\b(if|while) \(", code)
    if m:
        open_index = m.end() - 1
        close = closing_paren(code, open_index)
        if close > 0:
            condition = code[open_index + 1:close]
            if condition.startswith("!") and re.match(r"!\w[\w:.>-]*\(", condition):
                # Keep the call, ignore what it says.
                found.append((open_index + 1, condition, f"((void){condition[1:]}, false)",
                              "drop a call's result check"))
            found.append((open_index + 1, condition, f"!({condition})", "invert condition"))
    return found


def candidate_mutations():
    sites = []
    for path in sorted((ROOT / "src").rglob("*.cpp")):
        relative = path.relative_to(ROOT).as_posix()
        if relative.split("/")[1] not in COVERING_TESTS:
            continue
        in_block_comment = False
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            if in_block_comment:
                if "*/" in line:
                    in_block_comment = False
                continue
            if line.lstrip().startswith("/*"):
                in_block_comment = "*/" not in line
                continue
            code = masked(line)
            for column, old, new, kind in mutations_of_line(code):
                sites.append((relative, number, column, old, new, kind))
    return sites


def apply(site):
    relative, number, column, old, new, _ = site
    path = ROOT / relative
    original = path.read_text(encoding="utf-8")
    lines = original.splitlines(keepends=True)
    line = lines[number - 1]
    assert line[column:column + len(old)] == old, site
    lines[number - 1] = line[:column] + new + line[column + len(old):]
    path.write_text("".join(lines), encoding="utf-8")
    return path, original


def tests_of(build, folder):
    names = []
    for sub in COVERING_TESTS[folder]:
        listing = subprocess.run(["ctest", "--test-dir", str(build / "tests" / sub), "-N"],
                                 capture_output=True, text=True).stdout
        names += [m.group(1) for m in re.finditer(r"Test +#\d+: (\S+)", listing)]
    return [n for n in names if not n.startswith(SKIPPED_TESTS)]


def run(command, timeout, **kwargs):
    """The exit status (or "timeout") and the standard output."""
    try:
        done = subprocess.run(command, capture_output=True, text=True, timeout=timeout, **kwargs)
        return done.returncode, done.stdout
    except subprocess.TimeoutExpired:
        return "timeout", ""


# The virtual link lives in /tmp and in System V shared memory, and the X servers of the tests
# in abstract sockets: in namespaces of their own, the tests meet no other checkout's run.
ISOLATED = ["unshare", "--ipc", "--mount", "--net", "sh", "-c", 'mount -t tmpfs tmpfs /tmp && exec "$@"', "-"]


def judge(build, tests, timeout, env):
    """Builds the given test programs against the mutated source and runs them."""
    built, _ = run(["cmake", "--build", str(build), "-j2", "--target", *tests], 600)
    if built != 0:
        return "does not build"
    result, output = run([*ISOLATED, "ctest", "--test-dir", str(build), "-j2",
                          "-R", "^(" + "|".join(tests) + ")$", "--timeout", str(timeout)],
                         timeout * 2, env=env)
    if result == 0:
        return "SURVIVED"
    # Which programs failed tells what a change to the tests can cost.
    failed = re.findall(r"^\s*\d+ - (\S+) \(", output, re.M)
    return "killed by " + (",".join(failed) or str(result))


def earlier_killers(log):
    """Sample number -> the programs that killed it, from the output of an earlier run."""
    found = {}
    for line in Path(log).read_text(encoding="utf-8").splitlines():
        m = re.match(r"\s*(\d+) killed by (\S+)", line)
        if m:
            found[int(m.group(1))] = m.group(2).split(",")
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--sample", type=int, default=150)
    parser.add_argument("--seed", type=int, default=2026)
    parser.add_argument("--build", default="build-mutation")
    parser.add_argument("--timeout", type=int, default=120, help="seconds for one mutant's tests")
    parser.add_argument("--list", action="store_true", help="print the sample and stop")
    parser.add_argument("--only", help="comma-separated sample numbers to run")
    parser.add_argument("--killers-first", metavar="LOG",
                        help="output of an earlier run: try the programs that killed each mutant first")
    args = parser.parse_args()

    sites = candidate_mutations()
    sample = random.Random(args.seed).sample(sites, min(args.sample, len(sites)))
    if args.list:
        for index, (relative, number, _, old, new, kind) in enumerate(sample, 1):
            print(f"{index:4} {relative}:{number}  {kind}: {old!r} -> {new!r}")
        return 0
    chosen = set(int(n) for n in args.only.split(",")) if args.only else None

    build = (ROOT / args.build).resolve()
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QT_QPA_PLATFORMTHEME="")
    subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Debug"],
                   check=True, capture_output=True)
    if subprocess.run(["cmake", "--build", str(build), "-j2"], capture_output=True).returncode != 0:
        print("the unmutated tree does not build", file=sys.stderr)
        return 2

    earlier = earlier_killers(args.killers_first) if args.killers_first else {}
    killed, survived, stillborn = 0, [], 0
    started = time.monotonic()
    for index, site in enumerate(sample, 1):
        if chosen and index not in chosen:
            continue
        relative, number, _, old, new, kind = site
        tests = tests_of(build, relative.split("/")[1])
        # A mutant is killed by the first failing program: trying the programs that killed it
        # in an earlier run saves building and running the rest.
        first = [t for t in earlier.get(index, []) if t in tests]
        path, original = apply(site)
        try:
            verdict = None
            for group in ([first, [t for t in tests if t not in first]] if first else [tests]):
                verdict = judge(build, group, args.timeout, env)
                if verdict != "SURVIVED":
                    break
        finally:
            path.write_text(original, encoding="utf-8")
        if verdict == "does not build":
            stillborn += 1
        elif verdict == "SURVIVED":
            survived.append((index, site))
        else:
            killed += 1
        print(f"{index:4} {verdict:40} {relative}:{number}  {kind}: {old!r} -> {new!r}", flush=True)

    # Leave the build matching the source again.
    subprocess.run(["cmake", "--build", str(build), "-j2"], capture_output=True)
    judged = killed + len(survived)
    minutes = (time.monotonic() - started) / 60
    print(f"\n{killed} of {judged} mutants killed ({100 * killed / max(judged, 1):.1f}%), "
          f"{stillborn} did not build, {minutes:.0f} min")
    for index, (relative, number, _, old, new, kind) in survived:
        print(f"  survived {index:4} {relative}:{number}  {kind}: {old!r} -> {new!r}")
    return 0


if __name__ == "__main__":
    sys.exit(main())

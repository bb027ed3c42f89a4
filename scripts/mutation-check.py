#!/usr/bin/env python3
"""Mutation check of the native unit tests; started by scripts/mutation-check.sh (see there)."""

import argparse
import fcntl
import os
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(REPO, "build", "mutation")
BACKUPS = os.path.join(WORK, "backup")
TEST_PROGRAM = os.path.join(REPO, "build", "native", "quillox_tests")


@dataclass
class Mutant:
    line: int     # 1-based
    column: int   # 0-based, in the original line
    old: str
    new: str
    what: str


# ---------------------------------------------------------------- finding mutants

def code_masks(lines):
    """Each line with comments, string and character literals blanked out (same length), so
    nothing inside them is mutated. Preprocessor lines are blanked as a whole."""
    masks = []
    in_block = False
    for text in lines:
        out = []
        i = 0
        stripped = text.lstrip()
        if not in_block and stripped.startswith("#"):
            masks.append(" " * len(text))
            continue
        while i < len(text):
            if in_block:
                end = text.find("*/", i)
                if end < 0:
                    out.append(" " * (len(text) - i))
                    i = len(text)
                else:
                    out.append(" " * (end + 2 - i))
                    i = end + 2
                    in_block = False
                continue
            c = text[i]
            if text.startswith("//", i):
                out.append(" " * (len(text) - i))
                break
            if text.startswith("/*", i):
                in_block = True
                out.append("  ")
                i += 2
                continue
            if c in "\"'":
                # A digit separator (1'000) is not a literal; neither is a raw string handled
                # here: both are rare enough in this code to leave the line alone.
                j = i + 1
                while j < len(text) and text[j] != c:
                    j += 2 if text[j] == "\\" else 1
                j = min(j + 1, len(text))
                out.append(c + " " * (j - i - 2) + (c if j - i >= 2 else ""))
                i = j
                continue
            out.append(c)
            i += 1
        masks.append("".join(out)[: len(text)].ljust(len(text)))
    return masks


COMPARISONS = {"<": ">=", ">=": "<", ">": "<=", "<=": ">", "==": "!=", "!=": "=="}
# Spaces on both sides tell a comparison from a template bracket, a shift or an arrow in code
# laid out by clang-format.
COMPARISON_RE = re.compile(r"(?<= )(<=|>=|==|!=|<|>)(?= )")
INTEGER_RE = re.compile(r"(?<![\w.])(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)(?![\w.'])")
BOOL_RE = re.compile(r"\b(true|false)\b")
CONTROL_START = re.compile(
    r"^(if|else|for|while|do|switch|case|default|return|break|continue|goto|co_return|using|"
    r"typedef|template|namespace|friend|static_assert|public|private|protected)\b")
# A declaration starts with a (qualified, possibly templated) type followed by a name.
DECLARATION_RE = re.compile(
    r"^(?:(?:const|constexpr|static|inline|thread_local|extern|mutable|volatile|unsigned|signed)\s+)*"
    r"[A-Za-z_][\w:]*(?:<.*>)?(?:\s*[&*]+\s*|\s+)(?:const\s+)?[&*]*[A-Za-z_]\w*\s*(?:[=({\[;,]|$)")


def statement_droppable(mask, previous):
    code = mask.strip()
    if not code.endswith(";") or code == ";":
        return False
    if CONTROL_START.match(code) or code.startswith(("}", "{", ")", ":", "?", "<<", ">>", ".", "-")):
        return False
    if DECLARATION_RE.match(code):
        return False
    # The whole statement on this one line, and this line starts it.
    if code.count("(") != code.count(")") or code.count("{") != code.count("}"):
        return False
    if code.count("[") != code.count("]"):
        return False
    prev = previous.rstrip()
    if prev and not (prev.endswith((";", "{", "}", ")")) or re.search(r"\belse$", prev)):
        return False
    return True


def find_mutants(lines):
    masks = code_masks(lines)
    mutants = []
    previous = ""
    for index, (text, mask) in enumerate(zip(lines, masks)):
        number = index + 1
        found = []
        for match in COMPARISON_RE.finditer(mask):
            old = match.group(1)
            found.append(Mutant(number, match.start(), old, COMPARISONS[old], f"'{old}' -> '{COMPARISONS[old]}'"))
        for match in INTEGER_RE.finditer(mask):
            digits, suffix = match.group(1), match.group(2)
            value = int(digits, 16) if digits[:2].lower() == "0x" else int(digits)
            if digits[:2].lower() == "0x":
                new = hex(value + 1)
            elif len(digits) > 1 and digits.startswith("0"):
                continue  # an octal literal: leave it
            else:
                new = str(value + 1)
            found.append(Mutant(number, match.start(), digits + suffix, new + suffix,
                                f"{digits + suffix} -> {new + suffix}"))
        for match in BOOL_RE.finditer(mask):
            old = match.group(1)
            new = "false" if old == "true" else "true"
            found.append(Mutant(number, match.start(), old, new, f"{old} -> {new}"))
        if statement_droppable(mask, previous):
            start = len(text) - len(text.lstrip())
            statement = text.strip()
            end = len(mask.rstrip())
            found.append(Mutant(number, start, text[start:end], "{}",
                                "dropped: " + (statement if len(statement) <= 60 else statement[:57] + "...")))
        found.sort(key=lambda m: m.column)
        mutants.extend(found)
        if mask.strip():
            previous = mask
    return mutants


def spread(mutants, limit):
    """At most limit mutants, picked evenly over the file (the same ones on every run)."""
    if len(mutants) <= limit:
        return mutants
    return [mutants[(i * len(mutants)) // limit] for i in range(limit)]


def apply(lines, mutant):
    text = lines[mutant.line - 1]
    assert text[mutant.column:mutant.column + len(mutant.old)] == mutant.old, (mutant, text)
    changed = list(lines)
    changed[mutant.line - 1] = text[:mutant.column] + mutant.new + text[mutant.column + len(mutant.old):]
    return changed


# ---------------------------------------------------------------- keeping the tree safe

class Interrupted(Exception):
    pass


def raise_interrupted(signum, frame):
    raise Interrupted(signal.Signals(signum).name)


def backup_path(path):
    return os.path.join(BACKUPS, os.path.relpath(os.path.abspath(path), REPO))


def restore_left_over_backups(why="from a run that was killed"):
    """Puts back every file whose backup is still there: a run killed outright (SIGKILL), or a
    signal that came while a file was being put back, leaves its backup behind."""
    for root, _, files in os.walk(BACKUPS):
        for name in files:
            saved = os.path.join(root, name)
            target = os.path.join(REPO, os.path.relpath(saved, BACKUPS))
            with open(saved, "rb") as source:
                content = source.read()
            with open(target, "wb") as out:
                out.write(content)
            os.remove(saved)
            print(f"mutation-check: restored {os.path.relpath(target, REPO)} {why}")


class MutatedFile:
    """Holds a file's original bytes and writes them back on leaving, whatever happened."""

    def __init__(self, path):
        self.path = path
        with open(path, "rb") as source:
            self.original = source.read()

    def __enter__(self):
        saved = backup_path(self.path)
        os.makedirs(os.path.dirname(saved), exist_ok=True)
        with open(saved, "wb") as out:
            out.write(self.original)
        return self

    def write(self, lines, newline):
        with open(self.path, "w", encoding="latin-1", newline="") as out:
            out.write(newline.join(lines))

    def restore(self):
        with open(self.path, "wb") as out:
            out.write(self.original)

    def __exit__(self, *exc):
        # Signals are held off while the file is put back.
        old = {s: signal.signal(s, signal.SIG_IGN) for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP)}
        try:
            self.restore()
            os.remove(backup_path(self.path))
        finally:
            for s, handler in old.items():
                signal.signal(s, handler)
        return False


# ---------------------------------------------------------------- building and testing

def run(command, log, limit=None):
    """Runs command in a session of its own with its output in log; returns its exit code.
    On an interruption the whole session is ended (by its id) before the exception goes on."""
    if limit is not None:
        command = ["timeout", "-k", "5", str(limit)] + command
    with open(log, "w") as out:
        child = subprocess.Popen(command, cwd=REPO, stdout=out, stderr=subprocess.STDOUT,
                                 stdin=subprocess.DEVNULL, start_new_session=True)
        try:
            return child.wait()
        except BaseException:
            for signum, wait in ((signal.SIGTERM, 10), (signal.SIGKILL, None)):
                try:
                    os.killpg(child.pid, signum)
                    child.wait(wait)
                    break
                except (ProcessLookupError, subprocess.TimeoutExpired):
                    continue
            raise


def build(log):
    return run(["nice", "-n", "10", "cmake", "--build", "--preset", "native", f"-j{os.cpu_count() or 2}",
                "--target", "quillox_tests"], log) == 0


def run_tests(log, pattern, limit):
    args = [TEST_PROGRAM, "--gtest_color=no", "--gtest_brief=1", "--gtest_fail_fast"]
    if pattern:
        args.append(f"--gtest_filter={pattern}")
    return run(args, log, limit)


def check_file(path, arguments, limit):
    with open(path, "rb") as source:
        raw = source.read()
    newline = "\r\n" if b"\r\n" in raw else "\n"
    lines = raw.decode("latin-1").split(newline)
    everything = find_mutants(lines)
    chosen = spread(everything, arguments.max_per_file)
    rel = os.path.relpath(os.path.abspath(path), REPO)
    print(f"{rel}: {len(chosen)} of {len(everything)} mutants")
    killed = survived = uncompiled = 0
    survivors = []
    logs = os.path.join(WORK, "logs")
    with MutatedFile(path) as file:
        for number, mutant in enumerate(chosen, 1):
            file.write(apply(lines, mutant), newline)
            started = time.monotonic()
            tag = f"{rel}:{mutant.line}"
            if not build(os.path.join(logs, "build.log")):
                uncompiled += 1
                result = "did not compile"
            else:
                status = run_tests(os.path.join(logs, "test.log"), arguments.filter, limit)
                if status == 0:
                    survived += 1
                    survivors.append(f"{tag}: {mutant.what}")
                    result = "SURVIVED"
                else:
                    killed += 1
                    result = "killed" + (" (timed out)" if status in (124, 137) else "")
            print(f"  [{number:3d}/{len(chosen)}] {tag}: {mutant.what}: {result} "
                  f"({time.monotonic() - started:.0f}s)", flush=True)
            file.restore()
    return killed, survived, uncompiled, survivors


def main():
    parser = argparse.ArgumentParser(prog="scripts/mutation-check.sh", description=__doc__)
    parser.add_argument("files", nargs="+", metavar="FILE")
    parser.add_argument("--max-per-file", type=int, default=40)
    parser.add_argument("--filter", default="")
    parser.add_argument("--timeout", type=int, default=0)
    arguments = parser.parse_args()
    if arguments.max_per_file < 1:
        parser.error("--max-per-file must be at least 1")
    for path in arguments.files:
        full = os.path.abspath(path)
        if not os.path.isfile(full) or not os.path.relpath(full, REPO).startswith("src" + os.sep):
            parser.error(f"{path} is not a source file under src/")
    if not os.path.isdir(os.path.join(REPO, "src")):
        parser.error(f"no src/ folder in {REPO}")

    for s in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(s, raise_interrupted)
    signal.signal(signal.SIGINT, raise_interrupted)

    os.makedirs(os.path.join(WORK, "logs"), exist_ok=True)
    # One user of build/native at a time, and no test run may see a mutated file.
    lock = open(os.path.join(REPO, "build", "test.lock"), "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        print("mutation-check: a test run holds build/test.lock; waiting for it", flush=True)
        fcntl.flock(lock, fcntl.LOCK_EX)

    try:
        restore_left_over_backups()
        logs = os.path.join(WORK, "logs")
        if run(["cmake", "--preset", "native"], os.path.join(logs, "configure.log")) != 0:
            print(f"mutation-check: configuring failed, see {logs}/configure.log")
            return 1
        # The unchanged tree must build and pass, or every mutant would look killed.
        started = time.monotonic()
        if not build(os.path.join(logs, "build.log")):
            print(f"mutation-check: the unchanged tree does not build, see {logs}/build.log")
            return 1
        print(f"build of the unchanged tree: {time.monotonic() - started:.0f}s")
        started = time.monotonic()
        if run_tests(os.path.join(logs, "test.log"), arguments.filter, 1800) != 0:
            print(f"mutation-check: the tests fail on the unchanged tree, see {logs}/test.log")
            return 1
        took = time.monotonic() - started
        limit = arguments.timeout or max(30, int(took * 10) + 10)
        print(f"tests on the unchanged tree: {took:.1f}s; time limit per mutant {limit}s", flush=True)

        totals = [0, 0, 0]
        results = []
        for path in arguments.files:
            killed, survived, uncompiled, survivors = check_file(path, arguments, limit)
            totals = [totals[0] + killed, totals[1] + survived, totals[2] + uncompiled]
            results.append((path, killed, survived, uncompiled, survivors))

        print()
        for path, killed, survived, uncompiled, survivors in results:
            print(f"{path}: {killed}/{killed + survived} killed, {uncompiled} did not compile")
            for line in survivors:
                print(f"  survived: {line}")
        print(f"total: {totals[0]}/{totals[0] + totals[1]} killed, {totals[2]} did not compile")
        # build/native/quillox_tests is still the last mutant's: build the tree as it is again.
        if not build(os.path.join(logs, "build.log")):
            print(f"mutation-check: the final build of the unchanged tree failed, see {logs}/build.log")
            return 1
        return 0
    except Interrupted as reason:
        restore_left_over_backups("from its backup")
        print(f"\nmutation-check: stopped ({reason}); every file is back as it was "
              "(build/native holds a mutant's build until the next build)")
        return 130


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Fails when a shell script under pipefail pipes into a reader that may stop early.

`grep -q`, `head` and their kin exit as soon as they have what they want; the writer then dies
of SIGPIPE, and pipefail turns a match into a failure at random, more often on a busy machine.
Usage: check_pipes.py ROOT   (reads scripts/, tests/, .ci/ and packaging/ below ROOT)
"""
import pathlib
import re
import shlex
import sys

FOLDERS = ("scripts", "tests", ".ci", "packaging")
PIPEFAIL = re.compile(r"^\s*set\s+(-[a-zA-Z]*o\s+pipefail|.*-o\s+pipefail)", re.MULTILINE)
ASSIGNMENT = re.compile(r"^[A-Za-z_][A-Za-z0-9_]*=")


def is_shell_script(path):
    if path.suffix in (".sh", ".bash"):
        return True
    try:
        first = path.open("rb").readline()
    except OSError:
        return False
    return first.startswith(b"#!") and re.search(rb"\b(ba)?sh\b", first) is not None


def logical_lines(text):
    """Joins continued lines (a trailing backslash, pipe or ||/&&) and drops comments."""
    pending, start = "", 0
    for number, line in enumerate(text.splitlines(), 1):
        stripped = re.sub(r"(^|\s)#.*$", "", line).rstrip()
        if not pending:
            start = number
        if stripped.endswith("\\"):
            pending += stripped[:-1] + " "
            continue
        if re.search(r"(\||&&)$", stripped):
            pending += stripped + " "
            continue
        yield start, pending + stripped
        pending = ""
    if pending:
        yield start, pending


def pipe_readers(line):
    """The commands that read a pipe on this line: the words after each single '|'."""
    try:
        lexer = shlex.shlex(line, posix=True, punctuation_chars="|&;()<>")
        lexer.whitespace_split = True
        tokens = list(lexer)
    except ValueError:  # an unbalanced quote: a heredoc body or the like
        return
    for index, token in enumerate(tokens):
        if token != "|":
            continue
        words = []
        for word in tokens[index + 1:]:
            if word in ("|", "||", "&&", ";", "&", ")", "(", "|&"):
                break
            words.append(word)
        while words and (words[0] == "!" or ASSIGNMENT.match(words[0])):
            words.pop(0)
        if words:
            yield words


def stops_early(words):
    command, options = pathlib.PurePath(words[0]).name, words[1:]
    if command in ("head", "read"):
        return True
    if command in ("grep", "egrep", "fgrep"):
        # GNU grep writing to /dev/null stops at the first match as -q does.
        if any(a == ">" and b == "/dev/null" for a, b in zip(options, options[1:])):
            return True
        for option in options:
            if option in ("--quiet", "--silent", "--files-with-matches", "--files-without-match"):
                return True
            if option.startswith("--max-count"):
                return True
            if re.fullmatch(r"-[A-Za-z]*[qmlL][A-Za-z0-9]*", option):
                return True
        return False
    if command == "sed":
        return any(re.search(r"(^|[;{}/\s0-9$])q\b", option) for option in options if not option.startswith("-"))
    if command == "awk":
        return any(re.search(r"\bexit\b", option) for option in options)
    return False


def main(root):
    root = pathlib.Path(root)
    faults = []
    for folder in FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            if not path.is_file() or not is_shell_script(path):
                continue
            text = path.read_text(errors="replace")
            if not PIPEFAIL.search(text):
                continue
            for number, line in logical_lines(text):
                if any(stops_early(words) for words in pipe_readers(line)):
                    faults.append(f"{path.relative_to(root)}:{number}: {line.strip()}")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} pipe(s) into a reader that may stop early, under pipefail: "
              "capture the output first, or let the reader read it all (grep -c)")
        return 1
    print("every pipe under pipefail is read to its end")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))

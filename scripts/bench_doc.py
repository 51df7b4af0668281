"""Writes one section of docs/benchmarks.md, between its markers, leaving the others alone."""
import os

PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "docs", "benchmarks.md")


def write_section(name, lines):
    start, end = f"<!-- {name} -->", f"<!-- /{name} -->"
    section = "\n".join([start] + lines + [end])
    text = open(PATH).read() if os.path.exists(PATH) else "# Benchmarks\n"
    if start in text:
        text = text[:text.index(start)] + section + text[text.index(end) + len(end):]
    else:
        text = text.rstrip("\n") + "\n\n" + section + "\n"
    with open(PATH, "w") as f:
        f.write(text)
    print(section)

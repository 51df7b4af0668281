#!/usr/bin/env python3
"""Turns CMake's --graphviz output into the picture of the layers: the product's libraries and
programs, with the folder each is built from, and the few outside libraries that mark a layer
(Qt Core, Qt Widgets, libvorbisfile). Reads the dot file named first, writes the one named
second."""
import re
import sys

FOLDERS = {
    "kelvane": "kelvane\n(app/)",
    "kelvane-cli": "kelvane-cli\n(cli/)",
    "kelvane_application": "kelvane_application\n(app/)",
    "kelvane_ui": "kelvane_ui\n(ui/: the window)",
    "kelvane_audio": "kelvane_audio\n(audio/: decoding)",
    "kelvane_core": "kelvane_core\n(core/: session, messages, jobs)",
    "kelvane_disk": "kelvane_disk\n(disk/: reading, saving)",
    "kelvane_text": "kelvane_text\n(text/: numbers as text)",
    "kelvane_format": "kelvane_format\n(format/: bytes, no I/O)",
}
OUTSIDE = {"Qt6::Core": "Qt Core", "Qt6::Widgets": "Qt Widgets"}


def label_of(raw):
    if raw in FOLDERS:
        return FOLDERS[raw], "box", "#dde8f5"
    if raw in OUTSIDE:
        return OUTSIDE[raw], "ellipse", "#eeeeee"
    if raw == "PkgConfig::VORBISFILE":
        return "libvorbisfile", "ellipse", "#eeeeee"
    return None


nodes = {}
edges = set()
for line in open(sys.argv[1], encoding="utf-8"):
    node = re.match(r'\s*"(node\d+)" \[ label = "([^"]*)"', line)
    if node:
        kept = label_of(node.group(2))
        if kept:
            nodes[node.group(1)] = kept
        continue
    edge = re.match(r'\s*"(node\d+)" -> "(node\d+)"', line)
    if edge:
        edges.add((edge.group(1), edge.group(2)))

with open(sys.argv[2], "w", encoding="utf-8") as out:
    out.write('digraph layers {\n  rankdir = "TB";\n')
    out.write('  node [ fontname = "DejaVu Sans", fontsize = 11, style = filled ];\n')
    for name, (label, shape, colour) in sorted(nodes.items()):
        text = label.replace("\n", "\\n")
        out.write(f'  {name} [ label = "{text}", shape = {shape}, fillcolor = "{colour}" ];\n')
    for a, b in sorted(edges):
        if a in nodes and b in nodes:
            out.write(f"  {a} -> {b};\n")
    out.write("}\n")

#!/usr/bin/env python3
"""Fills FOLDER with COUNT sounds: the samples again and again under names of their own.

Usage: copy_samples.py FOLDER [COUNT]"""
import os
import shutil
import sys

names = sorted(n for n in os.listdir("samples") if n.endswith(".ogg"))
count = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
for i in range(count):
    shutil.copyfile(os.path.join("samples", names[i % len(names)]),
                    os.path.join(sys.argv[1], f"sound_{i:05d}.ogg"))

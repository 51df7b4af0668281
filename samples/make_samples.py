#!/usr/bin/env python3
"""Makes the small sound files in this folder from real encoder output.

sox synthesises a short tone, oggenc (vorbis-tools) encodes it, and this script then rewrites
the comment header on page 2 where a sample needs the games' 24-byte binary block, which no
text-comment tool can write. It is written independently of the program's own code, so the
samples also check the program against a second reading of the format.

Usage: make_samples.py [OUTPUT_FOLDER]   (default: the folder of this script)
"""
import os
import struct
import subprocess
import sys
import tempfile

PAGE2 = 58


def ogg_crc(data: bytes) -> int:
    crc = 0
    for b in data:
        crc ^= b << 24
        for _ in range(8):
            crc = ((crc << 1) ^ 0x04C11DB7) if crc & 0x80000000 else crc << 1
            crc &= 0xFFFFFFFF
    return crc


def encode(folder: str, channels: int, seconds: float, comments=()) -> bytes:
    wav = os.path.join(folder, "tone.wav")
    ogg = os.path.join(folder, "tone.ogg")
    subprocess.run(["sox", "-R", "-D", "-n", "-r", "44100", "-c", str(channels), "-b", "16", wav,
                    "synth", str(seconds), "sine", "440", "sine", "660",
                    "fade", "0", str(seconds), "0.05"], check=True)
    args = ["oggenc", "-Q", "-q", "0", "-s", "4242"]
    for c in comments:
        args += ["-c", c]
    subprocess.run(args + ["-o", ogg, wav], check=True)
    with open(ogg, "rb") as f:
        return f.read()


def block(min_dist, max_dist, volume, game_type, ai_dist, version=3) -> bytes:
    return struct.pack("<IfffIf", version, min_dist, max_dist, volume, game_type, ai_dist)


def split_page2(data: bytes):
    assert data[0:4] == b"OggS" and data[PAGE2:PAGE2 + 4] == b"OggS", "page 1 is not 58 bytes"
    n = data[PAGE2 + 26]
    lacing = list(data[PAGE2 + 27:PAGE2 + 27 + n])
    body_start = PAGE2 + 27 + n
    body_len = sum(lacing)
    end = 0
    while lacing[end] == 255:
        end += 1
    return lacing, body_start, body_len, end


def with_comments(data: bytes, comments) -> bytes:
    """Replaces the user comments with `comments` (bytes each) and re-laces page 2."""
    lacing, body_start, body_len, end = split_page2(data)
    packet_len = sum(lacing[:end + 1])
    packet = data[body_start:body_start + packet_len]
    vendor_len = struct.unpack_from("<I", packet, 7)[0]
    head = packet[:11 + vendor_len]
    new_packet = head + struct.pack("<I", len(comments))
    for c in comments:
        new_packet += struct.pack("<I", len(c)) + c
    new_packet += b"\x01"  # framing bit
    new_lacing = [255] * (len(new_packet) // 255) + [len(new_packet) % 255] + lacing[end + 1:]
    assert len(new_lacing) <= 255
    rest = data[body_start + packet_len:body_start + body_len]
    header = bytearray(data[PAGE2:PAGE2 + 27])
    header[26] = len(new_lacing)
    page = bytearray(header + bytes(new_lacing) + new_packet + rest)
    page[22:26] = b"\0\0\0\0"
    page[22:26] = struct.pack("<I", ogg_crc(bytes(page)))
    return data[:PAGE2] + bytes(page) + data[body_start + body_len:]


def comment_packet_end_lacing(data: bytes) -> int:
    lacing, _, _, end = split_page2(data)
    return lacing[end]


def main():
    out = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(__file__))
    with tempfile.TemporaryDirectory() as tmp:
        mono = encode(tmp, 1, 0.4)
        stereo = encode(tmp, 2, 0.4)
        samples = {}
        # A weapon reload: minimum 0.7, maximum 20, volume 1.0, weapon_recharging, AI 8.
        samples["mono_block.ogg"] = with_comments(
            mono, [block(0.7, 20.0, 1.0, 0x80040000, 8.0)])
        # A shotgun shot, stereo: minimum 5, maximum 300, weapon_shooting, AI 55.
        samples["stereo_block.ogg"] = with_comments(
            stereo, [block(5.0, 300.0, 1.0, 0x80200000, 55.0)])
        samples["no_comments.ogg"] = with_comments(mono, [])
        samples["text_comment.ogg"] = encode(tmp, 1, 0.4, ["TITLE=Kelvane test tone"])
        bad = bytearray(with_comments(mono, [block(2.0, 300.0, 1.0, 0x08000080, 2.0)]))
        bad[80] ^= 0x5A  # damage the stored checksum of page 2
        samples["bad_checksum.ogg"] = bytes(bad)
        # A text comment sized so that the comment packet ends on a lacing value of 240.
        plain = with_comments(mono, [])
        start = comment_packet_end_lacing(plain) + 4
        filler = (240 - start) % 255
        text = b"COMMENT=" + b"k" * (filler - 8)
        lacing_sample = with_comments(mono, [text])
        assert comment_packet_end_lacing(lacing_sample) == 240
        samples["lacing_240.ogg"] = lacing_sample
        for name, data in samples.items():
            with open(os.path.join(out, name), "wb") as f:
                f.write(data)
            print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()

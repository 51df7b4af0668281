#!/usr/bin/env python3
"""Makes the catalogue of hostile sound files in hostile/ from the committed samples.

Each file is a real encoder-made sample, cut or changed at one structural place. MANIFEST.tsv
lists every file with the outcome the program must give for it (the message in the attribute
strip, and whether the file may be written) and a line saying what the file is.

Usage: make_hostile.py   (writes next to this script; run again after the samples change)
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = os.path.join(HERE, "..", "..", "samples")
OUT = os.path.join(HERE, "hostile")

TOO_EARLY = "Not a valid Ogg sound file; it ends too early."
CANNOT_INSERT = "Comment block cannot be inserted: the comment header does not fit on page 2."
OFF_PAGE2 = "Comment block does not lie on page 2; the file cannot be edited."
BAD_CRC = "File has a bad CRC checksum. Click Apply to fix."
INSERTED = "Comment block inserted.  Adjust values and click Apply to fix."


def sample(name):
    with open(os.path.join(SAMPLES, name), "rb") as f:
        return bytearray(f.read())


def layout(data):
    n = data[84]
    body = 85 + n
    vendor = struct.unpack_from("<I", data, body + 7)[0]
    return n, body, vendor


def put32(data, at, value):
    data = bytearray(data)
    struct.pack_into("<I", data, at, value)
    return data


def with_first_comment(data, comment):
    """The sample with one user comment, page 2 re-laced (it holds the comment and setup)."""
    import sys
    sys.path.insert(0, SAMPLES)
    from make_samples import with_comments
    return with_comments(bytes(data), [comment])


def main():
    os.makedirs(OUT, exist_ok=True)
    for old in os.listdir(OUT):
        os.remove(os.path.join(OUT, old))
    block = sample("mono_block.ogg")
    plain = sample("no_comments.ogg")
    n, body, v = layout(block)
    count_at = body + 11 + v
    entries = []

    def add(name, data, message, writable, what):
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(bytes(data))
        entries.append((name, message, "writable" if writable else "refused", what))

    add("empty.ogg", b"", TOO_EARLY, False, "an empty file")
    add("text.ogg", b"TITLE=no sound here\n" * 8, "Not an Ogg file.", False,
        "a text file named .ogg")
    cuts = [
        ("cut_in_page1.ogg", 30, "cut inside page 1"),
        ("cut_in_page2_header.ogg", 70, "cut inside page 2's header"),
        ("cut_in_segment_table.ogg", 85 + n // 2, "cut inside page 2's segment table"),
        ("cut_in_signature.ogg", body + 3, "cut inside the comment header signature"),
        ("cut_in_vendor_length.ogg", body + 9, "cut inside the vendor length"),
        ("cut_in_vendor.ogg", body + 11 + v // 2, "cut inside the vendor string"),
        ("cut_in_comment_count.ogg", count_at + 2, "cut inside the user comment count"),
        ("cut_in_comment_length.ogg", count_at + 6, "cut inside the first comment's length"),
        ("cut_in_first_comment.ogg", count_at + 8 + 10, "cut inside the first comment"),
    ]
    for name, at, what in cuts:
        add(name, block[:at], TOO_EARLY, False, what + f" ({at} bytes)")
    add("cut_after_block.ogg", block[:count_at + 8 + 24 + 5], TOO_EARLY, False,
        "cut inside page 2 after the block: shown, never written")

    add("vendor_length_ffffffff.ogg", put32(block, body + 7, 0xFFFFFFFF), TOO_EARLY, False,
        "vendor length 2^32 - 1")
    add("vendor_length_fffffff0.ogg", put32(block, body + 7, 0xFFFFFFF0), TOO_EARLY, False,
        "vendor length 2^32 - 16")
    add("comment_count_ffffffff_block.ogg", put32(block, count_at, 0xFFFFFFFF), BAD_CRC, True,
        "comment count 2^32 - 1 in front of a valid block: only the block and checksum change")
    add("comment_count_ffffffff_plain.ogg", put32(plain, count_at, 0xFFFFFFFF), TOO_EARLY,
        False, "comment count 2^32 - 1 with no comment behind it")
    add("first_comment_longer_than_file.ogg", put32(block, count_at + 4, 0x00100000), TOO_EARLY,
        False, "a first comment length of 1 MiB in a 4 KiB file")

    all_255 = bytearray(block[:85]) + bytes([255] * 255) + block[85 + n:]
    all_255[84] = 255
    add("segments_255_all_255.ogg", all_255, TOO_EARLY, False,
        "n = 255 with every lacing value 255: page 2 would be 65,307 bytes")
    continued = bytearray(plain)
    for i in range(plain[84]):
        continued[85 + i] = 255
    add("comment_packet_continues.ogg", continued, CANNOT_INSERT, False,
        "no block, and every lacing value 255: the comment packet does not end on page 2")
    short_page = bytearray(block)
    short_page[85:85 + n] = bytes([5] + [0] * (n - 1))
    add("block_beyond_page2.ogg", short_page, OFF_PAGE2, False,
        "a block found behind the end of a short page 2")
    short_packet = bytearray(plain)
    short_packet[85] = 10
    add("count_outside_packet.ogg", short_packet, CANNOT_INSERT, False,
        "no block, and the comment count lies behind a 10-byte comment packet")

    shifted = bytearray(block[:57]) + b"\0" + block[57:]
    add("page2_not_at_58.ogg", shifted, "Not a valid Ogg sound file.", False,
        "page 1 one byte longer, so page 2 does not start at offset 58")
    # Page 1 of two segments whose body carries a copy of page 2 (checksum broken) at offset 58:
    # only a page 1 of one 30-byte segment puts the real page 2 there.
    fake_page2 = bytearray(block[58:58 + 27 + n + sum(block[85:85 + n])])
    fake_page2[22] ^= 0xFF
    segments = 1
    while True:
        fake_body = bytes(block[28:28 + 58 - 27 - segments]) + bytes(fake_page2)
        if (len(fake_body) + 254) // 255 == segments:
            break
        segments += 1
    lacing = [255] * (segments - 1) + [len(fake_body) - 255 * (segments - 1)]
    fake_page1 = bytearray(block[:26]) + bytes([segments] + lacing) + fake_body
    add("fake_page2_in_page1.ogg", fake_page1 + block[58:], "Not a valid Ogg sound file.", False,
        "page 1 of several segments whose body holds a copy of page 2 at offset 58")
    broken = bytearray(block)
    broken[3] = ord("T")
    add("capture_broken.ogg", broken, "Not an Ogg file.", False, "capture pattern OggT")
    broken2 = bytearray(block)
    broken2[60] = ord("x")
    add("page2_capture_broken.ogg", broken2, "Not a valid Ogg sound file.", False,
        "page 2 capture pattern OgxS")
    no_segments = bytearray(block)
    no_segments[84] = 0
    add("no_segments.ogg", no_segments, "Not a valid Ogg sound file; no comment page segments.",
        False, "page 2 with no segments")
    signature = bytearray(block)
    signature[body] = 0x9A
    add("signature_9a.ogg", signature, " Invalid Ogg Vorbis comment header char: 0x9A", False,
        "comment header signature byte 0x9A")
    bad_crc = bytearray(block)
    bad_crc[80] ^= 0xFF
    add("bad_crc.ogg", bad_crc, BAD_CRC, True, "a wrong page 2 checksum: Apply repairs it")
    add("no_block.ogg", plain, INSERTED, True, "no user comment: the default block is inserted")
    for version, size, fields in [(1, 16, (1.5, 25.0, 0x80040000)), (2, 20, (3.0, 30.0, 0.5, 0x80200000))]:
        fmt = "<Iff" + ("I" if version == 1 else "fI")
        older = struct.pack(fmt, version, *fields)
        add(f"older_block_v{version}.ogg", with_first_comment(plain, older), INSERTED, True,
            f"an older block of version {version} ({size} bytes): the window puts a new block in "
            "front of it, the command line's fix --upgrade turns it into a version 3 block")

    with open(os.path.join(OUT, "MANIFEST.tsv"), "w") as f:
        f.write("# file\tmessage in the attribute strip\twritable or refused\twhat it is\n")
        for entry in entries:
            f.write("\t".join(entry) + "\n")
    print(f"{len(entries)} hostile files in {OUT}")


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Writes MP3 files whose ID3v2 tags are built to exhaust a reader's memory.

Usage: make_hostile.py FOLDER

Each file is a few kilobytes to a megabyte on disk; a reader that trusts its
size fields or keeps one string per separator needs gigabytes for them.
They are made here rather than kept in the repository.
"""
import os
import struct
import sys
import zlib


def syncsafe(n):
    return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])


def tag(version, frames):
    return b"ID3" + bytes([version, 0, 0]) + syncsafe(len(frames)) + frames


def frame23(fid, body, fmt=0):
    return fid + struct.pack(">I", len(body)) + bytes([0, fmt]) + body


def frame24(fid, body, fmt=0):
    return fid + syncsafe(len(body)) + bytes([0, fmt]) + body


def mpeg_frames(count):
    # MPEG-1 Layer III, 128 kbit/s, 44100 Hz, joint stereo: 417 bytes a frame.
    header = bytes([0xFF, 0xFB, 0x90, 0x64])
    return (header + bytes(413)) * count


def deflate(prefix, zeros):
    """prefix followed by `zeros` NUL bytes, compressed without holding them all."""
    c = zlib.compressobj(9)
    out = [c.compress(prefix)]
    chunk = bytes(1 << 20)
    while zeros > 0:
        n = min(zeros, len(chunk))
        out.append(c.compress(chunk[:n]))
        zeros -= n
    out.append(c.flush())
    return b"".join(out)


def compressed23(fid, prefix, zeros, stated):
    return frame23(fid, struct.pack(">I", stated) + deflate(prefix, zeros), 0x80)


def compressed24(fid, prefix, zeros):
    # compression (0x08) with its data length indicator (0x01)
    return frame24(fid, syncsafe(len(prefix) + zeros) + deflate(prefix, zeros), 0x09)


def files():
    audio = mpeg_frames(20)
    title = frame24(b"TIT2", b"\x03Hostile")
    # A 2.4 text frame of 8 MiB of separators: one value per byte.
    yield "nul_text_8mib.mp3", tag(4, title + frame24(b"TXXX", b"\x00" + bytes(8 << 20))) + audio
    # The same inflated from a small compressed frame (about 80 KB on disk).
    yield "zlib_nul_80k.mp3", tag(4, title + compressed24(b"TPE1", b"\x00", 80 << 20)) + audio
    # A 1 MB compressed frame that inflates to about 1 GB.
    yield "zlib_1mb.mp3", tag(4, title + compressed24(b"TALB", b"\x00", 1000 << 20)) + audio
    # A small compressed frame whose decompressed-size field says 4 GiB.
    yield "stated_4gib.mp3", tag(3, frame23(b"TIT2", b"\x00Hostile")
                                    + compressed23(b"COMM", b"\x00eng\x00" + os.urandom(16000), 0, 0xFFFFFFF0)) + audio
    # A 2.3 tag of text frames each full of separators.
    yield "many_frames_nul.mp3", tag(3, frame23(b"TIT2", b"\x00Hostile") + b"".join(frame23(b"TIT1", b"\x01" + bytes(60000)) for _ in range(64))) + audio


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, data in files():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        print(name, len(data))


if __name__ == "__main__":
    main()

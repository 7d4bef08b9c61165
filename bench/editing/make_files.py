#!/usr/bin/python3
"""Makes N small MP3 files for the editing bench: silent MPEG-1 Layer III
frames behind an ID3v2.3 tag with 2 KiB of padding (so an edit fits in place)
and an ID3v1 tag. usage: make_files.py FOLDER N ARTIST"""
import os
import struct
import sys

folder, count, artist = sys.argv[1], int(sys.argv[2]), sys.argv[3]
# One 128 kbit/s 44.1 kHz frame: 417 bytes, header FF FB 90 64.
frame = b"\xff\xfb\x90\x64" + b"\x00" * 413
audio = frame * 40


def text_frame(fid, text):
    body = b"\x01\xff\xfe" + text.encode("utf-16-le")
    return fid.encode() + struct.pack(">I", len(body)) + b"\x00\x00" + body


def syncsafe(n):
    return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])


def v1(title, artist_name, album, track):
    b = bytearray(128)
    b[0:3] = b"TAG"
    for at, value in ((3, title), (33, artist_name), (63, album)):
        raw = value.encode("ascii")[:30]
        b[at:at + len(raw)] = raw
    b[126] = track % 256
    b[127] = 17
    return bytes(b)


os.makedirs(folder, exist_ok=True)
for i in range(count):
    sub = os.path.join(folder, "album%03d" % (i // 10))
    os.makedirs(sub, exist_ok=True)
    title = "Song %d" % i
    frames = (text_frame("TIT2", title) + text_frame("TPE1", artist) +
              text_frame("TALB", "Album %d" % (i // 10)) + text_frame("TRCK", str(i % 10 + 1)))
    body = frames + b"\x00" * 2048
    tag = b"ID3\x03\x00\x00" + syncsafe(len(body)) + body
    with open(os.path.join(sub, "%05d.mp3" % i), "wb") as f:
        f.write(tag + audio + v1(title, artist, "Album %d" % (i // 10), i % 10 + 1))

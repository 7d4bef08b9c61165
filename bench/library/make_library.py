#!/usr/bin/python3
"""Makes a synthetic music library of small real MP3 files for the scan and
cache benchmarks: artist/album/track folders, Japanese and Latin names, some
compilation albums with many artists, and a mix of tag kinds (ID3v2.3 in
UTF-16 with ID3v1, ID3v2.4 in UTF-8 alone, ID3v2.3 in Latin-1 with ID3v1,
ID3v1 alone). Each file is two silent MPEG frames with its tags.

usage: make_library.py FOLDER [TRACKS]   (default 100000 tracks)
"""
import os
import random
import struct
import sys

FRAME = bytes([0xFF, 0xFB, 0x90, 0x44]) + bytes(413)  # 128 kbit/s, 44.1 kHz
AUDIO = FRAME * 2

KANA = "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン"
KANJI = "日本語音楽夜空海山川花風雪月星光影夢恋歌心愛青赤白黒春夏秋冬"
WORDS = ["Blue", "Night", "River", "Light", "Echo", "Stone", "Glass", "Fire", "Rain", "Dream",
         "Silver", "Shadow", "Golden", "Wild", "Quiet", "Electric", "Paper", "Velvet", "Ocean", "Iron"]


def syncsafe(n):
    return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])


def text_frame(fid, text, version, encoding):
    if encoding == 0:
        data = b"\x00" + text.encode("latin-1", "replace")
    elif encoding == 1:
        data = b"\x01" + text.encode("utf-16")  # with byte-order mark
    else:
        data = b"\x03" + text.encode("utf-8")
    size = syncsafe(len(data)) if version == 4 else struct.pack(">I", len(data))
    return fid + size + b"\x00\x00" + data


def id3v2(version, encoding, fields):
    body = b"".join(text_frame(fid, val, version, encoding) for fid, val in fields if val)
    body += bytes(32)  # padding
    return b"ID3" + bytes([version, 0, 0]) + syncsafe(len(body)) + body


def id3v1(title, artist, album, year, track, genre):
    def fit(s, n):
        b = s.encode("cp932", "replace")[:n]
        return b + bytes(n - len(b))
    return (b"TAG" + fit(title, 30) + fit(artist, 30) + fit(album, 30) + fit(year, 4)
            + fit("", 28) + b"\x00" + bytes([track & 0xFF]) + bytes([genre]))


def name(rng, japanese):
    if japanese:
        return "".join(rng.choice(KANJI + KANA) for _ in range(rng.randint(2, 6)))
    return " ".join(rng.choice(WORDS) for _ in range(rng.randint(1, 3)))


def safe(s):
    return s.replace("/", "_")


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    root = sys.argv[1]
    total = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
    rng = random.Random(20261209)
    artists = [name(rng, i % 4 == 0) + ("" if i % 4 == 0 else " %d" % i) for i in range(2500)]
    albums = 8000
    per_album = max(1, total // albums)
    made = 0
    for a in range(albums):
        if made >= total:
            break
        compilation = a % 50 == 0
        artist = artists[a % len(artists)]
        album = name(rng, a % 3 == 0) + " %d" % a
        folder = os.path.join(root, "Compilations" if compilation else safe(artist), safe(album))
        os.makedirs(folder, exist_ok=True)
        count = per_album + (1 if a < total - per_album * albums else 0)
        for t in range(1, count + 1):
            if made >= total:
                break
            track_artist = artists[rng.randrange(len(artists))] if compilation else artist
            title = name(rng, (a + t) % 3 == 0)
            year = str(1970 + (a % 50))
            kind = made % 10
            if kind < 4:
                tags = id3v2(3, 1, [(b"TIT2", title), (b"TPE1", track_artist), (b"TALB", album),
                                    (b"TRCK", str(t)), (b"TYER", year), (b"TCON", "Rock")])
                tail = id3v1(title, track_artist, album, year, t, 17)
            elif kind < 7:
                tags = id3v2(4, 3, [(b"TIT2", title), (b"TPE1", track_artist), (b"TALB", album),
                                    (b"TRCK", str(t)), (b"TDRC", year)])
                tail = b""
            elif kind < 8:
                latin = "%s %d" % (rng.choice(WORDS), t)
                tags = id3v2(3, 0, [(b"TIT2", latin), (b"TPE1", "Latin Artist"), (b"TALB", "Latin %d" % a)])
                tail = id3v1(latin, "Latin Artist", "Latin %d" % a, year, t, 8)
            else:
                tags = b""
                tail = id3v1(title, track_artist, album, year, t, 13)
            path = os.path.join(folder, "%02d %s.mp3" % (t, safe(title)))
            with open(path, "wb") as f:
                f.write(tags + AUDIO + tail)
            made += 1
    print("made %d files under %s" % (made, root))


if __name__ == "__main__":
    main()

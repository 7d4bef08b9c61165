"""Makes a tree of small real MP3 files for the info benchmark: short lame
streams of several kinds (CBR with an "Info" header, VBR, mono, MPEG 2), with
varied ID3v2.3/2.4 tags written by mutagen, ID3v1 blocks on most, and a cover
picture on every tenth file.

Usage: /usr/bin/python3 make_tree.py OUTDIR [COUNT]
"""
import math
import os
import random
import struct
import subprocess
import sys
import tempfile
import wave

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "data"))
from tinyjpeg import make_jpeg  # noqa: E402

from mutagen.id3 import APIC, COMM, ID3, TALB, TCOM, TCON, TDRC, TIT2, TPE1, TRCK  # noqa: E402

KINDS = [["-b", "128"], ["-V", "5"], ["-b", "64", "-m", "m"], ["-b", "64", "--resample", "22.05"], ["--abr", "96"]]
WORDS = ["river", "light", "night", "morning", "空", "海", "風", "夢", "stone", "glass", "echo", "summer"]


def streams():
    out = []
    with tempfile.TemporaryDirectory() as work:
        wav = os.path.join(work, "in.wav")
        with wave.open(wav, "wb") as w:
            w.setnchannels(2)
            w.setsampwidth(2)
            w.setframerate(44100)
            w.writeframes(b"".join(struct.pack("<hh", v, v) for v in
                                   (int(8000 * math.sin(2 * math.pi * 440 * i / 44100)) for i in range(13230))))
        for i, args in enumerate(KINDS):
            mp3 = os.path.join(work, "%d.mp3" % i)
            subprocess.run(["lame", "--quiet", *args, wav, mp3], check=True)
            with open(mp3, "rb") as f:
                out.append(f.read())
    return out


def cover(seed):
    rng = random.Random(seed)
    jpeg = make_jpeg([[(rng.randrange(256), rng.randrange(256), rng.randrange(256)) for _ in range(8)] for _ in range(8)])
    # A comment segment brings it to the size of a typical small cover.
    pad = bytes(rng.randrange(256) for _ in range(30000))
    return jpeg[:2] + b"\xFF\xFE" + struct.pack(">H", len(pad) + 2) + pad + jpeg[2:]


def v1_block(rng, title, artist):
    def field(text, width):
        return text.encode("cp932", "replace")[:width].ljust(width, b"\0")
    return (b"TAG" + field(title, 30) + field(artist, 30) + field("Album", 30) + field("1999", 4)
            + field("comment", 28) + b"\0" + bytes([rng.randrange(1, 20)]) + bytes([rng.randrange(148)]))


def main(out, count):
    rng = random.Random(42)
    audio = streams()
    covers = [cover(i) for i in range(20)]
    for n in range(count):
        artist = "Artist %03d %s" % (n % 400, rng.choice(WORDS))
        album = "Album %d %s" % (n % 1500, rng.choice(WORDS))
        folder = os.path.join(out, "a%03d" % (n % 400), "b%04d" % (n % 1500))
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, "%05d %s.mp3" % (n, rng.choice(WORDS)))
        with open(path, "wb") as f:
            f.write(audio[n % len(audio)])
        v24 = n % 3 == 0
        enc = 3 if v24 else rng.choice([0, 1]) if n % 7 else 0
        title = " ".join(rng.choice(WORDS) for _ in range(rng.randrange(1, 4)))
        if enc == 0:
            title = title.encode("latin-1", "replace").decode("latin-1")
            artist = artist.encode("latin-1", "replace").decode("latin-1")
        tags = ID3()
        tags.add(TIT2(encoding=enc, text=title))
        tags.add(TPE1(encoding=enc, text=artist))
        tags.add(TALB(encoding=enc, text=album.encode("latin-1", "replace").decode("latin-1") if enc == 0 else album))
        tags.add(TRCK(encoding=enc, text="%d/%d" % (n % 12 + 1, 12)))
        tags.add(TDRC(encoding=enc, text=str(1970 + n % 50)))
        tags.add(TCON(encoding=enc, text=rng.choice(["Rock", "Jazz", "JPop", "Ambient", "(13)"])))
        if n % 2:
            tags.add(COMM(encoding=enc, lang="eng", desc="", text="comment %d" % n))
        if n % 5 == 0:
            tags.add(TCOM(encoding=enc, text="Composer %d" % (n % 50)))
        if n % 10 == 0:
            tags.add(APIC(encoding=0, mime="image/jpeg", type=3, desc="", data=covers[n % len(covers)]))
        tags.save(path, v2_version=4 if v24 else 3, v1=0)
        if n % 4 != 3:
            with open(path, "ab") as f:
                f.write(v1_block(rng, title, artist))


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 20000)

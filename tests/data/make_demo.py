"""Makes the bundled demo collection: a few tiny but real MP3 files (short
sines encoded by lame) under three artists, tagged by mutagen (ID3v2.3 and
ID3v2.4) and with ID3v1 blocks written here in Shift-JIS.

Usage: /usr/bin/python3 make_demo.py OUTDIR
"""
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tinyjpeg import make_jpeg  # noqa: E402

from mutagen.id3 import (ID3, APIC, COMM, TALB, TCOM, TCON, TCOP, TDRC, TENC,  # noqa: E402
                         TIT2, TOPE, TPE1, TRCK, WXXX)


def sine_wav(path, seconds, rate=44100, channels=2, freq=440.0):
    n = int(seconds * rate)
    with wave.open(path, "wb") as w:
        w.setnchannels(channels)
        w.setsampwidth(2)
        w.setframerate(rate)
        frames = bytearray()
        for i in range(n):
            v = int(8000 * math.sin(2 * math.pi * freq * i / rate))
            frames += struct.pack("<h", v) * channels
        w.writeframes(bytes(frames))


def encode(wav, mp3, lame_args):
    subprocess.run(["lame", "--quiet", *lame_args, wav, mp3], check=True)


def id3v1_block(title, artist, album, year, comment, track, genre):
    def field(text, width):
        return text.encode("cp932")[:width].ljust(width, b"\0")
    block = b"TAG" + field(title, 30) + field(artist, 30) + field(album, 30) + field(year, 4)
    if track:
        block += field(comment, 28) + b"\0" + bytes([track])
    else:
        block += field(comment, 30)
    return block + bytes([genre])


def tag_v2(path, version, enc, t, picture=None):
    tags = ID3()
    tags.add(TIT2(encoding=enc, text=t["title"]))
    tags.add(TPE1(encoding=enc, text=t["artist"]))
    tags.add(TALB(encoding=enc, text=t["album"]))
    tags.add(TRCK(encoding=enc, text=t["track"]))
    tags.add(TDRC(encoding=enc, text=t["year"]))
    tags.add(TCON(encoding=enc, text=t["genre"]))
    if t.get("comment"):
        tags.add(COMM(encoding=enc, lang="jpn" if t.get("ja") else "eng", desc="", text=t["comment"]))
    for key, frame in (("composer", TCOM), ("encoded_by", TENC), ("copyright", TCOP), ("original_artist", TOPE)):
        if t.get(key):
            tags.add(frame(encoding=enc, text=t[key]))
    if t.get("url"):
        tags.add(WXXX(encoding=enc, desc="", url=t["url"]))
    if picture:
        tags.add(APIC(encoding=0, mime="image/jpeg", type=3, desc="", data=picture))
    tags.save(path, v2_version=version, v1=0)


def append_v1(path, block):
    with open(path, "ab") as f:
        f.write(block)


ALBUM_A = dict(artist="Vireo Ensemble", album="First Light", year="2024", genre="Classical")
ALBUM_B = dict(artist="山田花子", album="夏の歌", year="2023", genre="JPop", ja=True)
ALBUM_C = dict(artist="Kumo to Kaze", album="風の道", year="2022", genre="Ambient")

# (album, folder artist, folder album, file name, title, track, lame options, tags)
# tags: "v23" / "v24" / "v23-ansi" (ID3v2 version and text encoding), "v1" (ID3v1 block), "pic"
TRACKS = [
    (ALBUM_A, "01 Morning.mp3", "Morning", 1, ["-b", "128"], 0.30, {"v23", "v1"}),
    (ALBUM_A, "02 Noon.mp3", "Noon", 2, ["-V", "5"], 0.40, {"v23", "v1"}),
    (ALBUM_A, "03 Dusk.mp3", "Dusk", 3, ["-b", "64", "-m", "m"], 0.30, {"v23-ansi"}),
    (ALBUM_B, "01 海.mp3", "海", 1, ["-b", "32", "--resample", "22.05"], 0.40, {"v24", "v1"}),
    (ALBUM_B, "02 花火.mp3", "花火", 2, ["-V", "2"], 0.30, {"v24", "v1", "pic"}),
    (ALBUM_B, "03 夕立.mp3", "夕立", 3, ["-b", "64"], 0.30, {"v1"}),
    (ALBUM_C, "01 Wind Road.mp3", "Wind Road 風", 1, ["-b", "96", "-t"], 0.30, {"v24", "v1"}),
    (ALBUM_C, "02 Tailwind.mp3", "追い風 Tailwind", 2, ["--abr", "80"], 0.30, {"v23"}),
]

GENRE_CODES = {"Classical": 32, "JPop": 146, "Ambient": 26}


def main(out):
    if os.path.isdir(out):
        shutil.rmtree(out)
    cover = make_jpeg([[(40, 90, 160), (230, 200, 60)], [(230, 200, 60), (40, 90, 160)]])
    work = tempfile.mkdtemp()
    try:
        for i, (album, name, title, track, lame, seconds, kinds) in enumerate(TRACKS):
            folder = os.path.join(out, album["artist"], album["album"])
            os.makedirs(folder, exist_ok=True)
            wav = os.path.join(work, "in%d.wav" % i)
            sine_wav(wav, seconds, freq=330.0 + 55 * i)
            path = os.path.join(folder, name)
            encode(wav, path, lame)
            t = dict(album, title=title, track="%d/%d" % (track, 3),
                     comment=("デモ曲です" if album.get("ja") else "Demo track"),
                     composer=("作曲 太郎" if album.get("ja") else "A. Composer"),
                     encoded_by="make_demo", copyright="CC0", original_artist=album["artist"],
                     url="https://example.org/vireo")
            if "v23" in kinds:
                tag_v2(path, 3, 1, t, cover if "pic" in kinds else None)
            elif "v23-ansi" in kinds:
                tag_v2(path, 3, 0, t)
            elif "v24" in kinds:
                tag_v2(path, 4, 3, t, cover if "pic" in kinds else None)
            if "v1" in kinds:
                append_v1(path, id3v1_block(title, album["artist"], album["album"], album["year"],
                                            t["comment"], track, GENRE_CODES[album["genre"]]))
        with open(os.path.join(out, ALBUM_A["artist"], ALBUM_A["album"], "folder.jpg"), "wb") as f:
            f.write(make_jpeg([[(200, 60, 40), (250, 250, 250)], [(250, 250, 250), (200, 60, 40)]]))
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "demo"))

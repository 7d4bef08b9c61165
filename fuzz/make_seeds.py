#!/usr/bin/python3
"""Writes the seed inputs of the fuzzers: one folder per fuzzer under OUT.

Usage: make_seeds.py OUT

Seeds are made here from literal bytes and from the project's own files
(the demo collection, tests/data); no outside sample files are used.
MP3 files are cut to their tag, a few frames and their last 128 bytes.
"""
import os
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def syncsafe(n):
    return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])


def tag(version, frames, flags=0, padding=0):
    body = frames + bytes(padding)
    return b"ID3" + bytes([version, 0, flags]) + syncsafe(len(body)) + body


def f22(fid, body):
    return fid + struct.pack(">I", len(body))[1:] + body


def f23(fid, body, fmt=0):
    return fid + struct.pack(">I", len(body)) + bytes([0, fmt]) + body


def f24(fid, body, fmt=0):
    return fid + syncsafe(len(body)) + bytes([0, fmt]) + body


def unsync(data):
    out = bytearray()
    for i, b in enumerate(data):
        out.append(b)
        if b == 0xFF and (i + 1 == len(data) or data[i + 1] == 0 or data[i + 1] >= 0xE0):
            out.append(0)
    return bytes(out)


def frame(header=b"\xFF\xFB\x90\x64", length=417, payload=b""):
    return header + payload + bytes(length - 4 - len(payload))


def xing(kind=b"Xing", frames=100, size=41700, lame=True):
    fields = kind + struct.pack(">I", 0x0F) + struct.pack(">II", frames, size) + bytes(range(100)) + struct.pack(">I", 57)
    if lame:
        fields += b"LAME3.100" + bytes(27)
    return bytes(32) + fields


def vbri(frames=100, size=41700):
    return bytes(32) + b"VBRI" + struct.pack(">HHHII", 1, 1000, 75, size, frames) + bytes(8)


def v1_block(title=b"Title", artist=b"\x93\xfa\x96\x7b", track=3, genre=17):
    b = b"TAG" + title.ljust(30, b"\0") + artist.ljust(30, b"\0") + b"Album".ljust(30, b"\0") + b"2004"
    return b + b"comment".ljust(28, b"\0") + bytes([0, track, genre])


def cut_mp3(data):
    head = 0
    if data[:3] == b"ID3" and len(data) >= 10:
        s = data[6:10]
        head = 10 + ((s[0] << 21) | (s[1] << 14) | (s[2] << 7) | s[3])
    if head > 48 * 1024:
        head = 48 * 1024
    return data[:head + 4096] + data[-128:]


def mp3_seeds():
    utf16 = b"\x01\xff\xfe" + "日本".encode("utf-16-le") + b"\0\0"
    seeds = {
        "v22": tag(2, f22(b"TT2", b"\0Title") + f22(b"TP1", b"\0Artist") + f22(b"COM", b"\0eng\0c")
                   + f22(b"PIC", b"\0JPG\x03\0" + b"\xff\xd8" + bytes(40))),
        "v23": tag(3, f23(b"TIT2", utf16) + f23(b"TPE1", b"\0A") + f23(b"TRCK", b"\x003/12")
                   + f23(b"TCON", b"\0(17)Rock") + f23(b"COMM", b"\0eng\0hello") + f23(b"WXXX", b"\0\0http://x/")
                   + f23(b"APIC", b"\0image/png\0\x03desc\0" + bytes(64)), padding=64),
        "v23_compressed": tag(3, f23(b"TIT2", struct.pack(">I", 6) + zlib.compress(b"\0Title"), 0x80)),
        "v23_unsync_ext": tag(3, struct.pack(">I", 6) + bytes(6) + unsync(f23(b"TIT2", b"\x01\xff\xfe\xff\x30\0\0")), flags=0xC0),
        "v24": tag(4, f24(b"TIT2", b"\x03" + "日本".encode()) + f24(b"TPE1", b"\0A\0B")
                   + f24(b"TDRC", b"\x002004-05-01") + f24(b"TXXX", syncsafe(5) + b"\0a\0bc", 0x01)
                   + f24(b"TALB", unsync(b"\x01\xff\xfe\xff\x30\0\0"), 0x02)),
        "v24_footer": (lambda t: t + b"3DI" + t[3:10])(tag(4, f24(b"TIT2", b"\0AB"), flags=0x10)),
        "v24_compressed": tag(4, f24(b"TIT2", syncsafe(6) + zlib.compress(b"\0Title"), 0x09)),
    }
    out = {}
    audio = [frame() * 4, frame(payload=xing()) + frame() * 3, frame(payload=xing(b"Info")) + frame() * 3,
             frame(payload=vbri()) + frame() * 3, frame(b"\xFF\xF3\x80\xC4", 144) * 4,
             frame(b"\xFF\xFD\x90\x04", 417) * 3 + b"LAME3.99r" + bytes(20)]
    for name, t in seeds.items():
        out[name] = t + audio[len(out) % len(audio)] + v1_block()
    for i, a in enumerate(audio):
        out["audio%d" % i] = a
        out["audio%d_v1" % i] = bytes(100) + a + v1_block(track=i)
    demo = os.path.join(ROOT, "demo")
    for folder, _, names in os.walk(demo):
        for n in sorted(names):
            if n.lower().endswith(".mp3"):
                with open(os.path.join(folder, n), "rb") as f:
                    out["demo_" + str(len(out))] = cut_mp3(f.read())
    return out


def cache_seeds():
    v = "vireoCacheVersion2.0.0.0,0\r\n"
    v1 = (v + '/music/a/01.mp3,2004/05/01 12:34:56,Artist,"Title, with comma",Album,c,2004,17,3,2\r\n'
          + '"/music/b/\x22q\x22.mp3",1979/01/01 00:00:00,A,T,Al,,,255,,1\r\n').encode("cp932")
    v1 += "/music/日本/02.mp3,2020/12/31 23:59:58,\x93\xfa,T,A,C,1999,1,1,1\r\n".encode("cp932", "replace")
    row2 = ['/music/a/01.mp3', '2004/05/01 12:34:56', 'Artist', '"Ti""tle"', 'Album', 'c', '2004', 'Rock',
            '3', 'enc', 'cop', 'orig', 'http://x/', 'comp', 'ID3v2.3', '1']
    v2 = "\ufeff" + v + ",".join(row2) + "\r\n" + "/music/日本/02.mp3,2020/12/31 23:59:58,日本,\r\n"
    return {
        "v1": b"\0" + v1,
        "v1_badversion": b"\0" + v1.replace(b"2.0.0.0", b"1.0.0.0"),
        "v2": b"\1" + v2.encode("utf-16-le"),
        "v2_badversion": b"\1" + v2.replace("2.0.0.0", "9.9").encode("utf-16-le"),
        "v2_utf8": b"\1\xef\xbb\xbf" + v2[1:].encode("utf-8"),
    }


def text_seeds():
    entries = ["/music/a/01.mp3", "b/02.mp3", "..\\c\\03.mp3", "日本.mp3", "#EXTM3U"]
    m3u = {
        "unicode": b"\xff\xfe" + "\r\n".join(entries).encode("utf-16-le"),
        "big_endian": b"\xfe\xff" + "\n".join(entries).encode("utf-16-be"),
        "utf8_bom": b"\xef\xbb\xbf" + "\r\n".join(entries).encode(),
        "plain_cp932": "\r\n".join(entries).encode("cp932"),
        "separator": "a.mp3\u2028b.mp3\rc.mp3".encode(),
    }
    ini = {
        "settings": "[MP3Param]\r\nMP3Dir=/music/\r\nTagCodePage=CP932\r\n[MainForm]\r\nTop=10\r\nColor=$00FF00FF\r\n"
                    "; comment\r\nName=\"  quoted  \"\r\n[MusicList]\r\nLVM_TrackWidth=40\r\n".encode(),
        "cp932": "[MP3Param]\nMP3Dir=/音楽/\n".encode("cp932"),
        "bom": b"\xef\xbb\xbf[a]\nk = v \nx='y'\n",
    }
    saved = os.path.join(ROOT, "tests", "data", "settings", "saved-from-nothing.ini")
    if os.path.exists(saved):
        with open(saved, "rb") as f:
            ini["saved"] = f.read()
    names = ["Best of 2004", "ベスト", "Various, Artists", ""]
    cpi = {
        "unicode": b"\xff\xfe" + "\r\n".join(names).encode("utf-16-le"),
        "utf8": "\n".join(names).encode(),
        "cp932": "\r\n".join(names).encode("cp932"),
        "nul": b"\xff\xfe" + "a\r\n\0b".encode("utf-16-le"),
    }
    return m3u, ini, cpi


def cover_seeds():
    """The cover search's answers: the recorded ones in tests/data/coverart,
    small hand-made ones, and the picture headers the answers point to."""
    seeds = {}
    folder = os.path.join(ROOT, "tests", "data", "coverart")
    if os.path.isdir(folder):
        for n in sorted(os.listdir(folder)):
            with open(os.path.join(folder, n), "rb") as f:
                seeds[n] = f.read().replace(b"{BASE}", b"http://127.0.0.1:8080")
    item = b"<Item><ItemAttributes><Title>A &AMP; B</Title></ItemAttributes><SmallImage><URL> http://x/s.jpg </URL></SmallImage>" \
           b"<MediumImage><URL>http://x/m.jpg</URL></MediumImage><LargeImage><URL>http://x/l.jpg</URL></LargeImage></Item>"
    seeds["classic_items"] = b"<?xml version=\"1.0\"?><Items>" + item * 3 + b"<Item><Title>cut"
    seeds["classic_empty"] = b"  <ItemSearchResponse/>"
    seeds["mb_release"] = ('{"releases":[{"id":"1e477f68-c407-4eae-ad01-518528cedc2c","title":"日本","date":"2004",'
                           '"artist-credit":[{"name":"A","joinphrase":" & "},{"artist":{"name":"B"}}],'
                           '"cover-art-archive":{"front":true}},{"id":"x","title":"T"}]}').encode()
    seeds["deezer_albums"] = (b'{"data":[{"title":"T","artist":{"name":"A"},"cover_medium":"https://x/m.jpg",'
                              b'"cover_big":"ftp://x/b.jpg","cover_xl":"http://x/xl.jpg"},{"title":""}],"total":2}')
    seeds["deezer_error"] = b'{"error":{"type":"Exception","message":"Quota limit exceeded","code":4}}'
    seeds["png"] = b"\x89PNG\r\n\x1a\n" + struct.pack(">I", 13) + b"IHDR" + struct.pack(">II", 300, 200) + bytes(9)
    seeds["gif"] = b"GIF89a" + struct.pack("<HH", 500, 500) + bytes(8)
    seeds["jpeg"] = (b"\xff\xd8\xff\xe0" + struct.pack(">H", 16) + b"JFIF\0" + bytes(9) + b"\xff\xff\xd0"
                     + b"\xff\xc0" + struct.pack(">HBHHB", 11, 8, 240, 320, 1) + bytes(3) + b"\xff\xd9")
    return seeds


def write(out, fuzzer, seeds):
    folder = os.path.join(out, fuzzer)
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    mp3 = mp3_seeds()
    m3u, ini, cpi = text_seeds()
    write(out, "fuzz_id3v2", mp3)
    write(out, "fuzz_id3v1", {k: v for k, v in mp3.items() if len(v) >= 128})
    write(out, "fuzz_mpeg", mp3)
    write(out, "fuzz_tagcache", cache_seeds())
    write(out, "fuzz_m3u", m3u)
    write(out, "fuzz_settings", ini)
    write(out, "fuzz_compilations", cpi)
    write(out, "fuzz_coversearch", cover_seeds())


if __name__ == "__main__":
    main()

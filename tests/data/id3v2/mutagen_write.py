# Tags an MP3 file with mutagen: mutagen_write.py FILE VERSION ENCODING VALUES_JSON
# Writes the fields Vireo reads plus frames it only carries over.
import json
import sys

from mutagen.id3 import (ID3, APIC, COMM, POPM, PRIV, TALB, TCOM, TCON, TCOP, TDRC, TENC,
                         TIT1, TIT2, TOAL, TOPE, TPE1, TPE2, TPOS, TRCK, TXXX, TYER, UFID,
                         USLT, WXXX)

path, version, enc, values = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), json.loads(sys.argv[4])
t = ID3()
t.add(TIT2(encoding=enc, text=values["title"]))
t.add(TPE1(encoding=enc, text=values["artist"]))
t.add(TALB(encoding=enc, text=values["album"]))
t.add(TRCK(encoding=enc, text="3/12"))
if version == 4:
    t.add(TDRC(encoding=enc, text="2004-05-01"))
else:
    t.add(TYER(encoding=enc, text="2004"))
t.add(TCON(encoding=enc, text=values["genre"]))
t.add(COMM(encoding=enc, lang="eng", desc="note", text=values["other"]))
t.add(COMM(encoding=enc, lang="eng", desc="", text=values["comment"]))
t.add(TCOM(encoding=enc, text=values["composer"]))
t.add(TENC(encoding=enc, text="enc"))
t.add(TCOP(encoding=enc, text="(c) 2004"))
t.add(TOPE(encoding=enc, text=values["artist"]))
t.add(WXXX(encoding=enc, desc="", url="http://example.jp/a"))
t.add(APIC(encoding=enc, mime="image/png", type=4, desc="back", data=b"\x89PNG back" * 50))
t.add(APIC(encoding=enc, mime="image/jpeg", type=3, desc="front", data=b"\xff\xd8\xff front" * 300))
# Frames no field stands for.
t.add(TPE2(encoding=enc, text=values["band"]))
t.add(TPOS(encoding=enc, text="1/2"))
t.add(USLT(encoding=enc, lang="jpn", desc="", text=values["lyrics"]))
t.add(TXXX(encoding=enc, desc="mood", text=values["other"]))
t.add(POPM(email="a@example.jp", rating=200, count=5))
t.add(UFID(owner="http://musicbrainz.org", data=b"0123-4567"))
t.add(PRIV(owner="WM/MediaClassPrimaryID", data=b"\x01\x02\x03\xff\x00"))
t.add(TIT1(encoding=enc, text=values["group"]))
t.add(TOAL(encoding=enc, text=values["album"]))
t.save(path, v2_version=version)

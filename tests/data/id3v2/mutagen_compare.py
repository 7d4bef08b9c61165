# Checks a tag Vireo rewrote against the file's tag before:
# mutagen_compare.py BEFORE AFTER EXPECTED_JSON
# EXPECTED_JSON gives the texts of the frames Vireo writes itself; every
# other frame of BEFORE must be in AFTER with the same content (in its
# ID3v2.3 form). Prints OK or the differences.
import json
import sys

from mutagen.id3 import ID3

before = ID3(sys.argv[1], translate=False)
after = ID3(sys.argv[2], translate=False)
expected = json.loads(sys.argv[3])
problems = []
if after.version[:2] != (2, 3):
    problems.append("version %r" % (after.version,))

OWN = {"TIT2", "TPE1", "TALB", "TRCK", "TYER", "TCON", "TCOM", "TENC", "TCOP", "TLAN",
       "TOPE", "TSIZ", "TDRC"}


def content(frame):
    out = {}
    for spec in frame._framespec + getattr(frame, "_optionalspec", []):
        name = spec.name
        if name == "encoding" or not hasattr(frame, name):
            continue
        value = getattr(frame, name)
        if isinstance(value, list):
            value = "/".join(str(v) for v in value)
        out[name] = value if isinstance(value, (bytes, int)) else str(value)
    return out


for key, frame in before.items():
    fid = frame.FrameID
    if fid in OWN or key in ("COMM::eng", "WXXX:", "APIC:front"):
        continue
    if key not in after:
        problems.append("missing %s" % key)
    elif content(after[key]) != content(frame):
        problems.append("%s: %r != %r" % (key, content(after[key]), content(frame)))

for key, text in expected.items():
    if key not in after:
        problems.append("missing own %s" % key)
        continue
    f = after[key]
    got = str(f.url) if key.startswith("WXXX") else "/".join(str(v) for v in f.text)
    if got != text:
        problems.append("%s: %r != %r" % (key, got, text))

print("OK" if not problems else "\n".join(problems))

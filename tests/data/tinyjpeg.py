"""A minimal baseline JPEG writer for small cover pictures in fixtures.

The image is made of 8x8 blocks of one colour each, so every block is coded
by its DC coefficient alone: enough for a real, decodable picture without an
image library.
"""
import struct


def _huffman_codes(bits, values):
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(bits[length - 1]):
            codes[values[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


DC_BITS = [0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0]
DC_VALUES = list(range(12))
AC_BITS = [1] + [0] * 15  # one code: end of block
AC_VALUES = [0x00]


class _BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.n = 0

    def put(self, value, length):
        for i in range(length - 1, -1, -1):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.n += 1
            if self.n == 8:
                self.out.append(self.acc)
                if self.acc == 0xFF:
                    self.out.append(0)
                self.acc = 0
                self.n = 0

    def flush(self):
        while self.n:
            self.put(1, 1)
        return bytes(self.out)


def _segment(marker, payload):
    return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload


def make_jpeg(blocks):
    """blocks: rows of (r, g, b) colours, one per 8x8 block."""
    height, width = len(blocks) * 8, len(blocks[0]) * 8
    dc = _huffman_codes(DC_BITS, DC_VALUES)
    ac = _huffman_codes(AC_BITS, AC_VALUES)
    w = _BitWriter()
    prev = [0, 0, 0]
    for row in blocks:
        for r, g, b in row:
            y = 0.299 * r + 0.587 * g + 0.114 * b
            cb = 128 - 0.168736 * r - 0.331264 * g + 0.5 * b
            cr = 128 + 0.5 * r - 0.418688 * g - 0.081312 * b
            for c, v in enumerate((y, cb, cr)):
                coef = int(round(8 * (v - 128)))
                diff = coef - prev[c]
                prev[c] = coef
                cat = abs(diff).bit_length()
                code, length = dc[cat]
                w.put(code, length)
                if cat:
                    w.put(diff if diff > 0 else diff + (1 << cat) - 1, cat)
                code, length = ac[0x00]
                w.put(code, length)
    data = w.flush()
    out = b"\xFF\xD8"
    out += _segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    out += _segment(0xDB, b"\x00" + bytes([1] * 64))
    out += _segment(0xC0, struct.pack(">BHHB", 8, height, width, 3) + b"\x01\x11\x00\x02\x11\x00\x03\x11\x00")
    out += _segment(0xC4, b"\x00" + bytes(DC_BITS) + bytes(DC_VALUES))
    out += _segment(0xC4, b"\x10" + bytes(AC_BITS) + bytes(AC_VALUES))
    out += _segment(0xDA, b"\x03\x01\x00\x02\x00\x03\x00\x00\x3F\x00")
    out += data + b"\xFF\xD9"
    return out

#!/usr/bin/python3
"""Makes a tree of small real MP3 files with varied tags for the tag-reading benchmark.

usage: make_tree.py DIR [COUNT]
Each file holds a few silent MPEG-1 Layer III frames; tags vary between ID3v2.3
and 2.4, the text encodings, Japanese and English texts, ID3v1 in Shift-JIS,
and every tenth file carries a picture.
"""
import os
import random
import sys

from mutagen.id3 import ID3, APIC, COMM, TALB, TCOM, TCON, TIT2, TPE1, TRCK, TYER, TDRC

FRAME = bytes([0xFF, 0xFB, 0x90, 0x44]) + bytes(413)


def v1_tag(title, artist, album, year, track, genre):
    def field(text, width):
        b = text.encode('cp932', 'replace')[:width]
        return b + bytes(width - len(b))
    return (b'TAG' + field(title, 30) + field(artist, 30) + field(album, 30)
            + field(year, 4) + field('', 28) + bytes([0, track, genre]))


def main():
    root = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 20000
    rnd = random.Random(1)
    picture = b'\xFF\xD8\xFF\xE0' + bytes(rnd.getrandbits(8) for _ in range(8000)) + b'\xFF\xD9'
    artists = ['Artist %d' % i for i in range(200)] + ['歌手%d' % i for i in range(200)]
    for i in range(count):
        artist = artists[i % len(artists)]
        album = '%s アルバム %d' % (artist, (i // 12) % 5)
        folder = os.path.join(root, artist, album)
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, '%05d.mp3' % i)
        title = ('曲 %d' if i % 2 else 'Song %d') % i
        body = FRAME * (4 + i % 5)
        if i % 3 == 0:
            body += v1_tag(title, artist, album, '2001', 1 + i % 12, i % 80)
        with open(path, 'wb') as f:
            f.write(body)
        if i % 7 == 6:
            continue  # ID3v1 only, or no tag at all
        tag = ID3()
        enc = [0, 1, 3][i % 3] if i % 2 == 0 else 1
        if enc == 0:
            title, artist_t, album_t = 'Song %d' % i, 'Artist', 'Album'
        else:
            artist_t, album_t = artist, album
        tag.add(TIT2(encoding=enc, text=title))
        tag.add(TPE1(encoding=enc, text=artist_t))
        tag.add(TALB(encoding=enc, text=album_t))
        tag.add(TRCK(encoding=enc, text='%d/12' % (1 + i % 12)))
        tag.add(TCON(encoding=enc, text='(%d)' % (i % 80)))
        tag.add(COMM(encoding=enc, lang='jpn', desc='', text='comment %d' % i))
        if i % 4 == 0:
            tag.add(TCOM(encoding=enc, text='Composer'))
        version = 3 if i % 2 else 4
        if version == 3:
            tag.add(TYER(encoding=enc, text='2001'))
        else:
            tag.add(TDRC(encoding=enc, text='2001'))
        if i % 10 == 0:
            tag.add(APIC(encoding=0, mime='image/jpeg', type=3, desc='', data=picture))
        tag.save(path, v1=1 if i % 3 == 0 else 0, v2_version=version)


if __name__ == '__main__':
    main()

#!/usr/bin/python3
"""Makes labelled.tsv: short tag texts (titles, artists, albums of 1 to 30
characters) in Japanese, Western European languages, Chinese and Korean,
stored the ways tags are found in real collections: correctly, or encoded
in one code page and decoded in another. Each line:

  category <TAB> declared <TAB> expect <TAB> stored bytes (hex) <TAB> text

declared: v1 (ID3v1 bytes), latin1 (ID3v2 encoding 0), utf16 (encoding 1,
with byte-order mark), utf8 (encoding 3). expect: genuine (must be left
alone), garbled (must be repaired to `text`), foreign (GBK, Big5 or EUC-KR
bytes: must never be repaired, "uncertain" is the right answer).

usage: make_labelled.py > labelled.tsv
"""
import random
import sys

JA = [
    "夜空の向こう", "さくら", "君に会いたい", "東京タワー", "青い空", "ありがとう", "愛のうた", "夏祭り",
    "雪の降る町", "恋の予感", "星に願いを", "春の風", "花火", "海へ行こう", "約束の場所", "明日への手紙",
    "月光", "風の便り", "はじまりの朝", "虹色の夢", "ひまわり", "さよなら", "ただいま", "おかえり",
    "山田太郎", "佐藤花子", "鈴木一郎", "高橋優子", "田中美咲", "中村まり", "小林健", "森の音楽隊",
    "アイドル", "ラブソング", "メロディー", "ドリーム", "ストーリー", "ハッピーエンド", "クリスマス",
    "ラブ・ストーリー", "ベスト・アルバム", "ライブ 2003", "第一章", "旅立ちの日に", "心の声",
    "朝日", "愛", "夢", "光", "空", "川の流れのように", "遠い日の歌", "白い恋人たち", "赤い糸",
    "東京", "大阪の夜", "北の国から", "京都の雨", "名古屋", "横浜ブルース", "銀河鉄道", "少年時代",
    "あなた", "わたしの人生", "ぼくらの夏", "カラオケ", "ロックンロール", "シングル集", "初恋",
    "ミュージック", "スター", "Love です", "Best of 花", "SAKURA 桜", "ポップス 1999",
]
WEST_ACCENT = [
    "Motörhead", "Beyoncé", "Sigur Rós", "Café del Mar", "Björk", "Mötley Crüe", "Françoise Hardy",
    "Héroes del Silencio", "Röyksopp", "Señor Coconut", "Ästhetik", "Édith Piaf", "Jürgen Klein",
    "Über Alles", "Déjà Vu", "Crème Brûlée", "São Paulo", "Ação Direta", "Zoë Keating", "Noël",
    "Chloé", "Hélène", "Müller", "Straße", "Niño", "Canción", "Corazón", "Mañana", "Père Ubu",
    "Les Misérables", "Fête de la Musique", "Göteborg", "Malmö", "Ólafur Arnalds", "Jóhann",
    "Für Elise", "Dvořák", "Bøhren", "Årstiderna", "Kärlek", "Æon", "Señorita", "Pequeña",
    "Guðrún", "Añoranza", "Invierno Porteño", "Café Tacvba", "Måneskin", "Maître Gims",
    "Sébastien Tellier", "Ça plane", "Où est", "L'été indien", "Été", "Amélie", "Brûlé",
    "Tú y yo", "Adiós", "Canção do Mar", "Coração", "Irmão", "Vögel", "Grün", "Schön",
]
WEST_PLAIN = ["Don’t Stop", "Live – Paris", "Rock & Roll", "Greatest Hits", "Hello…", "Love Me Do",
              "© 1999", "Part ½", "10°C", "Café · Bar"]
ZH_S = ["月亮代表我的心", "后来", "朋友", "青花瓷", "小幸运", "晴天", "夜曲", "光年之外", "告白气球",
        "平凡之路", "王小明", "陈红", "张伟", "我们的歌", "北京欢迎你", "大海", "童话", "老男孩"]
ZH_T = ["周杰倫", "陳奕迅", "鄧麗君", "張學友", "劉德華", "後來", "傳奇", "當愛已成往事", "約定",
        "愛情轉移", "聽海", "黃昏"]
KO = ["김건모", "이소라", "사랑해요", "보고 싶다", "아리랑", "봄날", "눈의 꽃", "너를 위해", "서울의 밤",
      "우리 사랑", "그대에게", "첫사랑", "바람", "하늘", "박지민", "최유리"]

CP1252_UNDEFINED = {0x81, 0x8D, 0x8F, 0x90, 0x9D}


def cp1252_decode(b):
    return "".join(chr(x) if x in CP1252_UNDEFINED else bytes([x]).decode("cp1252") for x in b)


def enc(text, codec):
    return text.encode(codec)


def rows():
    out = []

    def add(cat, declared, expect, stored, text):
        if declared == "v1" and len(stored) > 30:
            return
        out.append((cat, declared, expect, stored.hex(), text))

    def utf16(t):
        return t.encode("utf-16-le").join([b"\xff\xfe", b""])

    for t in JA:
        add("ja-v1-cp932", "v1", "genuine", enc(t, "cp932"), t)
        add("ja-utf16", "utf16", "genuine", utf16(t), t)
        add("ja-utf8", "utf8", "genuine", enc(t, "utf-8"), t)
        # Shift-JIS in an ISO-8859-1 frame: the program reads it, others do not.
        add("ja-latin1-cp932", "latin1", "garbled", enc(t, "cp932"), t)
        add("ja-latin1-utf8", "latin1", "garbled", enc(t, "utf-8"), t)
        add("ja-v1-utf8", "v1", "garbled", enc(t, "utf-8"), t)
        add("ja-utf16-cp932-as-cp1252", "utf16", "garbled", utf16(cp1252_decode(enc(t, "cp932"))), t)
        add("ja-utf16-cp932-as-latin1", "utf16", "garbled", utf16(enc(t, "cp932").decode("latin-1")), t)
        add("ja-utf16-utf8-as-cp1252", "utf16", "garbled", utf16(cp1252_decode(enc(t, "utf-8"))), t)
        try:
            as932 = enc(t, "utf-8").decode("cp932")
            if as932.encode("cp932") == enc(t, "utf-8"):
                add("ja-utf16-utf8-as-cp932", "utf16", "garbled", utf16(as932), t)
        except UnicodeDecodeError:
            pass
    for t in WEST_ACCENT:
        try:
            b1252 = enc(t, "cp1252")
        except UnicodeEncodeError:
            b1252 = None
        add("west-utf16", "utf16", "genuine", utf16(t), t)
        add("west-utf8", "utf8", "genuine", enc(t, "utf-8"), t)
        if b1252 is not None:
            add("west-latin1", "latin1", "genuine", b1252, t)
            add("west-v1-cp1252", "v1", "garbled", b1252, t)
        add("west-v1-utf8", "v1", "garbled", enc(t, "utf-8"), t)
        add("west-latin1-utf8", "latin1", "garbled", enc(t, "utf-8"), t)
        add("west-utf16-utf8-as-cp1252", "utf16", "garbled", utf16(cp1252_decode(enc(t, "utf-8"))), t)
    for t in WEST_PLAIN:
        add("west-plain-utf16", "utf16", "genuine", utf16(t), t)
        add("west-plain-latin1", "latin1", "genuine", enc(t, "cp1252"), t)
    for t in ZH_S + ZH_T + KO:
        add("cjk-utf16", "utf16", "genuine", utf16(t), t)
    for t in ZH_S:
        add("zh-v1-gbk", "v1", "foreign", enc(t, "gbk"), t)
        add("zh-latin1-gbk", "latin1", "foreign", enc(t, "gbk"), t)
        add("zh-utf16-gbk-as-cp1252", "utf16", "foreign", utf16(cp1252_decode(enc(t, "gbk"))), t)
    for t in ZH_T:
        add("zh-v1-big5", "v1", "foreign", enc(t, "big5"), t)
        add("zh-latin1-big5", "latin1", "foreign", enc(t, "big5"), t)
    for t in KO:
        add("ko-v1-euckr", "v1", "foreign", enc(t, "euc-kr"), t)
        add("ko-latin1-euckr", "latin1", "foreign", enc(t, "euc-kr"), t)
    rnd = random.Random(13)
    rnd.shuffle(out)
    return out


def main():
    sys.stdout.write("# made by make_labelled.py; category, declared, expect, stored bytes (hex), text\n")
    for r in rows():
        sys.stdout.write("\t".join(r) + "\n")


if __name__ == "__main__":
    main()

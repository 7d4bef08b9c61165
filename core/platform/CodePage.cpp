#include "core/platform/CodePage.h"

#include <QStringDecoder>
#include <QMutex>
#include <QHash>

#include <QtEndian>
#include <QSysInfo>

#include <array>
#include <atomic>
#include <cstring>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <vector>

namespace vireo {
namespace {

QByteArray g_tagCodePage = QByteArrayLiteral("CP932");
QMutex g_tagCodePageMutex;
std::atomic<int> g_tagGeneration{0};

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool isAscii(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// A byte a lead byte takes as its trail. An undecodable lead byte with such a
// trail is skipped as one character, otherwise as one byte.
bool takesAsTrail(unsigned char t) { return t >= 0x40 && t != 0x7F && t <= 0xFC; }

// One pair of iconv descriptors for one code page; iconv_t is not shareable
// between threads, so each thread keeps its own.
struct Converter {
    QByteArray name;
    iconv_t decode = reinterpret_cast<iconv_t>(-1);
    iconv_t encode = reinterpret_cast<iconv_t>(-1);
    bool valid() const { return decode != reinterpret_cast<iconv_t>(-1) && encode != reinterpret_cast<iconv_t>(-1); }
    explicit Converter(const QByteArray &n) : name(n)
    {
        decode = iconv_open("UTF-16LE", n.constData());
        encode = iconv_open(n.constData(), "UTF-16LE");
    }
    ~Converter()
    {
        if (decode != reinterpret_cast<iconv_t>(-1)) iconv_close(decode);
        if (encode != reinterpret_cast<iconv_t>(-1)) iconv_close(encode);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;
};

Converter *converterFor(const QByteArray &name)
{
    thread_local QHash<QByteArray, std::shared_ptr<Converter>> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, std::make_shared<Converter>(name));
    return it.value()->valid() ? it.value().get() : nullptr;
}

char16_t decodeReplacement(const QByteArray &codePage)
{
    const QByteArray up = codePage.toUpper();
    return (up == "CP932" || up == "MS932" || up == "WINDOWS-31J" || up == "SHIFT_JIS" || up == "SJIS")
        ? u'\u30FB' : u'\uFFFD';
}

QString decodeIconv(Converter *c, QByteArrayView bytes, char16_t replacement)
{
    QString out;
    out.resize(bytes.size() + 1);
    char *in = const_cast<char *>(bytes.data());
    size_t inLeft = bytes.size();
    char *outp = reinterpret_cast<char *>(out.data());
    size_t outLeft = out.size() * 2;
    iconv(c->decode, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        size_t r = iconv(c->decode, &in, &inLeft, &outp, &outLeft);
        if (r != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            const qsizetype used = (outp - reinterpret_cast<char *>(out.data())) / 2;
            out.resize(out.size() * 2 + 8);
            outp = reinterpret_cast<char *>(out.data()) + used * 2;
            outLeft = (out.size() - used) * 2;
            continue;
        }
        // EILSEQ or EINVAL: a byte the code page cannot decode. A lead byte
        // followed by a valid trail is one character; otherwise one byte.
        if (outLeft < 2) {
            const qsizetype used = (outp - reinterpret_cast<char *>(out.data())) / 2;
            out.resize(out.size() + 16);
            outp = reinterpret_cast<char *>(out.data()) + used * 2;
            outLeft = (out.size() - used) * 2;
        }
        std::memcpy(outp, &replacement, 2);
        outp += 2;
        outLeft -= 2;
        const size_t skip = inLeft >= 2 && isTagLeadByte(static_cast<unsigned char>(*in))
                && takesAsTrail(static_cast<unsigned char>(in[1])) ? 2 : 1;
        in += skip;
        inLeft -= skip;
        iconv(c->decode, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize((outp - reinterpret_cast<char *>(out.data())) / 2);
    return out;
}

QByteArray encodeIconv(Converter *c, QStringView text)
{
    QByteArray out;
    out.resize(text.size() * 2 + 4);
    char *in = reinterpret_cast<char *>(const_cast<QChar *>(text.data()));
    size_t inLeft = text.size() * 2;
    char *outp = out.data();
    size_t outLeft = out.size();
    iconv(c->encode, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        size_t r = iconv(c->encode, &in, &inLeft, &outp, &outLeft);
        if (r != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG || outLeft < 2) {
            const qsizetype used = outp - out.data();
            out.resize(out.size() * 2 + 8);
            outp = out.data() + used;
            outLeft = out.size() - used;
            if (errno == E2BIG)
                continue;
        }
        // A character the code page cannot hold: its default character "?".
        // A surrogate pair is one character.
        *outp++ = '?';
        --outLeft;
        size_t skip = 2;
        if (inLeft >= 4) {
            char16_t u;
            std::memcpy(&u, in, 2);
            if (QChar::isHighSurrogate(u)) {
                char16_t v;
                std::memcpy(&v, in + 2, 2);
                if (QChar::isLowSurrogate(v))
                    skip = 4;
            }
        }
        if (skip > inLeft)
            skip = inLeft;
        in += skip;
        inLeft -= skip;
        iconv(c->encode, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(outp - out.data());
    return out;
}

} // namespace

bool setTagCodePage(const QByteArray &name)
{
    if (name.isEmpty() || !converterFor(name))
        return false;
    QMutexLocker lock(&g_tagCodePageMutex);
    g_tagCodePage = name;
    ++g_tagGeneration;
    return true;
}

QByteArray tagCodePage()
{
    QMutexLocker lock(&g_tagCodePageMutex);
    return g_tagCodePage;
}

static const QByteArray &currentTagCodePage()
{
    thread_local int generation = -1;
    thread_local QByteArray name;
    const int g = g_tagGeneration.load();
    if (g != generation) {
        name = tagCodePage();
        generation = g;
    }
    return name;
}

QString decodeWith(const QByteArray &codePage, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    if (isAscii(bytes))
        return QString::fromLatin1(bytes.data(), bytes.size());
    if (codePage.compare("UTF-8", Qt::CaseInsensitive) == 0)
        return QString::fromUtf8(bytes.data(), bytes.size());
    Converter *c = converterFor(codePage);
    if (!c)
        return QString::fromLatin1(bytes.data(), bytes.size());
    return decodeIconv(c, bytes, decodeReplacement(codePage));
}

QByteArray encodeWith(const QByteArray &codePage, QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    if (isAscii(text))
        return text.toLatin1();
    if (codePage.compare("UTF-8", Qt::CaseInsensitive) == 0)
        return text.toUtf8();
    Converter *c = converterFor(codePage);
    if (!c)
        return text.toLatin1();
    return encodeIconv(c, text);
}

namespace {

// The whole decoding of a double-byte code page, taken from iconv once: a
// character for every single byte and for every lead and trail pair, or
// kNone. Decoding a path or a tag with it is a table look-up per character
// instead of an iconv call per text, with the same results, replacements
// and skips as decodeIconv.
class DoubleByteTable {
public:
    static constexpr char16_t kNone = 0xFFFF;

    // Null when the code page has no lead bytes or does not decode one
    // character per byte or pair.
    static std::unique_ptr<DoubleByteTable> build(const QByteArray &codePage)
    {
        Converter *c = converterFor(codePage);
        if (!c)
            return nullptr;
        auto t = std::make_unique<DoubleByteTable>();
        bool anyLead = false;
        for (int b = 0; b < 256; ++b) {
            t->m_lead[b] = isTagLeadByte(uchar(b));
            anyLead = anyLead || t->m_lead[b];
        }
        if (!anyLead)
            return nullptr;
        t->m_replacement = decodeReplacement(codePage);
        t->m_single.fill(kNone);
        t->m_pair.assign(size_t(256) * 256, kNone);
        for (int b = 0; b < 256; ++b) {
            if (t->m_lead[b])
                continue;
            const char in = char(b);
            if (!decodeRun(c, &in, 1, 1, &t->m_single[size_t(b)]))
                return nullptr;
        }
        // Every pair of one lead byte in one run; a pair iconv refuses stays kNone.
        char run[512];
        for (int lead = 0; lead < 256; ++lead) {
            if (!t->m_lead[lead])
                continue;
            for (int trail = 0; trail < 256; ++trail) {
                run[2 * trail] = char(lead);
                run[2 * trail + 1] = char(trail);
            }
            if (!decodeRun(c, run, 512, 2, &t->m_pair[size_t(lead) * 256]))
                return nullptr;
        }
        return t;
    }

    QString decode(QByteArrayView bytes) const
    {
        const char16_t replacement = m_replacement;
        QString out(bytes.size(), Qt::Uninitialized);
        char16_t *d = reinterpret_cast<char16_t *>(out.data());
        const uchar *p = reinterpret_cast<const uchar *>(bytes.data());
        const uchar *end = p + bytes.size();
        qsizetype k = 0;
        while (p != end) {
            const uchar b = *p;
            if (b < 0x80 || !m_lead[b]) {
                const char16_t u = m_single[b];
                d[k++] = u == kNone ? replacement : u;
                ++p;
                continue;
            }
            if (end - p < 2) {
                d[k++] = replacement;
                ++p;
                continue;
            }
            const uchar t = p[1];
            const char16_t u = m_pair[size_t(b) * 256 + t];
            if (u != kNone) {
                d[k++] = u;
                p += 2;
            } else {
                d[k++] = replacement;
                p += takesAsTrail(t) ? 2 : 1;
            }
        }
        out.truncate(k);
        return out;
    }

private:
    // Decodes `count` units of `width` bytes each into out[i] (one UTF-16
    // unit per unit, kNone where iconv refuses one). False when a unit does
    // not give exactly one UTF-16 unit.
    static bool decodeRun(Converter *c, const char *bytes, size_t size, size_t width, char16_t *out)
    {
        size_t done = 0;
        while (done < size) {
            char *in = const_cast<char *>(bytes + done);
            size_t inLeft = size - done;
            char16_t buffer[256];
            char *outp = reinterpret_cast<char *>(buffer);
            size_t outLeft = sizeof buffer;
            iconv(c->decode, nullptr, nullptr, nullptr, nullptr);
            const size_t r = iconv(c->decode, &in, &inLeft, &outp, &outLeft);
            const size_t consumed = size_t(in - (bytes + done));
            const size_t produced = size_t(outp - reinterpret_cast<char *>(buffer)) / 2;
            if (consumed % width != 0 || consumed / width != produced)
                return false;
            std::memcpy(out + done / width, buffer, produced * 2);
            done += consumed;
            if (r == static_cast<size_t>(-1)) {
                if (errno == E2BIG)
                    return false;
                out[done / width] = kNone; // refused: skip this unit
                done += width;
            }
        }
        return true;
    }

    char16_t m_replacement = u'\uFFFD';
    std::array<bool, 256> m_lead{};
    std::array<char16_t, 256> m_single{};
    std::vector<char16_t> m_pair;
};

// The table of the current tag code page, built at its first use; null when
// the code page has none (iconv decodes it then).
const DoubleByteTable *currentDecodeTable()
{
    static QMutex mutex;
    static QHash<QByteArray, std::shared_ptr<const DoubleByteTable>> tables;
    thread_local int generation = -1;
    thread_local std::shared_ptr<const DoubleByteTable> current;
    const int g = g_tagGeneration.load();
    if (g != generation) {
        const QByteArray name = currentTagCodePage();
        QMutexLocker lock(&mutex);
        auto it = tables.find(name);
        if (it == tables.end())
            it = tables.insert(name, DoubleByteTable::build(name));
        current = it.value();
        generation = g;
    }
    return current.get();
}

} // namespace

QString fromTagCodePage(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    if (isAscii(bytes))
        return QString::fromLatin1(bytes.data(), bytes.size());
    if (const DoubleByteTable *table = currentDecodeTable())
        return table->decode(bytes);
    return decodeWith(currentTagCodePage(), bytes);
}
QByteArray toTagCodePage(QStringView text) { return encodeWith(currentTagCodePage(), text); }
QString throughTagCodePage(QStringView text)
{
    if (isAscii(text))
        return text.toString();
    return fromTagCodePage(toTagCodePage(text));
}

bool isTagLeadByte(unsigned char b)
{
    const QByteArray &cp = currentTagCodePage();
    const QByteArray up = cp.toUpper();
    if (up == "CP932" || up == "MS932" || up == "WINDOWS-31J" || up == "SHIFT_JIS" || up == "SJIS"
        || up == "SHIFT-JIS")
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    if (up == "CP936" || up == "GBK" || up == "CP949" || up == "CP950" || up == "BIG5")
        return b >= 0x81 && b <= 0xFE;
    return false;
}

QString fromSystemCodePage(QByteArrayView bytes) { return QString::fromUtf8(bytes.data(), bytes.size()); }
QByteArray toSystemCodePage(QStringView text) { return text.toUtf8(); }

QString decodeUnmarked(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes.data(), bytes.size());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = utf8.decode(bytes);
    if (!utf8.hasError())
        return s;
    return fromTagCodePage(bytes);
}

QString decodeTextFile(QByteArrayView b)
{
    auto u = [&](qsizetype i) { return static_cast<unsigned char>(b[i]); };
    if (b.size() >= 2 && u(0) == 0xFF && u(1) == 0xFE) {
        const qsizetype n = (b.size() - 2) / 2;
        QString s(n, Qt::Uninitialized);
        std::memcpy(s.data(), b.data() + 2, n * 2);
        if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian)
            for (auto &c : s) c = QChar(qbswap(c.unicode()));
        return s;
    }
    if (b.size() >= 2 && u(0) == 0xFE && u(1) == 0xFF) {
        const qsizetype n = (b.size() - 2) / 2;
        QString s(n, Qt::Uninitialized);
        for (qsizetype i = 0; i < n; ++i)
            s[i] = QChar(char16_t((u(2 + 2 * i) << 8) | u(3 + 2 * i)));
        return s;
    }
    if (b.size() >= 3 && u(0) == 0xEF && u(1) == 0xBB && u(2) == 0xBF)
        return QString::fromUtf8(b.data() + 3, b.size() - 3);
    return decodeUnmarked(b);
}

} // namespace vireo

#include "core/library/TagCache.h"

#include "core/library/CacheText.h"
#include "core/library/EventLog.h"
#include "core/library/LibraryFiles.h"
#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"
#include "core/platform/FileWriter.h"
#include "core/platform/Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSysInfo>
#include <QtEndian>

#include <cstring>
#include <optional>
#include <type_traits>

namespace vireo::tagcache {
namespace {

using cachetext::appendField;

const QString kVersion = QString::fromLatin1(VersionField);

// Decimal digits, blanks around them allowed; nothing else. One parser for
// the byte rows of the ID3v1 cache and the text rows of the ID3v2 cache.
template <typename View> std::optional<int> parseNumber(View text, int max)
{
    qsizetype i = 0, n = text.size();
    auto c = [&](qsizetype k) {
        if constexpr (std::is_same_v<View, QStringView>)
            return unsigned(text[k].unicode());
        else
            return unsigned(static_cast<unsigned char>(text[k]));
    };
    while (i < n && c(i) == ' ')
        ++i;
    while (n > i && c(n - 1) == ' ')
        --n;
    if (i == n)
        return std::nullopt;
    long v = 0;
    for (; i < n; ++i) {
        const unsigned d = c(i);
        if (d < '0' || d > '9')
            return std::nullopt;
        v = v * 10 + long(d - '0');
        if (v > max)
            return std::nullopt;
    }
    return int(v);
}

// A damaged row can be megabytes long: the log quotes its start only.
constexpr qsizetype kQuotedRowLength = 300;
QString quoteRow(QStringView row)
{
    if (row.size() <= kQuotedRowLength)
        return row.toString();
    return row.first(kQuotedRowLength).toString() + QStringLiteral("…（全%1文字）").arg(row.size());
}
QString quoteRow(QByteArrayView row)
{
    if (row.size() <= kQuotedRowLength)
        return fromTagCodePage(row);
    return fromTagCodePage(row.first(kQuotedRowLength)) + QStringLiteral("…（全%1バイト）").arg(row.size());
}

// A path that is not clean UTF-16 (a lone surrogate, a replacement
// character) names no file that a search could find.
bool isCleanPath(QStringView path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path[i].unicode();
        if (c == 0xFFFD || QChar::isLowSurrogate(c))
            return false;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= path.size() || !QChar::isLowSurrogate(path[i + 1].unicode()))
                return false;
            ++i;
        }
    }
    return true;
}

QString joinedForLog(const QList<QByteArray> &fields)
{
    return fromTagCodePage(cachetext::joinFields(fields));
}

// A track whose path does not come back from the tag code page unchanged
// cannot be found again through an ID3v1 row.
bool pathSurvivesTagCodePage(const QString &path, QByteArray *encoded)
{
    *encoded = toTagCodePage(path);
    for (QChar c : path)
        if (c.unicode() >= 0x80)
            return fromTagCodePage(*encoded) == path;
    return true;
}

void logUnwritablePath(const QString &path)
{
    WriteLog(QStringLiteral("パスがタグの文字コードで表せないためキャッシュに保存しません：") + path);
}

QString badDateMessage(int32_t date)
{
    return QStringLiteral("ファイル日付が日時ではありません：") + QString::number(date);
}

} // namespace

QString UnicodePathsFile(const QString &v1CacheFile)
{
    return changeFileExt(v1CacheFile, u".3du");
}

QString V2VersionMessage()
{
    return QStringLiteral("ID3v2のキャッシュファイルのバージョンが異なります。\nキャッシュの再作成を実施願います");
}

QString VersionLineProblem(QStringView firstField)
{
    const QString found = quoteRow(firstField.first(qMin<qsizetype>(firstField.size(), 60)));
    if (firstField.startsWith(u"vireoCacheVersion", Qt::CaseInsensitive))
        return QStringLiteral("キャッシュのバージョンが異なります（「%1」、読めるのは「%2」）").arg(found, kVersion);
    return QStringLiteral("1行目がバージョン行（「%1」）ではありません").arg(kVersion);
}

QString V1CacheIgnoredMessage(const QString &file, const QString &problem)
{
    return QStringLiteral("%1: %2。このID3v1キャッシュは使わず、曲はファイルから読み直します").arg(file, problem);
}

void LoadV1Cache(TID3List &tracks, QByteArrayView bytes, const std::function<void(const QString &)> &problem,
                 PathText pathText)
{
    cachetext::ByteRows rows(bytes);
    QList<QByteArrayView> f;
    QByteArrayView line;
    if (!rows.next(f, line))
        return;
    if (f.isEmpty() || f[0] != QByteArrayView(VersionField)) {
        if (problem)
            problem(VersionLineProblem(f.isEmpty() ? QString() : fromTagCodePage(f[0])));
        return;
    }
    while (rows.next(f, line)) {
        if (f.size() < 7) {
            WriteLog(QStringLiteral("ID3v1キャッシュ読み込みでエラー発生"));
            WriteLog(QStringLiteral("エラー行：") + quoteRow(line));
            WriteLog(QStringLiteral("エラー項目：") + QString::number(f.size()));
            continue;
        }
        const std::optional<int32_t> date = cachetext::parseDosDate(f[1]);
        const std::optional<int> genre = f.size() > 7 ? parseNumber(f[7], 255) : std::optional<int>(255);
        const std::optional<int> track = f.size() > 8 && !f[8].isEmpty() ? parseNumber(f[8], 255) : std::optional<int>(0);
        if (!date || !genre || !track) {
            WriteLog(QStringLiteral("ID3v1キャッシュの行を読めません：")
                     + (!date ? QStringLiteral("日付") : QStringLiteral("数値")));
            QList<QByteArray> owned;
            for (QByteArrayView v : f)
                owned.append(v.first(qMin<qsizetype>(v.size(), kQuotedRowLength + 1)).toByteArray());
            const QString joined = joinedForLog(owned);
            WriteLog(line.size() <= kQuotedRowLength ? joined
                     : joined.left(kQuotedRowLength) + QStringLiteral("…（全%1バイト）").arg(line.size()));
            continue;
        }
        TID3v1Record r;
        r.Artist = f[2];
        r.Title = f[3];
        r.Album = f[4];
        r.Comment = f[5];
        r.Year = f[6];
        r.Genre = uint8_t(*genre);
        r.Track = uint8_t(*track);
        const QString path = pathText == PathText::Utf8 ? QString::fromUtf8(f[0]) : fromTagCodePage(f[0]);
        if (pathText == PathText::Utf8 && !isCleanPath(path)) {
            WriteLog(QStringLiteral("ID3v1キャッシュの行のパスが文字として正しくないため読み飛ばします：") + quoteRow(path));
            continue;
        }
        if (TID3ListItem *t = tracks.Find(path)) {
            t->SetV1(r);
        } else {
            auto n = std::make_unique<TID3ListItem>(path, *date);
            n->SetV1(r);
            tracks.Add(std::move(n));
        }
    }
}

namespace {
// Artists, albums, years and genres repeat across thousands of rows: the
// records share one copy of each value instead of one per row.
class SharedValues {
public:
    QString operator()(QStringView v)
    {
        if (v.isEmpty())
            return QString();
        if (const auto it = m_values.constFind(v); it != m_values.cend())
            return *it;
        QString owned = v.toString();
        m_values.insert(QStringView(owned), owned); // the key views the value's own characters
        return owned;
    }

private:
    QHash<QStringView, QString> m_values;
};
} // namespace

void LoadV2Cache(TID3List &tracks, QByteArrayView bytes, const std::function<void(const QString &)> &message)
{
    // UTF-16LE with its mark is read in place on a little-endian machine.
    QString decoded;
    QStringView text;
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian && bytes.size() >= 2 && uchar(bytes[0]) == 0xFF
        && uchar(bytes[1]) == 0xFE && (reinterpret_cast<quintptr>(bytes.data()) & 1) == 0) {
        text = QStringView(reinterpret_cast<const char16_t *>(bytes.data() + 2), (bytes.size() - 2) / 2);
    } else {
        decoded = decodeTextFile(bytes);
        text = decoded;
    }
    cachetext::TextRows rows(text, true);
    QList<QStringView> f;
    QStringView line;
    if (!rows.next(f, line))
        return;
    if (f.isEmpty() || f[0] != kVersion) {
        WriteLog(QStringLiteral("ID3v2キャッシュ：") + VersionLineProblem(f.isEmpty() ? QStringView() : f[0]));
        if (message)
            message(V2VersionMessage());
        return;
    }
    SharedValues shared;
    while (rows.next(f, line)) {
        if (f.size() < 15) {
            WriteLog(QStringLiteral("ID3v2キャッシュ読み込みでエラー発生"));
            WriteLog(QStringLiteral("エラー行：") + quoteRow(line));
            WriteLog(QStringLiteral("エラー項目：") + QString::number(f.size()));
            continue;
        }
        const std::optional<int32_t> date = cachetext::parseDosDate(f[1]);
        const std::optional<int> trackNo = f[8].isEmpty() ? std::optional<int>(0) : parseNumber(f[8], 65535);
        const std::optional<int> major = f[14].size() >= 7 ? parseNumber(f[14].mid(6, 1), 9) : std::nullopt;
        const std::optional<int> enc = f.size() > 15 ? parseNumber(f[15], 65535) : std::optional<int>(0);
        if (!date || !trackNo || !major || !enc) {
            WriteLog(QStringLiteral("ID3v2キャッシュの行を読めません：")
                     + (!date ? QStringLiteral("日付") : QStringLiteral("数値")));
            QStringList owned;
            for (QStringView v : f)
                owned.append(v.first(qMin<qsizetype>(v.size(), kQuotedRowLength + 1)).toString());
            const QString joined = cachetext::joinFields(owned);
            WriteLog(line.size() <= kQuotedRowLength ? joined
                     : joined.left(kQuotedRowLength) + QStringLiteral("…（全%1文字）").arg(line.size()));
            continue;
        }
        if (!isCleanPath(f[0])) {
            WriteLog(QStringLiteral("ID3v2キャッシュの行のパスが文字として正しくないため読み飛ばします：")
                     + quoteRow(f[0]));
            continue;
        }
        TID3v2Record r;
        r.Artist = shared(f[2]);
        r.Title = f[3].toString();
        r.Album = shared(f[4]);
        r.Comment = f[5].toString();
        r.Year = shared(f[6]);
        r.Genre = shared(f[7]);
        r.TrackNumber = uint16_t(*trackNo);
        r.EncodedBy = shared(f[9]);
        r.Copyright = shared(f[10]);
        r.OriginalArtist = shared(f[11]);
        r.Url = f[12].toString();
        r.Composer = shared(f[13]);
        r.MajorVersion = uint16_t(*major);
        r.TextEncoding = uint16_t(*enc);
        const QString path = f[0].toString();
        if (TID3ListItem *t = tracks.Find(path)) {
            t->V2 = std::move(r);
            t->HasV2 = true;
        } else {
            auto n = std::make_unique<TID3ListItem>(path, *date);
            n->V2 = std::move(r);
            n->HasV2 = true;
            tracks.Add(std::move(n));
        }
    }
}

void ReadV1Cache(TID3List &tracks, const QString &file, const std::function<void(const QString &)> &notice)
{
    if (!QFileInfo::exists(file))
        return;
    WriteLog(QStringLiteral("キャッシュファイル(ID3v1)の読み込み処理開始"));
    auto readOne = [&](const QString &name, PathText pathText) {
        QByteArray bytes;
        if (Result r = readSmallFile(name, bytes); !r) {
            WriteLog(r.message());
            return;
        }
        LoadV1Cache(tracks, bytes, [&](const QString &problem) {
            const QString text = V1CacheIgnoredMessage(name, problem);
            WriteLog(text);
            if (notice)
                notice(text);
        }, pathText);
    };
    readOne(file, PathText::TagCodePage);
    // Rows whose paths the tag code page cannot hold, kept beside the cache.
    if (const QString companion = UnicodePathsFile(file); QFileInfo::exists(companion))
        readOne(companion, PathText::Utf8);
    WriteLog(QStringLiteral("キャッシュファイル(ID3v1)の読み込み処理終了"));
}

void ReadV2Cache(TID3List &tracks, const QString &file, const std::function<void(const QString &)> &message)
{
    if (!QFileInfo::exists(file))
        return;
    WriteLog(QStringLiteral("キャッシュファイル(ID3v2)の読み込み処理開始"));
    QByteArray bytes;
    if (Result r = readSmallFile(file, bytes); !r)
        WriteLog(r.message());
    else
        LoadV2Cache(tracks, bytes, message);
    WriteLog(QStringLiteral("キャッシュファイル(ID3v2)の読み込み処理終了"));
}

namespace {

void appendNumber(QByteArray &out, unsigned n)
{
    char buf[12];
    int i = sizeof buf;
    do {
        buf[--i] = char('0' + n % 10);
        n /= 10;
    } while (n);
    out.append(buf + i, sizeof buf - i);
}

// ASCII bytes as UTF-16LE.
void appendLatin1LE(QByteArray &out, const char *p, qsizetype n)
{
    const qsizetype at = out.size();
    out.resize(at + n * 2);
    char *d = out.data() + at;
    for (qsizetype i = 0; i < n; ++i) {
        d[2 * i] = p[i];
        d[2 * i + 1] = 0;
    }
}

void appendNumberLE(QByteArray &out, unsigned n)
{
    QByteArray digits;
    appendNumber(digits, n);
    appendLatin1LE(out, digits.constData(), digits.size());
}

bool isAsciiText(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

QByteArray RenderV1Cache(const TID3List &tracks, QByteArray *unicodeRows)
{
    QByteArray out;
    out.reserve(64 + tracks.Count() * 200);
    out.append(VersionField);
    out.append(",0\r\n");
    if (unicodeRows) {
        unicodeRows->clear();
        unicodeRows->append(VersionField);
        unicodeRows->append(",0\r\n");
    }
    QByteArray path;
    char date[20];
    for (qsizetype i = 0, n = tracks.Count(); i < n; ++i) {
        const TID3ListItem *t = tracks.At(i);
        if (!t->HasV1)
            continue;
        QByteArray *target = &out;
        if (isAsciiText(t->FileName)) {
            const QString &name = t->FileName;
            path.resize(name.size());
            for (qsizetype k = 0; k < name.size(); ++k)
                path[k] = char(name[k].unicode());
        } else if (!pathSurvivesTagCodePage(t->FileName, &path)) {
            if (!unicodeRows) {
                logUnwritablePath(t->FileName);
                continue;
            }
            path = t->FileName.toUtf8();
            target = unicodeRows;
        }
        if (!cachetext::formatDosDate(t->FileDate, date)) {
            WriteLog(QStringLiteral("ID3v1キャッシュ書き込みでエラー発生：") + badDateMessage(t->FileDate));
            WriteLog(t->FileName);
            continue;
        }
        QByteArray &row = *target;
        appendField(row, path);
        row.append(",\"", 2);
        row.append(date, 19);
        row.append('"');
        const TID3v1Record &v = t->V1;
        for (QByteArrayView f : {QByteArrayView(v.Artist.raw().data(), v.Artist.length()),
                                 QByteArrayView(v.Title.raw().data(), v.Title.length()),
                                 QByteArrayView(v.Album.raw().data(), v.Album.length()),
                                 QByteArrayView(v.Comment.raw().data(), v.Comment.length()),
                                 QByteArrayView(v.Year.raw().data(), v.Year.length())}) {
            row.append(',');
            appendField(row, f);
        }
        row.append(',');
        appendNumber(row, v.Genre);
        row.append(',');
        appendNumber(row, v.Track);
        row.append(t->HasV2 ? ",2\r\n" : ",1\r\n");
    }
    return out;
}

QByteArray RenderV2Cache(const TID3List &tracks, bool unicodeRowsKept)
{
    using cachetext::appendFieldUtf16LE;
    using cachetext::appendUtf16LE;
    QByteArray out;
    out.reserve(64 + tracks.Count() * 300);
    out.append("\xFF\xFE", 2);
    appendUtf16LE(out, kVersion);
    appendUtf16LE(out, u",0\r\n");
    QByteArray encoded;
    char date[20];
    for (qsizetype i = 0, n = tracks.Count(); i < n; ++i) {
        const TID3ListItem *t = tracks.At(i);
        if (!t->HasV2)
            continue;
        if (!unicodeRowsKept && t->HasV1 && !isAsciiText(t->FileName)
            && !pathSurvivesTagCodePage(t->FileName, &encoded)) {
            // Its ID3v1 row cannot be written, and a row here alone would
            // bring the track back without its ID3v1 values.
            logUnwritablePath(t->FileName);
            continue;
        }
        if (!cachetext::formatDosDate(t->FileDate, date)) {
            QString gathered;
            appendField(gathered, t->FileName);
            WriteLog(QStringLiteral("ID3v2キャッシュ書き込みでエラー発生：") + badDateMessage(t->FileDate));
            WriteLog(t->FileName);
            WriteLog(gathered);
            continue;
        }
        const TID3v2Record &v = t->V2;
        appendFieldUtf16LE(out, t->FileName);
        appendLatin1LE(out, ",\"", 2);
        appendLatin1LE(out, date, 19);
        appendLatin1LE(out, "\"", 1);
        for (const QString *f : {&v.Artist, &v.Title, &v.Album, &v.Comment, &v.Year, &v.Genre}) {
            appendLatin1LE(out, ",", 1);
            appendFieldUtf16LE(out, *f);
        }
        appendLatin1LE(out, ",", 1);
        appendNumberLE(out, v.TrackNumber);
        for (const QString *f : {&v.EncodedBy, &v.Copyright, &v.OriginalArtist, &v.Url, &v.Composer}) {
            appendLatin1LE(out, ",", 1);
            appendFieldUtf16LE(out, *f);
        }
        appendLatin1LE(out, ",ID3v2.", 7);
        appendNumberLE(out, v.MajorVersion);
        appendLatin1LE(out, ",", 1);
        appendNumberLE(out, v.TextEncoding);
        appendLatin1LE(out, "\r\n", 2);
    }
    return out;
}

namespace {

// A cache that would come out byte for byte as it is on disk is left alone:
// no rewrite, no flush to the disk.
Result writeIfChanged(const QString &file, const QByteArray &bytes)
{
    QFile old(file);
    if (old.open(QIODevice::ReadOnly) && old.size() == bytes.size()) {
        // Compared piece by piece: the old file is never held whole.
        QByteArray chunk;
        qsizetype at = 0;
        bool same = true;
        while (same && at < bytes.size()) {
            chunk = old.read(1 << 20);
            if (chunk.isEmpty() || at + chunk.size() > bytes.size() || std::memcmp(chunk.constData(), bytes.constData() + at, size_t(chunk.size())) != 0)
                same = false;
            at += chunk.size();
        }
        if (same)
            return Result::success();
    }
    return writeFileAtomically(file, bytes);
}

} // namespace

Result WriteV1Cache(const TID3List &tracks, const QString &file)
{
    QByteArray unicodeRows;
    if (Result r = writeIfChanged(file, RenderV1Cache(tracks, &unicodeRows)); !r)
        return r;
    // The companion file is made when a path first needs it and kept
    // current from then on.
    const QString companion = UnicodePathsFile(file);
    const bool needed = unicodeRows.size() > qsizetype(sizeof VersionField) + 2;
    if (!needed && !QFileInfo::exists(companion))
        return Result::success();
    return writeIfChanged(companion, unicodeRows);
}

Result WriteV2Cache(const TID3List &tracks, const QString &file)
{
    WriteLog(QStringLiteral("キャッシュファイル(ID3v2)の書き込み処理開始"));
    Result r = writeIfChanged(file, RenderV2Cache(tracks, true));
    if (!r)
        WriteLog(r.message());
    WriteLog(QStringLiteral("キャッシュファイル(ID3v2)の書き込み処理終了"));
    return r;
}

} // namespace vireo::tagcache

#include "TagCache.h"

#include "library/CacheText.h"
#include "library/EventLog.h"
#include "library/LibraryFiles.h"
#include "platform/CodePage.h"
#include "platform/FileAccess.h"

#include <QFileInfo>
#include <QtEndian>

#include <optional>

namespace vireo::tagcache {
namespace {

using cachetext::appendField;

const QString kVersion = QString::fromLatin1(VersionField);

std::optional<int> parseNumber(QByteArrayView text, int max)
{
    // Decimal digits, blanks around them allowed; nothing else.
    qsizetype i = 0, n = text.size();
    auto c = [&](qsizetype k) { return unsigned(static_cast<unsigned char>(text[k])); };
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

std::optional<int> number(const QByteArray &f, int max)
{
    return parseNumber(QByteArrayView(f), max);
}

std::optional<int> number(const QString &f, int max)
{
    QByteArray latin;
    for (QChar ch : f) {
        if (ch.unicode() > 127)
            return std::nullopt;
        latin.append(char(ch.unicode()));
    }
    return parseNumber(QByteArrayView(latin), max);
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

QString V2VersionMessage()
{
    return QStringLiteral("ID3v2のキャッシュファイルのバージョンが異なります。\nキャッシュの再作成を実施願います");
}

void LoadV1Cache(TID3List &tracks, QByteArrayView bytes)
{
    cachetext::ByteRows rows(bytes);
    QList<QByteArray> f;
    QByteArrayView line;
    if (!rows.next(f, line))
        return;
    if (f.isEmpty() || f[0] != QByteArrayView(VersionField))
        return;
    while (rows.next(f, line)) {
        if (f.size() < 7) {
            WriteLog(QStringLiteral("ID3v1キャッシュ読み込みでエラー発生"));
            WriteLog(QStringLiteral("エラー行：") + fromTagCodePage(line));
            WriteLog(QStringLiteral("エラー項目：") + QString::number(f.size()));
            continue;
        }
        const std::optional<int32_t> date = cachetext::parseDosDate(QByteArrayView(f[1]));
        const std::optional<int> genre = f.size() > 7 ? number(f[7], 255) : std::optional<int>(255);
        const std::optional<int> track = f.size() > 8 && !f[8].isEmpty() ? number(f[8], 255) : std::optional<int>(0);
        if (!date || !genre || !track) {
            WriteLog(QStringLiteral("ID3v1キャッシュの行を読めません：")
                     + (!date ? QStringLiteral("日付") : QStringLiteral("数値")));
            WriteLog(joinedForLog(f));
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
        const QString path = fromTagCodePage(f[0]);
        if (TID3ListItem *t = tracks.Find(path)) {
            t->SetV1(r);
        } else {
            auto n = std::make_unique<TID3ListItem>(path, *date);
            n->SetV1(r);
            tracks.Add(std::move(n));
        }
    }
}

void LoadV2Cache(TID3List &tracks, QByteArrayView bytes, const std::function<void(const QString &)> &message)
{
    const QString text = decodeTextFile(bytes);
    cachetext::TextRows rows(text, true);
    QStringList f;
    QStringView line;
    if (!rows.next(f, line))
        return;
    if (f.isEmpty() || f[0] != kVersion) {
        if (message)
            message(V2VersionMessage());
        return;
    }
    while (rows.next(f, line)) {
        if (f.size() < 15) {
            WriteLog(QStringLiteral("ID3v2キャッシュ読み込みでエラー発生"));
            WriteLog(QStringLiteral("エラー行：") + line.toString());
            WriteLog(QStringLiteral("エラー項目：") + QString::number(f.size()));
            continue;
        }
        const std::optional<int32_t> date = cachetext::parseDosDate(QStringView(f[1]));
        const std::optional<int> trackNo = f[8].isEmpty() ? std::optional<int>(0) : number(f[8], 65535);
        const std::optional<int> major = f[14].size() >= 7 ? number(f[14].mid(6, 1), 9) : std::nullopt;
        const std::optional<int> enc = f.size() > 15 ? number(f[15], 65535) : std::optional<int>(0);
        if (!date || !trackNo || !major || !enc) {
            WriteLog(QStringLiteral("ID3v2キャッシュの行を読めません：")
                     + (!date ? QStringLiteral("日付") : QStringLiteral("数値")));
            WriteLog(cachetext::joinFields(f));
            continue;
        }
        TID3v2Record r;
        r.Artist = f[2];
        r.Title = f[3];
        r.Album = f[4];
        r.Comment = f[5];
        r.Year = f[6];
        r.Genre = f[7];
        r.TrackNumber = uint16_t(*trackNo);
        r.EncodedBy = f[9];
        r.Copyright = f[10];
        r.OriginalArtist = f[11];
        r.Url = f[12];
        r.Composer = f[13];
        r.MajorVersion = uint16_t(*major);
        r.TextEncoding = uint16_t(*enc);
        if (TID3ListItem *t = tracks.Find(f[0])) {
            t->SetV2(r);
        } else {
            auto n = std::make_unique<TID3ListItem>(f[0], *date);
            n->SetV2(r);
            tracks.Add(std::move(n));
        }
    }
}

void ReadV1Cache(TID3List &tracks, const QString &file)
{
    if (!QFileInfo::exists(file))
        return;
    WriteLog(QStringLiteral("キャッシュファイル(ID3v1)の読み込み処理開始"));
    QByteArray bytes;
    if (Result r = readSmallFile(file, bytes); !r)
        WriteLog(r.message());
    else
        LoadV1Cache(tracks, bytes);
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

QByteArray RenderV1Cache(const TID3List &tracks)
{
    QByteArray out;
    out.reserve(64 + tracks.Count() * 200);
    out.append(VersionField);
    out.append(",0\r\n");
    QByteArray path;
    for (qsizetype i = 0, n = tracks.Count(); i < n; ++i) {
        const TID3ListItem *t = tracks.At(i);
        if (!t->HasV1)
            continue;
        if (!pathSurvivesTagCodePage(t->FileName, &path)) {
            logUnwritablePath(t->FileName);
            continue;
        }
        const std::optional<QString> date = cachetext::formatDosDate(t->FileDate);
        if (!date) {
            WriteLog(QStringLiteral("ID3v1キャッシュ書き込みでエラー発生：") + badDateMessage(t->FileDate));
            WriteLog(t->FileName);
            continue;
        }
        appendField(out, path);
        out.append(',');
        appendField(out, date->toLatin1());
        const TID3v1Record &v = t->V1;
        for (QByteArrayView f : {QByteArrayView(v.Artist.raw().data(), v.Artist.length()),
                                 QByteArrayView(v.Title.raw().data(), v.Title.length()),
                                 QByteArrayView(v.Album.raw().data(), v.Album.length()),
                                 QByteArrayView(v.Comment.raw().data(), v.Comment.length()),
                                 QByteArrayView(v.Year.raw().data(), v.Year.length())}) {
            out.append(',');
            appendField(out, f);
        }
        out.append(',');
        out.append(QByteArray::number(v.Genre));
        out.append(',');
        out.append(QByteArray::number(v.Track));
        out.append(t->HasV2 ? ",2\r\n" : ",1\r\n");
    }
    return out;
}

QByteArray RenderV2Cache(const TID3List &tracks)
{
    QString text;
    text.reserve(64 + tracks.Count() * 160);
    text.append(kVersion);
    text.append(QStringLiteral(",0\r\n"));
    QByteArray encoded;
    for (qsizetype i = 0, n = tracks.Count(); i < n; ++i) {
        const TID3ListItem *t = tracks.At(i);
        if (!t->HasV2)
            continue;
        if (t->HasV1 && !pathSurvivesTagCodePage(t->FileName, &encoded)) {
            // Its ID3v1 row cannot be written, and a row here alone would
            // bring the track back without its ID3v1 values.
            logUnwritablePath(t->FileName);
            continue;
        }
        const std::optional<QString> date = cachetext::formatDosDate(t->FileDate);
        if (!date) {
            QString gathered;
            appendField(gathered, t->FileName);
            WriteLog(QStringLiteral("ID3v2キャッシュ書き込みでエラー発生：") + badDateMessage(t->FileDate));
            WriteLog(t->FileName);
            WriteLog(gathered);
            continue;
        }
        const TID3v2Record &v = t->V2;
        appendField(text, t->FileName);
        text.append(u',');
        appendField(text, *date);
        for (const QString *f : {&v.Artist, &v.Title, &v.Album, &v.Comment, &v.Year, &v.Genre}) {
            text.append(u',');
            appendField(text, *f);
        }
        text.append(u',');
        text.append(QString::number(v.TrackNumber));
        for (const QString *f : {&v.EncodedBy, &v.Copyright, &v.OriginalArtist, &v.Url, &v.Composer}) {
            text.append(u',');
            appendField(text, *f);
        }
        text.append(u',');
        text.append(t->TagVersionLabel());
        text.append(u',');
        text.append(QString::number(v.TextEncoding));
        text.append(QStringLiteral("\r\n"));
    }
    QByteArray out;
    out.resize(2 + text.size() * 2);
    out[0] = char(0xFF);
    out[1] = char(0xFE);
    qToLittleEndian<char16_t>(text.utf16(), text.size(), out.data() + 2);
    return out;
}

Result WriteV1Cache(const TID3List &tracks, const QString &file)
{
    return writeFileAtomically(file, RenderV1Cache(tracks));
}

Result WriteV2Cache(const TID3List &tracks, const QString &file)
{
    WriteLog(QStringLiteral("キャッシュファイル(ID3v2)の書き込み処理開始"));
    Result r = writeFileAtomically(file, RenderV2Cache(tracks));
    if (!r)
        WriteLog(r.message());
    WriteLog(QStringLiteral("キャッシュファイル(ID3v2)の書き込み処理終了"));
    return r;
}

} // namespace vireo::tagcache

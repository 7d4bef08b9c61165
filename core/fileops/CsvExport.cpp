#include "core/fileops/CsvExport.h"

#include "core/formats/GenreTable.h"
#include "core/library/LibraryStore.h"
#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"
#include "core/platform/FileWriter.h"

namespace vireo {
namespace {

void appendValue(QByteArray &line, const QByteArray &value, bool first = false)
{
    if (!first)
        line.append(',');
    line.append('"');
    line.append(value);
    line.append('"');
}

// ID3v1 bytes are in the tag code page; the file is in the system code page.
QByteArray v1Text(QByteArrayView bytes) { return toSystemCodePage(fromTagCodePage(bytes)); }

} // namespace

QByteArray RenderCsv(const TID3TagUseful &store)
{
    QByteArray out;
    out.reserve(64 + store.TrackCount() * 160);
    const char *const header[] = {"ファイル名", "トラックNO", "タイトル", "アーティスト名",
                                  "アルバム名", "年", "ジャンル", "コメント"};
    bool first = true;
    for (const char *h : header) {
        appendValue(out, toSystemCodePage(QString::fromUtf8(h)), first);
        first = false;
    }
    out.append("\r\n");
    for (qsizetype i = 0, n = store.TrackCount(); i < n; ++i) {
        const TID3ListItem *t = store.TrackAt(i);
        const TID3v1Record &v = t->V1;
        const bool has = t->HasV1;
        appendValue(out, toSystemCodePage(t->FileName), true);
        appendValue(out, QByteArray::number(has ? v.Track : 0));
        appendValue(out, has ? v1Text(v.Title.bytes()) : QByteArray());
        appendValue(out, has ? v1Text(v.Artist.bytes()) : QByteArray());
        appendValue(out, has ? v1Text(v.Album.bytes()) : QByteArray());
        appendValue(out, has ? v1Text(v.Year.bytes()) : QByteArray());
        appendValue(out, has ? toSystemCodePage(GenreName(v.Genre)) : QByteArray());
        appendValue(out, has ? v1Text(v.Comment.bytes()) : QByteArray());
        out.append("\r\n");
    }
    return out;
}

Result ExportCsv(const TID3TagUseful &store, const QString &file)
{
    return writeFileAtomically(file, RenderCsv(store));
}

} // namespace vireo

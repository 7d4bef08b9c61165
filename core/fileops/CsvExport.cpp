#include "fileops/CsvExport.h"

#include "formats/GenreTable.h"
#include "library/TrackRecord.h"
#include "platform/CodePage.h"
#include "platform/FileAccess.h"

#include <QStringList>

namespace vireo {

namespace {

void appendLine(QByteArray &out, const QStringList &values)
{
    QString line;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i)
            line += u',';
        line += u'"' + values[i] + u'"';
    }
    out += toSystemCodePage(line);
    out += "\r\n";
}

} // namespace

QByteArray RenderCsv(const std::vector<const TID3ListItem *> &tracks)
{
    QByteArray out;
    appendLine(out, {QStringLiteral("ファイル名"), QStringLiteral("トラックNO"), QStringLiteral("タイトル"),
                     QStringLiteral("アーティスト名"), QStringLiteral("アルバム名"), QStringLiteral("年"),
                     QStringLiteral("ジャンル"), QStringLiteral("コメント")});
    for (const TID3ListItem *t : tracks) {
        if (!t)
            continue;
        // Only the ID3v1 copy counts; a track without one keeps the empty record.
        const TID3v1Record v1 = t->HasV1 ? t->V1 : TID3v1Record();
        appendLine(out, {t->FileName, QString::number(v1.Track), v1.Title.text(), v1.Artist.text(),
                         v1.Album.text(), v1.Year.text(), GenreName(v1.Genre), v1.Comment.text()});
    }
    return out;
}

Result ExportCsv(const QString &path, const std::vector<const TID3ListItem *> &tracks)
{
    return writeFileAtomically(path, RenderCsv(tracks));
}

} // namespace vireo

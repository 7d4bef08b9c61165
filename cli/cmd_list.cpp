// vireo-cli list [--json] [--v2|--v1]: every track in library order as the
// cells of its track-list row, tab-separated or one JSON object per line.
#include "cli/LibrarySession.h"
#include "cli/commands.h"

#include <cstdio>

namespace {

// Tabs and line breaks inside a cell would break the line format.
QString tsvCell(const QString &s)
{
    QString out;
    out.reserve(s.size());
    for (QChar c : s) {
        switch (c.unicode()) {
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        default: out += c;
        }
    }
    return out;
}

void appendJsonString(QString &out, const QString &s)
{
    out += u'"';
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            out += u'\\';
            out += c;
        } else if (u < 0x20) {
            out += QStringLiteral("\\u%1").arg(unsigned(u), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    out += u'"';
}

} // namespace

int cmdList(const QStringList &args)
{
    bool json = false;
    bool showV2 = true;
    for (const QString &a : args) {
        if (a == QLatin1String("--json"))
            json = true;
        else if (a == QLatin1String("--v2"))
            showV2 = true;
        else if (a == QLatin1String("--v1"))
            showV2 = false;
        else {
            cliError(QStringLiteral("unknown option \"%1\"; usage: vireo-cli list [--json] [--v2|--v1]").arg(a));
            return 2;
        }
    }
    LibrarySession session;
    const vireo::TID3TagUseful &store = session.store();
    const QStringList &captions = vireo::ListRowCaptions();
    vireo::ListRow row;
    QString line;
    for (qsizetype i = 0, n = store.TrackCount(); i < n; ++i) {
        store.FillListRow(store.TrackAt(i), row, true, showV2);
        line.clear();
        if (json) {
            line += u'{';
            for (int c = 0; c < vireo::ListRowCellCount; ++c) {
                appendJsonString(line, captions[c]);
                line += u':';
                appendJsonString(line, row.Cells[c]);
                line += u',';
            }
            line += QStringLiteral("\"image\":") + QString::number(row.ImageIndex) + u'}';
        } else {
            for (int c = 0; c < vireo::ListRowCellCount; ++c) {
                if (c)
                    line += u'\t';
                line += tsvCell(row.Cells[c]);
            }
        }
        line += u'\n';
        const QByteArray bytes = line.toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    }
    if (std::fflush(stdout) != 0) {
        cliError(QStringLiteral("標準出力に書き込めません"));
        return 1;
    }
    return session.finish() ? 0 : 1;
}

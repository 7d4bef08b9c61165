#pragma once
// Real MP3 files for the editing tests (silent frames, an ID3v2.3 tag and/or
// an ID3v1 block), a library store over a temporary program folder, and
// mutagen's view of a file to read back what the editors wrote.
#include "tests/core/library/LibraryTestUtil.h"

#include "core/editing/UndoJournal.h"
#include "core/library/LibraryStore.h"
#include "core/platform/FileAccess.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <memory>

namespace vireo::test {

// What mutagen reads from a file: ID3v2 frames by id (first text) and the ID3v1 block.
struct MutagenView {
    bool ok = false;
    QJsonObject v2; // "TPE1": "...", "APIC:mime": "...", "APIC:size": n, "version": n
    QJsonObject v1; // mutagen's ID3v1 parse: title, artist, album, year, comment, track, genre
};

inline MutagenView mutagenView(const QString &path)
{
    MutagenView v;
    static const char script[] = R"PY(
import sys, json
from mutagen.id3 import ID3, ID3NoHeaderError
out = {"v2": {}, "v1": {}}
try:
    t = ID3(sys.argv[1])
    out["v2"]["version"] = t.version[1]
    for k, f in t.items():
        if k.startswith("APIC"):
            out["v2"]["APIC:mime"] = f.mime
            out["v2"]["APIC:size"] = len(f.data)
        elif hasattr(f, "text"):
            out["v2"][k.split(":")[0]] = str(f.text[0]) if f.text else ""
except ID3NoHeaderError:
    pass
with open(sys.argv[1], "rb") as fh:
    fh.seek(-128, 2)
    b = fh.read(128)
if b[:3] == b"TAG":
    out["v1"] = {"title": b[3:33].hex(), "artist": b[33:63].hex(), "album": b[63:93].hex(),
                 "year": b[93:97].hex(), "comment": b[97:127].hex(), "genre": b[127]}
print(json.dumps(out))
)PY";
    const RunResult r = run(QStringLiteral(VIREO_PYTHON3), {QStringLiteral("-c"), QString::fromLatin1(script), path});
    if (r.exitCode != 0) {
        ADD_FAILURE() << r.err.constData();
        return v;
    }
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    v.ok = true;
    v.v2 = o.value(QLatin1String("v2")).toObject();
    v.v1 = o.value(QLatin1String("v1")).toObject();
    return v;
}

// The bytes of an ID3v1 field as mutagen's view holds them (hex), without the zero fill.
inline QByteArray v1Field(const MutagenView &v, const char *name)
{
    QByteArray b = QByteArray::fromHex(v.v1.value(QLatin1String(name)).toString().toLatin1());
    const qsizetype z = b.indexOf('\0');
    return z >= 0 ? b.left(z) : b;
}

// A temporary program folder with a library store and an undo journal in it.
class EditingFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        store = std::make_unique<TID3TagUseful>(home.file(QStringLiteral("vireo")));
        store->setSaveCachesOnDestroy(false);
        journal = std::make_unique<editing::UndoJournal>(home.file(QStringLiteral("undo")));
    }
    // Writes an MP3 file under the music folder and returns its path.
    QString song(const QString &name, const QList<QPair<QByteArray, QString>> &v2Frames, const V1Fields *v1 = nullptr)
    {
        const QString path = home.file(QStringLiteral("music/") + name);
        writeFile(path, mp3File(v2Frames.isEmpty() ? QByteArray() : id3v23Tag(v2Frames), v1 ? id3v1Block(*v1) : QByteArray()));
        return path;
    }
    TID3ListItem *track(const QString &path)
    {
        const FileStat st = statFile(path);
        return store->FindOrRead(path, st.dosDate, st.size);
    }
    TempProgramFolder home;
    std::unique_ptr<TID3TagUseful> store;
    std::unique_ptr<editing::UndoJournal> journal;
};

} // namespace vireo::test

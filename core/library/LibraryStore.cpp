#include "core/library/LibraryStore.h"

#include "core/formats/GenreTable.h"
#include "core/formats/ID3v2.h"
#include "core/library/EventLog.h"
#include "core/library/TagCache.h"
#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"
#include "core/platform/Paths.h"

#include <QFileInfo>

namespace vireo {
namespace {

// A double-byte character cut in half by the field width leaves a lone lead
// byte at the end; it becomes a space. a and b count from 0.
template <int N> void repairCutLeadByte(FixedText<N> &field, int a, int b)
{
    std::array<char, N> raw = field.raw();
    const auto ua = static_cast<unsigned char>(raw[a]);
    const auto ub = static_cast<unsigned char>(raw[b]);
    if (!isTagLeadByte(ua) && isTagLeadByte(ub)) {
        raw[b] = ' ';
        field.set(QByteArrayView(raw.data(), N));
    }
}

} // namespace

TID3TagUseful::TID3TagUseful(const QString &programPath)
{
    PreferV2 = false;
    FillGenreList(m_genreNames);
    m_tracks.V1CacheFile = changeFileExt(programPath, u".3dt");
    m_tracks.V2CacheFile = changeFileExt(programPath, u".2dt");
    m_compilationFile = changeFileExt(programPath, u".cpi");
    if (QFileInfo::exists(m_compilationFile)) {
        WriteLog(QStringLiteral("コンピレーションファイルの読み込み"));
        if (Result r = m_compilations.Load(m_compilationFile); !r) {
            WriteLog(QStringLiteral(" Error:") + r.message());
            m_compilationProblem = r.message();
        }
    } else {
        WriteLog(QStringLiteral("コンピレーションファイルは存在しない"));
    }
}

TID3TagUseful::~TID3TagUseful()
{
    if (m_saveOnDestroy) {
        if (Result r = SaveCaches(); !r)
            WriteLog(QStringLiteral(" Error:") + r.message());
    }
    ClearLibrary();
    m_tracks.ReleaseRetired();
}

void TID3TagUseful::showMessage(const QString &text) const
{
    if (m_message)
        m_message(text);
}

void TID3TagUseful::showNotice(const QString &text) const
{
    if (m_notice)
        m_notice(text);
}

void TID3TagUseful::LoadCaches()
{
    WriteLog(QStringLiteral("キャッシュ読み込み処理開始"));
    tagcache::ReadV1Cache(m_tracks, m_tracks.V1CacheFile, [this](const QString &t) { showNotice(t); });
    tagcache::ReadV2Cache(m_tracks, m_tracks.V2CacheFile, [this](const QString &t) { showMessage(t); });
    WriteLog(QStringLiteral("キャッシュ読み込み処理終了"));
    m_cacheLoaded = true;
}

Result TID3TagUseful::SaveCaches()
{
    if (Result r = tagcache::WriteV1Cache(m_tracks, m_tracks.V1CacheFile); !r)
        return r;
    return tagcache::WriteV2Cache(m_tracks, m_tracks.V2CacheFile);
}

void TID3TagUseful::ClearLibrary()
{
    WriteLog(QStringLiteral("キャッシュのクリア処理開始"));
    m_tracks.Clear();
    WriteLog(QStringLiteral("キャッシュ：内部データ削除終了"));
    WriteLog(QStringLiteral("キャッシュのクリア処理終了"));
}

TID3ListItem *TID3TagUseful::FindOrRead(const QString &path, int32_t fileDate, int64_t fileSize, bool *readFromFile)
{
    TID3ListItem *t = m_tracks.Find(path);
    if (t && !CacheOnly)
        t = DropIfStale(path, fileDate);
    if (readFromFile)
        *readFromFile = !t;
    if (!t) {
        auto track = std::make_unique<TID3ListItem>(path, fileDate);
        WriteLog(QStringLiteral("新規読み込み：") + path);
        readTags(*track);
        t = m_tracks.Add(std::move(track));
    }
    t->Exists = true;
    t->FileSize = fileSize;
    setCompilationIndex(*t);
    return t;
}

TID3ListItem *TID3TagUseful::DropIfStale(const QString &path, int32_t fileDate)
{
    TID3ListItem *t = m_tracks.Find(path);
    if (!t) {
        WriteLog(QStringLiteral("ファイル名がキャッシュ中に存在しない：") + path);
        return nullptr;
    }
    while (t) {
        if (t->FileDate == fileDate)
            return t;
        m_tracks.Drop(path);
        WriteLog(QStringLiteral("ファイルの更新日付がキャッシュと異なる"));
        t = m_tracks.Find(path);
    }
    return nullptr;
}

void TID3TagUseful::readTags(TID3ListItem &track)
{
    FileReader file;
    if (const Result opened = file.open(track.FileName); !opened) {
        WriteLog(opened.message()); // neither tag can be read from a file that cannot be opened
        return;
    }
    m_v1Reader.Reset();
    if (m_v1Reader.LoadTag(file) && m_v1Reader.Present()) {
        TID3v1Record r = TID3v1Record::FromTag(m_v1Reader);
        repairCutLeadByte(r.Title, 28, 29);
        repairCutLeadByte(r.Artist, 28, 29);
        repairCutLeadByte(r.Album, 28, 29);
        repairCutLeadByte(r.Comment, 26, 27);
        track.SetV1(r);
    }
    TID3v2 v2;
    if (v2.LoadTag(file) && v2.Present())
        track.SetV2(TID3v2Record::FromTag(v2));
    for (const QString &problem : v2.readProblems())
        WriteLog(track.FileName + QStringLiteral(": ") + problem);
}

void TID3TagUseful::setCompilationIndex(TID3ListItem &track) const
{
    track.CompilationIndex = m_compilations.Count() == 0
        ? -1 : m_compilations.IndexOf(track.PreferredAlbum(vireo::PreferV2));
}

qsizetype TID3TagUseful::DeleteFromCache(const QString &path)
{
    return m_tracks.Remove(path);
}

void TID3TagUseful::RefreshFlags(ExistenceCheck check)
{
    for (qsizetype i = 0, n = m_tracks.Count(); i < n; ++i) {
        TID3ListItem *t = m_tracks.At(i);
        if (!t->Exists) {
            if (check == ExistenceCheck::Now) {
                t->Exists = fileExists(t->FileName);
            } else {
                t->Exists = true;
                m_unchecked.append(t->FileName);
            }
        }
        setCompilationIndex(*t);
    }
}

int TID3TagUseful::MarkMissing(const QStringList &missing)
{
    int changed = 0;
    for (const QString &path : missing) {
        TID3ListItem *t = m_tracks.Find(path);
        if (t && t->Exists) {
            t->Exists = false;
            ++changed;
        }
    }
    return changed;
}

void TID3TagUseful::ForgetExistence(const QStringList &paths)
{
    for (const QString &path : paths)
        if (TID3ListItem *t = m_tracks.Find(path))
            t->Exists = false;
}

QString TID3TagUseful::GenreText(const QString &name) const
{
    if (GenreCodeInText) {
        for (int i = 0; i < m_genreNames.size(); ++i)
            if (m_genreNames[i].compare(name, Qt::CaseInsensitive) == 0)
                return QLatin1Char('(') + QString::number(i) + QLatin1Char(')') + name;
    }
    return name;
}

Result TID3TagUseful::AddCompilation(const QString &name)
{
    if (m_compilations.IndexOf(name) >= 0)
        return Result::success();
    WriteLog(QStringLiteral("コンピレーション設定に[ ") + name + QStringLiteral(" ] を追加します"));
    m_compilations.Add(name);
    Result r = SaveCompilations();
    RefreshFlags();
    return r;
}

Result TID3TagUseful::RemoveCompilation(const QString &name)
{
    if (m_compilations.IndexOf(name) < 0)
        return Result::success();
    WriteLog(QStringLiteral("コンピレーション設定に[ ") + name + QStringLiteral(" ] を削除します"));
    m_compilations.Remove(name);
    Result r = SaveCompilations();
    RefreshFlags();
    return r;
}

Result TID3TagUseful::SaveCompilations()
{
    Result r = m_compilations.Save(m_compilationFile);
    if (r)
        WriteLog(m_compilationFile + QStringLiteral("を保存しました。"));
    return r;
}

} // namespace vireo

#include "tests/gui/helpers/GuiFixture.h"

#include "gui/app/AppServices.h"
#include "gui/app/VireoMainForm.h"
#include "core/platform/CodePage.h"
#include "core/settings/ProfileFile.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTabBar>
#include <QTest>

namespace vireo::gui::test {

QList<Song> standardSongs()
{
    return {
        {QStringLiteral("Alpha/First/01.mp3"), QStringLiteral("Alpha"), QStringLiteral("First"),
         QStringLiteral("Morning"), 1, 20},
        {QStringLiteral("Alpha/First/02.mp3"), QStringLiteral("Alpha"), QStringLiteral("First"),
         QStringLiteral("Noon"), 2, 30},
        {QStringLiteral("Alpha/Second/01.mp3"), QStringLiteral("Alpha"), QStringLiteral("Second"),
         QStringLiteral("Evening"), 0, 25},
        {QStringLiteral("Beta/Only/01.mp3"), QStringLiteral("Beta"), QStringLiteral("Only"),
         QStringLiteral("Zebra"), 7, 6000},
        {QStringLiteral("Beta/Only/02.mp3"), QStringLiteral("Beta"), QStringLiteral("Only"),
         QStringLiteral("Apple"), 3, 3000},
        {QStringLiteral("Gamma/Live/01.mp3"), QStringLiteral("Gamma"), QStringLiteral("Live"),
         QStringLiteral("Encore"), 1, 20},
    };
}

namespace {
QByteArray fixed(const QString &text, int width)
{
    QByteArray b = text.toLatin1().left(width);
    b.append(QByteArray(width - b.size(), '\0'));
    return b;
}
} // namespace

bool writeSong(const QString &path, const Song &song)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QByteArray bytes = vireo::test::silentMpegFrames(song.sizeFrames);
    if (song.v1) {
        QByteArray tag("TAG");
        tag += fixed(song.title, 30) + fixed(song.artist, 30) + fixed(song.album, 30) + fixed(QStringLiteral("2001"), 4);
        tag += fixed(QString(), 28);
        tag += char(0);
        tag += char(song.track);
        tag += char(17);
        bytes += tag;
    }
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        return false;
    f.close();
    QStringList args = {QStringLiteral("-a"), song.artist, QStringLiteral("-A"), song.album,
                        QStringLiteral("-t"), song.title};
    if (song.track > 0)
        args << QStringLiteral("-T") << QString::number(song.track);
    args << path;
    return QProcess::execute(QStringLiteral(VIREO_MID3V2), args) == 0;
}

GuiFixture::GuiFixture(const QList<Song> &songs)
{
    m_music = m_program.path() + QStringLiteral("music/");
    QDir().mkpath(m_music);
    for (const Song &s : songs)
        QVERIFY2(writeSong(m_music + s.file, s), qPrintable(s.file));
    setIni(QStringLiteral("MP3Param"), QStringLiteral("MP3Dir"), m_music);
}

GuiFixture::~GuiFixture()
{
    close();
}

void GuiFixture::setIni(const QString &section, const QString &key, const QString &value)
{
    QVERIFY(writeProfileString(iniPath(), section, key, value).ok());
}

TVireoMainForm &GuiFixture::start()
{
    close();
    m_app = std::make_unique<AppServices>();
    m_form = std::make_unique<TVireoMainForm>(*m_app);
    m_form->show();
    return *m_form;
}

void GuiFixture::close()
{
    if (m_form)
        m_form->close();
    m_form.reset();
    m_app.reset();
}

QStringList GuiFixture::logLines() const
{
    QFile f(m_program.file(QStringLiteral("vireo_uni.log")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines;
    for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const qsizetype close = line.indexOf(QStringLiteral("] "));
        lines << (close >= 0 ? line.mid(close + 2) : line);
    }
    return lines;
}

WindowParts parts(TVireoMainForm &form)
{
    return {form.treePanel(), form.searchPage(), form.trackArea(), form.menus(), form.statusWidgets(),
            form.layout()};
}

QStringList topLevelTexts(QAbstractItemModel *model)
{
    QStringList out;
    for (int r = 0; r < model->rowCount(); ++r)
        out << model->index(r, 0).data().toString();
    return out;
}

QStringList columnTexts(QAbstractItemModel *model, int column)
{
    QStringList out;
    for (int r = 0; r < model->rowCount(); ++r)
        out << model->index(r, column).data().toString();
    return out;
}

QStringList tabCaptions(QTabBar *bar)
{
    QStringList out;
    for (int i = 0; i < bar->count(); ++i)
        out << bar->tabText(i);
    return out;
}

} // namespace vireo::gui::test

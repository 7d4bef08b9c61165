#include "tests/support/TestSupport.h"

#include "core/platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace vireo::test {

QByteArray silentMpegFrames(int frames)
{
    // Header FF FB 90 44: MPEG-1, Layer III, no CRC, 128 kbit/s, 44100 Hz,
    // no padding, joint stereo. 144 * 128000 / 44100 = 417 bytes. Zero side
    // information and main data decode to silence.
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    frame[3] = char(0x44);
    QByteArray out;
    out.reserve(frame.size() * frames);
    for (int i = 0; i < frames; ++i)
        out += frame;
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

TempProgramFolder::TempProgramFolder()
{
    setProgramFolder(m_dir.path());
    qputenv("VIREO_HOME", QFile::encodeName(m_dir.path()));
}

TempProgramFolder::~TempProgramFolder()
{
    setProgramFolder(QString());
    qunsetenv("VIREO_HOME");
}

QString TempProgramFolder::path() const { return includeTrailingSlash(m_dir.path()); }

RunResult run(const QString &program, const QStringList &args, const QStringList &env)
{
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const QString &kv : env) {
        const qsizetype eq = kv.indexOf(u'=');
        e.insert(kv.left(eq), kv.mid(eq + 1));
    }
    p.setProcessEnvironment(e);
    p.start(program, args);
    RunResult r;
    if (!p.waitForStarted(10000))
        return r;
    p.closeWriteChannel();
    p.waitForFinished(120000);
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

RunResult runCli(const QStringList &args, const QStringList &env)
{
    return run(QStringLiteral(VIREO_CLI), args, env);
}

RunResult runCliOnTerminal(const QStringList &args, const QStringList &env)
{
    const QString script = QStringLiteral(
        "import os, pty, sys\n"
        "out = b''\n"
        "pid, fd = pty.fork()\n"
        "if pid == 0:\n"
        "    os.execv(sys.argv[1], sys.argv[1:])\n"
        "while True:\n"
        "    try:\n"
        "        chunk = os.read(fd, 65536)\n"
        "    except OSError:\n"
        "        break\n"
        "    if not chunk:\n"
        "        break\n"
        "    out += chunk\n"
        "_, status = os.waitpid(pid, 0)\n"
        "sys.stdout.buffer.write(out)\n"
        "sys.exit(os.waitstatus_to_exitcode(status))\n");
    return run(QStringLiteral(VIREO_PYTHON3), QStringList{QStringLiteral("-c"), script, QStringLiteral(VIREO_CLI)} + args,
               env);
}

bool haveMutagen() { return QFileInfo::exists(QStringLiteral(VIREO_MID3V2)); }
bool haveLame() { return QFileInfo::exists(QStringLiteral(VIREO_LAME)); }

} // namespace vireo::test

#pragma once
// Helpers shared by the test programs: real MPEG streams, temporary program
// folders, and running external tools (mutagen, lame, vireo-cli).
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace vireo::test {

// A stream of `frames` silent MPEG-1 Layer III frames (128 kbit/s, 44100 Hz,
// joint stereo): real frames that decoders and taggers accept.
QByteArray silentMpegFrames(int frames);

// Writes bytes to a file, creating its folder; fails the test on error.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// A temporary folder that also serves as the program folder while it lives
// (settings, caches and logs go there, never to the user's real folder).
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const; // with a final "/"
    QString file(const QString &name) const { return path() + name; }
private:
    QTemporaryDir m_dir;
};

struct RunResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
// Runs a program with arguments and optional extra environment (NAME=value).
RunResult run(const QString &program, const QStringList &args, const QStringList &env = {});
RunResult runCli(const QStringList &args, const QStringList &env = {});
// vireo-cli with stdout and stderr on a pseudo-terminal: out holds all it
// wrote there, exitCode its exit code.
RunResult runCliOnTerminal(const QStringList &args, const QStringList &env = {});
bool haveMutagen();
bool haveLame();

} // namespace vireo::test

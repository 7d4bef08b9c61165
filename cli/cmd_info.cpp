// vireo-cli info: the tags and the audio stream of each file, as one JSON
// object a line (--json) or as a readable block. Files that cannot be read
// are reported in their own object and make the exit status non-zero.
#include "cli/commands.h"
#include "cli/Sha256.h"

#include "core/formats/MPEGaudio.h"
#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"

#include <QFile>

#include <charconv>
#include <cstdio>
#include <string>

using namespace vireo;

namespace {

void appendJsonString(std::string &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    out += '"';
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

// Writes one object: key/value pairs separated by ", ".
class JsonObject {
public:
    explicit JsonObject(std::string &out) : m_out(out) { m_out += '{'; }
    void close() { m_out += '}'; }
    void key(const char *k)
    {
        if (m_count++)
            m_out += ", ";
        m_out += '"';
        m_out += k;
        m_out += "\": ";
    }
    void str(const char *k, const QString &v) { key(k); appendJsonString(m_out, v); }
    void integer(const char *k, int64_t v) { key(k); m_out += std::to_string(v); }
    void boolean(const char *k, bool v) { key(k); m_out += v ? "true" : "false"; }
    void real(const char *k, double v)
    {
        key(k);
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        std::string s(buf, r.ptr);
        if (s.find_first_of(".eEn") == std::string::npos)
            s += ".0";
        m_out += s;
    }
    std::string &raw() { return m_out; }

private:
    std::string &m_out;
    int m_count = 0;
};

QString v1Text(const QByteArray &bytes) { return fromTagCodePage(bytes); }

struct FileReport {
    QString path;
    QString error;
    TMPEGaudio audio;
};

// The cause of a failed analysis without the path the message starts with
// (the report names the file on its own).
QString fileError(const QString &path, const Result &analysed)
{
    const QString prefix = path + QStringLiteral(": ");
    const QString &message = analysed.message();
    if (message.startsWith(prefix) && message.size() > prefix.size())
        return message.mid(prefix.size());
    return message.isEmpty() ? QStringLiteral("cannot read the file") : message;
}

void writeJson(std::string &out, const FileReport &r)
{
    JsonObject o(out);
    o.str("path", r.path);
    if (!r.error.isEmpty()) {
        o.str("error", r.error);
        o.close();
        return;
    }
    const TID3v1 &v1 = r.audio.ID3v1;
    o.key("v1");
    {
        JsonObject j(o.raw());
        j.boolean("present", v1.Present());
        j.integer("revision", v1.Revision());
        j.str("title", v1Text(v1.Title()));
        j.str("artist", v1Text(v1.Artist()));
        j.str("album", v1Text(v1.Album()));
        j.str("year", v1Text(v1.Year()));
        j.str("comment", v1Text(v1.Comment()));
        j.integer("track", v1.Track());
        j.integer("genre", v1.Genre());
        j.close();
    }
    const TID3v2 &v2 = r.audio.ID3v2;
    o.key("v2");
    {
        JsonObject j(o.raw());
        j.boolean("present", v2.Present());
        j.integer("version", v2.MajorVersion());
        j.str("title", v2.Title());
        j.str("artist", v2.Artist());
        j.str("album", v2.Album());
        j.integer("track", v2.TrackNumber());
        j.str("track_text", v2.TrackText());
        j.str("year", v2.Year());
        j.str("genre", v2.Genre());
        j.str("comment", v2.Comment());
        j.str("composer", v2.Composer());
        j.str("encoded_by", v2.EncodedBy());
        j.str("copyright", v2.Copyright());
        j.str("original_artist", v2.OriginalArtist());
        j.str("url", v2.Url());
        j.integer("encoding", v2.TextEncoding());
        j.key("picture");
        const TagPicInfo &pic = v2.Picture();
        if (pic.MimeType.isEmpty()) {
            j.raw() += "null";
        } else {
            JsonObject p(j.raw());
            p.str("mime", pic.MimeType);
            p.integer("size", pic.ImageData.size());
            p.str("sha256", QString::fromLatin1(sha256Hex(pic.ImageData)));
            p.close();
        }
        j.close();
    }
    const TMPEGaudio &a = r.audio;
    o.key("mpeg");
    {
        JsonObject j(o.raw());
        j.boolean("valid", a.IsValid());
        j.str("version", a.VersionText());
        j.str("layer", a.LayerText());
        j.integer("bitrate", a.BitRate());
        j.boolean("vbr", a.VBR.Found);
        j.integer("sample_rate", a.SampleRate());
        j.str("mode", a.ChannelModeText());
        j.integer("frames", a.FrameCount());
        j.real("duration", a.Duration());
        j.str("encoder", a.EncoderText());
        j.close();
    }
    o.close();
}

void line(std::string &out, const char *label, const QString &value)
{
    out += "  ";
    out += label;
    out += ": ";
    out += value.toUtf8().toStdString();
    out += '\n';
}

void writeText(std::string &out, const FileReport &r)
{
    out += r.path.toUtf8().toStdString();
    out += '\n';
    if (!r.error.isEmpty()) {
        line(out, "error", r.error);
        return;
    }
    const TID3v1 &v1 = r.audio.ID3v1;
    if (v1.Present()) {
        line(out, "ID3v1", v1.Revision() == 2 ? QStringLiteral("1.1") : QStringLiteral("1.0"));
        line(out, "  title", v1Text(v1.Title()));
        line(out, "  artist", v1Text(v1.Artist()));
        line(out, "  album", v1Text(v1.Album()));
        line(out, "  year", v1Text(v1.Year()));
        line(out, "  comment", v1Text(v1.Comment()));
        line(out, "  track", QString::number(v1.Track()));
        line(out, "  genre", QString::number(v1.Genre()));
    } else {
        line(out, "ID3v1", QStringLiteral("none"));
    }
    const TID3v2 &v2 = r.audio.ID3v2;
    if (v2.Present()) {
        line(out, "ID3v2", QStringLiteral("2.") + QString::number(v2.MajorVersion()));
        line(out, "  title", v2.Title());
        line(out, "  artist", v2.Artist());
        line(out, "  album", v2.Album());
        line(out, "  track", v2.TrackText());
        line(out, "  year", v2.Year());
        line(out, "  genre", v2.Genre());
        line(out, "  comment", v2.Comment());
        line(out, "  composer", v2.Composer());
        line(out, "  encoded by", v2.EncodedBy());
        line(out, "  copyright", v2.Copyright());
        line(out, "  original artist", v2.OriginalArtist());
        line(out, "  url", v2.Url());
        line(out, "  encoding", QString::number(v2.TextEncoding()));
        const TagPicInfo &pic = v2.Picture();
        if (!pic.MimeType.isEmpty())
            line(out, "  picture", pic.MimeType + QStringLiteral(", ") + QString::number(pic.ImageData.size()) + QStringLiteral(" bytes"));
    } else {
        line(out, "ID3v2", QStringLiteral("none"));
    }
    const TMPEGaudio &a = r.audio;
    if (a.IsValid()) {
        line(out, "stream", a.VersionText() + QLatin1Char(' ') + a.LayerText() + QStringLiteral(", ")
                                + a.ChannelModeText());
        line(out, "bit rate", QString::number(a.BitRate()) + (a.VBR.Found ? QStringLiteral(" kbit/s (VBR)") : QStringLiteral(" kbit/s")));
        line(out, "sample rate", QString::number(a.SampleRate()) + QStringLiteral(" Hz"));
        line(out, "frames", QString::number(a.FrameCount()));
        line(out, "duration", QString::number(a.Duration(), 'f', 3) + QStringLiteral(" s"));
        line(out, "encoder", a.EncoderText());
    } else {
        line(out, "stream", QStringLiteral("no valid MPEG audio"));
    }
}

} // namespace

int cmdInfo(const QStringList &args)
{
    bool json = false;
    QStringList files;
    bool onlyFiles = false;
    for (const QString &a : args) {
        if (!onlyFiles && a == QLatin1String("--json"))
            json = true;
        else if (!onlyFiles && a == QLatin1String("--"))
            onlyFiles = true;
        else if (!onlyFiles && a.startsWith(QLatin1String("--"))) {
            std::fprintf(stderr, "vireo-cli info: unknown option %s\n", qPrintable(a));
            return 2;
        } else
            files.append(a);
    }
    if (files.isEmpty()) {
        std::fputs("usage: vireo-cli info [--json] FILE...\n", stderr);
        return 2;
    }
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    int failures = 0;
    std::string out;
    FileReport report;
    report.audio.KeepTags = true;
    for (const QString &path : files) {
        report.path = path;
        report.error.clear();
        if (const Result analysed = report.audio.Analyse(path); !analysed) {
            // A file too short for an ID3v1 tag still has its other tag reported.
            if (analysed.code() == ErrorCode::BadData) {
                report.audio.Reset();
                (void)report.audio.ID3v2.LoadTag(path);
            } else {
                report.error = fileError(path, analysed);
                ++failures;
            }
        }
        out.clear();
        if (json) {
            writeJson(out, report);
            out += '\n';
        } else {
            writeText(out, report);
            out += '\n';
        }
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    std::fflush(stdout);
    return failures ? 1 : 0;
}

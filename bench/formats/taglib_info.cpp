// The reference reader for the tag-reading benchmark: the same fields as
// `vireo-cli info --json`, read with TagLib, printed as one line per file.
#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <cstdio>

static QString q(const TagLib::String &s) { return QString::fromStdWString(s.toWString()); }

static QString frameText(TagLib::ID3v2::Tag *tag, const char *id)
{
    const auto &list = tag->frameListMap()[id];
    return list.isEmpty() ? QString() : q(list.front()->toString());
}

int main(int argc, char **argv)
{
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        TagLib::MPEG::File f(argv[i], true, TagLib::AudioProperties::Accurate);
        QJsonObject o{{"path", QString::fromLocal8Bit(argv[i])}};
        if (!f.isValid()) {
            o["error"] = QStringLiteral("cannot read");
            status = 1;
        } else {
            QJsonObject v1{{"present", f.hasID3v1Tag()}};
            if (auto *t = f.ID3v1Tag()) {
                v1["title"] = q(t->title());
                v1["artist"] = q(t->artist());
                v1["album"] = q(t->album());
                v1["track"] = int(t->track());
            }
            QJsonObject v2{{"present", f.hasID3v2Tag()}};
            if (auto *t = f.ID3v2Tag()) {
                v2["version"] = int(t->header()->majorVersion());
                v2["title"] = q(t->title());
                v2["artist"] = q(t->artist());
                v2["album"] = q(t->album());
                v2["track"] = int(t->track());
                v2["track_text"] = frameText(t, "TRCK");
                v2["year"] = int(t->year());
                v2["genre"] = q(t->genre());
                v2["comment"] = q(t->comment());
                v2["composer"] = frameText(t, "TCOM");
                const auto &pics = t->frameListMap()["APIC"];
                if (!pics.isEmpty()) {
                    auto *p = static_cast<TagLib::ID3v2::AttachedPictureFrame *>(pics.front());
                    const auto data = p->picture();
                    v2["picture"] = QJsonObject{
                        {"mime", q(p->mimeType())},
                        {"size", int(data.size())},
                        {"sha256", QString::fromLatin1(QCryptographicHash::hash(
                             QByteArrayView(data.data(), data.size()), QCryptographicHash::Sha256).toHex())}};
                }
            }
            QJsonObject mpeg{{"valid", f.audioProperties() != nullptr}};
            if (auto *a = f.audioProperties()) {
                mpeg["bitrate"] = a->bitrate();
                mpeg["sample_rate"] = a->sampleRate();
                mpeg["duration"] = a->lengthInMilliseconds() / 1000.0;
            }
            o["v1"] = v1;
            o["v2"] = v2;
            o["mpeg"] = mpeg;
        }
        const QByteArray line = QJsonDocument(o).toJson(QJsonDocument::Compact);
        std::fwrite(line.constData(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
    return status;
}

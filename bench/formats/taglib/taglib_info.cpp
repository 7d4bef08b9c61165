// taglib_info: reads the same fields as `vireo-cli info --json` with TagLib
// and prints one JSON object a line, so the two can be timed side by side.
#include "cli/Sha256.h"

#include <QByteArray>

#include <taglib/attachedpictureframe.h>
#include <taglib/commentsframe.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/mpegproperties.h>
#include <taglib/urllinkframe.h>
#include <taglib/xingheader.h>

#include <cstdio>
#include <string>

namespace {

void str(std::string &out, const char *key, const TagLib::String &value, bool comma = true)
{
    if (comma)
        out += ", ";
    out += '"';
    out += key;
    out += "\": \"";
    for (char c : value.to8Bit(true)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += c;
        }
    }
    out += '"';
}

void num(std::string &out, const char *key, long long v)
{
    out += ", \"";
    out += key;
    out += "\": ";
    out += std::to_string(v);
}

TagLib::String frameText(TagLib::ID3v2::Tag *tag, const char *id)
{
    const auto &list = tag->frameListMap()[id];
    return list.isEmpty() ? TagLib::String() : list.front()->toString();
}

} // namespace

int main(int argc, char **argv)
{
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    int failures = 0;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        out.clear();
        out += "{\"path\": \"";
        out += argv[i];
        out += '"';
        TagLib::MPEG::File file(argv[i], true, TagLib::AudioProperties::Average);
        if (!file.isValid()) {
            out += ", \"error\": \"cannot read\"}\n";
            std::fwrite(out.data(), 1, out.size(), stdout);
            ++failures;
            continue;
        }
        out += ", \"v1\": {";
        TagLib::ID3v1::Tag *v1 = file.hasID3v1Tag() ? file.ID3v1Tag(false) : nullptr;
        out += v1 ? "\"present\": true" : "\"present\": false";
        if (v1) {
            str(out, "title", v1->title());
            str(out, "artist", v1->artist());
            str(out, "album", v1->album());
            num(out, "year", v1->year());
            str(out, "comment", v1->comment());
            num(out, "track", v1->track());
            num(out, "genre", v1->genreNumber());
        }
        out += "}, \"v2\": {";
        TagLib::ID3v2::Tag *v2 = file.hasID3v2Tag() ? file.ID3v2Tag(false) : nullptr;
        out += v2 ? "\"present\": true" : "\"present\": false";
        if (v2) {
            num(out, "version", v2->header()->majorVersion());
            str(out, "title", v2->title());
            str(out, "artist", v2->artist());
            str(out, "album", v2->album());
            num(out, "track", v2->track());
            str(out, "track_text", frameText(v2, "TRCK"));
            num(out, "year", v2->year());
            str(out, "genre", v2->genre());
            str(out, "comment", v2->comment());
            str(out, "composer", frameText(v2, "TCOM"));
            str(out, "encoded_by", frameText(v2, "TENC"));
            str(out, "copyright", frameText(v2, "TCOP"));
            str(out, "original_artist", frameText(v2, "TOPE"));
            str(out, "url", frameText(v2, "WXXX"));
            const auto &pics = v2->frameListMap()["APIC"];
            if (!pics.isEmpty()) {
                auto *pic = static_cast<TagLib::ID3v2::AttachedPictureFrame *>(pics.front());
                const TagLib::ByteVector data = pic->picture();
                out += ", \"picture\": {";
                str(out, "mime", pic->mimeType(), false);
                num(out, "size", data.size());
                const QByteArray hash = sha256Hex(QByteArrayView(data.data(), data.size()));
                str(out, "sha256", TagLib::String(hash.constData()));
                out += '}';
            } else {
                out += ", \"picture\": null";
            }
        }
        out += "}, \"mpeg\": {";
        const TagLib::MPEG::Properties *p = file.audioProperties();
        out += p ? "\"valid\": true" : "\"valid\": false";
        if (p) {
            num(out, "version", p->version());
            num(out, "layer", p->layer());
            num(out, "bitrate", p->bitrate());
            out += p->xingHeader() ? ", \"vbr_header\": true" : ", \"vbr_header\": false";
            num(out, "sample_rate", p->sampleRate());
            num(out, "mode", p->channelMode());
            num(out, "duration_ms", p->lengthInMilliseconds());
        }
        out += "}}\n";
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    std::fflush(stdout);
    return failures ? 1 : 0;
}

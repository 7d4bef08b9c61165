// The bodies of the fuzzers: each takes the bytes of one file and feeds
// them to one reader, then checks what must hold for any input. The fuzzer
// programs (FuzzMain.cpp) and the regression test over the inputs the
// fuzzers found (tests/data/fuzz/) run the same code.
#include "fuzz/FuzzTargets.h"

#include "core/coverart/CoverResultScan.h"
#include "core/coverart/PictureCheck.h"
#include "core/formats/GenreTable.h"
#include "core/formats/ID3v1.h"
#include "core/formats/ID3v2.h"
#include "core/formats/Id3v2Header.h"
#include "core/formats/MPEGaudio.h"
#include "core/library/Compilations.h"
#include "core/library/TagCache.h"
#include "core/playlists/M3UFile.h"
#include "core/settings/ProfileFile.h"

#include <algorithm>
#include <cmath>

namespace vireo::fuzz {

// ID3v2 tags (2.2 to 2.4) from bytes: the header, the frame walk,
// unsynchronisation, inflation, the text decoders and the 2.3 conversion.
int id3v2(QByteArrayView input)
{
    TID3v2 tag;
    const Result r = tag.parse(input);
    VIREO_FUZZ_CHECK(r.ok() == (input.size() >= 10));
    VIREO_FUZZ_CHECK(tag.TagSize() >= 0 && tag.TagSize() <= input.size());
    if (const auto header = Id3v2Header::parse(input)) {
        VIREO_FUZZ_CHECK(tag.Present());
        // A header rendered from what was parsed reads back the same.
        Id3v2Header h = *header;
        h.bodySize &= (1u << 28) - 1;
        const auto again = Id3v2Header::parse(h.render());
        VIREO_FUZZ_CHECK(again && again->bodySize == h.bodySize && again->flags == h.flags);
    }
    // Touch every field so that lazily built texts are built.
    qsizetype total = tag.Title().size() + tag.Artist().size() + tag.Album().size() + tag.Comment().size()
                    + tag.Genre().size() + tag.Year().size() + tag.Url().size() + tag.Picture().ImageData.size();
    for (const Id3v2Frame &f : tag.otherFrames())
        total += f.body.size();
    VIREO_FUZZ_CHECK(total >= 0);
    return 0;
}

// ID3v1 tags from bytes: the 128-byte block at the end, and its rendering.
int id3v1(QByteArrayView input)
{
    TID3v1 tag;
    const Result r = tag.parse(input);
    VIREO_FUZZ_CHECK(r.ok() == (input.size() >= 128));
    if (!tag.Present())
        return 0;
    // What is rendered parses back to the same fields.
    const QByteArray block = tag.RenderBlock();
    VIREO_FUZZ_CHECK(block.size() == TID3v1::BlockSize);
    TID3v1 back;
    VIREO_FUZZ_CHECK(back.ParseBlock(block));
    VIREO_FUZZ_CHECK(back.Title() == tag.Title() && back.Artist() == tag.Artist() && back.Album() == tag.Album());
    VIREO_FUZZ_CHECK(back.Year() == tag.Year() && back.Genre() == tag.Genre());
    (void)GenreName(tag.Genre());
    return 0;
}

// MPEG audio from bytes: both tags, the frame search, the Xing, "Info",
// VBRI and LAME headers and the encoder mark near the end.
int mpeg(QByteArrayView input)
{
    TMPEGaudio audio;
    audio.KeepTags = input.size() % 2 == 0;
    (void)audio.parse(input);
    const double duration = audio.Duration();
    VIREO_FUZZ_CHECK(!std::isnan(duration) && duration >= 0);
    VIREO_FUZZ_CHECK(audio.FrameCount() >= 0);
    (void)audio.BitRate();
    (void)audio.SampleRate();
    (void)audio.IsValid();
    VIREO_FUZZ_CHECK(!audio.EncoderText().isEmpty());
    (void)audio.VersionText();
    (void)audio.LayerText();
    (void)audio.ChannelModeText();
    (void)audio.EmphasisText();
    if (audio.Frame.Found)
        VIREO_FUZZ_CHECK(audio.Frame.FileOffset >= 0 && audio.Frame.FileOffset < input.size());
    return 0;
}

// M3U playlists from bytes: encoding detection, line splitting, entries.
int m3u(QByteArrayView input)
{
    const QStringList entries = parseM3U(input);
    for (const QString &e : entries) {
        VIREO_FUZZ_CHECK(!e.contains(u'\r') && !e.contains(u'\n'));
        (void)resolveM3UEntry(QStringLiteral("/music/lists/a.m3u"), e);
    }
    // The Unicode form this program saves reads back to the same entries.
    const QStringList back = parseM3U(renderM3UUnicode(entries));
    VIREO_FUZZ_CHECK(back == entries);
    return 0;
}

// The tag caches from bytes: the first byte picks the ID3v1 cache
// (vireo.3dt), its companion with UTF-8 paths (vireo.3du) or the ID3v2
// cache (vireo.2dt); what was read is written and read back.
int tagcache(QByteArrayView input)
{
    if (input.isEmpty())
        return 0;
    const uchar which = uchar(input[0]) % 3;
    const QByteArrayView bytes = input.sliced(1);
    TID3List tracks;
    int messages = 0;
    if (which == 2)
        tagcache::LoadV2Cache(tracks, bytes, [&](const QString &) { ++messages; });
    else
        tagcache::LoadV1Cache(tracks, bytes, [&](const QString &) { ++messages; },
                              which == 1 ? tagcache::PathText::Utf8 : tagcache::PathText::TagCodePage);
    VIREO_FUZZ_CHECK(messages <= 1);
    QByteArray unicodeRows;
    const QByteArray v1 = tagcache::RenderV1Cache(tracks, &unicodeRows);
    const QByteArray v2 = tagcache::RenderV2Cache(tracks, true);
    TID3List again;
    tagcache::LoadV1Cache(again, v1);
    tagcache::LoadV1Cache(again, unicodeRows, {}, tagcache::PathText::Utf8);
    tagcache::LoadV2Cache(again, v2, [](const QString &) { VIREO_FUZZ_CHECK(false); });
    VIREO_FUZZ_CHECK(again.Count() <= tracks.Count());
    return 0;
}

// The settings file (vireo.ini) from bytes: the profile parser, lookups,
// and a change written and read back.
int settings(QByteArrayView input)
{
    ProfileDocument doc = ProfileDocument::parse(input);
    for (const QString &section : doc.sections())
        for (const QString &key : doc.keys(section))
            VIREO_FUZZ_CHECK(doc.value(section, key).has_value());
    (void)doc.value(u"MP3Param", u"MP3Dir");
    const QString value = QString::fromUtf8(input.first(std::min<qsizetype>(input.size(), 64)));
    doc.setValue(u"MP3Param", u"FuzzKey", value);
    const ProfileDocument back = ProfileDocument::parse(doc.render());
    const std::optional<QString> read = back.value(u"MP3Param", u"FuzzKey");
    VIREO_FUZZ_CHECK(read.has_value());
    return 0;
}

// The compilation list (vireo.cpi) from bytes, and its rendering read back.
int compilations(QByteArrayView input)
{
    const QStringList names = CompilationList::Decode(input);
    CompilationList list;
    list.SetNames(names);
    for (const QString &n : names)
        VIREO_FUZZ_CHECK(list.IndexOf(n) >= 0);
    VIREO_FUZZ_CHECK(CompilationList::Decode(CompilationList::Encode(names)) == names);
    return 0;
}

// The cover search's answers from bytes: the product-search XML, the
// MusicBrainz and Deezer JSON, and the picture headers of what they point to.
int coversearch(QByteArrayView input)
{
    using namespace coverart;
    const QByteArray body = input.toByteArray();
    const auto classic = scanClassicResults(body);
    VIREO_FUZZ_CHECK(classic.ok() == QString::fromUtf8(body).trimmed().startsWith(u'<'));
    if (classic.ok()) {
        VIREO_FUZZ_CHECK(classic->size() <= body.count("<Item>"));
        for (const CoverResult &r : *classic) {
            VIREO_FUZZ_CHECK(r.source == CoverSource::Classic && !r.title.isEmpty() && r.pictureUrls.size() <= 3);
            VIREO_FUZZ_CHECK(labelText(r.title).count(u'&') == 2 * r.title.count(u'&'));
        }
    }
    const auto releases = parseMusicBrainzReleases(body, QStringLiteral("http://caa.localhost"));
    if (releases.ok())
        for (const CoverResult &r : *releases)
            VIREO_FUZZ_CHECK(!r.title.isEmpty() && r.pictureUrls.size() == 3);
    else
        VIREO_FUZZ_CHECK(!releases.message().isEmpty());
    const auto albums = parseDeezerAlbums(body);
    if (albums.ok())
        for (const CoverResult &r : *albums) {
            VIREO_FUZZ_CHECK(!r.title.isEmpty() && r.pictureUrls.size() <= 3);
            for (const QString &url : r.pictureUrls)
                VIREO_FUZZ_CHECK(url.startsWith(u"http://", Qt::CaseInsensitive)
                                 || url.startsWith(u"https://", Qt::CaseInsensitive));
        }
    else
        VIREO_FUZZ_CHECK(!albums.message().isEmpty());
    const PictureInfo info = inspectPicture(body);
    VIREO_FUZZ_CHECK(info.format == PictureFormat::Unknown ? info.width == 0 && info.height == 0
                                                           : info.width >= 0 && info.height >= 0);
    if (info.format == PictureFormat::Jpeg)
        VIREO_FUZZ_CHECK(IsJpegData(body));
    return 0;
}

const std::vector<Target> &targets()
{
    static const std::vector<Target> all = {
        {"fuzz_id3v2", id3v2}, {"fuzz_id3v1", id3v1}, {"fuzz_mpeg", mpeg}, {"fuzz_m3u", m3u},
        {"fuzz_tagcache", tagcache}, {"fuzz_settings", settings}, {"fuzz_compilations", compilations},
        {"fuzz_coversearch", coversearch},
    };
    return all;
}

} // namespace vireo::fuzz

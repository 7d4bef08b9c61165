#pragma once
// The catalogue of the settings file: every entry's catalogue name, section,
// key, default text and value form, in the catalogue's fixed order, and the
// store of the program's own settings file built from it.
#include "core/settings/RegManager.h"

#include <QStringView>

#include <memory>
#include <span>

namespace vireo {

enum class SettingForm {
    Text,
    Integer,
    Boolean,
    Color,     // a colour name or "$" and eight hexadecimal digits
    Font,      // five keys: Key + "_FontName", "_FontSize", "_FontColor", "_FontStyle", "_FontCharset"
    CommaText, // a list of texts on one line
};

struct CatalogueRow {
    QStringView name;
    QStringView section;
    QStringView key;
    // For a font: its design font as fontToText gives it.
    QStringView defaultValue;
    SettingForm form;
};

// The 66 rows in catalogue order.
std::span<const CatalogueRow> settingsCatalogue();
// The row of a catalogue name (without regard to case), or null.
const CatalogueRow *findCatalogueRow(QStringView name);
// The default a read of this row stands in with on this system: the
// catalogue text, except that the playlist folder (MP3FavDir) defaults to the
// user's music folder with a final "/".
QString catalogueDefault(const CatalogueRow &row);
QString defaultPlaylistFolder();

// Fills a store's catalogue with every row.
void fillSettingsCatalogue(TRegItems &items);
// A store over programPath(".ini") with the whole catalogue.
std::unique_ptr<TRegManager> makeSettingsStore();

// Reads one entry in its form and gives it as text: integers in decimal,
// booleans "1" or "0", colours by name or "$" hexadecimal, fonts as
// fontToText, texts as stored.
QString readSettingText(TRegManager &store, const CatalogueRow &row);
// Writes one entry from such a text with the entry's form (a colour given
// as "$00FFFFFF" is stored "clWhite"). Fails, writing nothing, when the text
// does not fit the form.
Result writeSettingText(TRegManager &store, const CatalogueRow &row, const QString &text);

} // namespace vireo

#pragma once
// Comma text: a list of strings on one line, as the hidden-genre setting
// stores it. Items with a blank, a control character, a double quote or a
// comma are double-quoted with inner quotes doubled.
#include <QString>
#include <QStringList>
#include <QStringView>

namespace vireo {

// Joins the items with ","; exactly one empty item is written as "\"\"".
QString writeCommaText(const QStringList &items);
// Skips blanks and control characters between items; a quoted item runs to
// its closing quote (doubled quotes are one), an unquoted one to the next
// comma or blank. A comma at the very end adds an empty last item.
QStringList readCommaText(QStringView text);

} // namespace vireo

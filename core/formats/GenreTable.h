#pragma once
// The fixed table of the 148 ID3v1 genre names (codes 0 to 147): turns a
// genre code into the name the user sees and back.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>

namespace vireo {

constexpr int GenreCount = 148;
constexpr uint8_t NoGenre = 255;

// The name of codes 0..147; the empty text for any other code (255 included).
QString GenreName(int code);
// The code of the first name equal to `name` with ASCII letters folded to
// upper case; 255 when none matches (no trimming: "Rock " is not Rock).
uint8_t GenreCode(QStringView name);
// Appends all names in code order, so that a list index equals the code.
void FillGenreList(QStringList &list);

} // namespace vireo

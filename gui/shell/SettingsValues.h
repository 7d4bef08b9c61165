#pragma once
// Stored colours and fonts as the window shows them, and back.
#include <QColor>
#include <QFont>

#include <cstdint>

class QWidget;

namespace vireo {
struct FontValue;
}

namespace vireo::gui {

// A stored colour as the window shows it: system colours become the matching
// roles of the application palette.
QColor toQColor(uint32_t value);
QFont toQFont(const FontValue &font);
// Keeps the stored colour and character set of `base`, which a QFont does not hold.
FontValue fromQFont(const QFont &font, const FontValue &base);
// A view's background (Base role) and text colour; an unset colour changes nothing.
void setBackground(QWidget *widget, uint32_t colour);
void setTextColour(QWidget *widget, uint32_t colour);

} // namespace vireo::gui

#include "gui/shell/SettingsValues.h"

#include "core/settings/SettingValues.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace vireo::gui {

QColor toQColor(uint32_t value)
{
    if (isSystemColor(value)) {
        const QPalette pal = QApplication::palette();
        switch (systemColorIndex(value)) {
        case 5: return pal.color(QPalette::Base);
        case 8: return pal.color(QPalette::Text);
        case 13: return pal.color(QPalette::Highlight);
        case 14: return pal.color(QPalette::HighlightedText);
        case 15: return pal.color(QPalette::Button);
        case 16: return pal.color(QPalette::Dark);
        case 17: return pal.color(QPalette::Disabled, QPalette::Text);
        case 18: return pal.color(QPalette::ButtonText);
        case 20: return pal.color(QPalette::Light);
        case 21: return pal.color(QPalette::Shadow);
        case 22: return pal.color(QPalette::Midlight);
        case 23: return pal.color(QPalette::ToolTipText);
        case 24: return pal.color(QPalette::ToolTipBase);
        case 4: return pal.color(QPalette::Window);
        case 7: return pal.color(QPalette::WindowText);
        default: return pal.color(QPalette::Window);
        }
    }
    if (value == colors::None || value == colors::Default)
        return {};
    return QColor(colorRed(value), colorGreen(value), colorBlue(value));
}

QFont toQFont(const FontValue &font)
{
    QFont f(font.name);
    if (font.size > 0)
        f.setPointSize(font.size);
    f.setBold(font.style & FontValue::Bold);
    f.setItalic(font.style & FontValue::Italic);
    f.setUnderline(font.style & FontValue::Underline);
    f.setStrikeOut(font.style & FontValue::StrikeOut);
    return f;
}

FontValue fromQFont(const QFont &f, const FontValue &base)
{
    FontValue out = base;
    out.name = f.family();
    if (f.pointSize() > 0)
        out.size = f.pointSize();
    out.style = (f.bold() ? FontValue::Bold : 0) | (f.italic() ? FontValue::Italic : 0) |
                (f.underline() ? FontValue::Underline : 0) | (f.strikeOut() ? FontValue::StrikeOut : 0);
    return out;
}

void setBackground(QWidget *widget, uint32_t colour)
{
    const QColor c = toQColor(colour);
    if (!c.isValid())
        return;
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, c);
    widget->setPalette(pal);
}

void setTextColour(QWidget *widget, uint32_t colour)
{
    const QColor c = toQColor(colour);
    if (!c.isValid())
        return;
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Text, c);
    widget->setPalette(pal);
}

} // namespace vireo::gui

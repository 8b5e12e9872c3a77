#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

/// Gives one colour role of a widget's palette another colour, leaving the rest of the palette as it is.
inline void SetPaletteColor(QWidget& widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
}

#pragma once

#include <QRgb>
#include <QVector>

// The seven mark colours, indexed by the dl_mark_color preference.
QVector<QRgb> &markPalette();
// Dash pattern of the rectangle mark's frame.
QVector<qreal> &rectDashPattern();
// Dash pattern of the guide lines that follow a length drag.
QVector<qreal> &guideDashPattern();

// Fills the palette and dash patterns; runs once at start-up before any mark exists.
void initMarkPalette();

// The mark colour with red, green and blue lowered by 15 (never below 0), opaque.
QRgb darkShadeOf(QRgb color);

#pragma once

#include <QRect>
#include <QSize>

// Where the editor window goes so that a newly opened picture fits better: grown evenly
// about its centre towards the scene's size, at most to 80 % of the screen, never shrunk.
// window is the current client geometry, view the canvas view's size, scene the rounded
// scene rectangle's size, screen the primary screen's size. Returns window unchanged when
// the view already shows the whole scene or the window already has the wanted size.
QRect grownWindowGeometry(
    const QRect &window, const QSize &view, const QSize &scene, const QSize &screen);

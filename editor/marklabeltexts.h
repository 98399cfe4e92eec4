#pragma once

#include <QString>

class QGraphicsScene;

// The label texts of the selected marks as plain text, one line per mark, lowest in the
// stack (the oldest) first: a length "201", a rectangle "278,108(281x96)", a colour in the
// chosen format, a comment's own text.
QString selectedMarkTexts(const QGraphicsScene *scene);

#pragma once

#include <QIcon>
#include <QString>

// The editor window's dark style sheet; its selectors match exact classes, so the
// canvas view (a subclass) keeps its own background.
QString editorStyleSheet();

// The window icon in every size the resources hold.
QIcon applicationIcon();

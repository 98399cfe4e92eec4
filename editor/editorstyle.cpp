#include "editorstyle.h"

QString editorStyleSheet()
{
    return QStringLiteral(
        ".QWidget { background-color: rgb(40,43,53); }\n"
        ".QToolButton { font-size: 11px; color: white; border: none; }\n"
        ".QToolButton:hover { font-size: 11px; border: 1px solid rgba(100, 100, 100, 150); "
        "border-radius: 3px; background-color: rgba(100, 100, 100, 150); }\n"
        ".QToolButton:pressed { font-size: 11px; border: 1px solid rgba(80, 80, 80, 150); "
        "border-radius: 3px; background-color: rgba(80, 80, 80, 150); }\n"
        ".QToolButton:checked { font-size: 11px; border: none; border-radius: 3px; "
        "background-color: rgb(60, 198, 74); }\n"
        "QFrame[frameShape=\"4\"] { color: black; }\n");
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/DL/images/DLAppIcon%1.png").arg(side), QSize(side, side));
    icon.addFile(QStringLiteral(":/DL/images/DLAppIcon.png"), QSize(256, 256));
    return icon;
}

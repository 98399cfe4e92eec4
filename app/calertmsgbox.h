#pragma once

#include <QMessageBox>

// A short note that stays for a fixed time and then lets its caller go on.
class CAlertMsgBox : public QMessageBox
{
    Q_OBJECT
public:
    explicit CAlertMsgBox(QWidget *parent = nullptr);

    // Shows the box without blocking other windows and returns after the given time,
    // also when the user has closed the box earlier.
    void showFor(int milliseconds);
};

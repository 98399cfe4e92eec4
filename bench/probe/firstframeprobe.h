#pragma once

#include <QObject>
#include <QSize>

// Watches every event of the application for the first paint of a main window. Once that
// frame is complete (the event loop is back from painting and flushing it) it writes one line
// to standard output and ends the process at once:
//   "frame <CLOCK_MONOTONIC ns> <width> <height>"
// With DIMLET_PROBE_OPEN set to a file, it first asks the application to open that file, the
// way the desktop does, waits for the frame that shows it and writes "peak <VmHWM kB>".
class FirstFrameProbe : public QObject
{
    Q_OBJECT
public:
    static void start();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Phase { FirstFrame, Opening, OpenedFrame, Done };

    explicit FirstFrameProbe(const QString &openPath);
    void frameComplete();

    QString m_openPath;
    Phase m_phase = Phase::FirstFrame;
    QSize m_windowSize;
};

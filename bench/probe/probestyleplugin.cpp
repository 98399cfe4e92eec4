#include "probestyleplugin.h"

#include "firstframeprobe.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

QStyle *ProbeStylePlugin::create(const QString &key)
{
    if (key.compare(QLatin1String("dimletprobe"), Qt::CaseInsensitive) != 0)
        return nullptr;
    FirstFrameProbe::start();
    // The offscreen platform's own choice; the proxy only forwards to it.
    const QString base = qEnvironmentVariable("DIMLET_PROBE_BASE_STYLE", QStringLiteral("Fusion"));
    return new QProxyStyle(QStyleFactory::create(base));
}

#pragma once

#include <QStylePlugin>

// Loaded into a process under measurement through QT_STYLE_OVERRIDE=dimletprobe, so the
// program itself carries no measuring code: the style it hands out is the platform's usual
// one, and creating it starts a FirstFrameProbe.
class ProbeStylePlugin : public QStylePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QStyleFactoryInterface" FILE "probestyleplugin.json")
public:
    QStyle *create(const QString &key) override;
};

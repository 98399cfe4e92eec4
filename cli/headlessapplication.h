#pragma once

#include <QApplication>

#include <memory>

// The application object of a command-line program that draws documents: offscreen unless
// QT_QPA_PLATFORM chooses a platform, 96 dpi whatever the screen, and reading the same
// preferences as the editor (mark colour and colour format change what is drawn).
// The program's own arguments are not handed to Qt, which would act on some of them.
std::unique_ptr<QApplication> makeHeadlessApplication(char *programPath);

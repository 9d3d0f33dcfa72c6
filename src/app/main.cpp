// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProgramEnd.h"
#include "app/Unit1.h"
#include "appearance/FontSubstitutes.h"
#include "data/VerbFileFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("German Verb Zandrel"));
    // Names the per-user data folder that keeps review progress, whatever the program file is
    // called: ~/.local/share/german-verb-zandrel, %APPDATA%\german-verb-zandrel.
    QApplication::setApplicationName(QStringLiteral("german-verb-zandrel"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zandrel.GermanVerbZandrel"));
    appearance::registerFontSubstitutes(); // before any control asks for a font
    // The verb file is read from the working directory; a program started elsewhere (from a
    // portable folder, or a shortcut without one) finds the file beside itself.
    QDir::setCurrent(data::verbFileFolder(QDir::currentPath(), QApplication::applicationDirPath()));
    int status = 0;
    {
        // The verb file is read on a second thread while the window is built. Not
        // before the application object: a thread that makes a Qt object (the
        // file) before it exists becomes Qt's main thread.
        app::TForm1 form(app::startReadingVerbFile());

        // For the installed-package tests and the start-up benchmark only: leave
        // as soon as the window is up and the first refresh has run.
        if (qEnvironmentVariableIntValue("ZANDREL_EXIT_AFTER_START") == 1) {
            QObject::connect(&form, &app::TForm1::startUpFinished, &form, [&form] {
                QTimer::singleShot(0, &form, [&form] {
                    const auto *verbs = form.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
                    std::printf("verbs: %d\n", verbs ? verbs->count() : 0);
                    if (verbs) // the verb the window opened on
                        std::printf("shown: %s\n",
                                    verbs->currentText().trimmed().toUtf8().constData());
                    std::fflush(stdout);
                    QApplication::quit();
                });
            });
        }
        form.show();
        status = application.exec();
    } // the window and all it owns are released here
    return app::leaveProgram(status);
}

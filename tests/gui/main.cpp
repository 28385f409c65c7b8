// Runs the widget tests inside one application object.
#include "app/start.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // The settings go to a folder of their own, never the user's: set before anything reads it.
    QTemporaryDir einstellungen;
    if (!einstellungen.isValid())
        return 1;
    ::setenv("XDG_CONFIG_HOME", einstellungen.path().toLocal8Bit().constData(), 1);
    ProgrammNamenSetzen();
    QApplication qt(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Runs the widget tests inside one application object.
#include "app/profilapp.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    CProfilApp anwendung;
    QApplication qt(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

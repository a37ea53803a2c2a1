#include "TestDatabase.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need a QApplication; zarade_test(... WIDGETS) builds this main
// into the test instead of the support library's QCoreApplication one.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RunAllStorageTests();
}

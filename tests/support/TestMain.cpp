#include "TestDatabase.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// Qt's SQL drivers and locale-aware comparisons want an application object.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RunAllStorageTests();
}

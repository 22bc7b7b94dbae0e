#include "tests/support/test_environment.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Qt WebEngine needs a shared GL context set before the application exists; suites that
    // never create a browser are unaffected by it.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    installQtWarningGuard();
    return RUN_ALL_TESTS();
}

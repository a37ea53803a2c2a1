#include "CliApp.h"

#include <QGuiApplication>
#include <QTextStream>

#include <sys/stat.h>

#include <memory>

namespace {

// Prints are drawn with the GUI's fonts and painter, never on a screen;
// the other commands need no GUI at all.
bool DrawsPrints(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "print") == 0 || qstrcmp(argv[i], "payslips") == 0)
            return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Whatever this program creates (databases, exports, prints, pay slips)
    // holds personal data: readable by its owner only, from its first byte.
    umask(077);
    std::unique_ptr<QCoreApplication> app;
    if (DrawsPrints(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Zarade"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = RunCli(QCoreApplication::arguments(), out, err);
    out.flush();
    err.flush();
    return code;
}

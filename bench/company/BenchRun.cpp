#include "BenchRun.h"

#include "BenchDatabase.h"
#include "ScriptedMessages.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>
#include <optional>

namespace {

std::optional<BenchOptions> parse(const QStringList& args, const BenchOptions& defaults) {
    BenchOptions options = defaults;
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--empty")) {
            options.empty = true;
            continue;
        }
        if (i + 1 >= args.size())
            return std::nullopt;
        const QString value = args[++i];
        if (arg == QLatin1String("--db"))
            options.urls << value;
        else if (arg == QLatin1String("--employees"))
            options.plan.employees = value.toInt();
        else if (arg == QLatin1String("--seed"))
            options.plan.seed = value.toULongLong();
        else if (arg.startsWith(QLatin1String("--")) && options.numbers.contains(arg.mid(2)))
            options.numbers[arg.mid(2)] = value.toInt();
        else
            return std::nullopt;
    }
    if (options.plan.employees <= 0)
        return std::nullopt;
    for (int number : options.numbers)
        if (number <= 0)
            return std::nullopt;
    return options;
}

}  // namespace

void OpenBenchCompany(Connection& connection, const QString& url, const BenchOptions& options, QTextStream& out) {
    OpenBenchDatabase(connection, url, options.empty, out);
    QElapsedTimer timer;
    timer.start();
    const CompanyFigures company = GenerateCompany(connection, options.plan);
    out << "preduzeće: " << company.employees << " zaposlenih, " << company.historyDocuments
        << " proknjiženih obračuna sa " << company.historyLines << " stavki (" << timer.elapsed() << " ms)\n";
}

void MeasureStep(QTextStream& out, Connection& connection, const QString& title, const std::function<int()>& body) {
    const quint64 before = connection.statementCount();
    QElapsedTimer timer;
    timer.start();
    const int rows = body();
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
    out << title << ": " << rows << " redova, " << QString::number(milliseconds, 'f', 0) << " ms; "
        << connection.statementCount() - before << " SQL naredbi; najviše memorije "
        << QString::number(PeakMegabytes(), 'f', 0) << " MB\n";
    out.flush();
}

int RunCompanyBench(int argc, char* argv[], const QString& name, const BenchOptions& defaults,
                    const std::function<void(QTextStream& out, const QString& url, const BenchOptions& options)>& run) {
    if (defaults.prints && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(defaults.prints ? new QGuiApplication(argc, argv)
                                                          : new QCoreApplication(argc, argv));
    QTextStream out(stdout), err(stderr);
    std::optional<BenchOptions> options = parse(QCoreApplication::arguments(), defaults);
    if (!options) {
        err << "Upotreba: " << name << " [--db URL] [--employees N]";
        for (auto number = defaults.numbers.begin(); number != defaults.numbers.end(); ++number)
            err << " [--" << number.key() << " N]";
        err << " [--seed S] [--empty]\n";
        return 2;
    }
    QTemporaryDir dir;
    if (options->urls.isEmpty()) {
        options->urls << QStringLiteral("sqlite:") + dir.filePath(name + QStringLiteral(".db"));
        if (const QString server = qEnvironmentVariable("ZARADE_BENCH_MYSQL_URL"); !server.isEmpty())
            options->urls << server;
    }
    try {
        for (const QString& url : options->urls)
            run(out, url, *options);
        return 0;
    } catch (const EDatabaseError& e) {
        err << "Greška: " << e.message() << "\n";
        return 1;
    } catch (const UnansweredQuestion& e) {
        err << "Pitanje bez odgovora: " << e.question() << "\n";
        return 1;
    }
}

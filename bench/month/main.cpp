// bench_month: a regular month of a synthetic company of N employees, each
// step beside its floor, the same number of salary lines simply written.
// Usage: bench_month [--db URL] [--employees N] [--vacation-lines M] [--seed S] [--empty]
// Without --db it runs on SQLite in a temporary file, and on the server that
// ZARADE_BENCH_MYSQL_URL names when it is set. --empty drops the tables of a
// database that already has data first.

#include "BenchDatabase.h"
#include "BenchRun.h"
#include "CompanyGenerator.h"
#include "DatabaseSchema.h"
#include "DBIniFile.h"
#include "EBankFiles.h"
#include "EBankSettings.h"
#include "PaymentErrands.h"
#include "MonthSteps.h"
#include "PaymentLists.h"
#include "Recapitulation.h"
#include "ReportEngine.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "StorageFloor.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QDateTime>
#include <QFile>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <time.h>

#include <functional>
#include <optional>

namespace {


struct Step {
    QString title;
    int lines = 0;
    double milliseconds = 0;
    double floorMilliseconds = 0;
    quint64 statements = 0;
};

QString number(double value, int decimals) { return QString::number(value, 'f', decimals); }

Step measure(Connection& connection, const QString& title, const std::function<int()>& body) {
    Step step;
    step.title = title;
    const quint64 before = connection.statementCount();
    QElapsedTimer timer;
    timer.start();
    step.lines = body();
    step.milliseconds = double(timer.nsecsElapsed()) / 1e6;
    step.statements = connection.statementCount() - before;
    return step;
}

void print(QTextStream& out, const Step& step, const ScriptedMessages& messages) {
    out << step.title << ": " << step.lines << " stavki, " << number(step.milliseconds, 0) << " ms; pod "
        << number(step.floorMilliseconds, 0) << " ms, odnos " << number(step.milliseconds / step.floorMilliseconds, 2)
        << "; " << step.statements << " SQL naredbi (" << number(double(step.statements) / step.lines, 3)
        << " po stavci); najviše memorije " << number(PeakMegabytes(), 0) << " MB\n";
    for (const auto& shown : messages.shown)
        out << "  poruka: " << shown.text << "\n";
    out.flush();
}

double cpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The floor of the prints: the document's lines read once with one query,
// every column of every row.
double readLinesMilliseconds(Connection& connection, qint64 salaryId) {
    QElapsedTimer timer;
    timer.start();
    QSqlQuery lines = connection.exec(SalaryItemSql(), QVariantMap{{QStringLiteral("IDSalary"), salaryId}});
    const int columns = lines.record().count();
    qint64 cells = 0;
    while (lines.next())
        for (int c = 0; c < columns; ++c)
            cells += lines.value(c).isNull() ? 0 : 1;
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
    return cells >= 0 ? milliseconds : 0;
}

// The floor of the e-banking files: `count` files of these bytes created
// one by one, as a folder on the disk takes them.
double createFilesMilliseconds(const QString& prefix, int count, const QByteArray& bytes) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        QFile file(prefix + QString::number(i) + QStringLiteral(".xml"));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw EDatabaseError(QStringLiteral("Ne mogu da upišem %1.").arg(file.fileName()));
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

void runMonth(QTextStream& out, const QString& url, const BenchOptions& options) {
    Connection connection;
    OpenBenchDatabase(connection, url, options.empty, out);
    QElapsedTimer timer;
    timer.start();
    const CompanyFigures company = GenerateCompany(connection, options.plan);
    out << "preduzeće: " << company.employees << " zaposlenih, " << company.deductionSets << " setova obustava, "
        << company.historyDocuments << " proknjiženih obračuna sa " << company.historyLines << " stavki ("
        << timer.elapsed() << " ms)\n";

    ScriptedMessages messages;
    TSalaryDM dm;
    dm.ConnectForEditing(connection, messages);
    OpenMonthDocument(dm, options.plan.year, options.plan.month);

    Step add = measure(connection, QStringLiteral("1. dodavanje svih zaposlenih i upis"),
                       [&] { return AddAllEmployeesAndApply(dm); });
    // The floor's rows are the document's own lines, so they are as wide and as full.
    std::optional<StorageFloor> floor(std::in_place, connection, *dm.SalaryItemZQ);
    add.floorMilliseconds = floor->insertMilliseconds(add.lines);
    print(out, add, messages);
    messages.shown.clear();

    Step raise = measure(connection, QStringLiteral("2. nova vrednost boda, preračun svih stavki i upis"),
                         [&] { return RaisePointValueAndApply(dm); });
    raise.floorMilliseconds = floor->updateMilliseconds(raise.lines);
    print(out, raise, messages);
    messages.shown.clear();

    Step vacation = measure(connection, QStringLiteral("3. sati godišnjeg odmora na stavkama i upis"),
                            [&] { return TypeVacationAndApply(dm, options.numbers.value(QStringLiteral("vacation-lines"))); });
    vacation.floorMilliseconds = floor->updateMilliseconds(vacation.lines);
    print(out, vacation, messages);
    messages.shown.clear();

    // Posting writes the header alone: its floor is one row.
    floor.reset();
    StorageFloor oneRow(connection, *dm.SalaryItemZQ);
    Step post = measure(connection, QStringLiteral("4. knjiženje"), [&] { return PostDocument(dm); });
    post.floorMilliseconds = oneRow.updateMilliseconds(1);
    print(out, post, messages);
    out << "širina reda: " << oneRow.width() << " kolona\n";

    // What is printed about the posted month: the payment lists and the
    // recapitulation that sums them, against reading the lines once.
    const qint64 salaryId = dm.SalaryZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt();
    Step lists = measure(connection, QStringLiteral("5. platni spisak i rekapitulacija"), [&] {
        PrepareRecapitulation(dm, RecapitulationAll, true);
        return dm.PaymentListsItemCDS->recordCount();
    });
    lists.floorMilliseconds = readLinesMilliseconds(connection, salaryId);
    print(out, lists, messages);

    // Pay slips of the whole month into one PDF.
    QTemporaryDir pdfDir;
    TReportEngine engine(nullptr, &connection);
    engine.renderToPdf(pdfDir.filePath(QStringLiteral("listici.pdf")));
    QElapsedTimer slipTimer;
    slipTimer.start();
    const double cpuBefore = cpuMilliseconds();
    engine.ExecuteSalaryPaymentListsReport(dm.PaymentListsItemCDS, dm.PaymentListsItemCreditItemCDS,
                                           dm.PaymentListsItemDifferenceCDS, dm.PaymentListsItemCoefficientCDS,
                                           dm.SalaryZQ, QString(), QString(), QString(), false);
    const double slipCpu = cpuMilliseconds() - cpuBefore;
    const double slipWall = double(slipTimer.nsecsElapsed()) / 1e6;
    const int pages = engine.LastPageCount();
    out << "6. obračunski listići u PDF: " << pages << " strana, " << number(slipWall, 0) << " ms ("
        << number(pages / slipWall * 1000, 0) << " strana u sekundi; procesor " << number(slipCpu, 0) << " ms, "
        << number(pages / slipCpu * 1000, 0) << " strana u sekundi jednog jezgra)\n";
    out.flush();

    // The payment orders of the month and both e-banking files: the order
    // set of the e-banking road built once, one SAGA file per order and the
    // Halcom file. Its floor: as many files of the same size simply created
    // in a folder of the same disk (what a SAGA run cannot do without).
    QTemporaryDir bankDir;
    TEBankSagaSettings saga = ReadEBankSagaSettings(TDBIniFile(connection), QLatin1Char('Z'));
    saga.ExportDir = bankDir.filePath(QStringLiteral("saga-"));
    TEBankHalcomSettings halcom;
    halcom.ExportDir = bankDir.filePath(QStringLiteral("halcom-"));
    messages.shown.clear();
    // A SAGA order is about 1,100 bytes; as many as the lines and the recipients of deductions.
    const double floorBefore = createFilesMilliseconds(bankDir.filePath(QStringLiteral("floor-")),
                                                       dm.PaymentListsItemCDS->recordCount() + 3000, QByteArray(1100, 'x'));
    int sagaFiles = 0;
    double setMs = 0, sagaMs = 0, halcomMs = 0;
    Step bank = measure(connection, QStringLiteral("7. nalozi za prenos, SAGA i Halcom"), [&] {
        QElapsedTimer lap;
        lap.start();
        const QDateTime now = QDateTime::currentDateTime();
        messages.answerText(QString());  // the reference number of the taxes
        PreparePaymentErrands(dm, messages, TErrandsRoad::EBank);
        setMs = double(lap.nsecsElapsed()) / 1e6;
        sagaFiles = int(EBankSAGAExport(*dm.PaymentErrandsCDS, saga, now).size());
        sagaMs = double(lap.nsecsElapsed()) / 1e6 - setMs;
        EBankHalcomExport(*dm.PaymentErrandsCDS, halcom, now);
        halcomMs = double(lap.nsecsElapsed()) / 1e6 - setMs - sagaMs;
        return dm.PaymentErrandsCDS->recordCount();
    });
    // The floor after the step as well, and the better of the two: the disk is shared.
    bank.floorMilliseconds = std::min(floorBefore, createFilesMilliseconds(bankDir.filePath(QStringLiteral("floor2-")),
                                                                           sagaFiles, QByteArray(1100, 'x')));
    print(out, bank, messages);
    out << "   nalozi " << number(setMs, 0) << " ms, " << sagaFiles << " SAGA datoteka " << number(sagaMs, 0)
        << " ms, Halcom " << number(halcomMs, 0) << " ms; pod: toliko datoteka iste veličine napravljenih u fascikli\n";
    out.flush();
}

}  // namespace

int main(int argc, char* argv[]) {
    BenchOptions defaults = CompanyOf(10000);
    defaults.numbers.insert(QStringLiteral("vacation-lines"), 1000);
    defaults.prints = true;
    return RunCompanyBench(argc, argv, QStringLiteral("bench_month"), defaults, runMonth);
}

#include "CliImports.h"

#include "AttendanceCsv.h"
#include "CliOutput.h"
#include "CliPayments.h"
#include "CliSession.h"
#include "EmployeeCertificate.h"
#include "SalaryImports.h"
#include "SheetFile.h"
#include "db/DbError.h"
#include "db/Field.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QDate dateOption(QStringList& args, const QString& name) {
    const QString text = TakeOption(args, name);
    const QDate date = ParseDateText(text);
    if (!date.isValid())
        throw EDatabaseError(QStringLiteral("Posle %1 treba navesti datum (GGGG-MM-DD), a ne \"%2\".").arg(name, text));
    return date;
}

double money(double value) { return QString::number(value, 'f', 2).toDouble(); }

}  // namespace

int CommandImport(CliContext& context) {
    QStringList args = context.arguments;
    const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
    const QString source = args.isEmpty() ? QString() : args.takeFirst();
    const bool sheet = source == QLatin1String("sheet");
    if ((source != QLatin1String("attendance") && !sheet) || args.size() != (sheet ? 2 : 1))
        throw EDatabaseError(QStringLiteral("Upotreba: import attendance BROJ_ZARADE | import sheet BROJ_ZARADE DATOTEKA"));
    const qint64 id = DocumentId(args.takeFirst());
    // The file is read whole before the document is touched.
    const TSheet rows = sheet ? ReadSheetFile(args.takeFirst()) : TSheet();
    CliSession session(context);
    session.OpenDocument(id);
    TSalaryDM& dm = session.dm();
    TSheetImport result;
    if (sheet)
        result = ImportSheetLines(dm, rows);
    else
        result.added = ImportAttendanceLines(dm);
    // A line the calculation refused (hours beyond the fund) stores nothing.
    QStringList refused;
    for (const ScriptedMessages::ShownMessage& shown : session.messages().shown)
        if (shown.kind == MessageKind::Error || shown.kind == MessageKind::Warning)
            refused << shown.text << shown.lines;
    if (!refused.isEmpty())
        throw EDatabaseError(refused.join(QLatin1Char('\n')));
    dm.SalaryApply();
    if (format == QLatin1String("csv")) {
        WriteCsv(*dm.SalaryItemZQ, context.out);
        for (const QString& unknown : result.unknown)
            context.err << "Nije dodat: " << unknown << "\n";
        return 0;
    }
    QJsonObject object;
    object.insert(QStringLiteral("added"), result.added);
    object.insert(QStringLiteral("unknown"), QJsonArray::fromStringList(result.unknown));
    object.insert(QStringLiteral("lines"), JsonRows(*dm.SalaryItemZQ));
    context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
    return 0;
}

int CommandAttendance(CliContext& context) {
    QStringList args = context.arguments;
    const bool partial = TakeFlag(args, QStringLiteral("--partial"));
    if (args.size() != 2 || args.first() != QLatin1String("import"))
        throw EDatabaseError(QStringLiteral("Upotreba: attendance import DATOTEKA.csv [--partial]"));
    auto connection = OpenDatabase(context);
    const AttendanceImportResult result = ImportAttendanceCsvFile(
        *connection, args.at(1), partial ? ImportMode::StoreValidRows : ImportMode::AllOrNothing);
    for (const QString& line : result.reportLines())
        context.err << line << "\n";
    context.out << result.summary() << "\n";
    // With --partial the accepted rows were the point; the rejected ones are listed.
    return result.fileError.isEmpty() && (partial || result.rejected.empty()) ? 0 : 1;
}

int CommandCertificate(CliContext& context) {
    QStringList args = context.arguments;
    const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
    const QDate from = dateOption(args, QStringLiteral("--from"));
    const QDate to = dateOption(args, QStringLiteral("--to"));
    if (args.size() != 1)
        throw EDatabaseError(QStringLiteral("Upotreba: certificate ŠIFRA --from GGGG-MM-DD --to GGGG-MM-DD"));
    CliSession session(context);
    TSalaryDM& dm = session.dm();
    const qint64 employee = dm.CreditEmployeeOfText(args.first());
    if (employee <= 0)
        throw EDatabaseError(QStringLiteral("Nema aktivnog zaposlenog sa šifrom \"%1\".").arg(args.first()));
    const TCertificateAverages averages = PrepareEmployeeCertificate(dm, employee, from, to);
    const TDataSet& rows = *dm.EmployeeCertificateCDS;
    if (format == QLatin1String("csv")) {
        WriteCsv(rows, context.out);
        return 0;
    }
    QJsonObject object;
    object.insert(QStringLiteral("rows"), JsonRows(rows));
    object.insert(QStringLiteral("months"), averages.months);
    object.insert(QStringLiteral("averages"), QJsonObject{{QStringLiteral("salaryvalue"), money(averages.gross)},
                                                          {QStringLiteral("paymentvalue"), money(averages.net)},
                                                          {QStringLiteral("paymentnetvalue"), money(averages.paid)}});
    context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
    return 0;
}

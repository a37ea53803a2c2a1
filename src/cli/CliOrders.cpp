#include "CliOrders.h"

#include "CliOutput.h"
#include "CliPayments.h"
#include "CliSession.h"
#include "DBIniFile.h"
#include "EBankExport.h"
#include "PaymentErrands.h"
#include "TextModePrint.h"
#include "TextModeSettings.h"
#include "Windows1250.h"
#include "db/DbError.h"

#include <QDateTime>
#include <QSaveFile>

namespace {

// The warnings the preparation showed (accounts that fail their check), to stderr.
void ReportWarnings(const CliContext& context, const ScriptedMessages& messages) {
    for (const ScriptedMessages::ShownMessage& shown : messages.shown) {
        if (shown.kind != MessageKind::Warning && shown.kind != MessageKind::Error)
            continue;
        context.err << "Upozorenje: " << shown.text << "\n";
        for (const QString& line : shown.lines)
            context.err << "  " << line << "\n";
    }
}

void WriteLines(const QString& fileName, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += EncodeWindows1250(line) + "\r\n";
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EDatabaseError(QStringLiteral("Ne mogu da upišem datoteku %1: %2").arg(fileName, file.errorString()));
}

}  // namespace

int CommandOrders(CliContext& context) {
    QStringList args = context.arguments;
    const QString account = TakeOption(args, QStringLiteral("--account"));
    const QString reference = TakeOption(args, QStringLiteral("--reference"));
    const bool credits = TakeFlag(args, QStringLiteral("--credits"));
    const bool text = TakeFlag(args, QStringLiteral("--text"));
    const QString out = TakeOption(args, QStringLiteral("--out"));
    const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
    if (account.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti račun sa koga se plaća: --account RAČUN."));
    if (text && out.isEmpty())
        throw EDatabaseError(QStringLiteral("Tekstualni mod se piše u datoteku: --text --out DATOTEKA."));
    CliSession session(context);
    OpenNamedDocument(session, args);
    RefuseLeftovers(args);
    TSalaryDM& dm = session.dm();
    session.messages().answerText(account);
    session.messages().answerText(reference);
    if (text) {
        QStringList lines;
        GenerateTextModePrint(dm, session.messages(), lines);
        const TTextModeSettings settings = ReadTextModeSettings(TDBIniFile(session.connection()));
        const QStringList printed = TextModePrinterLines(lines, settings.LeftMargin);
        WriteLines(out, printed);
        context.out << out << " (" << printed.size() << " redova)\n";
        return 0;
    }
    PreparePaymentErrands(dm, session.messages(), TErrandsRoad::Print);
    WriteRows(credits ? *dm.CreditsCDS : *dm.PaymentErrandsCDS, format, context.out);
    return 0;
}

int CommandEBank(CliContext& context) {
    QStringList args = context.arguments;
    const QString reference = TakeOption(args, QStringLiteral("--reference"));
    const bool dirGiven = args.contains(QStringLiteral("--dir"));
    const QString dir = TakeOption(args, QStringLiteral("--dir"));
    if (args.isEmpty() || (args.first() != QLatin1String("saga") && args.first() != QLatin1String("halcom")))
        throw EDatabaseError(QStringLiteral("Upotreba: ebank saga|halcom ID [--reference POZIV] [--dir FASCIKLA]"));
    const bool saga = args.takeFirst() == QLatin1String("saga");
    CliSession session(context);
    OpenNamedDocument(session, args);
    RefuseLeftovers(args);
    session.messages().answerText(reference);
    const std::optional<QString> directory = dirGiven ? std::optional<QString>(dir) : std::nullopt;
    const QDateTime now = QDateTime::currentDateTime();
    const QStringList files = saga ? ExportEBankSaga(session.dm(), session.messages(), now, directory)
                                   : ExportEBankHalcom(session.dm(), session.messages(), now, directory);
    ReportWarnings(context, session.messages());
    if (files.isEmpty())
        context.err << "Ništa nije upisano: fascikla za izvoz nije zadata (podešavanje "
                    << (saga ? "EBankExportDir" : "EBankExportDirHalcom") << " je prazno).\n";
    for (const QString& file : files)
        context.out << file << "\n";
    return 0;
}

#include "CliEmployees.h"

#include "DatabaseSchema.h"
#include "EmployeeCsv.h"
#include "EmployeeRegister.h"
#include "ScriptedMessages.h"
#include "db/Connection.h"
#include "db/DbError.h"

namespace {

int usageError(CliContext& context) {
    context.err << "Upotreba: zarade-cli [--db URL] employees import DATOTEKA [--all-or-nothing]\n"
                   "          zarade-cli [--db URL] employees export DATOTEKA\n";
    return 2;
}

int importEmployees(CliContext& context, EmployeeRegister& employees, const QString& fileName, ImportMode mode) {
    const EmployeeImportResult result = ImportEmployeesCsvFile(employees, fileName, mode);
    for (const QString& line : result.reportLines())
        context.err << line << "\n";
    (result.ok() ? context.out : context.err) << result.summary() << "\n";
    return result.ok() ? 0 : 1;
}

int exportEmployees(CliContext& context, EmployeeRegister& employees, const QString& fileName) {
    QString error;
    if (!ExportEmployeesCsvFile(employees, fileName, &error)) {
        context.err << "Greška: " << error << "\n";
        return 1;
    }
    context.out << "Izvezeno zaposlenih: " << employees.EmployeeZQ->recordCount() << " u " << fileName << "\n";
    return 0;
}

}  // namespace

int CommandEmployees(CliContext& context) {
    QStringList arguments = context.arguments;
    const bool allOrNothing = arguments.removeAll(QStringLiteral("--all-or-nothing")) > 0;
    if (arguments.size() != 2)
        return usageError(context);
    const QString& action = arguments.at(0);
    const QString& fileName = arguments.at(1);
    if (action != QLatin1String("import") && action != QLatin1String("export"))
        return usageError(context);

    auto connection = OpenDatabase(context);
    if (!DatabaseIsCurrent(*connection))
        throw EDatabaseError(QStringLiteral("Baza nije pripremljena; pokrenite najpre: zarade-cli --db %1 init")
                                 .arg(connection->url().displayText()));
    // Nothing in an import or export asks a question; a question would be a fault.
    ScriptedMessages messages(ScriptedMessages::AnswerPolicy::Fail);
    EmployeeRegister employees(*connection, messages);
    employees.Open();
    if (action == QLatin1String("export"))
        return exportEmployees(context, employees, fileName);
    return importEmployees(context, employees, fileName,
                           allOrNothing ? ImportMode::AllOrNothing : ImportMode::StoreValidRows);
}

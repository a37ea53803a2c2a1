#include "CliSettings.h"

#include "DBIniFile.h"
#include "DatabaseSchema.h"
#include "SalaryDM.h"
#include "db/Connection.h"
#include "db/DbError.h"

namespace {

std::unique_ptr<Connection> OpenPrepared(const CliContext& context) {
    auto connection = OpenDatabase(context);
    if (!DatabaseIsCurrent(*connection))
        throw EDatabaseError(QStringLiteral("Baza nije pripremljena; pokrenite najpre: zarade-cli --db %1 init")
                                 .arg(connection->url().displayText()));
    return connection;
}

QPair<QString, QString> KeyAndValue(const QString& assignment) {
    const int eq = assignment.indexOf(QLatin1Char('='));
    if (eq <= 0)
        throw EDatabaseError(QStringLiteral("Očekivano KLJUČ=vrednost, a ne \"%1\".").arg(assignment));
    return {assignment.left(eq).trimmed(), assignment.mid(eq + 1)};
}

void PrintOptions(Connection& connection, QTextStream& out) {
    TSalaryDM dm;
    dm.SetZConnection(&connection);
    dm.LoadOptions();
    QString section;
    for (const OptionValue& option : DescribeSalaryOptions(dm.Options)) {
        if (option.section != section) {
            section = option.section;
            out << "[" << section << "]\n";
        }
        out << option.key << "=" << option.text << "\n";
    }
}

}  // namespace

int CommandOptions(CliContext& context) {
    auto connection = OpenPrepared(context);
    QStringList args = context.arguments;
    if (args.isEmpty()) {
        PrintOptions(*connection, context.out);
        return 0;
    }
    if (args.takeFirst() != QLatin1String("set") || args.isEmpty())
        throw EDatabaseError(QStringLiteral("Upotreba: options [set KLJUČ=vrednost ...]"));
    // All or nothing: one unreadable value leaves every option as it was.
    Transaction transaction(*connection);
    TDBIniFile store(*connection);
    for (const QString& assignment : args) {
        const auto [key, value] = KeyAndValue(assignment);
        SetSalaryOption(store, key, value);
    }
    transaction.commit();
    PrintOptions(*connection, context.out);
    return 0;
}

int CommandSettings(CliContext& context) {
    auto connection = OpenPrepared(context);
    QStringList args = context.arguments;
    const QString verb = args.isEmpty() ? QString() : args.takeFirst();
    TDBIniFile store(*connection);
    if (verb == QLatin1String("show") && args.size() <= 1) {
        QString section;
        for (const TDBIniFile::Entry& entry : store.Entries(args.value(0))) {
            if (entry.section != section) {
                section = entry.section;
                context.out << "[" << section << "]\n";
            }
            context.out << entry.key << "=" << entry.value << "\n";
        }
        return 0;
    }
    if (verb != QLatin1String("set") || args.size() < 2)
        throw EDatabaseError(QStringLiteral("Upotreba: settings set SEKCIJA KLJUČ=vrednost ... | settings show [SEKCIJA]"));
    const QString section = args.takeFirst();
    if (section.contains(QLatin1Char('=')))
        throw EDatabaseError(QStringLiteral("Posle settings set treba navesti sekciju, npr. CompanyInfo."));
    Transaction transaction(*connection);
    for (const QString& assignment : args) {
        const auto [key, value] = KeyAndValue(assignment);
        store.WriteString(section, key, value);
    }
    transaction.commit();
    return 0;
}

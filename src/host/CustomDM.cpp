#include "CustomDM.h"

#include "ScriptedMessages.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlQuery.h"

#include <QDate>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>

namespace {

std::pair<QString, QString> splitAssignment(const QString& text) {
    const int eq = text.indexOf(QLatin1Char('='));
    if (eq <= 0)
        throw EDatabaseError(QStringLiteral("Neispravna dodela \"%1\".").arg(text));
    return {text.left(eq).trimmed(), text.mid(eq + 1).trimmed()};
}

bool isColumnName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return pattern.match(name).hasMatch();
}

// Dates come in the user's short format; the database wants ISO.
QVariant assignedValue(const QString& text) {
    for (const char* format : {"dd.MM.yyyy.", "d.M.yyyy.", "dd.MM.yyyy", "d.M.yyyy"}) {
        const QDate date = QDate::fromString(text, QLatin1String(format));
        if (date.isValid())
            return date.toString(Qt::ISODate);
    }
    return text;
}

}  // namespace

TCustomDM::TCustomDM(QObject* parent)
    : QObject(parent), defaultMessages_(std::make_unique<ScriptedMessages>(ScriptedMessages::AnswerPolicy::Fail)) {
    messages_ = defaultMessages_.get();
}

TCustomDM::~TCustomDM() = default;

void TCustomDM::DataModuleCreate() {
    validations_.clear();
    CreateFieldValidations();
    validator_ = TValidator(validations_);
}

void TCustomDM::SetZConnection(Connection* connection) {
    connection_ = connection;
    for (TSqlQuery* query : queries_) {
        query->close();
        query->setConnection(connection);
    }
}

bool TCustomDM::Connected() const { return connection_ && connection_->isConnected(); }

void TCustomDM::RegisterQuery(TSqlQuery* query) {
    queries_.push_back(query);
    query->setConnection(connection_);
}

void TCustomDM::CommonBeforePost(TDataSet& dataSet) {
    if (!validator_.Validate(dataSet, *messages_))
        throw EAbort();
}

void TCustomDM::CommonBeforeDelete(TDataSet&) {
    if (confirmDeletes_ && !messages_->confirm(QStringLiteral("Da li ste sigurni da želite da izbrišete zapis?")))
        throw EAbort();
}

int TCustomDM::CopyDataSet(const QString& table, const QString& condition, const QStringList& assignments,
                           const QString&) {
    if (!Connected())
        throw EDatabaseError(QStringLiteral("Veza sa bazom podataka nije otvorena."));
    const auto [conditionColumn, conditionValue] = splitAssignment(condition);
    if (!isColumnName(table) || !isColumnName(conditionColumn))
        throw EDatabaseError(QStringLiteral("Neispravan zahtev za kopiranje tabele \"%1\".").arg(table));
    QHash<QString, QVariant> assigned;
    for (const QString& assignment : assignments) {
        const auto [column, value] = splitAssignment(assignment);
        if (!isColumnName(column))
            throw EDatabaseError(QStringLiteral("Neispravna kolona \"%1\".").arg(column));
        assigned.insert(column.toLower(), assignedValue(value));
    }
    Connection& connection = *connection_;
    QSqlQuery source = connection.exec(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(table, conditionColumn),
                                       {conditionValue});
    const QSqlRecord columns = source.record();
    const QString key = table.toLower() + QStringLiteral("id");
    QStringList names;
    std::vector<int> sourceIndex;
    for (int c = 0; c < columns.count(); ++c) {
        if (columns.fieldName(c).compare(key, Qt::CaseInsensitive) == 0)
            continue;
        names << columns.fieldName(c);
        sourceIndex.push_back(c);
    }
    std::vector<QVariantList> rows;
    while (source.next()) {
        QVariantList row;
        for (size_t i = 0; i < sourceIndex.size(); ++i) {
            const auto it = assigned.constFind(names.at(int(i)).toLower());
            row << (it != assigned.cend() ? *it : source.value(sourceIndex[i]));
        }
        rows.push_back(row);
    }
    if (rows.empty())
        return 0;
    const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(table, names.join(QLatin1Char(',')),
                                    QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(',')));
    Transaction transaction(connection);
    QSqlQuery query(connection.database());
    if (!query.prepare(insert))
        throw EDatabaseError(QStringLiteral("Greška u upitu: %1").arg(Connection::errorText(query.lastError())));
    for (const QVariantList& row : rows) {
        for (int i = 0; i < row.size(); ++i)
            query.bindValue(i, row.at(i));
        connection.countStatement();
        if (!query.exec())
            throw EDatabaseError(QStringLiteral("Kopiranje nije uspelo (%1): %2")
                                     .arg(table, Connection::errorText(query.lastError())));
    }
    transaction.commit();
    return int(rows.size());
}

qint64 TCustomDM::GetLastInsertID() {
    if (!Connected())
        return 0;
    return connection_->lastInsertId();
}

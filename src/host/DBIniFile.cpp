#include "DBIniFile.h"

#include "db/Connection.h"

TDBIniFile::TDBIniFile(Connection& connection) : connection_(connection) {}

QString TDBIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const {
    QSqlQuery query = connection_.exec(
        QStringLiteral("SELECT value FROM dbinifile WHERE section = ? AND keyname = ?"), {section, key});
    return query.next() ? query.value(0).toString() : defaultValue;
}

int TDBIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = ReadString(section, key, QString()).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

bool TDBIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    const QString text = ReadString(section, key, QString()).trimmed();
    if (text.isEmpty())
        return defaultValue;
    bool ok = false;
    const int number = text.toInt(&ok);
    if (ok)
        return number != 0;
    return text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0
        || text.compare(QLatin1String("y"), Qt::CaseInsensitive) == 0;
}

void TDBIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    Transaction transaction(connection_);
    if (ValueExists(section, key))
        connection_.exec(QStringLiteral("UPDATE dbinifile SET value = ? WHERE section = ? AND keyname = ?"),
                         {value, section, key});
    else
        connection_.exec(QStringLiteral("INSERT INTO dbinifile (section, keyname, value) VALUES (?, ?, ?)"),
                         {section, key, value});
    transaction.commit();
}

void TDBIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void TDBIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TDBIniFile::ValueExists(const QString& section, const QString& key) const {
    return connection_
               .scalar(QStringLiteral("SELECT COUNT(*) FROM dbinifile WHERE section = ? AND keyname = ?"),
                       {section, key})
               .toInt()
        > 0;
}

void TDBIniFile::DeleteKey(const QString& section, const QString& key) {
    connection_.exec(QStringLiteral("DELETE FROM dbinifile WHERE section = ? AND keyname = ?"), {section, key});
}

QList<TDBIniFile::Entry> TDBIniFile::Entries(const QString& section) const {
    QSqlQuery query = section.isEmpty()
        ? connection_.exec(QStringLiteral("SELECT section, keyname, value FROM dbinifile ORDER BY section, keyname"))
        : connection_.exec(
            QStringLiteral("SELECT section, keyname, value FROM dbinifile WHERE section = ? ORDER BY keyname"),
            {section});
    QList<Entry> entries;
    while (query.next())
        entries.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    return entries;
}

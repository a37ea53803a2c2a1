#include "Ddl.h"

#include "SqlIdentifier.h"

namespace {

QString SqlType(const ColumnDef& column, SqlDialect dialect)
{
    const bool mysql = dialect == SqlDialect::MySQL;
    switch (column.type) {
    case ColumnType::Key:
        // SQLite grants AUTOINCREMENT only to a column declared exactly INTEGER.
        return mysql ? QStringLiteral("BIGINT NOT NULL AUTO_INCREMENT PRIMARY KEY")
                     : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case ColumnType::LargeInt:
        return QStringLiteral("BIGINT");
    case ColumnType::Integer:
        return mysql ? QStringLiteral("INT") : QStringLiteral("INTEGER");
    case ColumnType::SmallInt:
        return QStringLiteral("SMALLINT");
    case ColumnType::Float:
        return QStringLiteral("DOUBLE");
    case ColumnType::String:
        return QStringLiteral("VARCHAR(%1)").arg(column.size);
    case ColumnType::Flag:
        return QStringLiteral("CHAR(1)");
    case ColumnType::Date:
        return QStringLiteral("DATE");
    case ColumnType::Text:
        return QStringLiteral("TEXT");
    }
    return {};
}

QString NaturalDefault(ColumnType type)
{
    switch (type) {
    case ColumnType::LargeInt:
    case ColumnType::Integer:
    case ColumnType::SmallInt:
    case ColumnType::Float:
        return QStringLiteral("0");
    case ColumnType::String:
        return QStringLiteral("''");
    case ColumnType::Flag:
        return QStringLiteral("'n'");
    case ColumnType::Text:  // MySQL accepts no literal default on a TEXT column.
    case ColumnType::Date:
    case ColumnType::Key:
        break;
    }
    return QStringLiteral("NULL");
}

QString ColumnDefinition(const ColumnDef& column, SqlDialect dialect)
{
    QString sql = SqlIdentifier(column.name, dialect) + u' ' + SqlType(column, dialect);
    if (column.type != ColumnType::Key) {
        // A reference to no row is NULL, never 0.
        const QString defaultValue = !column.references.isEmpty() ? QStringLiteral("NULL")
            : column.defaultValue.isEmpty()                        ? NaturalDefault(column.type)
                                                                   : column.defaultValue;
        sql += QStringLiteral(" NULL DEFAULT ") + defaultValue;
    }
    // MySQL gets its foreign keys as constraints once every table exists.
    if (!column.references.isEmpty() && dialect == SqlDialect::SQLite)
        sql += QStringLiteral(" REFERENCES %1(%2)")
                   .arg(SqlIdentifier(column.references, dialect), SqlIdentifier(KeyColumnOf(column.references), dialect));
    return sql;
}

QString CreateIndexStatement(const TableDef& table, const IndexDef& index, SqlDialect dialect)
{
    QStringList columns;
    for (const QString& column : index.columns)
        columns << SqlIdentifier(column, dialect);
    return QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2 ON %3 (%4)")
        .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(),
             SqlIdentifier(index.name, dialect), SqlIdentifier(table.name, dialect),
             columns.join(QStringLiteral(", ")));
}

}  // namespace

QString AddColumnStatement(const TableDef& table, const ColumnDef& column, SqlDialect dialect) {
    return QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
        .arg(SqlIdentifier(table.name, dialect), ColumnDefinition(column, dialect));
}

QString ModifyColumnStatement(const TableDef& table, const ColumnDef& column) {
    return QStringLiteral("ALTER TABLE %1 MODIFY COLUMN %2")
        .arg(SqlIdentifier(table.name, SqlDialect::MySQL), ColumnDefinition(column, SqlDialect::MySQL));
}

QString IndexStatement(const TableDef& table, const IndexDef& index, SqlDialect dialect) {
    return CreateIndexStatement(table, index, dialect);
}

QString ForeignKeyName(const TableDef& table, const ColumnDef& column) {
    return QStringLiteral("fk_%1_%2").arg(table.name, column.name);
}

QString AddForeignKeyStatement(const TableDef& table, const ColumnDef& column) {
    return QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT %2 FOREIGN KEY (%3) REFERENCES %4 (%5)")
        .arg(table.name, ForeignKeyName(table, column), column.name, column.references, KeyColumnOf(column.references));
}

QStringList CreateTableStatements(const TableDef& table, SqlDialect dialect)
{
    QStringList columns;
    for (const ColumnDef& column : table.columns)
        columns << QStringLiteral("  ") + ColumnDefinition(column, dialect);

    QString createTable = QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (\n%2\n)")
                              .arg(SqlIdentifier(table.name, dialect),
                                   columns.join(QStringLiteral(",\n")));
    if (dialect == SqlDialect::MySQL)
        createTable += QStringLiteral(" ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci");

    QStringList statements{createTable};
    for (const IndexDef& index : table.indexes)
        statements << CreateIndexStatement(table, index, dialect);
    return statements;
}

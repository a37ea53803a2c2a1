#include "Connection.h"

#include "DatabaseFile.h"
#include "DbError.h"

#include <QFile>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>

namespace {

QString sqlForMessage(const QString& sql) {
    const QString simplified = sql.simplified();
    return simplified.size() > 300 ? simplified.left(300) + QStringLiteral("…") : simplified;
}

}  // namespace

Connection::Connection() : name_(QStringLiteral("zarade-%1").arg(quintptr(this), 0, 16)) {}

Connection::~Connection() { close(); }

QSqlDatabase Connection::database() const { return QSqlDatabase::database(name_, false); }

bool Connection::isConnected() const {
    return QSqlDatabase::contains(name_) && database().isOpen();
}

QString Connection::errorText(const QSqlError& error) {
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    return text;
}

void Connection::open(const DbUrl& url) {
    close();
    url_ = url;
    createdFile_ = false;
    QSqlDatabase db;
    if (url.dialect == SqlDialect::SQLite) {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
            throw EDatabaseError(QStringLiteral("Upravljački program za SQLite nije instaliran."));
        createdFile_ = PrepareDatabaseFile(url.path);
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(url.path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    } else {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QMYSQL")))
            throw EDatabaseError(QStringLiteral("Upravljački program za MySQL nije instaliran."));
        db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name_);
        db.setHostName(url.host);
        db.setPort(url.port);
        db.setUserName(url.user);
        db.setPassword(url.password);
        db.setDatabaseName(url.database);
        QString options = QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=10");
        if (!url.socket.isEmpty())
            options += QStringLiteral(";UNIX_SOCKET=") + url.socket;
        // The driver turns TLS on when it is given certificates; without
        // files of its own, the address trusts the system's authorities.
        // requireEncryption() makes sure TLS was in fact agreed.
        const std::pair<const char*, const QString*> files[] = {
            {"SSL_CA", &url.sslCa}, {"SSL_CERT", &url.sslCert}, {"SSL_KEY", &url.sslKey}};
        for (const auto& [option, file] : files)
            if (!file->isEmpty())
                options += QLatin1Char(';') + QLatin1String(option) + QLatin1Char('=') + *file;
        if (url.ssl && url.sslCa.isEmpty() && url.sslCert.isEmpty() && url.sslKey.isEmpty())
            options += QStringLiteral(";SSL_CAPATH=/etc/ssl/certs");
        db.setConnectOptions(options);
    }
    if (!db.open()) {
        const QString reason = errorText(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
        forgetCreatedFile();
        throw EDatabaseError(QStringLiteral("Ne mogu da otvorim bazu podataka %1: %2")
                                 .arg(url.displayText(), reason));
    }
    try {
        prepareSession();
        if (url.ssl)
            requireEncryption();
    } catch (const EDatabaseError& error) {
        db = QSqlDatabase();
        close();
        forgetCreatedFile();
        throw EDatabaseError(QStringLiteral("Ne mogu da otvorim bazu podataka %1: %2")
                                 .arg(url.displayText(), error.message()));
    }
}

// A file this connection made and could not open as a database goes
// again, so that a failed open leaves the folder as it was.
void Connection::forgetCreatedFile() {
    if (createdFile_) {
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            QFile::remove(url_.path + QLatin1String(suffix));
        createdFile_ = false;
    }
}

// The client library quietly goes on in plain text when the server offers
// no TLS; an address that asks for it must not.
void Connection::requireEncryption() {
    QSqlQuery status = exec(QStringLiteral("SHOW SESSION STATUS LIKE 'Ssl_cipher'"));
    if (!status.next() || status.value(1).toString().isEmpty())
        throw EDatabaseError(QStringLiteral("server ne nudi šifrovanu vezu (TLS), a adresa je traži (ssl=1)."));
}

void Connection::prepareSession() {
    if (url_.dialect == SqlDialect::SQLite) {
        // A file that is not an SQLite database opens fine; the first read fails.
        scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"));
        execDirect(QStringLiteral("PRAGMA journal_mode=WAL"));
        execDirect(QStringLiteral("PRAGMA synchronous=NORMAL"));
        // References between tables are kept by the database on every connection.
        execDirect(QStringLiteral("PRAGMA foreign_keys=ON"));
    } else {
        execDirect(QStringLiteral("SET NAMES utf8mb4 COLLATE utf8mb4_unicode_ci"));
    }
}

void Connection::close() {
    if (!QSqlDatabase::contains(name_))
        return;
    {
        QSqlDatabase db = database();
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(name_);
    depth_ = 0;
    rollbackOnly_ = false;
}

QSqlQuery Connection::exec(const QString& sql, const QVariantList& values) {
    if (!isConnected())
        throw EDatabaseError(QStringLiteral("Veza sa bazom podataka nije otvorena."));
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw EDatabaseError(QStringLiteral("Greška u upitu: %1\n%2")
                                 .arg(errorText(query.lastError()), sqlForMessage(sql)));
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    ++statements_;
    if (!query.exec())
        throw EDatabaseError(QStringLiteral("Greška baze podataka: %1\n%2")
                                 .arg(errorText(query.lastError()), sqlForMessage(sql)));
    return query;
}

QSqlQuery Connection::exec(const QString& sql, const QVariantMap& named) {
    if (!isConnected())
        throw EDatabaseError(QStringLiteral("Veza sa bazom podataka nije otvorena."));
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw EDatabaseError(QStringLiteral("Greška u upitu: %1\n%2")
                                 .arg(errorText(query.lastError()), sqlForMessage(sql)));
    for (auto it = named.cbegin(); it != named.cend(); ++it)
        query.bindValue(QLatin1Char(':') + it.key(), it.value());
    ++statements_;
    if (!query.exec())
        throw EDatabaseError(QStringLiteral("Greška baze podataka: %1\n%2")
                                 .arg(errorText(query.lastError()), sqlForMessage(sql)));
    return query;
}

QVariant Connection::scalar(const QString& sql, const QVariantList& values) {
    QSqlQuery query = exec(sql, values);
    return query.next() ? query.value(0) : QVariant();
}

void Connection::execDirect(const QString& sql) {
    if (!isConnected())
        throw EDatabaseError(QStringLiteral("Veza sa bazom podataka nije otvorena."));
    QSqlQuery query(database());
    ++statements_;
    if (!query.exec(sql))
        throw EDatabaseError(QStringLiteral("Greška baze podataka: %1\n%2")
                                 .arg(errorText(query.lastError()), sqlForMessage(sql)));
}

qint64 Connection::lastInsertId() {
    const QString sql = dialect() == SqlDialect::SQLite ? QStringLiteral("SELECT last_insert_rowid()")
                                                        : QStringLiteral("SELECT LAST_INSERT_ID()");
    return scalar(sql).toLongLong();
}

bool Connection::tableExists(const QString& table) {
    if (dialect() == SqlDialect::SQLite)
        return scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = ?"),
                      {table})
                   .toInt()
            > 0;
    return scalar(QStringLiteral("SELECT COUNT(*) FROM information_schema.tables "
                                 "WHERE table_schema = DATABASE() AND table_name = ?"),
                  {table})
               .toInt()
        > 0;
}

void Connection::beginTransaction() {
    if (depth_ == 0) {
        if (!isConnected())
            throw EDatabaseError(QStringLiteral("Veza sa bazom podataka nije otvorena."));
        QSqlDatabase db = database();
        ++statements_;
        if (!db.transaction())
            throw EDatabaseError(
                QStringLiteral("Ne mogu da započnem transakciju: %1").arg(errorText(db.lastError())));
        rollbackOnly_ = false;
    }
    ++depth_;
}

void Connection::atRollback(std::function<void()> undo) {
    if (depth_ > 0)
        undo_.push_back(std::move(undo));
}

void Connection::undoMemory() {
    std::vector<std::function<void()>> undo;
    undo.swap(undo_);
    for (auto it = undo.rbegin(); it != undo.rend(); ++it)
        (*it)();
}

void Connection::commitTransaction() {
    if (depth_ <= 0)
        return;
    if (--depth_ > 0)
        return;
    QSqlDatabase db = database();
    ++statements_;
    if (rollbackOnly_) {
        db.rollback();
        rollbackOnly_ = false;
        undoMemory();
        throw EDatabaseError(QStringLiteral("Transakcija je poništena; izmene nisu sačuvane."));
    }
    if (!db.commit()) {
        const QString reason = errorText(db.lastError());
        db.rollback();
        undoMemory();
        throw EDatabaseError(QStringLiteral("Izmene nisu sačuvane: %1").arg(reason));
    }
    undo_.clear();
}

void Connection::rollbackTransaction() {
    if (depth_ <= 0)
        return;
    if (--depth_ > 0) {
        rollbackOnly_ = true;
        return;
    }
    rollbackOnly_ = false;
    if (isConnected()) {
        ++statements_;
        database().rollback();
    }
    undoMemory();
}

Transaction::Transaction(Connection& connection) : connection_(connection) {
    connection_.beginTransaction();
}

Transaction::~Transaction() {
    if (open_)
        connection_.rollbackTransaction();
}

void Transaction::commit() {
    if (!open_)
        return;
    open_ = false;
    connection_.commitTransaction();
}

void Transaction::rollback() {
    if (!open_)
        return;
    open_ = false;
    connection_.rollbackTransaction();
}

#pragma once

#include <QList>
#include <QString>

class Connection;

// Settings kept in the database (table dbinifile), so that every workstation
// of a company works with the same settings. Sections and keys as in an INI file.
class TDBIniFile {
public:
    explicit TDBIniFile(Connection& connection);

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // Every key of a section (of every section when empty) with its value,
    // ordered by section and key.
    struct Entry {
        QString section, key, value;
    };
    QList<Entry> Entries(const QString& section = {}) const;

    bool ValueExists(const QString& section, const QString& key) const;
    void DeleteKey(const QString& section, const QString& key);

private:
    Connection& connection_;
};

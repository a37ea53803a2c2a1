#pragma once

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

    bool ValueExists(const QString& section, const QString& key) const;
    void DeleteKey(const QString& section, const QString& key);

private:
    Connection& connection_;
};

#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTextStream>

class TDataSet;

// How zarade-cli prints the rows of a dataset: JSON objects keyed by the
// column names, or CSV with a header row; money with two decimals.

// The "--format" value: "json" (also when empty) or "csv"; anything else is refused.
QString OutputFormat(const QString& format);
// The current record as a JSON object.
QJsonObject JsonRow(const TDataSet& dataSet);
// Every record as JSON objects, from the first.
QJsonArray JsonRows(const TDataSet& dataSet);
// The header row and every record, separated by ';'.
void WriteCsv(const TDataSet& dataSet, QTextStream& out);

// The rows as CSV (`format` "csv") or as JSON under "rows".
void WriteRows(const TDataSet& dataSet, const QString& format, QTextStream& out);

// Takes "NAME VALUE" out of the arguments; empty when NAME is not there,
// refused when VALUE is empty.
QString TakeOption(QStringList& args, const QString& name);
// Takes a flag out of the arguments; whether it was there.
bool TakeFlag(QStringList& args, const QString& name);
// A key typed on the command line (a document's salaryid).
qint64 DocumentId(const QString& text);
// Any key typed on the command line; `refusal` (%1: the text) when it is none.
qint64 KeyArgument(const QString& text, const QString& refusal);
// A whole number typed on the command line; `name` says what it is in the refusal.
int WholeNumber(const QString& text, const QString& name);

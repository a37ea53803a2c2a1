#pragma once

#include <QString>
#include <QStringList>

// Conversions between the stored salary type codes ("Z" regular, "B" sick
// leave, "P" transport) and the captions shown for them.

// The caption of a salary type code; empty for an unknown code.
QString GetSalaryCaption(const QString& typeCode);

// The salary type code of a caption; empty for an unknown caption.
QString GetSalaryType(const QString& caption);

// Replaces the list's contents with the captions of all salary types, in the
// order Z, B, P (the order pick lists show them in).
void FillSalaryCaptions(QStringList& list);

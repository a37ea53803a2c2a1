#pragma once

#include <QByteArray>
#include <QString>

// The XML Schema of the PPP-PD declaration as this program writes it
// (PPPPD.xsd, carried inside the library).
const char* PPPPDSchemaText();

// Checks a declaration against the schema: empty when it is valid, else the
// first faults (naming their elements) in one message.
QString ValidatePPPPD(const QByteArray& xml);

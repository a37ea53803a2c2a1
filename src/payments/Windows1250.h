#pragma once

#include <QByteArray>
#include <QString>

// Windows-1250, the code page of the banks' Serbian clients. Qt 6.4's
// QStringConverter has no such codec, and iconv would make the bytes of a
// file depend on the host's glibc; the code page is small enough to carry.

// The text as Windows-1250 bytes; a character the code page lacks becomes "?".
QByteArray EncodeWindows1250(const QString& text);
// Windows-1250 bytes as text; a byte the code page leaves undefined becomes U+FFFD.
QString DecodeWindows1250(const QByteArray& bytes);

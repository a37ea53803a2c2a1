#pragma once

#include <QString>

// A value as the files for banks and the tax administration carry it inside
// an element: '&', '<', '>' and '"' escaped, nothing else changed.
QString XmlEscaped(QString text);

#pragma once

#include <QString>

// Serbian letters written with ASCII, as outside files need them: "Š"→"S",
// "š"→"s", "Đ"→"Dj", "đ"→"dj", "Č"→"C", "č"→"c", "Ć"→"C", "ć"→"c", "Ž"→"Z",
// "ž"→"z"; everything else is kept.
QString Convert1250To1252(const QString& text);

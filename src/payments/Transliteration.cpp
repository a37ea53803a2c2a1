#include "Transliteration.h"

QString Convert1250To1252(const QString& text) {
    static const std::pair<char16_t, const char*> Letters[] = {
        {u'Š', "S"}, {u'š', "s"}, {u'Đ', "Dj"}, {u'đ', "dj"}, {u'Č', "C"},
        {u'č', "c"}, {u'Ć', "C"}, {u'ć', "c"},  {u'Ž', "Z"},  {u'ž', "z"}};
    QString result = text;
    for (const auto& [letter, ascii] : Letters)
        result.replace(QChar(letter), QLatin1String(ascii));
    return result;
}

#include "SheetFile.h"

#include "ImportResourceStrings.h"
#include "SheetReaders.h"
#include "db/DbError.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>

int TSheet::column(const QString& name) const {
    for (int i = 0; i < header.size(); ++i)
        if (header.at(i).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant TSheet::cell(const TSheetRow& row, int column) {
    return column >= 0 && size_t(column) < row.cells.size() ? row.cells[size_t(column)] : QVariant();
}

void ThrowUnreadableSheet(const QString& format, const QString& reason) {
    const QString end = reason.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".");
    throw EDatabaseError(QStringLiteral("Datoteka nije ispravna %1 tabela: %2%3").arg(format, reason, end));
}

TSheet SheetOfRows(std::vector<std::vector<QVariant>> rows, const std::vector<int>& lines) {
    TSheet sheet;
    const auto blank = [](const std::vector<QVariant>& cells) {
        for (const QVariant& cell : cells)
            if (!SheetText(cell).trimmed().isEmpty())
                return false;
        return true;
    };
    bool header = true;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (blank(rows[i]))
            continue;
        if (header) {
            for (const QVariant& cell : rows[i])
                sheet.header << SheetText(cell).trimmed();
            header = false;
        } else {
            sheet.rows.push_back({lines[i], std::move(rows[i])});
        }
    }
    return sheet;
}

TSheet ReadSheetFile(const QString& fileName) {
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (extension != QLatin1String("xls") && extension != QLatin1String("xlsx") && extension != QLatin1String("csv"))
        throw EDatabaseError(QString::fromUtf8(_SAL_WRONG_FILE_FORMAT));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EDatabaseError(QStringLiteral("Datoteka \"%1\" ne može da se otvori: %2.").arg(fileName, file.errorString()));
    if (file.size() == 0)
        throw EDatabaseError(QStringLiteral("Datoteka \"%1\" je prazna.").arg(fileName));
    if (file.size() > MaxSheetFileBytes)
        throw EDatabaseError(QStringLiteral("Datoteka \"%1\" je prevelika (%2 MB); tabela za uvoz može imati najviše %3 MB.")
                                 .arg(fileName)
                                 .arg(double(file.size()) / (1024 * 1024), 0, 'f', 1)
                                 .arg(MaxSheetFileBytes / (1024 * 1024)));
    if (extension == QLatin1String("xls"))
        return ReadXlsSheet(fileName);
    const QByteArray data = file.readAll();
    return extension == QLatin1String("xlsx") ? ReadXlsxSheet(data) : ReadCsvSheet(data);
}

bool SheetNumber(const QVariant& cell, double& value) {
    value = 0;
    if (cell.isNull())
        return true;
    if (cell.typeId() == QMetaType::Double) {
        value = cell.toDouble();
        return std::isfinite(value);
    }
    QString text = cell.toString().trimmed();
    text.remove(QLatin1Char(' '));
    text.remove(QChar(0xA0));
    if (text.isEmpty())
        return true;
    // The separator that comes last is the decimal one; the other groups thousands.
    const qsizetype comma = text.lastIndexOf(QLatin1Char(','));
    const qsizetype point = text.lastIndexOf(QLatin1Char('.'));
    if (comma > point) {
        text.remove(QLatin1Char('.'));
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    } else if (comma >= 0) {
        text.remove(QLatin1Char(','));
    }
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

QString SheetText(const QVariant& cell) {
    if (cell.typeId() == QMetaType::Double) {
        const double number = cell.toDouble();
        if (std::isfinite(number) && number == std::floor(number) && std::fabs(number) < 1e15)
            return QString::number(qint64(number));
        return QString::number(number, 'g', 15);
    }
    return cell.toString();
}

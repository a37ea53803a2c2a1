#include "ReportHtml.h"

#include "CompanyInfo.h"
#include "HostResourceStrings.h"
#include "db/DataSet.h"

#include <QDate>

namespace {

// More columns than this do not fit a readable row on an A4 page.
constexpr int MaxGridColumns = 14;
// From this many columns on the page is turned.
constexpr int LandscapeColumns = 9;
// Label/value pairs per line of a record block.
constexpr int PairsPerLine = 3;

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

QString CellText(const TField& field, const QVariant& value) {
    if (value.isNull())
        return {};
    if (field.dataType() == FieldType::Flag)
        return QString::fromUtf8(value.toString().compare(QLatin1String("y"), Qt::CaseInsensitive) == 0 ? _YES_CAP
                                                                                                        : _NO_CAP);
    return field.formatValue(value, true);
}

QString Align(const TField& field) {
    return IsNumericType(field.dataType()) ? QStringLiteral(" align=\"right\"") : QString();
}

// A cell with an account, a number or a code stays on one line; only text
// with spaces wraps.
QString Cell(const TField& field, const QString& text) {
    const bool oneLine = !text.contains(QLatin1Char(' ')) && text.size() <= 24;
    return QStringLiteral("<td%1%2>%3</td>")
        .arg(Align(field), oneLine ? QStringLiteral(" style=\"white-space: nowrap;\"") : QString(), Escaped(text));
}

// The month and payment date of a dataset's current record, when it has them.
QStringList DocumentLines(const TDataSet* data) {
    QStringList lines;
    if (!data || !data->active() || data->isEmpty())
        return lines;
    const TField* month = data->findField(QStringLiteral("month"));
    const TField* year = data->findField(QStringLiteral("year"));
    const TField* paid = data->findField(QStringLiteral("paymentdate"));
    if (month && year && !month->isNull() && !year->isNull())
        lines << QStringLiteral("Mesec: %1/%2").arg(month->asInteger(), 2, 10, QLatin1Char('0')).arg(year->asInteger());
    if (paid && !paid->isNull())
        lines << QStringLiteral("Datum isplate: %1").arg(paid->asDate().toString(QStringLiteral("dd.MM.yyyy.")));
    return lines;
}

QStringList DocumentLines(const TReport& report) {
    QStringList lines = DocumentLines(report.document);
    for (const TReportSection& section : report.sections) {
        if (!lines.isEmpty())
            break;
        lines = DocumentLines(section.dataSet);
    }
    return lines;
}

QString CompanyBlock(const TCompanyInfo& company) {
    QStringList lines;
    if (!company.Name.isEmpty())
        lines << QStringLiteral("<b>%1</b>").arg(Escaped(company.Name));
    for (const QString& line : CompanyAddressLines(company, true))
        lines << Escaped(line);
    return lines.join(QStringLiteral("<br/>"));
}

QString GridTable(const TDataSet& data, const std::vector<const TField*>& fields) {
    QString html = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
                                  "style=\"border-collapse: collapse; border-color: #808080;\"><thead><tr>");
    for (const TField* field : fields)
        html += QStringLiteral("<th bgcolor=\"#e8e8e8\"%1>%2</th>").arg(Align(*field), Escaped(field->displayLabel()));
    html += QStringLiteral("</tr></thead>");
    for (int row = 0; row < data.recordCount(); ++row) {
        html += QStringLiteral("<tr>");
        for (const TField* field : fields)
            html += Cell(*field, CellText(*field, data.valueAt(row, field->index())));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString RecordBlocks(const TDataSet& data, const std::vector<const TField*>& fields) {
    QString html;
    for (int row = 0; row < data.recordCount(); ++row) {
        html += QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
                               "style=\"border-collapse: collapse; border-color: #808080;\">");
        for (size_t i = 0; i < fields.size(); i += PairsPerLine) {
            html += QStringLiteral("<tr>");
            for (size_t j = i; j < i + PairsPerLine; ++j) {
                if (j < fields.size()) {
                    const TField& field = *fields[j];
                    html += QStringLiteral("<td bgcolor=\"#f0f0f0\">%1</td>").arg(Escaped(field.displayLabel()))
                          + Cell(field, CellText(field, data.valueAt(row, field.index())));
                } else {
                    html += QStringLiteral("<td></td><td></td>");
                }
            }
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table><p></p>");
    }
    return html;
}

}  // namespace

std::vector<const TField*> ReportFields(const TReportSection& section) {
    std::vector<const TField*> fields;
    const TDataSet& dataSet = *section.dataSet;
    if (!section.fields.isEmpty()) {
        for (const QString& name : section.fields)
            if (const TField* field = dataSet.findField(name))
                fields.push_back(field);
        return fields;
    }
    for (int i = 0; i < dataSet.fieldCount(); ++i) {
        const TField* field = dataSet.field(i);
        const bool unlabelledKey = field->displayLabel() == field->fieldName()
            && field->fieldName().endsWith(QLatin1String("id"), Qt::CaseInsensitive);
        if (field->visible() && !unlabelledKey)
            fields.push_back(field);
    }
    return fields;
}

bool ShownAsBlocks(const TReportSection& section) {
    return section.dataSet->recordCount() == 1 || int(ReportFields(section).size()) > MaxGridColumns;
}

bool ReportNeedsLandscape(const TReport& report) {
    for (const TReportSection& section : report.sections)
        if (section.dataSet && section.dataSet->active() && !ShownAsBlocks(section)
            && int(ReportFields(section).size()) >= LandscapeColumns)
            return true;
    return false;
}

QString ReportHtml(const TReport& report, const TCompanyInfo& company) {
    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<table width=\"100%\"><tr><td>%1</td><td align=\"right\">%2</td></tr></table>")
                .arg(CompanyBlock(company), Escaped(DocumentLines(report).join(QLatin1Char('\n')))
                                                .replace(QLatin1Char('\n'), QStringLiteral("<br/>")));
    html += QStringLiteral("<h2 align=\"center\">%1</h2>").arg(Escaped(report.title));
    for (const QString& text : report.texts)
        if (!text.isEmpty())
            html += QStringLiteral("<p align=\"center\">%1</p>").arg(Escaped(text));
    if (!report.note.isEmpty())
        html += QStringLiteral("<p><i>%1</i></p>").arg(Escaped(report.note));
    for (const TReportSection& section : report.sections) {
        // A caption of several lines (an employee, then the averages) keeps them.
        if (!section.caption.isEmpty())
            html += QStringLiteral("<h3>%1</h3>")
                        .arg(Escaped(section.caption)
                                 .replace(QStringLiteral("\r\n"), QStringLiteral("<br/>"))
                                 .replace(QLatin1Char('\n'), QStringLiteral("<br/>")));
        const TDataSet* data = section.dataSet;
        if (!data || !data->active() || data->isEmpty()) {
            html += QStringLiteral("<p>Nema podataka.</p>");
            continue;
        }
        const std::vector<const TField*> fields = ReportFields(section);
        html += ShownAsBlocks(section) ? RecordBlocks(*data, fields) : GridTable(*data, fields);
    }
    return html + QStringLiteral("</body></html>");
}

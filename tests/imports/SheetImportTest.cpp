#include "ImportsFixture.h"
#include "Windows1250.h"

#include <xlsxwriter.h>

// Codes and net amounts of a spreadsheet into a transport document, from
// each format a manager may send: the same sheet as .xls, .xlsx and .csv
// gives the same lines; unknown codes are named; a row whose pay is 0
// leaves no line; a file that is not such a sheet adds nothing.

namespace {

struct SheetRow {
    const char* code;
    const char* name;
    double net;
    double pay;
};

// What tests/imports/data/prevoz.xls holds (its code 2 is a number cell).
const SheetRow Rows[] = {{"001", "Marko Petrović", 3000, 3000},
                         {"2", "Jelena Đorđević", 2500.5, 0},
                         {"999", "Nepoznati Radnik", 1000, 1000}};

void xlsxOfRows(const QString& path) {
    lxw_workbook* book = workbook_new(path.toUtf8().constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Prevoz");
    const char* header[] = {"Kod", "Ime", "Neto", "ZaIsplatu"};
    for (int c = 0; c < 4; ++c)
        worksheet_write_string(sheet, 0, lxw_col_t(c), header[c], nullptr);
    for (int r = 0; r < 3; ++r) {
        worksheet_write_string(sheet, lxw_row_t(r + 1), 0, Rows[r].code, nullptr);
        worksheet_write_string(sheet, lxw_row_t(r + 1), 1, Rows[r].name, nullptr);
        worksheet_write_number(sheet, lxw_row_t(r + 1), 2, Rows[r].net, nullptr);
        worksheet_write_number(sheet, lxw_row_t(r + 1), 3, Rows[r].pay, nullptr);
    }
    EXPECT_EQ(LXW_NO_ERROR, workbook_close(book));
}

// Windows-1250, comma-separated, decimal comma in quotes.
QByteArray csvOfRows() {
    QString text = QStringLiteral("Kod,Ime,Neto,ZaIsplatu\r\n");
    for (const SheetRow& row : Rows)
        text += QStringLiteral("%1,%2,\"%3\",%4\r\n")
                    .arg(QLatin1String(row.code), QString::fromUtf8(row.name),
                         QString::number(row.net).replace(QLatin1Char('.'), QLatin1Char(',')))
                    .arg(row.pay);
    return EncodeWindows1250(text);
}

}  // namespace

TEST_F(ImportsMonth, EverySheetFormatFillsATransportDocumentAlike) {
    addEmployees(QStringLiteral("('2', 'Jelena', 'Đorđević', 'y', 1, 500, 1, 0, 0, 'n')"));
    const QString xlsx = files.filePath(QStringLiteral("prevoz.xlsx"));
    xlsxOfRows(xlsx);
    for (const QString& file : {QStringLiteral(ZARADE_IMPORTS_DATA "/prevoz.xls"), xlsx,
                                write(QStringLiteral("prevoz.csv"), csvOfRows())}) {
        SCOPED_TRACE(file.toStdString());
        const qint64 id = newDocument(QStringLiteral("P"), {QStringLiteral("workinghours=176"), QStringLiteral("taxpercent=10"),
                                                            QStringLiteral("taxfreevalue=0")});
        const CliResult imported = ok({QStringLiteral("import"), QStringLiteral("sheet"), QString::number(id), file});
        const QJsonObject result = QJsonDocument::fromJson(imported.out.toUtf8()).object();
        EXPECT_EQ(1, result.value(QStringLiteral("added")).toInt());
        EXPECT_EQ(QJsonArray{QStringLiteral("999 - Nepoznati Radnik")}, result.value(QStringLiteral("unknown")).toArray());
        ASSERT_EQ(1, lineCount(id));  // the line of 2 paid nothing and went again
        const QJsonObject l = line(id, QStringLiteral("001"));
        EXPECT_EQ(3000, number(l, "paymentvalue"));
        EXPECT_EQ(3000, number(l, "paymentnetvalue"));
        EXPECT_EQ(3333.33, number(l, "salaryvalue"));  // 3 000 / 0.9: grossed up by the document's tax
    }

    // A regular document takes nothing from a sheet; only the unknown code is named.
    const qint64 regular = newDocument(QStringLiteral("176"));
    const CliResult none = ok({QStringLiteral("import"), QStringLiteral("sheet"), QString::number(regular), xlsx});
    EXPECT_TRUE(none.out.contains(QStringLiteral("\"added\": 0"))) << none.out.toStdString();
    EXPECT_TRUE(none.out.contains(QStringLiteral("999 - Nepoznati Radnik")));
    EXPECT_EQ(0, lineCount(regular));
}

TEST_F(ImportsMonth, ASheetThatIsNotOneOfCodesAndNetsAddsNothing) {
    const qint64 id = newDocument(QStringLiteral("P"), {QStringLiteral("workinghours=176")});
    QByteArray garbage(20000, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) % 251);
    const QByteArray large = "Kod;Neto\n" + QByteArray(10 * 1024 * 1024, ' ') + "\n001;100\n";
    const struct {
        QString file;
        const char* message;
    } cases[] = {
        {write(QStringLiteral("bez-neta.csv"), "Kod;Iznos\n001;100\n"), "Pogrešan format datoteke!"},
        {write(QStringLiteral("prevoz.txt"), "Kod;Neto\n001;100\n"), "Pogrešan format datoteke!"},
        {write(QStringLiteral("slovo.csv"), "Kod;Neto\n001;100\n004;sto\n"), "Red 3, kolona \"Neto\": \"sto\" nije broj."},
        {write(QStringLiteral("prazna.xls"), QByteArray()), "je prazna"},
        {write(QStringLiteral("smece.xls"), garbage), "nije ispravna .xls tabela"},
        {write(QStringLiteral("smece.xlsx"), garbage), "nije ispravna .xlsx tabela"},
        {write(QStringLiteral("velika.csv"), large), "je prevelika"},
    };
    for (const auto& [file, message] : cases) {
        const CliResult r = run({QStringLiteral("import"), QStringLiteral("sheet"), QString::number(id), file});
        EXPECT_EQ(1, r.code) << file.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(message))) << file.toStdString() << ": " << r.err.toStdString();
    }
    EXPECT_EQ(0, lineCount(id));
}

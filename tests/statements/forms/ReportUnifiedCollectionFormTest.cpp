#include "PppdMonth.h"

#include "PPPPDSchema.h"
#include "ReportEngine.h"
#include "ReportUnifiedCollectionUnit.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "db/DataSetTableModel.h"
#include "db/SqlQuery.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

// The PPP-PD form over a posted month: built, corrected on cached updates,
// printed and exported; opened for one document it keeps to that document
// and leaves the list and the editor standing where they were.

namespace {

struct PppdForm : PppdMonth {
    ScriptedMessages messages{ScriptedMessages::AnswerPolicy::Fail};
    TSalaryDM dm;
    QTemporaryDir dir;

    void SetUp() override {
        PppdMonth::SetUp();
        if (IsSkipped())
            return;
        dm.ConnectForEditing(*c, messages);
    }

    std::unique_ptr<TReportUnifiedCollectionForm> open() {
        auto form = std::make_unique<TReportUnifiedCollectionForm>(dm, messages, nullptr);
        new QAbstractItemModelTester(form->model(), QAbstractItemModelTester::FailureReportingMode::Fatal, form.get());
        return form;
    }

    static void click(const TReportUnifiedCollectionForm& form, const char* button) {
        form.findChild<QPushButton*>(QLatin1String(button))->click();
    }

    static QString total(const TReportUnifiedCollectionForm& form) {
        return form.findChild<QLabel*>(QStringLiteral("TotalLabel"))->text();
    }

    double stored(const char* sql, qint64 id) { return c->scalar(QLatin1String(sql), {id}).toDouble(); }
};

TEST_F(PppdForm, AMonthIsBuiltCorrectedPrintedAndExported) {
    REQUIRE_TEST_DATABASE();
    const qint64 id = month(QStringLiteral("2025-04-10"));
    post(id);
    const auto form = open();
    form->YearCB->setCurrentText(QStringLiteral("2025"));
    form->MonthCB->setCurrentText(QStringLiteral("04"));
    EXPECT_EQ(0, form->model()->rowCount());
    EXPECT_EQ(QStringLiteral("Ukupno bruto: 0,00"), total(*form));

    click(*form, "AddAllButton");
    ASSERT_EQ(5, form->model()->rowCount());
    const double gross = number(recapitulation(id).at(0).toObject(), "salaryvalue");
    EXPECT_EQ(QStringLiteral("Ukupno bruto: ") + TotalAmountText(gross), total(*form));
    EXPECT_FALSE(form->AddAllButton->isEnabled());

    // A correction is stored by "Primeni"; a row that would declare nobody is refused.
    const int tax = form->model()->columnOf(QStringLiteral("taxvalue"));
    const qint64 row = dm.SalaryReportUnifiedCollectionZQ->fieldByName(QStringLiteral("salaryreportunifiedcollectionid"))
                           ->asLargeInt();
    const auto storedTax = [&] {
        return stored("SELECT taxvalue FROM salaryreportunifiedcollection WHERE salaryreportunifiedcollectionid = ?", row);
    };
    ASSERT_TRUE(form->model()->setData(form->model()->index(0, tax), 1234.5));
    QPushButton* apply = form->findChild<QPushButton*>(QStringLiteral("ApplyButton"));
    EXPECT_TRUE(apply->isEnabled());
    apply->click();
    EXPECT_EQ(1234.5, storedTax());
    const int jmbg = form->model()->columnOf(QStringLiteral("personalidentificator"));
    ASSERT_TRUE(form->model()->setData(form->model()->index(0, jmbg), QString()));
    apply->click();
    EXPECT_TRUE(messages.refusals().contains(QStringLiteral("JMBG"))) << messages.refusals().toStdString();
    EXPECT_EQ(1, stored("SELECT COUNT(*) FROM salaryreportunifiedcollection WHERE personalidentificator = "
                        "'0101990710001' AND salaryid = ?", id));

    // Another month asks before dropping the edits: kept, the month stays; dropped, it changes.
    messages.answerNo();
    form->MonthCB->setCurrentText(QStringLiteral("05"));
    EXPECT_EQ(QStringLiteral("04"), form->MonthCB->currentText());
    messages.answerYes();
    form->MonthCB->setCurrentText(QStringLiteral("05"));
    EXPECT_EQ(0, form->model()->rowCount());
    form->MonthCB->setCurrentText(QStringLiteral("04"));
    ASSERT_EQ(5, form->model()->rowCount());
    // Deleting all is an edit like any other: "Otkaži" drops it.
    click(*form, "DeleteButton");
    EXPECT_EQ(0, form->model()->rowCount());
    EXPECT_EQ(QStringLiteral("Ukupno bruto: 0,00"), total(*form));
    EXPECT_TRUE(form->AddAllButton->isEnabled());
    form->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    EXPECT_EQ(5, stored("SELECT COUNT(*) FROM salaryreportunifiedcollection WHERE salaryid = ?", id));
    EXPECT_EQ(1234.5, storedTax());

    const auto again = open();
    again->YearCB->setCurrentText(QStringLiteral("2025"));
    again->MonthCB->setCurrentText(QStringLiteral("04"));
    ASSERT_EQ(5, again->model()->rowCount());
    TReportEngine engine;
    const QString pdf = dir.filePath(QStringLiteral("ppp-pd.pdf"));
    engine.renderToPdf(pdf);
    again->setReportEngine(&engine);
    click(*again, "PrintButton");
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_EQ(QStringLiteral("PPP-PD"), engine.LastReport().title);
    ASSERT_EQ(1, engine.LastReport().sections.size());
    EXPECT_EQ(QStringLiteral("Godina: 2025, Mesec: 04"), engine.LastReport().sections.at(0).caption);

    // Cancelling the income type writes nothing; a code nobody has leaves an empty declaration.
    const QString xml = dir.filePath(QStringLiteral("ppp-pd"));
    messages.answerNo();
    click(*again, "ExportIncomeTypeButton");
    messages.answerText(QStringLiteral("999999999"));
    messages.answerFileName(xml);
    again->PayerTypeCB->setCurrentIndex(1);
    const size_t before = messages.shown.size();
    click(*again, "ExportIncomeTypeButton");
    EXPECT_TRUE(messages.refusals(before).isEmpty()) << messages.refusals(before).toStdString();
    QFile file(xml + QStringLiteral(".xml"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray declared = file.readAll();
    EXPECT_EQ(QString(), ValidatePPPPD(declared));
    EXPECT_TRUE(declared.contains("<tns:TipIsplatioca>2</tns:TipIsplatioca>"));
    EXPECT_TRUE(declared.contains("<tns:BrojZaposlenih>0</tns:BrojZaposlenih>"));
    EXPECT_TRUE(declared.contains("<tns:DeklarisaniPrihodi></tns:DeklarisaniPrihodi>"));
    EXPECT_EQ(0u, messages.pendingAnswers());
}

TEST_F(PppdForm, OpenedForADocumentBuildsOnlyItsRowsAndOnlyWhenPosted) {
    REQUIRE_TEST_DATABASE();
    const qint64 posted = month(QStringLiteral("2025-04-10"));
    post(posted);
    const qint64 other = month(QStringLiteral("2025-04-20"), {QStringLiteral("partcoefficient=50")});
    post(other);
    const qint64 open = month(QStringLiteral("2025-05-10"));
    // The list of documents, standing on the posted one as the editor would.
    dm.SalarySearch({});
    ASSERT_TRUE(dm.SalaryZQ->locate(QStringLiteral("salaryid"), posted));
    const int listed = dm.SalaryZQ->recordCount();
    dm.SalaryTaxItemsOpen();
    dm.SalaryItemsOpen();
    {
        const TUnifiedCollectionForDocument marked(dm);
        const auto form = this->open();
        EXPECT_FALSE(form->MonthCB->isEnabled());
        EXPECT_EQ(QStringLiteral("04"), form->MonthCB->currentText());
        click(*form, "AddAllButton");
        EXPECT_TRUE(messages.refusals().isEmpty()) << messages.refusals().toStdString();
        ASSERT_EQ(5, form->model()->rowCount());
        EXPECT_EQ(5, stored("SELECT COUNT(*) FROM salaryreportunifiedcollection WHERE salaryid = ?", posted));
        EXPECT_EQ(0, stored("SELECT COUNT(*) FROM salaryreportunifiedcollection WHERE salaryid <> ?", posted));
        // The list and the document's lines are where they were.
        EXPECT_EQ(listed, dm.SalaryZQ->recordCount());
        EXPECT_EQ(posted, dm.SalaryZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt());
        EXPECT_EQ(posted, dm.SalaryItemZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt());
    }
    EXPECT_FALSE(dm.ExportingUnifiedCollection);

    // A document not posted is refused as the command line refuses it.
    ASSERT_TRUE(dm.SalaryZQ->locate(QStringLiteral("salaryid"), open));
    const TUnifiedCollectionForDocument marked(dm);
    const auto form = this->open();
    click(*form, "AddAllButton");
    EXPECT_TRUE(messages.refusals().contains(QStringLiteral("nije proknjižena"))) << messages.refusals().toStdString();
    EXPECT_EQ(0, form->model()->rowCount());
    EXPECT_EQ(0, stored("SELECT COUNT(*) FROM salaryreportunifiedcollection WHERE salaryid = ?", open));
}

}  // namespace

#include "TextModeOptionsUnit.h"

#include "TextPrinter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

TTextModeOptionsBox::TTextModeOptionsBox(QWidget* parent)
    : QGroupBox(QStringLiteral("Nalozi u tekstualnom modu"), parent) {
    setObjectName(QStringLiteral("TextModeGB"));
    TemplatesTC = new QTabWidget(this);
    TemplatesTC->setObjectName(QStringLiteral("TemplatesTC"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (size_t i = 0; i < TemplateM.size(); ++i) {
        TemplateM[i] = new QPlainTextEdit(this);
        TemplateM[i]->setObjectName(QStringLiteral("TextModeReportPaymentErrands%1M").arg(i + 1));
        TemplateM[i]->setFont(fixed);
        TemplateM[i]->setLineWrapMode(QPlainTextEdit::NoWrap);
        TemplatesTC->addTab(TemplateM[i], QStringLiteral("%1. nalog na listu").arg(i + 1));
    }
    PlaceholdersLB = new QListWidget(this);
    PlaceholdersLB->setObjectName(QStringLiteral("PlaceholdersLB"));
    PlaceholdersLB->setToolTip(QStringLiteral("Dvostruki klik upisuje polje u šablon"));
    for (const char* placeholder : TextModePlaceholders())
        PlaceholdersLB->addItem(QLatin1String(placeholder));
    PlaceholdersLB->setMaximumWidth(PlaceholdersLB->sizeHintForColumn(0) + 30);
    connect(PlaceholdersLB, &QListWidget::itemDoubleClicked, this, &TTextModeOptionsBox::InsertPlaceholder);

    FontCB = new QFontComboBox(this);
    FontCB->setObjectName(QStringLiteral("FontCB"));
    FontCB->setFontFilters(QFontComboBox::MonospacedFonts);
    FontCB->setEditable(true);
    PrinterCB = new QComboBox(this);
    PrinterCB->setObjectName(QStringLiteral("PrinterCB"));
    PrinterCB->addItem(QStringLiteral("Podrazumevani štampač"));
    PrinterCB->addItems(TextPrinterNames());
    LeftMarginSE = new QSpinBox(this);
    LeftMarginSE->setObjectName(QStringLiteral("LeftMarginSE"));
    LeftMarginSE->setRange(0, 80);
    LeftMarginSE->setSuffix(QStringLiteral(" razmaka"));
    ConvertTo1252CB = new QCheckBox(QStringLiteral("Srpska slova štampaj bez kvačica (š → s, đ → dj)"), this);
    ConvertTo1252CB->setObjectName(QStringLiteral("ConvertTo1252CB"));

    auto* printer = new QFormLayout;
    printer->addRow(QStringLiteral("Štampač"), PrinterCB);
    printer->addRow(QStringLiteral("Font"), FontCB);
    printer->addRow(QStringLiteral("Levi odmak"), LeftMarginSE);
    printer->addRow(ConvertTo1252CB);

    auto* templates = new QHBoxLayout;
    templates->addWidget(TemplatesTC, 1);
    templates->addWidget(PlaceholdersLB);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(templates, 1);
    layout->addLayout(printer);
}

void TTextModeOptionsBox::ShowSettings(const TTextModeSettings& settings) {
    for (size_t i = 0; i < TemplateM.size(); ++i)
        TemplateM[i]->setPlainText(settings.ReportPaymentErrands[i]);
    FontCB->setEditText(settings.Font);
    // A printer no longer there keeps its place, so that storing changes nothing.
    while (settings.PrinterIndex + 1 >= PrinterCB->count())
        PrinterCB->addItem(QStringLiteral("Štampač broj %1 (nije dostupan)").arg(PrinterCB->count() - 1));
    PrinterCB->setCurrentIndex(std::max(0, settings.PrinterIndex + 1));
    LeftMarginSE->setValue(settings.LeftMargin);
    ConvertTo1252CB->setChecked(settings.ConvertTo1252);
}

TTextModeSettings TTextModeOptionsBox::Settings() const {
    TTextModeSettings settings;
    for (size_t i = 0; i < TemplateM.size(); ++i)
        settings.ReportPaymentErrands[i] = TemplateM[i]->toPlainText();
    settings.Font = FontCB->currentText();
    settings.PrinterIndex = PrinterCB->currentIndex() - 1;
    settings.LeftMargin = LeftMarginSE->value();
    settings.ConvertTo1252 = ConvertTo1252CB->isChecked();
    return settings;
}

void TTextModeOptionsBox::InsertPlaceholder() {
    if (QListWidgetItem* item = PlaceholdersLB->currentItem()) {
        QPlainTextEdit* edit = TemplateM[size_t(std::max(0, TemplatesTC->currentIndex()))];
        edit->insertPlainText(item->text());
        edit->setFocus();
    }
}

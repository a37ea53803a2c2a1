#pragma once

#include "TextModeSettings.h"

#include <QGroupBox>

#include <array>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;

// The part of the options page for payment orders printed in text mode: the
// three templates (one per place on the sheet) with the placeholders they
// may hold beside them (a double click writes one into the template), the
// printer, its font, the left margin and the conversion of Serbian letters.
class TTextModeOptionsBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TTextModeOptionsBox(QWidget* parent = nullptr);

    void ShowSettings(const TTextModeSettings& settings);
    TTextModeSettings Settings() const;

    QTabWidget* TemplatesTC;
    std::array<QPlainTextEdit*, 3> TemplateM;
    QListWidget* PlaceholdersLB;
    QFontComboBox* FontCB;
    QComboBox* PrinterCB;
    QSpinBox* LeftMarginSE;
    QCheckBox* ConvertTo1252CB;

private:
    void InsertPlaceholder();
};

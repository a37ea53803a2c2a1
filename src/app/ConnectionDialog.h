#pragma once

#include "db/DbUrl.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

// Where the data lives: the embedded database file on this computer, or a
// MySQL/MariaDB server shared by several workstations. The choice is tried
// before the dialog closes with OK, so that only a working one is saved.
class TConnectionDialog : public QDialog {
    Q_OBJECT
public:
    explicit TConnectionDialog(const QString& currentUrl, QWidget* parent = nullptr);
    ~TConnectionDialog() override;

    // The URL the controls describe.
    QString Url() const;
    // Opens (and closes again) the database the controls describe and shows
    // the outcome under the controls; true when it opened.
    bool TestConnection();

    QRadioButton* EmbeddedRB;
    QLineEdit* FileE;
    QToolButton* BrowseB;
    QRadioButton* ServerRB;
    QLineEdit* HostE;
    QSpinBox* PortSE;
    QLineEdit* DatabaseE;
    QLineEdit* UserE;
    QLineEdit* PasswordE;
    QCheckBox* SslCB;
    QPushButton* TestButton;
    QLabel* ResultL;
    QPushButton* OKButton;
    QPushButton* CancelButton;

public slots:
    void accept() override;

private:
    void showUrl(const QString& url);
    void updateEnabled();
    void browse();

    QGroupBox* serverBox_;
    DbUrl tlsFiles_;
};

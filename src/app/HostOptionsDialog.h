#pragma once

#include <QDialog>
#include <QPointer>

#include <utility>
#include <vector>

class IOptionsPage;
class QLabel;
class QPushButton;
class QTabWidget;

// The host's options dialog: a page of the host's own (which database the
// program uses) and a page of every loaded module that has one. OK stores
// every page once all of them accept their values; Cancel stores nothing.
class THostOptionsDialog : public QDialog {
    Q_OBJECT
public:
    THostOptionsDialog(const QString& databaseText, const std::vector<IOptionsPage*>& pages,
                       QWidget* parent = nullptr);
    ~THostOptionsDialog() override;

    QTabWidget* PageControl;
    QPushButton* DatabaseButton;
    QPushButton* OKButton;
    QPushButton* CancelButton;

signals:
    // The user wants to choose another database.
    void databaseChangeRequested();

public slots:
    void accept() override;

private:
    // Gives every module page back to its module.
    void releasePages();

    // A page whose frame is gone belongs to a module that was unloaded
    // meanwhile; it is neither asked nor given back.
    std::vector<std::pair<IOptionsPage*, QPointer<QWidget>>> pages_;
};

#pragma once

#include <QDialog>

class IMessages;
class QToolBar;
class QVBoxLayout;

// Base of a module's modal detail forms (a document and its lines): a
// toolbar over the form's own controls, and the host's question about
// unsaved changes when the form is closed.
class TCustomDetailForm : public QDialog {
    Q_OBJECT
public:
    explicit TCustomDetailForm(IMessages& messages, QWidget* parent = nullptr);
    ~TCustomDetailForm() override;

    QToolBar* ActionTB;
    // Where a derived form puts its controls, under the toolbar.
    QVBoxLayout* Body;

    // Closing asks whether to save when this is true.
    virtual bool HasUnsavedChanges() const { return false; }

protected:
    // Stores the changes; false keeps the form open (the user was told why).
    virtual bool SaveChanges() { return true; }
    virtual void DiscardChanges() {}
    IMessages& Messages() const { return messages_; }

    // Escape, the close button and the window's close all come here.
    void reject() override;

    // The question of closing about unsaved changes, also for work that
    // needs them settled first: Yes saves, No discards, Cancel stays. True
    // when the caller may go on (nothing was unsaved, or saved or discarded).
    bool SettleUnsavedChanges();

private:

    IMessages& messages_;
};

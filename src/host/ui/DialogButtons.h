#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;

// The buttons the program's dialogs end with, on the right of one row:
// "&U redu" (the default button) and "&Otkaži" (rejects the dialog). What OK
// does is the dialog's own business; other buttons may join the row.
struct TOkCancelButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QHBoxLayout* row;
};

TOkCancelButtons MakeOkCancelButtons(QDialog* dialog);

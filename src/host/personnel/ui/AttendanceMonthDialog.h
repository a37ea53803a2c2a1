#pragma once

#include <QDialog>

class IMessages;
class QComboBox;
class QSpinBox;
class QTableView;
class TAttendanceMonth;

// One employee's time attendance by the days of a month: the days as rows,
// the hour kinds as columns, typed in place and stored with "Sačuvaj".
class AttendanceMonthDialog : public QDialog {
    Q_OBJECT
public:
    AttendanceMonthDialog(TAttendanceMonth& month, const QString& employee, IMessages& messages,
                          QWidget* parent = nullptr);

    QSpinBox* YearSE;
    QComboBox* MonthCB;
    QTableView* view() const { return view_; }

    // Reads the chosen month; unsaved hours are offered for storing first.
    void MonthChange();
    bool Save();
    void done(int result) override;

private:
    // False when the user chose to stay with unsaved hours.
    bool settleUnsaved();

    TAttendanceMonth& month_;
    IMessages& messages_;
    QTableView* view_;
    int shownYear_ = 0;
    int shownMonth_ = 0;
};

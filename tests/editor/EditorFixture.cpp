#include "EditorFixture.h"

#include "db/Connection.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>

QString ModalOpenedBy(const std::function<void()>& action) {
    QString opened;
    bool looked = false;
    QTimer::singleShot(0, [&] {
        looked = true;
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            opened = QString::fromLatin1(dialog->metaObject()->className());
            dialog->reject();
        }
    });
    action();
    if (!looked)
        QApplication::processEvents();
    return opened;
}

void EditorFixture::SetUp() {
    REQUIRE_TEST_DATABASE();
    c = &db.open();
    dm.ConnectForEditing(*c, messages);
    c->exec(QStringLiteral("INSERT INTO salarytax (defaulttax) VALUES ('y')"));
    const qint64 set = c->lastInsertId();
    const auto item = [&](const char* name, double percent, double freeValue, const char* status, const char* base) {
        c->exec(QStringLiteral("INSERT INTO salarytaxitem (salarytaxid, taxname, taxpercent, taxfreevalue, taxstatus, "
                               "maxsalary, minsalary, chamber, employeecommunitypaymentcode) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, 'n', 'n')"),
                {set, QString::fromUtf8(name), percent, freeValue, QLatin1String(status), QLatin1String(base),
                 QLatin1String(base)});
    };
    item("PIO na teret zaposlenog", 14, 0, "s", "y");
    item("Zdravstveno na teret zaposl.", 5.15, 0, "s", "y");
    item("Nezaposlenost na teret zaposl.", 0.75, 0, "s", "y");
    item("Porez na zarade", 10, 34221, "s", "n");
    item("PIO na teret poslodavca", 10, 0, "a", "y");
    item("Zdravstveno na teret poslod.", 5.15, 0, "a", "y");
    AddEmployee(QStringLiteral("001"), QString::fromUtf8("Petrović"), 1200);
    AddEmployee(QStringLiteral("002"), QString::fromUtf8("Đorđević"), 1500);
    AddEmployee(QStringLiteral("003"), QString::fromUtf8("Jovanović"), 1800);
    salaryid = AddDocument(QStringLiteral("Z"));
    ShowDocument(salaryid);
}

void EditorFixture::OpenWithAllEmployees() {
    form = std::make_unique<TSalaryDetailForm>(dm, console);
    form->AddAllEmployees->trigger();
    ASSERT_EQ(3, dm.SalaryItemZQ->recordCount());
    ASSERT_TRUE(form->Apply());
    dm.SalaryItemZQ->first();
}

qint64 EditorFixture::AddEmployee(const QString& code, const QString& lastname, double coefficient) {
    c->exec(QStringLiteral("INSERT INTO employee (code, lastname, firstname, coefficient, netcoefficient, active, "
                           "workingstateid, workingfromdate, minsalary) VALUES (?, ?, 'Ana', ?, 1, 'y', 1, "
                           "'2015-03-01', 'n')"),
            {code, lastname, coefficient});
    return c->lastInsertId();
}

qint64 EditorFixture::AddDocument(const QString& type, const QString& status) {
    c->exec(QStringLiteral("INSERT INTO salary (salarytype, year, month, paymentdate, accountingdate, status, "
                           "salarynumber, salarytaxid, baudvalue, maxsalaryvalue, minsalaryvalue, partcoefficient, "
                           "workinghours, minnetsalaryprice, minnetsalaryvalue, workingyearsincrementpercent, "
                           "mealrefund, vacationrefund, voluntarypensiontaxfreevalue, netdecreasepercent, "
                           "netdecreaseminvalue, taxpercent, taxfreevalue) "
                           "VALUES (?, 2025, 5, '2025-06-10', '2025-06-10', ?, 1, "
                           "(SELECT salarytaxid FROM salarytax), 100, 656425, 51297, 100, 168, 271.07, 45539.76, "
                           "0.4, 5000, 2000, 0, 0, 0, 10, 0)"),
            {type, status});
    return c->lastInsertId();
}

void EditorFixture::ShowDocument(qint64 id) {
    dm.SalaryZQ->close();
    dm.SalaryZQ->setSQL(QStringLiteral("SELECT DISTINCT s.* FROM salary AS s WHERE s.salaryid = :salaryid"));
    dm.SalaryZQ->setParam(QStringLiteral("salaryid"), id);
    dm.SalaryZQ->open();
}

int EditorFixture::StoredLines(qint64 id) {
    return c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE salaryid = ?"), {id}).toInt();
}

double EditorFixture::Line(const char* column) const {
    return dm.SalaryItemZQ->fieldByName(QLatin1String(column))->asFloat();
}

QString EditorFixture::Status(qint64 id) {
    return c->scalar(QStringLiteral("SELECT status FROM salary WHERE salaryid = ?"), {id}).toString();
}

#include "CliSession.h"

#include "DatabaseSchema.h"
#include "db/DbError.h"

namespace {

ScriptedMessages::AnswerPolicy policyOf(CliAnswers answers) {
    switch (answers) {
    case CliAnswers::Yes: return ScriptedMessages::AnswerPolicy::Yes;
    case CliAnswers::No: return ScriptedMessages::AnswerPolicy::No;
    case CliAnswers::Fail: break;
    }
    return ScriptedMessages::AnswerPolicy::Fail;
}

}  // namespace

CliSession::CliSession(const CliContext& context)
    : connection_(OpenDatabase(context)), messages_(policyOf(context.answers)) {
    if (!DatabaseIsCurrent(*connection_))
        throw EDatabaseError(QStringLiteral("Baza nije pripremljena; pokrenite najpre: zarade-cli --db %1 init")
                                 .arg(connection_->url().displayText()));
    dm_.ConnectForEditing(*connection_, messages_);
    // A command names what it deletes; there is nobody to ask again.
    dm_.SetConfirmDeletes(false);
}

void CliSession::OpenDocument(qint64 salaryid) {
    TSqlQuery& salary = *dm_.SalaryZQ;
    salary.close();
    salary.setSQL(QStringLiteral("SELECT DISTINCT s.* FROM salary AS s WHERE s.salaryid = :salaryid"));
    salary.setParam(QStringLiteral("salaryid"), salaryid);
    salary.open();
    if (salary.isEmpty())
        throw EDatabaseError(QStringLiteral("Zarada %1 ne postoji.").arg(salaryid));
    // As the editor opens it: the rate set, the lines, the minimum gross.
    if (!dm_.SalaryTaxItemsOpen())
        throw EAbort();
    dm_.SalaryItemsOpen();
    dm_.UpdateCalculatedMinNetSalaryGross();
}

void CliSession::Assign(TDataSet& dataSet, const QStringList& assignments) {
    for (const QString& assignment : assignments) {
        const int eq = assignment.indexOf(QLatin1Char('='));
        if (eq <= 0)
            throw EDatabaseError(QStringLiteral("Očekivano polje=vrednost, a ne \"%1\".").arg(assignment));
        TField* field = dataSet.fieldByName(assignment.left(eq).trimmed());
        dataSet.edit();
        field->setText(assignment.mid(eq + 1));
    }
}

QString CliSession::ShownMessages() const { return messages_.refusals(); }

#pragma once

#include "FieldValidation.h"
#include "Messages.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

class Connection;
class TDataSet;
class TSqlQuery;

// Base of a module's data module: holds the connection every dataset uses,
// the field validations applied before posts, and the host's common
// dataset operations.
class TCustomDM : public QObject {
    Q_OBJECT
public:
    explicit TCustomDM(QObject* parent = nullptr);
    ~TCustomDM() override;

    // Builds the validations; derived modules extend it and call it once.
    virtual void DataModuleCreate();
    virtual void CreateFieldValidations() {}

    void SetZConnection(Connection* connection);
    Connection* ZConnection() const { return connection_; }
    bool Connected() const;

    // Where messages and questions go; the default answers nothing and fails
    // on questions, so that nothing is decided silently.
    void SetMessages(IMessages* messages) { messages_ = messages; }
    IMessages& Messages() const { return *messages_; }

    // Before-post handling shared by every dataset: the registered validations.
    // A failure is reported and the post aborted (EAbort); the row stays in edit.
    void CommonBeforePost(TDataSet& dataSet);
    // Before-delete handling: asks the user to confirm.
    void CommonBeforeDelete(TDataSet& dataSet);
    // Deletes that the code itself decides on (bulk clears) skip the question.
    void SetConfirmDeletes(bool confirm) { confirmDeletes_ = confirm; }

    // Inserts a copy of every row of `table` matching `condition`
    // ("column=value") with the assignments ("column=value", dates in the
    // user's format dd.MM.yyyy. or ISO) applied. Returns the rows copied.
    int CopyDataSet(const QString& table, const QString& condition, const QStringList& assignments,
                    const QString& reserved = QString());
    qint64 GetLastInsertID();

    const TValidator& Validator() const { return validator_; }

protected:
    // Datasets of the module: they get the connection when it is set.
    void RegisterQuery(TSqlQuery* query);
    void AddValidation(TFieldValidation validation) { validations_.push_back(std::move(validation)); }
    std::vector<TFieldValidation>& Validations() { return validations_; }

private:
    Connection* connection_ = nullptr;
    IMessages* messages_;
    std::unique_ptr<IMessages> defaultMessages_;
    std::vector<TSqlQuery*> queries_;
    std::vector<TFieldValidation> validations_;
    TValidator validator_;
    bool confirmDeletes_ = true;
};

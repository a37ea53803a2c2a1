#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class IMessages;
class QPushButton;
class QTableWidget;

// How a search key takes its value.
enum class TSearchInput {
    Text,      // free text
    PickList,  // one of the listed values, or nothing
    Date,      // typed ("06.12.2026.") or chosen in the date dialog
};

// One row of the search editor: the key the module reads, the caption shown.
struct TSearchProp {
    QString key;
    QString caption;
    TSearchInput input = TSearchInput::Text;
    QStringList picks{};
};

// The frame of a snap-in's navigator: a key/value search editor and a find
// button. The module lists its keys with SetSearchProps and reads the
// values in its FindButtonClick.
class TCustomNavigatorForm : public QWidget {
    Q_OBJECT
public:
    explicit TCustomNavigatorForm(IMessages& messages, QWidget* parent = nullptr);
    ~TCustomNavigatorForm() override;

    QTableWidget* SearchEditor;
    QPushButton* FindButton;

    void SetSearchProps(const QList<TSearchProp>& props);
    const QList<TSearchProp>& SearchProps() const { return props_; }
    // The value entered for a key; empty when nothing is entered.
    QString SearchValue(const QString& key) const;
    void SetSearchValue(const QString& key, const QString& value);
    void ClearSearchValues();

protected slots:
    // The host's part of a search: it ends any entry still in progress.
    virtual void FindButtonClick();

protected:
    IMessages& Messages() const { return messages_; }

private:
    QWidget* valueEditor(const TSearchProp& prop);
    int rowOf(const QString& key) const;

    IMessages& messages_;
    QList<TSearchProp> props_;
};

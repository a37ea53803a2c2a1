#pragma once

#include "Field.h"
#include "SchemaDef.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

enum class DataSetState { Inactive, Browse, Edit, Insert };
enum class UpdateStatus { Unmodified, Modified, Inserted, Deleted };

// One row held in memory. `original` keeps the values as loaded while a
// cached change is pending, so that the change can be written or undone.
struct TRecord {
    std::vector<QVariant> values;
    std::vector<QVariant> original;
    UpdateStatus status = UpdateStatus::Unmodified;
};

// Everything a dataset holds in memory, to put it back when a write that
// spans several datasets fails half-way.
struct DataSetSnapshot {
    std::vector<TRecord> records;
    std::vector<TRecord> deleted;
    std::vector<QVariant> buffer;
    int current = -1;
    int state = 0;
    bool eof = true;
    bool bof = true;
};

class TDataSet;

// Keeps grids quiet for a scope (bulk work); they refresh once at the end.
class ControlsDisabled {
public:
    explicit ControlsDisabled(TDataSet& dataSet);
    ~ControlsDisabled() { release(); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;
    void release();

private:
    TDataSet* dataSet_;
};

struct SortKey {
    int field = -1;
    bool descending = false;
};

// A dataset held in memory: fields, records in display order, a current
// record, browse/edit/insert states with an edit buffer, the usual events and
// optional cached updates. TSqlQuery fills it from the database and writes
// changes back; on its own it is the in-memory dataset of prints and exports.
class TDataSet : public QObject {
    Q_OBJECT
public:
    using Event = std::function<void(TDataSet&)>;
    using Bookmark = const TRecord*;

    explicit TDataSet(const QString& name = {}, QObject* parent = nullptr);
    ~TDataSet() override;

    const QString& name() const { return name_; }

    // --- fields -----------------------------------------------------------
    TField* addField(const QString& name, FieldType type, int size = 0);
    TField* addField(const ColumnDef& column, bool stored = true);
    void addFields(const TableDef& table);
    int fieldCount() const { return int(fields_.size()); }
    TField* field(int index) const { return fields_[size_t(index)].get(); }
    TField* findField(const QString& name) const;
    // Throws EDatabaseError when the dataset has no such field.
    TField* fieldByName(const QString& name) const;
    // Reads a record's value without moving the cursor (grids, prints).
    const QVariant& valueAt(int row, int fieldIndex) const;

    // --- state ------------------------------------------------------------
    void open();
    void close();
    bool active() const { return state_ != DataSetState::Inactive; }
    DataSetState state() const { return state_; }
    bool isEditing() const { return state_ == DataSetState::Edit || state_ == DataSetState::Insert; }
    void refresh();  // reopens and returns to the same record where it still exists

    // --- navigation -------------------------------------------------------
    int recordCount() const { return int(records_.size()); }
    bool isEmpty() const { return records_.empty(); }
    int recNo() const { return current_ + 1; }  // 1-based, 0 when empty
    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    Bookmark bookmark() const;
    bool gotoBookmark(Bookmark bookmark);
    // Finds the first record whose fields (names separated by ';') equal the values.
    bool locate(const QString& fieldNames, const QVariantList& values, bool caseInsensitive = false);
    bool locate(const QString& fieldName, const QVariant& value, bool caseInsensitive = false) {
        return locate(fieldName, QVariantList{value}, caseInsensitive);
    }

    // --- ordering ---------------------------------------------------------
    // "paymentdate DESC, salaryid DESC" or "code;lastname" (ascending).
    void setSortFields(const QString& sortFields);
    const QString& sortFields() const { return sortText_; }

    // --- editing ----------------------------------------------------------
    void edit();
    void insert();
    void append();
    void post();
    void cancel();
    void remove();  // deletes the current record
    void checkBrowseMode();  // posts a pending edit, as moving off a record does

    // Cached updates: posts and deletes stay in memory until applied.
    void setCachedUpdates(bool cached) { cachedUpdates_ = cached; }
    bool cachedUpdates() const { return cachedUpdates_; }
    bool updatesPending() const;
    void cancelUpdates();
    // Marks every pending change as written (after applyUpdates or for memory data).
    void commitUpdates();
    UpdateStatus updateStatus() const;

    DataSetSnapshot snapshot() const;
    void restore(const DataSetSnapshot& snapshot);
    // Only where the cursor stands: what to put back after work that moved
    // it and changed nothing else, without copying every record.
    struct Position {
        int current = -1;
        bool eof = true;
        bool bof = true;
    };
    Position position() const { return {current_, eof_, bof_}; }
    void restorePosition(const Position& position);

    // Removes every record (in-memory datasets; nothing is written).
    void emptyDataSet();
    // Adds records at the end, each with a value per field in field order
    // (in-memory datasets filled for a print: no events, nothing pending),
    // in the dataset's sort order, and stands on the first record.
    void appendRecords(std::vector<std::vector<QVariant>> rows);

    // Grids stop listening while bulk work runs; they are refreshed once at the end.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return controlsDisabled_ > 0; }

    // Raised while the dataset fills itself, so that field events stay quiet.
    bool loading() const { return loading_; }

    // Grows with every change of what the dataset holds (open, close, field
    // assignments, posts, cancels, inserts, deletes, reorders), so that data
    // derived from it can be kept and rebuilt only when it is stale.
    quint64 changeCount() const { return changeCount_; }
    // The field whose assignment was change number `change`, or -1 when that
    // change was something else (a post, a cancel, a move of records) or is
    // too old to be remembered: what a cache needs to follow single edits.
    int assignedField(quint64 change) const {
        const RecentAssignment& a = recentAssignments_[change % RememberedAssignments];
        return a.change == change ? a.field : -1;
    }

    // --- events -----------------------------------------------------------
    Event AfterOpen, BeforeClose, AfterClose;
    Event OnNewRecord, BeforeInsert, AfterInsert;
    Event BeforeEdit, AfterEdit;
    Event BeforePost, AfterPost;
    Event BeforeCancel, AfterCancel;
    Event BeforeDelete, AfterDelete;
    Event BeforeScroll, AfterScroll;

    // The value as it stands in the record, without the pending edit.
    const QVariant& storedValue(int fieldIndex) const;

    // Every value of the current record (the edit buffer while editing), or
    // null without a current record: for code that reads many fields at once.
    const std::vector<QVariant>* currentValues() const {
        if (isEditing())
            return &buffer_;
        return current_ < 0 ? nullptr : &records_[size_t(current_)]->values;
    }

    // Every value of a record (the edit buffer for the record being edited),
    // or null for a row that does not exist.
    const std::vector<QVariant>* recordValues(int row) const {
        if (row < 0 || row >= int(records_.size()))
            return nullptr;
        if (row == current_ && isEditing())
            return &buffer_;
        return &records_[size_t(row)]->values;
    }

    // Puts a value the database gave a record (a key, a version) into the
    // record and its edit buffer, without events and without making the
    // record modified: memory following a write, not an edit.
    void setStoredValue(int row, int fieldIndex, const QVariant& value);

    // Used by TField; not for general use. Inline: the calculation reads
    // fields in its inner loops.
    const QVariant& currentValue(int fieldIndex) const {
        if (isEditing())
            return buffer_[size_t(fieldIndex)];
        if (current_ < 0)
            return noValue();
        return records_[size_t(current_)]->values[size_t(fieldIndex)];
    }
    void assignValue(TField& field, const QVariant& canonicalValue);

signals:
    void dataReset();
    void rowsInserted(int row);
    void rowsRemoved(int row);
    void rowChanged(int row);
    void currentRowChanged(int row);
    void stateChanged();

protected:
    // Fill `records` with the dataset's rows (a query runs it; memory data keeps none).
    virtual void doOpen(std::vector<std::unique_ptr<TRecord>>& records);
    // Write a posted record at once (datasets without cached updates); may set
    // values in `values`, such as the key the database assigned.
    virtual void doPost(TRecord& record, std::vector<QVariant>& values, bool inserting);
    virtual void doDelete(TRecord& record);

    std::vector<std::unique_ptr<TRecord>>& records() { return records_; }
    std::vector<std::unique_ptr<TRecord>>& deletedRecords() { return deleted_; }
    std::unique_ptr<TRecord> newRecord() const;
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;
    void setLoading(bool loading) { loading_ = loading; }
    void notifyReset();

private:
    static const QVariant& noValue();
    void requireActive() const;
    void scrollTo(int index);
    // After the records were filled: sorted, on the first one, grids told;
    // `filled` (an open's AfterOpen) runs before AfterScroll.
    void standOnFirst(const Event& filled);
    void applySort();
    void placeSorted(int index);
    int compareRecords(const TRecord& a, const TRecord& b) const;
    void beginInsert(int position);

    QString name_;
    std::vector<std::unique_ptr<TField>> fields_;
    QHash<QString, int> fieldIndex_;
    std::vector<std::unique_ptr<TRecord>> records_;
    std::vector<std::unique_ptr<TRecord>> deleted_;
    std::vector<QVariant> buffer_;
    int current_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    DataSetState state_ = DataSetState::Inactive;
    bool cachedUpdates_ = false;
    int controlsDisabled_ = 0;
    bool loading_ = false;
    quint64 changeCount_ = 0;
    int rowChangedListeners_ = 0;
    struct RecentAssignment {
        quint64 change = 0;
        int field = -1;
    };
    static constexpr size_t RememberedAssignments = 16;
    RecentAssignment recentAssignments_[RememberedAssignments];
    QString sortText_;
    std::vector<SortKey> sortKeys_;
};

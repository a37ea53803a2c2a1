#include "DataSet.h"

#include "DbError.h"

#include <QMetaMethod>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QVariant& nullVariant() {
    static const QVariant null;
    return null;
}

int compareVariants(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    switch (a.typeId()) {
    case QMetaType::Double:
    case QMetaType::LongLong: {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case QMetaType::QDate: {
        const QDate x = a.toDate(), y = b.toDate();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    default:
        return QString::localeAwareCompare(a.toString(), b.toString());
    }
}

}  // namespace

TDataSet::TDataSet(const QString& name, QObject* parent) : QObject(parent), name_(name) {
    setObjectName(name);
}

TDataSet::~TDataSet() = default;

// --- fields ------------------------------------------------------------------

TField* TDataSet::addField(const QString& name, FieldType type, int size) {
    if (findField(name))
        throw EDatabaseError(QStringLiteral("Polje \"%1\" već postoji u skupu \"%2\".").arg(name, name_));
    if (active())
        throw EDatabaseError(QStringLiteral("Polja se ne mogu dodavati otvorenom skupu \"%1\".").arg(name_));
    const int index = int(fields_.size());
    fields_.push_back(std::make_unique<TField>(this, index, name, type));
    fields_.back()->setSize(size);
    fieldIndex_.insert(name.toLower(), index);
    return fields_.back().get();
}

TField* TDataSet::addField(const ColumnDef& column, bool stored) {
    TField* field = addField(column.name, FieldTypeOf(column.type), column.size);
    field->setDisplayLabel(column.label);
    field->setDisplayFormat(column.displayFormat);
    field->setRequired(column.required);
    field->setStored(stored);
    if (column.type == ColumnType::Key)
        field->setReadOnly(true);
    return field;
}

void TDataSet::addFields(const TableDef& table) {
    for (const ColumnDef& column : table.columns)
        addField(column);
}

TField* TDataSet::findField(const QString& name) const {
    const auto it = fieldIndex_.constFind(name.toLower());
    return it == fieldIndex_.cend() ? nullptr : fields_[size_t(*it)].get();
}

TField* TDataSet::fieldByName(const QString& name) const {
    TField* field = findField(name);
    if (!field)
        throw EDatabaseError(QStringLiteral("Skup \"%1\" nema polje \"%2\".").arg(name_, name));
    return field;
}

const QVariant& TDataSet::valueAt(int row, int fieldIndex) const {
    if (row < 0 || row >= int(records_.size()))
        return nullVariant();
    if (row == current_ && isEditing())
        return buffer_[size_t(fieldIndex)];
    const auto& values = records_[size_t(row)]->values;
    return size_t(fieldIndex) < values.size() ? values[size_t(fieldIndex)] : nullVariant();
}

const QVariant& TDataSet::noValue() { return nullVariant(); }

void TDataSet::assignValue(TField& field, const QVariant& value) {
    if (!isEditing()) {
        if (state_ == DataSetState::Inactive)
            throw EDatabaseError(QStringLiteral("Skup \"%1\" nije otvoren.").arg(name_));
        throw EDatabaseError(QStringLiteral("Skup \"%1\" nije u režimu izmene.").arg(name_));
    }
    buffer_[size_t(field.index())] = value;
    ++changeCount_;
    recentAssignments_[changeCount_ % RememberedAssignments] = {changeCount_, field.index()};
    if (field.OnChange)
        field.OnChange(field);
    // Every assignment of a calculation passes here: the signal is sent only
    // when something listens.
    if (!controlsDisabled_ && current_ >= 0 && rowChangedListeners_ > 0)
        emit rowChanged(current_);
}

void TDataSet::connectNotify(const QMetaMethod& signal) {
    if (signal == QMetaMethod::fromSignal(&TDataSet::rowChanged))
        ++rowChangedListeners_;
}

void TDataSet::disconnectNotify(const QMetaMethod& signal) {
    // A disconnection of everything at once names no signal: the count stays
    // high, which costs a signal nobody hears but never loses one.
    if (signal == QMetaMethod::fromSignal(&TDataSet::rowChanged) && rowChangedListeners_ > 0)
        --rowChangedListeners_;
}

std::unique_ptr<TRecord> TDataSet::newRecord() const {
    auto record = std::make_unique<TRecord>();
    record->values.resize(fields_.size());
    return record;
}

// --- state ---------------------------------------------------------------------

void TDataSet::requireActive() const {
    if (state_ == DataSetState::Inactive)
        throw EDatabaseError(QStringLiteral("Skup \"%1\" nije otvoren.").arg(name_));
}

void TDataSet::doOpen(std::vector<std::unique_ptr<TRecord>>&) {}
void TDataSet::doPost(TRecord&, std::vector<QVariant>&, bool) {}
void TDataSet::doDelete(TRecord&) {}

void TDataSet::open() {
    if (active())
        return;
    std::vector<std::unique_ptr<TRecord>> loaded;
    loading_ = true;
    try {
        doOpen(loaded);
    } catch (...) {
        loading_ = false;
        throw;
    }
    loading_ = false;
    records_ = std::move(loaded);
    deleted_.clear();
    state_ = DataSetState::Browse;
    standOnFirst(AfterOpen);
}

void TDataSet::close() {
    if (!active())
        return;
    if (BeforeClose)
        BeforeClose(*this);
    records_.clear();
    deleted_.clear();
    buffer_.clear();
    current_ = -1;
    bof_ = eof_ = true;
    state_ = DataSetState::Inactive;
    notifyReset();
    if (AfterClose)
        AfterClose(*this);
}

void TDataSet::refresh() {
    checkBrowseMode();
    const int key = current_;
    close();
    open();
    if (key >= 0 && key < recordCount())
        scrollTo(key);
}

void TDataSet::notifyReset() {
    ++changeCount_;
    if (!controlsDisabled_) {
        emit dataReset();
        emit stateChanged();
    }
}

// --- navigation --------------------------------------------------------------

void TDataSet::scrollTo(int index) {
    requireActive();
    checkBrowseMode();
    if (records_.empty()) {
        current_ = -1;
        bof_ = eof_ = true;
        return;
    }
    const int target = std::clamp(index, 0, int(records_.size()) - 1);
    if (target != current_ && BeforeScroll)
        BeforeScroll(*this);
    const bool moved = target != current_;
    current_ = target;
    if (moved) {
        if (!controlsDisabled_)
            emit currentRowChanged(current_);
        if (AfterScroll)
            AfterScroll(*this);
    }
}

void TDataSet::setCurrentIndex(int index) {
    scrollTo(index);
    bof_ = false;
    eof_ = records_.empty();
}

void TDataSet::first() {
    scrollTo(0);
    bof_ = true;
    eof_ = records_.empty();
}

void TDataSet::last() {
    scrollTo(int(records_.size()) - 1);
    eof_ = true;
    bof_ = records_.empty();
}

void TDataSet::next() {
    requireActive();
    checkBrowseMode();
    if (current_ + 1 >= int(records_.size())) {
        eof_ = true;
        return;
    }
    scrollTo(current_ + 1);
    bof_ = false;
    eof_ = false;
}

void TDataSet::prior() {
    requireActive();
    checkBrowseMode();
    if (current_ <= 0) {
        bof_ = true;
        return;
    }
    scrollTo(current_ - 1);
    bof_ = false;
    eof_ = false;
}

TDataSet::Bookmark TDataSet::bookmark() const {
    return current_ >= 0 ? records_[size_t(current_)].get() : nullptr;
}

bool TDataSet::gotoBookmark(Bookmark bookmark) {
    if (!bookmark)
        return false;
    for (size_t i = 0; i < records_.size(); ++i)
        if (records_[i].get() == bookmark) {
            setCurrentIndex(int(i));
            return true;
        }
    return false;
}

bool TDataSet::locate(const QString& fieldNames, const QVariantList& values, bool caseInsensitive) {
    requireActive();
    checkBrowseMode();
    std::vector<TField*> keys;
    for (const QString& name : fieldNames.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        keys.push_back(fieldByName(name.trimmed()));
    if (keys.size() != size_t(values.size()))
        throw EDatabaseError(QStringLiteral("Broj polja i vrednosti za pretragu se ne slaže."));
    std::vector<QVariant> wanted;
    for (size_t k = 0; k < keys.size(); ++k)
        wanted.push_back(keys[k]->canonical(values[int(k)]));
    for (size_t i = 0; i < records_.size(); ++i) {
        bool match = true;
        for (size_t k = 0; k < keys.size() && match; ++k) {
            const QVariant& have = records_[i]->values[size_t(keys[k]->index())];
            if (caseInsensitive && have.typeId() == QMetaType::QString)
                match = have.toString().compare(wanted[k].toString(), Qt::CaseInsensitive) == 0;
            else
                match = compareVariants(have, wanted[k]) == 0;
        }
        if (match) {
            setCurrentIndex(int(i));
            return true;
        }
    }
    return false;
}

// --- ordering ------------------------------------------------------------------

void TDataSet::setSortFields(const QString& sortFields) {
    std::vector<SortKey> keys;
    for (QString part : sortFields.split(QRegularExpression(QStringLiteral("[,;]")), Qt::SkipEmptyParts)) {
        part = part.trimmed();
        SortKey key;
        const QStringList words = part.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        key.field = fieldByName(words.first())->index();
        key.descending = words.size() > 1 && words.at(1).compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
        keys.push_back(key);
    }
    sortText_ = sortFields;
    sortKeys_ = std::move(keys);
    if (active()) {
        checkBrowseMode();
        const Bookmark current = bookmark();
        applySort();
        notifyReset();
        if (current)
            gotoBookmark(current);
    }
}

int TDataSet::compareRecords(const TRecord& a, const TRecord& b) const {
    for (const SortKey& key : sortKeys_) {
        const int c = compareVariants(a.values[size_t(key.field)], b.values[size_t(key.field)]);
        if (c != 0)
            return key.descending ? -c : c;
    }
    return 0;
}

void TDataSet::applySort() {
    if (sortKeys_.empty())
        return;
    std::stable_sort(records_.begin(), records_.end(),
                     [this](const auto& a, const auto& b) { return compareRecords(*a, *b) < 0; });
}

void TDataSet::placeSorted(int index) {
    if (sortKeys_.empty() || index < 0)
        return;
    // Still between its neighbours (and before any equal one after it): the
    // place found below would be this one, so nothing moves. Posting many
    // records of a large sorted dataset stays linear.
    const TRecord& posted = *records_[size_t(index)];
    const bool afterPrevious = index == 0 || compareRecords(*records_[size_t(index) - 1], posted) <= 0;
    const bool beforeNext =
        index + 1 == int(records_.size()) || compareRecords(posted, *records_[size_t(index) + 1]) < 0;
    if (afterPrevious && beforeNext)
        return;
    auto record = std::move(records_[size_t(index)]);
    records_.erase(records_.begin() + index);
    const auto pos = std::upper_bound(records_.begin(), records_.end(), record,
                                      [this](const auto& a, const auto& b) { return compareRecords(*a, *b) < 0; });
    current_ = int(pos - records_.begin());
    records_.insert(pos, std::move(record));
}

// --- editing -----------------------------------------------------------------

void TDataSet::edit() {
    requireActive();
    if (isEditing())
        return;
    if (records_.empty()) {
        insert();
        return;
    }
    if (BeforeEdit)
        BeforeEdit(*this);
    buffer_ = records_[size_t(current_)]->values;
    state_ = DataSetState::Edit;
    if (!controlsDisabled_)
        emit stateChanged();
    if (AfterEdit)
        AfterEdit(*this);
}

void TDataSet::beginInsert(int position) {
    requireActive();
    checkBrowseMode();
    if (BeforeInsert)
        BeforeInsert(*this);
    auto record = newRecord();
    record->status = UpdateStatus::Inserted;
    buffer_ = record->values;
    position = std::clamp(position, 0, int(records_.size()));
    records_.insert(records_.begin() + position, std::move(record));
    ++changeCount_;
    current_ = position;
    bof_ = eof_ = false;
    state_ = DataSetState::Insert;
    if (!controlsDisabled_) {
        emit rowsInserted(position);
        emit currentRowChanged(position);
        emit stateChanged();
    }
    try {
        if (OnNewRecord)
            OnNewRecord(*this);
    } catch (...) {
        cancel();
        throw;
    }
    if (AfterInsert)
        AfterInsert(*this);
}

void TDataSet::insert() { beginInsert(current_ < 0 ? 0 : current_); }

void TDataSet::append() { beginInsert(int(records_.size())); }

void TDataSet::post() {
    if (!isEditing())
        return;
    if (BeforePost)
        BeforePost(*this);
    TRecord& record = *records_[size_t(current_)];
    const bool inserting = state_ == DataSetState::Insert;
    if (!cachedUpdates_) {
        // The edit stays in the buffer until the database has the row.
        std::vector<QVariant> values = buffer_;
        doPost(record, values, inserting);
        record.status = UpdateStatus::Unmodified;
        record.values = std::move(values);
    } else {
        if (!inserting && record.status == UpdateStatus::Unmodified) {
            record.original = std::move(record.values);
            record.status = UpdateStatus::Modified;
        }
        record.values.swap(buffer_);
    }
    // The buffer keeps its storage for the next edit: bulk work over many
    // records allocates one row per record, not two.
    buffer_.clear();
    state_ = DataSetState::Browse;
    ++changeCount_;
    placeSorted(current_);
    if (!controlsDisabled_) {
        if (sortKeys_.empty())
            emit rowChanged(current_);
        else
            emit dataReset();
        emit stateChanged();
    }
    if (AfterPost)
        AfterPost(*this);
}

void TDataSet::cancel() {
    if (!isEditing())
        return;
    if (BeforeCancel)
        BeforeCancel(*this);
    buffer_.clear();
    ++changeCount_;
    if (state_ == DataSetState::Insert) {
        const int row = current_;
        records_.erase(records_.begin() + row);
        state_ = DataSetState::Browse;
        current_ = records_.empty() ? -1 : std::min(row, int(records_.size()) - 1);
        eof_ = bof_ = records_.empty();
        if (!controlsDisabled_)
            emit rowsRemoved(row);
    } else {
        state_ = DataSetState::Browse;
        if (!controlsDisabled_)
            emit rowChanged(current_);
    }
    if (!controlsDisabled_)
        emit stateChanged();
    if (AfterCancel)
        AfterCancel(*this);
}

void TDataSet::remove() {
    requireActive();
    if (state_ == DataSetState::Insert) {
        cancel();
        return;
    }
    if (records_.empty())
        throw EDatabaseError(QStringLiteral("Nema zapisa za brisanje."));
    if (state_ == DataSetState::Edit)
        cancel();
    if (BeforeDelete)
        BeforeDelete(*this);
    const int row = current_;
    auto& record = records_[size_t(row)];
    if (!cachedUpdates_) {
        doDelete(*record);
    } else if (record->status != UpdateStatus::Inserted) {
        if (record->status == UpdateStatus::Modified) {
            record->values = record->original;
            record->original.clear();
        }
        record->status = UpdateStatus::Deleted;
        deleted_.push_back(std::move(record));
    }
    records_.erase(records_.begin() + row);
    ++changeCount_;
    current_ = records_.empty() ? -1 : std::min(row, int(records_.size()) - 1);
    eof_ = bof_ = records_.empty();
    if (!controlsDisabled_) {
        emit rowsRemoved(row);
        if (current_ >= 0)
            emit currentRowChanged(current_);
    }
    if (AfterDelete)
        AfterDelete(*this);
    if (AfterScroll)
        AfterScroll(*this);
}

void TDataSet::checkBrowseMode() {
    if (isEditing())
        post();
}

bool TDataSet::updatesPending() const {
    if (!deleted_.empty())
        return true;
    if (isEditing())
        return true;
    return std::any_of(records_.begin(), records_.end(),
                       [](const auto& r) { return r->status != UpdateStatus::Unmodified; });
}

UpdateStatus TDataSet::updateStatus() const {
    return current_ >= 0 ? records_[size_t(current_)]->status : UpdateStatus::Unmodified;
}

void TDataSet::cancelUpdates() {
    if (isEditing())
        cancel();
    std::vector<std::unique_ptr<TRecord>> kept;
    for (auto& record : records_) {
        if (record->status == UpdateStatus::Inserted)
            continue;
        if (record->status == UpdateStatus::Modified) {
            record->values = std::move(record->original);
            record->original.clear();
        }
        record->status = UpdateStatus::Unmodified;
        kept.push_back(std::move(record));
    }
    for (auto& record : deleted_) {
        record->status = UpdateStatus::Unmodified;
        kept.push_back(std::move(record));
    }
    deleted_.clear();
    records_ = std::move(kept);
    applySort();
    current_ = records_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = records_.empty();
    notifyReset();
    if (AfterScroll)
        AfterScroll(*this);
}

void TDataSet::commitUpdates() {
    for (auto& record : records_) {
        record->status = UpdateStatus::Unmodified;
        record->original.clear();
    }
    deleted_.clear();
}

void TDataSet::emptyDataSet() {
    requireActive();
    if (isEditing())
        cancel();
    records_.clear();
    deleted_.clear();
    current_ = -1;
    bof_ = eof_ = true;
    notifyReset();
}

void TDataSet::appendRecords(std::vector<std::vector<QVariant>> rows) {
    requireActive();
    checkBrowseMode();
    records_.reserve(records_.size() + rows.size());
    for (std::vector<QVariant>& values : rows) {
        values.resize(fields_.size());
        for (size_t i = 0; i < values.size(); ++i)
            if (!values[i].isNull())
                values[i] = fields_[i]->canonical(values[i]);
        auto record = std::make_unique<TRecord>();
        record->values = std::move(values);
        records_.push_back(std::move(record));
    }
    standOnFirst(nullptr);
}

void TDataSet::standOnFirst(const Event& filled) {
    applySort();
    current_ = records_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = records_.empty();
    notifyReset();
    if (filled)
        filled(*this);
    if (AfterScroll)
        AfterScroll(*this);
}

void TDataSet::setStoredValue(int row, int fieldIndex, const QVariant& value) {
    if (row < 0 || row >= int(records_.size()))
        return;
    TRecord& record = *records_[size_t(row)];
    record.values[size_t(fieldIndex)] = value;
    if (!record.original.empty())
        record.original[size_t(fieldIndex)] = value;
    if (row == current_ && isEditing())
        buffer_[size_t(fieldIndex)] = value;
    ++changeCount_;
}

void TDataSet::disableControls() { ++controlsDisabled_; }

void TDataSet::enableControls() {
    if (controlsDisabled_ > 0 && --controlsDisabled_ == 0)
        notifyReset();
}

DataSetSnapshot TDataSet::snapshot() const {
    DataSetSnapshot s;
    s.records.reserve(records_.size());
    for (const auto& record : records_)
        s.records.push_back(*record);
    for (const auto& record : deleted_)
        s.deleted.push_back(*record);
    s.buffer = buffer_;
    s.current = current_;
    s.state = int(state_);
    s.eof = eof_;
    s.bof = bof_;
    return s;
}

void TDataSet::restore(const DataSetSnapshot& s) {
    records_.clear();
    deleted_.clear();
    for (const TRecord& record : s.records)
        records_.push_back(std::make_unique<TRecord>(record));
    for (const TRecord& record : s.deleted)
        deleted_.push_back(std::make_unique<TRecord>(record));
    buffer_ = s.buffer;
    current_ = s.current;
    state_ = DataSetState(s.state);
    eof_ = s.eof;
    bof_ = s.bof;
    notifyReset();
}

void TDataSet::restorePosition(const Position& position) {
    current_ = records_.empty() ? -1 : std::clamp(position.current, 0, int(records_.size()) - 1);
    eof_ = position.eof;
    bof_ = position.bof;
    notifyReset();
}

const QVariant& TDataSet::storedValue(int fieldIndex) const {
    if (current_ < 0 || (state_ == DataSetState::Insert))
        return nullVariant();
    return records_[size_t(current_)]->values[size_t(fieldIndex)];
}

ControlsDisabled::ControlsDisabled(TDataSet& dataSet) : dataSet_(&dataSet) { dataSet.disableControls(); }

void ControlsDisabled::release() {
    if (dataSet_)
        dataSet_->enableControls();
    dataSet_ = nullptr;
}

#include "db/DataSet.h"
#include "db/DbError.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// An in-memory dataset of people, the way prints fill theirs.
struct People {
    TDataSet ds{QStringLiteral("People")};
    TField* id;
    TField* name;
    TField* amount;
    TField* born;

    People() {
        id = ds.addField(QStringLiteral("id"), FieldType::LargeInt);
        name = ds.addField(QStringLiteral("name"), FieldType::String, 20);
        amount = ds.addField(QStringLiteral("amount"), FieldType::Float);
        born = ds.addField(QStringLiteral("born"), FieldType::Date);
        ds.open();
    }

    void add(qint64 key, const QString& who, double value) {
        ds.append();
        id->setAsLargeInt(key);
        name->setAsString(who);
        amount->setAsFloat(value);
        ds.post();
    }

    // The names in display order.
    QStringList names() const {
        QStringList shown;
        for (int row = 0; row < ds.recordCount(); ++row)
            shown << ds.valueAt(row, name->index()).toString();
        return shown;
    }
};

}  // namespace

TEST(DataSet, AssigningNeedsEditAndPostAndCancelKeepTheRecordConsistent) {
    People p;
    p.add(1, QStringLiteral("Ana"), 100.5);
    p.add(2, QStringLiteral("Đorđe"), 200);
    EXPECT_EQ(2, p.ds.recordCount());
    EXPECT_EQ(DataSetState::Browse, p.ds.state());
    EXPECT_THROW(p.amount->setAsFloat(2), EDatabaseError) << "assigning needs Edit or Insert";
    EXPECT_EQ(200.0, p.amount->asFloat());
    TDataSet closed;
    EXPECT_THROW(closed.addField(QStringLiteral("x"), FieldType::Float)->setAsFloat(1), EDatabaseError);

    p.ds.first();
    p.ds.edit();
    p.amount->setAsFloat(150);
    EXPECT_EQ(150.0, p.amount->asFloat());
    p.ds.cancel();
    EXPECT_EQ(100.5, p.amount->asFloat());

    p.ds.edit();
    p.amount->setAsFloat(175.25);
    p.ds.next();  // moving off the record posts it
    EXPECT_EQ(DataSetState::Browse, p.ds.state());
    p.ds.first();
    EXPECT_EQ(175.25, p.amount->asFloat());
}

TEST(DataSet, ChangeHandlerRunsOnEveryAssignmentEvenWithTheSameValue) {
    People p;
    p.add(1, QStringLiteral("Ana"), 10);
    int calls = 0;
    double seen = -1;
    p.amount->OnChange = [&](TField& f) {
        ++calls;
        seen = f.asFloat();
    };
    p.ds.edit();
    p.amount->setAsFloat(10);
    p.amount->setAsFloat(10);
    p.amount->setText(QStringLiteral("1.234,56"));
    EXPECT_EQ(3, calls);
    EXPECT_EQ(1234.56, seen);
}

TEST(DataSet, ValuesAreConvertedToTheFieldType) {
    People p;
    p.ds.append();
    p.id->setValue(QStringLiteral("42"));
    p.amount->setValue(QStringLiteral("12,5"));
    p.born->setValue(QStringLiteral("2024-02-29"));
    EXPECT_EQ(42, p.id->asLargeInt());
    EXPECT_EQ(12.5, p.amount->asFloat());
    EXPECT_EQ(QDate(2024, 2, 29), p.born->asDate());
    EXPECT_THROW(p.amount->setValue(QStringLiteral("dvanaest")), EDatabaseError);
    EXPECT_THROW(p.born->setValue(QStringLiteral("2023-02-29")), EDatabaseError);
    EXPECT_THROW(p.name->setAsString(QString(21, QLatin1Char('x'))), EDatabaseError);
    p.amount->setValue(QString());
    EXPECT_TRUE(p.amount->isNull());
    EXPECT_EQ(0.0, p.amount->asFloat());
}

TEST(DataSet, InsertRunsNewRecordAndAFailedPostStaysInInsert) {
    People p;
    p.ds.OnNewRecord = [&](TDataSet&) { p.amount->setAsFloat(7); };
    p.ds.BeforePost = [&](TDataSet&) {
        if (p.name->asString().isEmpty())
            throw EAbort();
    };
    p.ds.append();
    EXPECT_EQ(7.0, p.amount->asFloat());
    EXPECT_THROW(p.ds.post(), EAbort);
    EXPECT_EQ(DataSetState::Insert, p.ds.state());
    EXPECT_EQ(1, p.ds.recordCount());  // the new row shows while it is being entered
    p.ds.cancel();
    EXPECT_EQ(0, p.ds.recordCount());
}

TEST(DataSet, SortsByOneOrMoreFieldsAndKeepsTheOrderOnPost) {
    People p;
    p.add(1, QStringLiteral("B"), 5);
    p.add(2, QStringLiteral("A"), 5);
    p.add(3, QStringLiteral("C"), 9);
    p.ds.setSortFields(QStringLiteral("amount DESC, name"));
    EXPECT_EQ(QStringList({"C", "A", "B"}), p.names());
    p.add(4, QStringLiteral("D"), 6);
    EXPECT_EQ(QStringList({"C", "D", "A", "B"}), p.names());
}

TEST(DataSet, LocateFindsByOneOrSeveralFields) {
    People p;
    p.add(1, QStringLiteral("Ana"), 5);
    p.add(2, QStringLiteral("Ana"), 6);
    EXPECT_TRUE(p.ds.locate(QStringLiteral("name;amount"), {QStringLiteral("Ana"), 6}));
    EXPECT_EQ(2, p.id->asLargeInt());
    EXPECT_TRUE(p.ds.locate(QStringLiteral("name"), QStringLiteral("ANA"), true));
    EXPECT_EQ(1, p.id->asLargeInt());
    EXPECT_FALSE(p.ds.locate(QStringLiteral("id"), 3));
}

TEST(DataSet, CachedUpdatesCanBeCancelledWhole) {
    People p;
    p.add(1, QStringLiteral("Ana"), 5);
    p.add(2, QStringLiteral("Bora"), 6);
    p.ds.commitUpdates();
    p.ds.setCachedUpdates(true);
    p.ds.first();
    p.ds.edit();
    p.amount->setAsFloat(50);
    p.ds.post();
    p.ds.next();
    p.ds.remove();
    p.add(3, QStringLiteral("Ceca"), 7);
    EXPECT_TRUE(p.ds.updatesPending());

    p.ds.cancelUpdates();
    EXPECT_FALSE(p.ds.updatesPending());
    EXPECT_EQ(2, p.ds.recordCount());
    ASSERT_TRUE(p.ds.locate(QStringLiteral("id"), 1));
    EXPECT_EQ(5.0, p.amount->asFloat());
    EXPECT_TRUE(p.ds.locate(QStringLiteral("id"), 2));
}

TEST(DataSet, AChangedRowIsSignalledToEveryListenerAndDisabledControlsHearOneResetAtTheEnd) {
    People p;
    p.add(1, QStringLiteral("Ana"), 100);
    int heard = 0;
    const QMetaObject::Connection first = QObject::connect(&p.ds, &TDataSet::rowChanged, [&](int) { ++heard; });
    QSignalSpy changed(&p.ds, &TDataSet::rowChanged);
    QSignalSpy reset(&p.ds, &TDataSet::dataReset);
    p.ds.edit();
    p.amount->setAsFloat(150);
    EXPECT_EQ(1, heard);
    EXPECT_EQ(1, changed.count());
    QObject::disconnect(first);
    p.amount->setAsFloat(175);
    p.ds.post();
    EXPECT_EQ(1, heard) << "a listener that left hears nothing more";
    const int before = changed.count();

    p.ds.disableControls();
    for (int i = 0; i < 100; ++i) {
        p.ds.edit();
        p.amount->setAsFloat(i);
        p.ds.post();
    }
    EXPECT_EQ(before, changed.count());
    p.ds.enableControls();
    EXPECT_EQ(1, reset.count());
}

TEST(DataSet, DisplayTextUsesTheFormatAndTheTextHandler) {
    People p;
    p.amount->setDisplayFormat(QStringLiteral("#,##0.00"));
    p.add(1, QStringLiteral("n"), 1234567.891);
    EXPECT_EQ(QStringLiteral("1.234.567,89"), p.amount->displayText());
    p.name->OnGetText = [](const TField&, const QVariant& v, bool) {
        return v.toString() == QLatin1String("n") ? QStringLiteral("Ne") : QString();
    };
    EXPECT_EQ(QStringLiteral("Ne"), p.name->displayText());
}

TEST(DataSet, ChangeCountGrowsWithEveryChangeOfContentsButNotWithMoving) {
    People p;
    p.add(1, QStringLiteral("Ana"), 100);
    p.add(2, QStringLiteral("Bojan"), 200);
    quint64 seen = p.ds.changeCount();
    const auto changed = [&] {
        const bool grew = p.ds.changeCount() > seen;
        seen = p.ds.changeCount();
        return grew;
    };
    p.ds.first();
    p.ds.next();
    EXPECT_FALSE(changed());
    p.ds.edit();
    EXPECT_FALSE(changed());
    p.amount->setAsFloat(250);
    EXPECT_TRUE(changed());
    p.ds.post();
    EXPECT_TRUE(changed());
    p.ds.edit();
    p.ds.cancel();
    EXPECT_TRUE(changed());
    p.ds.remove();
    EXPECT_TRUE(changed());
    p.ds.setSortFields(QStringLiteral("amount DESC"));
    EXPECT_TRUE(changed());
    p.ds.close();
    EXPECT_TRUE(changed());
}

TEST(DataSet, APostedRecordStaysInPlaceUnlessItsKeyMovesIt) {
    People p;
    p.add(1, QStringLiteral("A"), 1);
    p.add(2, QStringLiteral("B"), 2);
    p.add(3, QStringLiteral("C"), 2);
    p.add(4, QStringLiteral("D"), 3);
    p.ds.setSortFields(QStringLiteral("amount"));
    p.ds.locate(QStringLiteral("id"), 4);
    p.ds.edit();
    p.name->setAsString(QStringLiteral("D2"));
    p.ds.post();
    EXPECT_EQ(QStringList({"A", "B", "C", "D2"}), p.names());
    // A record posted with a key equal to the next one's goes after its
    // equals, as a new record with that key would.
    p.ds.locate(QStringLiteral("id"), 2);
    p.ds.edit();
    p.ds.post();
    EXPECT_EQ(QStringList({"A", "C", "B", "D2"}), p.names());
    p.ds.locate(QStringLiteral("id"), 1);
    p.ds.edit();
    p.amount->setAsFloat(5);
    p.ds.post();
    EXPECT_EQ(QStringList({"C", "B", "D2", "A"}), p.names());
    EXPECT_EQ(3, p.ds.currentIndex());
}

TEST(DataSet, RemembersWhichFieldEachRecentAssignmentChanged) {
    People p;
    p.add(1, QStringLiteral("Ana"), 100);
    p.ds.edit();
    const quint64 before = p.ds.changeCount();
    p.amount->setAsFloat(150);
    p.name->setAsString(QStringLiteral("Ana M."));
    EXPECT_EQ(p.amount->index(), p.ds.assignedField(before + 1));
    EXPECT_EQ(p.name->index(), p.ds.assignedField(before + 2));
    p.ds.post();
    EXPECT_EQ(-1, p.ds.assignedField(p.ds.changeCount()));  // a post is no assignment
    EXPECT_EQ(-1, p.ds.assignedField(before + 100));
    p.ds.edit();
    for (int i = 0; i < 20; ++i)
        p.amount->setAsFloat(i);
    EXPECT_EQ(-1, p.ds.assignedField(before + 1));  // forgotten by now
    EXPECT_EQ(p.amount->index(), p.ds.assignedField(p.ds.changeCount()));
}

#include "EBankFiles.h"

#include "EBankSettings.h"
#include "Transliteration.h"
#include "Windows1250.h"
#include "XmlText.h"
#include "db/DataSet.h"
#include "db/DbError.h"

#include <QFile>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Where the fields of an order stand, resolved once.
struct ErrandFields {
    explicit ErrandFields(const TDataSet& errands) {
        const auto at = [&errands](const char* name) { return errands.fieldByName(QLatin1String(name))->index(); };
        description = at("description");
        recipient = at("recipient");
        city = at("recipientcity");
        paycode = at("paycode");
        value = at("value");
        account = at("recipientbankaccount");
        model = at("recipientmodel");
        code = at("recipientcode");
    }
    int description, recipient, city, paycode, value, account, model, code;
};

QString element(const char* name, const QString& value) {
    const QLatin1String tag(name);
    return QLatin1Char('<') + tag + QLatin1Char('>') + XmlEscaped(value) + QLatin1String("</") + tag + QLatin1Char('>');
}

QString money(double value) { return QString::number(value, 'f', 2); }

// Cut to the width, then padded to it.
QString left(const QString& text, qsizetype width) { return text.leftJustified(width, QLatin1Char(' '), true); }

// Written under a temporary name and renamed when complete, so that a
// failure leaves no partial file. Not synced to disk file by file (as
// QSaveFile does): a run writes thousands of small files.
void write(const QString& name, const QByteArray& bytes) {
    const QString temporary = name + QStringLiteral(".part");
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EDatabaseError(QStringLiteral("Ne mogu da napravim datoteku %1: %2").arg(name, file.errorString()));
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    const QString error = file.errorString();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        QFile::remove(temporary);
        throw EDatabaseError(QStringLiteral("Ne mogu da upišem datoteku %1: %2").arg(name, error));
    }
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(name).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporary);
        throw EDatabaseError(QStringLiteral("Ne mogu da upišem datoteku %1: %2").arg(name, reason));
    }
}

}  // namespace

namespace {

// An order's SAGA XML, with what every order of a run shares worked out once.
QByteArray sagaOrder(const TDataSet& errands, const ErrandFields& f, int row, const TEBankSagaSettings& settings,
                     const QString& day) {
    const auto text = [&](int field) { return errands.valueAt(row, field).toString(); };
    const double value = errands.valueAt(row, f.value).toDouble();
    const QString fields = element("MaticniBrojNalogodavca", settings.CompanyNumber) + element("VasBrojNaloga", {})
        + element("SifraPlacanja", text(f.paycode)) + element("SvrhaDoznake", Convert1250To1252(text(f.description)))
        + element("SifraValute", QStringLiteral("941")) + element("Iznos", money(value))
        + element("DatumValute", day) + element("DatumValuteDo", day)
        + element("RacunNalogodavca", settings.PayerAccount()) + element("RacunKorisnika", text(f.account))
        + element("ModelNalogodavca", {}) + element("PozivNaBrojNalogodavca", {})
        + element("ModelKorisnika", text(f.model)) + element("PozivNaBrojKorisnika", text(f.code))
        + element("NazivNalogodavca", settings.CompanyName) + element("MestoNalogodavca", settings.CompanyCity)
        + element("NazivKorisnika", Convert1250To1252(text(f.recipient)))
        + element("MestoKorisnika", Convert1250To1252(text(f.city)));
    const QString priority = value > 200000.0 ? settings.PriorityRTGS : settings.Priority;
    return EncodeWindows1250(
        QStringLiteral("<Nalog><Data><SifraProizvodaCORE>501</SifraProizvodaCORE><TransakcijaID/><PlacanjeID/>"
                       "<DatumPrijema/><RedniBrojNaloga>1</RedniBrojNaloga>")
        + fields
        + QStringLiteral("<BrojGrupnogNaloga/><BrojZbirnogNaloga/><Status/><Prioritet>%1</Prioritet></Data>"
                         "<Potpisi></Potpisi></Nalog>")
              .arg(priority));
}

QByteArray halcomLine(const TDataSet& errands, const ErrandFields& f, int row, bool formatNew, const QString& day) {
    const auto text = [&](int field) { return errands.valueAt(row, field).toString(); };
    const auto hundredths = static_cast<long long>(std::llround(errands.valueAt(row, f.value).toDouble() * 100));
    const QString line = text(f.account) + left(Convert1250To1252(text(f.recipient)), 35)
        + left(Convert1250To1252(text(f.city)), 10) + QLatin1Char('0') + QString(25, QLatin1Char(' '))
        + left(Convert1250To1252(text(f.description)), 36) + QStringLiteral("00000")
        + (formatNew ? QString() : QStringLiteral(" ")) + left(text(f.paycode), 3) + QStringLiteral("  ")
        + QString::number(hundredths).left(13).rightJustified(13, QLatin1Char('0')) + left(text(f.model), 2)
        + left(text(f.code), 23) + day + QStringLiteral("01\r\n");
    return EncodeWindows1250(line);
}

QString sagaDay(const QDate& today) { return today.toString(QStringLiteral("dd.MM.yyyy")); }
QString halcomDay(const QDate& today) { return today.toString(QStringLiteral("ddMMyy")); }

}  // namespace

QByteArray SagaOrder(const TDataSet& errands, int row, const TEBankSagaSettings& settings, const QDate& today) {
    return sagaOrder(errands, ErrandFields(errands), row, settings, sagaDay(today));
}

QByteArray HalcomLine(const TDataSet& errands, int row, bool formatNew, const QDate& today) {
    return halcomLine(errands, ErrandFields(errands), row, formatNew, halcomDay(today));
}

QString EBankFileName(const QString& dir, const QDateTime& time, const QString& ending) {
    return dir + QLatin1Char('N') + time.toString(QStringLiteral("ddMMyyyy_HHmmss")) + ending;
}

QStringList EBankSAGAExport(const TDataSet& errands, const TEBankSagaSettings& settings, const QDateTime& now) {
    QStringList written;
    if (settings.ExportDir.isEmpty())
        return written;
    const int count = errands.recordCount();
    const ErrandFields fields(errands);
    const QString day = sagaDay(now.date());
    // The stamps counted on the wall clock: converting each to local time
    // would read the time zone thousands of times.
    const QDateTime wall(now.date(), now.time(), Qt::UTC);
    try {
        for (int i = 0; i < count; ++i) {
            const QString name = EBankFileName(settings.ExportDir, wall.addSecs(qint64(i + 1 - count)),
                                               QStringLiteral("_1.xml"));
            write(name, sagaOrder(errands, fields, i, settings, day));
            written << name;
        }
    } catch (const EDatabaseError&) {
        // A bank should get the run whole or not at all.
        for (const QString& name : std::as_const(written))
            QFile::remove(name);
        throw;
    }
    return written;
}

QString EBankHalcomExport(const TDataSet& errands, const TEBankHalcomSettings& settings, const QDateTime& now) {
    if (settings.ExportDir.isEmpty())
        return {};
    QByteArray bytes;
    const ErrandFields fields(errands);
    const QString day = halcomDay(now.date());
    for (int i = 0; i < errands.recordCount(); ++i)
        bytes += halcomLine(errands, fields, i, settings.FormatNew, day);
    const QDateTime wall(now.date(), now.time(), Qt::UTC);
    const QString name = EBankFileName(settings.ExportDir, wall.addSecs(1), QStringLiteral("_1.txt"));
    write(name, bytes);
    return name;
}

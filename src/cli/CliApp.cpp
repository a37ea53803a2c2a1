#include "CliApp.h"

#include "CliAnnualReports.h"
#include "CliCommands.h"
#include "CliDemo.h"
#include "CliDocument.h"
#include "CliEmployees.h"
#include "CliImports.h"
#include "CliOrders.h"
#include "CliPPPPO.h"
#include "CliPayments.h"
#include "CliSettings.h"
#include "CliStatements.h"
#include "CliTreasury.h"
#include "db/DbError.h"
#include "db/DefaultDatabase.h"

#include <QCommandLineParser>

namespace {

const char* const Usage =
    "Upotreba: zarade-cli [--db URL] KOMANDA [argumenti]\n"
    "\n"
    "Komande:\n"
    "  init       napravi ili dopuni šemu baze podataka na tekuću verziju\n"
    "  options [set KLJUČ=vrednost ...]     opcije modula zarada (sekcija Salary; da/ne ili 1/0)\n"
    "  settings set SEKCIJA KLJUČ=vrednost ... | settings show [SEKCIJA]\n"
    "                                       podešavanja (npr. CompanyInfo Name=... Code=PIB)\n"
    "  document new --type Z|B|P [--year G --month M] [--paymentdate GGGG-MM-DD]\n"
    "               [polje=vrednost ...]  nova zarada; ispisuje njen broj (salaryid)\n"
    "  document set ID polje=vrednost ...   izmeni zaglavlje zarade redom\n"
    "  document show ID [--format json|csv] zaglavlje i sve stavke\n"
    "  document post|unpost|copy|delete ID  proknjiži, otknjiži, kopiraj, izbriši\n"
    "  document compare ID [--with ID2] [--format json|csv]\n"
    "                                       razlike po zaposlenom u odnosu na raniju zaradu\n"
    "                                       (podrazumevano: prethodna proknjižena istog tipa)\n"
    "  line add ID ŠIFRA ...                dodaj zaposlene po šifri (Dodaj)\n"
    "  line add-all ID                      dodaj sve zaposlene koji ulaze u obračun (Dodaj sve);\n"
    "                                       ispisuje broj dodatih\n"
    "  line set ID ŠIFRA polje=vrednost ... izmeni stavku zaposlenog kao u tabeli\n"
    "  line difference ID ŠIFRA naziv=vrednost|naziv=procenat% ...\n"
    "                                       zameni razlike stavke i prenesi ih u stavku\n"
    "  line coefficients ID ŠIFRA koef:sati[:noćni:prekovremeni:praznik:noćni praznik] ...\n"
    "                                       zameni podelu stavke po koeficijentima i prenesi je\n"
    "  line delete ID ŠIFRA                 izbriši stavku zaposlenog\n"
    "  line explain ID ŠIFRA [--format text|json]\n"
    "                                       koraci obračuna stavke: ulazi, pravilo, rezultat\n"
    "  employees import DATOTEKA [--all-or-nothing]  uvezi zaposlene iz CSV datoteke\n"
    "  employees export DATOTEKA            izvezi sve zaposlene u CSV datoteku\n"
    "  attendance import DATOTEKA.csv [--partial]\n"
    "                                       uvezi evidenciju prisustva (šifra, datum, sati po vrstama);\n"
    "                                       bez --partial ništa se ne upisuje ako je i jedan red neispravan\n"
    "  import attendance ID                 popuni praznu zaradu iz evidencije prisustva za njen mesec\n"
    "  import sheet ID DATOTEKA             popuni praznu zaradu za prevoz iz tabele (.xls, .xlsx, .csv)\n"
    "                                       sa kolonama Kod, Neto, [ZaIsplatu], [Ime]\n"
    "  payment-lists ID [--not-decreased] [--format json|csv]\n"
    "                                       platni spisak: redovi, obustave, razlike, koeficijenti\n"
    "  recapitulation ID [--mode N] [--group org|suborg] [--not-decreased] [--format json|csv]\n"
    "  chambers ID [--group org|suborg] [--format json|csv]  članarine komorama\n"
    "  zipform ID [--format json|csv]       statistički obrazac zarada\n"
    "  print AKCIJA ID --out DATOTEKA       štampa u PDF (npr. SalaryPrintRecapitulation),\n"
    "                                       SalaryPrintRecapitulationToExcel u .xlsx;\n"
    "                                       SalaryPaymentErrandsEntire traži i --account RAČUN\n"
    "  print AKCIJA GODINA [--employee ŠIFRA] --out DATOTEKA\n"
    "                                       godišnji izveštaj u PDF: SalaryAnnualReportPPPPO,\n"
    "                                       ReportPPPPrint, ReportPPPPrintIndividual,\n"
    "                                       ReportPPPPrintIndividualReport (jednog zaposlenog, --employee),\n"
    "                                       ReportM4Print, ReportM4PrintIndividual\n"
    "  payslips ID --dir FASCIKLA           obračunski listići, po jedan PDF za svakog zaposlenog\n"
    "  orders ID --account RAČUN [--reference POZIV] [--credits] [--format json|csv]\n"
    "                                       nalozi za prenos (ili obustave po primaocima)\n"
    "  orders ID --account RAČUN [--reference POZIV] --text --out DATOTEKA\n"
    "                                       nalozi u tekstualnom modu, kako idu na štampač\n"
    "  ebank saga|halcom ID [--reference POZIV] [--dir FASCIKLA]\n"
    "                                       datoteke za elektronsko bankarstvo; ispisuje njihova imena\n"
    "  pppd build|show|delete (--document ID | --year G --month M) [--format json|csv]\n"
    "                                       redovi PPP-PD prijave iz proknjiženih zarada\n"
    "  pppd export (--document ID | --year G --month M) [--payer-type N] [--only ŠIFRA | --except ŠIFRA]\n"
    "       --out DATOTEKA                  XML prijava za objedinjenu naplatu, proverena šemom\n"
    "  certificate ŠIFRA --from GGGG-MM-DD --to GGGG-MM-DD [--format json|csv]\n"
    "                                       potvrda o zaradi: meseci i prosečni bruto, neto, za isplatu\n"
    "  ppp build|show|delete GODINA [--format json|csv]\n"
    "                                       godišnji PPP iz proknjiženih zarada isplaćenih u godini\n"
    "  ppp export GODINA --out DATOTEKA     PPP datoteka (zaglavlje i redovi razdvojeni sa ;)\n"
    "  m4 build|show|delete GODINA [--format json|csv]\n"
    "                                       godišnji M4 iz proknjiženih zarada i bolovanja za godinu\n"
    "  m4 export GODINA --roll R --position P --regnumber N --out DATOTEKA\n"
    "                                       M4 datoteka za fond PIO\n"
    "  ppppo build|show|delete GODINA [--format json|csv]\n"
    "                                       PPP-PO: godišnje potvrde iz PPP-PD redova godine\n"
    "  ppppo add GODINA ŠIFRA               red prihoda van radnog odnosa za zaposlenog; ispisuje broj reda\n"
    "  ppppo set RED polje=vrednost ...     izmeni red PPP-PO kao u tabeli\n"
    "  treasury show --year G --month M [--format json|csv]\n"
    "                                       zarade za trezor (MZ): neto po delovima, po zaposlenom\n"
    "  treasury export --year G --month M --out DATOTEKA  XML datoteka zarada za trezor\n"
    "  register build|show|delete --year G --month M [--format json|csv]\n"
    "                                       registar zaposlenih za trezor iz proknjiženih zarada\n"
    "  register export --year G --month M --out DATOTEKA  XML registra zaposlenih za trezor\n"
    "  demo       upiši demo preduzeće u praznu bazu\n"
    "  demo-month obračun meseca demo preduzeća bez prozora\n"
    "\n"
    "Opcije:\n"
    "  --db URL   baza podataka: putanja do datoteke, sqlite:PUTANJA ili\n"
    "             mysql://korisnik@server:port/baza[?socket=PUTANJA][&ssl=1][&ssl-ca=PUTANJA]\n"
    "             (podrazumevano: %1); lozinku servera program uzima iz\n"
    "             ZARADE_DB_PASSWORD ili je pita na terminalu\n"
    "  --yes, --no  odgovor na pitanja obračuna (bez njih pitanje je greška)\n"
    "  --help     ova pomoć\n";

}  // namespace

int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QString url = DefaultDatabaseUrl();
    CliAnswers answers = CliAnswers::Fail;
    QStringList rest;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            out << QString::fromUtf8(Usage).arg(DefaultDatabaseUrl());
            return 0;
        }
        if (arg == QLatin1String("--db")) {
            if (i + 1 >= arguments.size()) {
                err << "Greška: posle --db treba navesti adresu baze.\n";
                return 2;
            }
            url = arguments.at(++i);
        } else if (arg.startsWith(QLatin1String("--db="))) {
            url = arg.mid(5);
        } else if (arg == QLatin1String("--yes") || arg == QLatin1String("--no")) {
            answers = arg == QLatin1String("--yes") ? CliAnswers::Yes : CliAnswers::No;
        } else {
            rest << arg;
        }
    }
    if (rest.isEmpty()) {
        err << QString::fromUtf8(Usage).arg(DefaultDatabaseUrl());
        return 2;
    }
    const QString command = rest.takeFirst();
    try {
        CliContext context{url, rest, out, err, answers};
        if (command == QLatin1String("init"))
            return CommandInit(context);
        if (command == QLatin1String("options"))
            return CommandOptions(context);
        if (command == QLatin1String("document"))
            return CommandDocument(context);
        if (command == QLatin1String("line"))
            return CommandLine(context);
        if (command == QLatin1String("employees"))
            return CommandEmployees(context);
        if (command == QLatin1String("attendance"))
            return CommandAttendance(context);
        if (command == QLatin1String("import"))
            return CommandImport(context);
        if (command == QLatin1String("certificate"))
            return CommandCertificate(context);
        if (command == QLatin1String("settings"))
            return CommandSettings(context);
        if (command == QLatin1String("payment-lists"))
            return CommandPaymentLists(context);
        if (command == QLatin1String("recapitulation"))
            return CommandRecapitulation(context);
        if (command == QLatin1String("chambers"))
            return CommandChambers(context);
        if (command == QLatin1String("zipform"))
            return CommandZipForm(context);
        if (command == QLatin1String("print"))
            return CommandPrint(context);
        if (command == QLatin1String("payslips"))
            return CommandPaySlips(context);
        if (command == QLatin1String("orders"))
            return CommandOrders(context);
        if (command == QLatin1String("ebank"))
            return CommandEBank(context);
        if (command == QLatin1String("pppd"))
            return CommandPppd(context);
        if (command == QLatin1String("ppp"))
            return CommandPpp(context);
        if (command == QLatin1String("m4"))
            return CommandM4(context);
        if (command == QLatin1String("ppppo"))
            return CommandPppPo(context);
        if (command == QLatin1String("treasury"))
            return CommandTreasury(context);
        if (command == QLatin1String("register"))
            return CommandRegister(context);
        if (command == QLatin1String("demo"))
            return CommandDemo(context);
        if (command == QLatin1String("demo-month"))
            return CommandDemoMonth(context);
        err << "Greška: nepoznata komanda \"" << command << "\". Pogledajte zarade-cli --help.\n";
        return 2;
    } catch (const EDatabaseError& error) {
        err << "Greška: " << error.message() << "\n";
        return 1;
    } catch (const std::exception& error) {
        err << "Greška: " << QString::fromUtf8(error.what()) << "\n";
        return 1;
    }
}

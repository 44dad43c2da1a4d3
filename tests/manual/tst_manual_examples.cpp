// Every worked example in the user manual, typed into its window, gives the
// answer and work line the manual quotes.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>

#include "TestSupport.h"

namespace {
// Topic file -> the window it describes.
const QList<std::pair<const char*, const char*>> Topics = {
    {"Graham'sLaw.txt", "frmGrahams"},          {"MolarityMolality.txt", "frmMolarity"},
    {"Significant.txt", "frmSigfig"},           {"EnergyExchangeTransfer.txt", "frmEnergyChange"},
    {"Acids.txt", "frmAcids"},                  {"Weights.txt", "frmWeights"},
    {"Weight Calculations.txt", "frmWeightCalculations"}, {"Charles'sLaw.txt", "frmCharlesLaw"},
    {"Boyle'sLaw.txt", "frmBoyles"},            {"IdealGasLaw.txt", "frmIdeal"},
    {"MolecularWeight.txt", "frmMolecularWeight"}, {"Gas Density.txt", "frmGasDensity"},
    {"Dalton'sLaw.txt", "frmDalton"},           {"CombinedGasLaw.txt", "frmCombinedLaws"},
    {"MolarVolume.txt", "frmMolarVolume"},      {"MassGasVolume.txt", "frmMassVolume"},
    {"VolumeVolume.txt", "frmVolumeVolume"},    {"GayLussac'sLaw.txt", "frmGayLussac"},
    {"Raoult'sLaw.txt", "frmRaoults"},          {"Henry'sLaw.txt", "frmHenrys"},
    {"FPBPChanges.txt", "frmFreezing"},         {"SolubilityConstant.txt", "frmSolubilityConstants"},
    {"EquilibriumConstant.txt", "frmEquilibriumConstant"}, {"Titration.txt", "frmTitration"},
    {"IonizationConstant.txt", "frmionizationConstant"}, {"MoleFractionPercent.txt", "frmMoleFraction"},
    {"Thermodynamics.txt", "frmThermoData"},    {"Faraday'sLaw.txt", "frmFaradays"},
    {"HalfLifeCalculations.txt", "frmHalfLife"}, {"Density.txt", "frmDensity"},
    {"Volume.txt", "frmVolume"},                {"Temperature Conversions.txt", "frmTemperatures"},
    {"TimeConversions.txt", "frmTime"},         {"MassWeight.txt", "frmMassToWeight"},
    {"MetricConversion.txt", "frmMetrics"},     {"EnglishMetrics.txt", "frmEnglish"},
    {"Moles.txt", "fmrMoles"},                  {"AverageAtomicMass.txt", "frmAverageMass"},
    {"MassEnergy.txt", "frmMassEnergy"},        {"MassMassRelationship.txt", "frmMass"},
    {"BalancingReactions.txt", "frmReactions"},
    {"EnergyAndChangeOfState.txt", "frmChangeOfState"},
};

QString plain(QString s) { return s.remove(QLatin1Char('&')).trimmed(); }

QString shownText(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* t = qobject_cast<QTextEdit*>(w)) return t->toPlainText();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return QString();
}
}  // namespace

class TstManualExamples : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::init(); }
    void cleanup() { TestSupport::unloadAll(); }

    void examplesMatchTheWindows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("example");
        int rows = 0;
        for (const auto& [file, window] : Topics) {
            if (!Forms::isRegistered(QLatin1String(window))) continue;  // not built yet
            QFile f(Program::path(QString::fromUtf8(file)));
            QVERIFY2(f.open(QIODevice::ReadOnly), file);
            const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
            for (const QString& line : lines)
                if (line.trimmed().startsWith(QStringLiteral("Example:")))
                    QTest::newRow(qPrintable(QStringLiteral("%1 #%2").arg(QLatin1String(window)).arg(++rows)))
                        << QString::fromLatin1(window) << line.trimmed().mid(8).trimmed();
        }
        QVERIFY(rows > 0);
    }

    void examplesMatchTheWindows() {
        QFETCH(QString, window);
        QFETCH(QString, example);
        const int arrow = example.indexOf(QStringLiteral(" → "));
        QVERIFY2(arrow > 0, qPrintable(example));
        const QString inputs = example.left(arrow);
        QString rest = example.mid(arrow + 3);
        QString workLine;
        bool hasWorkLine = false;
        const int wl = rest.indexOf(QStringLiteral("  (work line: "));
        const int nwl = rest.indexOf(QStringLiteral("  (no work line)"));
        QString answer;
        if (wl >= 0) {
            answer = rest.left(wl).trimmed();
            workLine = rest.mid(wl + 14);
            workLine.chop(1);  // the closing bracket
            hasWorkLine = true;
        } else {
            answer = (nwl >= 0 ? rest.left(nwl) : rest).trimmed();
        }

        Form* form = Forms::show(window);
        QVERIFY(form);
        QAbstractButton* button = nullptr;
        QHash<QString, int> seen;
        for (QString part : inputs.split(QStringLiteral("; "))) {
            part = part.trimmed();
            if (part.startsWith(QStringLiteral("Option: ")) || part.startsWith(QStringLiteral("Button: "))) {
                const bool isOption = part.startsWith(QStringLiteral("Option: "));
                QString caption = part.mid(8);
                int which = 0;
                static const QRegularExpression qual(QStringLiteral("^(.*) \\((From|To|Select the unit for the quantity|Select the desired unit)\\)$"));
                if (auto m = qual.match(caption); m.hasMatch()) {
                    caption = m.captured(1);
                    which = (m.captured(2) == QLatin1String("To") || m.captured(2).contains(QLatin1String("desired"))) ? 1 : 0;
                }
                QList<QAbstractButton*> matches;
                for (QAbstractButton* b : form->findChildren<QAbstractButton*>())
                    if (plain(b->text()) == caption && (isOption == (qobject_cast<QRadioButton*>(b) != nullptr)))
                        matches << b;
                if (matches.size() <= which) QFAIL(qPrintable(QStringLiteral("no control \"%1\" in %2").arg(caption, window)));
                if (isOption) matches.at(which)->click();
                else button = matches.at(which);
                continue;
            }
            const int eq = part.lastIndexOf(QStringLiteral(" = "));
            QVERIFY2(eq > 0, qPrintable(part));
            QString prompt = part.left(eq).trimmed();
            const QString value = part.mid(eq + 3);
            prompt.remove(QRegularExpression(QStringLiteral(" \\((reactant|product|row \\d)\\)$")));
            const int nth = seen[prompt]++;
            QList<QWidget*> boxes;
            for (QLabel* l : form->findChildren<QLabel*>())
                if (l->isVisibleTo(form) && plain(l->text()) == prompt && l->buddy()) boxes << l->buddy();
            if (boxes.size() <= nth) QFAIL(qPrintable(QStringLiteral("no box \"%1\" in %2").arg(prompt, window)));
            QWidget* box = boxes.at(nth);
            if (auto* e = qobject_cast<QLineEdit*>(box)) e->setText(value);
            else if (auto* t = qobject_cast<QTextEdit*>(box)) t->setPlainText(value);
            else if (auto* list = qobject_cast<QListWidget*>(box)) {
                // A list entry is chosen by one of its words ("Carbon" in "C   Carbon").
                int row = -1;
                for (int r = 0; r < list->count() && row < 0; ++r)
                    if (list->item(r)->text().split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(value)) row = r;
                if (row < 0) QFAIL(qPrintable(QStringLiteral("no entry \"%1\" in %2").arg(value, window)));
                list->setCurrentRow(row);
            } else QSKIP("box kind not driven");
        }
        if (!button) button = form->findChild<QAbstractButton*>(QStringLiteral("cmdOk"));
        QVERIFY(button);
        TestSupport::messages().clear();
        button->click();
        QVERIFY2(TestSupport::messages().shown.isEmpty(), qPrintable(TestSupport::messages().lastText()));

        QStringList shown;
        for (QWidget* w : form->findChildren<QWidget*>())
            if (!shownText(w).isEmpty()) shown << shownText(w);
        // A frame of labelled boxes reads "<title>: <label> <box>, ...".
        for (QGroupBox* g : form->findChildren<QGroupBox*>()) {
            QStringList rows;
            for (QLabel* l : g->findChildren<QLabel*>())
                if (!l->text().isEmpty() && l->buddy()) rows << l->text() + QLatin1Char(' ') + shownText(l->buddy());
            if (!rows.isEmpty()) shown << plain(g->title()) + QStringLiteral(": ") + rows.join(QStringLiteral(", "));
        }
        // Answers in several frames are joined by " / ".
        for (const QString& part : answer.split(QStringLiteral(" / ")))
            QVERIFY2(shown.contains(part), qPrintable(QStringLiteral("answer %1 not among: %2").arg(part, shown.join(QStringLiteral(" | ")))));
        if (hasWorkLine) {
            QWidget* line = nullptr;
            for (QWidget* w : form->findChildren<QWidget*>())
                if (w->accessibleName() == QStringLiteral("Work line")) line = w;
            QVERIFY2(line, "no work line");
            QCOMPARE(shownText(line), workLine);
        }
    }
};

QTEST_MAIN(TstManualExamples)
#include "tst_manual_examples.moc"

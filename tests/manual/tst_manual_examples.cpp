// Every worked example in the user manual, typed into its window, gives the
// answer and work line the manual quotes; every message a topic quotes in its
// checks is one its window shows, and the topic quotes every one it shows.
//
// An example line: "Example: <prompt> = <value>; Option: <caption>; Check: <caption>;
// Button: <caption> → <answer>[ / <answer>]  (work line: <text>)" or "(no work line)".
#include <QAbstractButton>
#include <QCheckBox>
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
    {"EnergyAndChangeOfState.txt", "frmChangeOfState"}, {"Build An Atom.txt", "frmBuildAtoms"},
};

QString plain(QString s) { return s.remove(QLatin1Char('&')).trimmed(); }

QString topicText(const QString& file) {
    QFile f(Program::path(file));
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

// The lines of a topic's section, from its "## <title>" line to the next.
QString section(const QString& text, const QString& title) {
    const QString head = QStringLiteral("\n## ") + title + QLatin1Char('\n');
    const int from = text.indexOf(head);
    if (from < 0) return QString();
    const int to = text.indexOf(QStringLiteral("\n## "), from + head.size() - 1);
    return text.mid(from + head.size(), to < 0 ? -1 : to - from - head.size());
}

// The quoted texts: in typographic quotes (a message that holds straight
// quotes itself) or in straight ones.
QStringList quoted(QString text) {
    QStringList out;
    static const QRegularExpression curly(QStringLiteral("\u201C(.*?)\u201D"));
    for (const QRegularExpressionMatch& m : curly.globalMatch(text)) out << m.captured(1);
    text.remove(curly);
    static const QRegularExpression straight(QStringLiteral("\"([^\"\n]*)\""));
    for (const QRegularExpressionMatch& m : straight.globalMatch(text)) out << m.captured(1);
    return out;
}

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

    // Each mapped topic's checks quote only messages its window shows, and
    // every message the window shows, but the key filter's, which the topic
    // "Using" quotes for every window.
    void checksQuoteTheWindowsMessages_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("quotes");
        for (const auto& [file, window] : Topics) {
            const QString checks = section(topicText(QString::fromUtf8(file)), QStringLiteral("Checks"));
            QVERIFY2(!checks.isEmpty(), file);
            QTest::newRow(file) << QString::fromLatin1(window) << quoted(checks);
        }
    }

    void checksQuoteTheWindowsMessages() {
        QFETCH(QString, window);
        QFETCH(QStringList, quotes);
        const QStringList keyMessages =
            quoted(section(topicText(QStringLiteral("Using.txt")), QStringLiteral("The number key filter")));
        QVERIFY(keyMessages.contains(QStringLiteral("You must enter a valid numerical expression")));
        Form* form = Forms::show(window);
        QVERIFY(form);
        const QStringList shown = form->messageTexts();
        for (const QString& q : quotes)
            QVERIFY2(shown.contains(q), qPrintable(QStringLiteral("%1 never shows \"%2\"").arg(window, q)));
        for (const QString& m : shown)
            QVERIFY2(quotes.contains(m) || keyMessages.contains(m),
                     qPrintable(QStringLiteral("the topic of %1 does not quote \"%2\"").arg(window, m)));
    }

    // Every topic with checks is mapped to its window.
    void everyTopicWithChecksIsMapped() {
        const QStringList files = QDir(Program::folder()).entryList({QStringLiteral("*.txt")});
        QVERIFY(files.size() >= 48);
        for (const QString& file : files) {
            if (section(topicText(file), QStringLiteral("Checks")).isEmpty()) continue;
            bool mapped = false;
            for (const auto& topic : Topics) mapped = mapped || file == QString::fromUtf8(topic.first);
            QVERIFY2(mapped, qPrintable(file));
        }
    }

    void examplesMatchTheWindows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("example");
        int rows = 0;
        for (const auto& [file, window] : Topics) {
            QVERIFY2(Forms::isRegistered(QLatin1String(window)), window);
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
            if (part.startsWith(QStringLiteral("Check: "))) {
                // A check box is ticked by its caption.
                QCheckBox* box = nullptr;
                for (QCheckBox* c : form->findChildren<QCheckBox*>())
                    if (plain(c->text()) == part.mid(7)) box = c;
                if (!box) QFAIL(qPrintable(QStringLiteral("no check box \"%1\" in %2").arg(part.mid(7), window)));
                box->setChecked(true);
                continue;
            }
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

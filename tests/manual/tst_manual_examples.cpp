// Every worked example in the user manual, typed into its window, gives the
// answer and work line the manual quotes; every message a topic quotes in its
// checks is one its window shows, and the topic quotes every one it shows.
//
// The examples are read from the viewer's pane, as the student sees them.
// An example is an "Example: <title>" paragraph followed by numbered steps:
//   Choose "<option>"[ in "<frame>"]    Tick "<check box>"
//   Type <value> in "<prompt>"[ of row <n> | of "<frame>"]    Select <entry> in "<prompt>"
//   Press "<button>"    Press Ok
//   The window shows: <answer>[ and <answer> ...]
//   The work line reads: <text>
// An "Example:" paragraph without numbered steps under it is a fault.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
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

#include "MessageTexts.h"
#include "TestSupport.h"
#include "formulas/FormulaBox.h"
#include "formulas/frmWeights.h"
#include "gases/WaterVapourLookup.h"
#include "help/frmHelp.h"

#include <QTextBlock>

namespace {
// Topic file -> the window it describes, as the help tree names them.
QList<std::pair<QString, QString>> topics() {
    QList<std::pair<QString, QString>> out;
    for (const frmHelp::Topic& t : frmHelp::topics())
        if (!t.window.isEmpty()) out.append({t.file, t.window});
    return out;
}
const QList<std::pair<QString, QString>> Topics = topics();

// Topics that borrow an example from another window's topic, and that window.
const QList<std::pair<QString, QString>> Borrowed = {{"Using.txt", "frmGrahams"}};

// The topic files in the program's folder (the robot leaves its reports there too).
QStringList topicFiles() {
    QStringList files = QDir(Program::folder()).entryList({QStringLiteral("*.txt")});
    files.removeIf([](const QString& f) { return f.startsWith(QLatin1String("robot-")); });
    return files;
}

QString plain(QString s) { return s.remove(QLatin1Char('&')).trimmed(); }

QString topicText(const QString& file) {
    QFile f(Program::path(file));
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

// Whether a message is among the texts. A window lists a message that
// carries a value with a stand-in ("<t>" for a temperature); a topic quotes
// it with a value a student could meet.
bool quotesMessage(const QStringList& texts, const QString& message, bool messageHasStandIns = false) {
    static const QRegularExpression standIn(QStringLiteral("<[a-z]>"));
    for (const QString& text : texts) {
        if (text == message) return true;
        const QString& pattern = messageHasStandIns ? message : text;
        const QString& value = messageHasStandIns ? text : message;
        if (!pattern.contains(standIn)) continue;
        // A temperature is a number; a symbol, group or count one word.
        QString re = QRegularExpression::escape(pattern);
        re.replace(QRegularExpression(QStringLiteral("\\\\?<t\\\\?>")), QStringLiteral("-?[0-9]+(\\.[0-9]+)?"));
        re.replace(QRegularExpression(QStringLiteral("\\\\?<[a-z]\\\\?>")), QStringLiteral("\\S+"));
        if (QRegularExpression(QLatin1Char('^') + re + QLatin1Char('$')).match(value).hasMatch()) return true;
    }
    return false;
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

// The topic's paragraphs as the viewer shows them, fixed blanks as blanks.
QStringList shownBlocks(const QString& file) {
    auto* help = Forms::showAs<frmHelp>(QStringLiteral("frmHelp"));
    if (!help) return {};
    help->LoadHelpTopic(file);
    QStringList out;
    for (QTextBlock b = help->RTB1->document()->begin(); b.isValid(); b = b.next())
        out << b.text().replace(QChar::Nbsp, QLatin1Char(' '));
    TestSupport::unloadAll();
    return out;
}

[[maybe_unused]] QString shownTopic(const QString& file) { return shownBlocks(file).join(QLatin1Char('\n')); }

// "3. Type 2 in ..." -> "Type 2 in ..."; else empty.
QString stepText(const QString& block) {
    static const QRegularExpression item(QStringLiteral("^\\s*\\d+\\. (.*)$"));
    const auto m = item.match(block);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

QString shownText(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* t = qobject_cast<QTextEdit*>(w)) return t->toPlainText();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return QString();
}

// Whether a control sits in a frame with this title, at any depth.
bool inFrame(QWidget* w, const QString& title) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* g = qobject_cast<QGroupBox*>(p); g && plain(g->title()) == title) return true;
    return false;
}

// Each returns what went wrong, or an empty text.
QString choose(Form* form, const QString& caption, const QString& frame, int which = 0) {
    QList<QRadioButton*> matches;
    for (QRadioButton* b : form->findChildren<QRadioButton*>())
        if (plain(b->text()) == caption && (frame.isEmpty() || inFrame(b, frame))) matches << b;
    if (matches.size() <= which) return QStringLiteral("no option \"%1\" %2").arg(caption, frame);
    matches.at(which)->click();
    return {};
}

QString tick(Form* form, const QString& caption) {
    for (QCheckBox* c : form->findChildren<QCheckBox*>())
        if (plain(c->text()) == caption) {
            c->setChecked(true);
            return {};
        }
    return QStringLiteral("no check box \"%1\"").arg(caption);
}

QString press(Form* form, const QString& caption, int which, QAbstractButton** button) {
    QList<QAbstractButton*> matches;
    for (QAbstractButton* b : form->findChildren<QAbstractButton*>())
        if (plain(b->text()) == caption && !qobject_cast<QRadioButton*>(b)) matches << b;
    if (matches.isEmpty() && caption == QLatin1String("Ok")) matches << form->findChild<QAbstractButton*>(QStringLiteral("cmdOk"));
    matches.removeAll(nullptr);
    if (matches.size() <= which) return QStringLiteral("no button \"%1\"").arg(caption);
    *button = matches.at(which);
    return {};
}

// Types into the nth visible box labelled by the prompt; a list takes the
// entry holding the value as one of its words ("Carbon" in "C   Carbon").
QString type(Form* form, const QString& prompt, int nth, const QString& value, const QString& frame = QString()) {
    QList<QWidget*> boxes;
    for (QLabel* l : form->findChildren<QLabel*>())
        if (l->isVisibleTo(form) && plain(l->text()) == prompt && l->buddy() && (frame.isEmpty() || inFrame(l, frame)))
            boxes << l->buddy();
    if (boxes.size() <= nth) return QStringLiteral("no box \"%1\"").arg(prompt);
    QWidget* box = boxes.at(nth);
    if (auto* e = qobject_cast<QLineEdit*>(box)) e->setText(value);
    else if (auto* t = qobject_cast<QTextEdit*>(box)) t->setPlainText(value);
    else if (auto* list = qobject_cast<QListWidget*>(box)) {
        int row = -1;
        for (int r = 0; r < list->count() && row < 0; ++r)
            if (list->item(r)->text().split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(value)) row = r;
        if (row < 0) return QStringLiteral("no entry \"%1\" in \"%2\"").arg(value, prompt);
        list->setCurrentRow(row);
    } else return QStringLiteral("box \"%1\" is of a kind not driven").arg(prompt);
    return {};
}

// What an example says the window shows after its button.
struct Expected {
    QAbstractButton* button = nullptr;
    QStringList answers;
    QString workLine;
    bool hasWorkLine = false;
};

// Runs the numbered steps of an example; returns what went wrong.
QString runSteps(Form* form, const QStringList& steps, Expected* out) {
    static const QRegularExpression chooseIn(QStringLiteral("^Choose \"(.+)\" in \"(.+)\"$"));
    static const QRegularExpression chooseOne(QStringLiteral("^Choose \"(.+)\"$"));
    static const QRegularExpression tickOne(QStringLiteral("^Tick \"(.+)\"$"));
    static const QRegularExpression typeRow(QStringLiteral("^Type (.+?) in \"(.+)\" of row (\\d)$"));
    static const QRegularExpression typeFrame(QStringLiteral("^Type (.+?) in \"(.+?)\" of \"(.+)\"$"));
    static const QRegularExpression typeIn(QStringLiteral("^Type (.+?) in \"(.+)\"$"));
    static const QRegularExpression selectIn(QStringLiteral("^Select (.+) in \"(.+)\"$"));
    static const QRegularExpression pressOne(QStringLiteral("^Press (?:\"(.+)\"|Ok)$"));
    static const QString shows = QStringLiteral("The window shows: "), reads = QStringLiteral("The work line reads: ");
    if (steps.isEmpty()) return QStringLiteral("an example without steps");
    for (const QString& block : steps) {
        const QString step = stepText(block);
        QString error;
        QRegularExpressionMatch m;
        if (step.startsWith(shows)) {
            if (!out->button) return QStringLiteral("an answer before a button is pressed: ") + step;
            out->answers = step.mid(shows.size()).split(QStringLiteral(" and "));
        } else if (step.startsWith(reads)) {
            if (!out->button) return QStringLiteral("a work line before a button is pressed: ") + step;
            out->workLine = step.mid(reads.size());
            out->hasWorkLine = true;
        } else if (out->button) {
            return QStringLiteral("a step after the button: ") + step;
        } else if ((m = chooseIn.match(step)).hasMatch()) {
            error = choose(form, m.captured(1), m.captured(2));
        } else if ((m = chooseOne.match(step)).hasMatch()) {
            error = choose(form, m.captured(1), QString());
        } else if ((m = tickOne.match(step)).hasMatch()) {
            error = tick(form, m.captured(1));
        } else if ((m = typeFrame.match(step)).hasMatch()) {
            error = type(form, m.captured(2), 0, m.captured(1), m.captured(3));
        } else if ((m = typeRow.match(step)).hasMatch()) {
            error = type(form, m.captured(2), m.captured(3).toInt() - 1, m.captured(1));
        } else if ((m = typeIn.match(step)).hasMatch()) {
            error = type(form, m.captured(2), 0, m.captured(1));
        } else if ((m = selectIn.match(step)).hasMatch()) {
            error = type(form, m.captured(2), 0, m.captured(1));
        } else if ((m = pressOne.match(step)).hasMatch()) {
            error = press(form, m.capturedLength(1) ? m.captured(1) : QStringLiteral("Ok"), 0, &out->button);
        } else {
            return QStringLiteral("a step not understood: ") + step;
        }
        if (!error.isEmpty()) return error;
    }
    if (!out->button) return QStringLiteral("no button is pressed");
    if (out->answers.isEmpty()) return QStringLiteral("the example does not say what the window shows");
    return {};
}

// A sentence a topic says about its window, and what the window shows for it.
// Steps: "Box=text" fills a box, "click:Name" presses a button or option,
// "keys:Box=text" types into a box key by key, "paste:Box=text" pastes into it.
// Checks: "Name==text" (a box or label; "frmX.Name" in another window),
// "Name~=number" (the number shown, rounded to the decimals written),
// "checked:Name", "prompt:text" (a label on screen reads it), "row:words" (a
// list line reads them, blanks aside), "message==text".
struct Claim {
    const char* file;
    const char* sentence;
    const char* window;
    QStringList steps, checks;
};

const QList<Claim>& claims() {
    static const QList<Claim> c = {
        {"Acids.txt", "1.0E-9 M HCl holds about 1.005E-7 M H₃O⁺, not 1.0E-9 M, and has pH 6.998, not 9.000", "frmAcids",
         {"click:opt1", "Text1=1.005E-7", "click:cmdOk"}, {"Text2==6.998"}},
        {"Acids.txt", "has pH 6.998, not 9.000", "frmAcids", {"click:opt1", "Text1=1.0E-9", "click:cmdOk"}, {"Text2==9.000"}},
        {"Acids.txt", "Invalid procedure call or argument for 0", "frmAcids", {"click:opt1", "Text1=0", "click:cmdOk"},
         {"message==Invalid procedure call or argument"}},
        {"RegularPeriodicTable.txt", "For copper (atomic weight 63.546, atomic number 29) it shows 64 − 29 = 35 neutrons",
         "frmPeriodic", {"click:cmdCu"}, {"frmPeriodicData.Text3==29", "frmPeriodicData.Text11==35"}},
        {"RegularPeriodicTable.txt", "(-1,+1 for hydrogen", "frmPeriodic", {"click:cmdH"}, {"frmPeriodicData.Text6==-1,+1"}},
        {"Charles'sLaw.txt", "chooses Find final temperature again", "frmCharlesLaw",
         {"click:opt2", "txtFinalEntry=300", "click:cmdClear"},
         {"checked:opt1", "txtFinalEntry==", "prompt:Enter a final volume in liters."}},
        {"Boyle'sLaw.txt", "chooses Find final pressure again", "frmBoyles", {"click:opt2", "txtFinalEntry=2", "click:cmdClear"},
         {"checked:opt1", "txtFinalEntry==", "prompt:Enter a final volume in liters"}},
        {"Boyle'sLaw.txt", "Clear shortens its prompts to \"Enter an initial volume.\", \"Enter an initial pressure\" and \"Enter a final volume\"",
         "frmBoyles", {"click:opt1", "click:cmdClear"},
         {"checked:opt1", "prompt:Enter an initial volume.", "prompt:Enter an initial pressure", "prompt:Enter a final volume"}},
        {"GayLussac'sLaw.txt", "chooses Find pressure again", "frmGayLussac", {"click:opt2", "Text1=2", "click:cmdClear"},
         {"checked:opt1", "Text1==", "prompt:Enter the final temperature in Kelvin."}},
        {"TimeConversions.txt", "you can select and copy it, but not type into it", "frmTime",
         {"Text1=2", "click:cmdDToH", "keys:Text2=12", "paste:Text2=7"}, {"Text2==48.00000", "Label3==hours"}},
        {"Boyle'sLaw.txt", "Overflow for a number or answer too large", "frmBoyles",
         {"click:opt1", "txtInitialVolume=1E+309", "txtInitialPressure=2", "txtFinalEntry=3", "click:cmdOk"}, {"message==Overflow"}},
        {"Charles'sLaw.txt", "Type mismatch for text that is not a number", "frmCharlesLaw",
         {"click:opt1", "txtInitialTemperature=.", "txtInitialVolume=2", "txtFinalEntry=3", "click:cmdOk"}, {"message==Type mismatch"}},
        {"MoleFractionPercent.txt", "Division by zero for the zeros", "frmMoleFraction",
         {"Text1=10", "Text2=0", "Text3=90", "Text4=18", "click:cmdOk"}, {"message==Division by zero"}},
        {"AverageAtomicMass.txt", "such as fluorine (18.998) or sodium (22.990)", "frmPeriodic", {"click:cmdF"},
         {"frmPeriodicData.Text4~=18.998"}},
        {"AverageAtomicMass.txt", "such as fluorine (18.998) or sodium (22.990)", "frmPeriodic", {"click:cmdNa"},
         {"frmPeriodicData.Text4~=22.990"}},
        {"DataTables.txt", "for nitrogen the table gives an estimate of that energy as a negative value, -6.80", "frmAffinities",
         {}, {"row:Nitrogen -6.80", "row:Helium 0.00", "row:Beryllium 0.00", "row:Neon 0.00", "row:Magnesium 0.00", "row:Argon 0.00"}},
        {"TimeConversions.txt", "(Type mismatch or Overflow)", "frmTime", {"Text1=1E307", "click:cmdDToH"},
         {"message==Overflow"}},
    };
    return c;
}

QWidget* named(const QString& path, Form* form) {
    if (!path.contains(QLatin1Char('.'))) return form->findChild<QWidget*>(path);
    Form* other = Forms::isLoaded(path.section(QLatin1Char('.'), 0, 0)) ? Forms::show(path.section(QLatin1Char('.'), 0, 0)) : nullptr;
    return other ? other->findChild<QWidget*>(path.section(QLatin1Char('.'), 1)) : nullptr;
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
    // The table's texts built from a template are those the windows build.
    void extraMessageTextsFollowTheirTemplates() {
        const auto& extra = TestSupport::extraMessageTexts();
        for (const char* window : {"frmCombinedLaws", "frmDalton", "frmRaoults"})
            QVERIFY2(extra.value(QLatin1String(window)).contains(WaterVapourLookup::noEntryTemplate()), window);
        QVERIFY(extra.value(QStringLiteral("frmReactions")).contains(FormulaBox::pasteRefusal(QStringLiteral("<c>"))));
    }

    void checksQuoteTheWindowsMessages_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("quotes");
        for (const auto& [file, window] : Topics) {
            const QString checks = section(topicText(file), QStringLiteral("Checks"));
            QVERIFY2(!checks.isEmpty(), qPrintable(file));
            QTest::newRow(qPrintable(file)) << window << quoted(checks);
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
        const QStringList shown = TestSupport::messageTexts(form);
        for (const QString& q : quotes)
            QVERIFY2(quotesMessage(shown, q), qPrintable(QStringLiteral("%1 never shows \"%2\"").arg(window, q)));
        for (const QString& m : shown)
            QVERIFY2(quotesMessage(quotes, m, true) || keyMessages.contains(m),
                     qPrintable(QStringLiteral("the topic of %1 does not quote \"%2\"").arg(window, m)));
    }

    // A topic that quotes the water table's refusal with a temperature quotes
    // what its window says for that temperature.
    void waterTableRefusalAsQuoted_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("boxes");  // name=value
        QTest::addColumn<bool>("overWater");
        QTest::newRow("combined 298.5 K") << "CombinedGasLaw.txt" << "frmCombinedLaws"
                                          << QStringList{"Text1=2", "Text2=100", "Text3=298.5", "Text4=50", "Text5=600"} << true;
        QTest::newRow("Dalton 25.5 C") << "Dalton'sLaw.txt" << "frmDalton"
                                       << QStringList{"Text1=25.5", "Text2=2", "Text3=101.3", "Text5=101.3"} << false;
        QTest::newRow("Raoult 101 C") << "Raoult'sLaw.txt" << "frmRaoults"
                                      << QStringList{"Text1=101", "Text2=10", "Text3=10", "Text4=90", "Text5=18"} << false;
    }

    void waterTableRefusalAsQuoted() {
        QFETCH(QString, file);
        QFETCH(QString, window);
        QFETCH(QStringList, boxes);
        QFETCH(bool, overWater);
        QString quote;
        for (const QString& q : quoted(section(topicText(file), QStringLiteral("Checks"))))
            if (q.contains(QStringLiteral("has no entry for"))) quote = q;
        QVERIFY2(!quote.isEmpty() && !quote.contains(QLatin1Char('<')), qPrintable(file));
        Form* form = Forms::show(window);
        QVERIFY(form);
        if (overWater) form->findChildren<QCheckBox*>().value(0)->setChecked(true);
        for (const QString& b : boxes) {
            auto* box = form->findChild<QLineEdit*>(b.section(QLatin1Char('='), 0, 0));
            QVERIFY2(box, qPrintable(b));
            box->setText(b.section(QLatin1Char('='), 1));
        }
        TestSupport::messages().clear();
        form->findChild<QAbstractButton*>(QStringLiteral("cmdOk"))->click();
        QCOMPARE(TestSupport::messages().lastText(), quote);
    }

    // A message a topic quotes with a real symbol, group, number or character
    // in it is what the window says for the formula the topic names beside it.
    void refusalsAsQuoted_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<bool>("pasted");
        const QString weigh = QStringLiteral("Enter a formula using correct form with capital/small letters.");
        const struct {
            const char* name;
            const char* formula;
            bool pasted;
        } weights[] = {{"unknown symbol", "CL2", false},      {"small first letter", "Nacl", false},
                       {"unknown group", "Ca(NQ3)2", false},  {"unclosed group", "Ca(NO3", false},
                       {"unopened group", "CaNO3)2", false},  {"empty group", "Ca()2", false},
                       {"stray number", "Na(2Cl)", false},    {"zero count", "H0", false},
                       {"zero hydrate", "CuSO4.0H2O", false}, {"too large", "H2000000000", false},
                       {"two dots", "CuSO4..5H2O", false},    {"pasted raised dot", "CuSO4\u00b75H2O", true}};
        for (const auto& w : weights)
            QTest::newRow(w.name) << "Weights.txt" << "frmWeights" << weigh << QString::fromUtf8(w.formula) << w.pasted;
        QTest::newRow("pasted arrow") << "BalancingReactions.txt" << "frmReactions"
                                      << "Enter a chemical reaction to balance" << "H2 + O2 -> H2O" << true;
    }

    void refusalsAsQuoted() {
        QFETCH(QString, file);
        QFETCH(QString, window);
        QFETCH(QString, prompt);
        QFETCH(QString, formula);
        QFETCH(bool, pasted);
        const QString checks = section(topicText(file), QStringLiteral("Checks"));
        Form* form = Forms::show(window);
        QVERIFY(form);
        TestSupport::messages().clear();
        if (pasted) {
            QWidget* box = nullptr;
            for (QWidget* w : form->findChildren<QWidget*>())
                if (w->accessibleName() == prompt) box = w;
            QVERIFY(box);
            QApplication::clipboard()->setText(formula);
            box->setFocus();
            QVERIFY(QMetaObject::invokeMethod(box, "paste"));
        } else {
            QCOMPARE(type(form, prompt, 0, formula), QString());
            form->findChild<QAbstractButton*>(QStringLiteral("cmdOk"))->click();
        }
        TestSupport::settle();
        QCOMPARE(TestSupport::messages().shown.size(), 1);
        const QString message = TestSupport::messages().lastText();
        QVERIFY2(quoted(checks).contains(message), qPrintable(file + " does not quote: " + message));
        // The topic names the formula beside the message (an arrow by its "->").
        const QString named = pasted && window == QLatin1String("frmReactions") ? QStringLiteral("->") : formula;
        QVERIFY2(checks.contains(named), qPrintable(named));
    }

    // Every topic with checks is mapped to its window.
    void everyTopicWithChecksIsMapped() {
        const QStringList files = topicFiles();
        QVERIFY(files.size() >= 48);
        for (const QString& file : files) {
            if (section(topicText(file), QStringLiteral("Checks")).isEmpty()) continue;
            bool mapped = false;
            for (const auto& topic : Topics) mapped = mapped || file == topic.first;
            QVERIFY2(mapped, qPrintable(file));
        }
    }

    // The examples as the viewer shows them: an "Example:" paragraph and the
    // numbered steps under it.
    void examplesMatchTheWindows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("example");
        int rows = 0;
        for (const auto& [file, window] : Topics + Borrowed) {
            QVERIFY2(Forms::isRegistered(window), qPrintable(window));
            const QStringList blocks = shownBlocks(file);
            QVERIFY2(!blocks.isEmpty(), qPrintable(file));
            for (qsizetype i = 0; i < blocks.size(); ++i) {
                if (!blocks[i].startsWith(QStringLiteral("Example:"))) continue;
                QStringList example{blocks[i]};
                while (i + 1 < blocks.size() && !stepText(blocks[i + 1]).isEmpty()) example << blocks[++i];
                QTest::newRow(qPrintable(QStringLiteral("%1 #%2").arg(window).arg(++rows))) << window << example;
            }
        }
        QVERIFY(rows > 0);
    }

    void examplesMatchTheWindows() {
        QFETCH(QString, window);
        QFETCH(QStringList, example);
        Form* form = Forms::show(window);
        QVERIFY(form);
        Expected expected;
        const QString error = runSteps(form, example.mid(1), &expected);
        QVERIFY2(error.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(window, error)));
        TestSupport::messages().clear();
        expected.button->click();
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
        for (const QString& part : expected.answers)
            QVERIFY2(shown.contains(part), qPrintable(QStringLiteral("answer %1 not among: %2").arg(part, shown.join(QStringLiteral(" | ")))));
        if (expected.hasWorkLine) {
            QWidget* line = nullptr;
            for (QWidget* w : form->findChildren<QWidget*>())
                if (w->accessibleName() == QStringLiteral("Work line")) line = w;
            QVERIFY2(line, "no work line");
            // A paragraph cannot show blanks at its ends.
            QCOMPARE(shownText(line).trimmed(), expected.workLine);
        }
    }

    // What a topic says its window does, the window does.
    void claimsHold_data() {
        QTest::addColumn<int>("claim");
        for (int i = 0; i < claims().size(); ++i)
            QTest::addRow("%s: %s", claims()[i].file, claims()[i].sentence) << i;
    }
    void claimsHold() {
        QFETCH(int, claim);
        const Claim& c = claims().at(claim);
        // The sentence as the viewer shows it.
        QVERIFY2(shownTopic(QString::fromUtf8(c.file)).contains(QString::fromUtf8(c.sentence)), c.file);
        Form* form = Forms::show(QString::fromLatin1(c.window));
        QVERIFY(form);
        TestSupport::messages().clear();
        for (const QString& step : c.steps) {
            const QString what = step.section(QLatin1Char(':'), 0, 0), rest = step.section(QLatin1Char(':'), 1);
            const QString name = rest.section(QLatin1Char('='), 0, 0), value = rest.section(QLatin1Char('='), 1);
            if (what == QLatin1String("click")) {
                auto* b = form->findChild<QAbstractButton*>(rest);
                QVERIFY2(b, qPrintable(step));
                b->click();
            } else if (what == QLatin1String("keys") || what == QLatin1String("paste")) {
                auto* box = form->findChild<QLineEdit*>(name);
                QVERIFY2(box && box->isEnabled(), qPrintable(step));
                box->setFocus();
                if (what == QLatin1String("keys")) {
                    QTest::keyClicks(box, value);
                    QTest::keyClick(box, Qt::Key_Backspace);
                    QTest::keyClick(box, Qt::Key_Home);
                    QTest::keyClick(box, Qt::Key_Delete);
                } else {
                    QApplication::clipboard()->setText(value);
                    box->selectAll();
                    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                }
            } else {
                auto* box = form->findChild<QLineEdit*>(step.section(QLatin1Char('='), 0, 0));
                QVERIFY2(box, qPrintable(step));
                box->setText(step.section(QLatin1Char('='), 1));
            }
            TestSupport::settle();
        }
        for (const QString& check : c.checks) {
            if (check.startsWith(QLatin1String("checked:"))) {
                auto* b = form->findChild<QAbstractButton*>(check.mid(8));
                QVERIFY2(b && b->isChecked(), qPrintable(check));
            } else if (check.startsWith(QLatin1String("prompt:"))) {
                QStringList prompts;
                for (QLabel* l : form->findChildren<QLabel*>())
                    if (l->isVisibleTo(form)) prompts << l->text();
                QVERIFY2(prompts.contains(check.mid(7)), qPrintable(check + " among " + prompts.join(" | ")));
            } else if (check.startsWith(QLatin1String("row:"))) {
                QStringList rows;
                for (QListWidget* l : form->findChildren<QListWidget*>())
                    for (int r = 0; r < l->count(); ++r) rows << l->item(r)->text().simplified();
                QVERIFY2(rows.contains(check.mid(4)), qPrintable(check + " among " + rows.mid(0, 12).join(" | ")));
            } else if (check.startsWith(QLatin1String("message=="))) {
                QCOMPARE(TestSupport::messages().lastText(), check.mid(9));
                QCOMPARE(TestSupport::messages().shown.size(), 1);
            } else if (check.contains(QLatin1String("~="))) {
                QWidget* w = named(check.section(QStringLiteral("~="), 0, 0), form);
                const QString rounded = check.section(QStringLiteral("~="), 1);
                bool ok = false;
                const double shown = w ? QLocale().toDouble(shownText(w), &ok) : 0;
                QVERIFY2(ok, qPrintable(check));
                QCOMPARE(QLocale().toString(shown, 'f', int(rounded.size() - rounded.indexOf(QLatin1Char('.')) - 1)), rounded);
            } else {
                QWidget* w = named(check.section(QStringLiteral("=="), 0, 0), form);
                QVERIFY2(w, qPrintable(check));
                QCOMPARE(shownText(w), check.section(QStringLiteral("=="), 1));
            }
        }
        if (!c.checks.join(QString()).contains(QLatin1String("message==")))
            QVERIFY2(TestSupport::messages().shown.isEmpty(), qPrintable(TestSupport::messages().lastText()));
    }

    // Every topic shows each "*" it holds (work lines multiply with it), no
    // emphasis marker, and each example as a paragraph of its own.
    void topicsShowAsWritten() {
        const QStringList files = topicFiles();
        QVERIFY(files.size() >= 48);
        for (const QString& file : files) {
            const QString written = topicText(file);
            const QStringList blocks = shownBlocks(file);
            const QString shown = blocks.join(QLatin1Char('\n'));
            QVERIFY2(!shown.isEmpty(), qPrintable(file));
            QVERIFY2(shown.count(QLatin1Char('*')) == written.count(QLatin1Char('*')), qPrintable(file));
            QVERIFY2(!shown.contains(QLatin1Char('_')), qPrintable(file));
            for (const QString& line : written.split(QLatin1Char('\n'))) {
                if (!line.contains(QLatin1Char('*'))) continue;
                // The line's words, "*" included, in the order written.
                QString words = line.simplified();
                words.remove(QLatin1Char('_'));
                words.remove(QRegularExpression(QStringLiteral("^(#+|-|\\d+\\.) ")));
                QVERIFY2(shown.simplified().contains(words), qPrintable(file + ": " + line));
            }
            int examples = 0;
            for (qsizetype i = 0; i < blocks.size(); ++i) {
                const QString& b = blocks[i];
                const int at = b.indexOf(QStringLiteral("Example:"));
                if (at < 0) continue;
                ++examples;
                QVERIFY2(at == 0 && b.indexOf(QStringLiteral("Example:"), 1) < 0, qPrintable(file + ": " + b));
                // Steps a student follows, never a line of "prompt = value → answer".
                QVERIFY2(!b.contains(QStringLiteral(" → ")), qPrintable(file + ": " + b));
                QVERIFY2(i + 1 < blocks.size() && stepText(blocks[i + 1]).size() && blocks[i + 1].trimmed().startsWith(QStringLiteral("1. ")),
                         qPrintable(file + ": no numbered steps under " + b));
            }
            QCOMPARE(examples, written.count(QRegularExpression(QStringLiteral("(^|\n)Example:"))));
        }
    }
};

QTEST_MAIN(TstManualExamples)
#include "tst_manual_examples.moc"

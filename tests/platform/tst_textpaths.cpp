// Text that reaches a box whole (pasted, dropped, committed by an input
// method, set by a screen reader) is held to the characters the box's keys
// admit: refused whole with the box's own message, or taken whole.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "TestSupport.h"
#include "TextPaths.h"
#include "formulas/Module2.h"
#include "formulas/frmReactions.h"
#include "formulas/frmWeights.h"
#include "platform/CalculatorForm.h"
#include "platform/ConversionForm.h"
#include "platform/NumericKeyFilter.h"

using namespace Qt::StringLiterals;
using TextPaths::Path;

namespace {
FakeMessages& msgs() { return TestSupport::messages(); }

QString describe(const QList<Msg::Box>& shown) {
    QStringList out;
    for (const Msg::Box& b : shown) out << u"\"%1\" (%2)"_s.arg(b.text, b.title);
    return out.join(u", "_s);
}

// A character the box's keys refuse, for the probes.
QChar refusedBy(const NumericKeyFilter* f) {
    for (QChar c : u"-x,"_s)
        if (!f->admits(c)) return c;
    return QChar();
}
// The boxes a student types in: enabled and writable (a conversion's answer is not one).
QStringList typedBoxes(Form* f) {
    QStringList out;
    const auto* c = qobject_cast<ConversionForm*>(f);
    for (QWidget* w : f->findChildren<QWidget*>()) {
        auto* e = qobject_cast<QLineEdit*>(w);
        auto* t = qobject_cast<QTextEdit*>(w);
        if (!(e && !e->isReadOnly()) && !(t && !t->isReadOnly())) continue;
        if (!w->isEnabled() || (c && w == c->answerBox)) continue;
        out << w->objectName();
    }
    out.sort();
    return out;
}

// Where a window shows an answer: the boxes the student cannot type in that
// are empty once it is loaded, and a conversion's answer and unit.
QList<QWidget*> answerParts(Form* f) {
    QList<QWidget*> out;
    for (QLineEdit* e : f->findChildren<QLineEdit*>())
        if ((e->isReadOnly() || !e->isEnabled()) && e->text().isEmpty()) out << e;
    if (auto* c = qobject_cast<ConversionForm*>(f)) {
        if (!out.contains(c->answerBox)) out << c->answerBox;
        if (c->unitLabel) out << c->unitLabel;
    }
    return out;
}

QString textOf(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return TextPaths::textOf(w);
}
void setText(QWidget* w, const QString& t) {
    if (auto* l = qobject_cast<QLabel*>(w)) l->setText(t);
    else if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(t);
}
}  // namespace

class TestTextPaths : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initWindows(); }
    void cleanup() { TestSupport::reset(); }

    // Every box with a key filter, in every window.
    void everyFilteredBox_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        int boxes = 0;
        for (const QString& name : Forms::registeredKinds()) {
            Form* f = Forms::load(name);
            if (!f) continue;
            QStringList names;
            for (NumericKeyFilter* k : f->findChildren<NumericKeyFilter*>())
                if (auto* b = qobject_cast<QLineEdit*>(k->parent()); b && b->isEnabled() && !b->isReadOnly())
                    names << b->objectName();
            names.sort();
            for (const QString& b : std::as_const(names)) {
                QTest::newRow(qPrintable(name + u'.' + b)) << name << b;
                ++boxes;
            }
            TestSupport::unloadAll();
        }
        QVERIFY2(boxes > 80, qPrintable(QString::number(boxes)));
    }
    void everyFilteredBox() {
        QFETCH(QString, window);
        QFETCH(QString, box);
        Form* f = TestSupport::open(window);
        QVERIFY(f);
        auto* b = TestSupport::child<QLineEdit>(f, qPrintable(box));
        QVERIFY(b);
        auto* filter = b->findChild<NumericKeyFilter*>();
        const QChar bad = refusedBy(filter);
        QVERIFY(!bad.isNull());

        // The message a typed key gets is the message a whole text gets.
        b->setText(u"7"_s);
        msgs().clear();
        b->setFocus();
        QTest::keyClick(b, bad.toLatin1());
        QCOMPARE(msgs().shown.size(), 1);
        const Msg::Box keyMessage = msgs().shown.first();
        QCOMPARE(b->text(), u"7"_s);

        const QString refused = QStringLiteral("2%1").arg(bad);
        for (Path p : TextPaths::all()) {
            const char* path = TextPaths::name(p);
            msgs().clear();
            TextPaths::enter(b, p, refused);
            TestSupport::settle();
            QVERIFY2(b->text() == u"7"_s, qPrintable(u"%1 left \"%2\""_s.arg(QLatin1String(path), b->text())));
            QVERIFY2(msgs().shown.size() == 1, qPrintable(u"%1: %2"_s.arg(QLatin1String(path), describe(msgs().shown))));
            QCOMPARE(msgs().lastText(), keyMessage.text);
            QCOMPARE(msgs().shown.last().title, keyMessage.title);
            QCOMPARE(msgs().shown.last().icon, keyMessage.icon);
        }
        // Digits are taken whole by every path, without a word; blanks and a
        // line end around a copied number are the copy's.
        for (Path p : TextPaths::all()) {
            b->clear();
            msgs().clear();
            TextPaths::enter(b, p, u" 12\n"_s);
            TestSupport::settle();
            QVERIFY2(b->text() == u"12"_s, qPrintable(u"%1 left \"%2\""_s.arg(QLatin1String(TextPaths::name(p)), b->text())));
            QVERIFY2(msgs().shown.isEmpty(), qPrintable(describe(msgs().shown)));
        }
    }

    // No answer box takes what the student types or pastes into it: the
    // answer stays the one the window wrote (the time conversion's took keys).
    void answerBoxesTakeNoTyping_data() {
        QTest::addColumn<QString>("window");
        for (const QString& name : TestSupport::shapedWindows()) QTest::newRow(qPrintable(name)) << name;
        TestSupport::settle();
    }
    void answerBoxesTakeNoTyping() {
        QFETCH(QString, window);
        Form* f = TestSupport::open(window);
        auto* calc = qobject_cast<CalculatorForm*>(f);
        auto* conv = qobject_cast<ConversionForm*>(f);
        QLineEdit* answer = calc ? calc->answerBox : conv ? conv->answerBox : nullptr;
        if (!answer) QSKIP("a window without an answer box");
        answer->setText(u"5"_s);
        answer->setFocus();
        QTest::keyClicks(answer, u"12"_s);
        QTest::keyClick(answer, Qt::Key_Backspace);
        QTest::keyClick(answer, Qt::Key_Home);
        QTest::keyClick(answer, Qt::Key_Delete);
        QApplication::clipboard()->setText(u"7"_s);
        QTest::keyClick(answer, Qt::Key_V, Qt::ControlModifier);
        TestSupport::settle();
        QCOMPARE(answer->text(), u"5"_s);
    }

    // Every box of every window, on every path: a read-only box (a constant,
    // an answer, a work line) takes nothing; a box the student types in
    // refuses whole a text longer than it holds ("0" x 40,000 then "5") and
    // keeps what it held, with one message.
    void everyBoxOnEveryPath_data() {
        QTest::addColumn<QString>("window");
        for (const QString& name : Forms::registeredKinds()) QTest::newRow(qPrintable(name)) << name;
    }
    void everyBoxOnEveryPath() {
        QFETCH(QString, window);
        Form* f = TestSupport::open(window);
        if (!f) QSKIP("a stand-in without the window");
        const QString longText = QString(40000, u'0') + u'5';
        QList<QWidget*> boxes;
        for (QWidget* w : f->findChildren<QWidget*>())
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w)) boxes << w;
        for (QWidget* w : std::as_const(boxes)) {
            auto* line = qobject_cast<QLineEdit*>(w);
            auto* pane = qobject_cast<QTextEdit*>(w);
            const bool readOnly = !w->isEnabled() || (line ? line->isReadOnly() : pane->isReadOnly());
            if (line) line->setText(readOnly ? u"12"_s : u"7"_s);
            else pane->setPlainText(readOnly ? u"12"_s : u"7"_s);
            TestSupport::settle();
            const QString held = TextPaths::textOf(w);
            for (Path p : TextPaths::all()) {
                const QString where = u"%1 by %2"_s.arg(w->objectName(), QLatin1String(TextPaths::name(p)));
                msgs().clear();
                TextPaths::enter(w, p, readOnly ? u"9666"_s : longText);
                TestSupport::settle();
                const QString now = TextPaths::textOf(w);
                QVERIFY2(now == held, qPrintable(u"%1: held \"%2\", now \"%3\" (%4 characters)"_s.arg(
                                          where, held, now.left(20)).arg(now.size())));
                if (!readOnly)
                    QVERIFY2(msgs().shown.size() == 1, qPrintable(where + u": "_s + describe(msgs().shown)));
            }
        }
    }

    // The cases a student met: a negative number pasted where keys refuse "-".
    void negativeNumbersPasted_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("title");
        QTest::newRow("Dalton volume") << u"frmDalton"_s << u"Text2"_s << u"-2"_s << u"Tessival"_s;
        QTest::newRow("combined law volume") << u"frmCombinedLaws"_s << u"Text1"_s << u"-2"_s << u"Combined Laws"_s;
        QTest::newRow("mole fraction mass") << u"frmMoleFraction"_s << u"Text1"_s << u"-10"_s << u"Tessival"_s;
        QTest::newRow("mass-energy weight") << u"frmMassEnergy"_s << u"Text3"_s << u"-2.016"_s << u"Tessival"_s;
    }
    void negativeNumbersPasted() {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(QString, pasted);
        QFETCH(QString, title);
        auto* f = TestSupport::open<CalculatorForm>(window);
        auto* b = TestSupport::child<QLineEdit>(f, qPrintable(box));
        TestSupport::type(b, u"2"_s);
        QApplication::clipboard()->setText(pasted);
        b->selectAll();
        QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
        TestSupport::settle();
        TestSupport::expectOne(u"You must enter a valid numerical expression"_s, title, Msg::Icon::None);
        QCOMPARE(b->text(), u"2"_s);
    }

    // The weigher's formula box: what an input method or a screen reader
    // brings is held as a paste is.
    void formulaBoxRefusesWholeTexts_data() {
        QTest::addColumn<int>("path");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString dot = u"The character \u00b7 cannot be part of a formula."_s;
        QTest::newRow("commit CuSO\u2084\u00b75H\u2082O")
            << int(Path::Commit) << u"CuSO\u2084\u00b75H\u2082O"_s << u"The character \u2084 cannot be part of a formula."_s;
        QTest::newRow("commit H\u2082O") << int(Path::Commit) << u"H\u2082O"_s
                                          << u"The character \u2082 cannot be part of a formula."_s;
        QTest::newRow("set-text CuSO4\u00b75H2O") << int(Path::AccessibleSet) << u"CuSO4\u00b75H2O"_s << dot;
        QTest::newRow("insert CuSO4\u00b75H2O") << int(Path::AccessibleInsert) << u"CuSO4\u00b75H2O"_s << dot;
        QTest::newRow("drop") << int(Path::Drop) << u"CuSO4\u00b75H2O"_s << dot;
        QTest::newRow("rich clipboard") << int(Path::RichPaste) << u"CuSO4\u00b75H2O"_s << dot;
        QTest::newRow("menu paste") << int(Path::MenuPaste) << u"CuSO4\u00b75H2O"_s << dot;
        QTest::newRow("inner blank") << int(Path::Commit) << u"Ca (OH)2"_s << u"A blank cannot be part of a formula."_s;
        QTest::newRow("tab") << int(Path::AccessibleSet) << u"Ca\t(OH)2"_s
                             << u"A blank (U+0009) cannot be part of a formula."_s;
        QTest::newRow("line end") << int(Path::Commit) << u"Ca\n(OH)2"_s << u"A line end cannot be part of a formula."_s;
        QTest::newRow("no-break blank") << int(Path::Drop) << u"Ca\u00a0(OH)2"_s
                                        << u"A blank (U+00A0) cannot be part of a formula."_s;
        QTest::newRow("zero width") << int(Path::Commit) << u"Ca\u200b(OH)2"_s
                                    << u"The character U+200B cannot be part of a formula."_s;
        QTest::newRow("too long") << int(Path::AccessibleInsert) << u"H2O"_s.repeated(400)
                                  << u"A formula can hold at most 1,000 characters."_s;
    }
    void formulaBoxRefusesWholeTexts() {
        QFETCH(int, path);
        QFETCH(QString, text);
        QFETCH(QString, message);
        auto* w = TestSupport::open<frmWeights>(u"frmWeights"_s);
        TestSupport::type(w->RichTextBox1, u"NaCl"_s);
        w->cmdOk->click();
        const QString weight = w->txtWeights2->text();
        QVERIFY(!weight.isEmpty());
        msgs().clear();
        TextPaths::enter(w->RichTextBox1, Path(path), text);
        TestSupport::settle();
        TestSupport::expectOne(message, u"Tessival"_s, Msg::Icon::Information);
        QCOMPARE(w->RichTextBox1->toPlainText(), u"NaCl"_s);
        QCOMPARE(Module2::FormulaText, u"NaCl"_s);
        QCOMPARE(w->txtWeights2->text(), weight);
    }

    // A text that would take the place of a weighed formula and is refused
    // leaves the formula and its weight, whatever way it came.
    void formulaBoxKeepsAFormulaARefusedTextWouldReplace_data() {
        QTest::addColumn<int>("path");
        for (Path p : TextPaths::all())
            QTest::newRow(p == Path::AccessibleInsert ? "accessible replace" : TextPaths::name(p)) << int(p);
    }
    void formulaBoxKeepsAFormulaARefusedTextWouldReplace() {
        QFETCH(int, path);
        auto* w = TestSupport::open<frmWeights>(u"frmWeights"_s);
        TestSupport::type(w->RichTextBox1, u"NaCl"_s);
        w->cmdOk->click();
        QCOMPARE(w->txtWeights2->text(), u"58.440"_s);
        TextPaths::enter(w->RichTextBox1, Path(path), u"CuSO\u2084.5H\u2082O"_s, true);
        TestSupport::settle();
        TestSupport::expectOne(u"The character \u2084 cannot be part of a formula."_s, u"Tessival"_s,
                               Msg::Icon::Information);
        QCOMPARE(w->RichTextBox1->toPlainText(), u"NaCl"_s);
        QCOMPARE(Module2::FormulaText, u"NaCl"_s);
        QCOMPARE(w->txtWeights2->text(), u"58.440"_s);
        QCOMPARE(w->Text1->text(), u"58.44"_s);
    }

    void formulaBoxTakesWholeFormulas_data() {
        QTest::addColumn<int>("path");
        for (Path p : TextPaths::all()) QTest::newRow(TextPaths::name(p)) << int(p);
    }
    void formulaBoxTakesWholeFormulas() {
        QFETCH(int, path);
        auto* w = TestSupport::open<frmWeights>(u"frmWeights"_s);
        TextPaths::enter(w->RichTextBox1, Path(path), u"CuSO4.5H2O"_s);
        TestSupport::settle();
        QVERIFY2(msgs().shown.isEmpty(), qPrintable(describe(msgs().shown)));
        QCOMPARE(w->RichTextBox1->toPlainText(), u"CuSO4.5H2O"_s);
        QVERIFY(w->cmdOk->isEnabled());
        w->cmdOk->click();
        QCOMPARE(w->txtWeights2->text(), u"249.677"_s);
    }

    // The equation box keeps "->" whole or refuses it; it never counts a
    // different equation than the one given.
    void equationBoxRefusesWholeTexts_data() {
        QTest::addColumn<int>("path");
        for (Path p : TextPaths::all()) QTest::newRow(TextPaths::name(p)) << int(p);
    }
    void equationBoxRefusesWholeTexts() {
        QFETCH(int, path);
        auto* w = TestSupport::open<frmReactions>(u"frmReactions"_s);
        QTest::keyClicks(w->RichTextBox1, u"H2 => H2"_s);
        QTest::keyClick(w->RichTextBox1, Qt::Key_Return);
        QVERIFY(msgs().shown.isEmpty());
        w->RichTextBox1->clear();
        msgs().clear();
        TextPaths::enter(w->RichTextBox1, Path(path), u"H2 + Cl2 -> 2HCl"_s);
        TestSupport::settle();
        TestSupport::expectOne(u"The character - cannot be part of a formula."_s, u"Reactions"_s, Msg::Icon::None);
        QCOMPARE(w->RichTextBox1->text(), QString());
        msgs().clear();
        TextPaths::enter(w->RichTextBox1, Path(path), u"H2 + Cl2 => 2HCl"_s);
        TestSupport::settle();
        QVERIFY2(msgs().shown.isEmpty(), qPrintable(describe(msgs().shown)));
        QCOMPARE(w->RichTextBox1->text(), u"H2 + Cl2 => 2HCl"_s);
        w->cmdOk->click();
        QVERIFY2(msgs().shown.isEmpty(), qPrintable(describe(msgs().shown)));
        QCOMPARE(w->Text1.at(0)->text(), u"2"_s);
        QCOMPARE(w->Text2.at(0)->text(), u"2"_s);
    }

    // An answer belongs to the boxes beside it: in every window, a key, a
    // deletion, a paste or a screen reader's set-text in any box the student
    // types in empties every box showing an answer (and a conversion's unit).
    void anEditEmptiesTheAnswer_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        int rows = 0;
        for (const QString& name : Forms::registeredKinds()) {
            Form* f = Forms::load(name);
            if (!f) continue;
            const QStringList boxes = typedBoxes(f);
            if (!answerParts(f).isEmpty())
                for (const QString& b : boxes) {
                    QTest::newRow(qPrintable(name + u'.' + b)) << name << b;
                    ++rows;
                }
            TestSupport::unloadAll();
        }
        QVERIFY2(rows > 90, qPrintable(QString::number(rows)));
    }
    void anEditEmptiesTheAnswer() {
        QFETCH(QString, window);
        QFETCH(QString, box);
        Form* f = TestSupport::open(window);
        QVERIFY(f);
        auto* b = f->findChild<QWidget*>(box);
        QVERIFY(b);
        const QList<QWidget*> parts = answerParts(f);
        struct Way {
            const char* name;
            std::function<void()> edit;
        };
        const QList<Way> ways{
            {"typed key", [b] { TestSupport::type(b, u"7"_s); }},
            {"Backspace", [b] { TestSupport::press(b, Qt::Key_Backspace); }},
            {"Ctrl+V", [b] { TextPaths::enter(b, Path::KeyPaste, u"8"_s); }},
            {"screen reader set-text", [b] { TextPaths::enter(b, Path::AccessibleSet, u"9"_s); }},
        };
        for (const Way& way : ways) {
            for (QWidget* p : parts) setText(p, u"1.234"_s);
            const QString before = TextPaths::textOf(b);
            way.edit();
            QVERIFY2(TextPaths::textOf(b) != before, way.name);
            for (QWidget* p : parts)
                QVERIFY2(textOf(p).isEmpty(), qPrintable(u"%1 after a %2: %3"_s.arg(p->objectName(), QLatin1String(way.name), textOf(p))));
            msgs().clear();
        }
    }

    // A screen reader reads the guarded box as it reads any line edit.
    void screenReaderReadsTheBox() {
        auto* f = TestSupport::open<CalculatorForm>(u"frmDalton"_s);
        auto* b = TestSupport::child<QLineEdit>(f, "Text1");
        QVERIFY(!f->cmdOk->isEnabled());
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(b);
        QVERIFY(i);
        QCOMPARE(i->role(), QAccessible::EditableText);
        QCOMPARE(i->text(QAccessible::Name), b->accessibleName());
        QVERIFY(i->state().editable);
        i->setText(QAccessible::Value, u"12.5"_s);
        QCOMPARE(b->text(), u"12.5"_s);
        QVERIFY(f->cmdOk->isEnabled());  // as typing the temperature does
        QCOMPARE(i->text(QAccessible::Value), u"12.5"_s);
        QAccessibleTextInterface* t = i->textInterface();
        QVERIFY(t);
        QCOMPARE(t->characterCount(), 4);
        QCOMPARE(t->text(1, 3), u"2."_s);
        t->setSelection(0, 0, 2);
        QCOMPARE(b->selectedText(), u"12"_s);
        QAccessibleEditableTextInterface* e = i->editableTextInterface();
        QVERIFY(e);
        e->replaceText(0, 2, u"3"_s);
        QCOMPARE(b->text(), u"3.5"_s);
        e->deleteText(0, 1);
        QCOMPARE(b->text(), u".5"_s);
        QVERIFY(msgs().shown.isEmpty());
    }
};

QTEST_MAIN(TestTextPaths)
#include "tst_textpaths.moc"

#include "CalculatorCases.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "MessageTexts.h"
#include "TestSupport.h"
#include "platform/CalculatorForm.h"
#include "platform/ConversionForm.h"
#include "platform/NumberText.h"

namespace CalculatorCases {

void columns() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("typed");
    for (const char* c : {"answer", "work"}) QTest::addColumn<QString>(c);
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QString>("title");
}

QTestData& row(const char* name, int option, const QStringList& typed, const QString& answer, const QString& work,
               const QStringList& said, const QString& title) {
    return QTest::newRow(name) << option << typed << answer << work << said << title;
}

QString seen(const QString& text, Msg::Icon icon) {
    static const char* const marks[] = {"", "i:", "!:", "x:", "?:"};  // in the order of Msg::Icon
    return QLatin1String(marks[int(icon)]) + text;
}

QStringList said(const QString& text, Msg::Icon icon) {
    return text.isEmpty() ? QStringList() : QStringList{seen(text, icon)};
}

namespace {
// Enters the texts, typed key by key or set as a paste; gives the boxes they went to.
QList<QLineEdit*> enter(CalculatorForm* f, const QStringList& texts, bool byName, bool keys) {
    QList<QLineEdit*> boxes;
    if (byName)
        for (QLineEdit* b : f->inputs) b->clear();
    for (int i = 0; i < texts.size(); ++i) {
        const QString name = texts.at(i).section(QLatin1Char('='), 0, 0);
        QLineEdit* box = byName ? f->findChild<QLineEdit*>(name) : f->inputs.value(i);
        if (!box) qFatal("%s has no box for %s", qPrintable(f->objectName()), qPrintable(texts.at(i)));
        const QString text = byName ? texts.at(i).section(QLatin1Char('='), 1) : texts.at(i);
        if (keys) TestSupport::type(box, text);
        else box->setText(text);
        boxes << box;
    }
    return boxes;
}

QLineEdit* secondBox(CalculatorForm* f, const Run& r) {
    return f->findChild<QLineEdit*>(QLatin1String(r.secondAnswer));
}

// The answer as a row names it: the answer box, then the second box and the caption.
QString shownAnswer(CalculatorForm* f, const Run& r) {
    QString shown = f->answerBox->text();
    if (r.secondAnswer) shown += QStringLiteral(" | ") + secondBox(f, r)->text();
    if (r.caption) shown += QStringLiteral(" | ") + f->findChild<QLabel*>(QLatin1String(r.caption))->text();
    return shown;
}
// The messages shown, with their icons and titles; a message that is no fault's
// description is one the window lists, and a fault's is not.
void checkMessages(const Form* f, const QStringList& said, const QString& title, bool listed) {
    QStringList shown, titles;
    for (const Msg::Box& b : TestSupport::messages().shown) shown << seen(b.text, b.icon), titles << b.title;
    QCOMPARE(shown, said);
    QCOMPARE(titles, QStringList(said.size(), title));
    if (!listed) return;
    for (const Msg::Box& b : TestSupport::messages().shown) {
        const bool fault = b.text == RuntimeFault::describe(RuntimeFault::TypeMismatch) ||
                           b.text == RuntimeFault::describe(RuntimeFault::Overflow) ||
                           b.text == RuntimeFault::describe(RuntimeFault::DivisionByZero);
        QVERIFY2(TestSupport::messageTexts(f).contains(b.text) != fault, qPrintable(b.text));
    }
}
// The common columns of the current row.
struct Fetched {
    int option;
    QStringList typed;
    QString answer, work;
    QStringList said;
    QString title;
};
Fetched fetched() {
    QFETCH(int, option);
    QFETCH(QStringList, typed);
    QFETCH(QString, answer);
    QFETCH(QString, work);
    QFETCH(QStringList, said);
    QFETCH(QString, title);
    return {option, typed, answer, work, said, title};
}
}  // namespace

void run(const Run& r) {
    auto [option, typed, answer, work, said, title] = fetched();
    auto* f = TestSupport::open<CalculatorForm>(QLatin1String(r.window));
    QVERIFY2(f, r.window);
    if (r.choose) {
        if (option >= 0) r.choose(f, option);
    } else if (option >= 0 && !(option == 0 && f->options.isEmpty())) {  // 0: the first option, or none
        QVERIFY2(option < f->options.size(), "no such option");
        f->options.at(option)->setChecked(true);
    }
    const QStringList first = r.first.value(option < 0 ? 0 : option, r.first.value(0));
    const bool byName = !first.isEmpty() && first.first().contains(QLatin1Char('='));
    enter(f, first, byName, r.typeFirst);
    f->cmdOk->click();
    QVERIFY2(TestSupport::messages().shown.isEmpty(), qPrintable(TestSupport::messages().lastText()));
    const QString firstAnswer = shownAnswer(f, r), firstWork = f->workLine->text();

    // Whether the row's texts changed a box: then the first answer is gone.
    int changes = 0;
    QList<QLineEdit*> boxes;
    {
        QObject watching;  // the watch ends with it
        for (QLineEdit* b : f->inputs) QObject::connect(b, &QLineEdit::textChanged, &watching, [&changes] { ++changes; });
        boxes = enter(f, typed, byName, false);
    }
    switch (r.press) {
    case Run::EnterInFirstBox: TestSupport::press(f->inputs.first(), Qt::Key_Return); break;
    case Run::EnterInLastTyped: TestSupport::press(boxes.last(), Qt::Key_Return); break;
    case Run::EnterInLastBox: TestSupport::press(f->inputs.last(), Qt::Key_Return); break;
    case Run::Ok: f->cmdOk->click(); break;
    }

    const bool keptOnly = changes > 0 && !said.isEmpty() && answer == firstAnswer && work == firstWork;
    checkMessages(f, said, title.isEmpty() ? r.title : title, r.listed);
    if (QTest::currentTestFailed()) return;
    if (keptOnly) {
        QCOMPARE(f->answerBox->text(), QString());
        if (r.secondAnswer) QCOMPARE(secondBox(f, r)->text(), QString());
        QCOMPARE(f->workLine->text(), QString());
    } else {
        QCOMPARE(shownAnswer(f, r), answer);
        QCOMPARE(f->workLine->text(), work);
    }
    if (r.after) r.after(f);
}

void convert(const Conversion& c) {
    auto [option, typed, answer, work, said, title] = fetched();
    QFETCH(QString, button);
    QCOMPARE(typed.size(), 1);
    auto* f = TestSupport::open<ConversionForm>(QLatin1String(c.window));
    QVERIFY2(f, c.window);
    // A new direction empties the answer, so it is chosen before the first conversion.
    if (option >= 0) {
        QVERIFY2(option < f->directions.size(), "no such direction");
        f->directions.at(option)->setChecked(true);
    }
    const auto shownWork = [f] { return f->workLine ? f->workLine->text() : f->unitLabel->text(); };
    const auto press = [f](const QString& name) {
        auto* b = f->findChild<QPushButton*>(name);
        if (!b) qFatal("%s has no button %s", qPrintable(f->objectName()), qPrintable(name));
        b->click();
    };
    f->input->setText(c.first);
    press(QLatin1String(c.firstButton));
    QVERIFY2(TestSupport::messages().shown.isEmpty(), qPrintable(TestSupport::messages().lastText()));
    const QString firstAnswer = f->answerBox->text(), firstWork = shownWork();

    const bool changed = f->input->text() != typed.first();
    f->input->setText(typed.first());
    press(button);
    checkMessages(f, said, title.isEmpty() ? c.title : title, c.listed);
    if (QTest::currentTestFailed()) return;
    if (changed && !said.isEmpty() && answer == firstAnswer && work == firstWork) answer = work = QString();
    QCOMPARE(f->answerBox->text(), answer);
    QCOMPARE(shownWork(), work);
}

}  // namespace CalculatorCases

#pragma once
// What the measurement windows' tests share.
#include <QLocale>
#include <QtTest>

#include "MessageTexts.h"
#include "TestSupport.h"
#include "platform/NumberText.h"

namespace MeasureTests {

template <class T> T* open(const char* name) { return TestSupport::open<T>(QLatin1String(name)); }

// One message box, in its style; a message of the window's own (not a fault's
// description) is one it lists.
inline void expectOne(const Form* f, const QString& text, const QString& title, Msg::Icon icon) {
    TestSupport::expectOne(text, title, icon);
    const bool fault = text == RuntimeFault::describe(RuntimeFault::TypeMismatch) ||
                       text == RuntimeFault::describe(RuntimeFault::Overflow);
    if (!fault) QVERIFY2(TestSupport::messageTexts(f).contains(text), qPrintable(text));
}

// A shown answer read back as a number (en_US, grouped).
inline double shownNumber(const QLineEdit* box) {
    bool ok = false;
    const double v = QLocale(QLocale::English, QLocale::UnitedStates).toDouble(box->text(), &ok);
    if (!ok) qWarning("not a number: %s", qPrintable(box->text()));
    return v;
}

const QString Tessival = QStringLiteral("Tessival");
const QString KeyMessage = QStringLiteral("You must enter a valid numerical expression");

}  // namespace MeasureTests

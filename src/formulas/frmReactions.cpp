#include "frmReactions.h"

#include "formulas/Module2.h"
#include "formulas/FormulaBox.h"
#include "platform/MessageBox.h"
#include "platform/TextGuard.h"
#include "refdata/ReferenceDatabase.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const QString Arrow = QStringLiteral("=>");

CalculatorForm::Design reactions() {
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Chemical Reactions");
    s.messages.checkStyle = {.title = QStringLiteral("Reactions")};
    s.messages.trapStyle = {.title = QStringLiteral("Reactions")};
    s.enablingInputs = {};  // the equation box enables Ok and Print
    s.leaving.parent = QStringLiteral("frmReactionChoice");
    s.leaving.unloadBeforeShow = true;
    s.messages.help =
        QStringLiteral("Balancing an equation requires counting how many of each type of atom there is on each side "
                       "of the equal sign. ")
        + QStringLiteral("If the number of each type of atom is not the same, then you must add the proper "
                         "coefficient to the ")
        + QStringLiteral("begining of the correct molecule.  Add a coefficient to the begining of a molecule and "
                         "press Ok. Check ")
        + QStringLiteral("the counts of atoms and if the numbers are not equal change the coefficient of that "
                         "molecule or another ")
        + QStringLiteral("molecule. Many times it is a matter of trial and error. ");
    return s;
}

// The element symbols of GeneralInfo; a table without one is a fault, not a
// reason to refuse every symbol the student types.
QSet<QString> elementSymbols() {
    QSet<QString> symbols;
    ReferenceDatabase::fullWalk(QStringLiteral("SELECT Symbol FROM GeneralInfo"), [&](const Recordset& rs) {
        const QString s = rs.fieldText(QStringLiteral("Symbol"));
        if (!s.isEmpty()) symbols.insert(s);
    });
    if (symbols.isEmpty())
        throw DbError(RuntimeFault::InvalidUseOfNull, Module2::ElementTableMessage(QStringLiteral("it holds no element symbols")));
    return symbols;
}
}  // namespace

// ---- Equation box ----------------------------------------------------------

EquationBox::EquationBox(QWidget* parent) : QLineEdit(parent) {
    new TextGuard(this, &EquationBox::admitted, [](QChar c) {
        Msg::plain(FormulaBox::pasteRefusal(c), QStringLiteral("Reactions"));
    });
}

void EquationBox::keyPressEvent(QKeyEvent* e) {
    // A typed character that cannot be part of an equation is dropped without a word.
    const QString t = e->text();
    if (t.size() == 1 && t.at(0).isPrint() && !admitted(t.at(0)) &&
        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

bool EquationBox::admitted(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '=' || u == '>' ||
           u == '(' || u == ')' || u == '+' || u == '.' || u == ' ';
}

// ---- Window ----------------------------------------------------------------

frmReactions::frmReactions() : CalculatorForm(reactions()) {
    bind(BIND(*this, Label1), new QLabel(QStringLiteral("Enter a chemical reaction to balance"), this));
    bind(BIND(*this, Label4), new QLabel(QStringLiteral("Ex.  CO2 + H2O => C6H12O6 + O2"), this));
    bind(BIND(*this, RichTextBox1), new EquationBox(this));
    RichTextBox1->setToolTip(QStringLiteral(
        "Be careful to enter the equation as in the example above using the = sign and the > sign."));
    RichTextBox1->setAccessibleName(Label1->text());
    Label1->setBuddy(RichTextBox1);
    QFont big = RichTextBox1->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    RichTextBox1->setFont(big);

    rowsAbove->addWidget(Label1);
    rowsAbove->addWidget(Label4);
    rowsAbove->addWidget(RichTextBox1);

    const Bound<QLineEdit> tips[] = {BIND(*this, txtReactions2), BIND(*this, txtReactions3), BIND(*this, txtReactions4),
                                     BIND(*this, txtReactions5), BIND(*this, txtReactions6)};
    for (int i = 0; i < 5; ++i) {
        auto* t = bind(tips[i], new QLineEdit(this));
        t->setReadOnly(true);
        t->setFrame(false);
        t->setAccessibleName(QStringLiteral("Tip %1").arg(i + 1));
        rowsAbove->addWidget(t);
    }

    m_left = Column{.symbols = &Label2, .counts = &Text1, .name = QStringLiteral("Label2"),
                    .boxName = QStringLiteral("Text1")};
    m_right = Column{.symbols = &Label3, .counts = &Text2, .name = QStringLiteral("Label3"),
                     .boxName = QStringLiteral("Text2")};
    bind(BIND(*this, fraFrame1), makeColumn(m_left, QStringLiteral("Atoms on the left")));
    bind(BIND(*this, fraFrame2), makeColumn(m_right, QStringLiteral("Atoms on the right")));
    auto* frames = new QHBoxLayout;
    frames->addWidget(fraFrame1);
    frames->addWidget(fraFrame2);
    rowsAbove->addLayout(frames);

    // "?" at the right end of its row.
    inputGrid->setAlignment(cmdHelp, Qt::AlignRight);

    connect(RichTextBox1, &QLineEdit::textChanged, this, &frmReactions::RichTextBox1_Change);
    answerFollows(RichTextBox1);

    // A refused equation lists nothing: no rows of an earlier one beside it.
    const auto refused = [this] {
        list(m_left, {});
        list(m_right, {});
        fitRows();
        RichTextBox1->setFocus();
    };
    addCheck([this] { return RichTextBox1->text().isEmpty(); }, QStringLiteral("You must enter a formula."),
             std::nullopt, refused);
    addCheck([this] { return RichTextBox1->text().count(Arrow) != 1; },
             QStringLiteral("You must use the = and > symbols."),
             Style{.icon = Msg::Icon::Information, .title = QStringLiteral("Invalid symbol in equation.")}, refused);

    orderTabs({RichTextBox1, cmdOk, cmdClear, cmdPrint, cmdHelp, cmdCancel});
    fitRows();
}

QGroupBox* frmReactions::makeColumn(Column& c, const QString& caption) {
    c.frame = new QGroupBox(caption, this);
    auto* v = new QVBoxLayout(c.frame);
    c.scroll = new QScrollArea(c.frame);
    c.scroll->setFrameShape(QFrame::NoFrame);
    c.scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.scroll->setWidgetResizable(true);
    auto* rows = new QWidget;
    c.grid = new QGridLayout(rows);
    c.grid->setContentsMargins(0, 0, 0, 0);
    c.grid->setVerticalSpacing(4);
    c.grid->setColumnStretch(1, 1);
    c.grid->setAlignment(Qt::AlignTop);
    c.scroll->setWidget(rows);
    v->addWidget(c.scroll);
    for (int r = 0; r < DesignRows; ++r) addRow(c);
    return c.frame;
}

void frmReactions::addRow(Column& c) {
    const int r = int(c.counts->size());
    QWidget* rows = c.scroll->widget();
    auto* symbol = new QLabel(rows);
    symbol->setObjectName(QStringLiteral("%1_%2").arg(c.name).arg(r));
    symbol->setMinimumWidth(symbol->fontMetrics().horizontalAdvance(QStringLiteral("Mmm")));
    auto* count = new QLineEdit(rows);
    count->setObjectName(QStringLiteral("%1_%2").arg(c.boxName).arg(r));
    count->setReadOnly(true);
    // Room for the largest count the counter gives.
    count->setMinimumWidth(count->fontMetrics().horizontalAdvance(QString(16, QLatin1Char('0'))) + 12);
    symbol->setBuddy(count);
    c.grid->addWidget(symbol, r, 0);
    c.grid->addWidget(count, r, 1);
    symbol->show();  // rows added to a shown window stay hidden until told
    count->show();
    c.symbols->append(symbol);
    c.counts->append(count);
    nameCount(c, r);
}

void frmReactions::nameCount(Column& c, int r) {
    // A screen reader names a count by its symbol, and an empty row by its place.
    const QString symbol = c.symbols->at(r)->text();
    c.counts->at(r)->setAccessibleName(symbol.isEmpty() ? QStringLiteral("%1, row %2").arg(c.frame->title()).arg(r + 1)
                                                        : symbol);
}

void frmReactions::list(Column& c, const std::vector<AtomCounter::Count>& counts) {
    const int rows = std::max<int>(DesignRows, int(counts.size()));
    while (c.counts->size() > rows) {
        delete c.symbols->takeLast();
        delete c.counts->takeLast();
    }
    while (c.counts->size() < rows) addRow(c);
    for (int r = 0; r < rows; ++r) {
        const bool used = size_t(r) < counts.size();
        const QString symbol = used ? QString::fromStdString(counts[size_t(r)].symbol) : QString();
        c.symbols->at(r)->setText(symbol);
        c.counts->at(r)->setText(used ? QString::number(qulonglong(counts[size_t(r)].atoms)) : QString());
        nameCount(c, r);
    }
}

void frmReactions::fitRows() {
    const int rows = std::min<int>(MaxShownRows, std::max<int>(Text1.size(), Text2.size()));
    if (rows == m_fittedRows) return;
    m_fittedRows = rows;
    const int rowHeight = Text1.first()->sizeHint().height();
    const int height = rows * rowHeight + (rows - 1) * m_left.grid->verticalSpacing();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    for (Column* c : {&m_left, &m_right}) {
        c->grid->activate();
        c->scroll->setFixedHeight(height);
        c->scroll->setMinimumWidth(c->grid->minimumSize().width() + bar);
        c->frame->layout()->activate();
        c->frame->updateGeometry();
    }
    // The window takes the size the rows need.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    layout()->invalidate();
    layout()->activate();
    adjustSize();
    setFixedSize(sizeHint());
}

void frmReactions::Form_Load() {
    RichTextBox1->clear();
    list(m_left, {});
    list(m_right, {});
    fitRows();
    txtReactions2->setText(QStringLiteral("1.  Make sure all molecules are written correctly."));
    txtReactions3->setText(QStringLiteral("2.  Correct reactants and products?"));
    txtReactions4->setText(QStringLiteral("3.  Change only the coefficients!"));
    txtReactions5->setText(QStringLiteral("4.  Do not change subscripts!"));
    txtReactions6->setText(QStringLiteral("5.  Do not change molecular formula!"));
    CalculatorForm::Form_Load();  // disables Ok and Print
    RichTextBox1->setFocus();
}

bool frmReactions::Form_KeyDown(QKeyEvent* e) {
    // Enter in the equation box runs Ok, also while Ok is disabled.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && RichTextBox1->hasFocus()) {
        cmdOk_Click();
        return true;
    }
    return false;
}

void frmReactions::RichTextBox1_Change() {
    cmdOk->setEnabled(true);
    cmdPrint->setEnabled(true);
}

QString frmReactions::sideFault(const QString& side, const AtomCounter::Tally& t) {
    return QStringLiteral("%1 side, molecule %2: %3")
        .arg(side, QString::fromStdString(t.molecule), QString::fromStdString(t.fault));
}

std::optional<CalculatorForm::Result> frmReactions::calculate() {
    const QString text = RichTextBox1->text();
    const int arrow = int(text.indexOf(Arrow));
    QSet<QString> symbols;
    try {
        symbols = elementSymbols();
    } catch (const RuntimeFault& f) {
        say(f.description(), InformationStyle);
        return std::nullopt;
    }
    const AtomCounter::SymbolTest isElement = [&symbols](std::string_view s) {
        return symbols.contains(QString::fromLatin1(s.data(), qsizetype(s.size())));
    };
    const AtomCounter::Tally left = AtomCounter::countSide(text.left(arrow).toLatin1().toStdString(), isElement);
    const AtomCounter::Tally right =
        AtomCounter::countSide(text.mid(arrow + Arrow.size()).toLatin1().toStdString(), isElement);

    list(m_left, left.counts);
    list(m_right, right.counts);
    fitRows();

    QStringList faults;
    if (!left.ok()) faults << sideFault(QStringLiteral("Left"), left);
    if (!right.ok()) faults << sideFault(QStringLiteral("Right"), right);
    if (!faults.isEmpty()) say(faults.join(QStringLiteral("\n\r")), InformationStyle);
    return std::nullopt;
}

void frmReactions::emptyAnswer() {
    CalculatorForm::emptyAnswer();
    list(m_left, {});
    list(m_right, {});
    fitRows();
}

void frmReactions::cleared() {
    RichTextBox1->clear();
    emptyAnswer();
    RichTextBox1->setFocus();
}

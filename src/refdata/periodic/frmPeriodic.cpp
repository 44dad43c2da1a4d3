#include "frmPeriodic.h"
#include "frmPeriodicData.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace {
// Design units: twips, 15 to a pixel.
int px(int twips) { return (twips * 2 + 15) / 30; }

const int ButtonWidth = 500;
const int ButtonHeight = 495;
const int Pitch = 510;

int columnLeft(int column) { return 540 + Pitch * (column - 1); }
int rowTop(int row) {
    if (row == 8) return 4380;
    if (row == 9) return 4890;
    return 630 + Pitch * (row - 1);
}

QString rgb(const QColor& c) { return QStringLiteral("rgb(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue()); }

QFont timesFont(double points, bool bold = false) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// An element button, drawn by the style sheet of its class's hidden button:
// the sheet is matched five times, not once per element.
class ElementButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    QPushButton* look = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        look->style()->drawControl(QStyle::CE_PushButton, &opt, &p, look);
    }
};

}  // namespace

QColor frmPeriodic::buttonColour(ElementClass kind) {
    switch (kind) {
    case ElementClass::Gas: return QColor(0, 255, 0);
    case ElementClass::Liquid: return QColor(0, 192, 192);
    case ElementClass::Synthetic: return QColor(255, 255, 0);
    case ElementClass::Metalloid: return QColor(128, 128, 255);
    case ElementClass::Solid: break;
    }
    return QColor(224, 224, 224);
}

frmPeriodic::frmPeriodic() {
    showManualOnF1();
    // Dialog border, no title bar: closed only through Cancel or Escape.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint);
    setWindowTitle(QString());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    setFont(timesFont(8.25));

    cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    cmdCancel->setToolTip(QStringLiteral("Close the screen and return to the main screen."));
    cmdCancel->setGeometry(px(120), px(5460), px(1215), px(375));
    connect(cmdCancel, &QPushButton::clicked, this, &frmPeriodic::cmdCancel_Click);
    // Drawn through a style sheet, as every control of the window once was.
    cmdCancel->setStyleSheet(QStringLiteral("QPushButton {}"));

    // The look of each class of element comes from a style sheet on one
    // hidden button, kept in the class's first element button; every element
    // button is painted through its class's.
    QHash<int, QPushButton*> looks;
    QList<QWidget*> order{cmdCancel};
    for (const Element& e : PeriodicElements::elements()) {
        auto* b = new ElementButton(e.caption, this);
        QPushButton*& look = looks[int(e.kind)];
        if (!look) {
            look = new QPushButton(b);
            look->hide();
            look->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black; border: 2px outset %1; }"
                                               "QPushButton:pressed { border-style: inset; }"
                                               "QPushButton:focus { border: 2px solid black; }")
                                    .arg(rgb(buttonColour(e.kind))));
        }
        b->look = look;
        b->setObjectName(e.name);
        b->setGeometry(px(columnLeft(e.column)), px(rowTop(e.row)), px(ButtonWidth), px(ButtonHeight));
        connect(b, &QPushButton::clicked, this, [this, b] { cmdElement_Click(b); });
        ElementButtons.append(b);
        order.append(b);
    }
    orderTabs(order);

    auto label = [this](const QString& text, const QColor& colour, const QRect& r,
                        Qt::Alignment align = Qt::AlignCenter) {
        auto* l = new QLabel(text, this);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, colour);
        l->setPalette(p);
        l->setAlignment(align);
        l->setGeometry(r);
        return l;
    };

    // Across the top, between the group numbers over hydrogen and helium.
    Label28 = label(QStringLiteral("Periodic Table Of The Elements"), QColor(255, 255, 0),
                    QRect(px(columnLeft(2)), 0, px(columnLeft(18) - columnLeft(2)) - 2, px(600)));
    Label28->setObjectName(QStringLiteral("Label28"));
    Label28->setFont(timesFont(20.25, true));
    Label28->setToolTip(QStringLiteral("Click on an element to see its vital data."));

    // Group numbers over the top button of each column.
    QFont small = timesFont(8.25, true);
    for (int g = 1; g <= 18; ++g) {
        const int topRow = (g == 1 || g == 18) ? 1 : (g == 2 || g >= 13) ? 2 : 4;
        QLabel* l = label(QString::number(g), QColor(0, 0, 255),
                          QRect(px(columnLeft(g)), px(rowTop(topRow) - 225), px(ButtonWidth), px(225)));
        l->setObjectName(QStringLiteral("lblGroup%1").arg(g));
        l->setFont(small);
        GroupLabels.append(l);
    }
    for (int p = 1; p <= 7; ++p) {
        QLabel* l = label(QString::number(p), QColor(255, 0, 0),
                          QRect(px(120), px(rowTop(p)), px(360), px(ButtonHeight)));
        l->setObjectName(QStringLiteral("lblPeriod%1").arg(p));
        l->setFont(small);
        PeriodLabels.append(l);
    }
    const QRect lanRect(px(120), px(rowTop(8)), px(columnLeft(5) - 180), px(ButtonHeight));
    lblLanthanides = label(QStringLiteral("*Lanthanide Series"), QColor(255, 0, 0), lanRect,
                           Qt::AlignRight | Qt::AlignVCenter);
    lblLanthanides->setObjectName(QStringLiteral("lblLanthanides"));
    lblLanthanides->setFont(small);
    lblActinides = label(QStringLiteral("#Actinide Series"), QColor(255, 0, 0), lanRect.translated(0, px(Pitch)),
                         Qt::AlignRight | Qt::AlignVCenter);
    lblActinides->setObjectName(QStringLiteral("lblActinides"));
    lblActinides->setFont(small);

    // The legend, left to right along the bottom.
    struct Legend {
        const char* name;
        const char* text;
        QColor colour;
    };
    const Legend legend[] = {
        {.name = "lblSolids", .text = "Gray = solids", .colour = QColor(64, 64, 64)},
        {.name = "lblLiquids", .text = "Liquids", .colour = QColor(0, 192, 192)},
        {.name = "lblGases", .text = "Gases", .colour = QColor(0, 255, 0)},
        {.name = "lblSynthetic", .text = "Synthetic", .colour = QColor(255, 255, 0)},
        {.name = "lblMetalloids", .text = "Metalloids", .colour = QColor(0, 0, 255)},
    };
    const QFont legendFont = timesFont(9.75, true);
    const QFontMetrics fm(legendFont);
    int left = px(columnLeft(5));
    for (const Legend& item : legend) {
        const QString text = QLatin1String(item.text);
        const int width = fm.horizontalAdvance(text) + 6;
        QLabel* l = label(text, item.colour, QRect(left, px(5460), width, px(375)), Qt::AlignLeft | Qt::AlignVCenter);
        l->setObjectName(QLatin1String(item.name));
        l->setFont(legendFont);
        LegendLabels.append(l);
        left += width + 20;
    }

    setDefaultButton(cmdCancel);
    setCancelButton(cmdCancel);
    setFixedSize(px(columnLeft(18) + ButtonWidth + 300), px(6060));
}

void frmPeriodic::Form_Load() { cmdCancel->setFocus(); }

void frmPeriodic::cmdElement_Click(QPushButton* button) {
    SelectedSymbol = button->text();
    // An open sheet is refilled for the new element before it comes forward.
    if (auto* sheet = Forms::get<frmPeriodicData>(QStringLiteral("frmPeriodicData"))) sheet->FillSheet();
    Forms::show(QStringLiteral("frmPeriodicData"));
}

void frmPeriodic::cmdCancel_Click() { Forms::unload(this); }

#include "frmPeriodicData.h"
#include "PeriodicElements.h"

#include "platform/MessageBox.h"
#include "platform/PrintService.h"
#include "platform/NumberPicture.h"
#include "refdata/ReferenceDatabase.h"
#include "refdata/ReferenceSchema.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

namespace {
const char* const Prompts[15] = {nullptr,         "Name",    "Symbol",     "Atomic Number", "Atomic Weight",
                                 "State",         "Charge",  "Configuration", "Group Name", "Protons",
                                 "Electrons",     "Neutrons", "Density",   "Freezing Point", "Boiling Point"};
}

frmPeriodicData::frmPeriodicData() {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Periodic Table Data"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    for (int i = 1; i <= 14; ++i) {
        Text[i] = new QLineEdit(this);
        Text[i]->setObjectName(QStringLiteral("Text%1").arg(i));
        Text[i]->setReadOnly(true);
        Text[i]->setMinimumWidth(150);
        Text[i]->setAccessibleName(QLatin1String(Prompts[i]));
        Label[i] = new QLabel(QLatin1String(Prompts[i]), this);
        Label[i]->setObjectName(QStringLiteral("Label%1").arg(i));
        Label[i]->setBuddy(Text[i]);
        Label[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Text1 to Text7 down the left column, Text8 to Text14 down the right.
        const int row = (i - 1) % 7;
        const int col = i <= 7 ? 0 : 2;
        grid->addWidget(Label[i], row, col);
        grid->addWidget(Text[i], row, col + 1);
    }
    grid->setColumnMinimumWidth(2, 90);

    cmdPrint = makeButton(QStringLiteral("cmdPrint"), QStringLiteral("Print"));
    cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    connect(cmdPrint, &QPushButton::clicked, this, &frmPeriodicData::cmdPrint_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPeriodicData::cmdCancel_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdCancel);
    buttons->addStretch(1);

    auto* v = new QVBoxLayout(this);
    v->addLayout(grid);
    v->addSpacing(8);
    v->addLayout(buttons);
    setCancelButton(cmdCancel);

    QList<QWidget*> order;
    for (int i = 1; i <= 14; ++i) order.append(Text[i]);
    orderTabs(order << cmdPrint << cmdCancel);
}

void frmPeriodicData::Form_Load() {
    FillSheet();
    setFixedBorder();
}

void frmPeriodicData::FillSheet() {
    for (int i = 1; i <= 14; ++i) Text[i]->clear();

    // The row is read whole before any box is written, so a failed read
    // leaves the sheet empty rather than half filled.
    QVariant name, symbol, number, weight, state, charge, configuration, group, density, freezing, boiling;
    try {
        // Only a symbol of the table's buttons is looked up, and only as a bound value.
        if (!PeriodicElements::isElementSymbol(SelectedSymbol))
            throw DbError(RuntimeFault::NoCurrentRecord, QStringLiteral("No current record."));
        ReferenceDatabase::singleRecord(
            QStringLiteral("SELECT * FROM GeneralInfo WHERE Symbol = ?"), {SelectedSymbol}, [&](const Recordset& rs) {
                auto get = [&rs](const char* field) {
                    const QString f = QLatin1String(field);
                    return rs.hasField(f) ? rs.field(f) : QVariant();
                };
                if (rs.eof()) throw DbError(RuntimeFault::NoCurrentRecord, QStringLiteral("No current record."));
                name = get("ElementName");
                symbol = get("Symbol");
                number = get("AtomicNumber");
                weight = get("AtomicWeight");
                state = get("State");
                charge = get("Charge");
                configuration = get("Configuration");
                group = get("GroupName");
                density = get("Density");
                freezing = get("FreezingPoint");
                boiling = get("BoilingPoint");
            });
    } catch (const RuntimeFault& e) {
        Msg::show(e.description(), QStringLiteral("Periodic Data"), Msg::Icon::Information);
        return;
    }

    // Every value is formatted before any box is written; one that cannot be
    // shown leaves its box empty.
    auto text = [](const QVariant& v) {
        try {
            return Recordset::plainText(v);
        } catch (const RuntimeFault&) {
            return QString();
        }
    };
    // A number field shows a number or nothing, never a text stored in its place.
    auto cell = [&text](const char* field, const QVariant& v) {
        if (ReferenceSchema::isNumber(QStringLiteral("GeneralInfo"), QLatin1String(field)) && !Picture::readsAsNumber(v))
            return QString();
        return text(v);
    };
    // Neutrons: the weight rounded to a whole number, less the atomic number.
    QString neutrons;
    double w = 0, z = 0;
    if (Picture::readsAsNumber(weight, &w) && Picture::readsAsNumber(number, &z)) neutrons = text(std::round(w) - z);
    const QString atomicNumber = cell("AtomicNumber", number);
    const QStringList texts{text(name),
                            text(symbol),
                            atomicNumber,
                            cell("AtomicWeight", weight),
                            text(state),
                            text(charge),
                            text(configuration),
                            text(group),
                            atomicNumber,
                            atomicNumber,
                            neutrons,
                            cell("Density", density),
                            cell("FreezingPoint", freezing),
                            cell("BoilingPoint", boiling)};
    for (int i = 1; i <= 14; ++i) Text[i]->setText(texts.at(i - 1));
}

void frmPeriodicData::cmdPrint_Click() { Print::printWindow(this); }

void frmPeriodicData::cmdCancel_Click() { Forms::unload(this); }

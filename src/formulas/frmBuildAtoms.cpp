#include "frmBuildAtoms.h"

#include "PictureBox.h"
#include "platform/MessageBox.h"
#include "platform/PrintService.h"
#include "refdata/ReferenceDatabase.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);

constexpr int Solid = 0;
constexpr int Transparent = 1;

const QString NoLevel = QStringLiteral("You must have an energy level before you can add electrons.");
const QString TooMany = QStringLiteral("You cannot have more than 109  protons or electrons.");
const QString LevelHoldsElectrons = QStringLiteral("You must remove all electrons before removing an energy level.");
const QString HelpText = QStringLiteral(
    "Building an atom is a simple exercise in putting together the various parts of an atom. You assemble "
    "protons, neutrons, energy levels and electrons to make the atom you want. As you build your "
    "atom, the various numbers of each subatomic particle are shown along with the name of the "
    "element, its weight and the charge. ");

// Design units: twips, 15 to a pixel.
int px(int twips) { return (twips * 2 + 15) / 30; }

QString number(qsizetype n) { return QString::number(n); }
}  // namespace

frmBuildAtoms::frmBuildAtoms() {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Build an atom"));

    auto button = [this](const char* name, const QString& caption, void (frmBuildAtoms::*handler)()) {
        QPushButton* b = makeButton(QLatin1String(name), caption);
        b->setMinimumWidth(px(1800));
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    cmdProton = button("cmdProton", QStringLiteral("Add Proton"), &frmBuildAtoms::cmdProton_Click);
    cmdNeutrons = button("cmdNeutrons", QStringLiteral("Add Neutron"), &frmBuildAtoms::cmdNeutrons_Click);
    cmdElectrons = button("cmdElectrons", QStringLiteral("Add Electron"), &frmBuildAtoms::cmdElectrons_Click);
    cmdEnergyLevel = button("cmdEnergyLevel", QStringLiteral("Add Energy Level"), &frmBuildAtoms::cmdEnergyLevel_Click);
    cmdRemoveProton = button("cmdRemoveProton", QStringLiteral("Remove Proton"), &frmBuildAtoms::cmdRemoveProton_Click);
    cmdRemoveNeutron =
        button("cmdRemoveNeutron", QStringLiteral("Remove Neutron"), &frmBuildAtoms::cmdRemoveNeutron_Click);
    cmdRemoveElectron =
        button("cmdRemoveElectron", QStringLiteral("Remove Electron"), &frmBuildAtoms::cmdRemoveElectron_Click);
    cmdRemoveEnergyLevel = button("cmdRemoveEnergyLevel", QStringLiteral("Remove Energy Level"),
                                  &frmBuildAtoms::cmdRemoveEnergyLevel_Click);
    cmdClose = button("cmdClose", QStringLiteral("Close"), &frmBuildAtoms::cmdClose_Click);
    cmdPrint = button("cmdPrint", QStringLiteral("Print"), &frmBuildAtoms::cmdPrint_Click);
    cmdClear = button("cmdClear", QStringLiteral("Clear"), &frmBuildAtoms::cmdClear_Click);
    cmdTutorial = button("cmdTutorial", QStringLiteral("Help"), &frmBuildAtoms::cmdTutorial_Click);
    for (QPushButton* b : {cmdClose, cmdPrint, cmdClear, cmdTutorial}) b->setMinimumWidth(px(1200));

    Picture1 = new PictureBox(QSize(px(3660), px(3390)), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setBackColor(Black);
    Picture1->setAccessibleName(QStringLiteral("Drawing of the atom"));

    // The counts: display-only boxes, each named by the label to its left.
    auto* counts = new QGridLayout;
    counts->setVerticalSpacing(px(75));
    auto row = [this, counts](int n, const QString& caption, const QColor& colour, QLabel*& label, QLineEdit*& box) {
        label = new QLabel(caption, this);
        label->setObjectName(QStringLiteral("Label%1").arg(n));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (colour.isValid()) {
            QPalette p = label->palette();
            p.setColor(QPalette::WindowText, colour);
            label->setPalette(p);
        }
        box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(n));
        box->setEnabled(false);
        // Display-only, but as legible as a box the user types in.
        QPalette bp = box->palette();
        bp.setColor(QPalette::Disabled, QPalette::Text, bp.color(QPalette::Active, QPalette::Text));
        box->setPalette(bp);
        box->setAccessibleName(caption);
        box->setFixedWidth(px(n == 1 ? 1365 : 1005));
        label->setBuddy(box);
        counts->addWidget(label, n - 1, 0);
        counts->addWidget(box, n - 1, 1, Qt::AlignLeft);
    };
    row(1, QStringLiteral("The atom is"), QColor(), Label1, Text1);
    row(2, QStringLiteral("Protons"), Red, Label2, Text2);
    row(3, QStringLiteral("Neutrons"), Blue, Label3, Text3);
    row(4, QStringLiteral("Electrons"), Yellow, Label4, Text4);
    row(5, QStringLiteral("Weight"), QColor(), Label5, Text5);
    row(6, QStringLiteral("Energy Levels"), QColor(), Label6, Text6);
    row(7, QStringLiteral("Charge"), QColor(), Label7, Text7);
    // Room for the longest element name.
    Text1->setFixedWidth(std::max(px(1365), Text1->fontMetrics().horizontalAdvance(QStringLiteral("Rutherfordium")) + 12));

    auto* top = new QGridLayout;
    top->setHorizontalSpacing(px(90));
    QPushButton* const adds[] = {cmdProton, cmdNeutrons, cmdElectrons, cmdEnergyLevel};
    QPushButton* const removes[] = {cmdRemoveProton, cmdRemoveNeutron, cmdRemoveElectron, cmdRemoveEnergyLevel};
    for (int c = 0; c < 4; ++c) {
        top->addWidget(adds[c], 0, c);
        top->addWidget(removes[c], 1, c);
    }

    auto* middle = new QHBoxLayout;
    middle->addSpacing(px(675) - 9);
    middle->addWidget(Picture1, 0, Qt::AlignTop);
    middle->addStretch(1);
    middle->addLayout(counts);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    for (QPushButton* b : {cmdClose, cmdPrint, cmdClear, cmdTutorial}) bottom->addWidget(b);
    bottom->addStretch(1);

    auto* v = new QVBoxLayout(this);
    v->addLayout(top);
    v->addSpacing(px(120));
    v->addLayout(middle);
    v->addSpacing(px(120));
    v->addLayout(bottom);

    setCancelButton(cmdClose);
    orderTabs({QStringLiteral("cmdProton"), QStringLiteral("cmdNeutrons"), QStringLiteral("cmdElectrons"),
               QStringLiteral("cmdEnergyLevel"), QStringLiteral("cmdRemoveProton"), QStringLiteral("cmdRemoveNeutron"),
               QStringLiteral("cmdRemoveElectron"), QStringLiteral("cmdRemoveEnergyLevel"), QStringLiteral("cmdClose"),
               QStringLiteral("cmdPrint"), QStringLiteral("cmdClear"), QStringLiteral("cmdTutorial")});

}

void frmBuildAtoms::Form_Load() {
    Picture1->Scale(-1, 1, 1, -1);
    emptyAtom();
    cmdProton->setEnabled(true);
    enableBuilding(false);
    cmdPrint->setEnabled(false);
    cmdClear->setEnabled(false);
    setFixedBorder();
    cmdProton->setFocus();
}

void frmBuildAtoms::emptyAtom() {
    m_atom = Atom();
    Text1->clear();
    showAtom();
}

void frmBuildAtoms::enableBuilding(bool on) {
    for (QPushButton* b : {cmdNeutrons, cmdElectrons, cmdEnergyLevel, cmdRemoveProton, cmdRemoveNeutron,
                           cmdRemoveElectron, cmdRemoveEnergyLevel})
        b->setEnabled(on);
}

void frmBuildAtoms::showAtom() {
    Text2->setText(number(m_atom.protons.size()));
    Text3->setText(number(m_atom.neutrons.size()));
    Text4->setText(number(m_atom.electrons.size()));
    Text6->setText(number(m_atom.rings.size()));
    UpdateWeight();
    UpdateCharge();
    drawAtom();
}

// Rings first, then the nucleus (the neutrons over the protons), then the
// electrons over the rings they sit on; particles outlined in black. A
// particle covered by a later one on the same place leaves no pixel, so of
// each kind only the last round of places is drawn.
void frmBuildAtoms::drawAtom() {
    Picture1->Cls();
    Picture1->setDrawing(Black, Transparent, White);
    for (const Atom::Disc& d : m_atom.rings) Picture1->Circle(d.x, d.y, d.radius);
    struct Kind {
        const QList<Atom::Disc>& discs;
        qsizetype places;
        QColor colour;
    };
    for (const Kind& kind : {Kind{.discs = m_atom.protons, .places = Atom::ProtonPlaces, .colour = Red},
                             Kind{.discs = m_atom.neutrons, .places = Atom::NeutronPlaces, .colour = Blue},
                             Kind{.discs = m_atom.electrons, .places = m_atom.electrons.size(), .colour = Yellow}}) {
        Picture1->setDrawing(kind.colour, Solid, Black);
        for (qsizetype n = std::max<qsizetype>(0, kind.discs.size() - kind.places); n < kind.discs.size(); ++n)
            Picture1->Circle(kind.discs[n].x, kind.discs[n].y, kind.discs[n].radius);
    }
}

void frmBuildAtoms::cmdClear_Click() {
    emptyAtom();
    cmdProton->setEnabled(true);
    enableBuilding(false);
}

void frmBuildAtoms::cmdProton_Click() {
    cmdRemoveProton->setEnabled(true);
    if (!m_atom.addProton()) return;
    showAtom();
    enableBuilding(true);
    cmdPrint->setEnabled(true);
    cmdClear->setEnabled(true);
    UpDateElement();
}

void frmBuildAtoms::cmdNeutrons_Click() {
    cmdRemoveNeutron->setEnabled(true);
    // The nucleus keeps at most 200 neutrons; a further click does nothing.
    if (m_atom.addNeutron()) showAtom();
}

void frmBuildAtoms::cmdEnergyLevel_Click() {
    cmdRemoveEnergyLevel->setEnabled(true);
    if (m_atom.addLevel()) showAtom();
}

void frmBuildAtoms::cmdElectrons_Click() {
    const Atom::ElectronAdded added = m_atom.addElectron();
    if (added == Atom::ElectronAdded::NoLevel) {
        Msg::show(NoLevel, QString(), Msg::Icon::Information);
        return;
    }
    cmdRemoveElectron->setEnabled(true);
    if (added == Atom::ElectronAdded::Full) {
        Msg::show(TooMany, QString(), Msg::Icon::Information);
        return;
    }
    if (added == Atom::ElectronAdded::Placed) showAtom();
}

void frmBuildAtoms::cmdRemoveElectron_Click() {
    if (!m_atom.removeElectron()) return;
    showAtom();
    if (m_atom.electrons.isEmpty()) cmdRemoveElectron->setEnabled(false);
}

void frmBuildAtoms::cmdRemoveEnergyLevel_Click() {
    switch (m_atom.removeLevel()) {
    case Atom::LevelRemoved::None:
        return;
    case Atom::LevelRemoved::HoldsElectrons:
        Msg::show(LevelHoldsElectrons, QStringLiteral("Tessival 1.5"), Msg::Icon::Critical);
        return;
    case Atom::LevelRemoved::Removed:
        showAtom();
        if (m_atom.rings.isEmpty()) cmdRemoveEnergyLevel->setEnabled(false);
        return;
    }
}

void frmBuildAtoms::cmdRemoveNeutron_Click() {
    if (!m_atom.removeNeutron()) return;
    showAtom();
    if (m_atom.neutrons.isEmpty()) cmdRemoveNeutron->setEnabled(false);
}

void frmBuildAtoms::cmdRemoveProton_Click() {
    if (!m_atom.removeProton()) return;
    showAtom();
    if (m_atom.protons.isEmpty()) {
        // The last proton took the whole atom with it.
        Text1->clear();
        enableBuilding(false);
        cmdPrint->setEnabled(false);
        cmdClear->setEnabled(false);
        return;
    }
    UpDateElement();
}

void frmBuildAtoms::UpDateElement() {
    try {
        QString name;
        ReferenceDatabase::singleRecord(QStringLiteral("SELECT ElementName FROM GeneralInfo WHERE AtomicNumber = ?"),
                                        {int(m_atom.protons.size())},
                                        [&name](const Recordset& rs) { name = rs.fieldText(QStringLiteral("ElementName")); });
        Text1->setText(name);
    } catch (const RuntimeFault& e) {
        // The name shown must belong to the proton count, or be none.
        Text1->clear();
        Msg::show(e.description(), QString(), Msg::Icon::Information);
    }
}

void frmBuildAtoms::UpdateWeight() { Text5->setText(number(m_atom.massNumber())); }

void frmBuildAtoms::UpdateCharge() { Text7->setText(number(m_atom.charge())); }

void frmBuildAtoms::cmdPrint_Click() { Print::printWindow(this); }

void frmBuildAtoms::cmdTutorial_Click() { Msg::show(HelpText, QStringLiteral("Buidling Atoms"), Msg::Icon::Information); }

void frmBuildAtoms::cmdClose_Click() {
    Forms::unload(this);
    Forms::show(QStringLiteral("frmMoleChoice"));
}

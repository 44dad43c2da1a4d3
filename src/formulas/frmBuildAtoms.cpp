#include "frmBuildAtoms.h"

#include "ElectronPlacement.h"
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
constexpr float ParticleRadius = 0.03f;
constexpr float ElectronRadius = 0.02f;

// Places in the nucleus, taken in turn: protons five, neutrons four.
constexpr int ProtonPlaceCount = 5;
constexpr int NeutronPlaceCount = 4;
const frmBuildAtoms::Disc ProtonPlaces[ProtonPlaceCount] = {
    {0, 0, ParticleRadius}, {0.05f, -0.05f, ParticleRadius}, {0.05f, 0.05f, ParticleRadius},
    {-0.05f, 0.05f, ParticleRadius}, {-0.05f, -0.05f, ParticleRadius}};
const frmBuildAtoms::Disc NeutronPlaces[NeutronPlaceCount] = {
    {0.05f, 0, ParticleRadius}, {0, 0.05f, ParticleRadius}, {-0.05f, 0, ParticleRadius}, {0, -0.05f, ParticleRadius}};

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

QString number(qint16 n) { return QString::number(n); }
}  // namespace

frmBuildAtoms::frmBuildAtoms() {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Build an atom"));

    auto button = [this](const char* name, const QString& caption, void (frmBuildAtoms::*handler)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
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
    QWidget* previous = cmdProton;
    for (QWidget* w : {static_cast<QWidget*>(cmdNeutrons), static_cast<QWidget*>(cmdElectrons),
                       static_cast<QWidget*>(cmdEnergyLevel), static_cast<QWidget*>(cmdRemoveProton),
                       static_cast<QWidget*>(cmdRemoveNeutron), static_cast<QWidget*>(cmdRemoveElectron),
                       static_cast<QWidget*>(cmdRemoveEnergyLevel), static_cast<QWidget*>(cmdClose),
                       static_cast<QWidget*>(cmdPrint), static_cast<QWidget*>(cmdClear),
                       static_cast<QWidget*>(cmdTutorial)}) {
        setTabOrder(previous, w);
        previous = w;
    }

    addMessageText(NoLevel);
    addMessageText(TooMany);
    addMessageText(LevelHoldsElectrons);
}

void frmBuildAtoms::Form_Load() {
    emptyAtom();
    cmdProton->setEnabled(true);
    enableBuilding(false);
    cmdPrint->setEnabled(false);
    cmdClear->setEnabled(false);
    Picture1->Scale(-1, 1, 1, -1);
    setFixedBorder();
    cmdProton->setFocus();
}

void frmBuildAtoms::emptyAtom() {
    Text1->clear();
    for (QLineEdit* box : {Text2, Text3, Text4, Text5, Text6, Text7}) box->setText(QStringLiteral("0"));
    ProtonCount = NeutronCount = ElectronCount = MassNumber = LevelCount = AtomCharge = 0;
    NextRingRadius = 0.2f;
}

void frmBuildAtoms::enableBuilding(bool on) {
    for (QPushButton* b : {cmdNeutrons, cmdElectrons, cmdEnergyLevel, cmdRemoveProton, cmdRemoveNeutron,
                           cmdRemoveElectron, cmdRemoveEnergyLevel})
        b->setEnabled(on);
}

void frmBuildAtoms::cmdClear_Click() {
    emptyAtom();
    Picture1->Cls();
    cmdProton->setEnabled(true);
    enableBuilding(false);
}

void frmBuildAtoms::addParticle(const QColor& colour, const Disc& place, Disc* rows, qint16& count, QLineEdit* box) {
    Picture1->setDrawing(colour, Solid, Black);
    Picture1->Circle(place.x, place.y, place.radius);
    rows[count + 1] = place;
    ++count;
    box->setText(number(count));
    Picture1->setDrawing(Black, Solid, Black);
}

void frmBuildAtoms::removeParticle(const Disc* rows, qint16& count, int places, QLineEdit* box) {
    // Beyond the first round of places, the last particle shares its place
    // with one that stays, so it is not covered.
    if (count <= places) {
        Picture1->setDrawing(Black, Solid, Picture1->ForeColor);
        Picture1->Circle(rows[count].x, rows[count].y, rows[count].radius, Black);
    }
    --count;
    Picture1->setDrawing(Black, Solid, Black);
    box->setText(number(count));
}

// Row n lies exactly on row n - places. Drawing only the last row of each
// place, in order, leaves the very pixels that drawing every row would.
void frmBuildAtoms::repaintParticles(const Disc* rows, int count, int places, const QColor& colour) {
    Picture1->setDrawing(colour, Solid, colour);
    for (int n = std::max(1, count - places + 1); n <= count; ++n)
        Picture1->Circle(rows[n].x, rows[n].y, rows[n].radius, colour);
}

void frmBuildAtoms::cmdProton_Click() {
    cmdRemoveProton->setEnabled(true);
    if (ProtonCount >= MaxProtons) return;
    addParticle(Red, ProtonPlaces[ProtonCount % ProtonPlaceCount], ProtonPos, ProtonCount, Text2);
    enableBuilding(true);
    cmdPrint->setEnabled(true);
    cmdClear->setEnabled(true);
    UpDateElement();
    UpdateWeight();
    UpdateCharge();
}

void frmBuildAtoms::cmdNeutrons_Click() {
    cmdRemoveNeutron->setEnabled(true);
    // The nucleus keeps at most 200 neutrons; a further click does nothing.
    if (NeutronCount >= MaxNeutrons) return;
    addParticle(Blue, NeutronPlaces[NeutronCount % NeutronPlaceCount], NeutronPos, NeutronCount, Text3);
    UpdateWeight();
}

void frmBuildAtoms::cmdEnergyLevel_Click() {
    cmdRemoveEnergyLevel->setEnabled(true);
    if (LevelCount >= MaxLevels) return;
    RingPos[LevelCount + 1] = {0, 0, NextRingRadius};
    ++LevelCount;
    Text6->setText(number(LevelCount));
    Picture1->setDrawing(Picture1->FillColor, Transparent, White);
    Picture1->Circle(0, 0, NextRingRadius);
    NextRingRadius = float(double(NextRingRadius) + 0.1);
}

void frmBuildAtoms::cmdElectrons_Click() {
    if (LevelCount == 0) {
        Msg::show(NoLevel, QString(), Msg::Icon::Information);
        return;
    }
    cmdRemoveElectron->setEnabled(true);
    if (ElectronCount >= MaxElectrons) {
        Msg::show(TooMany, QString(), Msg::Icon::Information);
        return;
    }
    Picture1->setDrawing(Yellow, Solid, Black);
    // An electron goes only onto its own level, and only while that is the outermost.
    const int index = ElectronCount;
    if (ElectronPlacement::Table[index].level == LevelCount) {
        const auto c = ElectronPlacement::centre(index, NextRingRadius);
        Picture1->Circle(c.x, c.y, ElectronRadius);
        ElectronPos[ElectronCount + 1] = {c.x, c.y, ElectronRadius};
        ++ElectronCount;
        Text4->setText(number(ElectronCount));
    }
    UpdateCharge();
}

void frmBuildAtoms::cmdRemoveElectron_Click() {
    if (ElectronCount == 0) return;
    Picture1->setDrawing(Black, Solid, Picture1->ForeColor);
    const Disc& gone = ElectronPos[ElectronCount];
    Picture1->Circle(gone.x, gone.y, gone.radius, Black);
    --ElectronCount;
    // Close the gap the black disc cut into whichever ring the electron sat
    // on, then the dots the rings pass through.
    Picture1->setDrawing(Picture1->FillColor, Transparent, White);
    for (int n = 1; n <= LevelCount; ++n) Picture1->Circle(RingPos[n].x, RingPos[n].y, RingPos[n].radius);
    Picture1->setDrawing(Yellow, Solid, Black);
    for (int n = 1; n <= ElectronCount; ++n)
        Picture1->Circle(ElectronPos[n].x, ElectronPos[n].y, ElectronPos[n].radius);
    Picture1->setDrawing(Black, Solid, Black);
    if (ElectronCount == 0) cmdRemoveElectron->setEnabled(false);
    UpdateCharge();
    Text4->setText(number(ElectronCount));
}

void frmBuildAtoms::cmdRemoveEnergyLevel_Click() {
    if (LevelCount == 0) return;
    if (ElectronPlacement::outermostHoldsElectrons(LevelCount, ElectronCount)) {
        Msg::show(LevelHoldsElectrons, QStringLiteral("Tessival 1.5"), Msg::Icon::Critical);
        return;
    }
    Picture1->setDrawing(Black, Transparent, Black);
    const Disc& ring = RingPos[LevelCount];
    Picture1->Circle(ring.x, ring.y, ring.radius, Black);
    --LevelCount;
    NextRingRadius = float(double(NextRingRadius) - 0.1);
    Text6->setText(number(LevelCount));
    if (LevelCount == 0) cmdRemoveEnergyLevel->setEnabled(false);
}

void frmBuildAtoms::cmdRemoveNeutron_Click() {
    if (NeutronCount == 0) return;
    removeParticle(NeutronPos, NeutronCount, NeutronPlaceCount, Text3);
    UpdateWeight();
    if (NeutronCount == 0) cmdRemoveNeutron->setEnabled(false);
    // Protons first: the neutrons lie on top.
    repaintParticles(ProtonPos, ProtonCount, ProtonPlaceCount, Red);
    repaintParticles(NeutronPos, NeutronCount, NeutronPlaceCount, Blue);
    Picture1->setDrawing(Black, Solid, Black);
}

void frmBuildAtoms::cmdRemoveProton_Click() {
    if (ProtonCount == 0) return;
    if (ProtonCount == 1) {
        // The last proton takes the whole atom with it.
        emptyAtom();
        Picture1->Cls();
        enableBuilding(false);
        cmdPrint->setEnabled(false);
        cmdClear->setEnabled(false);
        MassNumber = 0;
        AtomCharge = 0;
        UpdateWeight();
        UpdateCharge();
        return;
    }
    removeParticle(ProtonPos, ProtonCount, ProtonPlaceCount, Text2);
    // Neutrons first: the protons lie on top.
    repaintParticles(NeutronPos, NeutronCount, NeutronPlaceCount, Blue);
    repaintParticles(ProtonPos, ProtonCount, ProtonPlaceCount, Red);
    Picture1->setDrawing(Black, Solid, Black);
    UpDateElement();
    UpdateWeight();
    UpdateCharge();
}

void frmBuildAtoms::UpDateElement() {
    try {
        QString name;
        ReferenceDatabase::singleRecord(QStringLiteral("SELECT ElementName FROM GeneralInfo WHERE AtomicNumber = ?"),
                                        {int(ProtonCount)},
                                        [&name](const Recordset& rs) { name = rs.fieldText(QStringLiteral("ElementName")); });
        Text1->setText(name);
    } catch (const RuntimeFault& e) {
        // The name shown must belong to the proton count, or be none.
        Text1->clear();
        Msg::show(e.description(), QString(), Msg::Icon::Information);
    }
}

void frmBuildAtoms::UpdateWeight() {
    MassNumber = qint16(ProtonCount + NeutronCount);
    Text5->setText(number(MassNumber));
}

void frmBuildAtoms::UpdateCharge() {
    AtomCharge = qint16(ProtonCount - ElectronCount);
    Text7->setText(number(AtomCharge));
}

void frmBuildAtoms::cmdPrint_Click() { Print::printWindow(this); }

void frmBuildAtoms::cmdTutorial_Click() { Msg::show(HelpText, QStringLiteral("Buidling Atoms"), Msg::Icon::Information); }

void frmBuildAtoms::cmdClose_Click() {
    Forms::unload(this);
    Forms::show(QStringLiteral("frmMoleChoice"));
}

#include "frmHelp.h"

#include <QLocale>

#include "HelpText.h"
#include "platform/PrintService.h"
#include "platform/Program.h"
#include "platform/TextGuard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// The sixteen-colour palette the node pictures are drawn in.
const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Grey(128, 128, 128);
const QColor Yellow(255, 255, 0);
const QColor DarkYellow(128, 128, 0);
const QColor Blue(0, 0, 255);

QPixmap blank() {
    QPixmap pm(13, 13);
    pm.fill(Qt::transparent);
    return pm;
}

QPixmap openFolder() {
    QPixmap pm = blank();
    QPainter p(&pm);
    // Back of the folder with its tab.
    p.setPen(DarkYellow);
    p.setBrush(Yellow);
    p.drawRect(0, 3, 10, 8);
    p.drawLine(1, 2, 4, 2);
    // Front flap, tilted open.
    const QPoint flap[] = {QPoint(2, 6), QPoint(12, 6), QPoint(10, 11), QPoint(0, 11)};
    p.setBrush(QColor(255, 255, 128));
    p.drawPolygon(flap, 4);
    return pm;
}

QPixmap closedFolder() {
    QPixmap pm = blank();
    QPainter p(&pm);
    p.setPen(DarkYellow);
    p.setBrush(Yellow);
    p.drawRect(0, 3, 11, 8);
    // Tab.
    p.drawLine(1, 2, 4, 2);
    p.drawPoint(5, 3);
    // Dark fold under the tab.
    p.drawLine(1, 4, 10, 4);
    return pm;
}

QPixmap page() {
    QPixmap pm = blank();
    QPainter p(&pm);
    const QPoint sheet[] = {QPoint(1, 0), QPoint(8, 0), QPoint(11, 3), QPoint(11, 12), QPoint(1, 12)};
    p.setPen(Black);
    p.setBrush(White);
    p.drawPolygon(sheet, 5);
    // Dog-ear.
    p.setPen(Grey);
    p.drawLine(8, 1, 8, 3);
    p.drawLine(8, 3, 10, 3);
    // Lines of text.
    p.setPen(Blue);
    for (int y = 5; y <= 10; y += 2) p.drawLine(3, y, y == 9 ? 7 : 9, y);
    p.drawLine(3, 3, 6, 3);
    return pm;
}

QPixmap outlinedSign(bool plus) {
    QPixmap pm = blank();
    QPainter p(&pm);
    p.setPen(Grey);
    p.setBrush(White);
    p.drawRect(2, 2, 8, 8);
    p.setPen(Black);
    p.drawLine(4, 6, 8, 6);
    if (plus) p.drawLine(6, 4, 6, 8);
    return pm;
}

struct Node {
    const char* text;
    char prefix;                   // 'r', 's' or 't'
    const char* parent = nullptr;  // key of the parent; nullptr for the root
    int picture;                   // position in the image list
    int selected;
    const char* file = nullptr;    // nullptr: a double-click loads nothing
    const char* window = nullptr;  // the window whose checks and examples the topic gives
};

const char* const Root = "r Tessival";
const char* const General = "s General Problems";
const char* const Tables = "s Tables";
const char* const Moles = "s Moles";
const char* const Weights = "s Weights";
const char* const Reactions = "s Reactions";
const char* const Solutions = "s Solutions";
const char* const Gases = "s Gases";
const char* const Energy = "s Energy";

// The topic tree, in the order the nodes are added.
const Node Nodes[] = {
    {.text = "Tessival", .prefix = 'r', .picture = 2, .selected = 1},
    {.text = "Introduction", .prefix = 's', .parent = Root, .picture = 2, .selected = 1, .file = "ReadMe.txt"},
    {.text = "Using", .prefix = 's', .parent = Root, .picture = 2, .selected = 1, .file = "Using.txt"},
    {.text = "General Problems", .prefix = 's', .parent = Root, .picture = 2, .selected = 1, .file = "General.txt"},
    {.text = "Significant Figures", .prefix = 't', .parent = General, .picture = 3, .selected = 3,
     .file = "Significant.txt", .window = "frmSigfig"},
    {.text = "Time Conversions", .prefix = 't', .parent = General, .picture = 3, .selected = 3,
     .file = "TimeConversions.txt", .window = "frmTime"},
    {.text = "Temperature Conversions", .prefix = 't', .parent = General, .picture = 3, .selected = 3,
     .file = "Temperature Conversions.txt", .window = "frmTemperatures"},
    {.text = "Density", .prefix = 't', .parent = General, .picture = 3, .selected = 3,
     .file = "Density.txt", .window = "frmDensity"},
    {.text = "Metric Conversions", .prefix = 't', .parent = General, .picture = 3, .selected = 3,
     .file = "MetricConversion.txt", .window = "frmMetrics"},
    {.text = "Volume", .prefix = 't', .parent = General, .picture = 3, .selected = 3,
     .file = "Volume.txt", .window = "frmVolume"},
    {.text = "English - Metrics", .prefix = 't', .parent = General, .picture = 3, .selected = 3,
     .file = "EnglishMetrics.txt", .window = "frmEnglish"},
    {.text = "Mass & Weight", .prefix = 't', .parent = General, .picture = 3, .selected = 3,
     .file = "MassWeight.txt", .window = "frmMassToWeight"},
    {.text = "Tables", .prefix = 's', .parent = Root, .picture = 2, .selected = 1},
    {.text = "Regular Periodic Table", .prefix = 't', .parent = Tables, .picture = 3, .selected = 3,
     .file = "RegularPeriodicTable.txt"},
    {.text = "Moles", .prefix = 's', .parent = Root, .picture = 2, .selected = 1,
     .file = "Moles.txt", .window = "fmrMoles"},
    {.text = "Average Atomic Mass", .prefix = 't', .parent = Moles, .picture = 2, .selected = 1,
     .file = "AverageAtomicMass.txt", .window = "frmAverageMass"},
    {.text = "Mass Energy", .prefix = 't', .parent = Moles, .picture = 2, .selected = 1,
     .file = "MassEnergy.txt", .window = "frmMassEnergy"},
    {.text = "Build An Atom", .prefix = 't', .parent = Moles, .picture = 2, .selected = 1,
     .file = "Build An Atom.txt", .window = "frmBuildAtoms"},
    {.text = "Weights", .prefix = 's', .parent = Root, .picture = 2, .selected = 1,
     .file = "Weights.txt", .window = "frmWeights"},
    {.text = "Weight Calculations", .prefix = 't', .parent = Weights, .picture = 2, .selected = 1,
     .file = "Weight Calculations.txt", .window = "frmWeightCalculations"},
    {.text = "Reactions", .prefix = 's', .parent = Root, .picture = 2, .selected = 1},
    {.text = "Balancing Reactions", .prefix = 's', .parent = Reactions, .picture = 3, .selected = 3,
     .file = "BalancingReactions.txt", .window = "frmReactions"},
    {.text = "Mass/Mass Relationships", .prefix = 's', .parent = Reactions, .picture = 3, .selected = 3,
     .file = "MassMassRelationship.txt", .window = "frmMass"},
    {.text = "Solutions", .prefix = 's', .parent = Root, .picture = 2, .selected = 1},
    {.text = "Molarity/Molality", .prefix = 's', .parent = Solutions, .picture = 3, .selected = 3,
     .file = "MolarityMolality.txt", .window = "frmMolarity"},
    {.text = "Henry's Law", .prefix = 's', .parent = Solutions, .picture = 3, .selected = 3,
     .file = "Henry'sLaw.txt", .window = "frmHenrys"},
    {.text = "FP/BP Changes", .prefix = 's', .parent = Solutions, .picture = 3, .selected = 3,
     .file = "FPBPChanges.txt", .window = "frmFreezing"},
    {.text = "Solubility Constant", .prefix = 's', .parent = Solutions, .picture = 3, .selected = 3,
     .file = "SolubilityConstant.txt", .window = "frmSolubilityConstants"},
    {.text = "Equilibrium Constant", .prefix = 's', .parent = Solutions, .picture = 3, .selected = 3,
     .file = "EquilibriumConstant.txt", .window = "frmEquilibriumConstant"},
    {.text = "Titration", .prefix = 's', .parent = Solutions, .picture = 3, .selected = 3,
     .file = "Titration.txt", .window = "frmTitration"},
    {.text = "Ionization Constant", .prefix = 's', .parent = Solutions, .picture = 3, .selected = 3,
     .file = "IonizationConstant.txt", .window = "frmionizationConstant"},
    {.text = "Mole Fraction/Percent", .prefix = 's', .parent = Solutions, .picture = 3, .selected = 3,
     .file = "MoleFractionPercent.txt", .window = "frmMoleFraction"},
    {.text = "Gases", .prefix = 's', .parent = Root, .picture = 2, .selected = 1},
    {.text = "Charles's Law", .prefix = 's', .parent = Gases, .picture = 3, .selected = 3,
     .file = "Charles'sLaw.txt", .window = "frmCharlesLaw"},
    {.text = "Boyle's Law", .prefix = 's', .parent = Gases, .picture = 3, .selected = 3,
     .file = "Boyle'sLaw.txt", .window = "frmBoyles"},
    {.text = "Ideal Gas Law", .prefix = 's', .parent = Gases, .picture = 3, .selected = 3,
     .file = "IdealGasLaw.txt", .window = "frmIdeal"},
    {.text = "Molecular  Weight", .prefix = 's', .parent = Gases, .picture = 3, .selected = 3,
     .file = "MolecularWeight.txt", .window = "frmMolecularWeight"},
    {.text = "Gas Density", .prefix = 's', .parent = Gases, .picture = 3, .selected = 3,
     .file = "Gas Density.txt", .window = "frmGasDensity"},
    {.text = "Dalton's Law", .prefix = 's', .parent = Gases, .picture = 3, .selected = 3,
     .file = "Dalton'sLaw.txt", .window = "frmDalton"},
    {.text = "Combined Gas Law", .prefix = 's', .parent = Gases, .picture = 3, .selected = 3,
     .file = "CombinedGasLaw.txt", .window = "frmCombinedLaws"},
    {.text = "Molar Volume", .prefix = 's', .parent = Gases, .picture = 3, .selected = 3,
     .file = "MolarVolume.txt", .window = "frmMolarVolume"},
    {.text = "Mass-Gas Volume", .prefix = 's', .parent = Gases, .picture = 3, .selected = 3,
     .file = "MassGasVolume.txt", .window = "frmMassVolume"},
    {.text = "Volume-Volume", .prefix = 's', .parent = Gases, .picture = 3, .selected = 3,
     .file = "VolumeVolume.txt", .window = "frmVolumeVolume"},
    {.text = "Gay-Lussac's Law", .prefix = 's', .parent = Gases, .picture = 3, .selected = 3,
     .file = "GayLussac'sLaw.txt", .window = "frmGayLussac"},
    {.text = "Raoult's Law", .prefix = 's', .parent = Gases, .picture = 3, .selected = 3,
     .file = "Raoult'sLaw.txt", .window = "frmRaoults"},
    {.text = "Graham's Law", .prefix = 's', .parent = Gases, .picture = 3, .selected = 3,
     .file = "Graham'sLaw.txt", .window = "frmGrahams"},
    {.text = "Acids", .prefix = 's', .parent = Root, .picture = 2, .selected = 1,
     .file = "Acids.txt", .window = "frmAcids"},
    {.text = "Energy", .prefix = 's', .parent = Root, .picture = 2, .selected = 1},
    {.text = "Energy Exchange / Transfer", .prefix = 's', .parent = Energy, .picture = 3, .selected = 3,
     .file = "EnergyExchangeTransfer.txt", .window = "frmEnergyChange"},
    {.text = "Thermodynamics", .prefix = 's', .parent = Energy, .picture = 3, .selected = 3,
     .file = "Thermodynamics.txt", .window = "frmThermoData"},
    {.text = "Faraday's Law", .prefix = 's', .parent = Energy, .picture = 3, .selected = 3,
     .file = "Faraday'sLaw.txt", .window = "frmFaradays"},
    {.text = "Energy And Change Of State", .prefix = 's', .parent = Energy, .picture = 3, .selected = 3,
     .file = "EnergyAndChangeOfState.txt", .window = "frmChangeOfState"},
    {.text = "Half Life Calculations", .prefix = 's', .parent = Energy, .picture = 3, .selected = 3,
     .file = "HalfLifeCalculations.txt", .window = "frmHalfLife"},
    {.text = "Data Tables", .prefix = 's', .parent = Root, .picture = 2, .selected = 1, .file = "DataTables.txt"},
};

QString keyOf(const Node& n) {
    // The key holds the text with single blanks ("s Molecular Weight").
    QString text = QString::fromUtf8(n.text);
    text.replace(QStringLiteral("  "), QStringLiteral(" "));
    return QChar::fromLatin1(n.prefix) + QLatin1Char(' ') + text;
}

// The viewer a tree node belongs to.
frmHelp* viewerOf(const QTreeWidget* tree) { return tree ? qobject_cast<frmHelp*>(tree->parentWidget()) : nullptr; }

// The nodes on screen (under open sections), in screen order: the tree's
// children as a screen reader counts them.
QList<QTreeWidgetItem*> shownRows(const QTreeWidget* tree) {
    QList<QTreeWidgetItem*> out;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it) {
        bool shown = !(*it)->isHidden();
        for (QTreeWidgetItem* p = (*it)->parent(); p && shown; p = p->parent())
            shown = p->isExpanded() && !p->isHidden();
        if (shown) out.append(*it);
    }
    return out;
}

// The topic tree's view. Its focus and selection events name a node by its
// place among the nodes on screen, as the tree's accessible interface counts
// them. The tree view's own events, skipped here, count a header row the tree
// does not show: they named the node below the one meant.
class TopicTree : public QTreeWidget {
public:
    explicit TopicTree(QWidget* parent) : QTreeWidget(parent) {
        // A section that opens or closes says so.
        connect(this, &QTreeView::expanded, this, &TopicTree::toggled);
        connect(this, &QTreeView::collapsed, this, &TopicTree::toggled);
    }

protected:
    // The keys coming back to the tree name the node they are on, after the
    // tree's own focus event.
    void focusInEvent(QFocusEvent* e) override {
        QTreeWidget::focusInEvent(e);
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (QAccessible::isActive() && hasFocus()) tell(QAccessible::Focus, currentIndex());
            },
            Qt::QueuedConnection);
    }
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
        QAbstractItemView::currentChanged(current, previous);
        if (QAccessible::isActive() && hasFocus()) tell(QAccessible::Focus, current);
    }
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override {
        QAbstractItemView::selectionChanged(selected, deselected);
        if (!QAccessible::isActive()) return;
        for (const QModelIndex& i : deselected.indexes()) tell(QAccessible::SelectionRemove, i);
        for (const QModelIndex& i : selected.indexes()) tell(QAccessible::SelectionAdd, i);
    }

private:
    // The node's place among the tree's children; -1 under a closed section.
    int rowOf(const QModelIndex& index) {
        QTreeWidgetItem* item = index.isValid() ? itemFromIndex(index) : nullptr;
        return item ? int(shownRows(this).indexOf(item)) : -1;
    }
    void tell(QAccessible::Event type, const QModelIndex& index) {
        const int row = rowOf(index);
        if (row < 0) return;
        QAccessibleEvent event(this, type);
        event.setChild(row);
        QAccessible::updateAccessibility(&event);
    }
    void toggled(const QModelIndex& index) {
        const int row = QAccessible::isActive() ? rowOf(index) : -1;
        if (row < 0) return;
        QAccessible::State changed;
        changed.expanded = changed.collapsed = true;
        QAccessibleStateChangeEvent event(this, changed);
        event.setChild(row);
        QAccessible::updateAccessibility(&event);
    }
};

// A node as a screen reader sees it: Press opens its topic as a double-click
// does; Toggle selects it or takes the selection away.
class TopicNodeAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TopicNodeAccessible(QTreeWidget* tree, QTreeWidgetItem* item) : m_tree(tree), m_item(item) {}

    bool isValid() const override { return m_tree && m_item; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_tree.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return isValid() && t == QAccessible::Name ? m_item->text(0) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = m_tree->visualItemRect(m_item);
        return r.isEmpty() ? QRect() : QRect(m_tree->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::TreeItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) return s;
        s.selectable = s.focusable = true;
        // The view's selection: the item's own flag follows it only after the
        // selection events went out.
        s.selected = m_tree->selectedItems().contains(m_item);
        s.focused = m_tree->hasFocus() && m_tree->currentItem() == m_item;
        s.expandable = m_item->childCount() > 0;
        s.expanded = s.expandable && m_item->isExpanded();
        s.collapsed = s.expandable && !m_item->isExpanded();
        s.invisible = rect().isEmpty();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList();
    }
    void doAction(const QString& name) override {
        frmHelp* help = viewerOf(m_tree);
        if (!isValid() || !help) return;
        if (name == pressAction()) {
            m_tree->setCurrentItem(m_item);
            help->TreeView1_DblClick();
        } else if (name == toggleAction()) {
            if (m_item->isSelected()) m_item->setSelected(false);
            else m_tree->setCurrentItem(m_item);
        }
    }

private:
    QPointer<QTreeWidget> m_tree;
    QTreeWidgetItem* m_item;  // lives as long as the tree
};

// The topic tree: one child per node on screen (under open sections), in
// screen order, numbered as TopicTree numbers its focus and selection events.
class TopicTreeAccessible : public QAccessibleWidget {
public:
    explicit TopicTreeAccessible(QTreeWidget* tree) : QAccessibleWidget(tree, QAccessible::Tree) {}
    ~TopicTreeAccessible() override {
        for (QAccessible::Id id : std::as_const(m_ids)) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(rows().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QTreeWidgetItem*> all = rows();
        return index >= 0 && index < all.size() ? node(all.at(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = m_ids.cbegin(); it != m_ids.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child) return int(rows().indexOf(it.key()));
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QTreeWidgetItem* item = tree()->itemAt(tree()->viewport()->mapFromGlobal(QPoint(x, y)));
        return item ? node(item) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        QTreeWidgetItem* current = tree()->currentItem();
        return tree()->hasFocus() && current ? node(current) : nullptr;
    }

private:
    QTreeWidget* tree() const { return static_cast<QTreeWidget*>(widget()); }
    QList<QTreeWidgetItem*> rows() const { return shownRows(tree()); }
    QAccessibleInterface* node(QTreeWidgetItem* item) const {
        if (const auto id = m_ids.value(item)) return QAccessible::accessibleInterface(id);
        auto* i = new TopicNodeAccessible(tree(), item);
        m_ids.insert(item, QAccessible::registerAccessibleInterface(i));
        return i;
    }
    mutable QHash<QTreeWidgetItem*, QAccessible::Id> m_ids;
};

QAccessibleInterface* topicTreeFactory(const QString&, QObject* object) {
    auto* tree = qobject_cast<QTreeWidget*>(object);
    return tree && viewerOf(tree) && tree->objectName() == QLatin1String("TreeView1") ? new TopicTreeAccessible(tree)
                                                                                      : nullptr;
}

}  // namespace

frmHelp::frmHelp() {
    setWindowTitle(QStringLiteral("Tessival Help"));

    // The five node pictures, held where the tree covers them.
    const QPixmap pictures[5] = {openFolder(), closedFolder(), page(), outlinedSign(true), outlinedSign(false)};
    for (int i = 0; i < 5; ++i) {
        Image1[i] = new QLabel(this);
        Image1[i]->setObjectName(QStringLiteral("Image1_%1").arg(i));
        Image1[i]->setPixmap(pictures[i]);
        Image1[i]->setFixedSize(13, 13);
        Image1[i]->hide();
    }

    TreeView1 = new TopicTree(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setToolTip(QStringLiteral("Double click to open a topic."));
    TreeView1->setAccessibleName(QStringLiteral("Topics"));
    TreeView1->setAccessibleDescription(QStringLiteral("Double click a topic, or press Enter on it, to open it."));
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setIconSize(QSize(13, 13));
    // Whole node texts; a narrow tree scrolls sideways.
    TreeView1->setTextElideMode(Qt::ElideNone);
    TreeView1->header()->setStretchLastSection(false);
    TreeView1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    // A double-click opens a topic; the branch signs and arrow keys open and close sections.
    TreeView1->setExpandsOnDoubleClick(false);
    TreeView1->viewport()->installEventFilter(this);
    // Enter and a screen reader's Press open a topic too.
    static const bool accessible = (QAccessible::installFactory(topicTreeFactory), true);
    Q_UNUSED(accessible);
    if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(TreeView1);
        i && !dynamic_cast<TopicTreeAccessible*>(i))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));

    RTB1 = new QTextBrowser(this);
    RTB1->setObjectName(QStringLiteral("RTB1"));
    RTB1->setAccessibleName(QStringLiteral("Topic text"));
    TextGuard::readOnlyPane(RTB1);
    RTB1->setOpenLinks(false);
    RTB1->setUndoRedoEnabled(false);

    cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    cmdPrint = makeButton(QStringLiteral("cmdPrint"), QStringLiteral("Print"));
    cmdClear = makeButton(QStringLiteral("cmdClear"), QStringLiteral("Clear"));
    for (QPushButton* b : {cmdCancel, cmdPrint, cmdClear}) b->setMinimumWidth(90);

    auto* panes = new QHBoxLayout;
    panes->addWidget(TreeView1, 1);
    panes->addWidget(RTB1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    buttons->addSpacing(24);
    buttons->addWidget(cmdPrint);
    buttons->addSpacing(24);
    buttons->addWidget(cmdClear);
    buttons->addStretch(1);
    auto* v = new QVBoxLayout(this);
    v->addLayout(panes, 1);
    v->addLayout(buttons);
    resize(sizeHint());

    orderTabs({TreeView1, RTB1, cmdCancel, cmdPrint, cmdClear});
    setCancelButton(cmdCancel);

    connect(cmdClear, &QPushButton::clicked, this, &frmHelp::cmdClear_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmHelp::cmdPrint_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmHelp::cmdCancel_Click);
}

void frmHelp::Form_Load() {
    for (QLabel* image : Image1) ImageList1.append(image->pixmap());

    // A node shows its selected picture while it is selected.
    auto icon = [this](int picture, int selected) {
        QIcon i;
        i.addPixmap(ImageList1.at(picture - 1), QIcon::Normal);
        i.addPixmap(ImageList1.at(selected - 1), QIcon::Selected);
        return i;
    };
    QHash<QString, QTreeWidgetItem*> byKey;
    for (const Node& n : Nodes) {
        QTreeWidgetItem* item = n.parent ? new QTreeWidgetItem(byKey.value(QLatin1String(n.parent)))
                                         : new QTreeWidgetItem(TreeView1);
        const QString key = keyOf(n);
        item->setText(0, QString::fromUtf8(n.text));
        item->setData(0, KeyRole, key);
        item->setIcon(0, icon(n.picture, n.selected));
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        byKey.insert(key, item);
    }
    // The tree is wide enough for its longest node text with every section open.
    const QFontMetrics metrics = TreeView1->fontMetrics();
    int widest = 0;
    for (QTreeWidgetItemIterator it(TreeView1); *it; ++it) {
        int depth = 0;
        for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) ++depth;
        widest = qMax(widest, (depth + 1) * TreeView1->indentation() + TreeView1->iconSize().width() +
                                  metrics.horizontalAdvance((*it)->text(0)));
    }
    const int margins = 2 * TreeView1->frameWidth() + TreeView1->verticalScrollBar()->sizeHint().width() + 16;
    TreeView1->setMinimumWidth(widest + margins);
    resize(sizeHint().expandedTo(size()));
    // Collapsed, nothing selected, no topic.
    TreeView1->collapseAll();
    TreeView1->clearSelection();
    RTB1->clear();
}

QList<frmHelp::Topic> frmHelp::topics() {
    QList<Topic> out;
    for (const Node& n : Nodes)
        out.append({QString::fromUtf8(n.text), keyOf(n), n.parent ? QString::fromUtf8(n.parent) : QString(), n.picture,
                    n.selected, n.file ? QString::fromUtf8(n.file) : QString(),
                    n.window ? QString::fromUtf8(n.window) : QString()});
    return out;
}

QTreeWidgetItem* frmHelp::node(const QString& key) const {
    for (QTreeWidgetItemIterator it(TreeView1); *it; ++it)
        if ((*it)->data(0, KeyRole).toString() == key) return *it;
    return nullptr;
}

bool frmHelp::eventFilter(QObject* obj, QEvent* ev) {
    if (ev->type() == QEvent::MouseButtonDblClick && obj == TreeView1->viewport() &&
        static_cast<QMouseEvent*>(ev)->button() == Qt::LeftButton) {
        // The press before it has already selected the node under the mouse.
        TreeView1_DblClick();
    }
    return Form::eventFilter(obj, ev);
}

bool frmHelp::Form_KeyDown(QKeyEvent* e) {
    // Enter (or Space) on a node opens its topic as a double-click does.
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
    if (!enter || (e->modifiers() & ~Qt::KeypadModifier) || !TreeView1->hasFocus() || !TreeView1->currentItem())
        return Form::Form_KeyDown(e);
    TreeView1->setCurrentItem(TreeView1->currentItem());
    TreeView1_DblClick();
    return true;
}

void frmHelp::TreeView1_DblClick() {
    const QList<QTreeWidgetItem*> selected = TreeView1->selectedItems();
    if (selected.isEmpty()) return;
    const QString text = selected.first()->text(0);
    for (const Node& n : Nodes) {
        if (n.file && text == QString::fromUtf8(n.text)) {
            LoadHelpTopic(QString::fromUtf8(n.file));
            return;
        }
    }
}

void frmHelp::LoadHelpTopic(const QString& fileName) {
    // A file that cannot be shown is named with the reason; the pane keeps its topic.
    auto refuse = [&fileName](const QString& why) {
        say(QStringLiteral("The help file \"%1\" cannot be shown: %2.").arg(fileName, why), InformationStyle);
    };
    // A folder or a pipe is never opened: a pipe would wait for a writer.
    const QFileInfo info(Program::path(fileName));
    if (info.exists() && !info.isFile()) return refuse(QStringLiteral("it is not a file"));
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) return refuse(file.errorString());
    if (file.size() == 0) return refuse(QStringLiteral("it is empty"));
    if (file.size() > HelpText::MaxBytes) return refuse(QStringLiteral("it is larger than 1 MB"));
    const QByteArray bytes = file.read(HelpText::MaxBytes + 1);
    if (file.error() != QFileDevice::NoError) return refuse(file.errorString());
    if (bytes.size() > HelpText::MaxBytes) return refuse(QStringLiteral("it is larger than 1 MB"));
    QString text;
    const QString why = HelpText::notText(bytes, &text);
    if (!why.isEmpty()) return refuse(why);
    qsizetype blocks = 0;
    const QString html = HelpText::toHtml(text, &blocks);
    if (blocks > HelpText::MaxBlocks)
        return refuse(QStringLiteral("it has more than %1 headings, paragraphs and list items")
                          .arg(QLocale().toString(HelpText::MaxBlocks)));
    RTB1->setHtml(html);
    RTB1->moveCursor(QTextCursor::Start);
}

void frmHelp::cmdClear_Click() { RTB1->clear(); }

void frmHelp::cmdPrint_Click() { Print::printWindow(this); }

void frmHelp::cmdCancel_Click() { Forms::unload(this); }

// The user manual viewer: its topic tree, loading topics, failures, and how
// the other windows reach it.
#include "TestSupport.h"

#include "help/frmHelp.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTreeWidgetItemIterator>

using namespace TestSupport;

namespace {

struct Expected {
    QString text, key, parent;
    int picture, selected;
    QString file;
};

// The tree as the student sees it, in order (pictures: 1 open folder,
// 2 closed folder, 3 page).
const QList<Expected>& expectedTree() {
    static const QList<Expected> t = {
        {"Tessival", "r Tessival", "", 2, 1, ""},
        {"Introduction", "s Introduction", "r Tessival", 2, 1, "ReadMe.txt"},
        {"Using", "s Using", "r Tessival", 2, 1, "Using.txt"},
        {"General Problems", "s General Problems", "r Tessival", 2, 1, "General.txt"},
        {"Significant Figures", "t Significant Figures", "s General Problems", 3, 3, "Significant.txt"},
        {"Time Conversions", "t Time Conversions", "s General Problems", 3, 3, "TimeConversions.txt"},
        {"Temperature Conversions", "t Temperature Conversions", "s General Problems", 3, 3, "Temperature Conversions.txt"},
        {"Density", "t Density", "s General Problems", 3, 3, "Density.txt"},
        {"Metric Conversions", "t Metric Conversions", "s General Problems", 3, 3, "MetricConversion.txt"},
        {"Volume", "t Volume", "s General Problems", 3, 3, "Volume.txt"},
        {"English - Metrics", "t English - Metrics", "s General Problems", 3, 3, "EnglishMetrics.txt"},
        {"Mass & Weight", "t Mass & Weight", "s General Problems", 3, 3, "MassWeight.txt"},
        {"Tables", "s Tables", "r Tessival", 2, 1, ""},
        {"Regular Periodic Table", "t Regular Periodic Table", "s Tables", 3, 3, "RegularPeriodicTable.txt"},
        {"Moles", "s Moles", "r Tessival", 2, 1, "Moles.txt"},
        {"Average Atomic Mass", "t Average Atomic Mass", "s Moles", 2, 1, "AverageAtomicMass.txt"},
        {"Mass Energy", "t Mass Energy", "s Moles", 2, 1, "MassEnergy.txt"},
        {"Build An Atom", "t Build An Atom", "s Moles", 2, 1, "Build An Atom.txt"},
        {"Weights", "s Weights", "r Tessival", 2, 1, "Weights.txt"},
        {"Weight Calculations", "t Weight Calculations", "s Weights", 2, 1, "Weight Calculations.txt"},
        {"Reactions", "s Reactions", "r Tessival", 2, 1, ""},
        {"Balancing Reactions", "s Balancing Reactions", "s Reactions", 3, 3, "BalancingReactions.txt"},
        {"Mass/Mass Relationships", "s Mass/Mass Relationships", "s Reactions", 3, 3, "MassMassRelationship.txt"},
        {"Solutions", "s Solutions", "r Tessival", 2, 1, ""},
        {"Molarity/Molality", "s Molarity/Molality", "s Solutions", 3, 3, "MolarityMolality.txt"},
        {"Henry's Law", "s Henry's Law", "s Solutions", 3, 3, "Henry'sLaw.txt"},
        {"FP/BP Changes", "s FP/BP Changes", "s Solutions", 3, 3, "FPBPChanges.txt"},
        {"Solubility Constant", "s Solubility Constant", "s Solutions", 3, 3, "SolubilityConstant.txt"},
        {"Equilibrium Constant", "s Equilibrium Constant", "s Solutions", 3, 3, "EquilibriumConstant.txt"},
        {"Titration", "s Titration", "s Solutions", 3, 3, "Titration.txt"},
        {"Ionization Constant", "s Ionization Constant", "s Solutions", 3, 3, "IonizationConstant.txt"},
        {"Mole Fraction/Percent", "s Mole Fraction/Percent", "s Solutions", 3, 3, "MoleFractionPercent.txt"},
        {"Gases", "s Gases", "r Tessival", 2, 1, ""},
        {"Charles's Law", "s Charles's Law", "s Gases", 3, 3, "Charles'sLaw.txt"},
        {"Boyle's Law", "s Boyle's Law", "s Gases", 3, 3, "Boyle'sLaw.txt"},
        {"Ideal Gas Law", "s Ideal Gas Law", "s Gases", 3, 3, "IdealGasLaw.txt"},
        {"Molecular  Weight", "s Molecular Weight", "s Gases", 3, 3, "MolecularWeight.txt"},
        {"Gas Density", "s Gas Density", "s Gases", 3, 3, "Gas Density.txt"},
        {"Dalton's Law", "s Dalton's Law", "s Gases", 3, 3, "Dalton'sLaw.txt"},
        {"Combined Gas Law", "s Combined Gas Law", "s Gases", 3, 3, "CombinedGasLaw.txt"},
        {"Molar Volume", "s Molar Volume", "s Gases", 3, 3, "MolarVolume.txt"},
        {"Mass-Gas Volume", "s Mass-Gas Volume", "s Gases", 3, 3, "MassGasVolume.txt"},
        {"Volume-Volume", "s Volume-Volume", "s Gases", 3, 3, "VolumeVolume.txt"},
        {"Gay-Lussac's Law", "s Gay-Lussac's Law", "s Gases", 3, 3, "GayLussac'sLaw.txt"},
        {"Raoult's Law", "s Raoult's Law", "s Gases", 3, 3, "Raoult'sLaw.txt"},
        {"Graham's Law", "s Graham's Law", "s Gases", 3, 3, "Graham'sLaw.txt"},
        {"Acids", "s Acids", "r Tessival", 2, 1, "Acids.txt"},
        {"Energy", "s Energy", "r Tessival", 2, 1, ""},
        {"Energy Exchange / Transfer", "s Energy Exchange / Transfer", "s Energy", 3, 3, "EnergyExchangeTransfer.txt"},
        {"Thermodynamics", "s Thermodynamics", "s Energy", 3, 3, "Thermodynamics.txt"},
        {"Faraday's Law", "s Faraday's Law", "s Energy", 3, 3, "Faraday'sLaw.txt"},
        {"Energy And Change Of State", "s Energy And Change Of State", "s Energy", 3, 3, "EnergyAndChangeOfState.txt"},
        {"Half Life Calculations", "s Half Life Calculations", "s Energy", 3, 3, "HalfLifeCalculations.txt"},
        {"Data Tables", "s Data Tables", "r Tessival", 2, 1, "DataTables.txt"},
    };
    return t;
}

QList<QTreeWidgetItem*> allNodes(QTreeWidget* tree) {
    QList<QTreeWidgetItem*> out;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) out.append(*it);
    return out;
}

QString keyOf(QTreeWidgetItem* item) { return item->data(0, frmHelp::KeyRole).toString(); }

QTreeWidgetItem* byText(QTreeWidget* tree, const QString& text) {
    for (QTreeWidgetItem* i : allNodes(tree))
        if (i->text(0) == text) return i;
    return nullptr;
}

QImage picture(QTreeWidgetItem* item, QIcon::Mode mode) {
    return item->icon(0).pixmap(QSize(13, 13), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage listPicture(frmHelp* h, int position) {
    return h->ImageList1.at(position - 1).toImage().convertToFormat(QImage::Format_ARGB32);
}

frmHelp* showHelp() {
    auto* h = Forms::showAs<frmHelp>(QStringLiteral("frmHelp"));
    if (h) (void)QTest::qWaitForWindowExposed(h);
    return h;
}

// The student double-clicks a node, opening its section first when needed.
void doubleClick(frmHelp* h, QTreeWidgetItem* item) {
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) p->setExpanded(true);
    h->TreeView1->scrollToItem(item);
    const QPoint at = h->TreeView1->visualItemRect(item).center();
    QTest::mouseClick(h->TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(h->TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(h->TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

// Every topic file written with a line that names it, as a Markdown page.
void writeTopics(const QString& folder, const QStringList& skip = {}) {
    for (const Expected& e : expectedTree()) {
        if (e.file.isEmpty() || skip.contains(e.file)) continue;
        QFile f(QDir(folder).filePath(e.file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("# Topic %1\n\nThe *file* %2.\n\n- first\n- second\n").arg(e.text, e.file).toUtf8());
    }
}

}  // namespace

class tst_help : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { init(); }
    void cleanup() {
        unloadAll();
        Program::setFolder(QString());
        messages().clear();
        printer().printed.clear();
    }

    void treeShapeAndOrder();
    void windowLayout();
    void everyTopicFileInstalled();
    void doubleClickLoadsTopic();
    void everyTopicLoadsItsFile();
    void nodesWithoutFileLoadNothing();
    void missingOrUnreadableFile();
    void clearAndPrint();
    void paneIsReadOnly();
    void stateKeptWhileLoadedAndFreshAfterUnload();
    void keys();
    void mainWindowShowsViewer();
};

void tst_help::treeShapeAndOrder() {
    frmHelp* h = showHelp();
    QVERIFY(h);
    QCOMPARE(h->windowTitle(), QStringLiteral("Tessival Help"));
    QCOMPARE(h->TreeView1->toolTip(), QStringLiteral("Double click to open a topic."));

    // At first only the collapsed root, nothing selected, empty pane.
    QCOMPARE(h->TreeView1->topLevelItemCount(), 1);
    QTreeWidgetItem* root = h->TreeView1->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("Tessival"));
    QVERIFY(!root->isExpanded());
    QVERIFY(h->TreeView1->selectedItems().isEmpty());
    QVERIFY(h->RTB1->toPlainText().isEmpty());
    QCOMPARE(h->TreeView1->visualItemRect(root->child(0)), QRect());  // hidden under the root

    // Five 13 x 13 pictures, all different.
    QCOMPARE(h->ImageList1.size(), 5);
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(h->ImageList1.at(i - 1).size(), QSize(13, 13));
        for (int j = 1; j < i; ++j) QVERIFY2(listPicture(h, i) != listPicture(h, j), qPrintable(QString("%1 = %2").arg(i).arg(j)));
    }

    const QList<QTreeWidgetItem*> nodes = allNodes(h->TreeView1);
    QCOMPARE(nodes.size(), 54);
    const auto& exp = expectedTree();
    int withFile = 0;
    for (int i = 0; i < nodes.size(); ++i) {
        QTreeWidgetItem* n = nodes[i];
        const Expected& e = exp[i];
        const QString where = QStringLiteral("node %1 \"%2\"").arg(i + 1).arg(n->text(0));
        QVERIFY2(n->text(0) == e.text, qPrintable(where));
        QVERIFY2(keyOf(n) == e.key, qPrintable(where));
        QVERIFY2((n->parent() ? keyOf(n->parent()) : QString()) == e.parent, qPrintable(where));
        QVERIFY2(picture(n, QIcon::Normal) == listPicture(h, e.picture), qPrintable(where));
        QVERIFY2(picture(n, QIcon::Selected) == listPicture(h, e.selected), qPrintable(where));
        if (!e.file.isEmpty()) ++withFile;
    }
    QCOMPARE(withFile, 48);
    QCOMPARE(root->childCount(), 12);
    // The parent children are added last: the section order under the root.
    QStringList sections;
    for (int i = 0; i < root->childCount(); ++i) sections << root->child(i)->text(0);
    QCOMPARE(sections, QStringList({"Introduction", "Using", "General Problems", "Tables", "Moles", "Weights",
                                    "Reactions", "Solutions", "Gases", "Acids", "Energy", "Data Tables"}));
    // The pictures a node shows on screen: the selected one once it is chosen.
    QTreeWidgetItem* gases = h->node(QStringLiteral("s Gases"));
    QVERIFY(gases);
    h->TreeView1->setCurrentItem(gases);
    QVERIFY(gases->isSelected());
}

void tst_help::windowLayout() {
    frmHelp* h = showHelp();
    QVERIFY(h);
    const QRect tree = h->TreeView1->geometry(), pane = h->RTB1->geometry();
    QVERIFY(tree.right() < pane.left());
    QCOMPARE(tree.top(), pane.top());
    QCOMPARE(tree.height(), pane.height());
    const double share = tree.width() / double(tree.width() + pane.width());
    QVERIFY2(share > 0.28 && share < 0.39, qPrintable(QString::number(share)));
    // Cancel, Print, Clear in a row beneath the panes.
    QCOMPARE(h->cmdCancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(h->cmdPrint->text(), QStringLiteral("Print"));
    QCOMPARE(h->cmdClear->text(), QStringLiteral("Clear"));
    QVERIFY(h->cmdCancel->geometry().top() > tree.bottom());
    QCOMPARE(h->cmdCancel->y(), h->cmdPrint->y());
    QCOMPARE(h->cmdPrint->y(), h->cmdClear->y());
    QVERIFY(h->cmdCancel->x() < h->cmdPrint->x());
    QVERIFY(h->cmdPrint->x() < h->cmdClear->x());
    // Cancel is the cancel button, no button is the default one.
    QCOMPARE(h->cancelButton(), h->cmdCancel);
    QVERIFY(!h->defaultButton());
    for (QPushButton* b : {h->cmdCancel, h->cmdPrint, h->cmdClear}) QVERIFY(!b->isDefault());
    // The picture holders lie hidden.
    for (QLabel* i : h->Image1) QVERIFY(!i->isVisible());
}

void tst_help::everyTopicFileInstalled() {
    // The manual that ships next to the program: every topic opens without a message.
    const QDir bin(QCoreApplication::applicationDirPath());
    QStringList missing;
    for (const Expected& e : expectedTree())
        if (!e.file.isEmpty() && (!bin.exists(e.file) || QFileInfo(bin.filePath(e.file)).size() == 0))
            missing << e.file;
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing: ") + missing.join(QStringLiteral(", "))));

    frmHelp* h = showHelp();
    QVERIFY(h);
    for (const Expected& e : expectedTree()) {
        if (e.file.isEmpty()) continue;
        h->RTB1->clear();
        h->TreeView1->setCurrentItem(h->node(e.key));
        h->TreeView1_DblClick();
        QVERIFY2(messages().shown.isEmpty(), qPrintable(e.file + ": " + messages().lastText()));
        QVERIFY2(!h->RTB1->toPlainText().trimmed().isEmpty(), qPrintable(e.file));
    }
}

void tst_help::doubleClickLoadsTopic() {
    QTemporaryDir dir;
    writeTopics(dir.path());
    Program::setFolder(dir.path());
    frmHelp* h = showHelp();
    QVERIFY(h);

    // The student opens the root and double-clicks "Introduction".
    QTreeWidgetItem* root = h->TreeView1->topLevelItem(0);
    doubleClick(h, h->node(QStringLiteral("s Introduction")));
    QVERIFY(messages().shown.isEmpty());
    QVERIFY(root->isExpanded());
    QCOMPARE(h->TreeView1->selectedItems(), QList<QTreeWidgetItem*>{h->node(QStringLiteral("s Introduction"))});
    // Shown formatted: the heading, emphasis and list marks are not on screen.
    const QString shown = h->RTB1->toPlainText();
    QVERIFY2(shown.startsWith(QStringLiteral("Topic Introduction\n")), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("The file ReadMe.txt.")), qPrintable(shown));
    QVERIFY(!shown.contains(QLatin1Char('#')) && !shown.contains(QLatin1Char('*')));
    QVERIFY(h->RTB1->document()->firstBlock().blockFormat().headingLevel() == 1);

    // A second topic replaces the first; "Molecular  Weight" reads MolecularWeight.txt.
    doubleClick(h, h->node(QStringLiteral("s Molecular Weight")));
    QVERIFY(h->RTB1->toPlainText().startsWith(QStringLiteral("Topic Molecular  Weight\n")));
    QVERIFY(h->RTB1->toPlainText().contains(QStringLiteral("MolecularWeight.txt")));
    QVERIFY(!h->RTB1->toPlainText().contains(QStringLiteral("ReadMe")));

    // Sections with topics of their own load them although they have children.
    doubleClick(h, h->node(QStringLiteral("s Weights")));
    QVERIFY(h->RTB1->toPlainText().contains(QStringLiteral("Weights.txt")));
    QVERIFY(messages().shown.isEmpty());
}

void tst_help::everyTopicLoadsItsFile() {
    QTemporaryDir dir;
    writeTopics(dir.path());
    Program::setFolder(dir.path());
    frmHelp* h = showHelp();
    QVERIFY(h);
    for (const Expected& e : expectedTree()) {
        if (e.file.isEmpty()) continue;
        h->TreeView1->setCurrentItem(h->node(e.key));
        h->TreeView1_DblClick();
        QVERIFY2(h->RTB1->toPlainText().contains(QStringLiteral("The file %1.").arg(e.file)),
                 qPrintable(e.text + " -> " + h->RTB1->toPlainText()));
        // The handler changes neither the selection nor the open sections.
        QCOMPARE(h->TreeView1->selectedItems().value(0), h->node(e.key));
    }
    QVERIFY(messages().shown.isEmpty());
}

void tst_help::nodesWithoutFileLoadNothing() {
    QTemporaryDir dir;
    writeTopics(dir.path());
    // A file named after a bare section must not be picked up.
    for (const QString& name : {"Tables.txt", "Gases.txt", "Tessival.txt"}) {
        QFile f(QDir(dir.path()).filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("stray");
    }
    Program::setFolder(dir.path());
    frmHelp* h = showHelp();
    QVERIFY(h);

    // Nothing selected: a double-click on the tree does nothing.
    h->TreeView1_DblClick();
    QVERIFY(h->RTB1->toPlainText().isEmpty());
    h->TreeView1->topLevelItem(0)->setExpanded(true);
    const QPoint below(10, h->TreeView1->viewport()->height() - 3);
    QVERIFY(!h->TreeView1->itemAt(below));
    QTest::mouseClick(h->TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier, below);
    QTest::mouseDClick(h->TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier, below);
    QVERIFY(h->RTB1->toPlainText().isEmpty());
    QVERIFY(messages().shown.isEmpty());

    doubleClick(h, h->node(QStringLiteral("s Acids")));
    const QString acids = h->RTB1->toPlainText();
    QVERIFY(acids.contains(QStringLiteral("Acids.txt")));
    for (const QString& key : {"r Tessival", "s Tables", "s Reactions", "s Solutions", "s Gases", "s Energy"}) {
        QTreeWidgetItem* n = h->node(key);
        h->TreeView1->setCurrentItem(n);
        h->TreeView1_DblClick();
        QVERIFY2(h->RTB1->toPlainText() == acids, qPrintable(key));
        doubleClick(h, n);
        QVERIFY2(h->RTB1->toPlainText() == acids, qPrintable(key));
    }
    QVERIFY(messages().shown.isEmpty());
}

void tst_help::missingOrUnreadableFile() {
    QTemporaryDir dir;
    writeTopics(dir.path(), {QStringLiteral("Gas Density.txt"), QStringLiteral("Using.txt")});
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Using.txt")));  // a folder where the file should be
    Program::setFolder(dir.path());
    frmHelp* h = showHelp();
    QVERIFY(h);

    doubleClick(h, h->node(QStringLiteral("s Boyle's Law")));
    const QString before = h->RTB1->toHtml();
    QVERIFY(h->RTB1->toPlainText().contains(QStringLiteral("Boyle'sLaw.txt")));

    doubleClick(h, h->node(QStringLiteral("s Gas Density")));
    QCOMPARE(messages().shown.size(), 1);
    const Msg::Box box = messages().shown.first();
    QCOMPARE(box.title, QStringLiteral("Tessival"));
    QCOMPARE(box.icon, Msg::Icon::Information);
    QCOMPARE(box.buttons, Msg::Buttons::Ok);
    QVERIFY(!box.text.trimmed().isEmpty());
    QVERIFY2(box.text.contains(QStringLiteral("No such file"), Qt::CaseInsensitive), qPrintable(box.text));
    QCOMPARE(h->RTB1->toHtml(), before);

    doubleClick(h, h->node(QStringLiteral("s Using")));
    QCOMPARE(messages().shown.size(), 2);
    QCOMPARE(messages().shown.last().title, QStringLiteral("Tessival"));
    QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
    QVERIFY(!messages().shown.last().text.trimmed().isEmpty());
    QCOMPARE(h->RTB1->toHtml(), before);

    // With no topic files at all, each of the 48 topics gives the box and nothing else.
    QTemporaryDir empty;
    Program::setFolder(empty.path());
    messages().clear();
    for (const Expected& e : expectedTree()) {
        if (e.file.isEmpty()) continue;
        h->TreeView1->setCurrentItem(h->node(e.key));
        h->TreeView1_DblClick();
    }
    QCOMPARE(messages().shown.size(), 48);
    for (const Msg::Box& b : messages().shown) {
        QCOMPARE(b.title, QStringLiteral("Tessival"));
        QCOMPARE(b.icon, Msg::Icon::Information);
    }
    QCOMPARE(h->RTB1->toHtml(), before);
    QVERIFY(Forms::loadedForms() == QList<Form*>{h});
}

void tst_help::clearAndPrint() {
    QTemporaryDir dir;
    writeTopics(dir.path());
    Program::setFolder(dir.path());
    frmHelp* h = showHelp();
    QVERIFY(h);
    doubleClick(h, h->node(QStringLiteral("t Density")));
    QVERIFY(!h->RTB1->toPlainText().isEmpty());
    QTreeWidgetItem* density = h->node(QStringLiteral("t Density"));

    QTest::mouseClick(h->cmdPrint, Qt::LeftButton);
    QCOMPARE(printer().printed, QList<QWidget*>{h});

    QTest::mouseClick(h->cmdClear, Qt::LeftButton);
    QVERIFY(h->RTB1->toPlainText().isEmpty());
    // The tree keeps its selection and open sections.
    QCOMPARE(h->TreeView1->selectedItems(), QList<QTreeWidgetItem*>{density});
    QVERIFY(density->parent()->isExpanded());

    QTest::mouseClick(h->cmdPrint, Qt::LeftButton);
    QCOMPARE(printer().printed.size(), 2);
    QVERIFY(h->RTB1->toPlainText().isEmpty());
    QVERIFY(messages().shown.isEmpty());
    QVERIFY(h->isVisible());
}

void tst_help::paneIsReadOnly() {
    QTemporaryDir dir;
    writeTopics(dir.path());
    Program::setFolder(dir.path());
    frmHelp* h = showHelp();
    QVERIFY(h);
    doubleClick(h, h->node(QStringLiteral("s Titration")));
    const QString text = h->RTB1->toPlainText();
    QVERIFY(h->RTB1->isReadOnly());
    h->RTB1->setFocus();
    QTest::keyClicks(h->RTB1, QStringLiteral("xyz"));
    QTest::keyClick(h->RTB1, Qt::Key_Backspace);
    QTest::keyClick(h->RTB1, Qt::Key_Delete);
    QCOMPARE(h->RTB1->toPlainText(), text);
}

void tst_help::stateKeptWhileLoadedAndFreshAfterUnload() {
    QTemporaryDir dir;
    writeTopics(dir.path());
    Program::setFolder(dir.path());
    frmHelp* h = showHelp();
    QVERIFY(h);
    doubleClick(h, h->node(QStringLiteral("s Raoult's Law")));
    QTreeWidgetItem* raoult = h->node(QStringLiteral("s Raoult's Law"));
    h->node(QStringLiteral("s Energy"))->setExpanded(true);
    const QString topic = h->RTB1->toPlainText();
    QVERIFY(topic.contains(QStringLiteral("Raoult'sLaw.txt")));

    // Hidden and shown again, by anyone: the same window as it was.
    Forms::hide(QStringLiteral("frmHelp"));
    QVERIFY(!h->isVisible());
    QCOMPARE(Forms::show(QStringLiteral("frmHelp")), h);
    QVERIFY(h->isVisible());
    QCOMPARE(h->RTB1->toPlainText(), topic);
    QCOMPARE(h->TreeView1->selectedItems(), QList<QTreeWidgetItem*>{raoult});
    QVERIFY(h->node(QStringLiteral("s Gases"))->isExpanded());
    QVERIFY(h->node(QStringLiteral("s Energy"))->isExpanded());
    QVERIFY(!h->node(QStringLiteral("s Solutions"))->isExpanded());

    // Cancel unloads it and shows nothing else.
    QTest::mouseClick(h->cmdCancel, Qt::LeftButton);
    settle();
    QVERIFY(!Forms::isLoaded(QStringLiteral("frmHelp")));
    QVERIFY(Forms::loadedForms().isEmpty());

    // The next showing starts afresh.
    h = showHelp();
    QVERIFY(h);
    QVERIFY(h->RTB1->toPlainText().isEmpty());
    QVERIFY(h->TreeView1->selectedItems().isEmpty());
    for (QTreeWidgetItem* n : allNodes(h->TreeView1)) QVERIFY2(!n->isExpanded(), qPrintable(n->text(0)));
    QCOMPARE(allNodes(h->TreeView1).size(), 54);
}

void tst_help::keys() {
    QTemporaryDir dir;
    writeTopics(dir.path());
    Program::setFolder(dir.path());
    frmHelp* h = showHelp();
    QVERIFY(h);
    doubleClick(h, h->node(QStringLiteral("s Dalton's Law")));
    const QString topic = h->RTB1->toPlainText();

    // F1 in the viewer itself does nothing.
    h->TreeView1->setFocus();
    press(h->TreeView1, Qt::Key_F1);
    press(h->RTB1, Qt::Key_F1);
    settle();
    QCOMPARE(Forms::loadedForms(), QList<Form*>{h});
    QCOMPARE(h->RTB1->toPlainText(), topic);
    QVERIFY(messages().shown.isEmpty());

    // Enter with no default button loads nothing and closes nothing.
    press(h->RTB1, Qt::Key_Return);
    QVERIFY(Forms::isLoaded(QStringLiteral("frmHelp")));

    // Escape, wherever the focus is, unloads the viewer.
    h->RTB1->setFocus();
    press(h->RTB1, Qt::Key_Escape);
    settle();
    QVERIFY(!Forms::isLoaded(QStringLiteral("frmHelp")));

    h = showHelp();
    QVERIFY(h);
    press(h->TreeView1, Qt::Key_Escape);
    settle();
    QVERIFY(!Forms::isLoaded(QStringLiteral("frmHelp")));
}

void tst_help::mainWindowShowsViewer() {
    QTemporaryDir dir;
    writeTopics(dir.path());
    Program::setFolder(dir.path());
    auto* main = Forms::showAs<frmMain>(QStringLiteral("frmMain"));
    QVERIFY(main);
    QVERIFY(QTest::qWaitForWindowExposed(main));

    // F1 with any button focused shows the viewer without a topic.
    main->cmdGases->setFocus();
    press(main->cmdGases, Qt::Key_F1);
    auto* h = Forms::get<frmHelp>(QStringLiteral("frmHelp"));
    QVERIFY(h);
    QVERIFY(h->isVisible());
    QVERIFY(h->RTB1->toPlainText().isEmpty());
    QVERIFY(!h->TreeView1->topLevelItem(0)->isExpanded());
    QVERIFY(main->isVisible());

    // A topic stays while F1 and the menu show the viewer again.
    doubleClick(h, h->node(QStringLiteral("s Ideal Gas Law")));
    const QString topic = h->RTB1->toPlainText();
    QVERIFY(topic.contains(QStringLiteral("IdealGasLaw.txt")));
    main->activateWindow();
    main->cmdAtomicData->setFocus();
    press(main->cmdAtomicData, Qt::Key_F1);
    QCOMPARE(Forms::get<frmHelp>(QStringLiteral("frmHelp")), h);
    QCOMPARE(h->RTB1->toPlainText(), topic);

    QAction* menu = main->menuItem(QStringLiteral("mnuAssistance"));
    QVERIFY(menu);
    QCOMPARE(menu->text(), QStringLiteral("Help"));
    menu->trigger();
    QCOMPARE(Forms::get<frmHelp>(QStringLiteral("frmHelp")), h);
    QCOMPARE(h->RTB1->toPlainText(), topic);

    // After Cancel, the menu item brings a fresh viewer.
    h->cmdCancel_Click();
    settle();
    QVERIFY(!Forms::isLoaded(QStringLiteral("frmHelp")));
    QVERIFY(main->isVisible());
    menu->trigger();
    h = Forms::get<frmHelp>(QStringLiteral("frmHelp"));
    QVERIFY(h);
    QVERIFY(h->isVisible());
    QVERIFY(h->RTB1->toPlainText().isEmpty());
    QVERIFY(h->TreeView1->selectedItems().isEmpty());
    QVERIFY(messages().shown.isEmpty());
}

QTEST_MAIN(tst_help)
#include "tst_help.moc"

// The user manual viewer: its topic tree, loading topics, failures, and how
// the other windows reach it.
#include "ScreenReader.h"
#include "TestSupport.h"

#include "help/frmHelp.h"
#include "shell/frmMain.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeySequence>
#include <QScrollBar>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTreeWidgetItemIterator>

using namespace TestSupport;

namespace {

using Expected = frmHelp::Topic;

// The tree as the program defines it, in order.
const QList<Expected>& expectedTree() {
    static const QList<Expected> t = frmHelp::topics();
    return t;
}

// How a node under each section looks: its key letter and its pictures
// (2: closed folder, selected 1; 3: page both ways). The sections themselves
// hang under the root with the letter 's' and the folder.
struct Look {
    char letter;
    int picture, selected;
};
const QHash<QString, Look> Looks = {
    {"r Tessival", {'s', 2, 1}},         {"s General Problems", {'t', 3, 3}}, {"s Tables", {'t', 3, 3}},
    {"s Moles", {'t', 2, 1}},            {"s Weights", {'t', 2, 1}},          {"s Reactions", {'s', 3, 3}},
    {"s Solutions", {'s', 3, 3}},        {"s Gases", {'s', 3, 3}},            {"s Energy", {'s', 3, 3}},
};

QList<QTreeWidgetItem*> allNodes(QTreeWidget* tree) {
    QList<QTreeWidgetItem*> out;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) out.append(*it);
    return out;
}

QString keyOf(QTreeWidgetItem* item) { return item ? item->data(0, frmHelp::KeyRole).toString() : QString(); }

QImage picture(const QIcon& icon, QIcon::Mode mode = QIcon::Normal) {
    return icon.pixmap(QSize(13, 13), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Loads a topic as the double-click handler does for the chosen node.
void open(frmHelp* h, const QString& key) {
    h->TreeView1->setCurrentItem(h->node(key));
    h->TreeView1_DblClick();
}

// The student double-clicks a node, opening its section first when needed.
void doubleClick(frmHelp* h, const QString& key) {
    QTreeWidgetItem* item = h->node(key);
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) p->setExpanded(true);
    h->TreeView1->scrollToItem(item);
    const QPoint at = h->TreeView1->visualItemRect(item).center();
    QTest::mouseClick(h->TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(h->TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(h->TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

// The student walks the tree with the arrow keys to the node: Down to the
// next row, Right to open the section that holds it.
void walkTo(frmHelp* h, const QString& key) {
    QTreeWidgetItem* target = h->node(key);
    h->TreeView1->setFocus();
    for (int i = 0; i < 100 && h->TreeView1->currentItem() != target; ++i) {
        QTreeWidgetItem* at = h->TreeView1->currentItem();
        bool holds = false;
        for (QTreeWidgetItem* p = target->parent(); p && at; p = p->parent()) holds = holds || p == at;
        press(h->TreeView1, holds && !at->isExpanded() ? Qt::Key_Right : Qt::Key_Down);
    }
}

// The node as a screen reader finds it among the tree's rows, by its name.
QAccessibleInterface* accessibleNode(frmHelp* h, const QString& key) {
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(h->TreeView1);
    for (int i = 0; tree && i < tree->childCount(); ++i)
        if (QAccessibleInterface* c = tree->child(i); c && c->text(QAccessible::Name) == h->node(key)->text(0)) return c;
    return nullptr;
}

// Every topic file written with a line that names it, as a Markdown page.
void writeTopics(const QString& folder, const QStringList& skip = {}) {
    for (const Expected& e : expectedTree()) {
        if (e.file.isEmpty() || skip.contains(e.file)) continue;
        QFile f(QDir(folder).filePath(e.file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("# Topic %1\n\nThe _file_ %2.\n\n- first\n- second\n").arg(e.text, e.file).toUtf8());
    }
}

// Shows the viewer as h and waits until it is on screen.
#define SHOW_HELP(h)                                             \
    auto* h = Forms::showAs<frmHelp>(QStringLiteral("frmHelp")); \
    QVERIFY(h && QTest::qWaitForWindowExposed(h))

// Presses one key written as in a menu ("Shift+Down") in the widget.
void pressKey(QWidget* w, const QString& key) {
    const QKeyCombination k = QKeySequence(key)[0];
    QTest::keyClick(w, k.key(), k.keyboardModifiers());
}

// After a step from the node `before` (selected then, or not): the tree's
// current node is named `expected`, and what a screen reader heard agrees with
// the tree it lists: every focus event names that node by the tree and the
// node's place among the tree's children, every selection event names the
// node it changed with its new state, and exactly that node reports
// "selected".
void checkHeard(frmHelp* h, const ScreenReader& reader, const QString& step, QTreeWidgetItem* before,
                const QString& expected, bool beforeSelected = true) {
    const QByteArray where = step.toUtf8();
    QTreeWidgetItem* now = h->TreeView1->currentItem();
    QVERIFY2(now && now->text(0) == expected, where + " is on " + (now ? now->text(0) : "none").toUtf8());
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(h->TreeView1);
    QVERIFY(tree);
    int row = -1;
    QStringList selected;
    for (int i = 0; i < tree->childCount(); ++i) {
        QAccessibleInterface* c = tree->child(i);
        QVERIFY2(c, where);
        if (c->text(QAccessible::Name) == expected) row = i;
        if (c->state().selected) selected << c->text(QAccessible::Name);
    }
    QVERIFY2(row >= 0, where);
    QVERIFY2(selected == QStringList{expected}, where + ": selected " + selected.join(", ").toUtf8());
    QAccessibleInterface* focused = tree->focusChild();
    QVERIFY2(focused && focused->text(QAccessible::Name) == expected && tree->indexOfChild(focused) == row, where);

    const QList<ScreenReader::Heard> focus = reader.of(QAccessible::Focus);
    if (now != before) QVERIFY2(!focus.isEmpty(), where + ": no focus event");
    for (const ScreenReader::Heard& e : focus) {
        const QByteArray heard =
            where + ": focus heard on " + e.name.toUtf8() + ", child " + QByteArray::number(e.child);
        QVERIFY2(e.object == h->TreeView1 && e.child == row && e.name == expected, heard);
        QVERIFY2(e.state.focused && e.state.selected, heard);
    }
    const QList<ScreenReader::Heard> added = reader.of(QAccessible::SelectionAdd);
    const QList<ScreenReader::Heard> removed = reader.of(QAccessible::SelectionRemove);
    if (now != before) {
        QVERIFY2(added.size() == 1, where + ": selection added " + QByteArray::number(added.size()) + " times");
        QVERIFY2(removed.size() == (beforeSelected ? 1 : 0),
                 where + ": selection taken " + QByteArray::number(removed.size()) + " times");
    }
    for (const ScreenReader::Heard& e : added)
        QVERIFY2(e.object == h->TreeView1 && e.name == expected && e.state.selected,
                 where + ": selected " + e.name.toUtf8() + " = " + QByteArray::number(e.state.selected));
    for (const ScreenReader::Heard& e : removed)
        QVERIFY2(e.object == h->TreeView1 && before && e.name == before->text(0) && !e.state.selected,
                 where + ": unselected " + e.name.toUtf8() + " = " + QByteArray::number(e.state.selected));
}

// One step of a walk: a key pressed in the tree, or a screen reader's action
// on a node ("Toggle Using", "Press Moles"); then what was heard is checked,
// and a section the step opened or closed is heard to do so.
void walkStep(frmHelp* h, ScreenReader& reader, const QString& step, const QString& expected) {
    QTreeWidgetItem* before = h->TreeView1->currentItem();
    const bool wasSelected = before && before->isSelected();
    const bool wasOpen = before && before->isExpanded();
    reader.clear();
    const QString action = step.section(' ', 0, 0);
    if (action == "Toggle" || action == "Press") {
        const QString name = step.section(' ', 1);
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(h->TreeView1);
        QAccessibleInterface* node = nullptr;
        for (int i = 0; tree && i < tree->childCount(); ++i)
            if (tree->child(i)->text(QAccessible::Name) == name) node = tree->child(i);
        QVERIFY2(node && node->actionInterface(), qPrintable(step));
        node->actionInterface()->doAction(action == "Toggle" ? QAccessibleActionInterface::toggleAction()
                                                             : QAccessibleActionInterface::pressAction());
    } else {
        pressKey(h->TreeView1, step);
    }
    checkHeard(h, reader, step, before, expected, wasSelected);
    // A section opened or closed says so.
    if (QTest::currentTestFailed() || !before || before != h->TreeView1->currentItem() ||
        before->isExpanded() == wasOpen)
        return;
    QList<ScreenReader::Heard> states;
    for (const ScreenReader::Heard& e : reader.heard)
        if (e.type == QAccessible::StateChanged && e.object == h->TreeView1 && e.name == expected) states << e;
    QVERIFY2(!states.isEmpty(), qPrintable(step + ": no state change heard"));
    QCOMPARE(states.last().state.expanded, before->isExpanded());
    QCOMPARE(states.last().state.collapsed, !before->isExpanded());
}

// The viewer on screen with the keys in its tree, opened by keys: Right opens
// "Tessival", Down selects "Introduction".
#define HELP_WITH_KEYS_IN_TREE(h, reader)                                                    \
    SHOW_HELP(h);                                                                            \
    h->activateWindow();                                                                     \
    QVERIFY(QTest::qWaitForWindowActive(h));                                                 \
    h->TreeView1->setFocus(Qt::TabFocusReason);                                              \
    ScreenReader reader;                                                                     \
    pressKey(h->TreeView1, "Right");                                                         \
    QCOMPARE(h->TreeView1->currentItem(), h->node("r Tessival"));                            \
    QVERIFY(h->TreeView1->selectedItems().isEmpty() && h->node("r Tessival")->isExpanded()); \
    reader.clear();                                                                          \
    pressKey(h->TreeView1, "Down");                                                          \
    checkHeard(h, reader, "Right, Down", h->node("r Tessival"), "Introduction", false);      \
    if (QTest::currentTestFailed()) return

}  // namespace

class tst_help : public QObject {
    Q_OBJECT
    QTemporaryDir m_topics;

private slots:
    void initTestCase() {
        TestSupport::init();
        writeTopics(m_topics.path());
        for (const char* name : {"Tables.txt", "Gases.txt", "Tessival.txt"}) {  // never picked up
            QFile f(QDir(m_topics.path()).filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("stray") == 5);
        }
    }
    void init() { Program::setFolder(m_topics.path()); }
    void cleanup() {
        unloadAll();
        Program::setFolder(QString());
        messages().clear();
        printer().printed.clear();
    }

    void treeAndLayout() {
        SHOW_HELP(h);
        QCOMPARE(h->windowTitle(), QStringLiteral("Tessival Help"));
        QCOMPARE(h->TreeView1->toolTip(), QStringLiteral("Double click to open a topic."));
        // At first only the collapsed root, nothing selected, empty pane.
        QCOMPARE(h->TreeView1->topLevelItemCount(), 1);
        QTreeWidgetItem* root = h->TreeView1->topLevelItem(0);
        QVERIFY(!root->isExpanded());
        QVERIFY(h->TreeView1->selectedItems().isEmpty());
        QVERIFY(h->RTB1->toPlainText().isEmpty());
        QCOMPARE(h->TreeView1->visualItemRect(root->child(0)), QRect());  // hidden under the root

        // Five 13 x 13 pictures, all different, and each node's picture normal and selected.
        QCOMPARE(h->ImageList1.size(), 5);
        QList<QImage> list;
        for (const QPixmap& p : h->ImageList1) {
            QCOMPARE(p.size(), QSize(13, 13));
            QVERIFY2(!list.contains(picture(p)), qPrintable(QString::number(list.size() + 1)));
            list << picture(p);
        }
        const QList<QTreeWidgetItem*> nodes = allNodes(h->TreeView1);
        // Every node of the program's tree is on it, in order, hung under its
        // parent, keyed by its letter and text with single blanks, and drawn
        // as its section's nodes are.
        QCOMPARE(nodes.size(), expectedTree().size());
        QCOMPARE(keyOf(root), QStringLiteral("r Tessival"));
        QCOMPARE(root->text(0), QStringLiteral("Tessival"));
        for (int i = 0; i < nodes.size(); ++i) {
            QTreeWidgetItem* n = nodes[i];
            const Expected& e = expectedTree()[i];
            const QByteArray where = QStringLiteral("node %1 \"%2\"").arg(i + 1).arg(n->text(0)).toUtf8();
            QVERIFY2(n->text(0) == e.text && keyOf(n) == e.key && keyOf(n->parent()) == e.parent, where);
            const Look look = n == root ? Look{'r', 2, 1} : Looks.value(e.parent, Look{'?', 0, 0});
            QVERIFY2(e.key == QChar::fromLatin1(look.letter) + QLatin1Char(' ') + e.text.simplified(), where);
            QVERIFY2(e.picture == look.picture && e.selected == look.selected, where);
            QVERIFY2(picture(n->icon(0)) == list[e.picture - 1], where);
            QVERIFY2(picture(n->icon(0), QIcon::Selected) == list[e.selected - 1], where);
        }

        // Tree and pane side by side, the tree about a third; Cancel, Print, Clear in a row beneath.
        const QRect tree = h->TreeView1->geometry(), pane = h->RTB1->geometry();
        QVERIFY(tree.right() < pane.left() && tree.top() == pane.top() && tree.height() == pane.height());
        const double share = tree.width() / double(tree.width() + pane.width());
        QVERIFY2(share > 0.28 && share < 0.39, qPrintable(QString::number(share)));
        const QList<QPushButton*> row = {h->cmdCancel, h->cmdPrint, h->cmdClear};
        const QStringList captions = {"Cancel", "Print", "Clear"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(row[i]->text(), captions[i]);
            QVERIFY(row[i]->y() > tree.bottom() && row[i]->y() == row[0]->y());
            if (i) QVERIFY(row[i]->x() > row[i - 1]->x());
        }
        for (QLabel* i : h->Image1) QVERIFY(!i->isVisible());  // the picture holders lie hidden
    }

    // Every topic file that ships is opened by one node; a window is given
    // by one topic at most (the manual test opens each one named).
    void topicsNameTheirFilesAndWindows() {
        Program::setFolder(QString());
        QStringList files = QDir(Program::folder()).entryList({QStringLiteral("*.txt")});
        files.removeIf([](const QString& f) { return f.startsWith(QLatin1String("robot-")); });
        QVERIFY(files.size() >= 48);
        QStringList opened, windows;
        for (const Expected& e : expectedTree()) {
            if (!e.file.isEmpty()) opened << e.file;
            if (e.window.isEmpty()) continue;
            QVERIFY2(!e.file.isEmpty(), qPrintable(e.text));
            QVERIFY2(!windows.contains(e.window), qPrintable(e.window));
            windows << e.window;
        }
        for (const QString& f : files) QVERIFY2(opened.count(f) == 1, qPrintable(f));
    }

    void everyTopicLoadsItsFile() {
        SHOW_HELP(h);
        for (const Expected& e : expectedTree()) {
            if (e.file.isEmpty()) continue;
            open(h, e.key);
            QVERIFY2(h->RTB1->toPlainText().contains(QStringLiteral("The file %1.").arg(e.file)),
                     qPrintable(e.text + " -> " + h->RTB1->toPlainText()));
            QCOMPARE(h->TreeView1->selectedItems().value(0), h->node(e.key));  // selection unchanged
        }
        QVERIFY(messages().shown.isEmpty());
        // The manual that ships next to the program: every topic opens without a message.
        Program::setFolder(QString());
        for (const Expected& e : expectedTree()) {
            if (e.file.isEmpty()) continue;
            h->RTB1->clear();
            open(h, e.key);
            QVERIFY2(messages().shown.isEmpty(), qPrintable(e.file + ": " + messages().lastText()));
            QVERIFY2(!h->RTB1->toPlainText().trimmed().isEmpty(), qPrintable(e.file));
        }
    }

    void doubleClickLoadsTopic() {
        SHOW_HELP(h);
        // Nothing selected: a double-click on the tree, or below its nodes, does nothing.
        h->TreeView1_DblClick();
        h->TreeView1->topLevelItem(0)->setExpanded(true);
        const QPoint below(10, h->TreeView1->viewport()->height() - 3);
        QVERIFY(!h->TreeView1->itemAt(below));
        QTest::mouseDClick(h->TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier, below);
        QVERIFY(h->RTB1->toPlainText().isEmpty());

        // "Introduction" shown formatted: no heading, emphasis or list marks on screen.
        doubleClick(h, "s Introduction");
        QCOMPARE(h->TreeView1->selectedItems(), QList<QTreeWidgetItem*>{h->node("s Introduction")});
        const QString shown = h->RTB1->toPlainText();
        QVERIFY2(shown.startsWith("Topic Introduction\n") && shown.contains("The file ReadMe.txt."), qPrintable(shown));
        QVERIFY(!shown.contains('#') && !shown.contains('_'));
        QCOMPARE(h->RTB1->document()->firstBlock().blockFormat().headingLevel(), 1);
        // A second topic replaces the first.
        doubleClick(h, "s Molecular Weight");
        QVERIFY(h->RTB1->toPlainText().startsWith("Topic Molecular  Weight\n"));
        QVERIFY(!h->RTB1->toPlainText().contains("ReadMe"));
        // Sections with topics of their own load them although they have children; bare ones load nothing.
        doubleClick(h, "s Weights");
        const QString weights = h->RTB1->toPlainText();
        QVERIFY(weights.contains("Weights.txt"));
        for (const char* key : {"r Tessival", "s Tables", "s Reactions", "s Solutions", "s Gases", "s Energy"}) {
            doubleClick(h, key);
            QVERIFY2(h->RTB1->toPlainText() == weights, key);
        }
        QVERIFY(messages().shown.isEmpty());
    }

    // Without a mouse: Enter (or Space) on a node, or a screen reader's Press,
    // opens its topic as a double-click does; sections neither open nor close.
    void keyboardAndScreenReaderOpenTopics_data() {
        QTest::addColumn<int>("key");  // 0: the accessible Press action
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("file");  // empty: the pane keeps what it shows
        QTest::newRow("Enter on Using") << int(Qt::Key_Return) << "s Using" << "Using.txt";
        QTest::newRow("keypad Enter on a topic") << int(Qt::Key_Enter) << "t Density" << "Density.txt";
        QTest::newRow("Space on a topic") << int(Qt::Key_Space) << "s Molecular Weight" << "MolecularWeight.txt";
        QTest::newRow("Enter on a section with a text") << int(Qt::Key_Return) << "s Weights" << "Weights.txt";
        QTest::newRow("Enter on a bare section") << int(Qt::Key_Return) << "s Gases" << "";
        QTest::newRow("Enter on the root") << int(Qt::Key_Return) << "r Tessival" << "";
        QTest::newRow("Press on Using") << 0 << "s Using" << "Using.txt";
        QTest::newRow("Press on a topic") << 0 << "t Significant Figures" << "Significant.txt";
        QTest::newRow("Press on a section with a text") << 0 << "s Moles" << "Moles.txt";
        QTest::newRow("Press on a bare section") << 0 << "s Energy" << "";
    }
    void keyboardAndScreenReaderOpenTopics() {
        QFETCH(int, key);
        QFETCH(QString, node);
        QFETCH(QString, file);
        SHOW_HELP(h);
        doubleClick(h, "s Acids");  // a topic on screen beforehand
        h->TreeView1->collapseAll();
        const QString before = h->RTB1->toPlainText();
        QTreeWidgetItem* item = h->node(node);
        if (key) {
            walkTo(h, node);
            QCOMPARE(h->TreeView1->currentItem(), item);
        } else {
            for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) p->setExpanded(true);
        }
        const bool open = item->isExpanded();
        if (key) {
            press(h->TreeView1, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        } else {
            QAccessibleInterface* a = accessibleNode(h, node);
            QVERIFY(a && a->role() == QAccessible::TreeItem && a->actionInterface());
            int row = 0;  // the node's row on screen, as the view counts it in its focus events
            for (QTreeWidgetItem* n = h->TreeView1->itemAbove(item); n; n = h->TreeView1->itemAbove(n)) ++row;
            QCOMPARE(a->parent()->indexOfChild(a), row);
            QVERIFY(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
            a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QVERIFY(a->state().selected);
        }
        settle();
        if (file.isEmpty())
            QCOMPARE(h->RTB1->toPlainText(), before);
        else
            QVERIFY2(h->RTB1->toPlainText().contains(QStringLiteral("The file %1.").arg(file)),
                     qPrintable(h->RTB1->toPlainText()));
        QCOMPARE(h->TreeView1->selectedItems(), QList<QTreeWidgetItem*>{item});
        QCOMPARE(item->isExpanded(), open);
        QVERIFY(messages().shown.isEmpty() && Forms::loadedForms() == QList<Form*>{h});
    }

    // By keys alone: F1 in the main window, Right, Down to "Using", Enter.
    void mainWindowToUsingByKeys() {
        auto* main = Forms::showAs<frmMain>("frmMain");
        QVERIFY(main && QTest::qWaitForWindowExposed(main));
        main->cmdGases->setFocus();
        press(main->cmdGases, Qt::Key_F1);
        auto* h = Forms::get<frmHelp>("frmHelp");
        QVERIFY(h && h->isVisible());
        h->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h));
        h->TreeView1->setFocus();  // as Tab would give it
        press(h->TreeView1, Qt::Key_Right);
        press(h->TreeView1, Qt::Key_Down);
        press(h->TreeView1, Qt::Key_Down);
        QVERIFY2(h->TreeView1->currentItem() == h->node("s Using"),
                 qPrintable(h->TreeView1->currentItem() ? h->TreeView1->currentItem()->text(0) : "none"));
        press(h->TreeView1, Qt::Key_Return);
        QVERIFY2(h->RTB1->toPlainText().contains("The file Using.txt."), qPrintable(h->RTB1->toPlainText()));
    }

    // A screen reader hears the node the keys are on, open or closed, after
    // sections open and close. A step is a key, or a screen reader's action
    // on a node, and the node it lands on.
    void screenReaderHearsTheNodeTheKeysAreOn_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("Home and End past open sections")
            << QStringList{"End>Data Tables", "Up>Energy", "Right>Energy", "Down>Energy Exchange / Transfer",
                           "End>Data Tables", "Up>Half Life Calculations", "Home>Tessival", "Down>Introduction",
                           "Down>Using", "Down>General Problems", "Right>General Problems", "End>Data Tables",
                           "Up>Half Life Calculations"};
        QTest::newRow("a screen reader's actions")
            << QStringList{"Toggle Using>Using", "Down>General Problems", "Press Data Tables>Data Tables",
                           "Toggle Moles>Moles", "Right>Moles", "Press Mass Energy>Mass Energy"};
    }
    void screenReaderHearsTheNodeTheKeysAreOn() {
        QFETCH(QStringList, steps);
        HELP_WITH_KEYS_IN_TREE(h, reader);
        for (const QString& step : steps) {
            walkStep(h, reader, step.section('>', 0, 0), step.section('>', 1));
            if (QTest::currentTestFailed()) return;
        }
    }

    // Tab away from the tree and back: the reader hears the tree, then the
    // node the keys are on.
    void screenReaderHearsTheNodeOnComingBack() {
        HELP_WITH_KEYS_IN_TREE(h, reader);
        const QStringList steps = {"Down>Using", "Down>General Problems", "Right>General Problems",
                                   "Down>Significant Figures"};
        for (const QString& step : steps) {
            walkStep(h, reader, step.section('>', 0, 0), step.section('>', 1));
            if (QTest::currentTestFailed()) return;
        }
        pressKey(h->TreeView1, "Tab");
        QCOMPARE(QApplication::focusWidget(), h->RTB1);
        settle();
        reader.clear();
        pressKey(h->RTB1, "Shift+Tab");
        settle();
        QCOMPARE(QApplication::focusWidget(), h->TreeView1);
        const QList<ScreenReader::Heard> focus = reader.of(QAccessible::Focus);
        QVERIFY(focus.size() >= 2);
        QCOMPARE(focus.first().object, h->TreeView1);
        QCOMPARE(focus.first().name, QStringLiteral("Topics"));
        QCOMPARE(focus.last().object, h->TreeView1);
        QCOMPARE(focus.last().name, QStringLiteral("Significant Figures"));
        QCOMPARE(focus.last().child, 4);
        QVERIFY(focus.last().state.focused && focus.last().state.selected);
    }

    // Every node in turn: each section opened on the way down, the way back
    // up, and a second way down closing every section.
    void screenReaderHearsEveryNode() {
        HELP_WITH_KEYS_IN_TREE(h, reader);
        const QList<QTreeWidgetItem*> nodes = allNodes(h->TreeView1);
        QCOMPARE(nodes.size(), expectedTree().size());
        int heard = 0;
        auto step = [&](const QString& key, QTreeWidgetItem* to) {
            walkStep(h, reader, key, to->text(0));
            ++heard;
            return !QTest::currentTestFailed();
        };
        for (int i = 2; i < nodes.size(); ++i) {
            if (nodes[i - 1]->childCount() && !step("Right", nodes[i - 1])) return;
            if (!step("Down", nodes[i])) return;
        }
        for (int i = nodes.size() - 2; i >= 0; --i)
            if (!step("Up", nodes[i])) return;
        QTreeWidgetItem* root = nodes.first();
        if (!step("Down", root->child(0))) return;
        for (int i = 0; i < root->childCount(); ++i) {
            if (root->child(i)->isExpanded() && !step("Left", root->child(i))) return;
            if (i + 1 < root->childCount() && !step("Down", root->child(i + 1))) return;
        }
        // Down to each node below the first section and Right into each
        // section with nodes, Up to the root, then Down, Left and Down over
        // the sections.
        qsizetype opened = 0, closed = 0;
        for (int i = 1; i < nodes.size(); ++i) opened += nodes[i]->childCount() ? 1 : 0;
        for (int i = 0; i < root->childCount(); ++i) closed += root->child(i)->childCount() ? 1 : 0;
        QCOMPARE(heard, (nodes.size() - 2) + opened + (nodes.size() - 1) + 1 + closed + (root->childCount() - 1));
    }

    // The topic pane keeps its text, yet its caret walks it line by line as a
    // screen reader follows it, heard at every move; Shift with the arrows
    // selects, Ctrl+C copies.
    void topicPaneReadByCaret_data() {
        QTest::addColumn<QStringList>("keys");  // "@n": a screen reader puts the caret at the start of line n
        QTest::addColumn<int>("line");          // the caret's line afterwards, from 0
        QTest::addColumn<QString>("copied");    // by Ctrl+C; empty: nothing selected, nothing copied
        QTest::newRow("Down moves a line") << QStringList{"Ctrl+Home", "Down", "Down"} << 2 << "";
        QTest::newRow("Shift+End selects to the line's end")
            << QStringList{"Ctrl+Home", "Down", "Shift+End"} << 1 << "The file Using.txt.";
        QTest::newRow("Shift+Down selects a line") << QStringList{"Ctrl+Home", "Down", "Shift+Down"} << 2
                                                   << "The file Using.txt.\n";
        QTest::newRow("Ctrl+A selects all") << QStringList{"Ctrl+A"} << 3
                                            << "Topic Using\nThe file Using.txt.\n  \u2022 first\n  \u2022 second";
        QTest::newRow("a screen reader moves the caret") << QStringList{"Ctrl+Home", "@3"} << 3 << "";
    }
    void topicPaneReadByCaret() {
        QFETCH(QStringList, keys);
        QFETCH(int, line);
        QFETCH(QString, copied);
        SHOW_HELP(h);
        h->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h));
        doubleClick(h, "s Using");
        const QString html = h->RTB1->toHtml();
        h->TreeView1->setFocus();
        ScreenReader reader;
        pressKey(h->TreeView1, "Tab");
        QCOMPARE(QApplication::focusWidget(), h->RTB1);
        QVERIFY(!reader.of(QAccessible::Focus).isEmpty());
        QCOMPARE(reader.of(QAccessible::Focus).last().object, h->RTB1);
        QGuiApplication::clipboard()->setText("before");
        for (const QString& key : keys) {
            const int was = h->RTB1->textCursor().position();
            reader.clear();
            if (key.startsWith('@')) {
                QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(h->RTB1)->textInterface();
                QVERIFY(text);
                text->setCursorPosition(h->RTB1->document()->findBlockByNumber(key.mid(1).toInt()).position());
            } else {
                pressKey(h->RTB1, key);
            }
            const int caret = h->RTB1->textCursor().position();
            // Heard with where it went: a caret event, or a selection event.
            QList<ScreenReader::Heard> moved;
            for (const ScreenReader::Heard& e : reader.heard)
                if (e.type == QAccessible::TextCaretMoved || e.type == QAccessible::TextSelectionChanged) moved << e;
            if (caret != was) {
                QVERIFY2(!moved.isEmpty(), qPrintable(key + ": the caret's move is not heard"));
                QCOMPARE(moved.last().object, h->RTB1);
                QCOMPARE(moved.last().caret, caret);
            }
        }
        QCOMPARE(h->RTB1->textCursor().blockNumber(), line);
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(h->RTB1)->textInterface();
        QCOMPARE(text->cursorPosition(), h->RTB1->textCursor().position());
        pressKey(h->RTB1, "Ctrl+C");
        QCOMPARE(QGuiApplication::clipboard()->text(), copied.isEmpty() ? QStringLiteral("before") : copied);
        QCOMPARE(text->selectionCount(), copied.isEmpty() ? 0 : 1);
        // Keys that would write leave the text as it was.
        for (const char* key : {"x", "Backspace", "Delete", "Return", "Ctrl+V", "Ctrl+X"}) pressKey(h->RTB1, key);
        QCOMPARE(h->RTB1->toHtml(), html);
    }

    // What a screen reader says of each control: its name and description.
    void screenReaderNames_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("tree") << "TreeView1" << "Topics" << "Double click a topic, or press Enter on it, to open it.";
        QTest::newRow("pane") << "RTB1" << "Topic text" << "";
    }
    void screenReaderNames() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        SHOW_HELP(h);
        h->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h));
        auto* w = child<QWidget>(h, qPrintable(control));
        QVERIFY(w);
        h->cmdClear->setFocus();
        ScreenReader reader;
        for (int i = 0; i < 5 && QApplication::focusWidget() != w; ++i) pressKey(QApplication::focusWidget(), "Tab");
        QCOMPARE(QApplication::focusWidget(), w);
        const QList<ScreenReader::Heard> focus = reader.of(QAccessible::Focus);
        QVERIFY(!focus.isEmpty());
        QCOMPARE(focus.last().object, w);
        QCOMPARE(focus.last().name, name);
        QCOMPARE(focus.last().target->text(QAccessible::Description), description);
        QCOMPARE(h->TreeView1->toolTip(), QStringLiteral("Double click to open a topic."));
    }

    // A double-click opens topics only: sections keep their state, open or closed.
    void doubleClickNeverOpensOrClosesSections() {
        SHOW_HELP(h);
        QTreeWidgetItem* root = h->TreeView1->topLevelItem(0);
        auto dblClick = [h](QTreeWidgetItem* item) {
            const QPoint at = h->TreeView1->visualItemRect(item).center();
            QTest::mouseClick(h->TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseDClick(h->TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        };
        dblClick(root);
        QVERIFY(!root->isExpanded());
        root->setExpanded(true);
        dblClick(root);
        QVERIFY(root->isExpanded());
        for (const char* key : {"s Gases", "s Moles", "s General Problems"}) {
            QTreeWidgetItem* section = h->node(key);
            dblClick(section);
            QVERIFY2(!section->isExpanded(), key);
            section->setExpanded(true);
            dblClick(section);
            QVERIFY2(section->isExpanded(), qPrintable(key));
            QCOMPARE(h->TreeView1->selectedItems(), QList<QTreeWidgetItem*>{section});
        }
        // "General Problems" has a topic of its own, which the double-click shows.
        QVERIFY(h->RTB1->toPlainText().contains("The file General.txt."));
        // The sign in front of a section, or the arrow keys, open and close it.
        QTreeWidgetItem* energy = h->node("s Energy");
        h->TreeView1->setCurrentItem(energy);
        h->TreeView1->setFocus();
        press(h->TreeView1, Qt::Key_Right);
        QVERIFY(energy->isExpanded());
        press(h->TreeView1, Qt::Key_Left);
        QVERIFY(!energy->isExpanded());
        const QRect row = h->TreeView1->visualItemRect(energy);
        QTest::mouseClick(h->TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(row.left() - h->TreeView1->indentation() / 2, row.center().y()));
        QVERIFY(energy->isExpanded());
        QVERIFY(messages().shown.isEmpty());
    }

    // With every section open, every node text shows whole, without scrolling sideways.
    void treeShowsEveryNameWhole() {
        SHOW_HELP(h);
        h->TreeView1->expandAll();
        settle();
        QVERIFY(!h->TreeView1->horizontalScrollBar()->isVisible());
        const QFontMetrics fm = h->TreeView1->fontMetrics();
        const int room = h->TreeView1->viewport()->width();
        for (QTreeWidgetItem* n : allNodes(h->TreeView1)) {
            h->TreeView1->scrollToItem(n);
            const QRect r = h->TreeView1->visualItemRect(n);
            QVERIFY2(r.left() >= 0 && r.right() < room, qPrintable(n->text(0)));
            QVERIFY2(r.width() >= h->TreeView1->iconSize().width() + fm.horizontalAdvance(n->text(0)),
                     qPrintable(n->text(0)));
        }
        // The tree is as wide as it needs and keeps about a third of the window.
        const QRect longest = h->TreeView1->visualItemRect(h->node("t Temperature Conversions"));
        QVERIFY(longest.right() < room);
        const double share = h->TreeView1->width() / double(h->TreeView1->width() + h->RTB1->width());
        QVERIFY2(share > 0.28 && share < 0.39, qPrintable(QString::number(share)));
    }

    // Topic lines as the pane shows them: "*" is a character (work lines
    // multiply with it); _a_ is emphasis; an example is a paragraph of its own.
    void topicLinesShown_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QStringList>("shown");   // the pane's paragraphs
        QTest::addColumn<QStringList>("italic");  // the emphasised words
        QTest::newRow("work line") << "(work line: 2 * 100 / 50 * 600 / 300)"
                                   << QStringList{"(work line: 2 * 100 / 50 * 600 / 300)"} << QStringList{};
        QTest::newRow("terms") << "35 * 0.75 + 37 * 0.25 + 0 * 0"
                               << QStringList{"35 * 0.75 + 37 * 0.25 + 0 * 0"} << QStringList{};
        QTest::newRow("no blanks") << "2.5*1000 and 3*10 and (J/mol*K)"
                                   << QStringList{"2.5*1000 and 3*10 and (J/mol*K)"} << QStringList{};
        QTest::newRow("stars round words") << "a *word* stays" << QStringList{"a *word* stays"} << QStringList{};
        QTest::newRow("line starts with a star") << "* 2 * 3" << QStringList{"* 2 * 3"} << QStringList{};
        QTest::newRow("emphasis") << "Choose _Mass_ and press _Cancel_."
                                  << QStringList{"Choose Mass and press Cancel."} << QStringList{"Mass", "Cancel"};
        QTest::newRow("emphasis and stars") << "_Sum_: 2 * 3 * 4" << QStringList{"Sum: 2 * 3 * 4"}
                                            << QStringList{"Sum"};
        QTest::newRow("underscores inside words") << "file_name_here and a_b" << QStringList{"file_name_here and a_b"}
                                                  << QStringList{};
        QTest::newRow("lone marker") << "a _b c" << QStringList{"a _b c"} << QStringList{};
        QTest::newRow("examples apart") << "Example: one\nExample: two\ntext"
                                        << QStringList{"Example: one", "Example: two text"} << QStringList{};
        QTest::newRow("example after text") << "Some text\nExample: one"
                                            << QStringList{"Some text", "Example: one"} << QStringList{};
        QTest::newRow("steps") << "Example: one\n1. Type 2 in \"A\".\n2. Press Ok."
                               << QStringList{"Example: one", "  1. Type 2 in \"A\".", "  2. Press Ok."}
                               << QStringList{};
    }
    void topicLinesShown() {
        QFETCH(QString, written);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, italic);
        QTemporaryDir dir;
        writeTopics(dir.path());
        QFile f(QDir(dir.path()).filePath("Using.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(written.toUtf8());
        f.close();
        Program::setFolder(dir.path());
        SHOW_HELP(h);
        doubleClick(h, "s Using");
        QStringList blocks, emphasised;
        for (QTextBlock b = h->RTB1->document()->begin(); b.isValid(); b = b.next()) {
            blocks << b.text().replace(QChar::Nbsp, ' ');
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().fontItalic()) emphasised << it.fragment().text();
        }
        QCOMPARE(blocks, shown);
        QCOMPARE(emphasised, italic);
    }

    void missingOrUnreadableFile() {
        QTemporaryDir dir;
        writeTopics(dir.path(), {"Gas Density.txt", "Using.txt"});
        QVERIFY(QDir(dir.path()).mkdir("Using.txt"));  // a folder where the file should be
        Program::setFolder(dir.path());
        SHOW_HELP(h);
        doubleClick(h, "s Boyle's Law");
        const QString before = h->RTB1->toHtml();
        QVERIFY(h->RTB1->toPlainText().contains("Boyle'sLaw.txt"));
        for (const char* key : {"s Gas Density", "s Using"}) {
            messages().clear();
            doubleClick(h, key);
            QCOMPARE(messages().shown.size(), 1);
            const Msg::Box box = messages().shown.first();
            QCOMPARE(box.title, QStringLiteral("Tessival"));
            QCOMPARE(box.icon, Msg::Icon::Information);
            QCOMPARE(box.buttons, Msg::Buttons::Ok);
            QVERIFY(!box.text.trimmed().isEmpty());
            if (qstrcmp(key, "s Gas Density") == 0) {
                QVERIFY2(box.text.startsWith("The help file \"Gas Density.txt\" cannot be shown: "), qPrintable(box.text));
                QVERIFY2(box.text.contains("No such file", Qt::CaseInsensitive), qPrintable(box.text));
            }
            QCOMPARE(h->RTB1->toHtml(), before);
        }
        QVERIFY(Forms::loadedForms() == QList<Form*>{h});
    }

    // A file that is no topic is named with the reason, and the pane keeps its topic.
    void filesThatAreNoTopic_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QByteArray latin(4096, 0);
        for (int i = 0; i < latin.size(); ++i) latin[i] = char(0xC0 + i % 60);  // lone lead bytes
        static const char nul[] = "# Title\n\0\0text";
        QTest::newRow("NUL bytes") << QByteArray(nul, sizeof nul - 1) << "it is not a text file";
        QTest::newRow("not UTF-8") << latin << "it is not a text file";
        QTest::newRow("over 1 MB") << QByteArray(1024 * 1024 + 1, 'a') << "it is larger than 1 MB";
    }
    void filesThatAreNoTopic() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        writeTopics(dir.path());
        QFile f(QDir(dir.path()).filePath("Using.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        Program::setFolder(dir.path());
        SHOW_HELP(h);
        doubleClick(h, "s Boyle's Law");
        const QString before = h->RTB1->toPlainText();
        doubleClick(h, "s Using");
        QCOMPARE(messages().shown.size(), 1);
        QCOMPARE(messages().lastText(), "The help file \"Using.txt\" cannot be shown: " + reason + ".");
        QCOMPARE(messages().shown.last().icon, Msg::Icon::Information);
        QCOMPARE(messages().shown.last().title, QStringLiteral("Tessival"));
        QCOMPARE(h->RTB1->toPlainText(), before);
    }

    // A topic of 1 MB, a few odd characters in it, and long runs of short lines show whole.
    void largeTopicsShowWhole() {
        QTemporaryDir dir;
        writeTopics(dir.path());
        QByteArray text = "# Big\n\n";
        while (text.size() < 1024 * 1024 - 40) text += "line\n";
        text += "caf\xc3\xa9 \xff end\n";  // one stray byte among text
        QFile f(QDir(dir.path()).filePath("Using.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
        f.close();
        Program::setFolder(dir.path());
        SHOW_HELP(h);
        doubleClick(h, "s Using");
        QVERIFY2(messages().shown.isEmpty(), qPrintable(messages().lastText()));
        const QString shown = h->RTB1->toPlainText();
        QVERIFY(shown.startsWith("Big\nline line"));
        QVERIFY(shown.endsWith(QString::fromUtf8("caf\xc3\xa9 \xef\xbf\xbd end")));
        QCOMPARE(shown.count("line"), (1024 * 1024 - 40 - 8 + 4) / 5);
    }

    void clearPrintAndReadOnly() {
        SHOW_HELP(h);
        doubleClick(h, "t Density");
        QTreeWidgetItem* density = h->node("t Density");
        const QString text = h->RTB1->toPlainText();
        QVERIFY(!text.isEmpty() && h->RTB1->isReadOnly());
        h->RTB1->setFocus();
        QTest::keyClicks(h->RTB1, "xyz");
        QTest::keyClick(h->RTB1, Qt::Key_Backspace);
        QTest::keyClick(h->RTB1, Qt::Key_Delete);
        QCOMPARE(h->RTB1->toPlainText(), text);

        QTest::mouseClick(h->cmdPrint, Qt::LeftButton);
        QCOMPARE(printer().printed, QList<QWidget*>{h});
        QTest::mouseClick(h->cmdClear, Qt::LeftButton);
        QVERIFY(h->RTB1->toPlainText().isEmpty());
        // The tree keeps its selection and open sections; an empty pane prints too.
        QCOMPARE(h->TreeView1->selectedItems(), QList<QTreeWidgetItem*>{density});
        QVERIFY(density->parent()->isExpanded());
        QTest::mouseClick(h->cmdPrint, Qt::LeftButton);
        QCOMPARE(printer().printed.size(), 2);
        QVERIFY(messages().shown.isEmpty() && h->isVisible());
    }

    void stateKeptWhileLoadedAndFreshAfterUnload() {
        SHOW_HELP(h);
        doubleClick(h, "s Raoult's Law");
        h->node("s Energy")->setExpanded(true);
        const QString topic = h->RTB1->toPlainText();
        // Hidden and shown again, by anyone: the same window as it was.
        Forms::hide("frmHelp");
        QVERIFY(!h->isVisible());
        QCOMPARE(Forms::show("frmHelp"), h);
        QVERIFY(h->isVisible());
        QCOMPARE(h->RTB1->toPlainText(), topic);
        QCOMPARE(h->TreeView1->selectedItems(), QList<QTreeWidgetItem*>{h->node("s Raoult's Law")});
        QVERIFY(h->node("s Gases")->isExpanded() && h->node("s Energy")->isExpanded());
        QVERIFY(!h->node("s Solutions")->isExpanded());
        // Cancel unloads it and shows nothing else; the next showing starts afresh.
        QTest::mouseClick(h->cmdCancel, Qt::LeftButton);
        settle();
        QVERIFY(Forms::loadedForms().isEmpty());
        SHOW_HELP(fresh);
        QVERIFY(fresh->RTB1->toPlainText().isEmpty());
        QVERIFY(fresh->TreeView1->selectedItems().isEmpty());
        for (QTreeWidgetItem* n : allNodes(fresh->TreeView1)) QVERIFY2(!n->isExpanded(), qPrintable(n->text(0)));
    }

    void keys() {
        SHOW_HELP(h);
        doubleClick(h, "s Dalton's Law");
        const QString topic = h->RTB1->toPlainText();
        // F1 in the viewer itself does nothing; Enter, with no default button, neither.
        press(h->TreeView1, Qt::Key_F1);
        press(h->RTB1, Qt::Key_F1);
        press(h->RTB1, Qt::Key_Return);
        settle();
        QCOMPARE(Forms::loadedForms(), QList<Form*>{h});
        QCOMPARE(h->RTB1->toPlainText(), topic);
        QVERIFY(messages().shown.isEmpty());
        // Escape, wherever the focus is, unloads the viewer.
        h->RTB1->setFocus();
        press(h->RTB1, Qt::Key_Escape);
        settle();
        QVERIFY(!Forms::isLoaded("frmHelp"));
        SHOW_HELP(again);
        press(again->TreeView1, Qt::Key_Escape);
        settle();
        QVERIFY(!Forms::isLoaded("frmHelp"));
    }

    void mainWindowShowsViewer() {
        auto* main = Forms::showAs<frmMain>("frmMain");
        QVERIFY(main && QTest::qWaitForWindowExposed(main));
        // F1 with any button focused shows the viewer without a topic.
        main->cmdGases->setFocus();
        press(main->cmdGases, Qt::Key_F1);
        auto* h = Forms::get<frmHelp>("frmHelp");
        QVERIFY(h && h->isVisible() && main->isVisible());
        QVERIFY(h->RTB1->toPlainText().isEmpty());
        QVERIFY(!h->TreeView1->topLevelItem(0)->isExpanded());
        // A topic stays while the Help menu item shows the viewer again.
        doubleClick(h, "s Ideal Gas Law");
        const QString topic = h->RTB1->toPlainText();
        QVERIFY(topic.contains("IdealGasLaw.txt"));
        QAction* menu = main->menuItem("mnuAssistance");
        QVERIFY(menu);
        QCOMPARE(menu->text(), QStringLiteral("Help"));
        menu->trigger();
        QCOMPARE(Forms::get<frmHelp>("frmHelp"), h);
        QCOMPARE(h->RTB1->toPlainText(), topic);
        // Cancel leaves the main window showing.
        h->cmdCancel_Click();
        settle();
        QVERIFY(!Forms::isLoaded("frmHelp") && main->isVisible());
        QVERIFY(messages().shown.isEmpty());
    }
};

QTEST_MAIN(tst_help)
#include "tst_help.moc"

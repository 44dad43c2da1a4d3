#pragma once
// The user manual viewer: a tree of topics and a pane that shows the chosen
// topic file from the program's folder.
#include "platform/Forms.h"

#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>

class frmHelp : public Form {
    Q_OBJECT
public:
    frmHelp();

    void Form_Load() override;
    bool Form_KeyDown(QKeyEvent* e) override;
    void TreeView1_DblClick();
    void LoadHelpTopic(const QString& fileName);
    void cmdClear_Click();
    void cmdPrint_Click();
    void cmdCancel_Click();

    // A node of the topic tree, in the order the tree adds them: its text,
    // key ("s Gases"), parent's key (empty for the root), pictures (positions
    // in the image list), topic file and the window whose checks and worked
    // examples the topic gives (empty when there is none).
    struct Topic {
        QString text, key, parent;
        int picture, selected;
        QString file, window;
    };
    static QList<Topic> topics();

    // The node with this key ("s Gases"), or nullptr.
    QTreeWidgetItem* node(const QString& key) const;
    // Role of a node's key in the tree's items.
    static constexpr int KeyRole = Qt::UserRole;

    QTreeWidget* TreeView1;
    QTextBrowser* RTB1;
    QList<QPixmap> ImageList1;  // positions 1 to 5 are indexes 0 to 4
    QLabel* Image1[5];
    QPushButton* cmdCancel;
    QPushButton* cmdPrint;
    QPushButton* cmdClear;

    // The tree takes a third of the width, and at least its widest node.
    QSize sizeHint() const override { return QSize(qMax(720, 3 * TreeView1->minimumWidth() + 40), 480); }

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;
};

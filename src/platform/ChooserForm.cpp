#include "ChooserForm.h"

#include <QGridLayout>
#include <QMap>
#include <algorithm>

ChooserForm::ChooserForm(const Design& design, QWidget* parent) : Form(parent), m_design(design) {
    setWindowTitle(m_design.caption);
    setDesignFont(m_design.fontFamily, m_design.pointSize);
    auto* grid = new QGridLayout(this);
    QMap<int, int> rows;  // next row per column
    int columns = 1;
    for (int i = 0; i < m_design.targets.size(); ++i) {
        const Target& t = m_design.targets.at(i);
        QPushButton* b = bind(t.name, makeButton(QString(), t.caption));
        if (m_design.buttonWidth) b->setMinimumWidth(m_design.buttonWidth);
        grid->addWidget(b, rows[t.column]++, t.column, Qt::AlignTop);
        columns = std::max(columns, t.column + 1);
        connect(b, &QPushButton::clicked, this, [this, i] { target_Click(i); });
        buttons.append(b);
    }
    int last = 0;
    for (int r : std::as_const(rows)) last = std::max(last, r);
    cmdCancel = bind(m_design.cancelName, makeButton(QString(), m_design.cancelCaption));
    if (m_design.buttonWidth) cmdCancel->setMinimumWidth(m_design.buttonWidth);
    grid->addWidget(cmdCancel, last, 0, 1, columns, Qt::AlignHCenter);
    connect(cmdCancel, &QPushButton::clicked, this, &ChooserForm::cmdCancel_Click);

    // Tab order by tab index.
    QList<QPair<int, QWidget*>> byIndex;
    for (int i = 0; i < buttons.size(); ++i) byIndex.append({m_design.targets.at(i).tabIndex, buttons.at(i)});
    byIndex.append({m_design.cancelTabIndex, cmdCancel});
    std::stable_sort(byIndex.begin(), byIndex.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<QWidget*> order;
    for (const auto& [index, w] : std::as_const(byIndex)) order.append(w);
    orderTabs(order);
    order.first()->setFocus();

    if (!m_design.defaultButton.isEmpty()) setDefaultButton(named<QPushButton>(m_design.defaultButton, "default button"));
    setCancelButton(cmdCancel);
    if (m_design.fixedBorder) setFixedBorder();
}

QPushButton* ChooserForm::button(const QString& name) const {
    if (name == m_design.cancelName.name) return cmdCancel;
    for (QPushButton* b : buttons)
        if (b->objectName() == name) return b;
    return nullptr;
}

void ChooserForm::Form_Load() { setDefaultButton(button(m_design.defaultButton)); }

void ChooserForm::target_Click(int index) {
    const Target& t = m_design.targets.at(index);
    // A window that is not part of the program yet opens nothing, and the
    // chooser stays where the student can use it.
    if (!Forms::isRegistered(t.window)) return;
    const QString window = t.window;
    switch (t.leave) {
    case Leave::Hide: hide(); break;
    case Leave::Unload: Forms::unload(this); break;
    case Leave::Stay: break;
    }
    Forms::show(window);
}

void ChooserForm::cmdCancel_Click() {
    if (!m_design.cancelShows.isEmpty()) Forms::show(m_design.cancelShows);
    Forms::unload(this);
}

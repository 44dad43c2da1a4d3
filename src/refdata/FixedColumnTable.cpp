#include "FixedColumnTable.h"

#include "ReferenceSchema.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <cmath>

void FixedColumnTable::read(const QString& sql, bool missingIsEmpty,
                            const std::function<void(const Recordset&)>& each) {
    m_rows.clear();
    QList<bool> numberCells;
    for (const Cell& c : std::as_const(m_cells)) numberCells.append(ReferenceSchema::isNumber(m_table, c.field));
    try {
        ReferenceDatabase::fullWalk(sql, [&](const Recordset& rs) {
            Row r;
            for (int i = 0; i < m_cells.size(); ++i) {
                const Cell& c = m_cells.at(i);
                const QVariant v = missingIsEmpty && !rs.hasField(c.field) ? QVariant() : rs.field(c.field);
                bool numeric = false;
                QString text = Picture::format(v, c.picture, &numeric);
                if (numberCells.at(i) && !Picture::readsAsNumber(v)) text.clear();
                r.texts.append(text);
                r.numeric.append(numeric);
            }
            m_rows.append(r);
            if (each) each(rs);
        });
    } catch (const RuntimeFault&) {
        m_rows.clear();
        throw;
    }
}

QList<int> FixedColumnTable::widths(bool wholeText) const {
    QList<int> out;
    for (int i = 0; i < m_cells.size(); ++i) {
        int w = m_cells.at(i).width;
        for (const Row& r : m_rows)
            if (wholeText || r.numeric.at(i)) w = std::max(w, int(r.texts.at(i).size()));
        out.append(w);
    }
    return out;
}

QString FixedColumnTable::line(const Row& row, const QList<int>& widths) const {
    FixedColumnLine layout(m_cells);
    for (int i = 0; i < widths.size() && i < layout.cells().size(); ++i) layout.cells()[i].width = widths.at(i);
    return layout.lineOf(row.texts);
}

QString FixedColumnTable::heading(const QList<Title>& titles, const QList<int>& widths, const QFont& list,
                                  const QFont& headingFont, qreal inset) const {
    // Each title is placed from where its column really stands in the list's
    // font: the first at the column's start, the others centred over theirs,
    // with the blanks of the heading's font that come nearest, measured on
    // the heading written so far (no drift, whatever the fonts and scale).
    // Two titles keep at least two blanks between them, so they never read
    // as one.
    const QFontMetricsF lm(list), hm(headingFont);
    const qreal charWidth = lm.horizontalAdvance(QLatin1Char('0'));
    const qreal blankWidth = std::max<qreal>(0.5, hm.horizontalAdvance(QLatin1Char(' ')));
    QString text;
    int at = 0;  // characters of the line before the next cell
    for (int i = 0; i < titles.size(); ++i) {
        const QString& title = titles.at(i).text;
        int blanks = titles.at(i).blanksBefore;
        if (i < m_cells.size()) {
            const int start = at + m_cells.at(i).blanksBefore;
            const int width = i < widths.size() ? widths.at(i) : m_cells.at(i).width;
            at = start + width;
            const qreal left = i == 0 ? inset + start * charWidth
                                      : inset + (start + width / 2.0) * charWidth - hm.horizontalAdvance(title) / 2;
            blanks = int(std::lround((left - hm.horizontalAdvance(text)) / blankWidth));
            blanks = std::max(blanks, text.isEmpty() ? 0 : 2);
        }
        text += QString(blanks, QLatin1Char(' ')) + title;
    }
    return text;
}

qreal FixedColumnTable::textInset(const QListWidget* list, const QLabel* heading) {
    // The list's frame and the margin its lines are drawn with, less the
    // heading's own margins; both stand at the same left edge.
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    return list->frameWidth() + margin - heading->contentsMargins().left() - heading->margin();
}

QFont FixedColumnTable::listFont() {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Courier New"), QStringLiteral("Courier")});
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPointSizeF(9.75);
    return f;
}

QFont FixedColumnTable::headingFont() {
    // Times New Roman, or a face with its metrics.
    QFont f;
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Nimbus Roman"),
                   QStringLiteral("Liberation Serif"), QStringLiteral("Times")});
    f.setPointSizeF(9.75);
    return f;
}

void FixedColumnTable::fitWidth(QListWidget* list, const QLabel* heading) {
    const QFontMetricsF fm(list->font());
    // In a fixed-pitch font a line of plain ASCII is as wide as its length:
    // of those only the longest is measured; every other line is measured.
    const bool fixedPitch = QFontInfo(list->font()).fixedPitch();
    qreal widest = 0;
    qsizetype longestAscii = -1;
    QString longest;
    for (int i = 0; i < list->count(); ++i) {
        const QString t = list->item(i)->text();
        bool ascii = fixedPitch;
        for (qsizetype k = 0; ascii && k < t.size(); ++k) ascii = t.at(k).unicode() < 0x7F && t.at(k).unicode() >= 0x20;
        if (!ascii) {
            widest = std::max(widest, fm.horizontalAdvance(t));
        } else if (t.size() > longestAscii) {
            longestAscii = t.size();
            longest = t;
        }
    }
    if (longestAscii >= 0) widest = std::max(widest, fm.horizontalAdvance(longest));
    if (heading) widest = std::max(widest, QFontMetricsF(heading->font()).horizontalAdvance(heading->text()));
    list->setMinimumWidth(int(std::ceil(widest)) + 2 * list->frameWidth() +
                          list->verticalScrollBar()->sizeHint().width() + 8);
}

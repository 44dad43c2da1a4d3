#pragma once
// Format pictures for fixed-width lists, and the line layout built from them:
// cells of a fixed width with a literal run of blanks between neighbours.
#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

namespace Picture {

// Named pictures.
inline const QString Standard = QStringLiteral("Standard");
inline const QString Scientific = QStringLiteral("Scientific");
inline const QString GeneralNumber = QStringLiteral("General Number");

// True when the value reads as a number (a number, or text holding one with
// "." as the decimal point); the number goes to *out.
bool readsAsNumber(const QVariant& value, double* out = nullptr);

// The value formatted with the picture. Named pictures: "Standard" (grouping,
// two decimals), "Scientific" (6.02E+23), "General Number" (plain digits).
// Digit pictures: "0" a digit always shown, "#" a digit shown only when
// significant, "." the regional decimal point (kept even with no decimals),
// "," grouping. A value that does not read as a number comes back unchanged;
// an empty value gives an empty text. *numeric tells which happened.
QString format(const QVariant& value, const QString& picture, bool* numeric = nullptr);

// Zeros repeated n times: the picture of a whole number of at least n digits.
inline QString zeros(int n) { return QString(n, QLatin1Char('0')); }

// Exactly `width` characters: the text padded with blanks or cut.
QString fit(const QString& text, int width);

}  // namespace Picture

// One line of a fixed-width list.
class FixedColumnLine {
public:
    struct Cell {
        QString field;     // read by name from the current row
        int width = 0;     // characters
        QString picture;
        int blanksBefore = 0;  // literal blanks written before the cell
    };
    using FieldFn = std::function<QVariant(const QString& field)>;

    FixedColumnLine() = default;
    explicit FixedColumnLine(QList<Cell> cells) : m_cells(std::move(cells)) {}

    const QList<Cell>& cells() const { return m_cells; }
    QList<Cell>& cells() { return m_cells; }

    // The line for one row.
    QString line(const FieldFn& field) const;
    // The line from texts already formatted, one per cell.
    QString lineOf(const QStringList& formatted) const;

private:
    QList<Cell> m_cells;
};

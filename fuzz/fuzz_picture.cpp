// Feeds arbitrary bytes to the number pictures and the fixed-column line.
// The first byte picks the region, the first line of the rest is a value and
// every further line a picture. The value is tried as stored text, as a
// number and as a whole number; each picture formats it and one line lays
// all of them out in cells.
// Checks: a numeric result reads back to the value within the picture's
// rounding and never runs past a width bounded by its picture; a stored
// value of up to four significant digits reads back whole (the picture's
// decimals are a minimum); from 10^15 up fixed pictures give the scientific
// form; digits are Latin in every region; text that is no number comes back
// unchanged; the line is always exactly its cells' width.
#include <QList>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "fuzz_check.h"
#include "platform/NumberPicture.h"
#include "platform/NumberText.h"
#include "fuzz_locales.h"

namespace {

bool isDigitPicture(const QString& p) {
    static const QRegularExpression re(QStringLiteral("^[0#.,]+$"));
    return re.match(p).hasMatch();
}

bool showsInfOrNan(const QString& s) {
    return s.contains(QLatin1String("inf"), Qt::CaseInsensitive) || s.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

void checkFormat(const QVariant& value, const QString& picture) {
    bool numeric = true;
    const QString out = Picture::format(value, picture, &numeric);
    double v = 0;
    const bool number = Picture::readsAsNumber(value, &v);
    if (!number) {
        FUZZ_CHECK(!numeric);
        FUZZ_CHECK(out == value.toString() || out.isEmpty());
        return;
    }
    FUZZ_CHECK(std::isfinite(v));
    const bool digits = isDigitPicture(picture);
    const bool known = digits || picture == Picture::Standard || picture == Picture::Scientific ||
                       picture == Picture::GeneralNumber;
    if (!known) {
        FUZZ_CHECK(!numeric && out == value.toString());
        return;
    }
    FUZZ_CHECK(numeric && !showsInfOrNan(out) && latinDigits(out));
    // Digit pictures ask for their own digits (bounded below); the named ones show 20 at most.
    if (!digits) FUZZ_CHECK(digitCount(out) <= 20);
    static const QRegularExpression sci(QStringLiteral("^-?[0-9]\\.[0-9]{2,3}E[+-][0-9]{2,3}$"));
    const bool scientific = sci.match(plainText(out)).hasMatch();
    if ((digits || picture == Picture::Standard) && std::fabs(v) >= 1e15) FUZZ_CHECK(scientific);
    // A stored value of up to four significant digits shows them all.
    const QString shortest = QString::number(std::fabs(v), 'e', QLocale::FloatingPointShortest);
    const qsizetype e = shortest.indexOf(QLatin1Char('e'));
    const int storedDigits = int(shortest.left(e).remove(QLatin1Char('.')).size());
    if (picture != Picture::GeneralNumber && storedDigits <= 4 && v != 0) {
        const long double whole = readBack(out);
        FUZZ_CHECK(std::fabs(whole - v) <= 1e-12 * std::fabs(v));
    }
    if (scientific) return;

    double tolerance = 0;
    if (picture == Picture::Standard) {
        FUZZ_CHECK(out.size() <= 23);  // -999,999,999,999,999.99 or -0.0000000001
        tolerance = 0.005;
    } else if (picture == Picture::Scientific) {
        FUZZ_CHECK(out.size() <= 11);  // -1.234E+308
        tolerance = 0.005 * std::fabs(v);
    } else if (picture == Picture::GeneralNumber) {
        FUZZ_CHECK(out.size() <= 22);
        tolerance = 1e-14 * std::fabs(v);
    } else {
        const int point = picture.indexOf(QLatin1Char('.'));
        QString frac = point < 0 ? QString() : picture.mid(point + 1);
        frac.remove(QLatin1Char(','));
        frac.remove(QLatin1Char('.'));
        tolerance = 0.5 * std::pow(10.0, -frac.size());
        // Below 1e15 a value has at most 16 whole digits; the picture's zeros
        // may ask for more. Then group separators, a sign, the point and the decimals.
        const QString whole = point < 0 ? picture : picture.left(point);
        const int zeros = whole.count(QLatin1Char('0'));
        const int wholeDigits = std::max(zeros, 16);
        const int shownDecimals = std::max(int(frac.size()), 10);
        FUZZ_CHECK(out.size() <= wholeDigits + (wholeDigits - 1) / 3 + 2 + shownDecimals);
        // Whole digits of the picture are a minimum, never a cut.
        QString shownWhole = plainText(out);
        if (shownWhole.startsWith(QLatin1Char('-'))) shownWhole.remove(0, 1);
        const int dot = shownWhole.indexOf(QLatin1Char('.'));
        if (dot >= 0) shownWhole.truncate(dot);
        FUZZ_CHECK(shownWhole.size() >= zeros);
    }
    const QString plain = plainText(out);
    // "." alone is a zero shown with no digit.
    const long double back = plain.isEmpty() || plain == QLatin1String(".") ? 0.0L : readBack(out);
    FUZZ_CHECK(!std::isnan(back));
    FUZZ_CHECK(std::fabs(back - v) <= tolerance * (1 + 1e-9) + 1e-14 * std::fabs(v) + 1e-300);
    if (back == 0) FUZZ_CHECK(!plain.startsWith(QLatin1Char('-')));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    QLocale::setDefault(region(data[0]));
    ++data, --size;
    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size))
                                  .split(QLatin1Char('\n'));
    const QString stored = lines.first();
    const QStringList pictures = lines.mid(1, 8);

    QList<QVariant> values{QVariant(stored), QVariant()};
    double v = 0;
    if (Num::parse(stored, &v)) {
        values << QVariant(v);
        if (std::fabs(v) < 9e18) values << QVariant(qlonglong(v));
    }
    for (const QVariant& value : values)
        for (const QString& picture : pictures) checkFormat(value, picture);

    // One line with a cell per picture; widths and blanks come from the picture's length.
    QList<FixedColumnLine::Cell> cells;
    int width = 0;
    for (int i = 0; i < pictures.size(); ++i) {
        const int w = (pictures[i].size() * 7 + i) % 40;
        const int blanks = pictures[i].size() % 4;  // never written before the first cell
        cells.append({QString::number(i), w, pictures[i], blanks});
        width += w + (i == 0 ? 0 : blanks);
    }
    const FixedColumnLine line(cells);
    for (const QVariant& value : values) {
        const QString l = line.line([&](const QString&) { return value; });
        FUZZ_CHECK(l.size() == width);
        int at = 0;
        for (const auto& c : cells) {
            if (&c != &cells.first()) at += c.blanksBefore;
            FUZZ_CHECK(l.mid(at, c.width) == Picture::fit(Picture::format(value, c.picture), c.width));
            at += c.width;
        }
    }
    return 0;
}

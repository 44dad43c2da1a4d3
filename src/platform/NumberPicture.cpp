#include "NumberPicture.h"

#include "NumberText.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace Picture {

bool readsAsNumber(const QVariant& value, double* out) {
    if (!value.isValid() || value.isNull()) return false;
    double d = 0;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        d = value.toDouble();
        break;
    default:
        if (!Num::parse(value.toString(), &d)) return false;
    }
    if (!std::isfinite(d)) return false;
    if (out) *out = d;
    return true;
}

namespace {

// The decimals that show a stored value's significant digits, up to four.
int storedDecimals(double v) {
    int exp10 = 0;
    const int sig = std::min(4, Num::significantDigits(v, &exp10));
    return sig == 0 ? 0 : std::max(0, sig - 1 - exp10);
}

// Beyond this many decimals a stored value shows in the scientific form.
constexpr int MostDecimals = 10;

QString scientificCell(double v) {
    int exp10 = 0;
    const int sig = std::min(4, Num::significantDigits(v, &exp10));
    return Num::scientific(v, std::max(2, sig - 1));
}

bool isDigitPicture(const QString& picture) {
    if (picture.isEmpty()) return false;
    for (QChar c : picture)
        if (c != QLatin1Char('0') && c != QLatin1Char('#') && c != QLatin1Char('.') && c != QLatin1Char(','))
            return false;
    return true;
}

// `stored`: the decimals the stored value holds (storedDecimals).
QString digitPicture(double v, const QString& picture, int stored) {
    const qsizetype point = picture.indexOf(QLatin1Char('.'));
    const QString intPic = point < 0 ? picture : picture.left(point);
    QString fracPic = point < 0 ? QString() : picture.mid(point + 1);
    fracPic.remove(QLatin1Char(','));
    fracPic.remove(QLatin1Char('.'));
    const bool group = intPic.contains(QLatin1Char(','));
    const int minInt = int(intPic.count(QLatin1Char('0')));
    const int minDec = int(fracPic.lastIndexOf(QLatin1Char('0')) + 1);
    // The picture's decimals are a minimum: a stored value keeps its digits.
    const int maxDec = std::max(int(fracPic.size()), stored);

    const QString s = Num::decimalDigits(v, maxDec);
    const qsizetype sp = s.indexOf(QLatin1Char('.'));
    QString ip = sp < 0 ? s : s.left(sp);
    QString fp = sp < 0 ? QString() : s.mid(sp + 1);
    while (fp.size() > minDec && fp.endsWith(QLatin1Char('0'))) fp.chop(1);
    bool zero = true;
    for (QChar c : ip + fp)
        if (c != QLatin1Char('0')) zero = false;
    if (ip == QLatin1String("0") && minInt == 0) ip.clear();
    if (ip.size() < minInt) ip = QString(minInt - ip.size(), QLatin1Char('0')) + ip;
    QString plain = ip;
    if (point >= 0 || !fp.isEmpty()) plain += QLatin1Char('.') + fp;
    if (v < 0 && !zero) plain.prepend(QLatin1Char('-'));
    return Num::regional(plain, group);
}

}  // namespace

QString format(const QVariant& value, const QString& picture, bool* numeric) {
    if (numeric) *numeric = false;
    if (!value.isValid() || value.isNull()) return QString();
    if (value.typeId() == QMetaType::QByteArray) return QString();  // stored bytes are no text
    double v = 0;
    if (!readsAsNumber(value, &v)) {
        // A stored infinity or not-a-number shows as nothing.
        const double d = value.toDouble();
        if (value.typeId() == QMetaType::Double && !std::isfinite(d)) return QString();
        return value.toString();
    }
    // Fixed decimals of a number from 10^15 up, or of one that needs more
    // than ten, would run across the list: the scientific form instead.
    const bool fixedPicture = picture == Standard || isDigitPicture(picture);
    const int stored = fixedPicture ? storedDecimals(v) : 0;
    if (fixedPicture && ((std::fabs(v) >= 9e14 && Num::exponent(v) >= 15) || stored > MostDecimals)) {
        if (numeric) *numeric = true;
        return scientificCell(v);
    }
    QString out;
    if (picture == Standard)
        out = digitPicture(v, QStringLiteral("#,##0.00"), stored);
    else if (picture == Scientific)
        out = scientificCell(v);
    else if (picture == GeneralNumber)
        out = Num::text(v);
    else if (isDigitPicture(picture))
        out = digitPicture(v, picture, stored);
    else
        return value.toString();
    if (numeric) *numeric = true;
    return out;
}

QString fit(const QString& text, int width) {
    if (width <= 0) return QString();
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

}  // namespace Picture

QString FixedColumnLine::line(const FieldFn& field) const {
    QStringList texts;
    for (const Cell& c : m_cells) texts.append(Picture::format(field(c.field), c.picture));
    return lineOf(texts);
}

QString FixedColumnLine::lineOf(const QStringList& formatted) const {
    QString out;
    for (int i = 0; i < m_cells.size(); ++i) {
        const Cell& c = m_cells.at(i);
        out += QString(i == 0 ? 0 : c.blanksBefore, QLatin1Char(' '));
        out += Picture::fit(i < formatted.size() ? formatted.at(i) : QString(), c.width);
    }
    return out;
}

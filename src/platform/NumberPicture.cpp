#include "NumberPicture.h"

#include "NumberText.h"

#include <QLocale>
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

// |a| with exactly `decimals` decimals, "." as the point, no sign or grouping;
// rounded half away from zero on the value's 15-digit decimal form.
QString fixedDigits(double a, int decimals) {
    a = std::fabs(a);
    if (a == 0.0) return decimals > 0 ? QStringLiteral("0.") + QString(decimals, QLatin1Char('0')) : QStringLiteral("0");
    const QString e = QString::number(a, 'e', 14);  // d.dddddddddddddde+xx
    const int epos = e.indexOf(QLatin1Char('e'));
    QString digits = e.left(epos);
    digits.remove(QLatin1Char('.'));
    const int exp10 = e.mid(epos + 1).toInt();
    // digits[i] stands for 10^(exp10 - i); keep those down to 10^-decimals.
    const int keep = exp10 + 1 + decimals;
    QString kept;
    if (keep <= 0) {
        kept = (keep == 0 && digits.at(0) >= QLatin1Char('5')) ? QStringLiteral("1") : QStringLiteral("0");
    } else if (keep >= digits.size()) {
        kept = digits + QString(keep - digits.size(), QLatin1Char('0'));
    } else {
        kept = digits.left(keep);
        if (digits.at(keep) >= QLatin1Char('5')) {
            int i = kept.size() - 1;
            while (i >= 0 && kept.at(i) == QLatin1Char('9')) kept[i--] = QLatin1Char('0');
            if (i >= 0)
                kept[i] = QChar(kept.at(i).unicode() + 1);
            else
                kept.prepend(QLatin1Char('1'));
        }
    }
    // kept is the value times 10^decimals, as a whole number.
    if (kept.size() <= decimals) kept = QString(decimals - kept.size() + 1, QLatin1Char('0')) + kept;
    QString ip = kept.left(kept.size() - decimals);
    while (ip.size() > 1 && ip.startsWith(QLatin1Char('0'))) ip.remove(0, 1);
    return decimals > 0 ? ip + QLatin1Char('.') + kept.right(decimals) : ip;
}

QString grouped(const QString& digits) {
    const QString sep = QLocale().groupSeparator();
    QString out;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += sep;
        out += digits.at(i);
    }
    return out;
}

bool isDigitPicture(const QString& picture) {
    if (picture.isEmpty()) return false;
    for (QChar c : picture)
        if (c != QLatin1Char('0') && c != QLatin1Char('#') && c != QLatin1Char('.') && c != QLatin1Char(','))
            return false;
    return true;
}

QString digitPicture(double v, const QString& picture) {
    const int point = picture.indexOf(QLatin1Char('.'));
    const QString intPic = point < 0 ? picture : picture.left(point);
    QString fracPic = point < 0 ? QString() : picture.mid(point + 1);
    fracPic.remove(QLatin1Char(','));
    fracPic.remove(QLatin1Char('.'));
    const bool group = intPic.contains(QLatin1Char(','));
    const int minInt = intPic.count(QLatin1Char('0'));
    const int maxDec = fracPic.size();
    const int minDec = fracPic.lastIndexOf(QLatin1Char('0')) + 1;

    const QString s = fixedDigits(v, maxDec);
    const int sp = s.indexOf(QLatin1Char('.'));
    QString ip = sp < 0 ? s : s.left(sp);
    QString fp = sp < 0 ? QString() : s.mid(sp + 1);
    while (fp.size() > minDec && fp.endsWith(QLatin1Char('0'))) fp.chop(1);
    bool zero = true;
    for (QChar c : ip + fp)
        if (c != QLatin1Char('0')) zero = false;
    if (ip == QLatin1String("0") && minInt == 0) ip.clear();
    if (ip.size() < minInt) ip = QString(minInt - ip.size(), QLatin1Char('0')) + ip;
    if (group) ip = grouped(ip);
    QString out = ip;
    if (point >= 0) out += QLocale().decimalPoint() + fp;
    if (v < 0 && !zero) out.prepend(QLocale().negativeSign());
    return out;
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
    // Fixed decimals of a number beyond 15 digits would run across the list.
    if ((picture == Standard || isDigitPicture(picture)) && std::fabs(v) >= 1e15)
        return RuntimeFault::describe(RuntimeFault::Overflow);
    QString out;
    if (picture == Standard)
        out = Num::standard(v);
    else if (picture == Scientific)
        out = Num::scientific(v);
    else if (picture == GeneralNumber)
        out = Num::generalNumber(v);
    else if (isDigitPicture(picture))
        out = digitPicture(v, picture);
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

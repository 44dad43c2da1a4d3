#include "Module2.h"

#include <QHash>

#include "platform/NumberPicture.h"
#include "platform/NumberText.h"
#include "refdata/ReferenceDatabase.h"

namespace Module2 {

QVariant Elements[ElementSlots + 1][3];

QString FormulaText;
QString ElementTableFault;
QString FormulaCoefficient = QStringLiteral("0");

namespace {
// A value that should be a number, as a double (empty counts as 0).
double toNumber(const QVariant& v) {
    if (v.isNull() || !v.isValid()) return 0;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok) throw RuntimeFault(RuntimeFault::TypeMismatch);
    return d;
}

bool sameSymbol(const QVariant& a, const QVariant& b) { return a.toString() == b.toString(); }
}  // namespace

void FillElements() {
    int i = 1;
    try {
        ReferenceDatabase::fullWalk(QStringLiteral("SELECT Symbol, AtomicWeight FROM GeneralInfo"),
                                    [&](const Recordset& rs) {
                                        if (i > ElementSlots) return;  // the table holds 109 entries
                                        // Stored bytes are no symbol.
                                        const QVariant symbol = rs.field(QStringLiteral("Symbol"));
                                        Elements[i][1] = symbol.typeId() == QMetaType::QByteArray ? QVariant() : symbol;
                                        Elements[i][2] = rs.field(QStringLiteral("AtomicWeight"));
                                        ++i;
                                    });
        bool anySymbol = false;
        for (int k = 1; k < i && !anySymbol; ++k) anySymbol = !Elements[k][1].toString().isEmpty();
        if (!anySymbol) throw DbError(RuntimeFault::InvalidUseOfNull, QStringLiteral("it holds no element symbols"));
        ElementTableFault.clear();
    } catch (const RuntimeFault& f) {
        // Half a table would weigh some formulas and not others.
        for (auto& e : Elements) e[1] = e[2] = QVariant();
        ElementTableFault = f.description();
        throw;
    }
}

QString ElementTableMessage() { return ElementTableMessage(ElementTableFault); }

QString ElementTableMessage(const QString& reason) {
    return QStringLiteral("The element table could not be read: ") + reason;
}

std::optional<double> FindElement(const QString& symbol) {
    const QVariant s(symbol);
    for (int i = 1; i <= ElementSlots; ++i) {
        if (Elements[i][1].isNull() || !sameSymbol(s, Elements[i][1])) continue;
        // The symbol is there: a weight that cannot be read is the table's fault.
        const QVariant& w = Elements[i][2];
        double d = 0;
        const bool number = Picture::readsAsNumber(w, &d);
        // No atom weighs zero or less: such a weight is as good as none.
        if (!number || !(d > 0))
            throw RuntimeFault(w.isNull() || number ? RuntimeFault::InvalidUseOfNull : RuntimeFault::TypeMismatch,
                               QStringLiteral("The element table holds no atomic weight for %1.").arg(symbol));
        return d;
    }
    return std::nullopt;
}

std::optional<double> FindGroup(const QString& group) {
    std::optional<double> found;
    bool done = false;
    ReferenceDatabase::fullWalk(QStringLiteral("SELECT * FROM MolecularWeights"), [&](const Recordset& rs) {
        if (done) return;
        if (rs.fieldText(QStringLiteral("Substance")) != group) return;
        done = true;
        const QVariant w = rs.field(QStringLiteral("Weight"));
        if (!w.isNull()) found = Num::checked(toNumber(w));
    });
    return found;
}

namespace {
// A group whose stored weight cannot be read is weighed from its atoms.
std::optional<double> storedGroup(const QString& group) {
    try {
        return FindGroup(group);
    } catch (const RuntimeFault&) {
        return std::nullopt;
    }
}
}  // namespace

void SetFormula(const QString& plainText) {
    int k = 0;
    while (k < plainText.size() && plainText.at(k).isDigit() && plainText.at(k).unicode() < 128) ++k;
    FormulaCoefficient = QStringLiteral("0") + plainText.left(k);
    FormulaText = plainText.mid(k);
}

FormulaScan::Result Weigh(const QString& formula) {
    QHash<QString, std::optional<double>> groups;
    auto element = [](std::string_view s) {
        return FindElement(QString::fromLatin1(s.data(), qsizetype(s.size())));
    };
    auto group = [&groups](std::string_view s) -> std::optional<double> {
        const QString g = QString::fromLatin1(s.data(), qsizetype(s.size()));
        auto it = groups.constFind(g);
        if (it == groups.constEnd()) it = groups.insert(g, storedGroup(g));
        return *it;
    };
    return FormulaScan::weigh(formula.toLatin1().toStdString(), element, group);
}

}  // namespace Module2

#include "app/breakdowntip.h"

#include "calc/numtext.h"

namespace termika {
namespace {

struct Symbols {
    const char* area;
    const char* u;
};

Symbols symbolsOf(Element element) {
    switch (element) {
    case Element::Glass:
        return {"Ag", "Ug"};
    case Element::Glass1:
        return {"Ag1", "Ug1"};
    case Element::Glass2:
        return {"Ag2", "Ug2"};
    case Element::Frame:
        return {"Af", "Uf"};
    case Element::Mullion:
        return {"Am", "Um"};
    case Element::Mullion2:
        return {"Am2", "Um2"};
    case Element::Transom:
        return {"At", "Ut"};
    }
    return {"", ""};
}

class Tip {
public:
    explicit Tip(const std::string& sep) : sep_(sep) {}

    QString fixed(double value, int decimals) const {
        return QString::fromStdString(formatFixed(value, decimals, sep_));
    }
    QString general(double value) const {
        return QString::fromStdString(formatGeneral(value, sep_));
    }
    void row(const QString& name, const QString& a, const QString& u, const QString& term,
             const QString& share) {
        html_ += QStringLiteral("<tr><td>%1</td><td align=right>%2</td><td align=right>%3</td>"
                                "<td align=right>%4</td><td align=right>%5</td></tr>")
                     .arg(name, a, u, term, share);
    }
    QString& html() { return html_; }

private:
    const std::string& sep_;
    QString html_;
};

} // namespace

QString breakdownTip(const Breakdown& b, const std::string& decimalSep) {
    Tip tip(decimalSep);
    const auto share = [&](double term) {
        return b.total() != 0 ? tip.fixed(100 * term / b.total(), 1) + QStringLiteral(" %")
                              : QString();
    };
    // The tip sets its own colour and size, whatever the result label looks like.
    tip.html() = QStringLiteral("<div style=\"color:black; font-size:11px\">"
                                "<table cellspacing=0 cellpadding=2>"
                                "<tr><th></th><th>A [m²]</th><th>U [W/(m²·K)]</th>"
                                "<th>A·U [W/K]</th><th></th></tr>");
    for (const ElementTerm& item : b.elements()) {
        const Symbols s = symbolsOf(item.element);
        tip.row(QStringLiteral("%1, %2").arg(QLatin1String(s.area), QLatin1String(s.u)),
                tip.fixed(item.area, 4), tip.general(item.u), tip.fixed(item.term, 4),
                share(item.term));
    }
    tip.row(QStringLiteral("lg, ψ"), tip.fixed(b.perimeter(), 3) + QStringLiteral(" m"),
            tip.general(b.psi()) + QStringLiteral(" W/(m·K)"), tip.fixed(b.perimeterTerm(), 4),
            share(b.perimeterTerm()));
    tip.html() += QStringLiteral("</table>");
    tip.html() +=
        QStringLiteral("<p>Aw = %1 m²<br>Ag/Aw = %2 %<br>Uw = %3 W/K / %1 m² = "
                       "<b>%4 W/(m²·K)</b></p></div>")
            .arg(tip.fixed(b.windowArea(), 4), tip.fixed(100 * b.glassArea() / b.windowArea(), 1),
                 tip.fixed(b.total(), 4), tip.fixed(b.uw(), 2));
    return tip.html();
}

} // namespace termika

#include "app/breakdowntip.h"

#include "calc/numtext.h"

#include <QStringList>

#include <vector>

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

// The breakdown's figures as texts, once for both ways of showing them.
struct Row {
    QString name, area, u, term, share;
    bool perimeter = false; // the glass perimeter: a length in m and ψ in W/(m·K)
};

struct Terms {
    std::vector<Row> rows; // the elements, then the glass perimeter
    QString windowArea, glassShare, total, uw;
};

Terms termsOf(const Breakdown& b, const std::string& sep) {
    const auto fixed = [&sep](double value, int decimals) {
        return QString::fromStdString(formatFixed(value, decimals, sep));
    };
    const auto general = [&sep](double value) {
        return QString::fromStdString(formatGeneral(value, sep));
    };
    const auto share = [&](double term) {
        return b.total() != 0 ? fixed(100 * term / b.total(), 1) + QStringLiteral(" %") : QString();
    };
    Terms terms;
    for (const ElementTerm& item : b.elements()) {
        const Symbols s = symbolsOf(item.element);
        terms.rows.push_back(
            {QStringLiteral("%1, %2").arg(QLatin1String(s.area), QLatin1String(s.u)),
             fixed(item.area, 4), general(item.u), fixed(item.term, 4), share(item.term), false});
    }
    terms.rows.push_back({QStringLiteral("lg, ψ"), fixed(b.perimeter(), 3) + QStringLiteral(" m"),
                          general(b.psi()) + QStringLiteral(" W/(m·K)"),
                          fixed(b.perimeterTerm(), 4), share(b.perimeterTerm()), true});
    terms.windowArea = fixed(b.windowArea(), 4);
    terms.glassShare = fixed(100 * b.glassArea() / b.windowArea(), 1);
    terms.total = fixed(b.total(), 4);
    terms.uw = fixed(b.uw(), 2);
    return terms;
}

} // namespace

QString breakdownTip(const Breakdown& b, const std::string& decimalSep) {
    const Terms terms = termsOf(b, decimalSep);
    // The tip sets its own colour and size, whatever the result label looks like.
    QString html = QStringLiteral("<div style=\"color:black; font-size:11px\">"
                                  "<table cellspacing=0 cellpadding=2>"
                                  "<tr><th></th><th>A [m²]</th><th>U [W/(m²·K)]</th>"
                                  "<th>A·U [W/K]</th><th></th></tr>");
    for (const Row& row : terms.rows)
        html += QStringLiteral("<tr><td>%1</td><td align=right>%2</td><td align=right>%3</td>"
                               "<td align=right>%4</td><td align=right>%5</td></tr>")
                    .arg(row.name, row.area, row.u, row.term, row.share);
    html += QStringLiteral("</table>");
    html += QStringLiteral("<p>Aw = %1 m²<br>Ag/Aw = %2 %<br>Uw = %3 W/K / %1 m² = "
                           "<b>%4 W/(m²·K)</b></p></div>")
                .arg(terms.windowArea, terms.glassShare, terms.total, terms.uw);
    return html;
}

QString breakdownText(const Breakdown& b, const std::string& decimalSep) {
    const Terms terms = termsOf(b, decimalSep);
    QStringList lines;
    for (const Row& row : terms.rows) {
        // The perimeter's length and ψ carry their units already.
        QString line = row.perimeter ? QStringLiteral("%1: %2, %3, %4 W/K")
                                     : QStringLiteral("%1: %2 m², %3 W/(m²·K), %4 W/K");
        line = line.arg(row.name, row.area, row.u, row.term);
        if (!row.share.isEmpty())
            line += QStringLiteral(", ") + row.share;
        lines << line;
    }
    lines << QStringLiteral("Aw = %1 m²").arg(terms.windowArea)
          << QStringLiteral("Ag/Aw = %1 %").arg(terms.glassShare)
          << QStringLiteral("Uw = %1 W/K / %2 m² = %3 W/(m²·K)")
                 .arg(terms.total, terms.windowArea, terms.uw);
    return lines.join(QLatin1Char('\n'));
}

} // namespace termika

#include "i18n/texts.h"

#include "i18n/texttable.h"

namespace termika {

namespace {
constexpr std::size_t Polish = columnOf(Language::Polish);
}

TextSlots polishSlots() {
    TextSlots texts;
    for (const TextRow& row : textTable())
        if (row.kind == TargetKind::Slot)
            texts.*row.slot = row.text[Polish];
    return texts;
}

QStringList polishSpacerItems() {
    QStringList items;
    for (const TextRow& row : textTable())
        if (row.kind == TargetKind::SpacerItem)
            items << QString::fromUtf8(row.text[Polish]);
    return items;
}

} // namespace termika

#include "i18n/apply.h"

#include "i18n/qttranslation.h"
#include "i18n/texttable.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QVariant>

#include <algorithm>

namespace termika {

namespace {

void missing(const char* name) {
    qWarning("No language target named %s", name);
}

void setText(QObject* object, const char* name, const QString& text) {
    if (object)
        object->setProperty("text", text);
    else
        missing(name);
}

void setTabCaption(QWidget* page, const char* name, const QString& text) {
    for (QWidget* up = page ? page->parentWidget() : nullptr; up; up = up->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
            tabs->setTabText(tabs->indexOf(page), text);
            return;
        }
    }
    missing(name);
}

void writeRow(const TextRow& row, const QString& text, const LanguageTarget& target) {
    if (row.kind == TargetKind::Slot) {
        target.textSlots->*row.slot = text.toStdString();
        return;
    }
    for (const char* name : row.names) {
        if (!name)
            break;
        const QLatin1String designed(name);
        switch (row.kind) {
        case TargetKind::MenuItem:
            setText(target.window->findChild<QAction*>(designed), name, text);
            break;
        case TargetKind::Tab:
            setTabCaption(target.window->findChild<QWidget*>(designed), name, text);
            break;
        case TargetKind::EditCaption:
            setText(captionOf(target.window->findChild<QWidget*>(designed)), name, text);
            break;
        case TargetKind::Control:
            setText(target.window->findChild<QWidget*>(designed), name, text);
            break;
        case TargetKind::Printout:
            setText(target.printout->findChild<QObject*>(designed), name, text);
            break;
        case TargetKind::Name:
            if (QWidget* control = target.window->findChild<QWidget*>(designed))
                control->setAccessibleName(text);
            else
                missing(name);
            break;
        default:
            break;
        }
    }
}

// Gives every spacer list the language's items. Only the list bound to the active tab gets its
// selection back, by index, without running its change handler: ψ and the spacer's name keep
// the user's last real choice. The other lists show no selection until their tab is next shown.
void rebuildSpacerLists(const QStringList& items, const LanguageTarget& target) {
    *target.indeksRamki = target.aktRamka ? target.aktRamka->currentIndex() : -1;
    for (QComboBox* list : target.spacerLists) {
        list->clear();
        list->addItems(items);
        list->setCurrentIndex(-1);
    }
    if (target.aktRamka)
        target.aktRamka->setCurrentIndex(*target.indeksRamki);
}

// Replaces every line of the notes, keeping the memo's paragraph format (it is centred).
void replaceNotes(const QStringList& lines, QTextEdit* notes) {
    QTextCursor cursor(notes->document());
    cursor.select(QTextCursor::Document);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.insertText(lines[i]);
    }
}

QStringList textsOf(std::span<const TextRow> rows, std::size_t column) {
    QStringList texts;
    for (const TextRow& row : rows)
        texts << QString::fromUtf8(row.text[column]);
    return texts;
}

} // namespace

QLabel* captionOf(const QWidget* control) {
    if (!control || !control->parentWidget())
        return nullptr;
    const auto labels = control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    const auto found = std::find_if(labels.begin(), labels.end(), [control](const QLabel* label) {
        return label != control && label->buddy() == control;
    });
    return found == labels.end() ? nullptr : *found;
}

void applyLanguage(Language language, const LanguageTarget& target) {
    const LanguageRule& rule = ruleOf(language);
    const std::size_t column = columnOf(language);
    const std::span<const TextRow> table = textTable();

    // The spacer items and the notes are written as a whole, each from its run of rows.
    for (auto row = table.begin(); row != table.end();) {
        const auto runEnd = std::find_if(
            row, table.end(), [kind = row->kind](const TextRow& r) { return r.kind != kind; });
        const std::span<const TextRow> run(row, runEnd);
        if (row->kind == TargetKind::SpacerItem) {
            if (rule.rebuildsSpacerLists)
                rebuildSpacerLists(textsOf(run, column), target);
        } else if (row->kind == TargetKind::Note) {
            replaceNotes(textsOf(run, column), target.notes);
        } else {
            for (const TextRow& each : run)
                if (each.text[column])
                    writeRow(each, QString::fromUtf8(each.text[column]), target);
        }
        row = runEnd;
    }

    for (std::size_t i = 0; i < LanguageCount; ++i)
        target.menuItems[i]->setChecked(i == column);
    *target.jezyk = QString::fromLatin1(rule.code);
    useQtTranslation(rule.qtName);
}

} // namespace termika

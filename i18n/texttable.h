#pragma once

#include "calc/state.h"
#include "i18n/languages.h"

#include <array>
#include <span>
#include <string>

namespace termika {

// Which text of a target a row writes.
enum class TargetKind : std::uint8_t {
    MenuItem,    // a menu action's text
    Tab,         // the caption of a tab page
    EditCaption, // the caption label of a labelled edit
    Control,     // the text of a button, a check box or a label
    Printout,    // a caption of the printout Form2
    SpacerItem,  // one item of the six spacer lists; the rows follow the item order
    Note,        // one line of the notes; the rows follow the line order
    Slot,        // one of the message and text slots
    Name,        // the name assistive tools read for a control that shows no caption
};

// One text per language, UTF-8, in the order of Language. An empty cell (nullptr) leaves the
// target with the text written last, or with its designed text.
using Cells = std::array<const char*, LanguageCount>;
inline constexpr const char* Unchanged = nullptr;

// The designed names of the targets that take the same text; unused places are nullptr.
using Names = std::array<const char*, 6>;

struct TextRow {
    TargetKind kind;
    Names names;                            // controls and printout captions
    std::string TextSlots::*slot = nullptr; // slots only
    Cells text;
};

// Every text that the language handlers write, in the order in which they write it.
std::span<const TextRow> textTable();

} // namespace termika

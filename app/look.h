#pragma once

class QWidget;

namespace termika {

// Gives the main window's controls their designed colours and type: the red results and their
// captions, the navy header box, the bold field numbers on the door drawings, the notes.
void applyDesignedLook(QWidget& window);

} // namespace termika

#pragma once

// How the window presents itself to assistive tools such as a screen reader over AT-SPI, where
// Qt's defaults fall short:
// - the window is a frame, the pictures are images, and a result field is read-only text that
//   cannot be edited, instead of a filler, two frames and fields that claim to be editable;
// - a field reports its text attributes as one run, on which a screen reader relies;
// - a field that gains the focus is announced before the enter rule's selection in it, so that
//   a screen reader takes the focus change for one and speaks the field's name, not only the
//   selected value.

class QAbstractItemView;
class QComboBox;
class QLineEdit;
class QWidget;

namespace kantrix::accessibility {

// Presents a line edit as the form's fields are presented: one run of text attributes over its
// whole text, and its focus reported before its selection. Call as soon as it is made: Qt keeps
// the first interface it creates for a widget, and setting its name already creates one.
void presentAsField(QLineEdit* edit);

// Presents a label that shows a result in words as read-only text whose text is the figure kept
// as its accessible description: a screen reader speaks a label's name, but not its description.
// Call as soon as it is made, as presentAsField().
void presentAsResult(QWidget* label);

// Reports the current cell of a table as focused whenever the table gains the focus, after the
// table itself, so that a screen reader reaching the table by Tab also reads that cell.
void reportCurrentCellOnFocus(QAbstractItemView* view);

// Has a screen reader speak the chosen item of a combo box that a caption names. Over AT-SPI Qt
// gives such a box no value a screen reader finds (no text, no selected item in its closed list),
// so that it speaks only the caption; the item, then the box's tooltip, become its description,
// as a cell's value is its description. Call once the box has its tooltip.
void speakCurrentItem(QComboBox* box);

// Installs the interfaces and the ordering of focus events; once per program, before the window
// is built. Calling it again does nothing.
void install();

// Qt's AT-SPI bridge asks the accessibility registry synchronously as it starts. A registry that
// is slow to answer (it waits on a busy screen reader) blocks the program for as long, and if the
// window is already mapped then, it stays black. So when a screen reader's bus is in use, the
// bridge is started and waited for before the window is shown.
//
// Asks the session bus, on a thread of its own, whether a screen reader's bus is in use, so that
// the window is built meanwhile. Call once the QApplication exists.
void askForScreenReader();

// Waits for that answer (asking now if it was not asked) and, if a screen reader's bus is in use,
// starts the bridge and waits for it. Call before the first window is shown.
void startBeforeTheWindow();

} // namespace kantrix::accessibility

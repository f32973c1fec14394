#pragma once
// What assistive technology (a screen reader, through AT-SPI on Linux) finds
// of the program's own widgets:
//
// - A label is static text named by its caption. A label with a Click
//   handler (one that acts as a button, like ＧＯ) also offers the toolkit's
//   standard press action, which raises its Click exactly as a mouse click
//   on it does (LabelWidget::press): through the program's dispatch, once
//   the call that asked for it has returned, so a handler that opens a modal
//   message box does not hold the caller's reply until the box is closed.
//   Other labels offer no action. A label takes no focus either way.
// - The filled part of a bar (a ShapeWidget with an outline) is a read-only
//   progress bar: its value is the filled share of its outline, from 0 (empty)
//   to 1 (the whole outline), so the seconds bar reads second / 60. It offers
//   no action: nothing a screen reader could invoke changes it.
// - Any other shape is a graphic with no action.
namespace kanmeri::platform {

// Installs the factory for the program's own widgets; once per process,
// after the application object exists.
void installAccessibility();

}  // namespace kanmeri::platform
